// The part of a picture that one drawing step touched.
#include "shell/damage.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

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

void RowDamage::addSpan(int y, int left, int right)
{
    if (y < 0 || y >= static_cast<int>(spans_.size()) || left >= right)
        return;
    Span& s = spans_[static_cast<std::size_t>(y)];
    if (s.left >= s.right)
        s = {left, right};
    else
        s = {std::min(s.left, left), std::max(s.right, right)};
}

void RowDamage::add(int x1, int y1, int x2, int y2)
{
    const int top = std::max(std::min(y1, y2), 0);
    const int bottom = std::min(std::max(y1, y2), static_cast<int>(spans_.size()));
    for (int y = top; y < bottom; ++y)
        addSpan(y, std::min(x1, x2), std::max(x1, x2));
}

void RowDamage::addPoints(std::span<const raster::Point> points, int penWidth)
{
    DamageBox box;
    box.addPoints(points, penWidth);
    if (!box.empty())
        add(box.rect().left, box.rect().top, box.rect().right, box.rect().bottom);
}

void RowDamage::addLine(raster::Point from, raster::Point to, int penWidth)
{
    const int m = reach(penWidth);
    const int left = moved(std::min(from.x, to.x), -m);
    const int right = moved(std::max(from.x, to.x), m + 1);
    if (from.y == to.y || std::abs(static_cast<long long>(to.x) - from.x) <= 2) {
        add(left, moved(std::min(from.y, to.y), -m), right, moved(std::max(from.y, to.y), m + 1));
        return;
    }
    // On row y the line's pixels lie where its centre line runs within a pixel of the row (and
    // within the pen's reach of it), give or take a pixel for the rasteriser's rounding.
    const double slope = (static_cast<double>(to.x) - from.x) / (static_cast<double>(to.y) - from.y);
    const int top = std::max(moved(std::min(from.y, to.y), -m), 0);
    const int bottom = std::min(moved(std::max(from.y, to.y), m + 1), static_cast<int>(spans_.size()));
    const double spread = std::abs(slope) * (1 + m) + m + 1;
    for (int y = top; y < bottom; ++y) {
        const double x = from.x + (y - from.y) * slope;
        addSpan(y, std::max(left, static_cast<int>(std::floor(x - spread)) - 1),
                std::min(right, static_cast<int>(std::ceil(x + spread)) + 2));
    }
}

void RowDamage::add(const RowDamage& other)
{
    const std::size_t n = std::min(spans_.size(), other.spans_.size());
    for (std::size_t y = 0; y < n; ++y)
        addSpan(static_cast<int>(y), other.spans_[y].left, other.spans_[y].right);
}

void RowDamage::clear() { std::fill(spans_.begin(), spans_.end(), Span{}); }

void RowDamage::copy(raster::Canvas& surface, raster::Point at, const raster::Bitmap& picture) const
{
    const int rows = std::min(static_cast<int>(spans_.size()), picture.height());
    for (int y = 0; y < rows; ++y) {
        const Span& s = spans_[static_cast<std::size_t>(y)];
        const int left = std::max(s.left, 0), right = std::min(s.right, picture.width());
        if (left < right)
            surface.copyRect({left + at.x, y + at.y, right + at.x, y + 1 + at.y}, picture.canvas(),
                             {left, y, right, y + 1});
    }
}

void DamageCanvas::lineTo(int x, int y)
{
    const raster::Point ends[2] = {canvas_.penPos(), {x, y}};
    if (box_)
        box_->addPoints(ends, canvas_.pen.width);
    if (rows_)
        rows_->addLine(ends[0], ends[1], canvas_.pen.width);
    canvas_.lineTo(x, y);
}

void DamageCanvas::ellipse(int x1, int y1, int x2, int y2)
{
    const int m = reach(canvas_.pen.width);
    const int l = moved(std::min(x1, x2), -m), t = moved(std::min(y1, y2), -m);
    const int r = moved(std::max(x1, x2), m), b = moved(std::max(y1, y2), m);
    if (box_)
        box_->add(l, t, r, b);
    if (rows_)
        rows_->add(l, t, r, b);
    canvas_.ellipse(x1, y1, x2, y2);
}

void DamageCanvas::polygon(std::span<const raster::Point> points)
{
    if (box_)
        box_->addPoints(points, canvas_.pen.width);
    if (rows_)
        rows_->addPoints(points, canvas_.pen.width);
    canvas_.polygon(points);
}

void DamageCanvas::polyline(std::span<const raster::Point> points)
{
    if (box_)
        box_->addPoints(points, canvas_.pen.width);
    if (rows_)
        for (std::size_t i = 1; i < points.size(); ++i)
            rows_->addLine(points[i - 1], points[i], canvas_.pen.width);
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
