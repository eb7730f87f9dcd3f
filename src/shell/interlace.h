// The interlaced dissolve that switches a window between two views of one scene, a few rows of
// the new view at a time.
#pragma once

#include "raster/canvas.h"

namespace orb {

// One step of the dissolve: for b = 0 .. height div spacing, row (b+1)·spacing − 1 of `target`
// is copied onto the same row of `frame`, in the frame canvas's copy mode, `width` pixels wide.
// A spacing of 1 copies every row; a spacing below 1 copies nothing.
void copyInterlacedRows(raster::Canvas& frame, const raster::Canvas& target, int spacing, int width,
                        int height);

}  // namespace orb
