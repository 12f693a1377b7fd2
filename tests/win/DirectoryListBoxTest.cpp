#include "browser/DirectoryListBox.h"

#include "BrowserTestHost.h"
#include "HostileNames.h"
#include "TempTree.h"
#include "platform/WideText.h"
#include "browser/CompareIgnoreCase.h"
#include "core/DirectoryPath.h"
#include "toolkit/Label.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using core::FolderGlyph;
// A list's directory and the change notices sent so far.
using Seen = std::pair<std::string, int>;

size_t Backslashes(const std::string& path)
{
    return static_cast<size_t>(std::count(path.begin(), path.end(), '\\'));
}

// Names of the subdirectory items, in list order.
std::vector<std::string> Subdirectories(const TDirectoryListBox& list)
{
    std::vector<std::string> names;
    for (const core::DirectoryItem& item : list.Items()) {
        if (item.glyph == FolderGlyph::ClosedFolder) names.push_back(item.text);
    }
    return names;
}

int IndexOf(const TDirectoryListBox& list, const std::string& text)
{
    const auto& items = list.Items();
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].text == text) return static_cast<int>(i);
    }
    return -1;
}

bool IsHidden(const std::string& path)
{
    DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN);
}

// The list shows the chain of its directory, root first and each level 4
// pixels further in, the current directory highlighted; then the
// subdirectories, one level below it (two at a root, which keeps its backslash).
void ExpectChainThenSubdirectories(const TDirectoryListBox& list)
{
    const std::string& directory = list.Directory();
    const auto& items = list.Items();
    const size_t levels = Backslashes(directory) + 1;
    const size_t chain = directory.size() == 3 ? 1 : levels;
    ASSERT_EQ(static_cast<int>(items.size()), list.Count());
    ASSERT_GE(items.size(), chain);
    EXPECT_EQ(items[0].text, directory.substr(0, 3));  // the root, e.g. C:\ .
    EXPECT_EQ(items[chain - 1].text, chain == 1 ? directory : directory.substr(directory.rfind('\\') + 1));
    EXPECT_EQ(list.ItemIndex(), static_cast<int>(chain - 1));
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(list.ItemText(static_cast<int>(i)), items[i].text);
        FolderGlyph glyph = i + 1 < chain    ? FolderGlyph::OpenFolder
                            : i + 1 == chain ? FolderGlyph::CurrentFolder
                                             : FolderGlyph::ClosedFolder;
        EXPECT_EQ(items[i].glyph, glyph) << i;
        EXPECT_EQ(items[i].glyphLeft, 4 * static_cast<int>(i < chain ? i : levels) + 2) << i;
    }
}

class DirectoryListBoxTest : public BrowserTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(Enter("Data\\Photos", &photos));
        ASSERT_TRUE(MakeTree(temp, {"Data\\Photos\\beta\\", "Data\\Photos\\Alpha\\", "Data\\Photos\\gamma\\",
                                    "Data\\Photos\\Delta\\", "Data\\Photos\\file.txt"}));
    }

    TDirectoryListBox* MakeList(int width = 260)
    {
        auto* list = new TDirectoryListBox(host.get());
        list->SetItemHeight(16);
        list->OnChange = [this](TObject*) { ++changes; };
        return host->Place(list, 8, 8, width, 300);
    }

    Seen Now(const TDirectoryListBox& list) const { return {list.Directory(), changes}; }

    std::string photos;
    int changes = 0;
};

// The subdirectories in the user's collation, without regard to case: byte
// order would put Alpha, Delta and Zeta first.
TEST_F(DirectoryListBoxTest, ShowsChainThenSubdirectoriesOfWorkingDirectoryInUserCollation)
{
    for (const char* name : {"co-op", "cob", "Zeta", "_x", "a10", "a9"})
        temp.Create(std::string("Data\\Photos\\") + name);
    TDirectoryListBox* list = MakeList();
    EXPECT_EQ(Now(*list), Seen(photos, 0));
    ExpectChainThenSubdirectories(*list);
    std::vector<std::string> names = Subdirectories(*list);
    ASSERT_EQ(names.size(), 10u);
    for (size_t i = 1; i < names.size(); ++i) {
        EXPECT_NE(CompareIgnoreCase(names[i - 1], names[i]), CSTR_GREATER_THAN)
            << names[i - 1] << " before " << names[i];
    }
    EXPECT_EQ(names.back(), "Zeta");
    EXPECT_GE(list->ItemHeight(), 16);
}

// Every exact name is shown as it is, and no other; hidden and system
// folders and files are left out.
TEST_F(DirectoryListBoxTest, ShowsOnlyVisibleFoldersWhoseNamesOpenThem)
{
    const std::string secret = temp.Create("Data\\Photos\\Secret");
    SetFileAttributesW(Widen(secret).c_str(), FILE_ATTRIBUTE_HIDDEN);
    // Where the file system keeps no attributes, Wine marks dot names hidden.
    const std::string hidden = IsHidden(secret) ? secret : temp.Create("Data\\Photos\\.Secret");
    ASSERT_TRUE(IsHidden(hidden));
    std::string system = temp.Create("Data\\Photos\\Sys");
    SetFileAttributesW(Widen(system).c_str(), FILE_ATTRIBUTE_SYSTEM);
    ASSERT_TRUE(MakeHostileNames(photos));

    std::vector<std::string> names = Subdirectories(*MakeList()), expected = ExactHostileNames(true);
    expected.insert(expected.end(), {"Alpha", "beta", "Delta", "gamma"});
    if (!(GetFileAttributesW(Widen(system).c_str()) & FILE_ATTRIBUTE_SYSTEM)) expected.push_back("Sys");
    if (hidden != secret) expected.push_back("Secret");
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
}

// Each step opens an item or sets a directory. One that leads to the current
// directory does nothing; one that cannot be entered keeps the directory but
// reads the list again and notifies all the same.
TEST_F(DirectoryListBoxTest, OpeningOrSettingADirectoryMakesItCurrentWhenItCanBeEntered)
{
    const std::string gone = temp.Create("Data\\Photos\\Gone");
    TDirectoryListBox* list = MakeList();
    ASSERT_TRUE(RemoveDirectoryW(Widen(gone).c_str()));
    std::string lower = photos;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(c)); });
    const std::string data = photos.substr(0, photos.rfind('\\')), root = photos.substr(0, 3);
    const std::vector<std::string> withGone{"Alpha", "beta", "Delta", "gamma", "Gone"};
    const std::vector<std::string> withoutGone{"Alpha", "beta", "Delta", "gamma"}, none, justPhotos{"Photos"};
    struct Step {
        bool open;  // opens the item whose text is target, or sets target as the directory
        std::string target;
        std::string directory;                                   // current after the step
        int changes;                                             // notices so far
        std::optional<std::vector<std::string>> subdirectories;  // unset: what the machine holds
    };
    const Step steps[] = {
        {true, "Photos", photos, 0, withGone},  // the current item
        {false, lower, photos, 0, withGone},    // the same in other case
        {false, photos + "\\", photos, 0, withGone},
        {false, "", photos, 0, withGone},
        {true, "Gone", photos, 1, withoutGone},                  // removed after the list was read
        {false, photos + "\\file.txt", photos, 2, withoutGone},  // a file is no directory
        {true, "beta", photos + "\\beta", 3, none},
        {true, "Data", data, 4, justPhotos},  // an ancestor
        {true, root, root, 5},                // the root keeps its backslash
    };
    for (const Step& step : steps) {
        SCOPED_TRACE((step.open ? "open " : "set ") + step.target);
        if (step.open) {
            OpenItem(*list, step.target);
        } else {
            list->SetDirectory(step.target);
        }
        EXPECT_EQ(Now(*list), Seen(step.directory, step.changes));
        ExpectChainThenSubdirectories(*list);
        if (step.subdirectories) {
            EXPECT_EQ(Subdirectories(*list), *step.subdirectories);
        }
    }
}

TEST_F(DirectoryListBoxTest, GoingToADrive)
{
    TDirectoryListBox* list = MakeList();
    list->SetDrive(photos[0]);  // the drive of the current directory
    EXPECT_EQ(Now(*list), Seen(photos, 0));

    DWORD present = GetLogicalDrives();
    char missing = 0;
    for (char letter = 'y'; letter > 'd' && !missing; --letter) {
        if (!(present & (1u << (letter - 'a')))) missing = letter;
    }
    ASSERT_NE(missing, 0);
    list->SetDrive(missing);  // cannot be entered: stays, rebuilt, notified
    EXPECT_EQ(Now(*list), Seen(photos, 1));

    char other = 0;
    for (char letter = 'z'; letter >= 'a' && !other; --letter) {
        if ((present & (1u << (letter - 'a'))) && letter != core::DriveLetterOf(photos) &&
            GetDriveTypeW(Widen(std::string(1, letter) + ":\\").c_str()) == DRIVE_FIXED)
            other = letter;
    }
    if (!other) GTEST_SKIP() << "only one fixed drive";
    list->SetDrive(static_cast<char>(std::toupper(other)));
    EXPECT_EQ(core::DriveLetterOf(list->Directory()), other);
    EXPECT_EQ(changes, 2);
    // Back on the first drive: the process's directory on record for it.
    list->SetDrive(photos[0]);
    EXPECT_EQ(Now(*list), Seen(photos, 3));
}

TEST_F(DirectoryListBoxTest, EnterAndDoubleClickOpen)
{
    TDirectoryListBox* list = MakeList();
    host->Show();
    list->SetFocus();

    list->SetItemIndex(IndexOf(*list, "gamma"));
    // As the form's message loop passes keys: through dialog navigation.
    MSG enter{list->Handle(), WM_KEYDOWN, VK_RETURN, 0x001C0001};
    EXPECT_TRUE(IsDialogMessageA(host->Handle(), &enter));
    EXPECT_EQ(Now(*list), Seen(photos + "\\gamma", 1));

    int parent = IndexOf(*list, "Photos");
    RECT rect{};
    SendMessageA(list->Handle(), LB_GETITEMRECT, static_cast<WPARAM>(parent), reinterpret_cast<LPARAM>(&rect));
    LPARAM point = MAKELPARAM(rect.left + 40, (rect.top + rect.bottom) / 2);
    SendMessageA(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(list->Handle(), WM_LBUTTONUP, 0, point);
    EXPECT_EQ(list->Directory(), photos + "\\gamma");  // a single click only moves the highlight
    SendMessageA(list->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    SendMessageA(list->Handle(), WM_LBUTTONUP, 0, point);
    EXPECT_EQ(Now(*list), Seen(photos, 2));
}

TEST_F(DirectoryListBoxTest, PathLabelIsShortenedToTheListWidth)
{
    TLabel* label = new TLabel(host.get());
    label->SetParent(host.get());
    TDirectoryListBox* list = MakeList(2000);
    list->SetDirLabel(label);
    EXPECT_EQ(label->Caption(), photos);  // wide enough for the whole path

    TCanvas canvas;
    canvas.Font().Assign(host->Font());
    int narrow = canvas.TextWidth("C:\\...\\Photos\\beta") + 2;
    list->SetBounds(list->Left(), list->Top(), narrow, list->Height());
    EXPECT_NE(label->Caption(), photos);
    EXPECT_LE(canvas.TextWidth(label->Caption()), narrow);

    OpenItem(*list, "beta");
    EXPECT_EQ(label->Caption(), photos.substr(0, 2) + "\\...\\Photos\\beta");

    list->SetBounds(list->Left(), list->Top(), 10, list->Height());
    EXPECT_EQ(label->Caption(), "beta");  // the name is never cut
}

TEST_F(DirectoryListBoxTest, DrawsGlyphAtItsOffsetAndTextFourPixelsRightAtEachScale)
{
    for (int dpi : {96, 144}) {
        ScreenDpiScope scale(dpi);
        TDirectoryListBox* list = MakeList();
        for (int index : {0, IndexOf(*list, "Photos"), IndexOf(*list, "gamma")}) {
            int left = Scale(list->Items()[static_cast<size_t>(index)].glyphLeft), right = left + Scale(16);
            auto inked = DrawnPixels(host.get(), list, ODT_LISTBOX, index, 400, list->ItemHeight());
            EXPECT_FALSE(ColumnsInked(inked, 0, left)) << dpi << " " << index;
            EXPECT_TRUE(ColumnsInked(inked, left, right)) << dpi << " " << index;
            EXPECT_FALSE(ColumnsInked(inked, right, right + Scale(4))) << dpi << " " << index;
            EXPECT_TRUE(ColumnsInked(inked, right + Scale(4), 400)) << dpi << " " << index;
        }
    }
}

}  // namespace
