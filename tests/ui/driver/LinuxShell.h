// Trees only the Linux side can make (names differing only in case, names
// the code page lacks): the tests run /bin/sh under Wine to make them.
#pragma once

#include <string>

// The Linux path of a Windows path under Wine (UTF-8); empty elsewhere.
std::string UnixPath(const std::string& windowsPath);
// Runs a POSIX shell command with folder (a Windows path) as its working
// directory, and waits. True when it ran and exited with 0.
// Characters outside the code page are written as printf escapes.
bool RunLinuxShell(const std::string& folder, const std::string& command);
