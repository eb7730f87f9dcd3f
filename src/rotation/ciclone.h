// The cyclone model: four precomputed frames of air spiralling about a centre, in an axonometric
// view or a section at ground level or aloft, played forwards on one half of the window and
// backwards on the other, so that a cyclone and an anticyclone turn side by side.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "raster/canvas.h"
#include "shell/frame_changes.h"
#include "shell/frame_loop.h"
#include "shell/colours.h"

namespace ciclone {

constexpr int kFrames = 4;

enum View : int { Axonometric = 0, GroundSection = 1, AloftSection = 2 };

using namespace orb::palette;
// The border colour of the clearing fills: never drawn in a frame.
constexpr raster::Color kNeverDrawn = raster::rgb(128, 0, 0);

// The unit's state: it outlives the window's form. FormCreate makes new frames and resets the
// view and the two flags; the frame counter is reset by every precompute.
struct State {
    orb::FrameLoop frames;        // the four frames, W/2 x H each
    // changes[k]: where frames k and k + 1 (mod 4) differ; the halves step one frame a tick.
    std::array<orb::FrameChanges, kFrames> changes;
    int shownLeft = -1;           // the frame on the surface's left half; -1: none whole there
    int view = Axonometric;       // the view the frames show
    std::uint8_t f = 0;           // the frame played forwards next
    bool FirstActivation = true;
    bool running = false;         // whether `cadenza` ran when the window was last deactivated
};
State& state();

// A particle of the axonometric view: its row always, its column only where it falls within
// the frame's width (`inFrame`); far from the centre the spiral's radius grows without bound.
struct Particle {
    int y;
    bool inFrame;
    int x;
};
// Particle of level L (1, 5, 9, ...) on arm a (0..5) in frame k (0..3), on a client w x h.
Particle airParticle(int L, int a, int k, int w, int h);

// FormCreate: four white frames of (w div 2) x h, view 0, FirstActivation true, running false.
void create(int w, int h);
// The precompute of `nuovo`: draws the four frames of `view`, clears the window's surface with a
// rectangle (0, 0, w, h) in its current pen and brush, and restarts the play at frame 0.
void precompute(int view, raster::Canvas& surface, int w, int h);
// `cadenzaTimer`: unless paused, shows frame f on one half and frame 3 - f on the other and steps
// f; while paused nothing is drawn. After the first tick of a play, only the pixels in which the
// frames differ are copied: the surface keeps the rest.
void tick(raster::Canvas& surface, int w, bool paused);
// Bytes of the frames and of their changes.
std::size_t bytes();
// FormClose: frees the frames.
void release();

}  // namespace ciclone
