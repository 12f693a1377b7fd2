// How a batch drives its progress bar: start(count) once (maximum = count,
// position 0, repaint), then advance(i) with the 1-based index of a file.
// Before each file the batch asks stop(): true ends it there, leaving the
// rest untried. A rename batch and its undo tell renamed(from, to) of every
// file that took a new name. An unassigned callback is skipped.
#pragma once

#include <functional>
#include <string>

struct BatchProgress {
    std::function<void(int max)> start;
    std::function<void(int position)> advance;
    std::function<bool()> stop;
    std::function<void(const std::string& from, const std::string& to)> renamed;

    void Start(int max) const
    {
        if (start) start(max);
    }
    void Advance(int position) const
    {
        if (advance) advance(position);
    }
    bool Stopped() const { return stop && stop(); }
    void Renamed(const std::string& from, const std::string& to) const
    {
        if (renamed) renamed(from, to);
    }
};
