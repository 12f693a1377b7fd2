// Decoding a JPEG held in memory (the about dialog's logo) into 24-bit pixels.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

struct JpegPixels {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bgr;  // top-down rows, 3 bytes per pixel (B, G, R), row stride width * 3
};

// Decodes the whole picture at full size. On failure returns false, leaves `out`
// empty and puts libjpeg's message into *error when given. Damaged or truncated
// data is a failure, even where libjpeg would go on with a warning.
bool DecodeJpeg(const unsigned char* data, size_t size, JpegPixels& out, std::string* error = nullptr);

// A 24-bit top-down DIB section holding the pixels, owned by the caller
// (DeleteObject); nullptr for an empty or inconsistent picture.
HBITMAP CreateDibFromPixels(const JpegPixels& pixels);
