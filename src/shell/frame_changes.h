// The pixels in which two pictures of one size differ, kept as runs along their rows, so that a
// tick that replaces one picture by the other on a surface copies only what changes.
#pragma once

#include <cstddef>
#include <vector>

#include "raster/canvas.h"

namespace orb {

class FrameChanges {
public:
    // Finds the runs of pixels in which `a` and `b` differ (nothing when their sizes differ).
    void compare(const raster::Bitmap& a, const raster::Bitmap& b);
    void release() { runs_.clear(); }
    // Copies the runs of `to` (one of the two pictures compared) into `surface` with the
    // picture's top-left corner at `at`, clipped to the surface. Where the surface showed the
    // other picture there, it then shows `to` exactly as drawing it whole would.
    void apply(raster::Canvas& surface, raster::Point at, const raster::Bitmap& to) const;
    std::size_t bytes() const { return runs_.capacity() * sizeof(Run); }

private:
    struct Run {
        int y, x0, x1;   // row, first pixel, one past the last
    };
    std::vector<Run> runs_;
};

}  // namespace orb
