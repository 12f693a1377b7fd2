#include "app/LinkCheck.h"

#include "StandInCalls.h"
#include "app/LinkCheckCalls.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

TEST(LinkCheckTest, OnlyAFileThatLeadsElsewhereIsALink)
{
    // Windows' answers where C:\Via\ is a directory link to C:\Real: opened as
    // the link itself the folder is C:\Via, followed it is C:\Real. A handle
    // is the final path it stands for.
    static int folderOpens = 0;
    const StandInCalls<LinkCheckCalls> windows(
        {[](LPCWSTR name, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD flags, HANDLE) {
             ++folderOpens;
             // The folder comes in its long form.
             if (std::wcscmp(name, L"\\\\?\\C:\\Via") != 0) return (HANDLE)L"\\\\?\\C:\\Plain\\";
             return (HANDLE)(flags & FILE_FLAG_OPEN_REPARSE_POINT ? L"\\\\?\\C:\\Via" : L"\\\\?\\C:\\Real");
         },
         [](HANDLE handle, LPWSTR buffer, DWORD size, DWORD) {
             const std::wstring path = static_cast<const wchar_t*>(handle);
             return static_cast<DWORD>(path.size() < size ? path.copy(buffer, path.size()) : path.size() + 1);
         },
         [](HANDLE) -> BOOL { return TRUE; }});
    const struct {
        const char* folder;
        const char* name;
        const wchar_t* fileResolvesTo;
        bool namesItself;
    } cases[] = {
        {"C:\\Via\\", "a.txt", L"\\\\?\\C:\\Real\\a.txt", true},  // reached through a directory link
        {"C:\\Via\\", "b.txt", L"\\\\?\\C:\\Other\\b.txt", false},
        {"C:\\Plain\\", "c.txt", L"\\\\?\\C:\\Plain\\C.TXT", true},
        {"C:\\Plain\\", "d.txt", L"\\\\?\\C:\\Real\\a.txt", false},
    };
    LinkCheck check;
    for (const auto& c : cases)
        EXPECT_EQ(check.NamesItself(c.folder, c.name, (HANDLE)c.fileResolvesTo), c.namesItself) << c.folder << c.name;
    EXPECT_EQ(folderOpens, 2);  // once per folder
}
