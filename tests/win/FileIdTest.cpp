#include "platform/FileId.h"

#include "StandInCalls.h"
#include "platform/FileIdCalls.h"

#include <gtest/gtest.h>

// What a file system answers for the folder a handle points at: a 128-bit id
// unless it gives none (Windows 7), and the 64-bit index.
struct FolderAnswer {
    bool full;
    BYTE idHigh;  // where the 64-bit index has no room
    DWORD index;
};

TEST(FileIdTest, FoldersAreToldApartByTheFullIdWhereTheFileSystemGivesOne)
{
    const StandInCalls<FileIdCalls> calls(
        {[](HANDLE file, FILE_INFO_BY_HANDLE_CLASS infoClass, LPVOID info, DWORD) -> BOOL {
             const auto& answer = *static_cast<const FolderAnswer*>(file);
             if (infoClass != kFileIdInfo || !answer.full) return FALSE;
             *static_cast<FileIdInformation*>(info) = FileIdInformation{1, {}};
             static_cast<FileIdInformation*>(info)->fileId[15] = answer.idHigh;
             return TRUE;
         },
         [](HANDLE file, LPBY_HANDLE_FILE_INFORMATION info) -> BOOL {
             *info = BY_HANDLE_FILE_INFORMATION{};
             info->nFileIndexLow = static_cast<const FolderAnswer*>(file)->index;
             return TRUE;
         }});
    struct {
        FolderAnswer a, b;
        bool same;
    } cases[] = {
        {{true, 1, 7}, {true, 2, 7}, false},  // ReFS: one 64-bit index for two folders
        {{true, 1, 7}, {true, 1, 7}, true},
        {{false, 0, 7}, {false, 0, 7}, true},  // Windows 7: by the index
        {{false, 0, 7}, {false, 0, 8}, false},
    };
    for (auto& c : cases) {
        FileId a, b;
        ASSERT_TRUE(ReadFileId(&c.a, a) && ReadFileId(&c.b, b));
        EXPECT_EQ(a == b, c.same) << c.a.full << " " << c.b.index;
    }
}
