// A saved patch of background under a moving body.
#include "shell/patch.h"

namespace orb {

void SavedPatch::create(int width, int height, raster::Color fill)
{
    bitmap_ = raster::Bitmap();
    bitmap_.canvas().brush.color = fill;
    bitmap_.setSize(width, height);
    taken_ = false;
}

void SavedPatch::release()
{
    bitmap_ = raster::Bitmap();
    taken_ = false;
}

void SavedPatch::take(const raster::Canvas& source, const raster::Rect& from)
{
    take(source, from, {0, 0, bitmap_.width(), bitmap_.height()});
}

void SavedPatch::take(const raster::Canvas& source, const raster::Rect& from, const raster::Rect& into)
{
    bitmap_.canvas().copyRect(into, source, from);
    rect_ = from;
    into_ = into;
    taken_ = true;
}

void SavedPatch::restore(raster::Canvas& destination) const
{
    if (!taken_)
        return;
    destination.copyRect(rect_, bitmap_.canvas(), into_);
}

}  // namespace orb
