// What belongs to one command, from its confirmation to its report: the
// requests to stop and to close, the entries the scan left out, when the
// batch next lets messages through, and the selection to show
// afterwards under the names the files have then. The window makes one for
// each command and drops it at the end, so nothing of one command can reach
// the next.
#pragma once

#include "app/BatchProgress.h"
#include "core/FailureReport.h"

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

class CommandRun {
public:
    // Esc: a scan ends at once, a batch after its current file.
    void Stop() { stopRequested_ = true; }
    bool StopRequested() const { return stopRequested_; }
    // A close stops the command and ends the program once it is done.
    void RequestClose()
    {
        closeRequested_ = true;
        stopRequested_ = true;
    }
    bool CloseRequested() const { return closeRequested_; }

    void Skip(core::FileFailure entry) { skipped_.push_back(std::move(entry)); }
    const std::vector<core::FileFailure>& Skipped() const { return skipped_; }

    // The full paths of the files selected when the command was confirmed.
    void SetSelection(std::vector<std::string> paths);
    const std::vector<std::string>& Selection() const { return selection_; }

    // The batch's callbacks around the bar's own: a stop asked for ends the
    // batch, a renamed file keeps its place in the selection, and pending
    // messages are let through via dispatch every dispatchMs.
    BatchProgress Progress(BatchProgress bar, std::function<void()> dispatch, unsigned dispatchMs = 100);

private:
    void Renamed(const std::string& from, const std::string& to);

    bool stopRequested_ = false;
    bool closeRequested_ = false;
    std::vector<core::FileFailure> skipped_;
    std::vector<std::string> selection_;
    std::unordered_map<std::string, std::size_t> selected_;  // path -> its place in selection_
};
