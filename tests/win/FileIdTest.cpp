#include "platform/FileId.h"

#include "StandInCalls.h"
#include "platform/FileIdCalls.h"

#include <gtest/gtest.h>

namespace {

// What a file system answers for one folder, which a handle points at: its
// 128-bit id when it gives one (not Windows 7), and its 64-bit index.
struct Answer {
    bool full;
    BYTE idHigh;  // in the half of the 128-bit id that the index has no room for
    DWORD index;
};

BOOL WINAPI FullId(HANDLE file, FILE_INFO_BY_HANDLE_CLASS infoClass, LPVOID info, DWORD size)
{
    const Answer& answer = *static_cast<const Answer*>(file);
    if (infoClass != kFileIdInfo || size != sizeof(FileIdInformation) || !answer.full) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto& id = *static_cast<FileIdInformation*>(info);
    id = FileIdInformation{0x1122334455667788ull, {}};
    id.fileId[15] = answer.idHigh;
    return TRUE;
}

BOOL WINAPI Index(HANDLE file, LPBY_HANDLE_FILE_INFORMATION info)
{
    *info = BY_HANDLE_FILE_INFORMATION{};
    info->dwVolumeSerialNumber = 0x55667788;
    info->nFileIndexLow = static_cast<const Answer*>(file)->index;
    return TRUE;
}

TEST(FileIdTest, FoldersAreToldApartByTheFullIdWhereTheFileSystemGivesOne)
{
    const StandInCalls<FileIdCalls> calls({FullId, Index});
    struct {
        const char* what;
        Answer a, b;
        bool same;
    } cases[] = {
        {"ReFS, one 64-bit index for two folders", {true, 1, 7}, {true, 2, 7}, false},
        {"ReFS, one folder", {true, 1, 7}, {true, 1, 7}, true},
        {"Windows 7, one folder", {false, 0, 7}, {false, 0, 7}, true},
        {"Windows 7, two folders", {false, 0, 7}, {false, 0, 8}, false},
    };
    for (auto& c : cases) {
        FileId a, b;
        ASSERT_TRUE(ReadFileId(&c.a, a) && ReadFileId(&c.b, b)) << c.what;
        EXPECT_EQ(a == b, c.same) << c.what;
    }
}

}  // namespace
