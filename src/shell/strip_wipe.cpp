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

void copyStrip(raster::Bitmap& leaving, const raster::Bitmap& target, int x1, int x2)
{
    const raster::Rect r{std::min(x1, x2), 0, std::max(x1, x2), leaving.height()};
    leaving.canvas().copyRect(r, target.canvas(), r);
}

}  // namespace orb
