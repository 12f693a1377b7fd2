#include "core/CommandPhase.h"

namespace core {

namespace {

constexpr int kPhases = 7;
constexpr int kActions = 8;

// One row per action, one column per phase, in the enums' order.
constexpr bool kAllowed[kActions][kPhases] = {
    // Idle  Confirming Gathering Running Reporting Closing Listing
    {true, false, false, false, false, false, false},  // Command
    {true, false, false, false, false, false, false},  // About
    {true, false, false, false, false, false, false},  // FileListMenu
    {true, false, false, false, false, false, false},  // Undo
    {true, false, false, false, false, false, false},  // Refresh
    {true, false, false, false, false, false, false},  // SelectAll
    {true, false, false, false, false, true, false},   // Close
    {false, true, true, true, true, false, false},     // Stop
};

}  // namespace

bool Allows(CommandPhase phase, CommandAction action)
{
    return kAllowed[static_cast<int>(action)][static_cast<int>(phase)];
}

}  // namespace core
