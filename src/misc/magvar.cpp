// The magnetic bottle: a charge gyrating about the axis of a non-uniform field while it drifts
// back and forth between the two ends where the field lines crowd together, with its dotted trace.
#include "misc/magvar.h"

#include <array>
#include <cmath>
#include <numbers>

namespace magvar {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
// The clearing fill stops at this colour, which the picture never holds: everything turns black.
constexpr raster::Color kNeverDrawn = raster::rgb(128, 0, 0);

int roundHalfEven(long double value) { return static_cast<int>(std::nearbyint(value)); }

// The rectangle of the patch saved under a charge at (x, y).
raster::Rect patchRect(int x, int y) { return {x - 3, y - 3, x + 3, y + 3}; }

}  // namespace

State& state()
{
    static State s;
    return s;
}

long double profile(long double u) { return std::exp(-u * u); }

raster::Point fieldPoint(int w, int h, int B, int m, int k)
{
    // u runs from an integer index, so that the last point lands on 1.5 exactly (an accumulated
    // step of 0.01 falls short of it and leaves the line's last point out).
    const long double u = static_cast<long double>(k - kFieldSteps / 2) / 100;
    // x = W/2 + Round(W/4 · u); y = H/4 - Round((g(u)·H/(30 B) + H/(40 B))·m).
    const long double spread = profile(u) * h / (30 * B) + static_cast<long double>(h) / (40 * B);
    return {w / 2 + roundHalfEven(w / 4.0L * u), h / 4 - roundHalfEven(spread * m)};
}

Place chargePlace(int w, int h, int B, int v, int n, float z)
{
    // R = g(z/500)·H·v/(20 B) + H·v/(30 B): the field is weakest, and the circle widest, at the
    // middle of the bottle.
    const long double u = static_cast<long double>(z) / 500;
    const double R = static_cast<double>(profile(u) * h * v / (20 * B) +
                                         static_cast<long double>(h) * v / (30 * B));
    // The circle is seen obliquely: its horizontal half-axis is R/2.
    // y = H/4 - Round(sin(n·π/60)·R); x = W/2 + Round(cos(n·π/60)·R/2 + W/4 · z/500).
    const long double angle = n * kPi / 60;
    const int y = h / 4 - roundHalfEven(std::sin(angle) * R);
    const int x = w / 2 + roundHalfEven(std::cos(angle) * R / 2 + w / 4.0L * u);
    return {x, y, R};
}

void create(int w, int h)
{
    State& s = state();
    s.w = w;
    s.h = h;
    s.picture = raster::Bitmap();
    s.picture.canvas().brush.color = kBlack;
    s.picture.canvas().pen.color = kWhite;
    s.picture.setSize(w, h / 2);
    s.patch.create(6, 6);
    s.recompute = true;
    s.computed = false;
}

void recompute(int B, int v)
{
    State& s = state();
    s.B = static_cast<std::uint8_t>(B);
    s.v = static_cast<std::uint8_t>(v);
    raster::Canvas& c = s.picture.canvas();
    c.brush.color = kBlack;
    c.floodFill(0, 0, kNeverDrawn, raster::FillStyle::Border);

    // 6 B + 1 field lines, m = -3 B .. 3 B; m = 0 is the axis.
    c.pen.color = kGrey;
    std::array<raster::Point, kFieldSteps + 1> line{};
    for (int m = -3 * B; m <= 3 * B; ++m) {
        for (int k = 0; k <= kFieldSteps; ++k)
            line[static_cast<std::size_t>(k)] = fieldPoint(s.w, s.h, B, m, k);
        c.polyline(line);
    }

    c.pen.color = kWhite;
    c.brush.color = kWhite;
    s.n = 600;
    s.z = -400;
    const Place p = chargePlace(s.w, s.h, B, v, s.n, s.z);
    s.x = p.x;
    s.y = p.y;
    s.R = p.R;
    s.patch.take(c, patchRect(s.x, s.y));
    s.computed = true;
}

void tick(raster::Canvas& surface, bool paused, bool trace)
{
    State& s = state();
    raster::Canvas& c = s.picture.canvas();
    if (!paused && s.computed) {
        s.patch.restore(c);
        if (s.n % 4 == 0 && trace)
            c.setPixel(s.x, s.y, kWhite);
        const Place p = chargePlace(s.w, s.h, s.B, s.v, s.n, s.z);
        s.x = p.x;
        s.y = p.y;
        s.R = p.R;
        s.patch.take(c, patchRect(s.x, s.y));
        c.ellipse(s.x - 2, s.y - 2, s.x + 2, s.y + 2);
        // One swing, z = 400·cos(n·π/600), takes kPeriod ticks.
        s.n = (s.n + 1) % kPeriod;
        s.z = static_cast<float>(std::cos(s.n * kPi / 600) * 400);
    }
    show(surface);
}

void show(raster::Canvas& surface) { surface.draw(0, state().h / 4, state().picture); }

void release()
{
    State& s = state();
    s.picture = raster::Bitmap();
    s.patch.release();
}

std::size_t bytes() { return state().picture.bytes() + state().patch.bytes(); }

}  // namespace magvar
