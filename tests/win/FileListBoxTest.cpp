#include "browser/FileListBox.h"

#include "BrowserTestHost.h"
#include "HostileNames.h"
#include "LinuxShell.h"
#include "TempTree.h"
#include "platform/WideText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

class FileListBoxTest : public BrowserTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(Enter("Files", &folder));
        other = temp.Create("Other");
    }

    TFileListBox* MakeList()
    {
        auto* list = new TFileListBox(host.get());
        list->SetMultiSelect(true);
        list->SetItemHeight(12);
        return host->Place(list, 8, 8, 300, 300);
    }

    std::string folder;
    std::string other;
};

// Every file whatever its attributes, each exact name as it is and no other.
TEST_F(FileListBoxTest, ListsEveryFileOfTheWorkingDirectoryButNoDirectories)
{
    temp.WriteFile("Files\\plain.txt", "1");
    temp.WriteFile("Files\\readonly.txt", "2", FILE_ATTRIBUTE_READONLY);
    temp.WriteFile("Files\\archive.dat", "3", FILE_ATTRIBUTE_ARCHIVE);
    std::string hidden = temp.WriteFile("Files\\hidden.txt", "4", FILE_ATTRIBUTE_HIDDEN);
    std::string hiddenName = "hidden.txt";
    if (!(GetFileAttributesW(Widen(hidden).c_str()) & FILE_ATTRIBUTE_HIDDEN)) {
        // Where the file system keeps no attributes, Wine marks dot names hidden.
        hidden = temp.WriteFile("Files\\.hidden", "4");
        hiddenName = ".hidden";
    }
    ASSERT_TRUE(GetFileAttributesW(Widen(hidden).c_str()) & FILE_ATTRIBUTE_HIDDEN);
    temp.WriteFile("Files\\system.bin", "5", FILE_ATTRIBUTE_SYSTEM);
    ASSERT_TRUE(MakeTree(temp, {"Files\\subdir\\", "Files\\.hiddendir\\"}));
    ASSERT_TRUE(MakeHostileNames(folder));

    TFileListBox* list = MakeList();
    EXPECT_EQ(list->Directory(), folder);
    std::vector<std::string> names = ItemTexts(*list), expected = ExactHostileNames(false);
    expected.insert(expected.end(), {"plain.txt", "readonly.txt", "archive.dat", "hidden.txt", "system.bin"});
    if (hiddenName != "hidden.txt") expected.push_back(hiddenName);  // hidden.txt stays as a plain file
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
    EXPECT_EQ(list->SelCount(), 0);
    EXPECT_EQ(list->ItemHeight(), Scale(12));
}

TEST_F(FileListBoxTest, KeepsNamesSortedWithoutRegardToCase)
{
    for (const char* name : {"beta.txt", "Gamma.txt", "alpha.txt", "Delta.txt", "_under.txt", "b.txt"})
        temp.WriteFile(std::string("Files\\") + name);
    TFileListBox* list = MakeList();
    EXPECT_EQ(ItemTexts(*list),
              (std::vector<std::string>{"_under.txt", "alpha.txt", "b.txt", "beta.txt", "Delta.txt", "Gamma.txt"}));
}

TEST_F(FileListBoxTest, ReadsOnlyWhenPointedAtAnotherDirectory)
{
    ASSERT_TRUE(MakeTree(temp, {"Files\\first.txt", "Other\\elsewhere.txt"}));
    TFileListBox* list = MakeList();
    ASSERT_EQ(ItemTexts(*list), std::vector<std::string>{"first.txt"});
    list->SetSelected(0, true);

    temp.WriteFile("Files\\second.txt");
    std::string upper = folder;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    list->SetDirectory(upper);  // the same directory in other case: nothing read
    EXPECT_EQ(ItemTexts(*list), std::vector<std::string>{"first.txt"});
    EXPECT_EQ(list->SelCount(), 1);

    list->SetDirectory(other);
    EXPECT_EQ(list->Directory(), other);
    EXPECT_EQ(ItemTexts(*list), std::vector<std::string>{"elsewhere.txt"});
    EXPECT_EQ(list->SelCount(), 0);

    list->SetDirectory(folder);
    EXPECT_EQ(ItemTexts(*list), (std::vector<std::string>{"first.txt", "second.txt"}));

    temp.WriteFile("Files\\third.txt");
    list->Update();
    EXPECT_EQ(list->Count(), 3);
}

TEST_F(FileListBoxTest, RootDirectoryAndMasks)
{
    ASSERT_TRUE(MakeTree(temp, {"Files\\a.txt", "Files\\b.bin", "Files\\c.doc"}));
    TFileListBox* list = MakeList();
    list->SetMask("*.txt;*.doc;*.t*");  // a.txt matches twice, listed once
    list->Update();
    EXPECT_EQ(ItemTexts(*list), (std::vector<std::string>{"a.txt", "c.doc"}));

    list->SetMask("*.*");
    list->SetDirectory(folder + "\\");  // a trailing backslash is not doubled
    list->Update();
    EXPECT_EQ(list->Count(), 3);
}

// Two names differing only in case are two files: reading the list again
// must not select the one that was not chosen.
TEST_F(FileListBoxTest, RereadKeepsSelectedExactlyTheNamesThatWere)
{
    ASSERT_TRUE(RunLinuxShell(folder, "touch README ReadMe other"));
    TFileListBox* list = MakeList();
    ASSERT_EQ(list->Count(), 3);
    for (int i = 0; i < list->Count(); ++i) list->SetSelected(i, list->ItemText(i) == "README");
    list->Reread();
    EXPECT_EQ(list->SelectedNames(), std::vector<std::string>{"README"});
}

TEST_F(FileListBoxTest, LongListingPutsThePointerBack)
{
    for (int i = 0; i < 130; ++i) temp.WriteFile("Other\\f" + std::to_string(1000 + i) + ".txt");
    TFileListBox* list = MakeList();
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    SetCursor(arrow);
    list->SetDirectory(other);
    EXPECT_EQ(list->Count(), 130);
    EXPECT_EQ(list->ItemText(129), "f1129.txt");
    EXPECT_EQ(GetCursor(), arrow);
}

}  // namespace
