#pragma once

#include <initializer_list>
#include <string>

// GBK characters used by the tests, spelled as bytes so that the cases do not
// depend on how the compiler converts literals.
namespace gbk {
constexpr const char* kTrail5C = "\x95\x5c";    // second byte is '\'
constexpr const char* kTrailA = "\x81\x41";     // second byte is 'A'
constexpr const char* kTrailLowA = "\x81\x61";  // second byte is 'a'
constexpr const char* kTrailZ = "\x88\x5a";     // second byte is 'Z'
constexpr const char* kBiao = "\xb1\xed";       // GB2312, both bytes >= 0x80

// The parts joined: cases written as bytes next to text.
inline std::string Bytes(std::initializer_list<std::string> parts)
{
    std::string text;
    for (const std::string& part : parts) text += part;
    return text;
}
}  // namespace gbk
