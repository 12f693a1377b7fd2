// How a batch drives its progress bar: start(count) once (maximum = count,
// position 0, repaint), then advance(i) with the 1-based index of a file.
// An unassigned callback is skipped.
#pragma once

#include <functional>

struct BatchProgress {
    std::function<void(int max)> start;
    std::function<void(int position)> advance;
};
