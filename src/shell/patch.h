// A saved patch of background: the rectangle under a moving body, kept so that the next tick can
// put the background back before the body is drawn elsewhere.
#pragma once

#include "raster/canvas.h"

namespace orb {

class SavedPatch {
public:
    // The patch bitmap has a fixed size; its brush colour fills it at creation.
    void create(int width, int height, raster::Color fill = raster::rgb(0, 0, 0));
    void release();
    // Copies rectangle `from` of `source` into the whole patch (scaled if the sizes differ) and
    // remembers where it came from.
    void take(const raster::Canvas& source, const raster::Rect& from);
    // The same into rectangle `into` of the patch bitmap only, for a patch bitmap larger than
    // what it keeps; restore copies that rectangle back.
    void take(const raster::Canvas& source, const raster::Rect& from, const raster::Rect& into);
    // Copies the patch back to where it was taken; does nothing before the first take.
    void restore(raster::Canvas& destination) const;
    bool taken() const { return taken_; }
    const raster::Rect& rect() const { return rect_; }
    raster::Bitmap& bitmap() { return bitmap_; }
    std::size_t bytes() const { return bitmap_.bytes(); }

private:
    raster::Bitmap bitmap_;
    raster::Rect rect_{0, 0, 0, 0};
    raster::Rect into_{0, 0, 0, 0};
    bool taken_ = false;
};

}  // namespace orb
