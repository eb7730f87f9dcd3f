// Kepler's second law: the radius from the Sun to a planet on its ellipse paints the area swept in
// the last 41 steps, which stays the same all along the orbit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "raster/canvas.h"
#include "solarsystem/orbit_step.h"

namespace skeplero {

constexpr long double kAttraction = 2100.0L;
constexpr long double kPositionStep = 0.3L;
// Both planets start at the point of the orbit nearest the Sun; vy counts upward.
constexpr orbit::Body kStart{-74.0f, 0.0f, 0.0f, 12.0f};
// The trailing copy starts on this tick and stays as many steps behind the planet.
constexpr int kLag = 41;

// The unit's state: it outlives the window's form.
struct State {
    raster::Bitmap OrbitBitmap;   // the orbit's outline and the swept area, W x 3H div 4
    orbit::Body A = kStart;       // the planet, whose radius paints yellow
    orbit::Body B = kStart;       // its invisible copy, whose radius paints black
    std::int64_t StepCount = 0;   // ticks run, not paused (64 bits: no overflow in any run)
    bool shown = false;           // the window's surface holds the whole bitmap
};
State& state();

// The Sun, at the centre of attraction: (W div 2 - 82, 3H div 8) in the orbit bitmap.
raster::Point sunPoint(int w, int h);
// Where the orbit point (x, y) is drawn in the orbit bitmap, y counting upward.
raster::Point orbitPoint(int w, int h, float x, float y);
// Where the orbit bitmap is drawn on the window: (0, H div 8).
raster::Point bitmapOrigin(int h);

// FormCreate: the orbit bitmap of a client of w x h with the orbit's outline; both planets at
// their start and no step counted.
void create(int w, int h);
// Draws the whole orbit bitmap on the window's surface.
void show(raster::Canvas& surface, int h);
// tempoTimer: unless paused, paints the planet's radius yellow and, from tick kLag on, the copy's
// radius black, stepping each; then shows the orbit bitmap on the window's surface (copying only
// what changed once the surface holds it).
// `drawn`, if given, receives the rectangles of the surface that the tick drew on.
void tick(raster::Canvas& surface, int w, int h, bool paused, std::vector<raster::Rect>* drawn = nullptr);
// FormClose: frees the bitmap.
void release();
std::size_t bytes();

}  // namespace skeplero
