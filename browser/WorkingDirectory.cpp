#include "browser/WorkingDirectory.h"

#include "core/DirectoryPath.h"
#include "platform/ExactName.h"

#include <windows.h>

#include <vector>

namespace {

// Room for the folder's own listing pattern ("\*.*") within MAX_PATH.
constexpr std::size_t kPatternRoom = 4;

// The folder above, or empty at a root ("C:\", "\\server\share").
std::wstring Parent(const std::wstring& path)
{
    std::size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos) return std::wstring();
    std::wstring parent = path.substr(0, slash);
    if (parent.size() == 2 && parent[1] == L':') return path.size() > 3 ? parent + L'\\' : std::wstring();
    // A share root has no parent that can be listed.
    if (parent.rfind(L"\\\\", 0) == 0 && parent.find(L'\\', 2) == parent.find_last_of(L'\\')) return std::wstring();
    return parent;
}

}  // namespace

StartDirectory ReadStartDirectory()
{
    StartDirectory start;
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    if (size == 0) return start;
    std::vector<wchar_t> buffer(size + 1);
    DWORD length = GetCurrentDirectoryW(size + 1, buffer.data());
    if (length == 0 || length > size) return start;
    const std::wstring working(buffer.data(), length);
    for (std::wstring candidate = working; !candidate.empty(); candidate = Parent(candidate)) {
        std::string ansi;
        if (ToExactAnsi(candidate, ansi) && ansi.size() + kPatternRoom < MAX_PATH) {
            start.directory = core::DirectoryForm(ansi);
            break;
        }
    }
    std::string exact;
    if (!ToExactAnsi(working, exact) || core::DirectoryForm(exact) != start.directory)
        start.wanted = ToDisplayAnsi(working);
    return start;
}
