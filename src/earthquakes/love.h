// The Love-wave model: a slab of ground seen obliquely, cut by vertical planes whose upper parts
// swing sideways as the wave passes, drawn afresh on every tick.
#pragma once

#include <cstdint>

#include "raster/canvas.h"

namespace love {

constexpr int kPhases = 40;   // ticks to a period

// The unit's state: it outlives the window's form (the phase goes on where it was).
struct State {
    raster::Bitmap picture;
    std::uint8_t t = 0;   // the phase drawn next, 0..39
};
State& state();

// Where the picture stands on a client of width w and height h.
raster::Point pictureOrigin(int w, int h);
// The last plane drawn in a picture of a client of width w: enough to reach its right edge.
int lastPlane(int w);

// FormCreate: the picture of (w div 2) x ((h*3) div 8), black with a red pen.
void create(int w, int h);
// Draws the slab at phase t over the whole canvas, for a client of width w.
void drawPicture(raster::Canvas& c, int w, int t);
// tempoTimer: unless paused, draws the picture of phase t and steps t; then shows the picture.
void tick(raster::Canvas& surface, int w, int h, bool paused);
// FormClose: frees the picture.
void release();

}  // namespace love
