// The Doppler wave comparison: two traces scrolling towards two observers, the upper one from a
// source at rest, the lower one from a source S' that can approach, recede or stay still.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "raster/canvas.h"
#include "shell/colours.h"

namespace doppler {

using namespace orb::palette;

// The motion of S': +1 towards the observer, -1 away from it.
enum class Motion : std::int8_t { Away = -1, Still = 0, Approaching = 1 };

// The unit's state: it outlives the window's form. Creation resets all but the last samples.
struct State {
    int w = 0;                   // the client size at creation
    int h = 0;
    raster::Bitmap picture;      // W x 3H/4, shown at (0, H/8)
    int g = 0;                   // pixels the traces travel per tick: W/200
    int p = 1;                   // half the period in ticks: W/80, at least 1
    int n = 1;                   // phase; a reversal (n := p - n) may make it negative
    std::int8_t v = 0;           // velocity of S', one of Motion
    int d = 0;                   // offset of S' from its start, in pixels
    float s1 = 0;                // the last samples of the upper and lower traces
    float s2 = 0;
    raster::Rect upperSource{0, 0, 0, 0};
    raster::Rect upperDestination{0, 0, 0, 0};
    raster::Rect lowerSource{0, 0, 0, 0};
    raster::Rect lowerDestination{0, 0, 0, 0};
};
State& state();

// The axes of the two traces in the picture: 5H/24 and 13H/24.
int upperAxis(int h);
int lowerAxis(int h);

// The state panel's text for a motion in language slot `language`: only Italian, English and
// French have one; in any other language the panel keeps the text it has.
std::optional<std::string> motionText(Motion m, int language);
// The state panel's font colour for a motion.
raster::Color motionColour(Motion m);

// FormCreate: the picture cleared black, g and p, the upper rectangles, n := 1, v := 0, d := 0.
void create(int w, int h);
// The motion buttons: v := -1, 0 or +1.
void setMotion(Motion m);
// The signal button: n := p - n, the phase runs the other way.
void reverse();

// What a tick tells the form.
struct TickResult {
    bool signalReady = false;   // a period is complete: the signal button may be pressed again
    bool stopped = false;       // S' has gone as far as it may and stops: it is still now
};
// tempoTimer: unless paused, one step of both traces and of S'; then, paused or not, the picture
// on the surface at (0, H/8).
TickResult tick(raster::Canvas& surface, bool paused);
// Shows the picture on the surface at (0, H/8).
void show(raster::Canvas& surface);
// FormClose: frees the picture.
void release();
std::size_t bytes();

}  // namespace doppler
