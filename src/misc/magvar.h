// The magnetic bottle: a charge gyrating about the axis of a non-uniform field while it drifts
// back and forth between the two ends where the field lines crowd together, with its dotted trace.
#pragma once

#include <cstdint>

#include "raster/canvas.h"
#include "shell/patch.h"
#include "shell/colours.h"

namespace magvar {

using namespace orb::palette;

constexpr int kFieldSteps = 300;   // a field line has kFieldSteps + 1 points, u = -1.5 .. 1.5
constexpr int kTurn = 120;         // ticks of one gyration
constexpr int kPeriod = 1200;      // ticks of one swing from end to end and back

// The unit's state: it outlives the window's form; a recompute sets the model afresh.
struct State {
    int w = 0;                    // the client size at creation
    int h = 0;
    raster::Bitmap picture;       // W x H/2, shown at (0, H/4)
    orb::SavedPatch patch;        // 6 x 6, the background under the charge
    bool recompute = true;        // the next activation draws the picture anew
    bool computed = false;        // a recompute has run since the window was created
    std::uint8_t B = 1;           // field strength, 1..2
    std::uint8_t v = 1;           // charge speed, 1..2
    int n = 0;                    // phase, modulo kPeriod
    float z = 0;                  // axial position, -400..400
    double R = 0;                 // gyration radius
    int x = 0;                    // the charge's centre in the picture
    int y = 0;
};
State& state();

// The profile of the bottle: g(u) = exp(-u²).
long double profile(long double u);
// The k-th point (k = 0..kFieldSteps) of field line m for field strength B in a picture of a
// w x h client: u = -1.5 + k/100.
raster::Point fieldPoint(int w, int h, int B, int m, int k);
// The charge's centre for phase n and axial position z, and its gyration radius.
struct Place {
    int x, y;
    double R;
};
Place chargePlace(int w, int h, int B, int v, int n, float z);

// FormCreate: the picture, the patch, and a recompute at the next activation.
void create(int w, int h);
// The precompute: the field lines of strength B and the charge of speed v at its start (n = 600,
// z = -400), the patch under it saved; the trace is cleared.
void recompute(int B, int v);
// cadenzaTimer: unless paused, moves the charge one step, leaving a dot of its trace every four
// ticks when `trace` is on; then, paused or not, shows the picture on the surface at (0, H/4).
void tick(raster::Canvas& surface, bool paused, bool trace);
// Shows the picture on the surface at (0, H/4).
void show(raster::Canvas& surface);
// FormClose: frees the picture and the patch.
void release();
std::size_t bytes();

}  // namespace magvar
