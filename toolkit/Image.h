// A windowless picture: a JPEG decoded at full size, drawn centred; with
// AutoSize (the default) the control takes the picture's size.
#pragma once

#include "toolkit/Control.h"
#include "toolkit/JpegDecoder.h"

#include <cstddef>

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);

    // False, with the old picture kept, when the data is missing or no JPEG.
    bool LoadJpeg(const unsigned char* data, size_t size);
    // An RCDATA resource of the program.
    bool LoadJpegResource(const char* name);

    int PictureWidth() const { return pixels_.width; }
    int PictureHeight() const { return pixels_.height; }
    const JpegPixels& Pixels() const { return pixels_; }
    HBITMAP Bitmap() const { return bitmap_.get(); }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

protected:
    void Paint() override;

private:
    void FitToPicture();

    JpegPixels pixels_;
    OwnedGdiObject<HBITMAP> bitmap_;
    bool autoSize_ = true;
};
