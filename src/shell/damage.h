// The part of a picture that one drawing step touched, so that a picture redrawn on every tick is
// cleared and copied only where it changed, with the same pixels as clearing and copying it all.
#pragma once

#include <span>

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

// Draws on a canvas and adds to a damage box what each shape can touch.
class DamageCanvas {
public:
    DamageCanvas(raster::Canvas& canvas, DamageBox& box) : canvas_(canvas), box_(box) {}
    raster::Canvas& canvas() { return canvas_; }   // its pen and brush
    void moveTo(int x, int y) { canvas_.moveTo(x, y); }
    void lineTo(int x, int y);
    void ellipse(int x1, int y1, int x2, int y2);
    void polygon(std::span<const raster::Point> points);
    void polyline(std::span<const raster::Point> points);

private:
    raster::Canvas& canvas_;
    DamageBox& box_;
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
