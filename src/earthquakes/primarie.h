// The primary-wave model: 19 precomputed frames of a block of rock cut by 51 planes of particles
// that crowd together and spread apart as a compressional wave passes.
#pragma once

#include <array>

#include "raster/canvas.h"
#include "shell/frame_loop.h"

namespace primarie {

constexpr int kFrames = 19;
constexpr int kPlanes = 51;
constexpr int kMarkedPlane = 20;

// The unit's state: it outlives the window's form.
struct State {
    orb::FrameLoop frames;                // the 19 frames and the one shown next
    std::array<int, kFrames> markerX{};   // per frame, x of the point that highlights a cell
    bool FirstActivation = true;
};
State& state();

// Where the frames stand on a client of width w and height h.
raster::Point frameOrigin(int w, int h);
// x of particle plane i in frame f, for a client of width w.
int planeX(int w, int f, int i);

// FormCreate: frames of (w div 2) x ((h*3) div 8), black with a red pen; FirstActivation := true.
void create(int w, int h);
// First activation: draws the 19 frames, sets the surface's brush to white and rewinds the loop.
void precompute(int w, int h, raster::Canvas& surface);
// tempoTimer: shows the current frame, highlights the cell when asked, steps unless paused.
void tick(raster::Canvas& surface, int w, int h, bool highlight, bool paused);
// FormClose: frees the frames.
void release();

}  // namespace primarie
