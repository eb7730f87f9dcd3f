// A picture kept as runs of one colour along its rows while it is not in use.
#include "shell/packed.h"

#include <algorithm>

namespace orb {

bool PackedPicture::pack(raster::Bitmap& bitmap)
{
    const raster::Canvas& c = bitmap.canvas();
    const int w = c.width(), h = c.height();
    if (w <= 0 || h <= 0)
        return false;
    // At most half the bytes: a quarter of the pixels as (length, colour) pairs.
    const std::size_t limit = static_cast<std::size_t>(w) * static_cast<std::size_t>(h) / 2;
    std::vector<std::uint32_t> runs;
    std::vector<std::uint32_t> rowStart;
    rowStart.reserve(static_cast<std::size_t>(h) + 1);
    for (int y = 0; y < h; ++y) {
        rowStart.push_back(static_cast<std::uint32_t>(runs.size()));
        const std::uint32_t* row = c.bits() + static_cast<std::ptrdiff_t>(y) * c.stride();
        for (int x = 0; x < w;) {
            const std::uint32_t colour = row[x];
            int end = x + 1;
            while (end < w && row[end] == colour)
                ++end;
            runs.push_back(static_cast<std::uint32_t>(end - x));
            runs.push_back(colour);
            x = end;
        }
        if (runs.size() > limit)
            return false;
    }
    rowStart.push_back(static_cast<std::uint32_t>(runs.size()));
    runs.shrink_to_fit();
    runs_ = std::move(runs);
    rowStart_ = std::move(rowStart);
    width_ = w;
    height_ = h;
    bitmap.setSize(0, 0);
    return true;
}

void PackedPicture::copyTo(const raster::Rect& r, std::uint32_t* out, int stride) const
{
    const int left = std::max(r.left, 0), right = std::min(r.right, width_);
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, height_); ++y) {
        std::uint32_t* row = out + static_cast<std::ptrdiff_t>(y - r.top) * stride;   // column r.left
        int x = 0;
        for (std::uint32_t i = rowStart_[static_cast<std::size_t>(y)];
             i < rowStart_[static_cast<std::size_t>(y) + 1] && x < right; i += 2) {
            const int end = x + static_cast<int>(runs_[i]);
            if (end > left)
                std::fill(row + (std::max(x, left) - r.left), row + (std::min(end, right) - r.left), runs_[i + 1]);
            x = end;
        }
    }
}

void PackedPicture::unpack(raster::Bitmap& bitmap)
{
    if (!packed())
        return;
    bitmap.setSize(width_, height_);
    raster::Canvas& c = bitmap.canvas();
    copyTo({0, 0, width_, height_}, c.bits(), c.stride());
    runs_ = {};
    rowStart_ = {};
    width_ = height_ = 0;
}

}  // namespace orb
