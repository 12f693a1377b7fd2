#include "browser/FileListBox.h"

#include "BrowserTestHost.h"
#include "HostileNames.h"
#include "LinuxShell.h"
#include "platform/WideText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Names(const TFileListBox& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i) names.push_back(list.ItemText(i));
    return names;
}

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
    temp.Create("Files\\subdir");
    temp.Create("Files\\.hiddendir");

    TFileListBox* list = MakeList();
    EXPECT_EQ(list->Directory(), folder);
    std::vector<std::string> names = Names(*list);
    for (const std::string& name : {std::string("plain.txt"), std::string("readonly.txt"), std::string("archive.dat"),
                                    hiddenName, std::string("system.bin")}) {
        EXPECT_EQ(std::count(names.begin(), names.end(), name), 1) << name;
    }
    EXPECT_EQ(std::count(names.begin(), names.end(), "subdir"), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), ".hiddendir"), 0);
    EXPECT_EQ(names.size(), hiddenName == "hidden.txt" ? 5u : 6u);  // hidden.txt stays as a plain file
    EXPECT_EQ(list->SelCount(), 0);
    EXPECT_EQ(list->ItemHeight(), Scale(12));
}

TEST_F(FileListBoxTest, KeepsNamesSortedWithoutRegardToCase)
{
    for (const char* name : {"beta.txt", "Gamma.txt", "alpha.txt", "Delta.txt", "_under.txt", "b.txt"})
        temp.WriteFile(std::string("Files\\") + name);
    TFileListBox* list = MakeList();
    EXPECT_EQ(Names(*list),
              (std::vector<std::string>{"_under.txt", "alpha.txt", "b.txt", "beta.txt", "Delta.txt", "Gamma.txt"}));
}

TEST_F(FileListBoxTest, ReadsOnlyWhenPointedAtAnotherDirectory)
{
    temp.WriteFile("Files\\first.txt");
    temp.WriteFile("Other\\elsewhere.txt");
    TFileListBox* list = MakeList();
    ASSERT_EQ(Names(*list), std::vector<std::string>{"first.txt"});
    list->SetSelected(0, true);

    temp.WriteFile("Files\\second.txt");
    std::string upper = folder;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    list->SetDirectory(upper);  // the same directory in other case: nothing read
    EXPECT_EQ(Names(*list), std::vector<std::string>{"first.txt"});
    EXPECT_EQ(list->SelCount(), 1);

    list->SetDirectory(other);
    EXPECT_EQ(list->Directory(), other);
    EXPECT_EQ(Names(*list), std::vector<std::string>{"elsewhere.txt"});
    EXPECT_EQ(list->SelCount(), 0);

    list->SetDirectory(folder);
    EXPECT_EQ(Names(*list), (std::vector<std::string>{"first.txt", "second.txt"}));

    temp.WriteFile("Files\\third.txt");
    list->Update();
    EXPECT_EQ(list->Count(), 3);
}

TEST_F(FileListBoxTest, RootDirectoryAndMasks)
{
    temp.WriteFile("Files\\a.txt");
    temp.WriteFile("Files\\b.bin");
    temp.WriteFile("Files\\c.doc");
    TFileListBox* list = MakeList();
    list->SetMask("*.txt;*.doc;*.t*");  // a.txt matches twice, listed once
    list->Update();
    EXPECT_EQ(Names(*list), (std::vector<std::string>{"a.txt", "c.doc"}));

    list->SetMask("*.*");
    list->SetDirectory(folder + "\\");  // a trailing backslash is not doubled
    list->Update();
    EXPECT_EQ(list->Count(), 3);
}

// Every exact name is shown as it is, and no other.
TEST_F(FileListBoxTest, ShowsOnlyNamesThatAddressTheirOwnFile)
{
    ASSERT_TRUE(MakeHostileNames(folder));
    std::vector<std::string> names = Names(*MakeList());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, ExactHostileNames(false));
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
