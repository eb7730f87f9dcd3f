// Flood fill: an iterative 4-connected span fill with an explicit stack of row segments.
#include "raster/detail.h"

#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace raster {
namespace detail {
namespace {

// Which pixels make up the region being filled:
// - Surface: the pixels of the given colour. Filled pixels take the brush colour, which then
//   differs from it (a brush of that very colour changes nothing and is never filled).
// - Border: the pixels that are not the given colour, when the brush is that colour, so that
//   filled pixels leave the region by themselves.
// - Visited: the pixels that are not the given colour and not yet filled, as remembered in a
//   bit per pixel; for a border fill whose brush differs from the border colour.
enum class Mode { Surface, Border, Visited };

class Region {
public:
    Region(Mode mode, std::uint32_t colour, const Target& t) : mode_(mode), colour_(colour)
    {
        if (mode == Mode::Visited) {
            // Four spare bytes a row, so that 32-bit reads at the row's last bits stay inside.
            bytesPerRow_ = static_cast<std::size_t>((t.w + 7) / 8 + 4);
            bits_.assign(bytesPerRow_ * static_cast<std::size_t>(t.h), 0);
        }
    }

    void setRow(i64 y)
    {
        if (mode_ == Mode::Visited)
            rowBits_ = bits_.data() + static_cast<std::size_t>(y) * bytesPerRow_;
    }

    template <Mode M>
    bool in(const std::uint32_t* row, int x) const
    {
        const std::uint32_t p = row[x];
        if constexpr (M == Mode::Surface)
            return p == colour_;
        else if constexpr (M == Mode::Border)
            return p != colour_;
        else
            return p != colour_ && !((rowBits_[x >> 3] >> (x & 7)) & 1u);
    }

    // Are the 16 pixels from x on all in the region?
    template <Mode M>
    bool block(const std::uint32_t* row, int x) const
    {
        if constexpr (M == Mode::Visited) {
            if (bits16(x) != 0)
                return false;
        }
#if defined(__SSE2__)
        const std::uint32_t* p = row + x;
        const __m128i c = _mm_set1_epi32(static_cast<int>(colour_));
        const __m128i e0 = _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), c);
        const __m128i e1 =
            _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4)), c);
        const __m128i e2 =
            _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 8)), c);
        const __m128i e3 =
            _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 12)), c);
        if constexpr (M == Mode::Surface) {
            const __m128i all = _mm_and_si128(_mm_and_si128(e0, e1), _mm_and_si128(e2, e3));
            return _mm_movemask_epi8(all) == 0xFFFF;
        } else {
            const __m128i any = _mm_or_si128(_mm_or_si128(e0, e1), _mm_or_si128(e2, e3));
            return _mm_movemask_epi8(any) == 0;
        }
#else
        for (int k = 0; k < 16; ++k) {
            const bool same = row[x + k] == colour_;
            if (same != (M == Mode::Surface))
                return false;
        }
        return true;
#endif
    }

    // Remembers pixels x0..x1-1 of the current row as filled.
    void visit(int x0, int x1)
    {
        if (mode_ != Mode::Visited || x0 >= x1)
            return;
        std::uint8_t* b = rowBits_;
        while (x0 < x1 && (x0 & 7)) {
            b[x0 >> 3] |= static_cast<std::uint8_t>(1u << (x0 & 7));
            ++x0;
        }
        if (x1 - x0 >= 8) {
            std::memset(b + (x0 >> 3), 0xFF, static_cast<std::size_t>((x1 - x0) >> 3));
            x0 += (x1 - x0) & ~7;
        }
        for (; x0 < x1; ++x0)
            b[x0 >> 3] |= static_cast<std::uint8_t>(1u << (x0 & 7));
    }

private:
    std::uint32_t bits16(int x) const
    {
        std::uint32_t v;
        std::memcpy(&v, rowBits_ + (x >> 3), sizeof v);
        return (v >> (x & 7)) & 0xFFFFu;
    }

    Mode mode_;
    std::uint32_t colour_;
    std::vector<std::uint8_t> bits_;
    std::size_t bytesPerRow_ = 0;
    std::uint8_t* rowBits_ = nullptr;
};

// A segment of row `parent` (x from xl to xr) that was filled; the row parent + dy next to it
// is still to be explored.
struct Segment {
    int parent;
    int xl;
    int xr;
    int dy;
};

// Paints the pixels from `from` rightwards (before `to`) while they are in the region and
// returns the first x that is not; sixteen pixels are tested and painted at a time.
template <Mode M>
int paintRight(const Region& region, std::uint32_t* row, int from, int to, std::uint32_t paint)
{
    int x = from;
    while (x + 16 <= to && region.block<M>(row, x)) {
        for (int k = 0; k < 16; ++k)
            row[x + k] = paint;
        x += 16;
    }
    while (x < to && region.in<M>(row, x))
        row[x++] = paint;
    return x;
}

// The Heckbert seed fill: each popped segment's neighbour row is scanned from the segment's
// left end, leftwards and then rightwards in runs; every run found is filled and pushed for
// the row beyond, and the parts of a run that stick out past the parent segment are pushed
// back towards the parent's row as well. Every pixel is filled once, the stack stays small.
template <Mode M>
void fill(const Target& t, int seedX, int seedY, Region& region, std::uint32_t paint)
{
    const int w = static_cast<int>(t.w);
    const int h = static_cast<int>(t.h);
    std::vector<Segment> stack;
    stack.reserve(256);
    auto push = [&](int parent, int xl, int xr, int dy) {
        const int y = parent + dy;
        if (y >= 0 && y < h)
            stack.push_back(Segment{parent, xl, xr, dy});
    };
    push(seedY, seedX, seedX, 1);
    push(seedY + 1, seedX, seedX, -1);
    while (!stack.empty()) {
        const Segment s = stack.back();
        stack.pop_back();
        const int y = s.parent + s.dy;
        std::uint32_t* row = t.row(y);
        region.setRow(y);
        const int x1 = s.xl;
        const int x2 = s.xr;
        int x = x1;
        while (x >= 0 && region.in<M>(row, x))
            --x;
        int l;
        int start;   // where painting rightwards begins; l..start-1 is painted separately
        if (x < x1) {
            l = x + 1;
            if (l < x1)
                push(y, l, x1 - 1, -s.dy);   // sticks out left of the parent
            start = x1;
        } else {
            // x1 is not in the region: look for the next run under the parent.
            ++x;
            while (x <= x2 && !region.in<M>(row, x))
                ++x;
            if (x > x2)
                continue;
            l = start = x;
        }
        for (;;) {
            x = paintRight<M>(region, row, start, w, paint);
            std::fill(row + l, row + start, paint);
            region.visit(l, x);
            push(y, l, x - 1, s.dy);
            if (x > x2 + 1)
                push(y, x2 + 1, x - 1, -s.dy);   // sticks out right of the parent
            ++x;
            while (x <= x2 && !region.in<M>(row, x))
                ++x;
            if (x > x2)
                break;
            l = start = x;
        }
    }
}

}  // namespace
}  // namespace detail

// Border: the region is everything 4-connected to the seed that is not `color`; surface: that
// is `color`. The region is repainted with the brush.
void Canvas::floodFill(int x, int y, Color color, FillStyle style)
{
    using namespace detail;
    const Target t = targetOf(*this);
    if (t.empty() || !t.contains(x, y))
        return;
    const std::uint32_t colour = color & kColorMask;
    const std::uint32_t paint = brush.color & kColorMask;
    const std::uint32_t seed = t.row(y)[x];
    if (style == FillStyle::Surface) {
        if (seed != colour || paint == colour)
            return;
        Region region(Mode::Surface, colour, t);
        fill<Mode::Surface>(t, x, y, region, paint);
        return;
    }
    if (seed == colour)
        return;
    if (paint == colour) {
        Region region(Mode::Border, colour, t);
        fill<Mode::Border>(t, x, y, region, paint);
        return;
    }
    Region region(Mode::Visited, colour, t);
    fill<Mode::Visited>(t, x, y, region, paint);
}

}  // namespace raster
