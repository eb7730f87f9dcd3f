// Ferrel's law: three bodies cross a turning disc in straight lines and leave rows of marks on it
// that bend into curves when the disc is seen turning, seen from above or obliquely.
#pragma once

#include <cstddef>
#include <cstdint>

#include "raster/canvas.h"
#include "shell/colours.h"

namespace ferrel {

using namespace orb::palette;
constexpr raster::Color kGrey = raster::rgb(192, 192, 192);

constexpr int kBodies = 3;
constexpr int kMarks = 9;           // marks k = 1..9 on each body's path
constexpr int kSprite = 7;          // the sprites are 7 x 7
constexpr long double kTimeStep = 0.1L;
constexpr float kLastTime = 9.0f;   // the run ends once t passes it

// When mark k (1..9) of each body shows: once its time + o <= t. Row 1 (index 0) for bodies
// moving outwards, row 2 (index 1) for bodies moving inwards, from the rim, outer marks first.
constexpr std::uint8_t kMarkTimes[2][kMarks] = {{0, 1, 2, 3, 4, 5, 6, 7, 8}, {9, 8, 7, 6, 5, 4, 3, 2, 1}};

// The unit's state: it outlives the window's form. FormCreate resets the bitmaps, the unit
// length, the time, both running flags, the tool bar's choices and the run's settings; the marks
// and the bodies' positions are those of the last run until the next start.
struct State {
    raster::Bitmap picture;        // the disc, W/2 x H/2, drawn on the window at pictureOrigin()
    raster::Rect clear{0, 0, 0, 0};
    raster::Bitmap redSprite;      // a mark on the disc, a body's shadow
    raster::Bitmap whiteSprite;    // a body, the marks of its straight path
    double d = 0;                  // the unit length, H/40: mark k lies k d from the centre
    float t = 0;                   // the run's time, kept in single precision
    bool running = false;          // a run is under way
    bool activationRunning = false;   // whether `tempo` ran when the window was last deactivated

    // The tool bar's choices, read by the next start.
    bool anticlockwise = true;
    bool outwards = true;
    bool viewToggle = true;        // true: seen from above
    bool fixedChosen = true;
    bool rotatingChosen = false;

    // The run's settings, frozen by the start.
    int r = 0;                     // 1: the rotating frame
    bool fixed = true;
    int s = 1;                     // +1 anticlockwise, -1 clockwise
    int p = 0;                     // 1: seen obliquely
    bool outward = true;
    int row = 1;                   // row of kMarkTimes, 1 outwards, 2 inwards
    int o = 1;                     // +1 outwards, -1 inwards
    double theta0 = 0.2;           // start angle of body 0

    // Mark k of body i (index k - 1): on the straight path, and turned with the disc, relative to
    // the disc's centre.
    double X0[kBodies][kMarks] = {};
    double Y0[kBodies][kMarks] = {};
    double X[kBodies][kMarks] = {};
    double Y[kBodies][kMarks] = {};
    double Bx[kBodies] = {};       // the bodies, relative to the window's centre
    double By[kBodies] = {};
};
State& state();

// FormCreate on a client of w x h: the state above, the sprites and the black picture.
void create(int w, int h);
// FormClose: frees the bitmaps.
void release();
std::size_t bytes();

// Where the picture is drawn on the window: (W/2 - H/4, H/4).
raster::Point pictureOrigin(int w, int h);

// The start (`disegna`): freezes the tool bar's choices, t := 0, lays the marks' straight and
// turned positions, running := true.
void start(int h);

// Whether mark k (1..9) shows at the current time.
bool markShown(const State& s, int k);

// The timer tick: draws the picture, the bodies and the still disc's radii on the window's
// surface (when the run goes on and `pausa` is up), then moves the clock on unless paused.
// Returns true when the run ended on this tick (stop the timer, enable the start again).
bool tick(raster::Canvas& surface, int w, int h, bool paused);

}  // namespace ferrel
