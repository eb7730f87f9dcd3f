// The Moon going round the Earth while the Earth goes round the Sun, in a top view and a side
// view with the Moon's orbit tilted by 10 degrees, joined by an interlaced dissolve.
#include "earthmoon/motilunar.h"

#include <cmath>
#include <numbers>

#include "shell/interlace.h"
#include "shell/colours.h"

namespace motilunar {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
using namespace orb::palette;
// kBlue: never drawn in the object pictures: the border of the fill that clears them.

int rnd(long double v) { return static_cast<int>(std::nearbyint(v)); }

// The square of side 2 re about the Earth's centre, and where a backing store keeps it.
raster::Rect square(raster::Point c, int re) { return {c.x - re, c.y - re, c.x + re, c.y + re}; }
raster::Rect kept(int re) { return {0, 0, 2 * re, 2 * re}; }

void disc(raster::Canvas& c, raster::Point centre, int r, raster::Color colour)
{
    c.pen.color = colour;
    c.brush.color = colour;
    c.ellipse(centre.x - r, centre.y - r, centre.x + r, centre.y + r);
}

// The Sun: a yellow disc of radius H div 30 at (19 W div 40, H div 2).
void drawSun(raster::Canvas& c, int w, int h)
{
    const int x = (19 * w) / 40, y = h / 2, r = h / 30;
    c.pen.color = kYellow;
    c.brush.color = kYellow;
    c.ellipse(x - r, y - r, x + r, y + r);
}

// The Earth's centre at tick n: (W div 2 + round(a cos(n pi/170)), H div 2 - round(b sin(n pi/170)))
// with a = 5H/12 and b = 5H/14 in the top view, 5H/(14 f) in the side view.
raster::Point earthAt(int n, int w, int h, long double b)
{
    const long double angle = n * kPi / 170;
    const long double a = static_cast<long double>(5 * h) / 12;
    return {w / 2 + rnd(a * std::cos(angle)), h / 2 - rnd(b * std::sin(angle))};
}

long double topB(int h) { return static_cast<long double>(5 * h) / 14; }
long double sideB(int h, float f) { return static_cast<long double>(5 * h) / (14 * f); }

// The Earth's orbit as 601 yellow dots, k = 0 .. 600 at k pi/300; returns the last, the Earth's
// starting place.
raster::Point dotEarthOrbit(raster::Canvas& c, int w, int h, long double b)
{
    const long double a = static_cast<long double>(5 * h) / 12;
    raster::Point p{0, 0};
    for (int k = 0; k <= 600; ++k) {
        const long double angle = k * kPi / 300;
        p = {w / 2 + rnd(a * std::cos(angle)), h / 2 - rnd(b * std::sin(angle))};
        c.setPixel(p.x, p.y, kYellow);
    }
    return p;
}

// The Moon's orbit in the side view, j = from .. to at j pi/20: in its plane a = 3 rm cos(j pi/20)
// and b = 3 rm sin(j pi/20) / f, turned by the inclination i on the screen like the Moon itself,
// (Sx + round(cos i a + sin i b), Sy - round(sin i a - cos i b)), so that the dots lie on the
// Moon's own way round. Dots 20 .. 40 are the half beyond the Earth.
void dotSideOrbit(raster::Canvas& c, raster::Point e, int rm, float f, int from, int to)
{
    const long double ci = std::cos(static_cast<long double>(kInclination));
    const long double si = std::sin(static_cast<long double>(kInclination));
    for (int j = from; j <= to; ++j) {
        const long double a = 3 * rm * std::cos(j * kPi / 20);
        const long double b = 3 * rm * std::sin(j * kPi / 20) / f;
        c.setPixel(e.x + rnd(ci * a + si * b), e.y - rnd(si * a - ci * b), kYellow);
    }
}

// The top view's step: the Earth and the Moon at tick n, the Moon's path, the Moon's orbit.
void stepTop(State& st, int w, int h)
{
    raster::Canvas& objects = st.topObjects.canvas();
    st.topStore.restore(objects);
    st.top = earthAt(st.n, w, h, topB(h));
    // The Moon 3 rm from the Earth, the offsets kept in single precision.
    const long double month = st.n * kPi / 48;
    const auto ox = static_cast<float>(3 * st.rm * std::cos(month));
    const auto oy = static_cast<float>(-3 * st.rm * std::sin(month));
    const raster::Point moon{st.top.x + rnd(ox), st.top.y + rnd(oy)};
    st.topPaths.canvas().setPixel(moon.x, moon.y, kGreen);
    st.topStore.take(objects, square(st.top, st.re), kept(st.re));
    if (st.trail)
        for (int j = 0; j <= 40; ++j)
            objects.setPixel(st.top.x + rnd(3 * st.rm * std::cos(j * kPi / 20)),
                             st.top.y + rnd(3 * st.rm * std::sin(j * kPi / 20)), kYellow);
    disc(objects, moon, (2 * st.rm) / 4, kRed);
    disc(objects, st.top, st.rm, kCyan);
}

// The side view's step: the Moon's orbit flattened by f and tilted by i on the screen.
void stepSide(State& st, int w, int h)
{
    raster::Canvas& objects = st.sideObjects.canvas();
    raster::Canvas& paths = st.sidePaths.canvas();
    st.sideStore.restore(objects);
    st.sidePathStore.restore(paths);
    st.side = earthAt(st.n, w, h, sideB(h, st.f));
    // In the orbit's plane u = 3 rm cos(n pi/48), w = -3 rm sin(n pi/48) / f (single precision);
    // turned by i: (Sx + round(cos i u + sin i w), Sy - round(sin i u - cos i w)).
    const long double month = st.n * kPi / 48;
    const auto u = static_cast<float>(3 * st.rm * std::cos(month));
    const auto wv = static_cast<float>(-3 * st.rm * std::sin(month) / st.f);
    const long double ci = std::cos(static_cast<long double>(kInclination));
    const long double si = std::sin(static_cast<long double>(kInclination));
    const raster::Point moon{st.side.x + rnd(ci * u + si * wv), st.side.y - rnd(si * u - ci * wv)};
    paths.setPixel(moon.x, moon.y, kGreen);
    st.sideStore.take(objects, square(st.side, st.re), kept(st.re));
    st.sidePathStore.take(paths, square(st.side, st.re), kept(st.re));
    if (st.trail)
        dotSideOrbit(objects, st.side, st.rm, st.f, 20, 40);
    // The Moon is beyond the Earth while w < 0: there the Earth covers it, elsewhere it covers
    // the Earth.
    const int q = (2 * st.rm) / 4;
    if (wv < 0) {
        disc(objects, moon, q, kRed);
        disc(objects, st.side, st.rm, kCyan);
    } else {
        disc(objects, st.side, st.rm, kCyan);
        disc(objects, moon, q, kRed);
    }
    disc(paths, st.side, st.rm, kCyan);
    paths.setPixel(moon.x, moon.y, kGreen);
    if (st.trail)
        dotSideOrbit(objects, st.side, st.rm, st.f, 0, 20);
}

// A view's picture, or rectangle r of it: with the trail, its paths and then its objects ORed over
// them; without, its objects alone.
void compose(raster::Canvas& c, const raster::Bitmap& paths, const raster::Bitmap& objects, bool trail,
             const raster::Rect& r)
{
    if (trail) {
        c.copyRect(r, paths.canvas(), r);
        c.copyMode = raster::CopyMode::Or;
    }
    c.copyRect(r, objects.canvas(), r);
    c.copyMode = raster::CopyMode::Copy;
}

// Shows a view on the window. When the window already shows the same view with the same trail,
// only the squares about the Earth's old and new places can differ (all a tick draws lies within
// 3.5 rm of the Earth, and rm <= re / 6), so only they are copied.
void showView(State& st, raster::Canvas& window, int w, int h, raster::Point before)
{
    const bool side = st.v == kSide;
    const raster::Bitmap& paths = side ? st.sidePaths : st.topPaths;
    const raster::Bitmap& objects = side ? st.sideObjects : st.topObjects;
    const int shown = 2 * st.v + (st.trail ? 1 : 0);
    if (shown == st.shown) {
        compose(window, paths, objects, st.trail, square(before, st.re + 1));
        compose(window, paths, objects, st.trail, square(side ? st.side : st.top, st.re + 1));
    } else {
        compose(window, paths, objects, st.trail, {0, 0, w, h});
    }
    st.shown = shown;
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

void create(int w, int h)
{
    State& st = state();
    st.re = w / 20;
    st.rm = w / 120;
    for (raster::Bitmap* b : {&st.topObjects, &st.sideObjects, &st.topPaths, &st.sidePaths, &st.dissolve}) {
        *b = raster::Bitmap();
        b->canvas().brush.color = kBlack;
        b->canvas().pen.color = kWhite;
        b->setSize(w, h);
    }
    for (orb::SavedPatch* p : {&st.topStore, &st.sideStore, &st.sidePathStore})
        p->create(w / 10, w / 10, kWhite);
    st.trail = false;
    st.shown = -1;
    st.FirstActivation = true;
}

void precompute(int w, int h)
{
    State& st = state();
    st.d = true;
    st.s = kFirstSpacing;
    st.f = kFlattening;
    st.v = kTop;
    st.shown = -1;
    st.re = w / 20;
    st.rm = w / 120;
    for (raster::Bitmap* b : {&st.topObjects, &st.sideObjects}) {
        raster::Canvas& c = b->canvas();
        c.brush.color = kBlack;
        c.floodFill(0, 0, kBlue, raster::FillStyle::Border);
        drawSun(c, w, h);
    }
    drawSun(st.topPaths.canvas(), w, h);
    st.top = dotEarthOrbit(st.topPaths.canvas(), w, h, topB(h));
    drawSun(st.sidePaths.canvas(), w, h);
    st.side = dotEarthOrbit(st.sidePaths.canvas(), w, h, sideB(h, st.f));
    st.topStore.take(st.topObjects.canvas(), square(st.top, st.re), kept(st.re));
    st.sideStore.take(st.sideObjects.canvas(), square(st.side, st.re), kept(st.re));
    st.sidePathStore.take(st.sidePaths.canvas(), square(st.side, st.re), kept(st.re));
}

void restart() { state().n = 0; }

bool tick(raster::Canvas& window, int w, int h, bool paused)
{
    State& st = state();
    const raster::Point before = st.v == kSide ? st.side : st.top;
    if (!paused) {
        stepTop(st, w, h);
        stepSide(st, w, h);
        ++st.n;
    }
    if (st.v != kChanging) {
        showView(st, window, w, h, before);
        return false;
    }
    // A change of view: the old view with rows of the new one every s pixels, s halving each
    // tick from 256 down to 1; then the switch.
    st.shown = -1;
    bool ended = false;
    if (st.s > 0) {
        raster::Canvas& c = st.dissolve.canvas();
        const bool toSide = st.d;
        compose(c, toSide ? st.topPaths : st.sidePaths, toSide ? st.topObjects : st.sideObjects, st.trail,
                {0, 0, w, h});
        const raster::Bitmap& paths = toSide ? st.sidePaths : st.topPaths;
        const raster::Bitmap& objects = toSide ? st.sideObjects : st.topObjects;
        if (st.trail) {
            orb::copyInterlacedRows(c, paths.canvas(), st.s, w, h);
            c.copyMode = raster::CopyMode::Or;
        }
        orb::copyInterlacedRows(c, objects.canvas(), st.s, w, h);
        c.copyMode = raster::CopyMode::Copy;
    } else {
        st.v = st.d ? kSide : kTop;
        st.d = !st.d;
        st.s = 2 * kFirstSpacing;
        ended = true;
    }
    window.draw(0, 0, st.dissolve);
    if (!paused)
        st.s /= 2;
    return ended;
}

void changeView(bool down)
{
    State& st = state();
    st.v = kChanging;
    st.d = down;
}

void toggleTrail()
{
    State& st = state();
    st.trail = !st.trail;
}

void release()
{
    State& st = state();
    for (raster::Bitmap* b : {&st.topObjects, &st.sideObjects, &st.topPaths, &st.sidePaths, &st.dissolve})
        *b = raster::Bitmap();
    for (orb::SavedPatch* p : {&st.topStore, &st.sideStore, &st.sidePathStore})
        p->release();
}

std::size_t bytes()
{
    const State& st = state();
    return st.topObjects.bytes() + st.sideObjects.bytes() + st.topPaths.bytes() + st.sidePaths.bytes() +
           st.dissolve.bytes() + st.topStore.bytes() + st.sideStore.bytes() + st.sidePathStore.bytes();
}

}  // namespace motilunar
