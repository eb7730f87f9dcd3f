// The weight-variation model: on a section of the flattened Earth, the force of gravity, the
// centrifugal force with its two components, and the weight as their resultant, at a point that
// steps round the section by 7.5 degrees each time the user asks for it.
#pragma once

#include <array>
#include <cstdint>

#include "raster/canvas.h"
#include "shell/colours.h"

namespace peso {

using namespace orb::palette;

// The steps of a round: k = 0..46, 7.5 degrees apart, from the equator on the right
// anticlockwise; after k = 46 (345 degrees) the point starts again at the equator.
constexpr int kSteps = 47;

// The four forces that the tool-bar buttons show, in the order of the buttons.
enum Force { Gravity = 0, Centrifugal = 1, Components = 2, Weight = 3 };

struct Tip { double x = 0, y = 0; };

// The unit's state: it outlives the window's form. FormCreate resets the step request, the
// forces shown and the buttons' availability; the step k and the arrow tips carry on.
struct State {
    raster::Bitmap background;          // the Earth's section, W x H, drawn with a grey pen
    bool stepRequest = true;            // the next tick draws a step
    // Which forces are shown. Each force button is down exactly while its force is shown.
    std::array<bool, 4> shown{true, false, false, false};
    // Which force buttons can be clicked: the components only with the centrifugal force, the
    // weight only with both forces.
    std::array<bool, 4> enabled{true, true, false, false};
    std::uint8_t k = 0;                 // the next step
    std::array<Tip, 4> tips{};          // tips of the last gravity (1), centrifugal (2) and weight (3) arrows
};
State& state();

// FormCreate: the flags above, and the background drawn on a black W x H bitmap.
void create(int w, int h);
// FormClose: frees the background.
void release();
// FormActivate asks for a step; FormDeactivate takes the counter back one step, so that the step
// the next activation asks for draws the same point again.
void activate();
void deactivate();
// The `contin` button and the Return key: they ask for a step, or take back a request that no
// tick has drawn yet.
void toggleStep();

// The force buttons' clicks, after the button itself went down or up.
void graviClick();
void centrifugaClick();
void compClick();
void risulClick();

// The point of the surface at angle phi (radians from the equator on the right, anticlockwise on
// screen), in window coordinates, on a client of height h and width w.
Tip surfacePoint(double phi, int w, int h);

// tempoTimer: while a step is asked for, draws the background at (0, H/32) on the window and the
// forces shown at step k, then moves k on and clears the request. Returns whether it drew.
bool tick(raster::Canvas& window, int w, int h);

}  // namespace peso
