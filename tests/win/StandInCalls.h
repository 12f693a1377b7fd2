// A test's own table of platform calls, in use for the life of this object:
// the real calls come back even when an assertion ends the test early.
#pragma once

#include "platform/CallTable.h"

template <class Calls> class StandInCalls {
public:
    explicit StandInCalls(const Calls& calls) : calls_(calls) { CallTable<Calls>::Install(&calls_); }
    ~StandInCalls() { CallTable<Calls>::Install(nullptr); }
    StandInCalls(const StandInCalls&) = delete;
    StandInCalls& operator=(const StandInCalls&) = delete;

private:
    const Calls calls_;
};
