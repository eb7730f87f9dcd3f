// Kepler's second law: a yellow sector between the Sun and the planet, its trailing edge painted
// black by a copy of the planet 41 steps behind, so that it always shows 41 steps' worth of area.
#include "solarsystem/skeplero.h"

#include <cmath>

#include "shell/damage.h"
#include "shell/colours.h"

namespace skeplero {

namespace {

using namespace orb::palette;

// The integer nearest to v, halves to the even one.
int rnd(long double v) { return static_cast<int>(std::nearbyint(v)); }

// Draws a radius of width 3 from the Sun to the body, then moves the body one step.
void sweep(orb::DamageCanvas& c, orbit::Body& body, raster::Color colour, int w, int h)
{
    const raster::Point sun = sunPoint(w, h);
    const raster::Point p = orbitPoint(w, h, body.x, body.y);
    c.canvas().pen.color = colour;
    c.moveTo(sun.x, sun.y);
    c.lineTo(p.x, p.y);
    orbit::step(body, kAttraction, kPositionStep, orbit::VyAxis::Up);
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

raster::Point sunPoint(int w, int h)
{
    // The radii are drawn from the centre of attraction, the focus of the ellipse: only about
    // that point does the planet sweep equal areas in equal times.
    return {w / 2 - 82, (3 * h) / 8};
}

raster::Point orbitPoint(int w, int h, float x, float y)
{
    // (W div 2 + rnd(x - 82), 3H div 8 - rnd(y)): the centre of attraction is the orbit's (0, 0).
    const long double lx = x;
    const long double ly = y;
    return {w / 2 + rnd(lx - 82), (3 * h) / 8 - rnd(ly)};
}

raster::Point bitmapOrigin(int h) { return {0, h / 8}; }

void create(int w, int h)
{
    State& s = state();
    s.OrbitBitmap = raster::Bitmap();
    raster::Canvas& c = s.OrbitBitmap.canvas();
    c.brush.color = kBlack;
    s.OrbitBitmap.setSize(w, (3 * h) / 4);
    // Black sky (a fill bounded by a colour the bitmap never holds), then the orbit's outline.
    c.floodFill(0, 0, kDarkRed, raster::FillStyle::Border);
    c.pen.color = kWhite;
    c.ellipse(w / 2 - 159, (3 * h) / 8 - 140, w / 2 + 158, (3 * h) / 8 + 133);
    c.pen.width = 3;
    s.A = kStart;
    s.B = kStart;
    s.StepCount = 0;
    s.shown = false;
}

void show(raster::Canvas& surface, int h)
{
    const raster::Point o = bitmapOrigin(h);
    surface.draw(o.x, o.y, state().OrbitBitmap);
    state().shown = true;
}

void tick(raster::Canvas& surface, int w, int h, bool paused, std::vector<raster::Rect>* drawn)
{
    State& s = state();
    orb::DamageBox changed;   // what this tick draws on the bitmap
    if (!paused) {
        orb::DamageCanvas c(s.OrbitBitmap.canvas(), changed);
        sweep(c, s.A, kYellow, w, h);
        if (s.StepCount >= kLag)
            sweep(c, s.B, kBlack, w, h);
        // The Sun's pixel lies in both radii's boxes.
        const raster::Point sun = sunPoint(w, h);
        c.canvas().setPixel(sun.x, sun.y, kYellow);
        ++s.StepCount;
    }
    // The bitmap goes to the window at (0, H div 8): whole the first time, then only where it
    // changed, which leaves the same pixels as copying it whole.
    const raster::Point o = bitmapOrigin(h);
    if (!s.shown) {
        show(surface, h);
        if (drawn)
            drawn->push_back({o.x, o.y, o.x + s.OrbitBitmap.width(), o.y + s.OrbitBitmap.height()});
        return;
    }
    const raster::Rect r = changed.within({0, 0, s.OrbitBitmap.width(), s.OrbitBitmap.height()});
    if (r.right > r.left) {
        surface.copyRect({r.left + o.x, r.top + o.y, r.right + o.x, r.bottom + o.y},
                         s.OrbitBitmap.canvas(), r);
        if (drawn)
            drawn->push_back({r.left + o.x, r.top + o.y, r.right + o.x, r.bottom + o.y});
    }
}

void release() { state().OrbitBitmap = raster::Bitmap(); }

std::size_t bytes() { return state().OrbitBitmap.bytes(); }

}  // namespace skeplero
