// The apparent path of the Sun: the local sky of an observer at a chosen northern latitude, with
// the Sun running along its daily circle from the winter solstice to the summer solstice and back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "raster/canvas.h"
#include "shell/patch.h"

namespace camsole {

// A day is 80 steps; step 0 is midnight (lower culmination), step 40 noon.
constexpr int kStepsPerDay = 80;
// The Sun is drawn in a 6 x 6 box, and the patch that erases it is the same size.
constexpr int kSunBox = 6;

// The unit's state: it outlives the window's form.
struct State {
    raster::Bitmap SkyBitmap;       // W x 3H/4: the sphere, the horizon, the stars, the Sun
    orb::SavedPatch SunPatch;       // the background under the Sun, and where it was taken
    std::int8_t LatDegrees = 30;    // the latitude set with the spin buttons
    std::int8_t LatMinutes = 0;
    float ColatitudeSetting = 0;    // radians, from the latitude set
    float ColatitudeInUse = 0;      // radians, of the run on show
    int DayStep = 0;                // steps since the start of the phase
    std::uint8_t DayIndex = 0;      // day of the phase
    int SunX = 0;                   // the Sun's place on SkyBitmap
    int SunY = 0;
    bool TraceOn = false;           // rings and noon lines left on the special days
    bool RunWasOn = false;          // whether tempo and tempo1 ran when the window was left
    bool ReturnWasOn = false;
    bool FirstActivation = true;
};
State& state();

// The integer nearest to v, halves to the even one.
int rnd(long double v);

// The colatitude of a latitude in degrees and minutes, in single precision.
float colatitude(int degrees, int minutes);

// The Sun's place on SkyBitmap for a client of width w and height h, on day `dayIndex` (its
// declination is -(24 - 8 dayIndex) degrees) at step `dayStep`, seen at colatitude c.
raster::Point sunPosition(int w, int h, int dayIndex, int dayStep, float c);

// Whether the Sun at (x, y) lies behind the horizon disk: the pixel under it is blue or cyan and
// the step falls in the afternoon half of the day, which runs behind the sphere.
bool hidden(const raster::Canvas& sky, int x, int y, int dayStep);

// The latitude panel's text, e.g. "30° 0'  Latitudine Nord".
std::string latitudeLabel(int degrees, int minutes);
// The texts whose widths size the latitude panel.
std::string latitudeSizingText(int suffixIndex);
constexpr int kSizingTexts = 7;

// FormCreate: the bitmaps of a client of w x h, the latitude 30°0', the flags.
void create(int w, int h);
// The scene: sphere, horizon disk, zenith, cardinal lines, the pole star at the colatitude in use
// and the legend star left of a text `legendWidth` wide; saves the background under the Sun's
// present place. The Sun itself is not drawn.
void drawScene(int w, int h, int legendWidth);

// Start: the run begins at midnight of the winter solstice at the latitude set. The running
// flags are forgotten, so that a start never finds a phase that has ended still running.
void start();
// Stop: the running flags are forgotten as well.
void stop();

// What a tick asks of the window: Panel3's text (a HintTexts row, or -1: hidden in the run, empty
// in the return), and whether the phase has ended.
struct TickOutcome {
    int panelRow = -1;
    bool ended = false;
};
// tempoTimer: one step of the run toward the summer solstice (nothing while paused).
TickOutcome runTick(int w, int h);
// tempo1Timer: one step of the return, days 5 down to 1 (nothing while paused).
TickOutcome returnTick(int w, int h);
// Shows SkyBitmap on the window at (0, H div 8).
void show(raster::Canvas& surface, int h);

// The spin buttons. Each returns whether the minutes may still be changed (below 90 degrees).
bool degreesUp();
bool degreesDown();
bool minutesUp();
void minutesDown();

// FormClose: frees the bitmaps.
void release();
std::size_t bytes();

}  // namespace camsole
