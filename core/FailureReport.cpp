#include "core/FailureReport.h"

namespace core {

std::string BuildFailureReport(const std::vector<FileFailure>& failures, std::size_t totalFiles) {
    if (failures.empty()) return std::string();
    std::string report = "有 " + std::to_string(failures.size()) + " 个文件(共 " +
                         std::to_string(totalFiles) + " 个)未能更改：";
    std::size_t shown = failures.size() < kReportedFailures ? failures.size() : kReportedFailures;
    for (std::size_t i = 0; i < shown; ++i) {
        report += "\r\n" + failures[i].path;
        if (!failures[i].reason.empty()) report += "：" + failures[i].reason;
    }
    if (failures.size() > shown)
        report += "\r\n…另有 " + std::to_string(failures.size() - shown) + " 个文件未能更改";
    return report;
}

}  // namespace core
