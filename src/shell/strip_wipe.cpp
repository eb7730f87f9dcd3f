// The wipe of growing vertical strips between two views of one scene.
#include "shell/strip_wipe.h"

namespace orb {

void composeStripWipe(raster::Bitmap& frame, const raster::Bitmap& leaving,
                      const raster::Bitmap& target, int strip, int lastStrip, int width, int height)
{
    raster::Canvas& c = frame.canvas();
    c.draw(0, 0, leaving);
    for (int j = 0; j <= lastStrip; ++j) {
        // Strip j of the target view: from x = j strip, `width` pixels wide.
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

}  // namespace orb
