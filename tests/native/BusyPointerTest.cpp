#include "core/BusyPointer.h"

#include <gtest/gtest.h>

TEST(BusyPointerTest, BusyPointerFromIndex100)
{
    EXPECT_FALSE(core::ShowsBusyPointer(0));
    EXPECT_FALSE(core::ShowsBusyPointer(99));
    EXPECT_TRUE(core::ShowsBusyPointer(100));
}
