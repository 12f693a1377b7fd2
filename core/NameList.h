// A folder's names kept once, in one block of text: a hundred thousand
// names cost little more than their bytes, where a string each would cost
// several times as much. Sorted by keys made once per name, so that a sort
// asks the locale nothing per comparison.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace core {

class NameList {
public:
    // Adds a name and its sort key, compared as unsigned bytes.
    void Add(std::string_view name, std::string_view key);
    // Orders the names by their keys, names of equal keys by their bytes, so
    // that the order never depends on the order found. The keys are dropped.
    void Sort();
    void Clear();
    void Swap(NameList& other);

    std::size_t Size() const { return starts_.size(); }
    std::string_view operator[](std::size_t index) const;
    // What the names take in memory once sorted.
    std::size_t Bytes() const;

private:
    // Each name is followed by a NUL, so the next start gives its end.
    static std::string_view At(const std::string& text, const std::vector<std::uint32_t>& starts, std::size_t index);

    std::string text_;
    std::vector<std::uint32_t> starts_;
    std::string keys_;
    std::vector<std::uint32_t> keyStarts_;
};

}  // namespace core
