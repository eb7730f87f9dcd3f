// The lunar-phase model: the Earth on a short arc of its orbit with the Moon going round it, both
// lit from a Sun far above, phase snapshots taken on the way, and the lines that bound the halves
// of the two bodies that face each other.
#pragma once

#include <array>

#include "raster/canvas.h"
#include "shell/patch.h"
#include "shell/colours.h"

namespace fasilun {

constexpr int kPhases = 5;
// A run is over once the run position passes this.
constexpr float kRunEnd = 120.0f;
// The run position when no run has been started.
constexpr float kIdle = 130.0f;

using namespace orb::palette;
// kBlue: never drawn: the border of a clear

// Where the bodies stand at one run position, in scene pixels.
struct Bodies {
    raster::Point earth{0, 0};
    raster::Point moon{0, 0};
    // P[0..3]: ends of the Earth's four spokes; P[4], P[5]: the Earth's rim points at beta + pi
    // and beta.
    std::array<raster::Point, 6> P{};
    // Q[0], Q[1]: the Moon's spokes towards and away from the Earth; Q[2], Q[3]: across; Q[4],
    // Q[5]: the Moon's rim points at beta + pi and beta.
    std::array<raster::Point, 6> Q{};
};

// The unit's state: it outlives the window's form.
struct State {
    int d = 0;          // ClientWidth div 40: the Earth's radius in pixels
    float s = 0.0f;     // ClientWidth / 40: the length of the Earth's spokes
    float A = kIdle;    // run position: 0 at a start, +0.25 a tick
    bool trail = false;
    bool runStarted = false;
    raster::Point earth{0, 0};
    raster::Point moon{0, 0};
    std::array<raster::Point, 6> P{};
    std::array<raster::Point, 6> Q{};
    std::array<raster::Point, kPhases> snapCentre{};   // the Earth's centre at each snapshot

    raster::Bitmap scene;        // W x (3H div 4), shown at (0, H div 4)
    raster::Bitmap earthImage;   // 2d x 2d
    raster::Bitmap moonImage;    // d x d
    orb::SavedPatch earthStore;  // the scene under the Earth, (2d+8) x (2d+8)
    orb::SavedPatch moonStore;   // the scene under the Moon, (d+8) x (d+8)
    std::array<raster::Bitmap, kPhases> snapshots;   // (W div 5) x (W div 5) each
};
State& state();

// Positions at run position A on a client of width w and height h; s is the spoke length.
Bodies bodiesAt(float A, int w, int h, float s);

// A phase-name box: its HintTexts row, its top, the x of its centre and its design width.
struct PhaseBox {
    int hintRow;
    int top;
    int centreX;
    int designWidth;
};
std::array<PhaseBox, kPhases> phaseBoxes(int w, int h);

// The run position at which phase i (0..4) is reached: 18, 38, 58, 78, 98.
constexpr float phaseAt(int i) { return 18.0f + 20.0f * static_cast<float>(i); }

// FormCreate: d and s, the ten bitmaps, A := 130, no run started, no trail.
void create(int w, int h);
// partenza: a fresh run from A = 0 on a cleared scene with cleared snapshots.
void start(int w, int h);

struct TickResult {
    bool ended = false;   // the run is over (or none was started): the tick stopped nothing else
    int phase = -1;       // the phase (0..4) whose name box is to be shown, or -1
};
// tempoTimer: one step of the run unless paused, then the scene onto the window canvas at
// (0, h div 4) and, while paused during a run, the mutual-visibility lines in the window pen.
TickResult tick(raster::Canvas& window, int w, int h, bool paused);
// fasit: ORs the five snapshots back onto the scene where they were taken.
void layBack(int w);
// traiet.
void toggleTrail();
// FormClose: frees the bitmaps.
void release();
std::size_t bytes();

}  // namespace fasilun
