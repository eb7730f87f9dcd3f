// Helpers shared inside the canvas library: the pixel target, exact wide arithmetic, strokes.
#pragma once

#include "raster/canvas.h"

#include <algorithm>
#include <cstdint>

namespace raster::detail {

__extension__ typedef __int128 i128;
__extension__ typedef unsigned __int128 u128;
using i64 = std::int64_t;
using u64 = std::uint64_t;

constexpr Color kColorMask = 0xFFFFFFu;

// Far beyond any pixel, yet safe to add small numbers to: stands for an unbounded coordinate.
constexpr i64 kFar = i64{1} << 62;

// The pixel block a canvas draws on.
struct Target {
    std::uint32_t* px = nullptr;
    i64 w = 0;
    i64 h = 0;
    i64 stride = 0;

    bool empty() const { return px == nullptr || w <= 0 || h <= 0; }
    std::uint32_t* row(i64 y) const { return px + y * stride; }
    bool contains(i64 x, i64 y) const { return x >= 0 && y >= 0 && x < w && y < h; }
};

inline Target targetOf(Canvas& c)
{
    return Target{c.bits(), c.width(), c.height(), c.stride()};
}

// Sets n pixels from p on to c (with the widest stores the processor has).
void fillPixels(std::uint32_t* p, i64 n, Color c);

// Paints pixels x0..x1 (both included) of row y, clipped to the target.
inline void hspan(const Target& t, i64 y, i64 x0, i64 x1, Color c)
{
    if (y < 0 || y >= t.h)
        return;
    x0 = std::max<i64>(x0, 0);
    x1 = std::min<i64>(x1, t.w - 1);
    if (x0 > x1)
        return;
    fillPixels(t.row(y) + x0, x1 - x0 + 1, c);
}

// Whether a value fits the 64-bit fast path of the divisions below (well inside i64, so that no
// quotient or remainder can overflow).
inline bool fits64(i128 v) { return v > -kFar && v < kFar; }

// Floor and ceiling of a / b for any signs (b != 0). Most operands are small, and a 128-bit
// division costs several times a 64-bit one, so those take the 64-bit path.
inline i128 floorDiv(i128 a, i128 b)
{
    if (fits64(a) && fits64(b)) {
        const i64 x = static_cast<i64>(a);
        const i64 y = static_cast<i64>(b);
        i64 q = x / y;
        if ((x % y != 0) && ((x < 0) != (y < 0)))
            --q;
        return q;
    }
    i128 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}
inline i128 ceilDiv(i128 a, i128 b)
{
    if (fits64(a) && fits64(b)) {
        const i64 x = static_cast<i64>(a);
        const i64 y = static_cast<i64>(b);
        i64 q = x / y;
        if ((x % y != 0) && ((x < 0) == (y < 0)))
            ++q;
        return q;
    }
    i128 q = a / b;
    if ((a % b != 0) && ((a < 0) == (b < 0)))
        ++q;
    return q;
}
inline i64 clampFar(i128 v)
{
    if (v > kFar)
        return kFar;
    if (v < -kFar)
        return -kFar;
    return static_cast<i64>(v);
}

// What a line is drawn with: colour, the colour of dash gaps, width and style.
struct Stroke {
    Color color;
    Color gap;
    int width;
    PenStyle style;
};

inline Stroke strokeOf(const Canvas& c)
{
    return Stroke{c.pen.color & kColorMask, c.brush.color & kColorMask, c.pen.width, c.pen.style};
}

// Draws the segment from (x0, y0) to (x1, y1) with the stroke. A width-1 stroke leaves out the
// end pixel unless lastPixel is set; a wider stroke always covers both ends.
void strokeSegment(const Target& t, const Stroke& s, i64 x0, i64 y0, i64 x1, i64 y1,
                   bool lastPixel);

}  // namespace raster::detail
