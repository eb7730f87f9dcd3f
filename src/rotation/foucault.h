// The Foucault pendulum: a pendulum hung from a frame on a turning platform, seen obliquely from
// above, in the fixed frame (the platform turns under the swing) and the rotating frame (the plane
// of the swing turns over the still platform).
#pragma once

#include <cstdint>

#include "raster/canvas.h"
#include "shell/damage.h"
#include "shell/colours.h"

namespace foucault {

using namespace orb::palette;

// The unit's state. FormCreate resets all of it; the counters then only grow while the window
// lives, so they are 64-bit: at the shortest interval a 32-bit counter would overflow within
// months of a window left open.
struct State {
    raster::Bitmap bitmap;           // the scene, W x H, shown dy - 10 px below the client's top
    int dy = 0;                      // H div 5: how far the scene is drawn above its place
    int dx = 0;                      // W div 20: the ground's margin round the platform, across
    int dh = 0;                      // H div 20: and from front to back
    raster::Rect clearing{0, 0, 0, 0};   // what each tick clears before drawing
    raster::Rect client{0, 0, 0, 0};
    std::int64_t a = 0;              // platform counter: pi/179 a tick, in the fixed view
    std::int64_t b = 0;              // swing-plane counter: pi/300 a tick, in the rotating view
    std::uint8_t p = 0;              // swing phase, 0..31: a swing lasts 32 ticks
    orb::DamageBox drawn;            // what the last picture drew
    bool shown = false;              // whether the window has had the whole bitmap once
};
State& state();

// Which views are on (at least one is, as the window's buttons ensure).
struct Views {
    bool fixed;      // `fisso`: the ground, its observer, and the platform turning
    bool rotating;   // `mobile`: the observer on the platform, and the plane of swing turning
};

// FormCreate on a client of width w and height h: the black bitmap, the margins, the rectangles
// and the counters.
void create(int w, int h);

// The timer tick: unless paused, clears the clearing rectangle, draws the next picture of the
// scene on the bitmap and steps the counters of the views that are on; in every case copies the
// bitmap to the window at (0, dy - 10). The window is taken to show nothing else there, so that
// only what changed since the last copy is copied. `changed`, if given, receives the rectangle of
// the window that the tick copied to (empty when it copied nothing).
void tick(raster::Canvas& window, int w, int h, Views views, bool paused,
          raster::Rect* changed = nullptr);

// FormClose: frees the bitmap.
void release();

}  // namespace foucault
