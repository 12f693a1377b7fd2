// The listing of one folder through the wide calls, and names in the narrow
// form taken from it, exactly or marked as only a display form: a look-alike
// (a.txt for â.txt) or '?' would name another file or none.
#pragma once

#include "platform/ScopedHandle.h"

#include <windows.h>

#include <string>
#include <string_view>

// Whether an entry name found on disk can be handed on in a path and still
// name that entry: held exactly by the narrow form, and free of what a path
// would read otherwise (separators, wildcards, control characters). A
// trailing dot or space is kept by the long form every file call takes.
bool IsExactEntryName(std::wstring_view name, std::string& narrow);

// Walks one folder through FindFirstFileW/FindNextFileW, closing the search
// on every way out. "." and ".." are passed over.
class DirectoryEntries {
public:
    // pattern: a folder path with a search pattern, taken in its long form.
    explicit DirectoryEntries(const std::string& pattern);

    // False when the folder could not be read; Error() tells why.
    bool IsOpen() const { return find_.IsOpen(); }
    // Why the listing ended early, or ERROR_SUCCESS: the error of the first
    // call (an empty folder gives ERROR_FILE_NOT_FOUND, which is no failure),
    // or of a later one that failed before the last entry.
    DWORD Error() const { return error_; }
    // Moves to the next entry; false when there is none or the listing
    // failed (see Error()). The first call gives the first entry.
    bool Next();

    DWORD Attributes() const { return data_.dwFileAttributes; }
    bool IsDirectory() const { return (data_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    const wchar_t* WideName() const { return data_.cFileName; }
    // Whether Name() is the entry's exact name; otherwise it is only its display form.
    bool NameIsExact() const { return exact_; }
    const std::string& Name() const { return name_; }

private:
    void Take();

    WIN32_FIND_DATAW data_{};  // before find_, which fills it first
    ScopedHandle find_;
    DWORD error_ = ERROR_SUCCESS;
    bool pending_ = false;  // the first entry is read but not yet handed out
    bool exact_ = false;
    std::string name_;
};
