// The system's own cursors and icons, loaded with the wide calls. The IDC_
// and IDI_ names are numbered resources: the same value in either form.
#pragma once

#include <windows.h>

inline HCURSOR SystemCursor(LPCSTR id)
{
    return LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(id));
}

inline HICON SystemIcon(LPCSTR id)
{
    return LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(id));
}
