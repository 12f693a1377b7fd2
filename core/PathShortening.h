#pragma once

#include <functional>
#include <string>

namespace core {

// Shortens a path to fit maxWidth by dropping leading directories, shown as
// "...\"; the drive goes last and the name part is never shortened.
// textWidth measures a text in the font it will be drawn with.
std::string MinimizeName(const std::string& path, int maxWidth,
                         const std::function<int(const std::string&)>& textWidth);

}  // namespace core
