// Central forces: the satellite steps round its ellipse in sixteen positions, and at each one the
// force towards the central body, the velocity and the two components of the acceleration are
// drawn as arrows over it, the previous step's erased in black unless they are to stay.
#include "celestial/centrali.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "shell/damage.h"

namespace centrali {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// The integer nearest to v, halves to the even one.
int rnd(long double v) { return static_cast<int>(std::nearbyint(v)); }

// Where the satellite stands in the bitmap: (W/2 + X, 3H/8 − Y), in real numbers.
struct Spot {
    long double x;
    long double y;
};

Spot spotOf(const State& s) { return {s.w / 2.0L + s.X, 3.0L * s.h / 8.0L - s.Y}; }

// An arrow from the satellite pointing, in the orbit plane, in the direction θ + π/2 (a negative
// length reverses it), with a filled head whose sides open 20° either side of its shaft.
void arrow(orb::DamageCanvas& c, const Spot& p, long double theta, float length)
{
    const long double L = length;
    const int ex = rnd(p.x - std::cos(theta - kPi / 2) * L);
    const int ey = rnd(p.y + std::sin(theta - kPi / 2) * L);
    c.moveTo(rnd(p.x), rnd(p.y));
    c.lineTo(ex, ey);
    const long double left = theta - 110 * kPi / 180;
    const long double right = theta - 70 * kPi / 180;
    const raster::Point head[3] = {
        {ex, ey},
        {rnd(ex + std::cos(left) * L / 4), rnd(ey - std::sin(left) * L / 4)},
        {rnd(ex + std::cos(right) * L / 4), rnd(ey - std::sin(right) * L / 4)},
    };
    c.polygon(head);
}

// The four arrows of the step the state holds, each drawn when `which` asks for it.
void arrows(orb::DamageCanvas& c, const State& s, const Toggles& which, bool erase)
{
    const Spot p = spotOf(s);
    const long double beta = s.beta;
    const long double gamma = s.gamma;
    const struct {
        bool on;
        raster::Color colour;
        long double theta;
        float length;
    } all[4] = {
        {which.force, kRed, beta + kPi / 2, s.F},
        {which.velocity, kLime, -gamma - kPi / 2, s.Vt},
        {which.tangential, kFuchsia, -gamma - kPi / 2, s.At},
        {which.centripetal, kAqua, -gamma + kPi, s.Ac},
    };
    for (const auto& a : all) {
        if (!a.on)
            continue;
        if (!erase) {
            c.canvas().pen.color = a.colour;
            c.canvas().brush.color = a.colour;
        }
        arrow(c, p, a.theta, a.length);
    }
}

// The satellite: a disk in a 4 x 4 box round its place, in the current pen and brush.
void satellite(orb::DamageCanvas& c, const State& s)
{
    c.ellipse(rnd(s.w / 2.0L + s.X - 2), rnd(3.0L * s.h / 8.0L - s.Y - 2), rnd(s.w / 2.0L + s.X + 2),
              rnd(3.0L * s.h / 8.0L - s.Y + 2));
}

// Moves the satellite to step k and works out its vectors there, in extended precision, each
// value kept in single precision as it is found.
void place(State& s)
{
    const long double sinPhi = stepSine(s.k);
    const long double cosPhi = stepCosine(s.k);
    // s = sin φ / |sin φ|, or −rnd(cos φ) at the ends of the major axis: the force's sign, −1 on the
    // lower half (k = 9..15) and at k = 0, +1 on the upper half and at k = 8.
    s.s = static_cast<std::int8_t>(sinPhi != 0 ? (sinPhi > 0 ? 1 : -1) : -rnd(cosPhi));
    s.X = static_cast<float>(s.a * cosPhi);
    s.Y = static_cast<float>(s.b * sinPhi);

    // The centre of the force lies at X = −W/15 on the major axis (W the width the orbit is drawn
    // for): r² = Y² + (W/15 + X)², and β the direction from it to the satellite, taken in (0, π].
    const long double X = s.X;
    const long double Y = s.Y;
    const long double dx = s.wo / 15.0L + X;
    s.r2 = static_cast<float>(Y * Y + dx * dx);
    long double beta = std::atan(Y / dx);
    if (!(beta > 0))
        beta += kPi;
    s.beta = static_cast<float>(beta);

    // γ, the slope angle of the tangent: arctan((cos φ · b/a) / sin φ), vertical at the ends of
    // the major axis (π/2 at k = 0; at k = 8, where sin φ is 0, its limit from the upper half).
    long double gamma;
    if (rnd(s.X) == rnd(s.a))
        gamma = kPi / 2;
    else if (sinPhi == 0)
        gamma = std::copysign(kPi / 2, cosPhi);
    else
        gamma = std::atan((cosPhi * s.b / s.a) / sinPhi);
    s.gamma = static_cast<float>(gamma);

    // F = s·900000 / r²; its components across and along the path, Ac = F·sin(β + γ) and
    // At = −F·cos(β + γ); the speed that makes v²/r match Ac, scaled by 0.7,
    // Vt = −0.7·sqrt(r·|Ac|)·Ac/|Ac| (0 where Ac is 0: no velocity arrow then).
    s.F = static_cast<float>(s.s * 900000.0L / static_cast<long double>(s.r2));
    const long double turn = static_cast<long double>(s.beta) + static_cast<long double>(s.gamma);
    s.Ac = static_cast<float>(s.F * std::sin(turn));
    s.At = static_cast<float>(-s.F * std::cos(turn));
    const long double ac = s.Ac;
    const long double size = std::fabs(ac);
    const long double r = std::sqrt(static_cast<long double>(s.r2));
    s.Vt = size == 0 ? 0.0f : static_cast<float>(-0.7L * std::sqrt(r * size) * ac / size);
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

long double stepSine(int k)
{
    k = ((k % kSteps) + kSteps) % kSteps;
    if (k % 4 == 0)
        return k == 4 ? 1.0L : (k == 12 ? -1.0L : 0.0L);
    return std::sin(k * kPi / 8);
}

long double stepCosine(int k) { return stepSine(k + 4); }

int orbitWidth(int w, int h)
{
    // The lowest point of the satellite's disk, rnd(3H/8 + b + 2), must stay within the bitmap's
    // 3H div 4 rows (the highest, rnd(3H/8 − b − 2), then stays at 0 or below): b may be up to
    // L = (3H div 4) − ceil(3H/8) − 2, and (7·wo) div 32 <= L for wo up to (32·(L + 1) − 1) div 7.
    const int limit = (3 * h) / 4 - (3 * h + 7) / 8 - 2;
    const int widest = (32 * (limit + 1) - 1) / 7;
    return std::clamp(widest, 0, std::max(w, 0));
}

raster::Point centralBody(int w, int h)
{
    const int wo = orbitWidth(w, h);
    return {(7 * wo) / 16 + (w - wo) / 2, (3 * h) / 8};
}

raster::Point bitmapOrigin(int h) { return {0, h / 8}; }

void create(int w, int h)
{
    State& s = state();
    s.w = w;
    s.h = h;
    s.wo = orbitWidth(w, h);
    s.a = static_cast<float>((4 * s.wo) / 16);
    s.b = static_cast<float>((7 * s.wo) / 32);
    s.k = 0;
    s.shown = false;
    // Black throughout (the sky takes the colour a fill would give it), then the central body, a
    // yellow disk with the canvas's black pen, then a white pen and brush.
    s.OrbitBitmap = raster::Bitmap();
    raster::Canvas& c = s.OrbitBitmap.canvas();
    c.brush.color = kBlack;
    s.OrbitBitmap.setSize(w, (3 * h) / 4);
    c.pen.color = kBlack;
    c.brush.color = kYellow;
    const raster::Point body = centralBody(w, h);
    c.ellipse(body.x - 8, body.y - 8, body.x + 8, body.y + 8);
    c.pen.color = kWhite;
    c.brush.color = kWhite;
}

void show(raster::Canvas& surface)
{
    State& s = state();
    const raster::Point o = bitmapOrigin(s.h);
    surface.draw(o.x, o.y, s.OrbitBitmap);
    s.shown = true;
}

void tick(raster::Canvas& surface, bool paused, const Toggles& toggles)
{
    State& s = state();
    orb::DamageBox changed;   // what this tick draws on the bitmap
    if (!paused) {
        orb::DamageCanvas c(s.OrbitBitmap.canvas(), changed);
        if (!toggles.permanent) {
            // The previous step's arrows, whichever were drawn, then the satellite, in black.
            c.canvas().pen.color = kBlack;
            c.canvas().brush.color = kBlack;
            arrows(c, s, Toggles{true, true, true, true, false}, true);
            satellite(c, s);
        }
        place(s);
        // The satellite in white, outlined in whatever pen the canvas holds.
        c.canvas().brush.color = kWhite;
        satellite(c, s);
        arrows(c, s, toggles, false);
        s.k = (s.k + 1) % kSteps;
    }
    // The bitmap goes to the window: whole the first time, then only where it changed, which
    // leaves the same pixels as copying it whole.
    if (!s.shown) {
        show(surface);
        return;
    }
    const raster::Rect r = changed.within({0, 0, s.OrbitBitmap.width(), s.OrbitBitmap.height()});
    if (r.right > r.left) {
        const raster::Point o = bitmapOrigin(s.h);
        surface.copyRect({r.left + o.x, r.top + o.y, r.right + o.x, r.bottom + o.y},
                         s.OrbitBitmap.canvas(), r);
    }
}

void release()
{
    State& s = state();
    s.OrbitBitmap = raster::Bitmap();
    s.shown = false;
}

std::size_t bytes() { return state().OrbitBitmap.bytes(); }

}  // namespace centrali
