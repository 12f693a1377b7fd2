// What a batch gives back to the window.
#pragma once

#include "core/FailureReport.h"

#include <string>
#include <vector>

struct BatchResult {
    // Why the batch did not start, when it did not; nothing was touched then.
    std::string refusal;
    // The files it could not change, each with the reason.
    std::vector<core::FileFailure> failures;
};
