#include "browser/FileListBox.h"

#include "BrowserTestHost.h"
#include "HostileNames.h"
#include "LinuxShell.h"
#include "StandInCalls.h"
#include "TempTree.h"
#include "browser/CompareIgnoreCase.h"
#include "platform/FindFileCalls.h"
#include "platform/WideText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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

// In the user's collation, as the locale compares: hyphens, accents,
// digits and Chinese where an order by bytes or by upper case differs.
TEST_F(FileListBoxTest, KeepsNamesSortedWithoutRegardToCase)
{
    for (const char* name : {"beta.txt", "Gamma.txt", "alpha.txt", "Delta.txt", "_under.txt", "b.txt"})
        temp.WriteFile(std::string("Files\\") + name);
    TFileListBox* list = MakeList();
    EXPECT_EQ(ItemTexts(*list),
              (std::vector<std::string>{"_under.txt", "alpha.txt", "b.txt", "beta.txt", "Delta.txt", "Gamma.txt"}));

    for (const char* name : {"co-op.txt", "coop.txt", "Co_op.txt", "10.txt", "9.txt", "Éclair.txt", "eclair.txt",
                             "Ezra.txt", "中文.txt", "~tilde.txt", "a b.txt"})
        temp.WriteFile(std::string("Files\\") + name);
    list->Update();
    const std::vector<std::string> names = ItemTexts(*list);
    ASSERT_EQ(names.size(), 17u);
    for (size_t i = 1; i < names.size(); ++i)
        EXPECT_NE(CompareIgnoreCase(names[i - 1], names[i]), CSTR_GREATER_THAN) << names[i - 1] << " > " << names[i];
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
    ASSERT_TRUE(RunLinuxShell(folder, "touch README ReadMe other f1 f2 f3"));
    TFileListBox* list = MakeList();
    ASSERT_EQ(list->Count(), 6);
    list->SelectAll();
    EXPECT_EQ(list->SelectedNames(), ItemTexts(*list));
    for (int i = 0; i < list->Count(); ++i) {
        const std::string name = list->ItemText(i);
        list->SetSelected(i, name == "README" || name == "f1" || name == "f2");
    }
    list->Reread();
    EXPECT_EQ(list->SelectedNames(), (std::vector<std::string>{"f1", "f2", "README"}));
    // Each selected entry once, in the list's order, whatever order the names come in.
    list->Reread({"other", "f3", "f1", "f1"});
    EXPECT_EQ(list->SelectedNames(), (std::vector<std::string>{"f1", "f3", "other"}));
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

int entriesGiven = 0;

// A listing that takes longer than the list waits between two looks at the window.
BOOL WINAPI SlowFindNext(HANDLE find, LPWIN32_FIND_DATAW data)
{
    if (++entriesGiven % 20 == 0) Sleep(80);
    return FindNextFileW(find, data);
}

// A long listing lets the window answer, inside the window's own wrapping;
// a request to read meanwhile is refused, so the list is never read half
// from one folder and half from another.
TEST_F(FileListBoxTest, ALongListingLetsMessagesThroughAndRefusesAnotherMeanwhile)
{
    for (int i = 0; i < 60; ++i) temp.WriteFile("Files\\f" + std::to_string(i) + ".txt");
    temp.WriteFile("Other\\elsewhere.txt");
    TFileListBox* list = MakeList();
    ASSERT_EQ(list->Count(), 60);
    int wrapped = 0, pumped = 0;
    list->OnListing = [&](const std::function<void()>& listing) {
        ++wrapped;
        listing();
    };
    list->OnListingPump = [&] {
        ++pumped;
        EXPECT_TRUE(list->Listing());
        EXPECT_EQ(list->Count(), 0) << "a half-read list is shown";
        list->SetDirectory(other);
        list->Reread({"elsewhere.txt"});
        list->Update();
    };
    {
        const StandInCalls<FindFileCalls> slow({FindFileCalls::Platform().findFirstFile, SlowFindNext});
        list->Update();
    }
    EXPECT_EQ(wrapped, 1);
    EXPECT_GE(pumped, 1);
    EXPECT_FALSE(list->Listing());
    EXPECT_EQ(list->Directory(), folder);
    EXPECT_EQ(list->Count(), 60);
    EXPECT_EQ(list->SelCount(), 0);
}

}  // namespace
