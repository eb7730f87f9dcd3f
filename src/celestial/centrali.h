// Central forces: a satellite on an elliptical orbit about a central body, with the arrows of the
// attracting force, its velocity and its tangential and centripetal accelerations at sixteen
// positions a revolution.
#pragma once

#include <cstddef>
#include <cstdint>

#include "raster/canvas.h"
#include "shell/colours.h"

namespace centrali {

using namespace orb::palette;
// kRed: the force
// kLime: the velocity
// kFuchsia: the tangential acceleration
// kAqua: the centripetal acceleration

// The positions of a revolution, evenly spaced in the ellipse's parameter φ = k·π/8.
constexpr int kSteps = 16;

// The toggle buttons as the tick reads them: which arrows it draws, and whether the previous
// step's arrows and satellite stay on the picture.
struct Toggles {
    bool force = false;
    bool velocity = false;
    bool tangential = false;
    bool centripetal = false;
    bool permanent = false;
};

// The unit's state. The bitmap, the semi-axes and the step are set when the window is created;
// the position and the vectors of the last step outlive the window (a reopened window's first
// tick erases them from its new picture, where they never were).
struct State {
    raster::Bitmap OrbitBitmap;   // W x 3H div 4, shown on the window at (0, H div 8)
    int w = 0;                    // the client size the window was created with
    int h = 0;
    int wo = 0;                   // the width the orbit is drawn for (see orbitWidth)
    float a = 0;                  // the ellipse's semi-axes, (4·wo) div 16 and (7·wo) div 32
    float b = 0;
    int k = 0;                    // the step, 0..15
    float X = 0;                  // the satellite in the orbit plane, y upward, from the centre
    float Y = 0;
    std::int8_t s = 0;            // the sign that turns the force towards the central body
    float r2 = 0;                 // the squared distance to the central body
    float beta = 0;               // the direction from the central body to the satellite
    float gamma = 0;              // the slope angle of the tangent
    float F = 0;                  // the vector lengths: force, velocity, tangential and
    float Vt = 0;                 // centripetal accelerations
    float At = 0;
    float Ac = 0;
    bool shown = false;           // the window's surface holds the whole bitmap
};
State& state();

// sin(k·π/8) and cos(k·π/8) for the sixteen positions, exactly 0 and ±1 where they are so: the
// sign of the force at the ends of the major axis must not hang on the rounding of π.
long double stepSine(int k);
long double stepCosine(int k);

// The width that sizes the orbit in a client of w x h: w itself, unless the ellipse, (7·w) div 32
// high either side of the bitmap's middle, would then leave the bitmap (3H div 4 high) at its top
// and bottom, as on wide screens; then the largest width whose orbit, satellite included, stays
// inside. The orbit, the central body's offset from the middle and the force's centre scale with
// it; the picture stays centred on the window.
int orbitWidth(int w, int h);
// Where the central body is drawn: ((7·wo) div 16 + (W − wo) div 2, (3H) div 8), which is
// ((7W) div 16, (3H) div 8) where the orbit takes the window's width.
raster::Point centralBody(int w, int h);

// Where the bitmap stands on the window: (0, H div 8).
raster::Point bitmapOrigin(int h);

// FormCreate: the orbit bitmap of a client of w x h, black with the central body; the semi-axes;
// the step back to 0.
void create(int w, int h);
// Draws the whole bitmap on the window's surface.
void show(raster::Canvas& surface);
// tempoTimer: unless paused, erases the last step (unless permanent), moves the satellite to the
// next position and draws it with the arrows asked for; then shows the bitmap on the surface
// (only what changed, once the surface holds it).
void tick(raster::Canvas& surface, bool paused, const Toggles& toggles);
// FormClose: frees the bitmap.
void release();
std::size_t bytes();

}  // namespace centrali
