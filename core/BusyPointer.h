#pragma once

#include <cstddef>

namespace core {

// Reading a folder's files shows the busy pointer once a name lands at
// index 100 of the sorted list or later.
inline bool ShowsBusyPointer(std::size_t insertedIndex)
{
    return insertedIndex >= 100;
}

}  // namespace core
