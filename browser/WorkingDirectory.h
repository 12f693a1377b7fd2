// The process's working directory as the browser shows it, read with the wide
// call at any depth: the ANSI call fails for a directory of MAX_PATH bytes or
// more in the code page, well inside the platform's limit.
#pragma once

#include <string>

// In the browser's form; empty when it cannot be read, or its name cannot be
// held exactly (it would name another directory).
std::string ReadStartDirectory();
