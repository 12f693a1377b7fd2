#include "platform/ErrorMode.h"

#include <gtest/gtest.h>
#include <windows.h>

// What the program sets at its start: no system dialog for a missing disk,
// and the flags it was started with kept.
TEST(ErrorModeTest, QuietModeKeepsTheInheritedFlags)
{
    const UINT before = SetErrorMode(SEM_NOGPFAULTERRORBOX);
    UseQuietErrorMode();
    EXPECT_EQ(SetErrorMode(before),
              static_cast<UINT>(SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX));
}
