// The Earth-oscillation model: a globe whose hemispheres twist against each other (mode A) or
// which is squeezed and stretched (mode B), precomputed as 5 amplitudes x 6 rotation steps.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "raster/canvas.h"
#include "shell/packed.h"
#include "shell/colours.h"

namespace oscillazioneb {

constexpr int kAmplitudes = 5;
constexpr int kRotations = 6;
constexpr int kModes = 2;   // mode 1 (A, twist) and mode 2 (B, squeeze)
constexpr int kSteps = 16;  // ticks of one swing of the amplitude
constexpr int kProgressMaximum = 6000;

constexpr raster::Color kOutline = raster::rgb(0, 128, 192);
constexpr raster::Color kGlobe = raster::rgb(0, 0, 255);
using namespace orb::palette;

// The amplitude of each picture, and which picture each of the 16 steps shows.
constexpr std::array<float, kAmplitudes> kAmplitude{-0.8f, -0.4f, 0.0f, 0.4f, 0.8f};
constexpr std::array<std::uint8_t, kSteps> kStepAmplitude{0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 2, 2, 1, 1};

// The unit's state: it outlives the window's form.
struct State {
    // [amplitude p][rotation r][mode m - 1]; a mode's 30 bitmaps exist only once it is drawn.
    std::array<std::array<std::array<raster::Bitmap, kModes>, kRotations>, kAmplitudes> frames;
    std::uint8_t k = 0;   // amplitude step 0..15
    std::uint8_t r = 0;   // rotation step 0..5
    int selectedMode = 1;
    int shownMode = 1;
    std::array<bool, kModes> computed{true, false};
    float rho = 0.0f;     // twist angle of the last mode drawn
    bool FirstActivation = true;
    // The pictures while the window is not active: empty, or one for each picture.
    std::vector<orb::PackedPicture> packed;
};
State& state();

// The picture of amplitude p, rotation r and mode m (1 or 2).
raster::Bitmap& frame(int p, int r, int mode);
// Side of a picture, and where pictures stand on a client of width w and height h.
int frameSize(int h);
raster::Point frameOrigin(int w, int h);
// Where the globe is flood-filled blue: its centre.
raster::Point fillSeed(int h);
// Bytes of the pictures that exist.
std::size_t bytes();
// Keeps the pictures packed while the window is not active, and gives them back, pixel for
// pixel; frame() unpacks them too.
void pack();
void unpack();

// FormCreate: mode 1 selected and shown and counted as computed, mode 2 not; no pictures yet.
void create();
// Draws picture (p, r) of `mode` with twist angle rho on `canvas`, adding to `counter` one per
// outline point and one per meridian.
void drawFrame(raster::Canvas& canvas, int h, int mode, int p, int r, float rho, int& counter);
// The precompute of the selected mode: a new twist angle from the program's random numbers, its
// 30 pictures made and drawn; `progress` gets the count of steps done (one per outline point and
// per meridian, 5825 in all, within the bar's kProgressMaximum). Then k := 0 and r := 0.
void precompute(int h, const std::function<void(int)>& progress = {});
// tempoTimer: unless paused, a rotation step (when turning) and an amplitude step; then the
// picture of the shown mode on the surface.
void tick(raster::Canvas& surface, int w, int h, bool paused, bool turning);
// disegnaClick with `mode` chosen: true when that mode must be drawn first (it is then marked
// as computed); the caller precomputes it, then calls show().
bool choose(int mode);
void show();
// FormClose: frees every picture.
void release();

}  // namespace oscillazioneb
