// Kepler's first law: a planet on an ellipse about the Sun at one focus, its lit half toward the
// Sun, seen from above or obliquely, with a wipe of growing strips between the two views.
#pragma once

#include <cstdint>
#include <optional>

#include "raster/canvas.h"
#include "shell/patch.h"
#include "solarsystem/orbit_step.h"

namespace pkeplero {

constexpr long double kAttraction = 1400.0L;
constexpr long double kPositionStep = 0.335L;
// The start point, the point of the orbit nearest the Sun.
constexpr orbit::Body kStart{-64.0f, 0.0f, 0.0f, 10.0f};
// The wipe's strips: j = 0 .. kLastStrip, W div 40 apart.
constexpr int kLastStrip = 20;

enum class View { Top, Oblique };

// The unit's state: it outlives the window's form.
struct State {
    raster::Bitmap TopOrbitBitmap;       // top view: sky, Sun, orbit dots, planet
    raster::Bitmap ObliqueOrbitBitmap;   // the same with every y divided by 3
    raster::Bitmap ComposeBitmap;        // the frame of the wipe
    orb::SavedPatch TopPatch;            // the top view's patch bitmap and rectangle
    orb::SavedPatch ObliquePatch;        // the oblique view's
    orbit::Body orbit = kStart;          // position and velocity, single precision
    std::uint8_t u = 0;                  // the planet's radius, W div 70
    int Band = 0;                        // H div 8
    std::uint8_t ViewState = 0;          // 0 top view, 1 wipe under way, 2 oblique view
    bool TargetOblique = false;          // prono's down state when it was clicked
    int WipeStep = 0;                    // width of the wipe's strips
    bool FirstActivation = true;
};
State& state();

// Where the orbit point (x, y) lies in a view's bitmap, the Sun being at (3 W / 20, 3 Band).
struct Place {
    long double x;
    long double y;
};
Place orbitPlace(int w, int band, View view, long double x, long double y);
// The integer nearest to v, halves to the even one.
int rnd(long double v);

// The terminator's direction a for a planet at (x, y) lit by the Sun at (0, 0): the direction
// (sin a, -cos a) points from the planet toward the Sun; a planet at x = 0 has a = 0.
long double terminatorAngle(long double x, long double y);

// Where the lit half of the planet drawn at (px, py) is flood-filled from: the pixel u - 2 from
// its centre toward the Sun when that is a black pixel of the lit half, else the first such pixel
// nearer the centre on the way; none when the lit half has no black pixel on that way. `bow` is
// how far the terminator bulges toward the Sun per unit of cos a (1 top view, 5 oblique view).
std::optional<raster::Point> litSeed(const raster::Canvas& c, long double px, long double py, int u,
                                     long double a, int bow);

// Draws the planet at (px, py) on a view's bitmap: puts the background back where the patch was
// taken, takes a new patch, draws the disc, the terminator and the lit half.
void drawPlanet(raster::Canvas& c, orb::SavedPatch& patch, long double px, long double py, int u,
                long double a, int bow);

// Where the views are drawn on the window: (W div 4, Band).
raster::Point viewOrigin(int w);

// FormCreate: u, Band and the five bitmaps of a client of w x h; FirstActivation := true.
void create(int w, int h);
// First activation: resets the views and the orbit, and draws both views' sky, Sun and dotted
// orbit; the orbit is left where the second trace ended, next to the start point.
void precompute(int w);
// tempoTimer: moves the planet one step (unless paused) and shows the view or the wipe on the
// window's surface. Returns true when a wipe ended on this tick.
bool tick(raster::Canvas& surface, int w, int h, bool paused);
// pronoClick: starts the wipe toward the oblique view (down) or the top view (up).
void pronoClick(bool down);
// FormClose: frees the bitmaps.
void release();
std::size_t bytes();

}  // namespace pkeplero
