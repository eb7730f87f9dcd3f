// The centrifugal-force model: one or two bodies carried round by a rod, twelve steps a turn,
// that fly off along the tangent in a straight line once the rod lets them go.
#pragma once

#include <cstdint>

#include "raster/canvas.h"
#include "shell/colours.h"

namespace centrifuga {

using namespace orb::palette;
// The border colour of the clearing fill: never drawn in this window.
constexpr raster::Color kNeverDrawn = raster::rgb(128, 0, 0);

// The unit's state: it outlives the window's form. FormCreate resets only the client rectangle,
// the running flag, the direction, the number of bodies and the attached flag; the rest (the
// trajectory flag, the step counters and the positions) is found again when the window reopens.
struct State {
    raster::Rect client{0, 0, 0, 0};   // the client rectangle taken at creation
    bool running = false;              // whether `tempo` ran when the window was last deactivated
    bool anticlockwise = true;         // the chosen direction, used by the next start
    std::int8_t d = 1;                 // direction sign of the run: +1 anticlockwise, -1 clockwise
    bool trajectory = false;           // `traiet` down: the picture is never cleared
    bool attached = true;              // the bodies turn with the rod
    int n = 1;                         // number of bodies, 1 or 2
    std::int32_t k = 0;                // step counter
    std::int32_t r = 0;                // step of the last attached tick (the release step)
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;        // body 1 and body 2
    int px1 = 0, py1 = 0, px2 = 0, py2 = 0;    // where they stood on the last attached tick
    // A box that holds every pixel of the bitmap that is not black (empty: all black), so that
    // clearing the picture only repaints what was drawn; the result is the same as filling it all.
    raster::Rect painted{0, 0, 0, 0};
};
State& state();

// FormCreate: resets the values above, stores the client rectangle (0, 0, w, h) and makes the
// bitmap black (it is created with a black brush).
void create(raster::Canvas& bitmap, int w, int h);

// The start (`disegna`): attached again, k := 0, body 1 parked at (-10, -10), the sign of the
// chosen direction, and the whole bitmap cleared to black.
void start(raster::Canvas& bitmap);

// The release (`sgancia`): the rod is erased and the step counter restarts at n mod 2.
void release(raster::Canvas& bitmap, int w, int h);

// What a tick did.
enum class Tick {
    Moved,    // the bodies were drawn at their new places
    Paused,   // `pausa` is down: nothing moved
    Ended,    // body 1 had left the window: the run is over (stop the timer, enable the start)
};

// The timer tick on a client of width w and height h.
Tick tick(raster::Canvas& bitmap, int w, int h, bool paused);

// Centre of the turning rod.
inline raster::Point centre(int w, int h) { return {w / 2, h / 2}; }

}  // namespace centrifuga
