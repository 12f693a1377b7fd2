// How a batch drives its progress bar: start(count) once (maximum = count,
// position 0, repaint), then advance(i) with the 1-based index of a file.
// Before each file the batch asks stop(): true ends it there, leaving the
// rest untried. An unassigned callback is skipped.
#pragma once

#include <functional>

struct BatchProgress {
    std::function<void(int max)> start;
    std::function<void(int position)> advance;
    std::function<bool()> stop;

    void Start(int max) const
    {
        if (start) start(max);
    }
    void Advance(int position) const
    {
        if (advance) advance(position);
    }
    bool Stopped() const { return stop && stop(); }
};
