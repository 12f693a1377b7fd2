#include "toolkit/JpegDecoder.h"

#include <climits>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>

#include <jpeglib.h>

namespace {

// Guards against a small file that declares a huge picture.
constexpr unsigned long long kMaxPixels = 1ull << 24;

// libjpeg's default error handler calls exit(). Ours jumps back into DecodeJpeg;
// only libjpeg's own C frames lie in between, so no C++ destructor is skipped.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    char warning[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo)
{
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings mean damaged data; keep the first one's text instead of printing it.
void OnMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0) return;
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    if (manager->base.num_warnings++ == 0) (*cinfo->err->format_message)(cinfo, manager->warning);
}

bool Fail(std::string* error, const char* text)
{
    if (error) *error = text;
    return false;
}

}  // namespace

bool DecodeJpeg(const unsigned char* data, size_t size, JpegPixels& out, std::string* error)
{
    out = JpegPixels{};
    if (!data || size == 0) return Fail(error, "No JPEG data");
    if (size > ULONG_MAX) return Fail(error, "JPEG data too large");

    jpeg_decompress_struct cinfo;
    ErrorManager manager;
    cinfo.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = OnError;
    manager.base.emit_message = OnMessage;
    manager.message[0] = '\0';
    manager.warning[0] = '\0';
    JpegPixels result;

    if (setjmp(manager.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return Fail(error, manager.message);
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    if (static_cast<unsigned long long>(cinfo.image_width) * cinfo.image_height > kMaxPixels) {
        jpeg_destroy_decompress(&cinfo);
        return Fail(error, "JPEG picture too large");
    }
    cinfo.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&cinfo);

    result.width = static_cast<int>(cinfo.output_width);
    result.height = static_cast<int>(cinfo.output_height);
    const size_t stride = static_cast<size_t>(result.width) * 3;
    try {
        result.bgr.resize(stride * result.height);
    } catch (const std::bad_alloc&) {
        jpeg_destroy_decompress(&cinfo);
        return Fail(error, "Out of memory for the JPEG picture");
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = result.bgr.data() + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    const bool damaged = manager.base.num_warnings > 0;
    jpeg_destroy_decompress(&cinfo);
    if (damaged) return Fail(error, manager.warning);

    out = std::move(result);
    return true;
}

HBITMAP CreateDibFromPixels(const JpegPixels& pixels)
{
    if (pixels.width <= 0 || pixels.height <= 0) return nullptr;
    const size_t srcStride = static_cast<size_t>(pixels.width) * 3;
    if (pixels.bgr.size() != srcStride * pixels.height) return nullptr;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height;  // negative: rows run top-down, as decoded
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) {
        if (bitmap) DeleteObject(bitmap);
        return nullptr;
    }
    // DIB rows are padded to a multiple of 4 bytes.
    const size_t dstStride = (srcStride + 3) & ~size_t{3};
    auto* dst = static_cast<unsigned char*>(bits);
    for (int y = 0; y < pixels.height; ++y)
        std::memcpy(dst + dstStride * y, pixels.bgr.data() + srcStride * y, srcStride);
    return bitmap;
}
