// Names in the system code page, taken from the wide listing calls. The ANSI
// listing calls hand out a best-fit look-alike (a.txt for â.txt) or '?' for
// characters the code page lacks, which would name another file or none.
#pragma once

#include "platform/ScopedHandle.h"

#include <windows.h>

#include <string>

// The text in the system code page; false when it cannot be held there
// exactly (no default character, no best fit, and it converts back the same).
bool ToExactAnsi(const std::wstring& wide, std::string& ansi);
// A readable form for messages: characters the code page lacks become '?'.
std::string ToDisplayAnsi(const std::wstring& wide);

// Whether an entry name found on disk can be handed to the ANSI path calls
// and still name that entry: held exactly by the code page, and free of what
// the path calls would read otherwise (separators, wildcards, a trailing dot
// or space, which they drop).
bool IsExactEntryName(const std::wstring& name, std::string& ansi);

// Walks one folder through FindFirstFileW/FindNextFileW, closing the search
// on every way out. "." and ".." are passed over.
class DirectoryEntries {
public:
    // pattern: a folder path with a search pattern, in the system code page.
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
