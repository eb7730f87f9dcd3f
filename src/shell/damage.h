// The part of a picture that one drawing step touched, so that a picture redrawn on every tick is
// cleared and copied only where it changed, with the same pixels as clearing and copying it all.
#pragma once

#include <algorithm>
#include <span>
#include <vector>

#include "raster/canvas.h"

namespace orb {

// A box that grows to hold every shape added to it (empty at first).
class DamageBox {
public:
    // A box, right column and bottom row excluded, corners in any order.
    void add(int x1, int y1, int x2, int y2);
    // The pixels that lines through these points can reach with a pen `penWidth` wide.
    void addPoints(std::span<const raster::Point> points, int penWidth = 1);
    void add(const DamageBox& other);
    bool empty() const { return box_.left >= box_.right || box_.top >= box_.bottom; }
    const raster::Rect& rect() const { return box_; }
    // The part of the box inside `bounds`: (0, 0, 0, 0) where they do not meet.
    raster::Rect within(const raster::Rect& bounds) const;
    void clear() { box_ = {0, 0, 0, 0}; }

private:
    raster::Rect box_{0, 0, 0, 0};
};

// The part of a picture that one drawing step touched, row by row: on each row, the span from
// the leftmost to the rightmost pixel that a shape can reach there. A slanted line reaches a few
// pixels of each row it crosses, where a box would hold the whole rectangle about it.
class RowDamage {
public:
    struct Span {
        int left = 0, right = 0;   // right excluded; empty when left >= right
    };
    // Rows 0 .. height - 1; what falls on other rows is left out.
    explicit RowDamage(int height = 0) : spans_(static_cast<std::size_t>(std::max(height, 0))) {}
    // A box, right column and bottom row excluded, corners in any order.
    void add(int x1, int y1, int x2, int y2);
    // The box of these points, as a polygon through them with a pen `penWidth` wide can reach.
    void addPoints(std::span<const raster::Point> points, int penWidth = 1);
    // What a line from `from` to `to` with a pen `penWidth` wide can reach on each row.
    void addLine(raster::Point from, raster::Point to, int penWidth = 1);
    void add(const RowDamage& other);
    void clear();
    // Copies the damaged spans of `picture` into `surface`, the picture's top-left corner at `at`.
    void copy(raster::Canvas& surface, raster::Point at, const raster::Bitmap& picture) const;

    // Row y's span; empty outside the rows.
    Span span(int y) const
    {
        return y >= 0 && y < static_cast<int>(spans_.size()) ? spans_[static_cast<std::size_t>(y)] : Span{};
    }

private:
    void addSpan(int y, int left, int right);
    std::vector<Span> spans_;
};

// Draws on a canvas and adds to a damage box, or to a row damage, what each shape can touch.
class DamageCanvas {
public:
    DamageCanvas(raster::Canvas& canvas, DamageBox& box) : canvas_(canvas), box_(&box) {}
    DamageCanvas(raster::Canvas& canvas, RowDamage& rows) : canvas_(canvas), rows_(&rows) {}
    raster::Canvas& canvas() { return canvas_; }   // its pen and brush
    void moveTo(int x, int y) { canvas_.moveTo(x, y); }
    void lineTo(int x, int y);
    void ellipse(int x1, int y1, int x2, int y2);
    void polygon(std::span<const raster::Point> points);
    void polyline(std::span<const raster::Point> points);

private:
    raster::Canvas& canvas_;
    DamageBox* box_ = nullptr;
    RowDamage* rows_ = nullptr;
};

// Which picture a window's surface holds, so that a tick that changed a few rectangles of a
// picture copies only those to the surface.
class ShownPicture {
public:
    // Shows `picture` with its top-left corner at `at`: whole where the surface holds another
    // picture (or one not known), otherwise only the rectangles `changed` (in the picture's
    // coordinates, all that changed since it was last shown), which leaves the same pixels.
    void show(raster::Canvas& surface, raster::Point at, const raster::Bitmap& picture,
              std::span<const raster::Rect> changed);
    // The surface, or the picture, changed in another way: the next show draws the picture whole.
    void forget() { shown_ = nullptr; }

private:
    const raster::Bitmap* shown_ = nullptr;
};

}  // namespace orb
