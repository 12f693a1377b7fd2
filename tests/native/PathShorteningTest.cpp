#include "core/PathShortening.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using core::MinimizeName;

namespace {

constexpr int kPixelsPerByte = 6;

int FixedWidth(const std::string& text)
{
    return kPixelsPerByte * static_cast<int>(text.size());
}

std::string Fit(const std::string& path, int bytes)
{
    return MinimizeName(path, bytes * kPixelsPerByte, FixedWidth);
}

struct WidthCase {
    int maxWidth;
    std::string expected;
};

}  // namespace

TEST(PathShorteningTest, DropsLeadingDirectoriesAsTheWidthNarrows)
{
    const std::string path = "C:\\Data\\Photos\\2020\\Trip";  // 24 bytes
    const std::vector<WidthCase> cases = {
        {1000, path},
        {144, path},
        {143, "C:\\...\\Photos\\2020\\Trip"},
        {138, "C:\\...\\Photos\\2020\\Trip"},
        {137, "C:\\...\\2020\\Trip"},
        {96, "C:\\...\\2020\\Trip"},
        {95, "C:\\...\\Trip"},
        {66, "C:\\...\\Trip"},
        {65, "...\\Trip"},
        {48, "...\\Trip"},
        {47, "Trip"},
        {0, "Trip"},
        {-5, "Trip"},
    };
    for (const WidthCase& c : cases) {
        EXPECT_EQ(MinimizeName(path, c.maxWidth, FixedWidth), c.expected) << "width " << c.maxWidth;
    }
}

TEST(PathShorteningTest, NameIsNeverShortened)
{
    EXPECT_EQ(Fit("C:\\a\\averyveryverylongname.txt", 5), "averyveryverylongname.txt");
    EXPECT_EQ(Fit("averyveryverylongname.txt", 5), "averyveryverylongname.txt");
}

TEST(PathShorteningTest, FirstCuts)
{
    struct FirstCut {
        std::string path;
        std::string expected;
    };
    const std::vector<FirstCut> cases = {
        // A directory beginning with a period loses four characters as well.
        {"C:\\.a\\b\\c\\n", "C:\\...\\c\\n"},
        {"C:\\.git\\objects\\x", "C:\\...\\objects\\x"},
        // One directory below the drive becomes the marker itself.
        {"C:\\Data\\x.txt", "C:\\...\\x.txt"},
        // No drive part: a network path.
        {"\\\\server\\share\\dir\\name", "\\...\\share\\dir\\name"},
        {u8"C:\\한국어\\ÑANDÚ\\PARTY 🎉.TXT", u8"C:\\...\\ÑANDÚ\\PARTY 🎉.TXT"},
        // A backslash after a sequence cut off is a separator all the same.
        {"C:\\ab\xE4\xB8\\c\\file", "C:\\...\\c\\file"},
    };
    for (const FirstCut& c : cases) {
        int width = static_cast<int>(c.path.size()) - 1;
        // The width where the expected text just fits.
        int fits = static_cast<int>(c.expected.size());
        EXPECT_EQ(Fit(c.path, std::min(width, fits)), c.expected) << c.path;
    }
}

TEST(PathShorteningTest, APeriodCutStepsOverWholeCharacters)
{
    // A leading period loses four characters: ".", the emoji, "\" and "b".
    // Four bytes would end inside the emoji and keep "b".
    const std::string emoji = u8"C:\\.🎉\\b\\c\\n";  // 14 bytes
    EXPECT_EQ(Fit(emoji, 13), "C:\\...\\c\\n");
}

TEST(PathShorteningTest, MeasuresWithTheGivenFunction)
{
    std::vector<std::string> measured;
    auto width = [&measured](const std::string& text) {
        measured.push_back(text);
        return static_cast<int>(text.size());
    };
    EXPECT_EQ(MinimizeName("C:\\ab\\b\\n", 8, width), "C:\\...\\n");
    EXPECT_EQ(measured, (std::vector<std::string>{"C:\\ab\\b\\n", "C:\\...\\b\\n", "C:\\...\\n"}));
}
