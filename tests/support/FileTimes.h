// File times as the win and ui tests compare them, and the one a local
// wall-clock time stands for under the time zone in force: what the time
// command is to store for the typed fields.
#pragma once

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
