// What the seismic-wave tests check on a picture: its colours, whether two pictures are the
// same, where a colour lies, and whether a fill stayed between the rows of its outline.
#pragma once

#include <algorithm>

#include "raster/canvas.h"

namespace waves {

constexpr raster::Color kRed = raster::rgb(255, 0, 0);
constexpr raster::Color kDarkRed = raster::rgb(128, 0, 0);
constexpr raster::Color kBlack = raster::rgb(0, 0, 0);
constexpr raster::Color kWhite = raster::rgb(255, 255, 255);

// Two bitmaps' canvases of one size.
inline bool samePixels(const raster::Canvas& a, const raster::Canvas& b)
{
    return std::equal(a.bits(), a.bits() + a.stride() * a.height(), b.bits());
}

// The box around the pixels of one colour, and their number.
struct Box { int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0; };
inline Box box(const raster::Canvas& c, raster::Color colour)
{
    Box b;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.pixel(x, y) == colour)
                b = {std::min(b.left, x), std::min(b.top, y), std::max(b.right, x), y, b.count + 1};
    return b;
}

}  // namespace waves
