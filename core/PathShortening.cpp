#include "core/PathShortening.h"

#include "core/Utf8.h"

namespace core {

namespace {

// Cuts the first directory off dir and marks the cut with "...\".
std::string CutFirstDirectory(const std::string& dir)
{
    if (dir == "\\") return std::string();
    std::string rest = dir;
    bool root = !rest.empty() && rest[0] == '\\';
    if (root) rest.erase(0, 1);
    // A leading period is the "...\" of an earlier cut: four characters go.
    if (!rest.empty() && rest[0] == '.') {
        std::size_t cut = 0;
        for (int i = 0; i < 4; ++i) cut += utf8::CharLengthAt(rest, cut);
        rest.erase(0, cut);
    }
    std::size_t slash = rest.find('\\');
    if (slash != std::string::npos)
        rest = "...\\" + rest.substr(slash + 1);
    else
        rest.clear();
    return root ? "\\" + rest : rest;
}

}  // namespace

std::string MinimizeName(const std::string& path, int maxWidth, const std::function<int(const std::string&)>& textWidth)
{
    std::string result = path;
    std::size_t split = path.find_last_of("\\:");
    std::string dir = split == std::string::npos ? std::string() : path.substr(0, split + 1);
    std::string name = split == std::string::npos ? path : path.substr(split + 1);
    std::string drive;
    if (dir.size() >= 2 && dir[1] == ':') {
        drive = dir.substr(0, 2);
        dir.erase(0, 2);
    }
    // Every step drops a directory or the drive; the bound only guards the loop.
    for (std::size_t steps = 0;
         steps <= 2 * path.size() + 8 && (!drive.empty() || !dir.empty()) && textWidth(result) > maxWidth; ++steps) {
        if (dir == "\\...\\") {
            drive.clear();
            dir = "...\\";
        } else if (dir.empty()) {
            drive.clear();
        } else {
            dir = CutFirstDirectory(dir);
        }
        result = drive + dir + name;
    }
    return result;
}

}  // namespace core
