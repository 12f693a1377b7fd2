#include "platform/LongPath.h"

#include "core/DirectoryPath.h"
#include "platform/WideText.h"

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

}  // namespace

std::wstring ExactWidePath(const std::string& path)
{
    const bool unc = path.size() > 2 && path[0] == '\\' && path[1] == '\\';
    const bool drive = path.size() > 2 && path[1] == ':' && IsSeparator(path[2]);
    // \\?\ and \\.\ are forms of their own; "C:a" is relative to the drive's directory.
    if (unc && (path[2] == '?' || path[2] == '.')) return Widen(path);
    if (!unc && !drive) return Widen(path);
    const std::wstring canonical = Widen(core::CanonicalPath(path));
    return unc ? L"\\\\?\\UNC\\" + canonical.substr(2) : L"\\\\?\\" + canonical;
}

bool FitsPathLimit(const std::string& path)
{
    // Each UTF-16 unit takes a narrow byte or more, and the long form adds
    // at most "\\?\UNC" to a path: most paths are told apart by their size.
    constexpr std::size_t kLongFormUnits = 6;
    if (path.size() + kLongFormUnits < kMaxPathUnits) return true;
    return ExactWidePath(path).size() < kMaxPathUnits;
}
