// A batch command driven in process by a scripted host: it answers the
// question and, at a chosen phase and file, acts as a user can meanwhile.
#include "app/BatchCommand.h"
#include "app/ProgressBarFeed.h"
#include "components/DiskScan.h"
#include "core/ExtensionMapping.h"
#include "core/Messages.h"
#include "tests/support/DiskFiles.h"
#include "tests/win/TempTree.h"
#include "tests/win/TestApplication.h"
#include "toolkit/Form.h"
#include "toolkit/ProgressBar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using core::CommandAction;
using core::CommandPhase;

// What the user does: Esc, a close, a click on another command, F5, typing
// into the extension field.
enum class Act { None, Esc, Close, OtherCommand, F5, Type };

// The window as the command sees it, over a real folder and a real scan.
// Everything it is asked and everything done to it goes to one log.
class ScriptedHost : public CommandHost {
public:
    explicit ScriptedHost(const TempDir& folder) : folder_(folder) { directory = folder.Path(); }

    bool Confirm(const std::string&) override
    {
        log.push_back("confirm");
        ActAt(CommandPhase::Confirming, 1);
        return answer;
    }
    void ShowMessage(const std::string& text, MessageKind kind) override
    {
        std::string shown = text;
        for (size_t at; (at = shown.find(folder_.Path() + "\\")) != std::string::npos;)
            shown.replace(at, folder_.Path().size() + 1, "");
        log.push_back((kind == MessageKind::Error ? "error " : "warning ") + shown);
        ActAt(CommandPhase::Reporting, 1);
    }
    CommandInputs ReadInputs() override
    {
        CommandInputs inputs{{}, directory, extension, {"2020", "12", "12", "12", "12", "12"}};
        for (const std::string& name : selection) inputs.selection.push_back(folder_.PathOf(name));
        return inputs;
    }
    void ShowTimeFields(const std::string&, const std::string&, const std::string&) override {}
    void LockInput(bool lock) override { locked = lock; }
    bool Scan(const std::string& start) override
    {
        TDiskScan scan(nullptr);
        int found = 0;
        scan.OnFileFound = [&](TObject*, std::string path) {
            command->FileFound(std::move(path));
            ActAt(CommandPhase::Gathering, ++found);
        };
        scanner_ = &scan;
        scan.SetStartDirectory(start);
        scan.Scan();
        scanner_ = nullptr;
        return !scan.Cancelled();
    }
    void StopScan() override
    {
        if (scanner_) scanner_->Cancel();
    }
    // Called after every file: the command is made with no interval.
    void LetMessagesThrough() override { ActAt(CommandPhase::Running, ++done_); }
    void Reselect(const std::vector<std::string>& names) override
    {
        std::string line = "reselect";
        for (const std::string& name : names) line += " " + name;
        log.push_back(line);
    }
    void CloseWindow() override { log.push_back("close"); }

    // What the window's handlers do with the user's act.
    void Perform(Act act)
    {
        const std::string lock = locked ? " locked" : "";
        switch (act) {
        case Act::None: return;
        case Act::Esc:
            if (command->Allows(CommandAction::Stop)) command->Stop();
            log.push_back("esc" + lock);
            return;
        case Act::Close:
            if (command->Allows(CommandAction::Close)) log.push_back("closed at once");
            command->RequestClose();
            log.push_back("close asked" + lock);
            return;
        case Act::OtherCommand:
            command->Start(BatchKind::UpperCase);
            log.push_back("other command" + lock);
            return;
        case Act::F5: log.push_back(command->Allows(CommandAction::Refresh) ? "F5 rereads" : "F5 refused"); return;
        case Act::Type:
            extension = ".typed";
            log.push_back("typed" + lock);
            return;
        }
    }

    BatchCommand* command = nullptr;
    bool answer = true;
    CommandPhase when = CommandPhase::Idle;
    int file = 0;
    Act act = Act::None;
    std::string directory;
    std::string extension = ".html";
    std::vector<std::string> selection;  // names in the folder
    bool locked = false;
    std::vector<std::string> log;

private:
    void ActAt(CommandPhase phase, int count)
    {
        if (phase != when || count != file) return;
        when = CommandPhase::Idle;
        Perform(act);
    }

    const TempDir& folder_;
    TDiskScan* scanner_ = nullptr;  // the scan now running; not owned
    int done_ = 0;
};

const std::vector<std::string> kTree{"A.TXT", "Sub", "Sub\\B.TXT", "Sub\\C.TXT"};

struct Scenario {
    const char* name;
    BatchKind kind;
    const char* extension;
    const char* folder;  // where the command runs, below the test's folder
    std::vector<std::string> selection;
    bool answer;
    CommandPhase when;
    int file;
    Act act;
    std::vector<std::string> log;
    std::vector<std::string> tree;  // kTree afterwards
    int barMax, barPosition;        // the bar stood at 5 of 9 before
};

using P = CommandPhase;
using K = BatchKind;
const std::vector<std::string> kLower{"Sub", "Sub\\b.txt", "Sub\\c.txt", "a.txt"};
const std::vector<std::string> kHtml{"A.html", "Sub", "Sub\\B.html", "Sub\\C.html"};

const Scenario kScenarios[] = {
    // clang-format off
    // A folder gone from under the browser gives no paths: nothing is asked or touched.
    {"VanishedFolder", K::LowerCase, ".html", "Gone", {}, true, P::Idle, 0, Act::None,
     {"warning 无法读取当前目录，没有更改任何文件。"}, kTree, 9, 0},
    // Nothing touched, the bar back at 0 of the last batch's count.
    {"AnsweredNo", K::LowerCase, ".html", "", {}, false, P::Idle, 0, Act::None, {"confirm"}, kTree, 9, 0},
    {"WholeTree", K::LowerCase, ".html", "", {}, true, P::Idle, 0, Act::None, {"confirm", "reselect"}, kLower, 3, 3},
    // Only the selection, which stays selected under its new names; the folder below is not scanned.
    {"Selection", K::Extension, ".html", "", {"A.TXT", "Sub\\C.TXT"}, true, P::Idle, 0, Act::None,
     {"confirm", "reselect A.html"}, {"A.html", "Sub", "Sub\\B.TXT", "Sub\\C.html"}, 2, 2},
    // During the scan the input is locked, and nothing the user does changes the command.
    {"EscDuringScan", K::LowerCase, ".html", "", {}, true, P::Gathering, 1, Act::Esc,
     {"confirm", "esc locked"}, kTree, 9, 0},
    {"CloseDuringScan", K::LowerCase, ".html", "", {}, true, P::Gathering, 1, Act::Close,
     {"confirm", "close asked locked", "close"}, kTree, 9, 0},
    {"OtherCommandDuringScan", K::Extension, ".html", "", {}, true, P::Gathering, 2, Act::OtherCommand,
     {"confirm", "other command locked", "reselect"}, kHtml, 3, 3},
    {"TypingDuringScan", K::Extension, ".html", "", {}, true, P::Gathering, 1, Act::Type,
     {"confirm", "typed locked", "reselect"}, kHtml, 3, 3},
    {"F5DuringScan", K::LowerCase, ".html", "", {}, true, P::Gathering, 1, Act::F5,
     {"confirm", "F5 refused", "reselect"}, kLower, 3, 3},
    // A batch stops after its current file and counts what it did not try.
    {"EscDuringBatch", K::LowerCase, ".html", "", {}, true, P::Running, 1, Act::Esc,
     {"confirm", "esc locked", "warning 已停止：1 个文件已更改，0 个未能更改，2 个没有处理。", "reselect"}, {"Sub", "Sub\\B.TXT", "Sub\\C.TXT", "a.txt"}, 3, 1},
    {"CloseDuringBatch", K::LowerCase, ".html", "", {}, true, P::Running, 2, Act::Close,
     {"confirm", "close asked locked", "warning 已停止：2 个文件已更改，0 个未能更改，1 个没有处理。", "reselect",
      "close"}, {"Sub", "Sub\\C.TXT", "Sub\\b.txt", "a.txt"},
     3, 2},
    {"OtherCommandDuringBatch", K::Extension, ".html", "", {}, true, P::Running, 1, Act::OtherCommand,
     {"confirm", "other command locked", "reselect"}, kHtml, 3, 3},
    // A close while the outcome is shown waits for it.
    {"CloseDuringReport", K::Extension, "..\\x", "", {}, true, P::Reporting, 1, Act::Close,
     {"confirm", "error " + core::AddFullStop(core::ExtensionTextRefusal("a/b")), "close asked locked", "close"}, kTree, 3, 0},
    // clang-format on
};

class BatchCommandTest : public ::testing::TestWithParam<Scenario> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeTree(folder_, {"A.TXT", "Sub\\B.TXT", "Sub\\C.TXT"}));
        bar_->SetParent(&form_);
        form_.FinishCreation();
        bar_->SetMax(9);
        bar_->SetPosition(5);
        host_.command = &command_;
    }

    bool application_ = (EnsureApplication(), true);
    TempDir folder_;
    TForm form_{nullptr, "TBatchCommandTestForm"};
    TProgressBar* bar_ = new TProgressBar(&form_);  // owned by the form
    ProgressBarFeed feed_{*bar_};
    ScriptedHost host_{folder_};
    TTargetList targets_;
    BatchCommand command_{host_, targets_, feed_, 0};
};

TEST_P(BatchCommandTest, DoesWhatWasConfirmed)
{
    const Scenario& s = GetParam();
    host_.selection = s.selection;
    host_.extension = s.extension;
    host_.directory = *s.folder ? folder_.PathOf(s.folder) : folder_.Path();
    host_.answer = s.answer;
    host_.when = s.when;
    host_.file = s.file;
    host_.act = s.act;
    command_.Start(s.kind);
    EXPECT_EQ(host_.log, s.log);
    EXPECT_EQ(TreeOf(folder_.Path()), s.tree);
    EXPECT_EQ(bar_->Max(), s.barMax);
    EXPECT_EQ(bar_->Position(), s.barPosition);
    EXPECT_FALSE(host_.locked) << "the input stayed locked";
    EXPECT_EQ(command_.Phase(), CommandPhase::Idle);

    // Whatever it changed is taken back whole, and nothing of it is left to stop the next command.
    EXPECT_EQ(command_.CanUndo(), s.tree != kTree);
    host_.act = Act::None;
    host_.answer = true;
    host_.selection.clear();
    host_.extension = ".html";
    host_.directory = folder_.Path();
    command_.Undo();
    EXPECT_EQ(TreeOf(folder_.Path()), kTree);
    EXPECT_FALSE(command_.CanUndo());
    command_.Start(BatchKind::LowerCase);
    EXPECT_EQ(TreeOf(folder_.Path()), kLower);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, BatchCommandTest, ::testing::ValuesIn(kScenarios),
                         [](const ::testing::TestParamInfo<Scenario>& info) { return std::string(info.param.name); });

}  // namespace
