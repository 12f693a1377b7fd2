#include "platform/ErrorMode.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(ErrorModeTest, QuietModeKeepsTheFlagsTheProcessStartedWith)
{
    const UINT before = SetErrorMode(SEM_NOGPFAULTERRORBOX);
    UseQuietErrorMode();
    EXPECT_EQ(SetErrorMode(before), UINT{SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX});
}
