// The wipe of growing vertical strips that switches a window between two views of one scene.
#pragma once

#include <span>
#include <vector>

#include "raster/canvas.h"

namespace orb {

// One frame of the wipe while it runs: `leaving` is drawn into `frame` at (0, 0), then, for
// j = 0 .. lastStrip, the rectangle (j strip, 0, j strip + width, height) of `target` is copied
// into the same rectangle of `frame`. Rectangles that reach outside the pictures are clipped.
void composeStripWipe(raster::Bitmap& frame, const raster::Bitmap& leaving,
                      const raster::Bitmap& target, int strip, int lastStrip, int width, int height);

// The wipe's strips laid in place: for j = 0 .. lastStrip, the rectangle (j strip, 0,
// j strip + width, height) of `target` is copied into the same rectangle of `leaving`, which is
// then the picture to show. Whatever of a strip lies outside either picture is left out: the two
// views may differ in size.
void copyStrips(raster::Bitmap& leaving, const raster::Bitmap& target, int strip, int lastStrip,
                int width, int height);

// A tick of a running wipe whose strips grow one pixel a tick up to `strip` pixels: while
// step < strip it composes the frame with strips `step` pixels wide and returns false; once the
// strips are full it leaves the frame as it is and returns true (the wipe ends: the caller shows
// the target view from now on, sets its step to -1 and enables its view button again). The
// caller then shows `frame` and, unless paused, adds 1 to its step.
bool stripWipeTick(raster::Bitmap& frame, const raster::Bitmap& leaving, const raster::Bitmap& target,
                   int strip, int lastStrip, int step, int height);

// A frame kept up to date from tick to tick instead of composed anew: the columns by which the
// strips grow from `from` to `to` pixels wide (0 <= from <= to), one rectangle per strip,
// appended to `out`.
void stripWipeGrowth(std::vector<raster::Rect>& out, int strip, int lastStrip, int from, int to,
                     int height);
// Composes only the rectangles `rects` of `frame` as composeStripWipe would with strips `width`
// wide over the frame's whole height. Where `rects` hold every place in which the views or the strips changed since the frame
// was composed, the frame is then what composing it whole would give.
void recomposeStripWipe(raster::Bitmap& frame, const raster::Bitmap& leaving,
                        const raster::Bitmap& target, int strip, int lastStrip, int width,
                        std::span<const raster::Rect> rects);

// A wipe of one strip that grows over the view being left, in place: the columns between x1 and
// x2 (either order) of `target`, over the whole height, are copied into the same place of
// `leaving`, which is then the picture to show.
void copyStrip(raster::Bitmap& leaving, const raster::Bitmap& target, int x1, int x2);

}  // namespace orb
