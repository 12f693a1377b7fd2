// What a batch gives back to the window.
#pragma once

#include "core/FailureReport.h"

#include <cstddef>
#include <string>
#include <vector>

struct BatchResult {
    // Why the batch did not start, when it did not; nothing was touched then.
    std::string refusal;
    // The files it could not change, each with the reason.
    std::vector<core::FileFailure> failures;
    // Files reached before the end or a stop, and of those the files changed
    // (one that already had the wanted name is tried but not changed).
    std::size_t tried = 0;
    std::size_t changed = 0;
    // A batch or the undo of one: the report's words follow.
    core::ReportOf of = core::ReportOf::Batch;
};
