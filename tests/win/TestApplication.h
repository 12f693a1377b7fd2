// The one application object of the test program, made on first use.
#pragma once

#include "toolkit/Application.h"

inline void EnsureApplication()
{
    if (Application) return;
    static TApplication application;  // lives until the test program ends
    application.Initialize();
}
