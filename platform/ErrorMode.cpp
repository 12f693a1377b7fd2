#include "platform/ErrorMode.h"

#include <windows.h>

void UseQuietErrorMode()
{
    SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}
