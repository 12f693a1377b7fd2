// The one application object of the test program, made on first use.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/Graphics.h"

inline void EnsureApplication()
{
    if (Application) return;
    static TApplication application;  // lives until the test program ends
    application.Initialize();
}

// Lays out what is made in its scope as on a screen of dpi pixels per inch.
struct ScreenDpiScope {
    explicit ScreenDpiScope(int dpi) { SetScreenDpi(dpi); }
    ~ScreenDpiScope() { SetScreenDpi(0); }
};
