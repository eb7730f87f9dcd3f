// The centrifugal-force model: bodies turned by a rod, twelve steps a turn, then released along
// the tangent of their circles.
#include "rotation/centrifuga.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace centrifuga {

namespace {

constexpr double kPi = std::numbers::pi;

int roundInt(double v) { return static_cast<int>(std::nearbyint(v)); }

constexpr raster::Rect kNothing{0, 0, 0, 0};

bool isEmpty(const raster::Rect& r) { return r.left >= r.right || r.top >= r.bottom; }

// Adds the part of `box` (right and bottom excluded) that lies inside the bitmap to the
// painted box.
void mark(State& s, const raster::Canvas& bitmap, raster::Rect box)
{
    box = {std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, bitmap.width()),
           std::min(box.bottom, bitmap.height())};
    if (isEmpty(box))
        return;
    if (isEmpty(s.painted))
        s.painted = box;
    else
        s.painted = {std::min(s.painted.left, box.left), std::min(s.painted.top, box.top),
                     std::max(s.painted.right, box.right), std::max(s.painted.bottom, box.bottom)};
}

// A line drawn in a colour other than black.
void markLine(State& s, const raster::Canvas& bitmap, raster::Point a, raster::Point b)
{
    mark(s, bitmap, {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1});
}

// The rod starts at the centre with one body, at body 2 with two.
raster::Point rodStart(const State& s, int w, int h)
{
    return s.n == 1 ? centre(w, h) : raster::Point{s.x2, s.y2};
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

void create(raster::Canvas& bitmap, int w, int h)
{
    State& s = state();
    s.attached = true;
    s.anticlockwise = true;
    s.n = 1;
    s.client = {0, 0, w, h};
    s.running = false;
    bitmap.brush.color = kBlack;
    bitmap.fillRect({0, 0, bitmap.width(), bitmap.height()});
    s.painted = kNothing;
}

void start(raster::Canvas& bitmap)
{
    State& s = state();
    s.attached = true;
    s.k = 0;
    s.x1 = -10;
    s.y1 = -10;
    s.d = s.anticlockwise ? 1 : -1;
    bitmap.brush.color = kBlack;
    bitmap.floodFill(0, 0, kNeverDrawn, raster::FillStyle::Border);
    s.painted = kNothing;
}

void release(raster::Canvas& bitmap, int w, int h)
{
    State& s = state();
    s.attached = false;
    bitmap.pen.color = kBlack;
    const raster::Point from = rodStart(s, w, h);
    bitmap.moveTo(from.x, from.y);
    bitmap.lineTo(s.px1, s.py1);
    // One body moves a first step on the next tick; two bodies show their release points first.
    s.k = s.n % 2;
}

Tick tick(raster::Canvas& bitmap, int w, int h, bool paused)
{
    State& s = state();
    if (paused)
        return Tick::Paused;
    // Body 1 more than 10 pixels beyond any edge ends the run.
    if (s.x1 > w + 10 || s.x1 < -10 || s.y1 < -10 || s.y1 > h + 10)
        return Tick::Ended;

    bitmap.brush.color = kBlack;
    if (!s.trajectory && !isEmpty(s.painted)) {
        // Filling the client rectangle black: outside the painted box it is black already.
        const raster::Rect& c = s.client;
        const raster::Rect& p = s.painted;
        const raster::Rect both{std::max(c.left, p.left), std::max(c.top, p.top), std::min(c.right, p.right),
                                std::min(c.bottom, p.bottom)};
        if (!isEmpty(both))
            bitmap.fillRect(both);
        if (c.left <= p.left && c.top <= p.top && c.right >= p.right && c.bottom >= p.bottom)
            s.painted = kNothing;
    }
    bitmap.brush.color = kWhite;

    const raster::Point c = centre(w, h);
    if (s.attached) {
        bitmap.pen.color = kBlack;
        const raster::Point from = rodStart(s, w, h);
        bitmap.moveTo(from.x, from.y);
        bitmap.lineTo(s.px1, s.py1);

        // Step k of the turn, 30 degrees a step: body 1 on radius H/8, body 2 opposite on H/4;
        // screen y grows downwards, so d = +1 turns anticlockwise on screen.
        //   x1 = W/2 + Round(cos t H/8),      y1 = H/2 - d Round(sin t H/8),      t = k pi/6 + 0.001
        //   x2 = W/2 + Round(cos(t+pi) H/4),  y2 = H/2 - d Round(sin(t+pi) H/4)
        const double theta = s.k * kPi / 6.0 + 0.001;
        s.x1 = c.x + roundInt(std::cos(theta) * (h / 8.0));
        s.y1 = c.y - s.d * roundInt(std::sin(theta) * (h / 8.0));
        s.x2 = c.x + roundInt(std::cos(theta + kPi) * (h / 4.0));
        s.y2 = c.y - s.d * roundInt(std::sin(theta + kPi) * (h / 4.0));
        s.px1 = s.x1;
        s.px2 = s.x2;
        s.py1 = s.y1;
        s.py2 = s.y2;
        s.r = s.k;
        s.k = s.k % 12;

        bitmap.pen.color = kWhite;
        const raster::Point rod = rodStart(s, w, h);
        bitmap.moveTo(rod.x, rod.y);
        bitmap.lineTo(s.x1, s.y1);
        markLine(s, bitmap, rod, {s.x1, s.y1});
    } else {
        // Flight along the tangent through the release point, k steps of v = H/16 pixels:
        //   x = px - Round(sin f v k),  y = py - d Round(cos f v k),  f = r pi/6 (+pi for body 2)
        const double phi = s.r * kPi / 6.0;
        const double v = h / 16.0;
        s.x1 = s.px1 - roundInt(std::sin(phi) * v * s.k);
        s.y1 = s.py1 - s.d * roundInt(std::cos(phi) * v * s.k);
        s.x2 = s.px2 - roundInt(std::sin(phi + kPi) * v * s.k);
        s.y2 = s.py2 - s.d * roundInt(std::cos(phi + kPi) * v * s.k);
    }

    // Body 1, outlined in the current pen colour; body 2 smaller and yellow.
    const int r1 = h / 40;
    bitmap.ellipse(s.x1 - r1, s.y1 - r1, s.x1 + r1, s.y1 + r1);
    mark(s, bitmap, {s.x1 - r1, s.y1 - r1, s.x1 + r1, s.y1 + r1});
    if (s.n == 2) {
        const int r2 = h / 80;
        bitmap.pen.color = kYellow;
        bitmap.brush.color = kYellow;
        bitmap.ellipse(s.x2 - r2, s.y2 - r2, s.x2 + r2, s.y2 + r2);
        mark(s, bitmap, {s.x2 - r2, s.y2 - r2, s.x2 + r2, s.y2 + r2});
        bitmap.pen.color = kWhite;
        bitmap.brush.color = kWhite;
    }
    ++s.k;
    return Tick::Moved;
}

}  // namespace centrifuga
