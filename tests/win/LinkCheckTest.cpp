#include "app/LinkCheck.h"

#include "app/LinkCheckCalls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Answers as Windows does, where C:\Via\ is a directory link to C:\Real:
// opened as the link itself it is C:\Via, followed it is its target. A
// handle is 1 + the index of where it resolves to.
struct WindowsAnswers {
    static inline std::vector<std::wstring> finalPaths;
    static inline int folderOpens = 0;

    static HANDLE Resolving(const std::wstring& finalPath)
    {
        finalPaths.push_back(L"\\\\?\\" + finalPath);
        return reinterpret_cast<HANDLE>(finalPaths.size());
    }
    static HANDLE WINAPI Open(LPCWSTR name, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD flags, HANDLE)
    {
        ++folderOpens;
        const bool itself = (flags & FILE_FLAG_OPEN_REPARSE_POINT) != 0;
        return Resolving(std::wstring(name) == L"C:\\Via\\" ? (itself ? L"C:\\Via\\" : L"C:\\Real\\") : name);
    }
    static DWORD WINAPI FinalPath(HANDLE handle, LPWSTR buffer, DWORD size, DWORD)
    {
        const std::wstring& path = finalPaths.at(reinterpret_cast<std::size_t>(handle) - 1);
        return static_cast<DWORD>(path.size() < size ? path.copy(buffer, path.size()) : path.size() + 1);
    }
    static BOOL WINAPI Close(HANDLE) { return TRUE; }
};

TEST(LinkCheckTest, OnlyAFileThatLeadsElsewhereIsALink)
{
    const LinkCheckCalls windows{WindowsAnswers::Open, WindowsAnswers::FinalPath, WindowsAnswers::Close};
    CallTable<LinkCheckCalls>::Install(&windows);
    const struct {
        std::string folder, name;
        std::wstring fileResolvesTo;
        bool namesItself;
    } cases[] = {
        {"C:\\Via\\", "a.txt", L"C:\\Real\\a.txt", true},  // reached through a directory link
        {"C:\\Via\\", "b.txt", L"C:\\Other\\b.txt", false},
        {"C:\\Plain\\", "c.txt", L"C:\\Plain\\C.TXT", true},
        {"C:\\Plain\\", "d.txt", L"C:\\Real\\a.txt", false},
    };
    LinkCheck check;
    for (const auto& c : cases)
        EXPECT_EQ(check.NamesItself(c.folder, c.name, WindowsAnswers::Resolving(c.fileResolvesTo)), c.namesItself)
            << c.folder << c.name;
    EXPECT_EQ(WindowsAnswers::folderOpens, 2);  // once per folder
    CallTable<LinkCheckCalls>::Install(nullptr);
}

}  // namespace
