// The spinning-top model: a top spinning on its tip while its axis precesses, drawn from the side
// on a table and from above on the floor, and the striped wipe that switches between the two.
#pragma once

#include <array>
#include <cstdint>

#include "raster/canvas.h"
#include "shell/colours.h"

namespace trottola {

using namespace orb::palette;

// What the window shows: the side view, a wipe between the views, or the view from above.
enum View : std::uint8_t { SideShown = 0, Wiping = 1, AboveShown = 2 };

// The wipe's stripes: nine of them, W div 20 apart, each growing one pixel a tick.
constexpr int kLastStripe = 8;

// The unit's state: it outlives the window's form, and the window's creation resets it.
struct State {
    int w = 0;                 // the client size at creation
    int h = 0;
    int n = 0;                 // spin counter, kept modulo 120 (one turn of the spin)
    float t = 0;               // precession counter, kept modulo 200 (one turn of the axis)
    bool above = false;        // the current view: false from the side, true from above
    std::uint8_t p = SideShown;
    int c = 0;                 // the stripes' width in the wipe
    int drop = 0;              // how far the side view stands lowered, so that its disc shows
    std::array<int, 6> X{};    // the rim's offsets from the disc's centre, drawn last
    std::array<int, 6> Y{};
    raster::Bitmap side;       // W x H
    raster::Bitmap top;        // (2W div 5) x (3H div 5)
    const raster::Bitmap* onSurface = nullptr;   // the picture the surface holds as it stands
};
State& state();

// FormCreate: the state at its start and the two pictures.
void create(int w, int h);
// superioreClick: from the side view, starts the wipe to the view from above. Returns whether it
// started (the window then disables both view buttons).
bool chooseAbove();
// lateraleClick: from the view from above, clears the side picture and starts the wipe back.
bool chooseSide();
// cadenzaTimer: draws the pictures in use and turns the top, unless paused, then puts the picture
// (or the wipe's present state) on the surface. Returns true in the tick in which a wipe ends.
bool tick(raster::Canvas& surface, bool paused);
// FormClose: frees the two pictures.
void release();

}  // namespace trottola
