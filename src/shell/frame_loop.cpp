// A loop of precomputed frames shown in turn on a window's surface, with highlighted cells.
#include "shell/frame_loop.h"

#include <algorithm>

namespace orb {

raster::Bitmap makeFrame(int width, int height, raster::Color fill, raster::Color pen)
{
    raster::Bitmap frame;
    frame.canvas().brush.color = fill;
    frame.canvas().pen.color = pen;
    frame.setSize(width, height);
    return frame;
}

void FrameLoop::create(int count, int width, int height, raster::Color fill, raster::Color pen)
{
    frames_.clear();
    packed_.clear();
    for (int i = 0; i < count; ++i)
        frames_.push_back(makeFrame(width, height, fill, pen));
    index_ = 0;
}

void FrameLoop::release()
{
    frames_.clear();
    packed_.clear();
    index_ = 0;
}

std::size_t FrameLoop::bytes() const
{
    std::size_t bytes = 0;
    for (const raster::Bitmap& frame : frames_)
        bytes += frame.bytes();
    for (const PackedPicture& p : packed_)
        bytes += p.bytes();
    return bytes;
}

void FrameLoop::pack()
{
    if (!packed_.empty())
        return;
    packed_.resize(frames_.size());
    for (std::size_t i = 0; i < frames_.size(); ++i)
        packed_[i].pack(frames_[i]);   // a frame that runs would not shrink stays as it is
}

void FrameLoop::unpack() const
{
    for (std::size_t i = 0; i < packed_.size(); ++i)
        packed_[i].unpack(frames_[i]);
    packed_.clear();
}

void FrameLoop::tick(raster::Canvas& surface, raster::Point at,
                     std::span<const raster::Point> highlights, raster::Color border, bool paused)
{
    if (frames_.empty())
        return;
    unpack();
    if (index_ < 0 || index_ >= count())
        index_ = 0;
    const raster::Bitmap& frame = frames_[static_cast<std::size_t>(index_)];
    surface.draw(at.x, at.y, frame);

    // The frame's rectangle on the surface, clipped to the surface.
    const int left = std::max(at.x, 0);
    const int top = std::max(at.y, 0);
    const int right = std::min(at.x + frame.width(), surface.width());
    const int bottom = std::min(at.y + frame.height(), surface.height());
    if (!highlights.empty() && right > left && bottom > top) {
        raster::Canvas view;
        view.attach(surface.bits() + static_cast<std::ptrdiff_t>(top) * surface.stride() + left,
                    right - left, bottom - top, surface.stride());
        view.brush = surface.brush;
        for (const raster::Point& p : highlights) {
            if (p.x < 0 || p.y < 0 || p.x >= frame.width() || p.y >= frame.height())
                continue;
            const int x = at.x + p.x - left;
            const int y = at.y + p.y - top;
            if (x < view.width() && y < view.height() && x >= 0 && y >= 0)
                view.floodFill(x, y, border, raster::FillStyle::Border);
        }
    }
    if (!paused)
        index_ = (index_ + 1) % count();
}

}  // namespace orb
