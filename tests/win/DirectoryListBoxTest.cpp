#include "browser/DirectoryListBox.h"

#include "BrowserTestHost.h"
#include "HostileNames.h"
#include "platform/WideText.h"
#include "browser/CompareIgnoreCase.h"
#include "core/DirectoryPath.h"
#include "toolkit/Label.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using core::FolderGlyph;

size_t Backslashes(const std::string& path)
{
    return static_cast<size_t>(std::count(path.begin(), path.end(), '\\'));
}

std::vector<std::string> ItemTexts(const TDirectoryListBox& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.Count(); ++i) texts.push_back(list.ItemText(i));
    return texts;
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

class DirectoryListBoxTest : public BrowserTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(Enter("Data\\Photos", &photos));
        temp.Create("Data\\Photos\\beta");
        temp.Create("Data\\Photos\\Alpha");
        temp.Create("Data\\Photos\\gamma");
        temp.Create("Data\\Photos\\Delta");
        temp.WriteFile("Data\\Photos\\file.txt", "x");
    }

    TDirectoryListBox* MakeList(int width = 260)
    {
        auto* list = new TDirectoryListBox(host.get());
        list->SetItemHeight(16);
        list->OnChange = [this](TObject*) { ++changes; };
        return host->Place(list, 8, 8, width, 300);
    }

    std::string photos;
    int changes = 0;
};

TEST_F(DirectoryListBoxTest, ShowsChainThenSortedSubdirectoriesOfWorkingDirectory)
{
    TDirectoryListBox* list = MakeList();
    ASSERT_EQ(list->Directory(), photos);

    const auto& items = list->Items();
    ASSERT_EQ(static_cast<int>(items.size()), list->Count());
    EXPECT_EQ(ItemTexts(*list)[0], photos.substr(0, 3));  // the root, e.g. C:\ .
    size_t pathItems = Backslashes(photos) + 1;
    ASSERT_EQ(items.size(), pathItems + 4);
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(list->ItemText(static_cast<int>(i)), items[i].text);
        FolderGlyph glyph = i + 1 < pathItems    ? FolderGlyph::OpenFolder
                            : i + 1 == pathItems ? FolderGlyph::CurrentFolder
                                                 : FolderGlyph::ClosedFolder;
        EXPECT_EQ(items[i].glyph, glyph) << i;
        // One level deeper, 4 pixels further in; subdirectories one level below the current item.
        int offset = i < pathItems ? 4 * static_cast<int>(i) + 2 : 4 * static_cast<int>(pathItems) + 2;
        EXPECT_EQ(items[i].glyphLeft, offset) << i;
    }
    EXPECT_EQ(items[pathItems - 1].text, "Photos");
    EXPECT_EQ(list->ItemIndex(), static_cast<int>(pathItems - 1));
    // Without regard to case: byte order would put Alpha and Delta first.
    EXPECT_EQ(Subdirectories(*list), (std::vector<std::string>{"Alpha", "beta", "Delta", "gamma"}));
    EXPECT_GE(list->ItemHeight(), 16);
    EXPECT_EQ(changes, 0);
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

TEST_F(DirectoryListBoxTest, SortsSubdirectoriesInUserCollation)
{
    for (const char* name : {"co-op", "cob", "Zeta", "_x", "a10", "a9"})
        temp.Create(std::string("Data\\Photos\\") + name);
    TDirectoryListBox* list = MakeList();
    std::vector<std::string> names = Subdirectories(*list);
    ASSERT_EQ(names.size(), 10u);
    for (size_t i = 1; i < names.size(); ++i) {
        EXPECT_NE(CompareIgnoreCase(names[i - 1], names[i]), CSTR_GREATER_THAN)
            << names[i - 1] << " before " << names[i];
    }
    EXPECT_EQ(names.back(), "Zeta");
}

TEST_F(DirectoryListBoxTest, OpeningItemsMakesTheirDirectoriesCurrent)
{
    TDirectoryListBox* list = MakeList();
    std::string data = photos.substr(0, photos.size() - std::string("\\Photos").size());

    list->SetItemIndex(IndexOf(*list, "beta"));
    list->OpenCurrent();
    EXPECT_EQ(list->Directory(), photos + "\\beta");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list->Items()[static_cast<size_t>(list->ItemIndex())].text, "beta");
    EXPECT_TRUE(Subdirectories(*list).empty());

    list->SetItemIndex(IndexOf(*list, "Data"));  // an ancestor
    list->OpenCurrent();
    EXPECT_EQ(list->Directory(), data);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(Subdirectories(*list), std::vector<std::string>{"Photos"});

    list->SetItemIndex(0);  // the root keeps its backslash
    list->OpenCurrent();
    EXPECT_EQ(list->Directory(), photos.substr(0, 3));
    EXPECT_EQ(list->Items().size(), 1 + Subdirectories(*list).size());
    EXPECT_EQ(list->Items()[0].glyph, FolderGlyph::CurrentFolder);
    if (!Subdirectories(*list).empty()) {
        EXPECT_EQ(list->Items()[1].glyphLeft, 10);
    }
    EXPECT_EQ(changes, 3);
}

TEST_F(DirectoryListBoxTest, OpeningTheCurrentDirectoryDoesNothing)
{
    TDirectoryListBox* list = MakeList();
    list->OpenCurrent();  // the current item is highlighted
    std::string lower = photos;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(c)); });
    list->SetDirectory(lower);
    list->SetDirectory(photos + "\\");
    list->SetDirectory("");
    EXPECT_EQ(list->Directory(), photos);
    EXPECT_EQ(changes, 0);
}

TEST_F(DirectoryListBoxTest, DirectoryThatCannotBeEnteredKeepsTheDirectory)
{
    std::string gone = temp.Create("Data\\Photos\\Gone");
    TDirectoryListBox* list = MakeList();
    ASSERT_EQ(Subdirectories(*list).size(), 5u);

    ASSERT_TRUE(RemoveDirectoryW(Widen(gone).c_str()));
    list->SetItemIndex(IndexOf(*list, "Gone"));
    list->OpenCurrent();
    EXPECT_EQ(list->Directory(), photos);
    EXPECT_EQ(changes, 1);  // rebuilt and notified all the same
    EXPECT_EQ(IndexOf(*list, "Gone"), -1);
    EXPECT_EQ(Subdirectories(*list).size(), 4u);
    EXPECT_EQ(list->Items()[static_cast<size_t>(list->ItemIndex())].text, "Photos");

    list->SetDirectory(photos + "\\file.txt");  // a file is no directory
    EXPECT_EQ(list->Directory(), photos);
    EXPECT_EQ(changes, 2);
}

TEST_F(DirectoryListBoxTest, GoingToADrive)
{
    TDirectoryListBox* list = MakeList();
    list->SetDrive(photos[0]);  // the drive of the current directory
    EXPECT_EQ(list->Directory(), photos);
    EXPECT_EQ(changes, 0);

    DWORD present = GetLogicalDrives();
    char missing = 0;
    for (char letter = 'y'; letter > 'd' && !missing; --letter) {
        if (!(present & (1u << (letter - 'a')))) missing = letter;
    }
    ASSERT_NE(missing, 0);
    list->SetDrive(missing);  // cannot be entered: stays, rebuilt, notified
    EXPECT_EQ(list->Directory(), photos);
    EXPECT_EQ(changes, 1);

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
    EXPECT_EQ(list->Directory(), photos);
    EXPECT_EQ(changes, 3);
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
    EXPECT_EQ(list->Directory(), photos + "\\gamma");
    EXPECT_EQ(changes, 1);

    int parent = IndexOf(*list, "Photos");
    RECT rect{};
    SendMessageA(list->Handle(), LB_GETITEMRECT, static_cast<WPARAM>(parent), reinterpret_cast<LPARAM>(&rect));
    LPARAM point = MAKELPARAM(rect.left + 40, (rect.top + rect.bottom) / 2);
    SendMessageA(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(list->Handle(), WM_LBUTTONUP, 0, point);
    EXPECT_EQ(list->Directory(), photos + "\\gamma");  // a single click only moves the highlight
    SendMessageA(list->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    SendMessageA(list->Handle(), WM_LBUTTONUP, 0, point);
    EXPECT_EQ(list->Directory(), photos);
    EXPECT_EQ(changes, 2);
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

    list->SetItemIndex(IndexOf(*list, "beta"));
    list->OpenCurrent();
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
