// Kepler's third law: four planets on circular orbits of radii 1, 2, 4 and 6 units about the Sun,
// seen in perspective, each going round in a time whose square grows as the cube of its radius.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "raster/canvas.h"
#include "shell/patch.h"
#include "shell/colours.h"

namespace tkeplero {

constexpr int kPlanets = 4;
// The orbits' radii in units of a1 = W div 16.
constexpr std::array<int, kPlanets> kRadiusUnits{1, 2, 4, 6};

using namespace orb::palette;
// Planets 1 to 4: magenta, cyan, red, lime.
constexpr std::array<raster::Color, kPlanets> kPlanetColours{
    raster::rgb(255, 0, 255), raster::rgb(0, 255, 255), raster::rgb(255, 0, 0), raster::rgb(0, 255, 0)};

// The unit's state: it outlives the window's form (creation resets all of it).
struct State {
    int W = 0;
    int H = 0;
    std::array<int, kPlanets> radius{};        // a1, a2, a3, a4 in pixels
    std::array<float, kPlanets> halfPeriod{};  // T1 .. T4 in ticks
    int SunRadius = 0;
    int p = 0;                                 // a planet's radius
    raster::Bitmap SceneBitmap;                // W x H: Sun, orbits when shown, planets
    raster::Bitmap OrbitsBitmap;               // W x H: the four orbits and the dotted radius
    std::array<orb::SavedPatch, kPlanets> background;   // 4p x 4p, used through (0, 0, 2p, 2p)
    std::array<raster::Bitmap, kPlanets> sprite;        // likewise
    std::array<raster::Point, kPlanets> position{};
    int Tick = 0;
    // Whether the whole scene must be copied to the window at the next tick; otherwise only the
    // squares the planets left and took are, which shows the same picture.
    bool wholeScene = true;
};
State& state();

// The integer nearest to v, halves to the even one.
int rnd(long double v);

// Half-periods T1 = a1, Tk = sqrt(ak^3 T1 T1 / a1^3) for the radii a1..a4; all 0 when a1 is 0.
std::array<float, kPlanets> halfPeriods(const std::array<int, kPlanets>& radius);
// Where a planet of orbit radius a and half-period t2 stands after `tick` ticks, on a scene of
// w x h: angle pi tick / t2 counter-clockwise from the right, the orbit three times flatter than
// wide about (w / 2, h / 4).
raster::Point planetAt(int w, int h, int a, float t2, int tick);

// The value boxes' texts: "R = " and the radius; "T = " and the period 2 Tk to the nearest whole
// number, right-aligned in at least three characters.
std::string radiusText(int a);
std::string periodText(float t2);
// The elapsed ticks as the counter shows them: at most eight characters.
std::string tickText(int tick);

// FormCreate: sizes, half-periods, the ten bitmaps and their drawing for a client of w x h; the
// planets stand at their tick-0 places on the line to the right of the Sun.
void create(int w, int h);
// tempoTimer: unless paused, moves the planets to their places at Tick and counts the tick; then
// shows the scene on the window's surface at (0, H div 4). Returns the tick shown when it moved,
// -1 when paused. `drawn`, if given, receives the rectangles of the surface that the tick drew on.
int tick(raster::Canvas& surface, bool paused, std::vector<raster::Rect>* drawn = nullptr);
// orbiteClick: redraws the scene with or without the orbits, keeping Tick; the planets come back
// at the next tick.
void redrawScene(bool orbits);
// nuovoClick: back to tick 0, then as orbiteClick.
void restart(bool orbits);
// FormClose: frees the bitmaps.
void release();
std::size_t bytes();

}  // namespace tkeplero
