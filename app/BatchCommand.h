// One batch command at a time, from its confirmation to its report: what it
// was confirmed for, where it stands, and the target list, which nothing
// else writes. It reaches the window only through its host.
#pragma once

#include "app/BatchProgress.h"
#include "app/BatchRecord.h"
#include "app/BatchResult.h"
#include "app/CommandHost.h"
#include "core/CommandPhase.h"
#include "core/FailureReport.h"

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class ProgressBarFeed;

// The one ordered list of full file paths that every batch command fills.
using TTargetList = std::vector<std::string>;

class BatchCommand {
public:
    // host, targets and bar are not owned and outlive the command. A batch
    // lets pending messages through every dispatchMs milliseconds.
    BatchCommand(CommandHost& host, TTargetList& targets, ProgressBarFeed& bar, unsigned dispatchMs = 100);
    ~BatchCommand();
    BatchCommand(const BatchCommand&) = delete;
    BatchCommand& operator=(const BatchCommand&) = delete;

    core::CommandPhase Phase() const { return phase_; }
    bool Allows(core::CommandAction action) const { return core::Allows(phase_, action); }

    // A command button: resets the bar, asks, gathers the targets from the
    // selection or a scan, runs the batch over them and reports.
    void Start(BatchKind kind);
    // An operation button clicked on its own: the batch over the targets as
    // they stand, with its report.
    void Operate(BatchKind kind);
    // Reads a list that lets messages through meanwhile: outside a command
    // it is locked as a command is, and a close waits for its end.
    void List(const std::function<void()>& listing);
    // Puts back what the last batch changed, after asking.
    void Undo();
    bool CanUndo() const { return !record_.Empty(); }

    // The scanner's findings: a file for the target list, an entry left out.
    void FileFound(std::string path);
    void EntrySkipped(std::string path, std::string reason);

    // Esc: a scan ends at once and touches nothing; a batch after its current file.
    void Stop();
    // A close during a command stops it; the window closes once the
    // command, its report included, is done.
    void RequestClose();

private:
    struct Run;
    class RunScope;

    void Execute(core::CommandAction action, const std::function<void()>& command);
    void Confirmed(BatchKind kind);
    void UndoConfirmed();
    void TakeInputs(CommandInputs inputs);
    bool Gather();
    BatchResult RunBatch(BatchKind kind);
    void Report(const BatchResult& result, std::size_t total);
    BatchProgress Progress();
    void Renamed(const std::string& from, const std::string& to);

    CommandHost& host_;
    TTargetList& targets_;
    ProgressBarFeed& bar_;
    const unsigned dispatchMs_;
    BatchRecord record_;  // what the last batch changed
    core::CommandPhase phase_ = core::CommandPhase::Idle;
    // What belongs to the command now running; none while idle, so nothing
    // of one command reaches the next.
    std::unique_ptr<Run> run_;
};
