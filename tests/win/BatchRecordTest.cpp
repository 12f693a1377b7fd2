#include "app/BatchRecord.h"
#include "app/FileTimeOperation.h"
#include "app/RenameOperation.h"

#include "BatchTestHelpers.h"
#include "LinuxShell.h"
#include "TempDir.h"
#include "platform/ScopedHandle.h"
#include "platform/WideText.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

// Each command, then its undo: the tree is as it was, and the record is spent.
// Times go back only to a file still as the batch left it, also while another
// program holds it open; one saved since keeps its new times and is listed.
TEST(BatchRecordTest, UndoPutsEveryCommandBack)
{
    TempDir temp;
    temp.Create("Sub");
    const std::vector<std::string> targets = {OldFile(temp, "One.TXT"), OldFile(temp, "Sub\\two.Txt"),
                                              OldFile(temp, "Sub\\三.Doc")};
    const std::vector<std::string> top = TempDir::Names(temp.Path()), sub = TempDir::Names(temp.Path() + "\\Sub");
    const Times before = TimesOf(targets[0]);

    for (RenameKind kind : {RenameKind::Extension, RenameKind::LowerCase, RenameKind::UpperCase}) {
        SCOPED_TRACE(static_cast<int>(kind));
        BatchRecord record;
        ASSERT_TRUE(RunRenameBatch(targets, kind, Text(".html"), BatchProgress{}, &record).failures.empty());
        ASSERT_EQ(record.Count(), 3u);
        ASSERT_NE(TempDir::Names(temp.Path() + "\\Sub"), sub);

        std::vector<int> positions;
        BatchResult result = record.Undo(BatchProgress{nullptr, [&](int i) { positions.push_back(i); }});
        const auto& failures = result.failures;

        EXPECT_TRUE(failures.empty()) << (failures.empty() ? "" : failures[0].path + failures[0].reason);
        EXPECT_EQ(result.changed, 3u);
        EXPECT_EQ(result.of, core::ReportOf::Undo);
        EXPECT_EQ(positions, (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(TempDir::Names(temp.Path()), top);
        EXPECT_EQ(TempDir::Names(temp.Path() + "\\Sub"), sub);
        EXPECT_TRUE(record.Empty());
    }

    BatchRecord record;
    ASSERT_TRUE(RunFileTimeBatch(targets, "2020-12-12 12:12:12", 2026, BatchProgress{}, &record).failures.empty());
    ASSERT_FALSE(TimesOf(targets[0]) == before);
    temp.WriteFile("Sub\\三.Doc", "saved again");
    const Times saved = TimesOf(targets[2]);
    ScopedHandle holder(CreateFileW(Widen(targets[0]).c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr),
                        CloseHandle);
    ASSERT_TRUE(holder.IsOpen());

    BatchResult result = record.Undo(BatchProgress{});

    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].path, targets[2]);
    EXPECT_EQ(result.failures[0].reason, "批处理之后已被改动，没有恢复");
    EXPECT_EQ(result.changed, 2u);
    EXPECT_TRUE(TimesOf(targets[0]) == before);
    EXPECT_TRUE(TimesOf(targets[2]) == saved);
}

// Undo never replaces a file and never renames one that is not the file the
// batch renamed: each such entry is listed and left as it is.
TEST(BatchRecordTest, UndoLeavesFilesThatChangedSinceAlone)
{
    TempDir temp;
    const std::vector<std::string> targets = {temp.WriteFile("moved.txt", "m"), temp.WriteFile("taken.txt", "t"),
                                              temp.WriteFile("replaced.txt", "r"), temp.WriteFile("kept.txt", "k")};
    BatchRecord record;
    ASSERT_TRUE(
        RunRenameBatch(targets, RenameKind::Extension, Text(".html"), BatchProgress{}, &record).failures.empty());
    ASSERT_TRUE(
        MoveFileW(Widen(temp.Path() + "\\moved.html").c_str(), Widen(temp.Path() + "\\elsewhere.html").c_str()));
    temp.WriteFile("taken.txt", "new");
    ASSERT_TRUE(DeleteFileW(Widen(temp.Path() + "\\replaced.html").c_str()));
    temp.WriteFile("replaced.html", "other");

    auto failures = record.Undo(BatchProgress{}).failures;

    ASSERT_EQ(failures.size(), 3u);
    EXPECT_EQ(TempDir::Names(temp.Path()),
              (std::vector<std::string>{"elsewhere.html", "kept.txt", "replaced.html", "taken.html", "taken.txt"}));
}

// A batch stopped part way holds what it did, and only that, for undo; so
// does an undo stopped part way.
TEST(BatchRecordTest, AStoppedBatchIsUndoneAsFarAsItWent)
{
    TempDir temp;
    std::vector<std::string> targets;
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) targets.push_back(temp.WriteFile(name));
    int done = 0;
    BatchProgress progress{nullptr, [&](int position) { done = position; }, [&] { return done == 2; }};
    BatchRecord record;

    RunRenameBatch(targets, RenameKind::Extension, Text(".html"), progress, &record);

    ASSERT_EQ(TempDir::Names(temp.Path()), (std::vector<std::string>{"a.html", "b.html", "c.txt", "d.txt"}));
    ASSERT_EQ(record.Count(), 2u);
    // An undo stopped after its first file keeps the other change for the next undo.
    int undone = 0;
    EXPECT_TRUE(
        record.Undo(BatchProgress{nullptr, [&](int position) { undone = position; }, [&] { return undone == 1; }})
            .failures.empty());
    EXPECT_EQ(TempDir::Names(temp.Path()), (std::vector<std::string>{"a.html", "b.txt", "c.txt", "d.txt"}));
    ASSERT_EQ(record.Count(), 1u);
    EXPECT_TRUE(record.Undo(BatchProgress{}).failures.empty());
    EXPECT_EQ(TempDir::Names(temp.Path()), (std::vector<std::string>{"a.txt", "b.txt", "c.txt", "d.txt"}));
}

// A command that changes no file, refused or failing at every file, leaves
// the last batch to be undone; the first change of the next one replaces it.
TEST(BatchRecordTest, OnlyACommandThatChangesAFileReplacesTheRecord)
{
    TempDir temp;
    const std::vector<std::string> targets{temp.WriteFile("a.txt"), temp.WriteFile("b.doc")};
    BatchRecord record;
    RunRenameBatch(targets, RenameKind::Extension, Text(".html"), BatchProgress{}, &record);
    ASSERT_EQ(record.Count(), 2u);

    record.ReplaceOnNextChange();
    const std::vector<std::string> renamed{temp.PathOf("a.html"), temp.PathOf("b.html")};
    EXPECT_FALSE(RunFileTimeBatch(renamed, "2020-13-12 12:12:12", 2020, BatchProgress{}, &record).refusal.empty());
    record.ReplaceOnNextChange();
    EXPECT_EQ(RunRenameBatch(targets, RenameKind::UpperCase, nullptr, BatchProgress{}, &record).failures.size(), 2u);
    ASSERT_EQ(record.Count(), 2u);

    record.ReplaceOnNextChange();
    EXPECT_TRUE(
        RunRenameBatch({renamed[0]}, RenameKind::UpperCase, nullptr, BatchProgress{}, &record).failures.empty());
    ASSERT_EQ(record.Count(), 1u);
    EXPECT_TRUE(record.Undo(BatchProgress{}).failures.empty());
    EXPECT_EQ(TempDir::Names(temp.Path()), (std::vector<std::string>{"a.html", "b.html"}));
}

// The undo reaches the file by exactly the path the batch gave it: "a.txt "
// is never read or renamed as "a.txt".
TEST(BatchRecordTest, UndoAddressesTheExactPath)
{
    TempDir temp;
    ASSERT_TRUE(RunLinuxShell(temp.Path(), "echo moved > 'a.txt ' && echo other > a.txt"));
    BatchRecord record;
    record.AddRename(temp.PathOf("a.doc"), temp.PathOf("a.txt "));

    EXPECT_TRUE(record.Undo(BatchProgress{}).failures.empty());

    EXPECT_TRUE(RunLinuxShell(temp.Path(), "[ \"$(cat a.doc)\" = moved ] && [ \"$(cat a.txt)\" = other ] && "
                                           "[ $(ls | wc -l) = 2 ]"));
}

}  // namespace
