// Insolation: a small sheet turning about an axis in front of a point source, the footprint of its
// rays on a gridded screen with the sheet's shadow over it, and the energy E = 4/d² |sin α|.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "raster/canvas.h"
#include "shell/damage.h"
#include "shell/colours.h"

namespace flussol {

using namespace orb::palette;

// The integer nearest to v, halves to the even one.
int rnd(long double v);

// The picture's measures for a client of w x h.
struct Geometry {
    int u = 0;    // W div 50
    int h = 0;    // H div 10
    int c = 0;    // W div 100
    int q = 0;    // rnd(40 c H / (9 W))
    int r = 0;    // rnd((W / 5) / 6), the sheet's width and the grid's pitch
    int yc = 0;   // H div 2
    int width = 0;
    int height = 0;
};
Geometry geometry(int w, int h);

// The corners A, B, C, D of the reference screen seen in perspective, at scale f: 4 for the
// whole screen, k for the footprint of the rays.
std::array<raster::Point, 4> screenCorners(const Geometry& g, int f);
// The source S, (W div 2 + 10 u, Yc).
raster::Point source(const Geometry& g);
// The x of the sheet's centre for a footprint scale k: (W div 6) k + 10 u.
int sheetX(const Geometry& g, int k);

// The ticks of one turn of the sheet: a quarter of the screen's width, at least 1.
int period(int screenWidth);
// Whether the sheet's normal is drawn again, in front of the sheet: while TurnStep mod 2P is
// below 84 P / 200 or above 288 P / 200, the part of the turn in which the normal points toward
// the viewer (the bounds of a 200-tick turn, scaled to P ticks).
bool normalInFront(int turnStep, int p);
// The energy readout |4 / d² sin α|, two decimals in a field of at least two characters.
std::string energyText(long double alpha, int d);

// The unit's state: it outlives the window's form; FormCreate resets all of it.
struct State {
    raster::Bitmap FlowBitmap;   // W x H, shown on the window at (10 u, 0)
    Geometry g;
    int screenWidth = 0;
    int P = 1;                   // ticks of a turn
    int TurnStep = 0;            // the tilt is α = π TurnStep / P
    bool StepHold = false;       // while set the sheet does not move
    int d = 1;                   // distance of the sheet from the source, 1 or 2
    int k = 2;                   // 2 div d
    int Xs = 0;                  // the sheet's centre is (Xs, Yc)
    bool shown = false;          // the window shows FlowBitmap
    bool cleared = false;        // a tick has cleared the working area whole
    orb::RowDamage lastDrawn;    // what the last tick drew after the screen
    // The pixels of the working area's clearing polygon, row by row (one span a row, as the
    // polygon is convex).
    std::vector<orb::RowDamage::Span> clearRows;
};
State& state();

// FormCreate: the measures of a w x h client, TurnStep := 2P - 4, d := 1, and FlowBitmap painted
// black with the source S and its letter.
void create(int w, int h, int screenWidth);
// psuperficieClick: the sheet at distance d (1 or 2); the footprint follows on the next tick.
void setDistance(int d);
// cadenzaTimer: unless the step hold is set, draws the sheet at the current tilt, with its rays,
// its footprint and its shadow, on FlowBitmap and moves TurnStep on (returning the new energy
// readout); then shows FlowBitmap on the window and, in step-by-step mode, sets the hold.
std::optional<std::string> tick(raster::Canvas& window, bool showNormal, bool stepByStep);
// FormClose: frees the bitmap.
void release();
std::size_t bytes();

}  // namespace flussol
