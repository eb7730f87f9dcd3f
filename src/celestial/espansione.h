// The expanding-universe model: galaxies on the surface of a sphere that grows with the universe's
// age, for ever in an open universe, up to a largest size and back to a point in a closed one.
#pragma once

#include "raster/canvas.h"
#include "shell/damage.h"
#include "shell/colours.h"

namespace espansione {

using namespace orb::palette;

// HintTexts rows of the kinds of universe, in the order of the window's list.
constexpr int kOpenRow = 54;     // "aperto"
constexpr int kClosedRow = 55;   // "chiuso"

enum Kind : int { Open = 0, Closed = 1 };

// The age at which an open universe's run ends, and the age at which a closed one stops growing.
constexpr int kOpenLargest = 399;
constexpr int kClosedLargest = 124;

// The unit's state: it outlives the window's form. The window's creation resets only the kind and
// the picture, so a window opened again goes on from the age the last one reached.
struct State {
    int s = 0;                 // the age: the sphere grows in proportion to it
    int kind = Open;
    bool collapsing = false;   // a closed universe past its largest size
    raster::Bitmap picture;    // H x H
    // The part of the picture that is not plain silver: what the last drawing touched. A tick
    // clears and puts on the window only that part and what it draws anew, which leaves the
    // same pixels as clearing and copying the whole picture.
    orb::DamageBox drawn;
};
State& state();

// FormCreate: an open universe and the picture, H x H in silver.
void create(int h);
// aggiornaClick: a new run of the given kind from age 1.
void renew(int kind);
// Draws the universe at age s on `c`, an h x h picture: clears the part `drawn` holds, then
// draws and leaves in `drawn` what this drawing touched.
void draw(raster::Canvas& c, int h, int s, orb::DamageBox& drawn);
// cadenzaTimer: unless paused, draws the universe and advances its age; then puts the picture on
// the surface, centred across its width. Returns false when the run has ended and the timer stops.
// `changed`, if given, receives the rectangle of the surface that the tick drew on.
bool tick(raster::Canvas& surface, bool paused, raster::Rect* changed = nullptr);
// FormClose: frees the picture.
void release();

}  // namespace espansione
