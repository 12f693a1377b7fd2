#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace core {

struct FileFailure {
    std::string path;
    std::string reason;
    // The file was left under a temporary name, which the reason gives.
    bool stranded = false;
};

// Fills failure with path and reason and gives false: the way a file step
// that cannot go on says why.
inline bool Fail(const std::string& path, const std::string& reason, FileFailure& failure)
{
    failure.path = path;
    failure.reason = reason;
    return false;
}

// How many listed paths a report shows before it only counts the rest.
constexpr std::size_t kReportedFailures = 5;

// Whether the report follows a batch ("未能更改") or its undo ("未能恢复").
enum class ReportOf { Batch, Undo };

// One message for a batch in which some files could not be changed: the count
// of failures out of totalFiles, the first few paths with their reasons, then
// how many more failed; files left under a temporary name come first and are
// always listed. Then, the same way, the entries that were left out before
// the batch (never tried, so not among totalFiles). Lines end with "\r\n".
// Empty when nothing failed and nothing was left out. A batch that was
// stopped with notTried files to go says first how far it went: changed
// counts the files it changed.
std::string BuildFailureReport(const std::vector<FileFailure>& failures, std::size_t totalFiles, std::size_t changed,
                               const std::vector<FileFailure>& skipped = {}, std::size_t notTried = 0,
                               ReportOf of = ReportOf::Batch);

}  // namespace core
