// Earth-planet relative motion: the Earth and Mars or Mercury about the Sun inside a ring of
// stars, and beside them the planet's path as seen from the Earth, with its retrograde loops.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "raster/canvas.h"
#include "shell/damage.h"
#include "shell/patch.h"

namespace temame {

constexpr int kEarthPeriod = 200;   // ticks

// The orbits of one choice of planet, for a client w pixels wide.
struct Orbits {
    int Re = 0;            // the Earth's orbit radius
    int Rp = 0;            // the planet's
    int Tp = 1;            // the planet's period, in ticks
    raster::Color colour = 0;
};
// outer: Mars (item 0 of the list); otherwise Mercury (item 1).
Orbits orbits(int w, bool outer);

// Where the bodies are at one tick, in single precision: the Earth and the planet in the
// heliocentric view, and the trail point, the planet seen from the Earth in the geocentric view.
struct Positions {
    float xE = 0, yE = 0;
    float xP = 0, yP = 0;
    float xT = 0, yT = 0;
};
Positions positions(int w, int h, const Orbits& o, int t);

// The unit's state: it outlives the window's form.
struct State {
    raster::Bitmap SceneBitmap;        // both views, shown on the window at (0, 0)
    orb::SavedPatch TrailPatch;        // the geocentric view under the planet's marker
    int Outer = 1;                     // 1 Mars, 0 Mercury: the choice of the last restart
    Orbits orbit;
    int Tick = 0;
    Positions at;                      // the bodies as last drawn
    bool LineOfSight = false;
    bool shown = false;                // whether the window shows the whole scene since the restart
    orb::DamageBox sight;              // where the line of sight was drawn on the window
    bool FirstActivation = true;
};
State& state();

// The integer nearest to v, halves to the even one.
int rnd(long double v);

// Half the side of the square kept under the planet's marker in the geocentric view.
int patchHalf(int w);

// FormCreate: the scene and the trail patch of a client of w x h; no line of sight;
// FirstActivation := true.
void create(int w, int h);
// nuovoClick (and the first activation): the empty sky, the star ring, the Sun and the fixed
// Earth of the geocentric view, both bodies back at tick 0 with the chosen planet.
void restart(int w, int h, bool outer);
// tempoTimer: moves the bodies one tick (unless paused), extends the trail, and shows the scene
// and the line of sight on the window. `changed`, if given, receives the rectangles of the window
// that the tick drew on.
void tick(raster::Canvas& window, int w, int h, bool paused, std::vector<raster::Rect>* changed = nullptr);
// visioneClick.
void toggleLineOfSight();
// Where the line of sight from the Earth through the planet leaves the star ring, as the scene
// shows them; none when the Sun stands in the way.
std::optional<raster::Point> sightEnd(const raster::Canvas& scene, int w, int h, const Positions& p);
// FormClose: frees the bitmaps.
void release();
std::size_t bytes();

}  // namespace temame
