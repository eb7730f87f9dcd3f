// Small helpers for the canvas tests: bitmaps, pixel sets, windows and a reference flood fill.
#pragma once

#include "raster/canvas.h"

#include <algorithm>
#include <deque>
#include <set>
#include <utility>
#include <vector>

namespace canvas_test {

using raster::Bitmap;
using raster::Canvas;
using raster::Color;
using raster::rgb;

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlack = 0x000000;
constexpr Color kRed = 0xFF0000;
constexpr Color kGreen = 0x00FF00;
constexpr Color kBlue = 0x0000FF;

// A bitmap of the given size filled with `background`.
inline Bitmap makeBitmap(int w, int h, Color background = kWhite)
{
    Bitmap b;
    b.canvas().brush.color = background;
    b.setSize(w, h);
    return b;
}

using PixelSet = std::set<std::pair<int, int>>;

// The pixels of the given colour or, with `equal` false, of any other colour.
inline PixelSet pixelsOf(const Bitmap& b, Color c, bool equal = true)
{
    PixelSet out;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if ((b.canvas().pixel(x, y) == c) == equal)
                out.insert({x, y});
    return out;
}

inline int count(const Bitmap& b, Color c)
{
    int n = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            n += b.canvas().pixel(x, y) == c;
    return n;
}

inline std::vector<Color> snapshot(const Bitmap& b)
{
    std::vector<Color> out;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            out.push_back(b.canvas().pixel(x, y));
    return out;
}

// Do the pixels of `small` equal those of `large` at offset (dx, dy)?
inline bool sameWindow(const Bitmap& small, const Bitmap& large, int dx, int dy)
{
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            if (small.canvas().pixel(x, y) != large.canvas().pixel(x + dx, y + dy))
                return false;
    return true;
}

// The bounding box of a pixel set.
struct Extent {
    int minX, minY, maxX, maxY;
};
inline Extent extentOf(const PixelSet& s)
{
    Extent e{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
    for (const auto& [x, y] : s)
        e = {std::min(e.minX, x), std::min(e.minY, y), std::max(e.maxX, x), std::max(e.maxY, y)};
    return e;
}

// A plain breadth-first 4-connected fill, pixel by pixel: the reference the canvas's span
// fill is checked against. Returns the pixels the fill should repaint.
inline PixelSet referenceRegion(const Bitmap& b, int sx, int sy, Color c, bool surface)
{
    PixelSet seen;
    auto inRegion = [&](int x, int y) {
        const Color p = b.canvas().pixel(x, y);
        return p != raster::kNoPixel && (surface ? p == c : p != c);
    };
    if (!inRegion(sx, sy))
        return seen;
    std::deque<std::pair<int, int>> queue{{sx, sy}};
    seen.insert({sx, sy});
    while (!queue.empty()) {
        const auto [x, y] = queue.front();
        queue.pop_front();
        for (const auto& [nx, ny] : {std::pair{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}})
            if (inRegion(nx, ny) && seen.insert({nx, ny}).second)
                queue.push_back({nx, ny});
    }
    return seen;
}

}  // namespace canvas_test
