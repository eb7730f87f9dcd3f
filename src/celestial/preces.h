// The precession-and-nutation model: the Earth's axis running round its precession paths while the
// equator tilts with it, drawn as a shaded view and a motion view that a wipe switches between.
#pragma once

#include <cstdint>

#include "raster/canvas.h"
#include "shell/colours.h"

namespace preces {

using namespace orb::palette;

// What the window shows: the shaded view, a wipe between the views, or the motion view.
enum ViewMode : std::uint8_t { ShadedShown = 0, Wiping = 1, MotionShown = 2 };

// The picture's measures, fixed when the window is created from its client size w x h.
struct Geometry {
    int w = 0;
    int h = 0;
    int cx = 0;   // the globe's centre x in a view, and where a view stands on the window
    int r = 0;    // the globe's radius
    int cy = 0;   // the globe's centre y
    int a = 0;    // horizontal semi-axis of the precession paths
    int b = 0;    // their vertical semi-axis, and the tilt amplitude of the equator
    float e = 0;  // the perspective correction of the equator's ends
};
Geometry geometryFor(int w, int h);

// The unit's state: it outlives the window's form, and the window's creation resets it.
struct State {
    Geometry g;
    std::uint8_t k = 0;        // step, advanced modulo 2N
    std::uint8_t N = 20;       // steps of half a precession turn
    std::uint8_t n = 0;        // 1 with nutation
    bool shadedWanted = true;  // the view the last switch asked for
    std::uint8_t viewMode = ShadedShown;
    int t = 0;                 // the wipe's width
    raster::Bitmap shaded;
    raster::Bitmap motion;
    raster::Rect clearRect{0, 0, 0, 0};
    // Everything the views draw, the wipe's strips included, lies in the columns
    // [busyLeft, busyRight); outside them a view stays black unless a fill has escaped the
    // equator, which `spilled` records. Clearing and showing a view then touch those columns only.
    int busyLeft = 0;
    int busyRight = 0;
    bool shadedSpilled = false;
    bool motionSpilled = false;
    const raster::Bitmap* onSurface = nullptr;   // the view the surface holds as it stands
};
State& state();

// |c·v| / c, which is |v| carrying the sign of c; also where c is exactly zero (a zero of either
// sign gives |v| with that sign).
double perspectiveShift(double c, double v);
// The nutation factor at step k: 1 + 0.3·n·sin(k·π/5).
double nutation(int n, int k);
// The equator's point at angle theta with phase phi and nutation factor nu.
raster::Point equatorPoint(const Geometry& g, double theta, double phi, double nu);

// FormCreate: the geometry, the state at its start and the two view bitmaps.
void create(int w, int h);
// motoChange: item 0 plain precession, item 1 precession and nutation; k is kept.
void chooseMotion(int item);
// evidClick: asks for the other view and starts the wipe.
void startWipe();
// cadenzaTimer: draws the views that are in use and steps, unless paused, then puts the view
// (or the wipe's present state) on the surface. Returns true in the tick in which a wipe ends.
bool tick(raster::Canvas& surface, bool paused);
// FormClose: frees the two views.
void release();

}  // namespace preces
