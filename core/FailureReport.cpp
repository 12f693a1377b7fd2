#include "core/FailureReport.h"

namespace core {

namespace {

// The first few entries with their reasons, then how many more there are.
void AppendList(const std::vector<FileFailure>& entries, const std::string& more, std::string& report)
{
    std::size_t shown = entries.size() < kReportedFailures ? entries.size() : kReportedFailures;
    for (std::size_t i = 0; i < shown; ++i) {
        report += "\r\n" + entries[i].path;
        if (!entries[i].reason.empty()) report += "：" + entries[i].reason;
    }
    if (entries.size() > shown) report += "\r\n…另有 " + std::to_string(entries.size() - shown) + more;
}

}  // namespace

std::string BuildFailureReport(const std::vector<FileFailure>& failures, std::size_t totalFiles,
                               const std::vector<FileFailure>& skipped, std::size_t notTried)
{
    std::string report;
    if (notTried > 0) {
        const std::size_t tried = totalFiles > notTried ? totalFiles - notTried : 0;
        const std::size_t changed = tried > failures.size() ? tried - failures.size() : 0;
        report = "已停止：" + std::to_string(changed) + " 个文件已更改，" + std::to_string(failures.size()) +
                 " 个未能更改，" + std::to_string(notTried) + " 个没有处理。";
    }
    if (!failures.empty()) {
        if (!report.empty()) report += "\r\n\r\n";
        report +=
            "有 " + std::to_string(failures.size()) + " 个文件(共 " + std::to_string(totalFiles) + " 个)未能更改：";
        AppendList(failures, " 个文件未能更改", report);
    }
    if (!skipped.empty()) {
        if (!report.empty()) report += "\r\n\r\n另";
        report += "有 " + std::to_string(skipped.size()) + " 个文件或文件夹被跳过，没有更改：";
        AppendList(skipped, " 项被跳过", report);
    }
    return report;
}

}  // namespace core
