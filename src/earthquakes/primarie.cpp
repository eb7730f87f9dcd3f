// The primary-wave model: 19 precomputed frames of rock planes moved by a compressional wave.
#include "earthquakes/primarie.h"

#include <cmath>
#include <numbers>

namespace primarie {

State& state()
{
    static State s;
    return s;
}

raster::Point frameOrigin(int w, int h) { return {w / 4, (h * 5) / 16}; }

int planeX(int w, int f, int i)
{
    // x_i = (w div 2 - 11 i) - 5 cos(pi (f + i) / 5 + pi/2), which is
    // w div 2 - 11 i + 5 sin(pi (f + i) / 5): planes 11 px apart moving +-5 px, wavelength 10 planes.
    const double x = static_cast<double>(w / 2 - 11 * i) -
                     5.0 * std::cos(std::numbers::pi * (f + i) / 5.0 + std::numbers::pi / 2.0);
    return static_cast<int>(std::nearbyint(x));
}

void create(int w, int h)
{
    State& s = state();
    s.frames.create(kFrames, w / 2, (h * 3) / 8, raster::rgb(0, 0, 0), raster::rgb(255, 0, 0));
    s.FirstActivation = true;
}

void precompute(int w, int h, raster::Canvas& surface)
{
    (void)h;
    State& s = state();
    const int right = w / 2;
    for (int f = 0; f < kFrames; ++f) {
        raster::Canvas& c = s.frames[f].canvas();
        c.pen.color = raster::rgb(255, 0, 0);
        c.pen.width = 1;
        c.brush.color = raster::rgb(128, 0, 0);
        // The band of rock between y 70 and 130, filled dark red up to the red lines.
        c.moveTo(0, 70);
        c.lineTo(right, 70);
        c.moveTo(0, 130);
        c.lineTo(right, 130);
        c.floodFill(20, 100, raster::rgb(255, 0, 0), raster::FillStyle::Border);
        for (int y : {98, 106, 114, 122}) {
            c.moveTo(0, y);
            c.lineTo(right, y);
        }
        for (int i = 0; i < kPlanes; ++i) {
            const int x = planeX(w, f, i);
            // Front face from y 130 up to 98, then the top face slanted 40 px to the right.
            c.moveTo(x, 130);
            c.lineTo(x, 98);
            c.lineTo(x + 40, 70);
            if (i == kMarkedPlane) {
                const double m = static_cast<double>(w / 2 - 5 - 11 * kMarkedPlane) -
                                 5.0 * std::cos(std::numbers::pi * (f + kMarkedPlane) / 5.0 +
                                                std::numbers::pi / 2.0);
                s.markerX[f] = static_cast<int>(std::nearbyint(m));
            }
        }
    }
    surface.brush.color = raster::rgb(255, 255, 255);
    s.frames.rewind();
}

void tick(raster::Canvas& surface, int w, int h, bool highlight, bool paused)
{
    State& s = state();
    // Between planes 20 and 21 and the lines at 106 and 114 of the front face.
    const raster::Point cell{s.markerX[static_cast<std::size_t>(s.frames.index())], 110};
    s.frames.tick(surface, frameOrigin(w, h), std::span(&cell, highlight ? 1 : 0),
                  raster::rgb(255, 0, 0), paused);
}

void release() { state().frames.release(); }

}  // namespace primarie
