// The parabolic antenna: plane wave fronts reflected by a dish onto its focus (receiving) or
// sent out from the focus and reflected away as plane fronts (transmitting), in eight
// precomputed frames, with a ninth picture of the rays.
#pragma once

#include <array>
#include <cstddef>
#include <functional>

#include "raster/canvas.h"
#include "shell/colours.h"

namespace specparafronti {

constexpr int kFrames = 8;
constexpr int kRays = kFrames;   // the rays picture follows the frames
constexpr int kStep = 4;         // pixels a front moves per frame

using namespace orb::palette;

// Where things stand for a client of width w and height h and the focal parameter f0.
struct Geometry {
    int s = kStep;
    int Xs = 0;   // the distant source, -5 w
    int Yc = 0;   // the dish's axis, h / 4
    int q = 0;    // the image distance
    int Xf = 0;   // the focus; the dish's vertex is at w / 2
    int Np = 0;   // incoming plane fronts 0..Np
    int Ni = 0;   // fronts between the dish and the focus 0..Ni
    int No = 0;   // fronts beyond the focus 0..No (none when negative)
};
Geometry geometry(int w, int h, int f0);

// The unit's state: it outlives the window's form.
struct State {
    std::array<raster::Bitmap, kFrames + 1> bitmaps;   // frames 0..7, then the rays
    raster::Rect clearRect{0, 0, 0, 0};
    int f0 = 0;                   // focal parameter: the screen's width / 12
    bool receiving = true;
    int lastSelected = 0;         // the item last chosen in the list
    int builtItem = -1;           // the item the frames were built for (-1: none yet)
    bool recompute = true;
    bool raysPending = true;      // the rays picture is not drawn yet
    bool FirstActivation = true;
    bool running = false;
    int f = 0;                    // frame counter 0..7
    Geometry g;
};
State& state();

// FormCreate: f0 from the screen's width, the flags, f, the nine bitmaps of (w/2 + 10) x (h/2).
void create(int w, int h, int screenWidth);
// The progress bar's maximum: 2 (Np + Ni + No + 3).
int progressMaximum(const Geometry& g);
// A choice in the list: the frames need building again when it differs from the item they
// were built for.
void choose(int item);
// The precompute for list item `item` (0 receiving, 1 transmitting), only when a recompute is
// due: the eight frames, the rays the first time, the dish and the feed on all nine. `progress`
// gets the count of fronts drawn after each one, never more than progressMaximum. Returns
// whether it ran.
bool precompute(int w, int h, int item, const std::function<void(int)>& progress = {});
// The frame shown at counter f.
int shownFrame(int f);
// tempoTimer: steps f unless paused, shows the fronts unless hidden, then the rays if asked
// (OR-ed over the fronts, or copied alone).
void tick(raster::Canvas& surface, int h, bool paused, bool hideFronts, bool showRays);
std::size_t bytes();
// FormClose: frees the bitmaps.
void release();

}  // namespace specparafronti
