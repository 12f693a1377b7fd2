#include "app/CommandRun.h"

#include <windows.h>

void CommandRun::SetSelection(std::vector<std::string> paths)
{
    selection_ = std::move(paths);
    selected_.clear();
    for (std::size_t i = 0; i < selection_.size(); ++i) selected_.emplace(selection_[i], i);
}

void CommandRun::Renamed(const std::string& from, const std::string& to)
{
    auto found = selected_.find(from);
    if (found == selected_.end()) return;
    const std::size_t place = found->second;
    selected_.erase(found);
    selection_[place] = to;
    selected_.emplace(to, place);
}

BatchProgress CommandRun::Progress(BatchProgress bar, std::function<void()> dispatch, unsigned dispatchMs)
{
    BatchProgress progress = std::move(bar);
    progress.advance = [advance = std::move(progress.advance), dispatch = std::move(dispatch), dispatchMs,
                        next = GetTickCount64() + dispatchMs](int position) mutable {
        if (advance) advance(position);
        const ULONGLONG now = GetTickCount64();
        if (now < next || !dispatch) return;
        dispatch();
        next = now + dispatchMs;
    };
    progress.stop = [this] { return stopRequested_; };
    if (!selected_.empty())
        progress.renamed = [this](const std::string& from, const std::string& to) { Renamed(from, to); };
    return progress;
}
