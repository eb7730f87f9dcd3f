// The part of a picture that one drawing step touched.
#include "shell/damage.h"

#include <algorithm>
#include <climits>

namespace orb {

namespace {
// v moved by `by`, kept within int.
int moved(int v, int by)
{
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(v) + by, INT_MIN, INT_MAX));
}
// How far past its defining points a pen reaches: a width-1 pen stays inside their box, a wider
// one at most its width further out.
int reach(int penWidth) { return penWidth > 1 ? penWidth : 0; }
}  // namespace

void DamageBox::add(int x1, int y1, int x2, int y2)
{
    const raster::Rect r{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    if (r.left >= r.right || r.top >= r.bottom)
        return;
    if (empty()) {
        box_ = r;
        return;
    }
    box_ = {std::min(box_.left, r.left), std::min(box_.top, r.top), std::max(box_.right, r.right),
            std::max(box_.bottom, r.bottom)};
}

void DamageBox::addPoints(std::span<const raster::Point> points, int penWidth)
{
    if (points.empty())
        return;
    const int m = reach(penWidth);
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const raster::Point& p : points) {
        left = std::min(left, p.x);
        top = std::min(top, p.y);
        right = std::max(right, p.x);
        bottom = std::max(bottom, p.y);
    }
    add(moved(left, -m), moved(top, -m), moved(right, m + 1), moved(bottom, m + 1));
}

void DamageBox::add(const DamageBox& other)
{
    if (!other.empty())
        add(other.box_.left, other.box_.top, other.box_.right, other.box_.bottom);
}

raster::Rect DamageBox::within(const raster::Rect& bounds) const
{
    const raster::Rect r{std::max(box_.left, bounds.left), std::max(box_.top, bounds.top),
                         std::min(box_.right, bounds.right), std::min(box_.bottom, bounds.bottom)};
    if (r.left >= r.right || r.top >= r.bottom)
        return {0, 0, 0, 0};
    return r;
}

void DamageCanvas::lineTo(int x, int y)
{
    const raster::Point ends[2] = {canvas_.penPos(), {x, y}};
    box_.addPoints(ends, canvas_.pen.width);
    canvas_.lineTo(x, y);
}

void DamageCanvas::ellipse(int x1, int y1, int x2, int y2)
{
    const int m = reach(canvas_.pen.width);
    box_.add(moved(std::min(x1, x2), -m), moved(std::min(y1, y2), -m), moved(std::max(x1, x2), m),
             moved(std::max(y1, y2), m));
    canvas_.ellipse(x1, y1, x2, y2);
}

void DamageCanvas::polygon(std::span<const raster::Point> points)
{
    box_.addPoints(points, canvas_.pen.width);
    canvas_.polygon(points);
}

void DamageCanvas::polyline(std::span<const raster::Point> points)
{
    box_.addPoints(points, canvas_.pen.width);
    canvas_.polyline(points);
}

void ShownPicture::show(raster::Canvas& surface, raster::Point at, const raster::Bitmap& picture,
                        std::span<const raster::Rect> changed)
{
    if (shown_ != &picture) {
        surface.draw(at.x, at.y, picture);
        shown_ = &picture;
        return;
    }
    for (const raster::Rect& r : changed)
        surface.copyRect({r.left + at.x, r.top + at.y, r.right + at.x, r.bottom + at.y},
                         picture.canvas(), r);
}

}  // namespace orb
