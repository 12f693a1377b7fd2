#include "TestApplication.h"
#include "core/ExtensionMapping.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

// The same bytes mean other characters in another code page: 0xE9 is a GBK
// lead byte, but 'é' in code page 1252, where the backslash after it is a
// separator. The program must follow the system's code page, not GBK's.
// The test tier runs this once under 936 and once under 1252.
TEST(SystemCodePageTest, SeparatorRulesFollowTheSystemCodePage)
{
    EnsureApplication();
    const std::string path = "C:\\my.Caf\xE9\\readme";
    const std::string extension = ".\xE9/x";
    switch (GetACP()) {
    case 936:
        EXPECT_EQ(core::ReplaceExtension(path, ".html"), "C:\\my.html");
        EXPECT_TRUE(core::ExtensionTextIsSafe(extension));
        break;
    case 1252:
        EXPECT_EQ(core::ReplaceExtension(path, ".html"), path + ".html");
        EXPECT_FALSE(core::ExtensionTextIsSafe(extension));
        break;
    default: GTEST_SKIP() << "code page " << GetACP();
    }
}
