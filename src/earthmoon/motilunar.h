// The lunar-motion model: the Moon going round the Earth while the Earth goes round the Sun, seen
// from above and nearly edge-on, with the paths they trace and an interlaced dissolve between views.
#pragma once

#include <cstdint>

#include "raster/canvas.h"
#include "shell/patch.h"
#include "shell/colours.h"

namespace motilunar {

// Ticks for one turn of the Earth round the Sun, and of the Moon round the Earth.
constexpr int kYearTicks = 340;
constexpr int kMonthTicks = 96;
// The flattening of the side view and the inclination of the Moon's orbit, in single precision.
constexpr float kFlattening = 4.0f;
constexpr float kInclination = 0.17453292f;   // 10 degrees
// The dissolve's first row spacing.
constexpr int kFirstSpacing = 256;

using namespace orb::palette;

// The view shown: the top view, a change of view under way, the side view.
enum View : std::uint8_t { kTop = 0, kChanging = 1, kSide = 2 };

// The unit's state: it outlives the window's form.
struct State {
    int n = 0;               // ticks since the last activation
    bool trail = false;      // orbits and paths shown
    std::uint8_t v = kTop;   // the view shown
    bool d = true;           // the change of view goes from the top view to the side view
    int s = kFirstSpacing;   // the dissolve's row spacing
    float f = kFlattening;
    int re = 0;              // W div 20: half the side of the square kept under the Earth
    int rm = 0;              // W div 120: the Earth's radius
    raster::Point top{0, 0};    // the Earth's centre in the top view (Tx, Ty)
    raster::Point side{0, 0};   // and in the side view (Sx, Sy)
    int shown = -1;          // 2 v + trail of the view the window shows; -1: anything else
    bool FirstActivation = true;

    raster::Bitmap topObjects;    // Sun, Earth, Moon and the Moon's orbit, top view
    raster::Bitmap sideObjects;   // the same, side view
    raster::Bitmap topPaths;      // Sun, the Earth's dotted orbit, the Moon's path, top view
    raster::Bitmap sidePaths;     // the same, side view, with the Earth
    raster::Bitmap dissolve;      // the picture during a change of view
    orb::SavedPatch topStore;        // the square under the Earth in topObjects
    orb::SavedPatch sideStore;       // ... in sideObjects
    orb::SavedPatch sidePathStore;   // ... in sidePaths
};
State& state();

// FormCreate: the five W x H bitmaps, black, and the three (W div 10)-square backing stores; no
// trail; FirstActivation := true.
void create(int w, int h);
// First activation: both views' Sun, the Earth's dotted orbits, and the Earth at its starting
// place with the squares under it kept.
void precompute(int w, int h);
// Every activation: the Earth starts again from its starting place (the paths stay).
void restart();
// tempoTimer: one step unless paused, then the picture onto the window canvas. True when a change
// of view ended on this tick.
bool tick(raster::Canvas& window, int w, int h, bool paused);
// vistauno: a change of view toward the side view (down) or the top view (up).
void changeView(bool down);
// traiet.
void toggleTrail();
// FormClose: frees the bitmaps.
void release();
std::size_t bytes();

}  // namespace motilunar
