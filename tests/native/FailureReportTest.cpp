#include "core/FailureReport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using core::BuildFailureReport;
using core::FileFailure;

TEST(FailureReportTest, NothingFailed)
{
    EXPECT_EQ(BuildFailureReport({}, 10, 10), "");
}

TEST(FailureReportTest, ListsEveryFailureUpToFive)
{
    std::vector<FileFailure> failures = {
        {"C:\\a\\b.txt", "文件名已存在"}, {"C:\\a\\c.txt", "拒绝访问"}, {"C:\\a\\d.txt", ""}};
    EXPECT_EQ(BuildFailureReport(failures, 10, 7), "有 3 个文件(共 10 个)未能更改：\r\n"
                                                   "C:\\a\\b.txt：文件名已存在\r\n"
                                                   "C:\\a\\c.txt：拒绝访问\r\n"
                                                   "C:\\a\\d.txt");
}

TEST(FailureReportTest, CountsTheRestBeyondFive)
{
    std::vector<FileFailure> failures;
    for (int i = 1; i <= 8; ++i) failures.push_back({"f" + std::to_string(i), "x"});
    std::string report = BuildFailureReport(failures, 8, 0);
    EXPECT_EQ(report, "有 8 个文件(共 8 个)未能更改：\r\n"
                      "f1：x\r\nf2：x\r\nf3：x\r\nf4：x\r\nf5：x\r\n"
                      "…另有 3 个文件未能更改");

    failures.resize(5);
    EXPECT_EQ(BuildFailureReport(failures, 5, 0).find("…"), std::string::npos);
}

// Entries left out before the batch are listed too, also when nothing failed.
TEST(FailureReportTest, ListsWhatWasLeftOutAfterTheFailures)
{
    const std::vector<FileFailure> skipped = {{"C:\\a\\?.txt", "名"}, {"C:\\b", "读"}};
    EXPECT_EQ(BuildFailureReport({}, 4, 4, skipped),
              "有 2 个文件或文件夹被跳过，没有更改：\r\nC:\\a\\?.txt：名\r\nC:\\b：读");
    EXPECT_EQ(BuildFailureReport({{"C:\\c.txt", "拒绝访问"}}, 4, 3, skipped),
              "有 1 个文件(共 4 个)未能更改：\r\nC:\\c.txt：拒绝访问\r\n\r\n"
              "另有 2 个文件或文件夹被跳过，没有更改：\r\nC:\\a\\?.txt：名\r\nC:\\b：读");
    std::vector<FileFailure> many(7, FileFailure{"x", ""});
    EXPECT_EQ(BuildFailureReport({}, 0, 0, many).substr(BuildFailureReport({}, 0, 0, many).rfind("\r\n") + 2),
              "…另有 2 项被跳过");
}

// Only files changed count as changed: one already in the wanted case does not.
TEST(FailureReportTest, AStoppedBatchSaysHowFarItWent)
{
    EXPECT_EQ(BuildFailureReport({}, 10, 2, {}, 6), "已停止：2 个文件已更改，0 个未能更改，6 个没有处理。");
    EXPECT_EQ(BuildFailureReport({{"a", "x"}}, 10, 3, {}, 6),
              "已停止：3 个文件已更改，1 个未能更改，6 个没有处理。\r\n\r\n有 1 个文件(共 10 个)未能更改：\r\na：x");
    EXPECT_EQ(BuildFailureReport({{"a", "x"}}, 10, 3, {}, 6, core::ReportOf::Undo),
              "已停止：3 个文件已恢复，1 个未能恢复，6 个没有处理。\r\n\r\n有 1 个文件(共 10 个)未能恢复：\r\na：x");
}

// A file left under a temporary name is listed first, whatever the cut-off.
TEST(FailureReportTest, StrandedFilesAreAlwaysListedFirst)
{
    std::vector<FileFailure> failures(7, FileFailure{"f", "x"});
    for (int i : {5, 6}) failures.push_back({"s" + std::to_string(i), "；文件现名为 t", true});
    const std::string report = BuildFailureReport(failures, 9, 0);
    EXPECT_EQ(report.substr(0, report.find("\r\nf")),
              "有 9 个文件(共 9 个)未能更改：\r\ns5：；文件现名为 t\r\ns6：；文件现名为 t");
    EXPECT_NE(report.find("…另有 4 个文件未能更改"), std::string::npos);
    failures.assign(6, FileFailure{"s", "t", true});
    EXPECT_EQ(BuildFailureReport(failures, 6, 0).find("…"), std::string::npos);
}
