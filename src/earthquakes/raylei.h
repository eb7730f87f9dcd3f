// The Rayleigh-wave model: a block of ground whose particles run round ellipses that shrink with
// depth, drawn as a plain picture and as a picture of the particles and their paths.
#pragma once

#include <array>
#include <cstdint>

#include "raster/canvas.h"
#include "shell/colours.h"

namespace raylei {

using namespace orb::palette;
// kSilver: the window's background.

constexpr int kPhases = 64;

// What the window shows: the plain picture, a wipe between the pictures, or the highlight picture.
enum ViewMode : std::uint8_t { PlainShown = 0, Wiping = 1, HighlightShown = 2 };

// The unit's state: it outlives the window's form, and the window's creation resets it.
struct State {
    raster::Bitmap plain;
    raster::Bitmap highlight;
    int width = 0;    // the client size the pictures are laid out for
    int height = 0;
    float sx = 1;     // the drawing is laid out for 800 x 600 and scaled by these
    float sy = 1;
    std::uint8_t t = 1;                   // phase, 0..63
    std::uint8_t mode = PlainShown;
    int w = 0;                            // the wipe's position
    std::array<raster::Point, 3> seeds{};   // where each layer's fill starts
};
State& state();

// Where the pictures stand on a client of width w and height h.
raster::Point pictureOrigin(int w, int h);

// FormCreate: the scale, the phase, the view and the two pictures of (w div 2) x ((h*3) div 8),
// black with a red pen.
void create(int w, int h);
// evidenClick: starts the wipe towards the view that the highlight button now asks for.
void startWipe();
// tempoTimer: unless paused, draws the pictures in use; shows the view or the wipe's present
// state on the surface; steps the wipe and, unless paused, the phase. `highlightDown` is the
// highlight button's state. Returns true in the tick in which a wipe ends.
bool tick(raster::Canvas& surface, bool highlightDown, bool paused);
// FormClose: frees the two pictures.
void release();

}  // namespace raylei
