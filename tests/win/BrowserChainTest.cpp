// The drive selector, directory list, path label and file list wired by two
// change handlers, as the main window wires them.
#include "browser/DirectoryListBox.h"
#include "browser/DriveComboBox.h"
#include "browser/FileListBox.h"

#include "BrowserTestHost.h"
#include "LinuxShell.h"
#include "TempTree.h"
#include "core/DirectoryPath.h"
#include "toolkit/Label.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class BrowserChainTest : public BrowserTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(Enter("Data", &data));
        ASSERT_TRUE(
            MakeTree(temp, {"Data\\Gone\\", "Data\\notes.txt", "Data\\Photos\\trip.jpg", "Data\\Photos\\beach.jpg"}));

        label = new TLabel(host.get());
        label->SetBounds(8, 8, 0, 12);
        label->SetParent(host.get());
        drives = host->Place(new TDriveComboBox(host.get()), 6, 40, 257, 18);
        directories = new TDirectoryListBox(host.get());
        directories->SetItemHeight(16);
        directories->SetDirLabel(label);
        host->Place(directories, 2, 70, 269, 300);
        files = new TFileListBox(host.get());
        files->SetMultiSelect(true);
        files->SetItemHeight(12);
        host->Place(files, 273, 40, 300, 330);

        drives->OnChange = [this](TObject*) {
            events.push_back("drive");
            directories->SetDrive(drives->Drive());
        };
        directories->OnChange = [this](TObject*) {
            events.push_back("directory");
            labelAtNotice = label->Caption();
            files->SetDirectory(directories->Directory());
        };
    }

    // Both lists are on directory, the file list showing these names.
    void ExpectBothOn(const std::string& directory, const std::vector<std::string>& names)
    {
        EXPECT_EQ(directories->Directory(), directory);
        EXPECT_EQ(files->Directory(), directory);
        EXPECT_EQ(ItemTexts(*files), names);
    }

    std::string data;
    TLabel* label = nullptr;  // the controls belong to host
    TDriveComboBox* drives = nullptr;
    TDirectoryListBox* directories = nullptr;
    TFileListBox* files = nullptr;
    std::vector<std::string> events;
    std::string labelAtNotice;
};

std::string LastName(const std::string& path)
{
    return path.substr(path.rfind('\\') + 1);
}

TEST_F(BrowserChainTest, AllStartOnTheWorkingDirectory)
{
    EXPECT_EQ(drives->Drive(), core::DriveLetterOf(data));
    ExpectBothOn(data, {"notes.txt"});
    EXPECT_EQ(LastName(label->Caption()), "Data");
    EXPECT_TRUE(events.empty());
}

TEST_F(BrowserChainTest, OpeningADirectoryUpdatesLabelThenFileList)
{
    OpenItem(*directories, "Photos");
    EXPECT_EQ(events, std::vector<std::string>{"directory"});
    ExpectBothOn(data + "\\Photos", {"beach.jpg", "trip.jpg"});
    EXPECT_EQ(LastName(labelAtNotice), "Photos");  // the label was written before the notice
    EXPECT_EQ(label->Caption(), labelAtNotice);

    OpenItem(*directories, "Photos");  // the current item: nothing
    EXPECT_EQ(events.size(), 1u);
}

// A directory deleted by another program is not entered; the current one,
// deleted, gives way to the nearest directory above that is there when the
// lists are read again.
TEST_F(BrowserChainTest, ADirectoryGoneIsNotEnteredAndTheCurrentOneGivesWayUpwards)
{
    files->SetSelected(0, true);
    std::string caption = label->Caption();
    ASSERT_TRUE(RemoveDirectoryW(Widen(data + "\\Gone").c_str()));
    OpenItem(*directories, "Gone");
    EXPECT_EQ(events, std::vector<std::string>{"directory"});
    ExpectBothOn(data, {"notes.txt"});
    EXPECT_EQ(files->SelCount(), 1);  // not read again
    EXPECT_EQ(label->Caption(), caption);

    OpenItem(*directories, "Photos");
    ASSERT_TRUE(RunLinuxShell(temp.Path(), "rm -r Data"));
    EXPECT_TRUE(directories->Reread());
    ExpectBothOn(temp.Path(), {});
    EXPECT_EQ(LastName(label->Caption()), LastName(temp.Path()));
    EXPECT_FALSE(directories->Reread());
    EXPECT_EQ(events.size(), 3u);
}

TEST_F(BrowserChainTest, ChoosingADriveReachesDirectoryListAndFileList)
{
    int other = -1;
    for (int i = 0; i < drives->Count() && other < 0; ++i) {
        std::string text = drives->ItemText(i);
        if (text[0] != drives->Drive() && GetDriveTypeW(Widen(text.substr(0, 2) + "\\").c_str()) == DRIVE_FIXED)
            other = i;
    }
    if (other < 0) GTEST_SKIP() << "only one fixed drive";
    char letter = drives->ItemText(other)[0];
    std::string caption = label->Caption();
    Choose(drives, other);

    EXPECT_EQ(events, (std::vector<std::string>{"drive", "directory"}));
    EXPECT_EQ(drives->Drive(), letter);
    EXPECT_EQ(core::DriveLetterOf(directories->Directory()), letter);
    EXPECT_EQ(files->Directory(), directories->Directory());
    EXPECT_NE(label->Caption(), caption);
    EXPECT_EQ(labelAtNotice, label->Caption());
}

}  // namespace
