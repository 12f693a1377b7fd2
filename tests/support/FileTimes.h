// File times as the win and ui tests compare them, and the one a local
// wall-clock time stands for under the time zone in force: what the time
// command is to store for the typed fields.
#pragma once

#include "platform/ScopedHandle.h"
#include "platform/WideText.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>

inline uint64_t Ticks(const FILETIME& time)
{
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// 0 when the zone has no such time as a file time.
inline uint64_t LocalTicks(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    const SYSTEMTIME local{year, month, 0, day, hour, minute, second, 0};
    SYSTEMTIME utc{};
    FILETIME time{};
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc) || !SystemTimeToFileTime(&utc, &time)) return 0;
    return Ticks(time);
}

// "2020-12-12 04:12:12" in UTC, with the milliseconds when there are any.
inline std::string UtcText(uint64_t ticks)
{
    const FILETIME time{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME fields{};
    if (!FileTimeToSystemTime(&time, &fields)) return std::to_string(ticks);
    char text[32];
    wsprintfA(text, "%04u-%02u-%02u %02u:%02u:%02u", fields.wYear, fields.wMonth, fields.wDay, fields.wHour,
              fields.wMinute, fields.wSecond);
    if (fields.wMilliseconds) wsprintfA(text + 19, ".%03u", fields.wMilliseconds);
    return text;
}

struct Times {
    unsigned long long lastAccess = 0;
    unsigned long long lastWrite = 0;
    bool operator==(const Times& other) const { return lastAccess == other.lastAccess && lastWrite == other.lastWrite; }
};

inline Times TimesOf(const std::string& path)
{
    Times times;
    ScopedHandle file(CreateFileW(Widen(path).c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                                  nullptr),
                      CloseHandle);
    EXPECT_TRUE(file.IsOpen()) << path;
    if (!file.IsOpen()) return times;
    FILETIME creation, access, write;
    EXPECT_TRUE(GetFileTime(file.Get(), &creation, &access, &write));
    times.lastAccess = Ticks(access);
    times.lastWrite = Ticks(write);
    return times;
}
