#include "core/SortedNames.h"

#include <algorithm>

#include "core/CaseMapping.h"

namespace core {

SortedNames::SortedNames(const CodePage& codePage) : codePage_(codePage) {}

std::size_t SortedNames::Insert(const std::string& name)
{
    std::string key = LowerCasePath(name, codePage_);
    auto position =
        std::upper_bound(names_.begin(), names_.end(), key, [this](const std::string& k, const std::string& existing) {
            return k < LowerCasePath(existing, codePage_);
        });
    std::size_t index = static_cast<std::size_t>(position - names_.begin());
    names_.insert(position, name);
    return index;
}

}  // namespace core
