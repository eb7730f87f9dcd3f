// The secondary-wave model: 6 precomputed frames of a block of rock sheared by an S wave.
#include "earthquakes/secondarie.h"

#include <cmath>
#include <numbers>
#include "shell/colours.h"

namespace secondarie {

namespace {
using namespace orb::palette;
constexpr double kPi = std::numbers::pi;
}  // namespace

State& state()
{
    static State s;
    return s;
}

raster::Point frameOrigin(int w, int h) { return {w / 4, (h * 3) / 8}; }

int columnY(int h, int f, int i)
{
    // y(i) = h div 8 - 3 sin(i pi/8 + f pi/3): each column moves up and down by up to 3 px, the
    // displacement repeats every 16 columns and its phase advances by pi/3 a frame.
    return static_cast<int>(std::nearbyint(h / 8 - 3.0 * std::sin(i * kPi / 8.0 + f * kPi / 3.0)));
}

void create(int w, int h)
{
    state().frames.create(kFrames, w / 2, (h * 3) / 8, raster::rgb(0, 0, 0), kRed);
    state().FirstActivation = true;
}

int drawFrame(raster::Canvas& c, int w, int h, int f)
{
    const int h8 = h / 8;
    const int last = w / 18;
    const auto y = [&](int i) { return columnY(h, f, i); };
    c.pen.color = kRed;
    c.pen.width = 1;
    c.brush.color = raster::rgb(128, 0, 0);
    // The bottom edge of the front face, and the back edge of the top face 30 px to the right.
    c.moveTo(-30, h8);
    for (int i = -3; i <= last + 30; ++i)
        c.lineTo(13 * i, 72 + y(i));
    c.moveTo(-30, h8 - 72);
    for (int i = -3; i <= last; ++i)
        c.lineTo(30 + 13 * i, y(i));
    // The body of the block between the two edges becomes dark red.
    c.floodFill(20, h8 + 20, kRed, raster::FillStyle::Border);
    // Four strata lines across the front face.
    for (int j = 1; j <= 4; ++j) {
        c.moveTo(-30, h8 + 26 + 9 * j);
        for (int i = 0; i <= last; ++i)
            c.lineTo(13 * i, y(i) + 26 + 9 * j);
    }
    // Columns: a slanted edge across the top face, then a vertical edge down the front face.
    for (int i = -3; i <= last; ++i) {
        c.moveTo(13 * i + 30, y(i));
        c.lineTo(13 * i, y(i) + 36);
        c.lineTo(13 * i, y(i) + 72);
    }
    // Between strata lines 2 and 3, right of column 10; its displacement is taken as 2 px, not 3.
    return static_cast<int>(
        std::nearbyint((h8 + 47) - 2.0 * std::sin(kMarkedColumn * kPi / 8.0 + f * kPi / 3.0)));
}

void precompute(int w, int h, raster::Canvas& surface)
{
    State& s = state();
    for (int f = 0; f < s.frames.count(); ++f)
        s.markerY[static_cast<std::size_t>(f)] = drawFrame(s.frames[f].canvas(), w, h, f);
    surface.brush.color = raster::rgb(255, 255, 255);
    s.frames.rewind();
}

void tick(raster::Canvas& surface, int w, int h, bool highlight, bool paused)
{
    State& s = state();
    // The two cells right of column 10 (x 130) and of column 11 (x 143).
    const int y = s.markerY[static_cast<std::size_t>(s.frames.index())];
    const raster::Point cells[] = {{132, y}, {145, y}};
    s.frames.tick(surface, frameOrigin(w, h), std::span(cells, highlight ? 2 : 0), kRed, paused);
}

void release() { state().frames.release(); }

}  // namespace secondarie
