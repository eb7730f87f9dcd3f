// The expanding-universe model: the balloon of galaxies drawn at each age, and the ages of an open
// and of a closed universe.
#include "celestial/espansione.h"

#include <array>
#include <cmath>
#include <numbers>

namespace espansione {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

int rnd(long double v) { return static_cast<int>(std::nearbyint(v)); }

// The sines and cosines of the six meridians φ = j·π/6 + π/12 (15°, 45°, ..., 165°) and of the
// polar angles of the galaxies, in steps of π/36 (far side) and of π/18 (near side).
struct Angles {
    std::array<long double, 6> cphi{}, sphi{};
    std::array<long double, 42> cfar{}, sfar{};
    std::array<long double, 37> cnear{}, snear{};
    Angles()
    {
        for (std::size_t j = 0; j < cphi.size(); ++j) {
            const long double phi = j * kPi / 6 + kPi / 12;
            cphi[j] = std::cos(phi);
            sphi[j] = std::sin(phi);
        }
        for (std::size_t i = 0; i < cfar.size(); ++i) {
            cfar[i] = std::cos(i * kPi / 36);
            sfar[i] = std::sin(i * kPi / 36);
        }
        for (std::size_t i = 0; i < cnear.size(); ++i) {
            cnear[i] = std::cos(i * kPi / 18);
            snear[i] = std::sin(i * kPi / 18);
        }
    }
};

const Angles& angles()
{
    static const Angles a;
    return a;
}

// Where a galaxy of the sphere at age s shows, seen slightly from above: with φ its meridian, θ
// its polar angle and k the vertical factor,
//   x = c − round((s·H/300)·cos φ·sin θ),
//   y = c − round((k·s·H/300)·cos θ) − round((s·H/600)·sin φ·sin θ),
// each product formed as (H/300)·s, (k·H/300)·s or (H/600)·s and then multiplied by the factors.
struct Projection {
    int c;
    long double across, up, depth;
    Projection(int h, int s, long double k)
        : c(h / 2),
          across(static_cast<long double>(h) / 300 * s),
          up(k * h / 300 * s),
          depth(static_cast<long double>(h) / 600 * s)
    {
    }
    raster::Point at(long double cphi, long double sphi, long double ctheta, long double stheta) const
    {
        return {c - rnd(across * cphi * stheta), c - rnd(up * ctheta) - rnd(depth * sphi * stheta)};
    }
};

// A galaxy's disc; `drawn` takes its box, which holds the galaxy's pixel and the ends of the
// lines that join it.
void disc(raster::Canvas& c, raster::Point p) { c.ellipse(p.x - 3, p.y - 3, p.x + 3, p.y + 3); }
void mark(orb::DamageBox& drawn, raster::Point p) { drawn.add(p.x - 3, p.y - 3, p.x + 4, p.y + 4); }

// A meridian of the near side from polar angle step `from` to `to` (π/18 each): grey lines joining
// its galaxies, each second one a white disc.
void nearMeridian(raster::Canvas& c, orb::DamageBox& drawn, const Projection& near, std::size_t j,
                  std::size_t from, std::size_t to)
{
    const Angles& a = angles();
    const auto at = [&](std::size_t i) { return near.at(a.cphi[j], a.sphi[j], a.cnear[i], a.snear[i]); };
    const raster::Point first = at(from);
    c.moveTo(first.x, first.y);
    for (std::size_t i = from; i <= to; ++i) {
        const raster::Point p = at(i);
        mark(drawn, p);
        c.pen.color = kGrey;
        c.lineTo(p.x, p.y);
        if (i % 2 == 0) {
            c.pen.color = kWhite;
            disc(c, p);
        }
    }
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

void create(int h)
{
    State& st = state();
    st.kind = Open;
    st.picture = raster::Bitmap();
    st.picture.canvas().brush.color = kSilver;
    st.picture.setSize(h, h);
    st.drawn.clear();
}

void renew(int kind)
{
    State& st = state();
    st.s = 1;
    st.collapsing = false;
    st.kind = kind;
}

void draw(raster::Canvas& c, int h, int s, orb::DamageBox& drawn)
{
    const Angles& a = angles();
    const int centre = h / 2;
    // The sphere, of radius (H/280)·s. Once it reaches two pixels beyond the picture's corners,
    // (r − 2)² > 2·(H div 2)², it covers every pixel, and nothing needs clearing under it.
    const int r = rnd(static_cast<long double>(h) / 280 * s);
    c.pen.color = kSilver;
    c.brush.color = kSilver;
    const bool covered = r > 2 && static_cast<long long>(r - 2) * (r - 2) > 2LL * centre * centre;
    if (!covered)
        c.fillRect(drawn.within({0, 0, h, h}));
    drawn.clear();
    c.brush.color = kBlack;
    c.ellipse(centre - r, centre - r, centre + r, centre + r);
    drawn.add(centre - r, centre - r, centre + r + 1, centre + r + 1);

    // The galaxies of the far side, dim through the sphere: a dot every π/36, a disc every π/9.
    c.brush.color = kSilver;
    const Projection far(h, s, 0.88L);
    for (std::size_t j = 0; j < 6; ++j)
        for (std::size_t i = j + 6; i <= 41; ++i) {
            const raster::Point p = far.at(a.cphi[j], a.sphi[j], a.cfar[i], a.sfar[i]);
            c.setPixel(p.x, p.y, kSilver);
            mark(drawn, p);
            if (i % 4 == 0)
                disc(c, p);
        }

    // The galaxies of the near side, joined along their meridians: the lower part, then the
    // upper part, each meridian as far as it shows in front of the sphere.
    c.pen.color = kWhite;
    c.brush.color = kWhite;
    const Projection near(h, s, 0.892L);
    constexpr std::array<std::size_t, 6> kUpperEnd{10, 6, 5, 5, 6, 10};
    for (std::size_t j = 0; j < 6; ++j)
        nearMeridian(c, drawn, near, j, 22, 36);
    for (std::size_t j = 0; j < 6; ++j)
        nearMeridian(c, drawn, near, j, 0, kUpperEnd[j]);
}

namespace {

// One step of the age. Returns false when the run ends.
bool advance(State& st)
{
    if (st.kind == Open) {
        // An open universe grows up to its largest size; started again, it begins from a point.
        st.s = (st.s + 1) % (kOpenLargest + 1);
        return st.s != kOpenLargest;
    }
    // A closed universe that has collapsed to a point stays there until a new run: stepping on
    // would take the age below zero.
    if (st.collapsing && st.s == 0)
        return false;
    st.s = (st.collapsing ? st.s - 1 : st.s + 1) % (kClosedLargest + 1);
    if (st.s == kClosedLargest)
        st.collapsing = true;
    return st.s != 0;
}

}  // namespace

bool tick(raster::Canvas& surface, bool paused, raster::Rect* changed)
{
    State& st = state();
    const int h = surface.height();
    const int left = surface.width() / 2 - h / 2;
    if (paused) {
        surface.draw(left, 0, st.picture);
        if (changed)
            *changed = {left, 0, left + h, h};
        return true;
    }
    // What changed: the part cleared and the part drawn anew.
    orb::DamageBox box = st.drawn;
    draw(st.picture.canvas(), h, st.s, st.drawn);
    box.add(st.drawn);
    const raster::Rect r = box.within({0, 0, h, h});
    const raster::Rect onSurface{left + r.left, r.top, left + r.right, r.bottom};
    surface.copyRect(onSurface, st.picture.canvas(), r);
    if (changed)
        *changed = onSurface;
    return advance(st);
}

void release() { state().picture = raster::Bitmap(); }

}  // namespace espansione
