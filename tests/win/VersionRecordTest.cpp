#include "platform/WideText.h"
#include "resources/maker.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

// The resources are linked into this test program as into the product, so the
// program's own version record is read back from the running executable.
namespace {

std::vector<char> OwnVersionRecord()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    std::vector<char> record(size);
    if (size == 0 || !GetFileVersionInfoW(path, 0, size, record.data())) return {};
    return record;
}

class VersionRecordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        record_ = OwnVersionRecord();
        ASSERT_FALSE(record_.empty());
    }

    // The value at path in the record, or nullptr; length gets its size.
    template <class T> const T* Query(const std::string& path, UINT* length = nullptr)
    {
        void* value = nullptr;
        UINT size = 0;
        if (!VerQueryValueW(record_.data(), Widen(path).c_str(), &value, &size)) value = nullptr;
        if (length) *length = size;
        return static_cast<const T*>(value);
    }

    std::vector<char> record_;
};

TEST_F(VersionRecordTest, FixedVersionIs2000)
{
    UINT length = 0;
    const auto* fixed = Query<VS_FIXEDFILEINFO>("\\", &length);
    ASSERT_NE(fixed, nullptr);
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00020000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(VersionRecordTest, TranslationIsChinesePrcCodePage936)
{
    UINT length = 0;
    const auto* pair = Query<WORD>("\\VarFileInfo\\Translation", &length);
    ASSERT_NE(pair, nullptr);
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(pair[0], 0x0804);
    EXPECT_EQ(pair[1], 936);
}

TEST_F(VersionRecordTest, TextsReadBackInGbk)
{
    const struct {
        const char* name;
        const char* expected;
    } entries[] = {
        {"ProductName", "Brisel批量文件更改器"},
        {"ProductVersion", "2.0.0.0"},
        {"FileVersion", "2.0.0.0"},
        {"CompanyName", BRISEL_MAKER_NAME},
        {"LegalTrademarks", BRISEL_MAKER_NAME},
        {"LegalCopyright", BRISEL_COPYRIGHT},
        {"Comments", BRISEL_CONTACT},
        {"InternalName", "Brisel.exe"},
        {"OriginalFilename", "Brisel.exe"},
    };
    for (const auto& entry : entries) {
        const auto* text = Query<wchar_t>(std::string("\\StringFileInfo\\080403A8\\") + entry.name);
        EXPECT_EQ(text ? Narrow(text) : "(none)", entry.expected) << entry.name;
    }
}

}  // namespace
