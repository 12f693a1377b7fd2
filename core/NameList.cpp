#include "core/NameList.h"

#include <algorithm>
#include <numeric>

namespace core {

std::string_view NameList::At(const std::string& text, const std::vector<std::uint32_t>& starts, std::size_t index)
{
    const std::size_t start = starts[index];
    const std::size_t end = index + 1 < starts.size() ? starts[index + 1] : text.size();
    return std::string_view(text).substr(start, end - start - 1);
}

void NameList::Add(std::string_view name, std::string_view key)
{
    starts_.push_back(static_cast<std::uint32_t>(text_.size()));
    text_.append(name).push_back('\0');
    keyStarts_.push_back(static_cast<std::uint32_t>(keys_.size()));
    keys_.append(key).push_back('\0');
}

void NameList::Sort()
{
    std::vector<std::uint32_t> order(starts_.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [this](std::uint32_t a, std::uint32_t b) {
        // string_view compares chars as unsigned, as sort keys are meant.
        const int byKey = At(keys_, keyStarts_, a).compare(At(keys_, keyStarts_, b));
        return byKey != 0 ? byKey < 0 : (*this)[a] < (*this)[b];
    });
    std::string text;
    text.reserve(text_.size());
    std::vector<std::uint32_t> starts;
    starts.reserve(starts_.size());
    for (std::uint32_t index : order) {
        starts.push_back(static_cast<std::uint32_t>(text.size()));
        text.append((*this)[index]).push_back('\0');
    }
    text_.swap(text);
    starts_.swap(starts);
    // Swapped out: a string assigned an empty one may keep its buffer.
    std::string().swap(keys_);
    std::vector<std::uint32_t>().swap(keyStarts_);
}

void NameList::Swap(NameList& other)
{
    text_.swap(other.text_);
    starts_.swap(other.starts_);
    keys_.swap(other.keys_);
    keyStarts_.swap(other.keyStarts_);
}

void NameList::Clear()
{
    NameList().Swap(*this);
}

std::string_view NameList::operator[](std::size_t index) const
{
    return At(text_, starts_, index);
}

std::size_t NameList::Bytes() const
{
    return text_.capacity() + starts_.capacity() * sizeof(std::uint32_t) + keys_.capacity() +
           keyStarts_.capacity() * sizeof(std::uint32_t);
}

}  // namespace core
