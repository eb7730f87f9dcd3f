// The Love-wave model: a slab of ground whose planes swing sideways, redrawn on every tick.
#include "earthquakes/love.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "shell/frame_loop.h"
#include "shell/colours.h"

namespace love {

namespace {

using namespace orb::palette;
constexpr double kPi = std::numbers::pi;
constexpr int kBottom = 130;   // the slab's bottom line
constexpr int kColumn = 19;    // px between planes

// A point at depth e (-35 at the back of the slab, +35 at the front) on plane i, with horizontal
// base b and height constant c, seen from the side at theta = 2 pi / 5:
//   x = b - sin(theta) (s(i) + e),  y = cos(theta) (s(i) + e) + c,
// where s(i) = 15 sin(i pi/10 + t pi/20) is the plane's sideways displacement.
raster::Point project(int i, int t, int b, int e, int c)
{
    const double theta = 2.0 * kPi / 5.0;
    const double d = 15.0 * std::sin(i * kPi / 10.0 + t * kPi / 20.0) + e;
    return {static_cast<int>(std::nearbyint(b - std::sin(theta) * d)),
            static_cast<int>(std::nearbyint(std::cos(theta) * d + c))};
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

raster::Point pictureOrigin(int w, int h) { return {w / 4, (h * 5) / 16}; }

int lastPlane(int w)
{
    // At least the slab's 41 planes; past them, planes up to the one whose leftmost point (its
    // front corner, as much as 105 px left of its base) and the front edges' last points (as much
    // as 86 px left of 19 i) lie right of the picture. Then every edge crosses the whole picture.
    return std::max(40, (w / 2 + 104) / kColumn);
}

void create(int w, int h) { state().picture = orb::makeFrame(w / 2, (h * 3) / 8, raster::rgb(0, 0, 0), kRed); }

void drawPicture(raster::Canvas& c, int w, int t)
{
    const int n = lastPlane(w);
    std::vector<raster::Point> edge(static_cast<std::size_t>(n) + 1);
    const auto polyline = [&](int shift, int e, int height) {
        for (int i = 0; i <= n; ++i)
            edge[static_cast<std::size_t>(i)] = project(i, t, (i - shift) * kColumn, e, height);
        c.polyline(edge);
    };
    c.brush.color = raster::rgb(0, 0, 0);
    c.fillRect({0, 0, c.width(), c.height()});
    c.pen.color = kRed;
    c.pen.width = 1;
    c.moveTo(0, kBottom);
    c.lineTo(w / 2, kBottom);
    polyline(3, -35, 80);   // the back edge of the top face
    // The slab between its back edge and its bottom becomes dark red. The seed is a point of the
    // slab at every phase: the back edge stays above y 75.
    c.brush.color = raster::rgb(128, 0, 0);
    c.floodFill(20, 100, kRed, raster::FillStyle::Border);
    // The planes: up the front face to the front top corner, then across the top to the back.
    for (int i = 0; i <= n; ++i) {
        const raster::Point front = project(i, t, (i - 3) * kColumn, 35, 80);
        const raster::Point back = project(i, t, (i - 3) * kColumn, -35, 81);
        c.moveTo(kColumn * i - 90, kBottom);
        c.lineTo(front.x, front.y);
        c.lineTo(back.x, back.y);
    }
    polyline(2, 35, 80);    // the front edge of the top face
    polyline(2, 35, 100);   // a second line across the front face
}

void tick(raster::Canvas& surface, int w, int h, bool paused)
{
    State& s = state();
    if (!paused) {
        drawPicture(s.picture.canvas(), w, s.t % kPhases);
        s.t = static_cast<std::uint8_t>((s.t + 1) % kPhases);
    }
    const raster::Point o = pictureOrigin(w, h);
    surface.draw(o.x, o.y, s.picture);
}

void release() { state().picture = raster::Bitmap(); }

}  // namespace love
