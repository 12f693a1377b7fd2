#include "resources/maker.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

// The resources are linked into this test program as into the product, so the
// program's own version record is read back from the running executable.
namespace {

std::vector<char> OwnVersionRecord()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    std::vector<char> record(size);
    if (size == 0 || !GetFileVersionInfoA(path, 0, size, record.data())) return {};
    return record;
}

std::string StringValue(std::vector<char>& record, const char* name)
{
    const std::string query = std::string("\\StringFileInfo\\080403A8\\") + name;
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(record.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
        return "<missing>";
    return value;
}

TEST(VersionRecordTest, FixedVersionIs2000)
{
    std::vector<char> record = OwnVersionRecord();
    ASSERT_FALSE(record.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00020000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST(VersionRecordTest, TranslationIsChinesePrcCodePage936)
{
    std::vector<char> record = OwnVersionRecord();
    ASSERT_FALSE(record.empty());
    WORD* pair = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&pair), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(pair[0], 0x0804);
    EXPECT_EQ(pair[1], 936);
}

TEST(VersionRecordTest, TextsReadBackInGbk)
{
    static_assert(sizeof("批量") == 5, "narrow literals must be GBK");
    std::vector<char> record = OwnVersionRecord();
    ASSERT_FALSE(record.empty());
    const struct {
        const char* name;
        const char* expected;
    } entries[] = {
        {"ProductName", "Brisel批量文件更改器"},
        {"ProductVersion", "2.0.0.0"},
        {"FileVersion", "2.0.0.0"},
        {"CompanyName", BRISEL_MAKER_NAME},
        {"LegalTrademarks", BRISEL_MAKER_NAME},
        {"LegalCopyright", BRISEL_COPYRIGHT},
        {"Comments", BRISEL_CONTACT},
        {"InternalName", "Brisel.exe"},
        {"OriginalFilename", "Brisel.exe"},
    };
    for (const auto& entry : entries) EXPECT_EQ(StringValue(record, entry.name), entry.expected) << entry.name;
}

}  // namespace
