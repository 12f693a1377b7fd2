// The process's working directory as the browser can show it. The ANSI call
// fails for a directory of MAX_PATH bytes or more in the code page, which is
// well inside the platform's limit in UTF-16, and a name the code page lacks
// would come back as another directory's name.
#pragma once

#include <string>

struct StartDirectory {
    // In the browser's form and the system code page; empty when no
    // directory on the way to the root can be shown.
    std::string directory;
    // The working directory as a readable text, when another one is shown.
    std::string wanted;
};

StartDirectory ReadStartDirectory();
