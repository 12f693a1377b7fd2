#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/CodePage.h"

namespace core {

// The file list's sorted contents: names ordered by bytes with single-byte
// ASCII letters folded, an equal name going after the ones already there.
class SortedNames {
public:
    // From this index on a reading shows the busy pointer.
    static constexpr std::size_t kBusyIndex = 100;

    // The system code page as it is at construction by default.
    explicit SortedNames(const CodePage& codePage = CodePage::System());

    // Returns the index where the name landed.
    std::size_t Insert(const std::string& name);
    void Clear() { names_.clear(); }
    const std::vector<std::string>& Names() const { return names_; }

    static bool ShowsBusyPointer(std::size_t insertedIndex) { return insertedIndex >= kBusyIndex; }

private:
    CodePage codePage_;
    std::vector<std::string> names_;
};

}  // namespace core
