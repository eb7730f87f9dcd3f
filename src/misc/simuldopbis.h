// The Doppler simulation: the wave fronts of a source moving right through a medium where waves
// travel at speed 5, precomputed into eight frames that a sliding view shows one after another.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "raster/canvas.h"
#include "shell/colours.h"

namespace simuldopbis {

constexpr int kFrames = 8;
constexpr int kWaveSpeed = 5;   // pixels per tick
constexpr int kMinSpeed = 1;    // source speeds, pixels per tick
constexpr int kMaxSpeed = 7;

using namespace orb::palette;

// The unit's state: it outlives the window's form.
struct State {
    std::uint8_t v = 2;          // source speed, 1..7
    std::array<int, 8> A{};      // by speed 1..7: age of the oldest front drawn (far limit)
    std::array<int, 8> B{};      // by speed 1..7: age of the oldest front drawn whole (near limit)
    std::array<raster::Bitmap, kFrames> frames;
    raster::Rect frameRect{0, 0, 0, 0};
    int f = 0;                   // frame shown next, 0..7
    int s = 0;                   // slide counter
    raster::Rect source{0, 0, 0, 0};        // the last copy: rectangle of the frame
    raster::Rect destination{0, 0, 0, 0};   // and where it went on the window
};
State& state();

// The tables A and B for a client of width w.
void makeTables(int w);
// FormCreate: v, the tables, the eight frames of (6 w / 5) x (h / 2) and the frame rectangle.
void create(int w, int h, int v);
// The progress bar's maximum for speed v: 2 A[v].
int progressMaximum(int v);
// The status text of the source speed, e.g. "source speed  v = 2".
std::string sourceSpeedText(int v);
// Bounding box of the front sent out k ticks ago by a source of speed v, in frame coordinates.
raster::Rect frontBox(int w, int h, int v, int k);
// The precompute: v := v, every frame black, then the fronts and the source. `progress` gets the
// number of fronts drawn so far after each one, never more than progressMaximum(v). Ends with
// f = 0 and s = 0.
void precompute(int w, int h, int v, const std::function<void(int)>& progress = {});
// Ticks after which the view jumps back: 7 w / (11 v), at least 1.
int slidePeriod(int w, int v);
// The rectangle of a frame that the view shows at slide s, and where the window shows it.
raster::Rect viewRect(int w, int h, int v, int s);
raster::Rect pictureRect(int w, int h);
// tempoTimer: copies the view of frame f to the window; unless paused, slides and steps.
void tick(raster::Canvas& surface, int w, int h, bool paused);
// FormClose, and every deactivation (each activation draws the frames anew): frees the frames; the
// next precompute makes them again.
void release();

}  // namespace simuldopbis
