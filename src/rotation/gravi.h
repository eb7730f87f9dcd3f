// The falling-body model: a ball dropped from a tower that turns with the Earth keeps the
// horizontal position of the tower's top and lands east of the tower's foot.
#pragma once

#include <cstdint>

#include "raster/canvas.h"
#include "shell/damage.h"
#include "shell/colours.h"

namespace gravi {

using namespace orb::palette;

// Radii, in client heights from the Earth's centre: the ground, the tower's foot, and how much
// the tower grows with each height level.
constexpr double kGround = 5.12;
constexpr double kFoot = 5.122;
constexpr double kLevel = 0.25;

// The unit's state: it outlives the window's form. Nothing of it is reset when the window is
// created; every activation puts the height level back to 1 and the trajectory toggle to off.
struct State {
    // The picture without the tower and the ball, with the trail left by the fall (W x H,
    // yellow brush and pen); the window's surface is the picture itself.
    raster::Bitmap background;
    std::uint8_t h = 1;          // height level 1..3 of the tower drawn by the last paint
    bool trailToggle = false;    // inverted by each click of `traiet`
    bool trail = false;          // the toggle as it was when the fall started
    double theta = 0;            // the tower's angle in degrees (90: straight up)
    std::int32_t n = 0;          // ticks of the fall so far
    // Every pixel where the picture differs from the background (the tower, the ball, the top's
    // disc and the landing mark), so that a tick puts back only that part of the background: the
    // result is the same as drawing the whole background over the picture.
    orb::DamageBox drawn;
};
State& state();

// The screen point at angle a (degrees) and radius rho client heights from the Earth's centre,
// which lies at (w div 2, 6h) under the window.
raster::Point at(int w, int h, double a, double rho);

// FormCreate: the background bitmap, w x h, with a yellow brush and pen.
void create(int w, int h);
// FormActivate: height level 1 and the trajectory toggle off.
void activate();
// FormPaint: the plumb lines, the ground, the foot's mark and the upright tower of level h,
// drawn anew on the picture; the background is taken from it; θ and n start the fall again.
void paint(raster::Canvas& picture, int w, int h);
// `via`: the trajectory flag of the fall is the toggle's present value.
void startFall();

// What a tick did.
enum class Tick {
    Paused,    // `pausa` is down: nothing moved
    Fell,      // the tower turned and the ball dropped one step
    Landed,    // the ball reached the ground: the landing mark is drawn (stop the timer)
};
// The timer tick on the picture of a client of w x h.
Tick tick(raster::Canvas& picture, int w, int h, bool paused);

// FormClose: frees the background bitmap.
void release();

}  // namespace gravi
