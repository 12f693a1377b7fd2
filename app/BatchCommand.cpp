#include "app/BatchCommand.h"

#include "app/FileTimeOperation.h"
#include "app/ProgressBarFeed.h"
#include "app/RenameOperation.h"
#include "core/DateTimeText.h"
#include "core/DirectoryItems.h"
#include "core/DirectoryPath.h"
#include "core/Messages.h"
#include "platform/DirectoryEntries.h"
#include "platform/LongPath.h"

#include <windows.h>

using core::CommandAction;
using core::CommandPhase;

namespace {

constexpr char kFirstLine[] = "对所选定的文件或文件夹下所有文件";
constexpr char kUnreadableDirectory[] = "无法读取当前目录，没有更改任何文件。";

const char* SecondLine(BatchKind kind)
{
    switch (kind) {
    case BatchKind::FileTime: return "更改文件的创建时间和修改时间吗？";
    case BatchKind::Extension: return "更改文件的扩展名吗？";
    case BatchKind::LowerCase: return "更改文件名为小写吗？";
    case BatchKind::UpperCase: break;
    }
    return "更改文件名为大写吗？";
}

bool DirectoryCanBeRead(const std::string& directory)
{
    if (directory.empty()) return false;
    DWORD attributes = GetFileAttributesW(ExactWidePath(directory).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    DirectoryEntries entries(core::WithTrailingBackslash(directory) + "*.*");
    // An empty drive root lists nothing, not even "."; it can still be read.
    return entries.IsOpen() || entries.Error() == ERROR_FILE_NOT_FOUND;
}

}  // namespace

struct BatchCommand::Run {
    CommandInputs inputs;
    bool stopRequested = false;
    bool closeRequested = false;
    std::vector<core::FileFailure> skipped;
    std::unordered_map<std::string, std::size_t> selected;  // path -> its place in inputs.selection
};

// A fresh run for the command; at its end, whichever way, the command is idle again.
class BatchCommand::RunScope {
public:
    explicit RunScope(BatchCommand& command) : command_(command) { command_.run_ = std::make_unique<Run>(); }
    ~RunScope()
    {
        command_.run_.reset();
        command_.phase_ = CommandPhase::Idle;
    }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    BatchCommand& command_;
};

namespace {

// Holds the window's input while it lives.
class LockScope {
public:
    explicit LockScope(CommandHost& host) : host_(host) { host_.LockInput(true); }
    ~LockScope() { host_.LockInput(false); }
    LockScope(const LockScope&) = delete;
    LockScope& operator=(const LockScope&) = delete;

private:
    CommandHost& host_;
};

}  // namespace

BatchCommand::BatchCommand(CommandHost& host, TTargetList& targets, ProgressBarFeed& bar, unsigned dispatchMs)
    : host_(host), targets_(targets), bar_(bar), dispatchMs_(dispatchMs)
{
}

BatchCommand::~BatchCommand() = default;

void BatchCommand::Start(BatchKind kind)
{
    Execute(CommandAction::Command, [&] { Confirmed(kind); });
}

void BatchCommand::Operate(BatchKind kind)
{
    Execute(CommandAction::Command, [&] {
        TakeInputs(host_.ReadInputs());
        Report(RunBatch(kind), targets_.size());
    });
}

void BatchCommand::Undo()
{
    if (record_.Empty()) return;
    Execute(CommandAction::Undo, [&] { UndoConfirmed(); });
}

void BatchCommand::List(const std::function<void()>& listing)
{
    // Within a command the input is locked already.
    if (phase_ != CommandPhase::Idle) {
        listing();
        return;
    }
    Execute(CommandAction::Refresh, [&] {
        phase_ = CommandPhase::Listing;
        LockScope lock(host_);
        listing();
    });
}

// One command at a time; a close asked for while it ran comes after it.
void BatchCommand::Execute(CommandAction action, const std::function<void()>& command)
{
    if (!Allows(action)) return;
    bool close = false;
    {
        RunScope scope(*this);
        command();
        close = run_->closeRequested;
    }
    if (!close) return;
    phase_ = CommandPhase::Closing;
    host_.CloseWindow();
    phase_ = CommandPhase::Idle;
}

void BatchCommand::Confirmed(BatchKind kind)
{
    phase_ = CommandPhase::Confirming;
    bar_.Reset();
    // The question is modal: what the window shows now is what the answer confirms.
    TakeInputs(host_.ReadInputs());
    // An empty or unreadable directory would give paths elsewhere (an empty
    // start directory scans every drive): nothing is done there.
    if (!DirectoryCanBeRead(run_->inputs.directory)) {
        host_.ShowMessage(kUnreadableDirectory, MessageKind::Warning);
        return;
    }
    if (!host_.Confirm(std::string(kFirstLine) + '\r' + SecondLine(kind)) || run_->closeRequested) return;
    LockScope lock(host_);
    // The command's first change replaces what there was to undo; one that
    // is refused, stopped before a file, or fails everywhere leaves it.
    record_.ReplaceOnNextChange();
    targets_.clear();
    phase_ = CommandPhase::Gathering;
    if (!Gather() || run_->stopRequested) return;
    Report(RunBatch(kind), targets_.size());
}

void BatchCommand::UndoConfirmed()
{
    phase_ = CommandPhase::Confirming;
    bar_.Reset();
    const std::string question = "撤销上次对 " + std::to_string(record_.Count()) + " 个文件的更改吗？";
    if (!host_.Confirm(question) || run_->closeRequested) return;
    LockScope lock(host_);
    TakeInputs(host_.ReadInputs());
    phase_ = CommandPhase::Running;
    const std::size_t count = record_.Count();
    Report(record_.Undo(Progress()), count);
}

void BatchCommand::TakeInputs(CommandInputs inputs)
{
    run_->inputs = std::move(inputs);
    const std::vector<std::string>& selection = run_->inputs.selection;
    for (std::size_t i = 0; i < selection.size(); ++i) run_->selected.emplace(selection[i], i);
}

// False when the scan was cut short: then no file is touched.
bool BatchCommand::Gather()
{
    const CommandInputs& inputs = run_->inputs;
    if (inputs.selection.empty()) return host_.Scan(inputs.directory);
    targets_.assign(inputs.selection.begin(), inputs.selection.end());
    return true;
}

void BatchCommand::FileFound(std::string path)
{
    targets_.push_back(std::move(path));
}

// What the scan leaves out is listed in the report, so that no file is passed over in silence.
void BatchCommand::EntrySkipped(std::string path, std::string reason)
{
    if (run_) run_->skipped.push_back(core::FileFailure{std::move(path), std::move(reason)});
}

void BatchCommand::Stop()
{
    if (!run_) return;
    if (phase_ == CommandPhase::Gathering) host_.StopScan();
    run_->stopRequested = true;
}

void BatchCommand::RequestClose()
{
    if (!run_) return;
    Stop();
    run_->closeRequested = true;
}

BatchResult BatchCommand::RunBatch(BatchKind kind)
{
    phase_ = CommandPhase::Running;
    const CommandInputs& inputs = run_->inputs;
    if (kind == BatchKind::FileTime) {
        const std::string* typed = inputs.timeFields;
        const std::string hour = core::PadTimeField(typed[3]), minute = core::PadTimeField(typed[4]),
                          second = core::PadTimeField(typed[5]);
        host_.ShowTimeFields(hour, minute, second);
        const std::string text = core::ComposeDateTimeText(typed[0], typed[1], typed[2], hour, minute, second);
        SYSTEMTIME now;
        GetLocalTime(&now);
        return RunFileTimeBatch(targets_, text, now.wYear, Progress(), &record_);
    }
    const RenameKind rename = kind == BatchKind::Extension   ? RenameKind::Extension
                              : kind == BatchKind::LowerCase ? RenameKind::LowerCase
                                                             : RenameKind::UpperCase;
    // Every file gets the extension confirmed.
    auto extension = [text = inputs.extension] { return text; };
    return RunRenameBatch(targets_, rename, extension, Progress(), &record_);
}

// The one way from a batch's outcome to the user: a refusal as an error, in
// the form the application gives errors; else what failed, was skipped or
// was not tried. The file list then shows the names as they are.
void BatchCommand::Report(const BatchResult& result, std::size_t total)
{
    phase_ = CommandPhase::Reporting;
    bar_.CatchUp();
    if (!result.refusal.empty()) {
        host_.ShowMessage(core::AddFullStop(result.refusal), MessageKind::Error);
        return;
    }
    const std::size_t notTried = run_->stopRequested && result.tried < total ? total - result.tried : 0;
    const std::string report =
        core::BuildFailureReport(result.failures, total, result.changed, run_->skipped, notTried, result.of);
    if (!report.empty()) host_.ShowMessage(report, MessageKind::Warning);
    // The selection stays with the files chosen, under the names they have now.
    const std::string directory = core::WithTrailingBackslash(run_->inputs.directory);
    std::vector<std::string> names;
    for (const std::string& path : run_->inputs.selection) {
        if (path.compare(0, directory.size(), directory) == 0 && core::NameStart(path) == directory.size())
            names.push_back(path.substr(directory.size()));
    }
    host_.Reselect(names);
}

// The bar's callbacks, plus a look at pending messages now and then, so that
// the window repaints, answers, and can stop the batch between two files.
BatchProgress BatchCommand::Progress()
{
    BatchProgress progress = bar_.Callbacks();
    progress.advance = [this, advance = std::move(progress.advance),
                        next = GetTickCount64() + dispatchMs_](int position) mutable {
        if (advance) advance(position);
        const ULONGLONG now = GetTickCount64();
        if (now < next) return;
        host_.LetMessagesThrough();
        next = now + dispatchMs_;
    };
    progress.stop = [this] { return run_->stopRequested; };
    if (!run_->selected.empty())
        progress.renamed = [this](const std::string& from, const std::string& to) { Renamed(from, to); };
    return progress;
}

// A renamed file keeps its place in the selection.
void BatchCommand::Renamed(const std::string& from, const std::string& to)
{
    auto found = run_->selected.find(from);
    if (found == run_->selected.end()) return;
    const std::size_t place = found->second;
    run_->selected.erase(found);
    run_->inputs.selection[place] = to;
    run_->selected.emplace(to, place);
}
