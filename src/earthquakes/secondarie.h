// The secondary-wave model: 6 precomputed frames of a block of rock whose columns move up and
// down as a shear wave passes, with two cells that can be highlighted to show their shearing.
#pragma once

#include <array>

#include "raster/canvas.h"
#include "shell/frame_loop.h"

namespace secondarie {

constexpr int kFrames = 6;
constexpr int kMarkedColumn = 10;

// The unit's state: it outlives the window's form.
struct State {
    orb::FrameLoop frames;                // the 6 frames and the one shown next
    std::array<int, kFrames> markerY{};   // per frame, y of the points that highlight two cells
    bool FirstActivation = true;
};
State& state();

// Where the frames stand on a client of width w and height h.
raster::Point frameOrigin(int w, int h);
// The displaced top y of column i in frame f, for a client of height h.
int columnY(int h, int f, int i);

// FormCreate: frames of (w div 2) x ((h*3) div 8), black with a red pen; FirstActivation := true.
void create(int w, int h);
// Draws frame f (any phase step f, 6 to a period) on a black canvas; returns its marker's y.
int drawFrame(raster::Canvas& c, int w, int h, int f);
// First activation: draws the 6 frames, sets the surface's brush to white and rewinds the loop.
void precompute(int w, int h, raster::Canvas& surface);
// tempoTimer: shows the current frame, highlights the two cells when asked, steps unless paused.
void tick(raster::Canvas& surface, int w, int h, bool highlight, bool paused);
// FormClose: frees the frames.
void release();

}  // namespace secondarie
