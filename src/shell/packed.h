// A picture kept as runs of one colour along its rows while it is not in use: the program's
// pictures are mostly flat colours, so a window that is not active holds a small part of the
// bytes of its pictures, and gets them back, pixel for pixel, when it is active again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "raster/canvas.h"

namespace orb {

class PackedPicture {
public:
    // Packs `bitmap` and frees its pixels (its canvas keeps its pen, brush and font). A bitmap
    // that runs would not shrink to at most half its bytes, or that holds no pixels, is left as
    // it is: false.
    bool pack(raster::Bitmap& bitmap);
    // Gives `bitmap` back the pixels it had when packed; nothing when this holds none.
    void unpack(raster::Bitmap& bitmap);
    bool packed() const { return width_ > 0; }
    int width() const { return width_; }
    int height() const { return height_; }
    // The pixels of `r` (within the picture) into `out`, `stride` pixels a row, r's top-left
    // corner at out[0].
    void copyTo(const raster::Rect& r, std::uint32_t* out, int stride) const;
    std::size_t bytes() const { return (runs_.capacity() + rowStart_.capacity()) * sizeof(std::uint32_t); }

private:
    std::vector<std::uint32_t> runs_;       // (length, colour) pairs, row after row
    std::vector<std::uint32_t> rowStart_;   // each row's first pair in runs_, and the end
    int width_ = 0;
    int height_ = 0;
};

}  // namespace orb
