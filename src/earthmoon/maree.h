// The tide model: the Earth and the Moon turning about their common centre of mass, the ocean
// stretched into two bulges along the Earth-Moon line, and the attraction, centrifugal and
// resultant force arrows at four points of the Earth.
#pragma once

#include <array>
#include <cstdint>

#include "raster/canvas.h"
#include "shell/colours.h"

namespace maree {

// One turn of the Moon, in ticks.
constexpr int kTurn = 600;
// Points of the ocean's outline: a closed ellipse of 100 steps and two more that overlap its start.
constexpr int kOceanPoints = 102;

using namespace orb::palette;

// HintTexts rows of the window's texts.
constexpr int kSpringRow = 90;       // "SIZIGIALI"
constexpr int kNeapRow = 89;         // "DI QUADRATURA"
constexpr int kAttractionRow = 91;   // legend of the attraction arrows
constexpr int kCentrifugalRow = 92;
constexpr int kResultantRow = 93;

enum class Arrows { Attraction, Centrifugal, Resultant };

// The unit's state: it outlives the window's form. The phase is never reset by the window's
// creation, so a window opened again goes on from where it was closed.
struct State {
    std::int32_t tau = 0;   // phase: 0 .. 599, one step a tick
    std::array<bool, 3> arrows{};   // by Arrows: the groups of arrows shown
    int h5 = 0;                     // ClientHeight div 5 at creation: the scene's top on the window
    raster::Rect clear{0, 0, 0, 0};
    raster::Bitmap scene;   // (W div 2) x (3H div 5)
    raster::Bitmap sun;     // (H div 8) x (H div 4): the left half of the Sun
};
State& state();

// The HintTexts row of the tide's name at phase tau: spring tides for 13 ticks round 0 and 300,
// neap tides for 13 ticks round 150 and 450; -1 elsewhere.
int tideRow(int tau);

// Where the bodies stand at phase tau on a client of height h and width w, in scene pixels.
struct Bodies {
    raster::Point centre;   // G, the common centre of mass
    raster::Point earth;    // O
    raster::Point moon;     // M
};
Bodies bodiesAt(int tau, int w, int h, int h5);

// The ocean's outline about the Earth centre o at phase tau.
std::array<raster::Point, kOceanPoints> oceanOutline(int tau, raster::Point o, int h);

// One force arrow: a shaft from foot to tip and a head triangle tip, barb1, barb2.
struct Arrow {
    raster::Point foot, tip, barb1, barb2;
};
// The arrow of length L at place angle theta and turn angle phi on the Earth centred at o.
Arrow arrowAt(raster::Point o, int h, float L, float theta, float phi);
// The four arrows of a group at phase tau.
std::array<Arrow, 4> arrowGroup(Arrows group, int tau, raster::Point o, int h);

// FormCreate: h5, the clearing rectangle, the scene and the Sun, all arrows off. The phase stays.
void create(int w, int h);
// FormPaint: the Sun's half disc at the window's right edge, centred at half height.
void paint(raster::Canvas& window, int w, int h);
// Toggles a group of arrows; returns whether it is now shown.
bool toggle(Arrows group);

struct TickResult {
    bool advanced = false;   // false while paused: the tide's name stays as it is
    int tideRow = -1;        // the name to show when advanced
};
// tempoTimer: unless paused, draws the scene at the current phase and steps the phase; then, paused
// or not, shows the scene on the window at (0, h5).
TickResult tick(raster::Canvas& window, int w, int h, bool paused);
// FormClose: frees the two bitmaps.
void release();
std::size_t bytes();

}  // namespace maree
