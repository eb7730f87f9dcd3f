// The wipe of growing vertical strips between two views of one scene.
#include "shell/strip_wipe.h"

#include <algorithm>

namespace orb {

void composeStripWipe(raster::Bitmap& frame, const raster::Bitmap& leaving,
                      const raster::Bitmap& target, int strip, int lastStrip, int width, int height)
{
    frame.canvas().draw(0, 0, leaving);
    copyStrips(frame, target, strip, lastStrip, width, height);
}

void copyStrips(raster::Bitmap& leaving, const raster::Bitmap& target, int strip, int lastStrip,
                int width, int height)
{
    raster::Canvas& c = leaving.canvas();
    for (int j = 0; j <= lastStrip; ++j) {
        // Strip j of the target view: from x = j strip, `width` pixels wide. The canvas copies
        // only the pixels that lie in both pictures.
        const raster::Rect r{j * strip, 0, j * strip + width, height};
        c.copyRect(r, target.canvas(), r);
    }
}

bool stripWipeTick(raster::Bitmap& frame, const raster::Bitmap& leaving, const raster::Bitmap& target,
                   int strip, int lastStrip, int step, int height)
{
    if (strip <= step)
        return true;
    composeStripWipe(frame, leaving, target, strip, lastStrip, step, height);
    return false;
}

void stripWipeGrowth(std::vector<raster::Rect>& out, int strip, int lastStrip, int from, int to,
                     int height)
{
    if (to <= from)
        return;
    for (int j = 0; j <= lastStrip; ++j)
        out.push_back({j * strip + from, 0, j * strip + to, height});
}

void recomposeStripWipe(raster::Bitmap& frame, const raster::Bitmap& leaving,
                        const raster::Bitmap& target, int strip, int lastStrip, int width,
                        std::span<const raster::Rect> rects)
{
    raster::Canvas& c = frame.canvas();
    const int h = frame.height();
    for (const raster::Rect& given : rects) {
        const raster::Rect r{std::max(given.left, 0), std::max(given.top, 0),
                             std::min(given.right, frame.width()), std::min(given.bottom, h)};
        if (r.left >= r.right || r.top >= r.bottom)
            continue;
        c.copyRect(r, leaving.canvas(), r);
        if (strip <= 0 || width <= 0)
            continue;
        // The strips that meet the rectangle: j strip <= x < j strip + width.
        for (int j = std::max(0, (r.left - width + 1) / strip); j <= lastStrip && j * strip < r.right; ++j) {
            const raster::Rect part{std::max(r.left, j * strip), r.top,
                                    std::min(r.right, j * strip + width), r.bottom};
            if (part.left < part.right)
                c.copyRect(part, target.canvas(), part);
        }
    }
}

void copyStrip(raster::Bitmap& leaving, const raster::Bitmap& target, int x1, int x2)
{
    const raster::Rect r{std::min(x1, x2), 0, std::max(x1, x2), leaving.height()};
    leaving.canvas().copyRect(r, target.canvas(), r);
}

}  // namespace orb
