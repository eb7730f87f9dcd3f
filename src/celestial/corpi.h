// The two-body model: two bodies on circular orbits about their common centre of mass, seen from
// above or almost edge-on, with a wipe of growing vertical strips between the two views.
#pragma once

#include <cstddef>
#include <cstdint>

#include "raster/canvas.h"
#include "shell/damage.h"
#include "shell/patch.h"
#include "shell/colours.h"

namespace corpi {

using namespace orb::palette;
// kDarkRed: the border that clearing never meets

// One revolution takes this many phase steps.
constexpr int kPhasesPerTurn = 300;
// The side view squashes the orbits this many times vertically.
constexpr int kSquash = 9;
// The wipe's strips: j = 0 .. kLastStrip, W div 40 apart.
constexpr int kLastStrip = 40;

// What the window shows.
enum ViewState : std::uint8_t { TopShown = 0, Wiping = 1, SideShown = 2 };

// The unit's state: it outlives the window's form.
struct State {
    int w = 0;
    int h = 0;
    // Sizes, fixed at each restart from the client width and the mass ratio.
    int u = 0;     // radius of the heavier body (body 1), W div 45
    int m = 1;     // mass ratio, 1..9
    int s = 4;     // radius of the lighter body (body 0): u div m, at least 4
    float d = 0;   // offset of the centre of mass from the middle of the window
    float R[2] = {0, 0};   // orbit radii of body 0 and body 1
    raster::Bitmap TopBitmap;
    raster::Bitmap SideBitmap;
    raster::Bitmap WipeBitmap;
    orb::SavedPatch TopPatch[2];    // the backgrounds under body 0 and body 1 in each view
    orb::SavedPatch SidePatch[2];
    int Phase = 0;                  // kPhasesPerTurn steps a revolution, kept below that
    bool OrbitsVisible = false;     // orbite's down state
    bool ResetPhase = true;         // cleared while orbite restarts, so that the phase is kept
    std::uint8_t View = TopShown;
    bool TargetSide = false;        // vpianta's down state when it was clicked
    int WipeStep = 0;               // width of the wipe's strips
    int FrameWidth = -1;            // width of the strips in WipeBitmap; -1: to be composed whole
    bool TimerWasOn = false;        // tempo's enabled state at the last deactivation
    bool FirstActivation = true;
    // The picture the window's surface holds, so that a tick copies only what it changed.
    orb::ShownPicture shown;
};
State& state();

// The integer nearest to v, halves to the even one.
int rnd(long double v);

// Where body i (0 or 1) stands at phase `phase` in the top or the side view.
struct Place {
    float x;
    float y;
};
Place bodyPlace(int body, int phase, bool side);

// Whether the centre of mass is hidden by a body passing in front of it in the side view.
bool centreHidden(int phase);

// FormCreate: the client size, u, the three views and the four patches; the flags at their start.
void create(int w, int h);
// The restart (nuovo, the first activation, orbite): sizes from the ratio m, the phase back to 0
// unless orbite asked to keep it, both views cleared with their dotted orbits if shown, and the
// patches taken at the bodies' phase-0 places.
void restart(int ratio);
// orbiteClick's part before its restart: shows the orbits or not, and keeps the phase.
void showOrbits(bool shown);
// vpiantaClick: starts the wipe toward the side view (down) or the top view (up).
void startWipe(bool toSide);
// tempoTimer: unless paused, moves the bodies in the views in use and steps the phase; then shows
// the view, or the wipe's next frame, on the window's surface. Returns true in the tick in which a
// wipe ends.
bool tick(raster::Canvas& surface, bool paused);
// FormClose: frees the bitmaps.
void release();
std::size_t bytes();

}  // namespace corpi
