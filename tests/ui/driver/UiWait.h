#pragma once
#include <functional>

// Polling for a condition in another process: input and repaints arrive
// asynchronously, so tests wait for the state they expect, with a limit.
class UiWait {
public:
    static constexpr unsigned kPollMs = 50;

    // True as soon as condition() holds; false once timeoutMs has passed.
    static bool Until(const std::function<bool()>& condition, unsigned timeoutMs);
};
