#include "core/FailureReport.h"

#include <algorithm>

namespace core {

namespace {

// The first few entries with their reasons (and every stranded one), then how many more there are.
void AppendList(std::vector<FileFailure> entries, const std::string& more, std::string& report)
{
    const auto strandedEnd =
        std::stable_partition(entries.begin(), entries.end(), [](const FileFailure& f) { return f.stranded; });
    const std::size_t stranded = static_cast<std::size_t>(strandedEnd - entries.begin());
    const std::size_t shown = std::min(entries.size(), std::max(kReportedFailures, stranded));
    for (std::size_t i = 0; i < shown; ++i) {
        report += "\r\n" + entries[i].path;
        if (!entries[i].reason.empty()) report += "：" + entries[i].reason;
    }
    if (entries.size() > shown) report += "\r\n…另有 " + std::to_string(entries.size() - shown) + more;
}

}  // namespace

std::string BuildFailureReport(const std::vector<FileFailure>& failures, std::size_t totalFiles, std::size_t changed,
                               const std::vector<FileFailure>& skipped, std::size_t notTried, ReportOf of)
{
    const std::string done = of == ReportOf::Undo ? "已恢复" : "已更改";
    const std::string notDone = of == ReportOf::Undo ? "未能恢复" : "未能更改";
    std::string report;
    if (notTried > 0) {
        report = "已停止：" + std::to_string(changed) + " 个文件" + done + "，" + std::to_string(failures.size()) +
                 " 个" + notDone + "，" + std::to_string(notTried) + " 个没有处理。";
    }
    if (!failures.empty()) {
        if (!report.empty()) report += "\r\n\r\n";
        report += "有 " + std::to_string(failures.size()) + " 个文件(共 " + std::to_string(totalFiles) + " 个)" +
                  notDone + "：";
        AppendList(failures, " 个文件" + notDone, report);
    }
    if (!skipped.empty()) {
        if (!report.empty()) report += "\r\n\r\n另";
        report += "有 " + std::to_string(skipped.size()) + " 个文件或文件夹被跳过，没有更改：";
        AppendList(skipped, " 项被跳过", report);
    }
    return report;
}

}  // namespace core
