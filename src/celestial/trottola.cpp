// The spinning-top model: the top drawn from the side and from above as it spins and precesses,
// and the striped wipe between the two pictures.
#include "celestial/trottola.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

#include "shell/colours.h"
#include "shell/strip_wipe.h"

namespace trottola {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

int rnd(long double v) { return static_cast<int>(std::nearbyint(v)); }

// The precession angle θ = π·t/100, kept in single precision.
float precessionAngle(float t) { return static_cast<float>(kPi * t / 100); }

// The twelve rim points of the disc about its centre (xc, yc): b = 0 .. 5 at (+X, −Y), then
// b = 0 .. 5 at (−X, +Y), half a turn round the rim from the first six.
std::array<raster::Point, 12> rim(const State& s, float xc, float yc)
{
    std::array<raster::Point, 12> points{};
    for (std::size_t b = 0; b < 6; ++b) {
        points[b] = {rnd(static_cast<long double>(xc) + s.X[b]), rnd(static_cast<long double>(yc) - s.Y[b])};
        points[b + 6] = {rnd(static_cast<long double>(xc) - s.X[b]), rnd(static_cast<long double>(yc) + s.Y[b])};
    }
    return points;
}

// The rectangle `r` grown to hold the pixels of the given points, the ends of the lines and of the
// outline that a picture draws through them.
raster::Rect enclose(raster::Rect r, std::span<const raster::Point> points)
{
    for (const raster::Point& p : points) {
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x + 1);
        r.bottom = std::max(r.bottom, p.y + 1);
    }
    return r;
}

// The cone: white lines from the tip at (W div 5, tipY) to every rim point.
void body(raster::Canvas& c, const State& s, int tipY, const std::array<raster::Point, 12>& points)
{
    c.pen.color = kWhite;
    for (const raster::Point& p : points) {
        c.moveTo(s.w / 5, tipY);
        c.lineTo(p.x, p.y);
    }
}

// The side view's disc centre above its table: 3H/10 − (W/5.3)·sin(π/3), in single precision.
float sideDiscY(int w, int h) { return static_cast<float>(3.0L * h / 10 - (w / 5.3L) * std::sin(kPi / 3)); }

// The disc at the top of the cone, outlined in white.
void disc(raster::Canvas& c, const std::array<raster::Point, 12>& points, raster::Color face)
{
    c.pen.color = kWhite;
    c.brush.color = face;
    c.polygon(points);
}

// The top standing on its table, seen from the side. Returns the part of the picture drawn.
raster::Rect drawSide(State& s, float theta, float xc)
{
    const int w = s.w, h = s.h;
    // The table's top and the tip stand at 3H div 10, lowered by the drop on wide windows; the
    // disc's centre stands (W/5.3)·sin(π/3) above: yc = 3H/10 − (W/5.3)·sin(π/3), plus the drop.
    const int table = (3 * h) / 10 + s.drop;
    const float yc = sideDiscY(w, h) + static_cast<float>(s.drop);
    // The rim, turned by the spin angle n·π/60 and tilted with the precession angle θ:
    // X[b] = round((W/26.6)·cos(n·π/60 − b·π/6)), Y[b] = −round((W/53.2)·sin(n·π/60 + θ − b·π/6)).
    const long double spin = s.n * kPi / 60;
    for (std::size_t b = 0; b < 6; ++b) {
        s.X[b] = rnd((w / 26.6L) * std::cos(spin - b * kPi / 6));
        s.Y[b] = -rnd((w / 53.2L) * std::sin(spin + theta - b * kPi / 6));
    }

    raster::Canvas& c = s.side.canvas();
    c.pen.color = kBlack;
    c.brush.color = kBlack;
    c.rectangle(0, 0, (2 * w) / 5, table - 1);
    // The table, its front and top edges lit.
    const int tableBottom = (7 * h) / 20 + s.drop;
    c.pen.color = kSilver;
    c.brush.color = orb::kButtonFace;
    c.rectangle(0, table, (2 * w) / 5, tableBottom);
    c.pen.color = kWhite;
    c.moveTo(0, tableBottom - 1);
    c.lineTo(0, table);
    c.lineTo((2 * w) / 5 - 1, table);

    // Once the axis leans away (cos θ < 0) the disc shows its lit face and hides the cone.
    const std::array<raster::Point, 12> points = rim(s, xc, yc);
    if (std::cos(static_cast<long double>(theta)) < 0) {
        body(c, s, table, points);
        disc(c, points, kBlue);
    } else {
        disc(c, points, kNavy);
        body(c, s, table, points);
    }
    const raster::Point tip{w / 5, table};
    return enclose(enclose({0, 0, (2 * w) / 5, tableBottom}, points), {&tip, 1});
}

// The top on the floor, seen from above. Returns the part of the picture drawn.
raster::Rect drawTop(State& s, float theta, float xc)
{
    const int w = s.w, h = s.h;
    const long double ct = std::cos(static_cast<long double>(theta));
    const long double st = std::sin(static_cast<long double>(theta));
    // From above, the disc's centre runs round the tip: yc' = 3H/10 − (W/10.6)·cos θ.
    const float yc = static_cast<float>(3.0L * h / 10 - (w / 10.6L) * ct);
    // The spinning rim foreshortened by cos(π/4), u = (W/26.6)·cos(n·π/60 − b·π/6) and
    // v = −(W/26.6)·cos(π/4)·sin(n·π/60 − b·π/6), turned by θ:
    // X[b] = round(cos θ·u − sin θ·v), Y[b] = −round(sin θ·u + cos θ·v).
    const long double spin = s.n * kPi / 60;
    for (std::size_t b = 0; b < 6; ++b) {
        const long double a = spin - b * kPi / 6;
        const float u = static_cast<float>((w / 26.6L) * std::cos(a));
        const float v = static_cast<float>(-(w / 26.6L) * std::cos(kPi / 4) * std::sin(a));
        s.X[b] = rnd(ct * u - st * v);
        s.Y[b] = -rnd(st * u + ct * v);
    }

    // The floor, its left and far edges lit.
    raster::Canvas& c = s.top.canvas();
    const int floorTop = (3 * h) / 10 - w / 5;
    const int floorBottom = (3 * h) / 10 + w / 5;
    c.pen.color = kGrey;
    c.brush.color = kGrey;
    c.rectangle(0, floorTop, (2 * w) / 5, floorBottom);
    c.pen.color = kWhite;
    c.moveTo(0, floorBottom - 2);
    c.lineTo(0, floorTop);
    c.pen.color = kSilver;
    c.lineTo((2 * w) / 5 - 2, floorTop);

    const std::array<raster::Point, 12> points = rim(s, xc, yc);
    body(c, s, (3 * h) / 10, points);
    disc(c, points, kBlue);
    const raster::Point tip{w / 5, (3 * h) / 10};
    return enclose(enclose({0, floorTop, (2 * w) / 5, floorBottom}, points), {&tip, 1});
}

// Puts a picture on the window at (3W div 10, H div 5): wholly when the window showed something
// else, or when `changed` is null (in a wipe), otherwise only the part of it that `changed` says
// this tick drew.
void show(State& s, raster::Canvas& surface, const raster::Bitmap& picture, const raster::Rect* changed)
{
    const int x = (3 * s.w) / 10;
    const int y = s.h / 5;
    if (s.onSurface != &picture || !changed) {
        surface.draw(x, y, picture);
        s.onSurface = &picture;
        return;
    }
    const raster::Rect& r = *changed;
    surface.copyRect({x + r.left, y + r.top, x + r.right, y + r.bottom}, picture.canvas(), r);
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

void create(int w, int h)
{
    State& s = state();
    s.w = w;
    s.h = h;
    s.n = 0;
    s.t = 0;
    s.above = false;
    s.p = SideShown;
    s.c = 0;
    s.X.fill(0);
    s.Y.fill(0);
    // The side view's disc reaches round(W/53.2) above its centre. On a window wider than about
    // 1.65 times its height the disc would rise above the picture's top and be cut off: the
    // table, the tip and the disc are then lowered just enough for the whole disc to show.
    const int reach = rnd(w / 53.2L);
    s.drop = std::max(0, static_cast<int>(std::ceil(reach - static_cast<long double>(sideDiscY(w, h)))));
    s.side = raster::Bitmap();
    s.side.canvas().brush.color = kBlack;
    s.side.setSize(w, h);
    s.top = raster::Bitmap();
    s.top.canvas().brush.color = kBlack;
    s.top.setSize((2 * w) / 5, (3 * h) / 5);
    s.onSurface = nullptr;
}

bool chooseAbove()
{
    State& s = state();
    if (s.above)
        return false;
    s.p = Wiping;
    return true;
}

bool chooseSide()
{
    State& s = state();
    if (!s.above)
        return false;
    s.p = Wiping;
    // The side picture starts black again: the last wipe left stripes of the floor in it.
    raster::Canvas& c = s.side.canvas();
    c.brush.color = kBlack;
    c.fillRect({0, 0, s.side.width(), s.side.height()});
    return true;
}

bool tick(raster::Canvas& surface, bool paused)
{
    State& s = state();
    const std::uint8_t p = s.p;
    raster::Rect changed{0, 0, 0, 0};   // what this tick draws in the picture it shows
    if (!paused) {
        const float theta = precessionAngle(s.t);
        // The disc's centre leans sideways with the precession: xc = W/5 + (H/10.6)·sin θ.
        const float xc = static_cast<float>(s.w / 5.0L + (s.h / 10.6L) * std::sin(static_cast<long double>(theta)));
        if (p <= Wiping)
            changed = drawSide(s, theta, xc);
        if (p >= Wiping)
            changed = drawTop(s, theta, xc);
        // One turn of the axis every 400 ticks and of the spin every 120: both counters start
        // again at each turn, so that the precession never stalls in single precision and the
        // spin counter never overflows.
        s.t += 0.5f;
        if (s.t >= 200)
            s.t -= 200;
        s.n = (s.n + 1) % 120;
    }

    if (p == SideShown) {
        show(s, surface, s.side, &changed);
        return false;
    }
    if (p == AboveShown) {
        show(s, surface, s.top, &changed);
        return false;
    }
    bool ended = false;
    const int stripe = s.w / 20;
    if (stripe > s.c) {
        // The stripes of the coming view widen over the picture being left.
        raster::Bitmap& leaving = s.above ? s.top : s.side;
        const raster::Bitmap& coming = s.above ? s.side : s.top;
        orb::copyStrips(leaving, coming, stripe, kLastStripe, s.c, s.h);
        show(s, surface, leaving, nullptr);
    } else {
        s.p = s.above ? SideShown : AboveShown;
        s.above = !s.above;
        s.c = -1;
        ended = true;
        show(s, surface, s.above ? s.top : s.side, nullptr);
    }
    if (!paused)
        ++s.c;
    return ended;
}

void release()
{
    State& s = state();
    s.side = raster::Bitmap();
    s.top = raster::Bitmap();
    s.onSurface = nullptr;
}

}  // namespace trottola
