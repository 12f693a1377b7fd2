// Where a component finds its table of platform calls: the real ones, or a
// test's own that observes or arranges them. Calls is a plain struct of
// function pointers whose static Platform() gives the real calls.
#pragma once

template <class Calls> class CallTable {
public:
    // The table in use: the real calls unless a test has installed its own.
    static const Calls& Current() { return installed_ ? *installed_ : Calls::Platform(); }
    // nullptr goes back to the real calls. The table must outlive its use.
    static void Install(const Calls* calls) { installed_ = calls; }

private:
    static inline const Calls* installed_ = nullptr;
};
