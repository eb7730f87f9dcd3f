// The runs of pixels in which two pictures differ, and their copy onto a surface.
#include "shell/frame_changes.h"

#include <algorithm>
#include <cstring>

namespace orb {

void FrameChanges::compare(const raster::Bitmap& a, const raster::Bitmap& b)
{
    runs_.clear();
    if (a.width() != b.width() || a.height() != b.height())
        return;
    const raster::Canvas& ca = a.canvas();
    const raster::Canvas& cb = b.canvas();
    const int w = a.width();
    for (int y = 0; y < a.height(); ++y) {
        const std::uint32_t* ra = ca.bits() + static_cast<std::size_t>(y) * static_cast<std::size_t>(ca.stride());
        const std::uint32_t* rb = cb.bits() + static_cast<std::size_t>(y) * static_cast<std::size_t>(cb.stride());
        // Equal rows are the rule: skip them whole.
        if (std::memcmp(ra, rb, static_cast<std::size_t>(w) * sizeof *ra) == 0)
            continue;
        int x = 0;
        while (x < w) {
            while (x < w && ra[x] == rb[x])
                ++x;
            const int x0 = x;
            while (x < w && ra[x] != rb[x])
                ++x;
            if (x > x0)
                runs_.push_back({y, x0, x});
        }
    }
}

void FrameChanges::apply(raster::Canvas& surface, raster::Point at, const raster::Bitmap& to) const
{
    const raster::Canvas& src = to.canvas();
    if (!surface.bits() || !src.bits())
        return;
    for (const Run& r : runs_) {
        const long long y = static_cast<long long>(at.y) + r.y;
        if (y < 0 || y >= surface.height() || r.y >= to.height())
            continue;
        const long long x0 = std::max<long long>(static_cast<long long>(at.x) + r.x0, 0);
        const long long x1 = std::min<long long>(static_cast<long long>(at.x) + std::min(r.x1, to.width()),
                                                 surface.width());
        if (x0 >= x1)
            continue;
        std::memcpy(surface.bits() + y * surface.stride() + x0,
                    src.bits() + static_cast<long long>(r.y) * src.stride() + (x0 - at.x),
                    static_cast<std::size_t>(x1 - x0) * sizeof(std::uint32_t));
    }
}

}  // namespace orb
