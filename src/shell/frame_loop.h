// A loop of precomputed frames of one size, shown in turn at one place of a window's surface, with
// cells of the shown frame highlighted on request.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "raster/canvas.h"
#include "shell/packed.h"

namespace orb {

// A picture of width x height filled with `fill`, whose canvas draws with a `pen` pen.
raster::Bitmap makeFrame(int width, int height, raster::Color fill, raster::Color pen);

class FrameLoop {
public:
    // `count` frames made by makeFrame; the loop starts at frame 0.
    void create(int count, int width, int height, raster::Color fill, raster::Color pen);
    void release();

    int count() const { return static_cast<int>(frames_.size()); }
    // A frame (unpacking the loop if it is packed).
    raster::Bitmap& operator[](int i)
    {
        unpack();
        return frames_.at(static_cast<std::size_t>(i));
    }
    const raster::Bitmap& operator[](int i) const
    {
        unpack();
        return frames_.at(static_cast<std::size_t>(i));
    }
    // While the window is not active its frames may be kept packed; any use unpacks them, with
    // the same pixels.
    void pack();
    void unpack() const;
    int index() const { return index_; }   // the frame shown next
    void rewind() { index_ = 0; }
    std::size_t bytes() const;

    // One tick: draws the frame shown next at `at` on `surface`; then, around each point of
    // `highlights` (in frame coordinates), fills with the surface's brush in border mode up to
    // `border`, on the frame's part of the surface only, so that a cell left open by the frame's
    // edge never floods the rest of the window (a point outside the frame fills nothing); then,
    // unless paused, moves on to the next frame, from the last one back to the first.
    void tick(raster::Canvas& surface, raster::Point at, std::span<const raster::Point> highlights,
              raster::Color border, bool paused);

private:
    mutable std::vector<raster::Bitmap> frames_;
    mutable std::vector<PackedPicture> packed_;   // empty, or one for each frame
    int index_ = 0;
};

}  // namespace orb
