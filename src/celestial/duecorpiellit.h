// Angular momentum: two bodies of different mass going round their common centre of mass on
// elliptical orbits computed step by step, with their predicted orbits drawn on request.
#pragma once

#include <cstddef>
#include <vector>

#include "raster/canvas.h"
#include "shell/patch.h"
#include "solarsystem/orbit_step.h"
#include "shell/colours.h"

namespace duecorpiellit {

using namespace orb::palette;

constexpr long double kAttraction = 700.0L;
constexpr long double kPositionStep = 0.18L;
// Body 1 starts at the point of its orbit nearest the centre of mass.
constexpr orbit::Body kStart{-60.0f, 0.0f, 0.0f, 10.0f};
// A little more than one revolution (about 842 steps).
constexpr int kPreviewSteps = 1001;

// The unit's state: it outlives the window's form, and the window's creation resets it.
struct State {
    int w = 0;
    int h = 0;
    int u = 0;                  // the bodies' radius, W div 160
    float cx = 0, cy = 0;       // the centre of mass in the picture, (15W/32, 3H/10)
    float m1 = 1.0f, m2 = 0.7f;
    orbit::Body body = kStart;  // body 1 about the centre of mass, single precision
    int q = 1;                  // view factor: 3 in the oblique view
    bool preview = false;       // the next tick draws the predicted orbits
    raster::Bitmap picture;     // W x H, drawn on the window at (0, H div 5)
    orb::SavedPatch store1;     // the picture under body 1, and under body 2
    orb::SavedPatch store2;
    raster::Rect clearRect{0, 0, 0, 0};
    bool shown = false;         // the window's surface holds the picture as it stands
};
State& state();

// Where a body stands in the picture, before rounding.
struct Place {
    long double x;
    long double y;
};
// Body 1 at (C.x + x, C.y + y/√q); body 2 opposite at (C.x − (m2/m1)·x, C.y − (m2/m1)·y/√q).
Place place1(const State& s, const orbit::Body& b);
Place place2(const State& s, const orbit::Body& b);
// The square of side 3u about a place, whose corner is rounded to whole pixels.
raster::Rect bodyRect(const State& s, const Place& p);

// FormCreate: geometry, masses, the motion at its start, the picture with its "+" and the two
// backing stores.
void create(int w, int h);
// velociClick: the oblique view (vertical scale 1/√3) while `down`.
void setOblique(bool down);
// pulisceClick: clears the picture; with `down`, the next tick draws the predicted orbits.
void clearPicture(bool down);
// cadenzaTimer: unless paused, erases the bodies, draws the predicted orbits when asked, draws the
// bodies and steps; then shows the picture on the window's surface at (0, H div 5).
// `drawn`, if given, receives the rectangles of the surface that the tick drew on.
void tick(raster::Canvas& surface, bool paused, std::vector<raster::Rect>* drawn = nullptr);
// FormClose: frees the three bitmaps.
void release();
std::size_t bytes();

}  // namespace duecorpiellit
