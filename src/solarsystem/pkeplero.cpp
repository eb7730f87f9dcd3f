// Kepler's first law: the dotted elliptic orbit, the Sun at its focus and the planet moving on it
// with its lit half toward the Sun, in a top view and an oblique view joined by a strip wipe.
#include "solarsystem/pkeplero.h"

#include <cmath>
#include <numbers>

#include "shell/strip_wipe.h"
#include "shell/colours.h"

namespace pkeplero {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
using namespace orb::palette;

// How far the terminator bows toward the Sun, per unit of cos a, in each view.
int bowOf(View view) { return view == View::Top ? 1 : 5; }

// The patch rectangle of a planet at (px, py): 1.5 u on every side.
raster::Rect patchRect(long double px, long double py, int u)
{
    const long double half = 1.5L * u;
    return {rnd(px - half), rnd(py - half), rnd(px + half), rnd(py + half)};
}

// Paints a view black, draws the Sun at the centre of attraction and the orbit as one dot per
// step for one revolution, then saves the patch under the planet's final place.
void traceView(raster::Bitmap& bitmap, orb::SavedPatch& patch, int w, View view)
{
    State& s = state();
    raster::Canvas& c = bitmap.canvas();
    c.brush.color = kBlack;
    c.floodFill(1, 1, kRed, raster::FillStyle::Border);
    // The Sun, a disc of radius u at the focus of the orbit (3 W / 20, 3 Band).
    c.brush.color = kYellow;
    const long double sunX = static_cast<long double>(3 * w) / 20;
    c.ellipse(rnd(sunX - s.u), 3 * s.Band - s.u, rnd(sunX + s.u), 3 * s.Band + s.u);
    // One revolution: it ends at the first step past the start point (x >= -64, y > 0) once the
    // planet has been on the far side (y < 0 with x > 0).
    bool passed = false;
    for (;;) {
        const Place p = orbitPlace(w, s.Band, view, s.orbit.x, s.orbit.y);
        c.setPixel(rnd(p.x), rnd(p.y), kWhite);
        orbit::step(s.orbit, kAttraction, kPositionStep);
        if (s.orbit.y < 0 && s.orbit.x > 0)
            passed = true;
        if (s.orbit.x >= kStart.x && s.orbit.y > 0 && passed)
            break;
    }
    c.pen.color = kWhite;
    const Place p = orbitPlace(w, s.Band, view, s.orbit.x, s.orbit.y);
    patch.take(c, patchRect(p.x, p.y, s.u));
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

int rnd(long double v) { return static_cast<int>(std::nearbyint(v)); }

Place orbitPlace(int w, int band, View view, long double x, long double y)
{
    // Top view (3 W / 20 + x, 3 Band + y); oblique view (3 W / 20 + x, 3 Band + y / 3).
    const long double cx = static_cast<long double>(3 * w) / 20;
    return {cx + x, view == View::Top ? 3 * band + y : 3 * band + y / 3};
}

long double terminatorAngle(long double x, long double y)
{
    // With d = 0 - x: a = arctan(y / |d|) - pi/2 (0 when d = 0), negated when x < 0.
    const long double d = 0 - x;
    long double a = d != 0 ? std::atan(y / std::fabs(d)) - kPi / 2 : 0;
    if (x < 0)
        a = -a;
    return a;
}

raster::Point viewOrigin(int w) { return {w / 4, state().Band}; }

std::optional<raster::Point> litSeed(const raster::Canvas& c, long double px, long double py, int u,
                                     long double a, int bow)
{
    // The disc as drawn: the ellipse of the box (L, T)-(R, B), right and bottom excluded, has its
    // centre at ((L + R - 1) / 2, (T + B - 1) / 2) and half axes (R - L - 1) / 2, (B - T - 1) / 2.
    const int l = rnd(px - u), r = rnd(px + u), t = rnd(py - u), b = rnd(py + u);
    const long double cx = (l + r - 1) / 2.0L, cy = (t + b - 1) / 2.0L;
    const long double ax = (r - l - 1) / 2.0L, ay = (b - t - 1) / 2.0L;
    if (ax <= 0 || ay <= 0)
        return std::nullopt;
    // The way toward the Sun, (sin a, -cos a) = -(cos(a + pi/2), sin(a + pi/2)), which the
    // terminator crosses at bow cos a from the centre.
    const long double ex = std::cos(a + kPi / 2), fy = std::sin(a + kPi / 2);
    const long double crossing = bow * std::cos(a);
    const auto lit = [&](int x, int y) {
        if (c.pixel(x, y) != kBlack)
            return false;   // the outline, the terminator, or outside the bitmap
        const long double nx = (x - cx) / ax, ny = (y - cy) / ay;
        if (nx * nx + ny * ny > 1)
            return false;   // may be the sky beside the outline
        return -(x - px) * ex - (y - py) * fy > crossing;
    };
    // From u - 2 toward the centre, half a pixel at a time, down to the terminator.
    for (long double k = u - 2; k > crossing; k -= 0.5L) {
        const raster::Point seed{rnd(px - k * ex), rnd(py - k * fy)};
        if (lit(seed.x, seed.y))
            return seed;
    }
    return std::nullopt;
}

void drawPlanet(raster::Canvas& c, orb::SavedPatch& patch, long double px, long double py, int u,
                long double a, int bow)
{
    patch.restore(c);
    patch.take(c, patchRect(px, py, u));
    // The disc: white outline, black inside.
    c.pen.color = kWhite;
    c.pen.width = 1;
    c.brush.color = kBlack;
    c.ellipse(rnd(px - u), rnd(py - u), rnd(px + u), rnd(py + u));
    // The terminator, from the rim at angle a (distance u - 1) to the opposite rim through
    // (P, Q) = (u cos(k pi/4), -bow cos a sin(k pi/4)), k = 1..4, turned by a: a half ellipse of
    // half axes u and bow |cos a|, bulging toward the Sun when cos a > 0.
    const long double cs = (u - 1) * std::cos(a);
    const long double sn = (u - 1) * std::sin(a);
    c.moveTo(rnd(px + cs), rnd(py + sn));
    c.pen.width = 2;
    c.pen.color = kCyan;
    for (int k = 1; k <= 4; ++k) {
        const long double p = u * std::cos(k * kPi / 4);
        const long double q = bow * (-std::cos(a) * std::sin(k * kPi / 4));
        c.lineTo(rnd(px + p * std::cos(a) - q * std::sin(a)), rnd(py + p * std::sin(a) + q * std::cos(a)));
    }
    // The lit half, the black area on the Sun's side of the terminator, filled cyan.
    c.pen.width = 1;
    c.brush.color = kCyan;
    if (const auto seed = litSeed(c, px, py, u, a, bow))
        c.floodFill(seed->x, seed->y, kBlack, raster::FillStyle::Surface);
    c.pen.color = kWhite;
    c.brush.color = kBlack;
}

void create(int w, int h)
{
    State& s = state();
    s.u = static_cast<std::uint8_t>(w / 70);
    s.Band = h / 8;
    const int bw = w / 2, bh = (3 * h) / 4;
    for (raster::Bitmap* b : {&s.TopOrbitBitmap, &s.ObliqueOrbitBitmap, &s.ComposeBitmap}) {
        *b = raster::Bitmap();
        b->setSize(bw, bh);
    }
    s.TopPatch.create(3 * s.u, 3 * s.u, kWhite);
    s.ObliquePatch.create(3 * s.u, 3 * s.u, kWhite);
    s.FirstActivation = true;
}

void precompute(int w)
{
    State& s = state();
    s.WipeStep = 0;
    s.ViewState = 0;
    s.orbit = kStart;
    traceView(s.TopOrbitBitmap, s.TopPatch, w, View::Top);
    s.orbit = kStart;
    traceView(s.ObliqueOrbitBitmap, s.ObliquePatch, w, View::Oblique);
}

bool tick(raster::Canvas& surface, int w, int h, bool paused)
{
    State& s = state();
    if (!paused) {
        const long double a = terminatorAngle(s.orbit.x, s.orbit.y);
        if (s.ViewState <= 1) {
            const Place p = orbitPlace(w, s.Band, View::Top, s.orbit.x, s.orbit.y);
            drawPlanet(s.TopOrbitBitmap.canvas(), s.TopPatch, p.x, p.y, s.u, a, bowOf(View::Top));
        }
        if (s.ViewState >= 1) {
            const Place p = orbitPlace(w, s.Band, View::Oblique, s.orbit.x, s.orbit.y);
            drawPlanet(s.ObliqueOrbitBitmap.canvas(), s.ObliquePatch, p.x, p.y, s.u, a,
                       bowOf(View::Oblique));
        }
        orbit::step(s.orbit, kAttraction, kPositionStep);
    }

    const raster::Point o = viewOrigin(w);
    if (s.ViewState == 0) {
        surface.draw(o.x, o.y, s.TopOrbitBitmap);
        return false;
    }
    if (s.ViewState == 2) {
        surface.draw(o.x, o.y, s.ObliqueOrbitBitmap);
        return false;
    }
    const raster::Bitmap& leaving = s.TargetOblique ? s.TopOrbitBitmap : s.ObliqueOrbitBitmap;
    const raster::Bitmap& target = s.TargetOblique ? s.ObliqueOrbitBitmap : s.TopOrbitBitmap;
    const bool ended = orb::stripWipeTick(s.ComposeBitmap, leaving, target, w / 40, kLastStrip,
                                          s.WipeStep, h);
    if (ended) {
        s.ViewState = s.TargetOblique ? 2 : 0;
        s.WipeStep = -1;
    }
    surface.draw(o.x, o.y, s.ComposeBitmap);
    if (!paused)
        ++s.WipeStep;
    return ended;
}

void pronoClick(bool down)
{
    State& s = state();
    s.ViewState = 1;
    s.TargetOblique = down;
}

void release()
{
    State& s = state();
    s.TopOrbitBitmap = raster::Bitmap();
    s.ObliqueOrbitBitmap = raster::Bitmap();
    s.ComposeBitmap = raster::Bitmap();
    s.TopPatch.release();
    s.ObliquePatch.release();
}

std::size_t bytes()
{
    const State& s = state();
    return s.TopOrbitBitmap.bytes() + s.ObliqueOrbitBitmap.bytes() + s.ComposeBitmap.bytes() +
           s.TopPatch.bytes() + s.ObliquePatch.bytes();
}

}  // namespace pkeplero
