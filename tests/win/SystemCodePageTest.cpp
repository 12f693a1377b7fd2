#include "TestApplication.h"
#include "core/ExtensionMapping.h"
#include "platform/WideText.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

// The program's strings are UTF-8 whatever the system's code page: 0xE9
// would be a GBK lead byte, and "é" is C3 A9, after which a backslash is a
// separator. The test tier runs this once under 936 and once under 1252.
TEST(SystemCodePageTest, SeparatorRulesAreTheSameUnderEveryCodePage)
{
    // The run under 1252 must really be one.
    const char* locale = std::getenv("BRISEL_LOCALE");
    EXPECT_EQ(GetACP(), locale && std::string(locale).rfind("en_US", 0) == 0 ? 1252u : 936u);
    EnsureApplication();
    const std::string path = "C:\\my.Café\\readme";
    EXPECT_EQ(core::ReplaceExtension(path, ".html"), path + ".html");
    EXPECT_FALSE(core::ExtensionTextIsSafe(".é/x"));
    EXPECT_EQ(Widen("Café 中 🎉"), L"Caf\u00e9 \u4e2d \U0001F389");
}
