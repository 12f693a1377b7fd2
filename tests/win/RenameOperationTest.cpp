#include "app/BatchProgress.h"
#include "app/BatchRecord.h"
#include "app/FileTimeOperation.h"
#include "app/RenameOperation.h"
#include "components/DiskScan.h"
#include "platform/LongPath.h"
#include "platform/RenameCalls.h"
#include "platform/SystemErrorText.h"

#include "BatchTestHelpers.h"
#include "StandInCalls.h"
#include "LinuxShell.h"
#include "TempDir.h"
#include "core/CaseMapping.h"
#include "core/ExtensionMapping.h"
#include "core/NameRules.h"
#include "platform/ScopedHandle.h"
#include "platform/WideText.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

TEST(RenameOperationTest, ExistingTargetNameIsAFailureAndTheBatchGoesOn)
{
    TempDir temp;
    std::string folder = temp.Create("d");
    std::string b = temp.WriteFile("d\\b.txt", "text");
    temp.WriteFile("d\\b.html", "page");
    std::string c = temp.WriteFile("d\\c.txt", "other");
    ProgressLog progress;

    auto failures = RunRenameBatch({b, c}, RenameKind::Extension, Text(".html"), progress.Callbacks()).failures;

    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].path, b);
    EXPECT_FALSE(failures[0].reason.empty());
    EXPECT_EQ(ContentOf(folder + "\\b.txt"), "text");
    EXPECT_EQ(ContentOf(folder + "\\b.html"), "page");
    EXPECT_EQ(ContentOf(folder + "\\c.html"), "other");
    EXPECT_EQ(progress.calls, (std::vector<std::string>{"start 2", "advance 1", "advance 2"}));
}

// Read once a file; an empty list reads nothing and only starts the bar.
TEST(RenameOperationTest, ExtensionTextIsReadForEveryFile)
{
    TempDir temp;
    std::string folder = temp.Create("d");
    std::vector<std::string> targets = {temp.WriteFile("d\\a.txt"), temp.WriteFile("d\\b.txt"),
                                        temp.WriteFile("d\\c.txt")};
    const char* texts[] = {".one", ".two", ".three"};
    int reads = 0;
    const std::function<std::string()> text = [&] { return texts[reads++]; };
    ProgressLog progress;

    EXPECT_TRUE(RunRenameBatch({}, RenameKind::Extension, text, progress.Callbacks()).failures.empty());
    EXPECT_EQ(reads, 0);
    EXPECT_EQ(progress.calls, std::vector<std::string>{"start 0"});

    EXPECT_TRUE(RunRenameBatch(targets, RenameKind::Extension, text, BatchProgress{}).failures.empty());
    EXPECT_EQ(reads, 3);
    EXPECT_EQ(NameOnDisk(folder + "\\a.one"), "a.one");
    EXPECT_EQ(NameOnDisk(folder + "\\b.two"), "b.two");
    EXPECT_EQ(NameOnDisk(folder + "\\c.three"), "c.three");
}

// A text that would misname every file, or that no name can hold, is
// refused before any is touched.
TEST(RenameOperationTest, ExtensionTextThePlatformWouldAlterIsRefused)
{
    TempDir temp;
    std::string folder = temp.Create("d\\inner");
    std::string path = temp.WriteFile("d\\inner\\a.txt", "x");

    const std::string texts[] = {"\\..\\moved.txt", "/../moved.txt",        ":stream", ".txt ", ".a|",
                                 u8"\u202Etxt.exe", std::string(10000, 'x')};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 20));
        BatchResult result = RunRenameBatch({path}, RenameKind::Extension, Text(text), BatchProgress{});
        EXPECT_FALSE(result.refusal.empty());
        EXPECT_EQ(result.refusal, core::ExtensionTextRefusal(text));
        EXPECT_TRUE(result.failures.empty());
        EXPECT_EQ(TempDir::Names(folder), std::vector<std::string>{"a.txt"});
        EXPECT_EQ(TempDir::Names(temp.Path() + "\\d"), std::vector<std::string>{"inner"});
    }
}

// A new name that only this file gets wrong fails for this file alone.
TEST(RenameOperationTest, NewNameThePlatformAltersOrCannotReachIsAFailureOfThatFile)
{
    TempDir temp;
    // One UTF-16 unit past what a name holds, with the name's own "long".
    const std::string tooLong = "." + std::string(core::kMaxNameUnits - 4, 'x');
    const struct {
        const char* name;  // made on the Linux side
        const char* extension;
        const char* reason;
    } cases[] = {
        {"nul.doc", ".txt", "是系统保留的设备名"},
        {".profile", "", "会被系统改动或拒绝"},
        {"long.doc", tooLong.c_str(), "新文件名过长"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(RunLinuxShell(temp.Path(), std::string("echo y > '") + c.name + "'"));
        auto failures = RunRenameBatch({temp.PathOf(c.name)}, RenameKind::Extension, Text(c.extension), {}).failures;
        ASSERT_EQ(failures.size(), 1u);
        EXPECT_NE(failures[0].reason.find(c.reason), std::string::npos) << failures[0].reason;
        EXPECT_TRUE(RunLinuxShell(temp.Path(), std::string("rm '") + c.name + "' && [ -z \"$(ls -A)\" ]"));
    }
}

TEST(RenameOperationTest, PlainCaseOnlyMoveKeepsTheOldNameHere)
{
    // Why the batch needs its fallback: on this platform the call succeeds
    // and changes nothing. Should the platform rename for real, the
    // fallback is simply not used.
    TempDir temp;
    std::string path = temp.WriteFile("a.txt");
    ASSERT_TRUE(MoveFileW(Widen(path).c_str(), Widen(temp.Path() + "\\A.TXT").c_str()));
    std::string name = NameOnDisk(path);
    if (name == "A.TXT") GTEST_SKIP() << "this file system renames case-only itself";
    EXPECT_EQ(name, "a.txt");
}

// One file a run: the new name, the content kept, no temporary left behind,
// and every folder on the way keeps its name and case.
TEST(RenameOperationTest, EachCommandGivesTheFileItsNewNameAndKeepsFolderNames)
{
    const struct {
        RenameKind kind;
        const char* extension;
        const char* folder;
        const char* name;
        const char* expected;
    } cases[] = {
        {RenameKind::Extension, ".html", "docs", "readme.txt", "readme.html"},
        {RenameKind::Extension, ".html", "my.docs", "readme", "readme.html"},
        {RenameKind::Extension, ".html", "arch", "archive.tar.gz", "archive.tar.html"},
        {RenameKind::Extension, ".html", "dot", ".profile", ".html"},
        {RenameKind::Extension, "html", "nodot", "b.txt", "bhtml"},
        {RenameKind::Extension, "", "empty", "b.txt", "b"},
        {RenameKind::Extension, ".html", "same", "page.html", "page.html"},
        {RenameKind::Extension, "", "same2", "b", "b"},
        {RenameKind::Extension, ".html", "gbk", "图片说明.txt", "图片说明.html"},
        {RenameKind::LowerCase, nullptr, "Docs", "Report.TXT", "report.txt"},
        {RenameKind::LowerCase, nullptr, "Docs\\Sub", "MiXed.Txt", "mixed.txt"},
        {RenameKind::UpperCase, nullptr, "a", "readme.txt", "README.TXT"},
        {RenameKind::UpperCase, nullptr, "a\\b c", "x1.y", "X1.Y"},
        {RenameKind::LowerCase, nullptr, "GBK", "图片Ab.JPG", "图片ab.jpg"},
        {RenameKind::UpperCase, nullptr, "GBK", "图片Ab.jpg", "图片AB.JPG"},
        {RenameKind::LowerCase, nullptr, "Docs", "already.txt", "already.txt"},
        {RenameKind::UpperCase, nullptr, "Docs", "图片2020", "图片2020"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.folder) + "\\" + c.name);
        TempDir temp;
        std::string folder = temp.Create(c.folder);
        std::string path = temp.WriteFile(std::string(c.folder) + "\\" + c.name, "keep");
        ASSERT_FALSE(path.empty());
        // A case rename maps the name alone: the folder is kept byte for byte.
        EXPECT_EQ(RenameOperation(c.kind).NewPath(path, c.extension ? c.extension : ""), folder + "\\" + c.expected);

        BatchResult result = RunRenameBatch({path}, c.kind, c.extension ? Text(c.extension) : nullptr, BatchProgress{});
        const auto& failures = result.failures;

        EXPECT_TRUE(failures.empty()) << (failures.empty() ? "" : failures[0].reason);
        // A file that already has its new name is tried, not changed.
        EXPECT_EQ(result.tried, 1u);
        EXPECT_EQ(result.changed, std::string(c.name) == c.expected ? 0u : 1u);
        EXPECT_EQ(TempDir::Names(folder), std::vector<std::string>{c.expected});
        EXPECT_EQ(ContentOf(folder + "\\" + c.expected), "keep");
        std::string walked = temp.Path();
        std::string rest = std::string(c.folder) + "\\";
        for (std::size_t end; (end = rest.find('\\')) != std::string::npos; rest.erase(0, end + 1)) {
            std::string component = rest.substr(0, end);
            walked += "\\" + component;
            EXPECT_EQ(NameOnDisk(walked), component);
        }
    }
}

std::vector<std::string> temporaries;  // the names renames passed through

BOOL WINAPI RecordRename(HANDLE file, FILE_INFO_BY_HANDLE_CLASS kind, LPVOID information, DWORD size)
{
    const auto* rename = static_cast<const FILE_RENAME_INFO*>(information);
    const std::string path = Narrow({rename->FileName, rename->FileNameLength / sizeof(wchar_t)});
    if (path.find(".~") != std::string::npos) temporaries.push_back(path.substr(path.rfind('\\') + 1));
    return SetFileInformationByHandle(file, kind, information, size);
}

// After the first file the folder is known to ignore case-only renames; the
// others must still end with their new names and contents. Each goes through
// a name that begins with its own, there and back; names the folder holds in
// any case are passed by and kept.
TEST(RenameOperationTest, EveryFileOfAFolderGetsItsNewCase)
{
    const struct {
        const char* name;
        const char* lowered;
    } files[] = {{"One.TXT", "one.txt"},
                 {"two.txt", "two.txt"},
                 {"THREE.Txt", "three.txt"},
                 {"图片Ab.JPG", "图片ab.jpg"},
                 {"Four.TXT", "four.txt"}};
    const char* const bystanders[] = {"One.TXT.~1", "one.txt.~2"};
    TempDir temp;
    std::vector<std::string> targets, expected;
    for (const auto& f : files) {
        targets.push_back(temp.WriteFile(f.name, f.name));
        expected.push_back(f.lowered);
    }
    for (const char* name : bystanders) {
        temp.WriteFile(name, name);
        expected.push_back(name);
    }
    const StandInCalls<RenameCalls> recorded(RenameCalls{RecordRename});
    temporaries.clear();
    BatchRecord record;

    auto failures = RunRenameBatch(targets, RenameKind::LowerCase, nullptr, BatchProgress{}, &record).failures;

    EXPECT_TRUE(failures.empty());
    std::vector<std::string> names = TempDir::Names(temp.Path());
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
    for (const auto& f : files) EXPECT_EQ(ContentOf(temp.PathOf(f.lowered)), f.name);
    for (const char* name : bystanders) EXPECT_EQ(ContentOf(temp.PathOf(name)), name);
    if (temporaries.empty()) GTEST_SKIP() << "this file system renames case-only itself";
    EXPECT_EQ(temporaries, (std::vector<std::string>{"One.TXT.~3", "THREE.Txt.~1", "图片Ab.JPG.~1", "Four.TXT.~1"}));

    temporaries.clear();
    EXPECT_TRUE(record.Undo(BatchProgress{}).failures.empty());
    EXPECT_EQ(temporaries, (std::vector<std::string>{"four.txt.~1", "图片ab.jpg.~1", "three.txt.~1", "one.txt.~3"}));
    for (const auto& f : files) EXPECT_EQ(NameOnDisk(temp.PathOf(f.name)), f.name);
}

TEST(RenameOperationTest, TreeBatchRenamesEveryFileAfterItsTurnInTheProgress)
{
    TempDir temp;
    temp.Create("Top\\Mid");
    std::vector<std::string> targets = {temp.WriteFile("Top\\One.TXT"), temp.WriteFile("Top\\Mid\\Two.TXT"),
                                        temp.WriteFile("Top\\Mid\\Three.Txt")};
    const char* lowered[] = {"one.txt", "two.txt", "three.txt"};
    ProgressLog progress;
    // advance(i) comes after the rename of file i.
    progress.onAdvance = [&](int position) {
        std::string path = targets[position - 1];
        std::string expected = lowered[position - 1];
        EXPECT_EQ(NameOnDisk(path.substr(0, path.rfind('\\') + 1) + expected), expected) << position;
    };

    auto failures = RunRenameBatch(targets, RenameKind::LowerCase, nullptr, progress.Callbacks()).failures;

    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(progress.calls, (std::vector<std::string>{"start 3", "advance 1", "advance 2", "advance 3"}));
    EXPECT_EQ(NameOnDisk(temp.Path() + "\\Top"), "Top");
    EXPECT_EQ(NameOnDisk(temp.Path() + "\\Top\\Mid"), "Mid");

    // The old paths still lead to the same files: a second case batch works.
    failures = RunRenameBatch(targets, RenameKind::UpperCase, nullptr, BatchProgress{}).failures;
    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(TempDir::Names(temp.Path() + "\\Top\\Mid"), (std::vector<std::string>{"THREE.TXT", "TWO.TXT"}));
}

TEST(RenameOperationTest, MissingFilesAreListedWithTheSystemReason)
{
    TempDir temp;
    std::string missing = temp.Path() + "\\Gone.Txt";
    std::string present = temp.WriteFile("here.TXT");
    for (RenameKind kind : {RenameKind::Extension, RenameKind::LowerCase, RenameKind::UpperCase}) {
        SCOPED_TRACE(static_cast<int>(kind));
        ProgressLog progress;
        auto failures = RunRenameBatch({missing, present, missing}, kind, Text(".TXT"), progress.Callbacks()).failures;
        ASSERT_EQ(failures.size(), 2u);
        EXPECT_EQ(failures[0].path, missing);
        EXPECT_EQ(failures[1].path, missing);
        EXPECT_TRUE(failures[0].reason == SystemErrorText(ERROR_FILE_NOT_FOUND) ||
                    failures[0].reason == SystemErrorText(ERROR_PATH_NOT_FOUND))
            << failures[0].reason;
        EXPECT_EQ(progress.calls.size(), 4u);
    }
    EXPECT_EQ(TempDir::Names(temp.Path()), std::vector<std::string>{"HERE.TXT"});
}

// Trees only the Linux side can make: names and folders that differ only in
// case, a link, names ending in a space or a dot. Every file stays in its
// folder, no file takes another's name, and no temporary name is left behind.
TEST(RenameOperationTest, RenamesInHostileFoldersNeverStrandOrMisplaceAFile)
{
    struct Case {
        const char* title;
        std::string shell;
        std::string target;  // relative
        RenameKind kind;
        std::string linuxCheck;  // must exit 0 afterwards
        bool fails;
    };
    const Case cases[] = {
        {"sibling folder in other case", "mkdir Docs docs && echo r > Docs/Report.TXT", "Docs\\Report.TXT",
         RenameKind::LowerCase, "[ \"$(ls Docs)\" = report.txt ] && [ -z \"$(ls docs)\" ]", false},
        {"other file in other case", "echo 1 > README && echo 2 > ReadMe", "README", RenameKind::LowerCase,
         "[ -f ReadMe ] && grep -q 1 README && [ $(ls | wc -l) = 2 ]", true},
        {"upper-case twin", "echo 1 > Makefile && echo 2 > MAKEFILE", "Makefile", RenameKind::UpperCase,
         "[ \"$(cat Makefile)\" = 1 ] && [ \"$(cat MAKEFILE)\" = 2 ] && [ $(ls | wc -l) = 2 ]", true},
        // Here the platform cannot rename the link alone: it must stay as it is.
        {"file link", "echo t > target.dat && ln -s target.dat Link.TXT", "Link.TXT", RenameKind::LowerCase,
         "[ -L Link.TXT ] && [ \"$(readlink Link.TXT)\" = target.dat ] && [ \"$(cat target.dat)\" = t ] && "
         "[ $(ls | wc -l) = 2 ]",
         true},
        // Wine gives these files' final paths without the trailing space or dot.
        {"name ending in a space beside its twin", "echo s > 'Space.TXT ' && echo t > Space.TXT", "Space.TXT ",
         RenameKind::Extension,
         "[ \"$(cat Space.html)\" = s ] && [ \"$(cat Space.TXT)\" = t ] && [ $(ls | wc -l) = 2 ]", false},
        {"case of a name ending in a space", "echo s > 'space '", "space ", RenameKind::UpperCase,
         "[ \"$(cat 'SPACE ')\" = s ] && [ $(ls | wc -l) = 1 ]", false},
        {"link ending in a dot to its twin", "echo t > Dot.TXT && ln -s Dot.TXT Dot.TXT.", "Dot.TXT.",
         RenameKind::Extension, "[ -L Dot.TXT. ] && [ \"$(cat Dot.TXT)\" = t ] && [ $(ls | wc -l) = 2 ]", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        TempDir temp;
        ASSERT_TRUE(RunLinuxShell(temp.Path(), c.shell));
        std::string path = temp.Path() + "\\" + c.target;

        auto failures = RunRenameBatch({path}, c.kind, Text(".html"), BatchProgress{}).failures;

        ASSERT_EQ(failures.size(), c.fails ? 1u : 0u) << (failures.empty() ? "" : failures[0].reason);
        EXPECT_TRUE(RunLinuxShell(temp.Path(), c.linuxCheck + " && ! find . -name '*.~[0-9]*' | grep -q ."));
    }
}

// Folders made on the Linux side past MAX_PATH: 300 ASCII characters, and
// Chinese names of 318 bytes in GBK but 159 characters. The scan finds the
// file; each command changes it and its undo puts it back.
TEST(RenameOperationTest, EveryCommandReachesADeepPath)
{
    std::string chinese;
    for (int i = 0; i < 53; ++i) chinese += "\\344\\270\\255";  // 中 in UTF-8, for printf
    const std::string ascii(100, 'a');
    using Targets = const std::vector<std::string>&;
    const struct {
        const char* changed;  // a shell test that the command changed the file
        std::function<BatchResult(Targets, BatchRecord&)> run;
    } commands[] = {
        {R"(-f "$DIR/Deep.html")",
         [](Targets t, BatchRecord& r) { return RunRenameBatch(t, RenameKind::Extension, Text(".html"), {}, &r); }},
        {R"(-f "$DIR/deep.txt")",
         [](Targets t, BatchRecord& r) { return RunRenameBatch(t, RenameKind::LowerCase, nullptr, {}, &r); }},
        {R"x("$(date -r "$DIR/Deep.TXT" +%Y)" = 2001)x",
         [](Targets t, BatchRecord& r) { return RunFileTimeBatch(t, "2001-2-3 04:05:06", 2026, {}, &r); }},
    };
    for (const std::string& level : {ascii, chinese}) {
        TempDir temp;
        const std::string folder = "\"$(printf '" + level + "/" + level + "/" + level + "')\"";
        ASSERT_TRUE(RunLinuxShell(temp.Path(), "mkdir -p " + folder + " && echo y > " + folder + "/Deep.TXT"));
        TDiskScan scan(nullptr);
        std::vector<std::string> found, skipped;
        scan.OnFileFound = [&](TObject*, std::string path) { found.push_back(path); };
        scan.OnEntrySkipped = [&](TObject*, std::string path, std::string) { skipped.push_back(path); };
        scan.SetStartDirectory(temp.Path());
        scan.Scan();
        ASSERT_EQ(found.size(), 1u);
        EXPECT_TRUE(skipped.empty());
        for (const auto& c : commands) {
            SCOPED_TRACE(c.changed);
            BatchRecord record;
            const BatchResult result = c.run(found, record);
            EXPECT_TRUE(result.failures.empty()) << (result.failures.empty() ? "" : result.failures[0].reason);
            EXPECT_EQ(result.changed, 1u);
            const std::string changed = "DIR=" + folder + " && test " + c.changed;
            EXPECT_TRUE(RunLinuxShell(temp.Path(), changed));
            EXPECT_TRUE(record.Undo(BatchProgress{}).failures.empty());
            EXPECT_TRUE(RunLinuxShell(temp.Path(), "! { " + changed + "; } && test -f \"$DIR/Deep.TXT\""));
        }
    }
}

}  // namespace
