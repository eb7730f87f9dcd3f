// Kepler's third law: the Sun, the four orbits seen in perspective and the planets moving on them,
// drawn on the scene and moved by restoring the background saved under each planet.
#include "solarsystem/tkeplero.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include "shell/colours.h"

namespace tkeplero {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
using namespace orb::palette;
// kDarkRed: the colour that bounds the clearing flood fill: never drawn on the scene or the orbits.

// The square of a planet's sprite and background around its place (x, y).
raster::Rect around(raster::Point at, int p) { return {at.x - p, at.y - p, at.x + p, at.y + p}; }

void clearBlack(raster::Canvas& c, int x, int y)
{
    c.brush.color = kBlack;
    c.floodFill(x, y, kDarkRed, raster::FillStyle::Border);
}

// The Sun, a yellow disc of radius SunRadius at (W div 2, H div 4).
void drawSun(raster::Canvas& c, const State& s)
{
    c.pen.color = kYellow;
    c.brush.color = kYellow;
    const int cx = s.W / 2, cy = s.H / 4;
    c.ellipse(cx - s.SunRadius, cy - s.SunRadius, cx + s.SunRadius, cy + s.SunRadius);
}

// Saves the scene under each planet's place for the current Tick.
void saveBackgrounds(State& s)
{
    for (int k = 0; k < kPlanets; ++k) {
        const auto i = static_cast<std::size_t>(k);
        s.position[i] = planetAt(s.W, s.H, s.radius[i], s.halfPeriod[i], s.Tick);
        s.background[i].take(s.SceneBitmap.canvas(), around(s.position[i], s.p), {0, 0, 2 * s.p, 2 * s.p});
    }
}

void drawOrbits(State& s)
{
    raster::Canvas& c = s.OrbitsBitmap.canvas();
    clearBlack(c, 1, 1);
    c.pen.color = kGrey;
    c.brush.color = kBlack;
    const long double cx = s.W / 2.0L, cy = s.H / 4.0L;
    for (int k = kPlanets - 1; k >= 0; --k) {
        const int a = s.radius[static_cast<std::size_t>(k)];
        c.ellipse(rnd(cx - a), rnd(cy - a / 3.0L), rnd(cx + a), rnd(cy + a / 3.0L));
    }
    // The dotted radius of the outer orbit, on which the planets start.
    c.pen.style = raster::PenStyle::Dot;
    c.moveTo(s.W / 2, s.H / 4);
    c.lineTo(s.W / 2 + s.radius[kPlanets - 1], s.H / 4);
    c.pen.style = raster::PenStyle::Solid;
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

int rnd(long double v) { return static_cast<int>(std::nearbyint(v)); }

std::array<float, kPlanets> halfPeriods(const std::array<int, kPlanets>& radius)
{
    // The third law with T1 = a1: Tk^2 / ak^3 = T1^2 / a1^3. The cubes are formed in 64 bits:
    // a4^3 passes 2^31 from a4 = 1291 px (W = 3456) on.
    std::array<float, kPlanets> t{};
    const std::int64_t a1 = radius[0];
    if (a1 <= 0)
        return t;
    const auto t1 = static_cast<float>(a1);
    for (std::size_t k = 0; k < t.size(); ++k) {
        const std::int64_t ak = radius[k];
        t[k] = static_cast<float>(std::sqrt(static_cast<long double>(ak * ak * ak) * t1 * t1 /
                                            static_cast<long double>(a1 * a1 * a1)));
    }
    return t;
}

raster::Point planetAt(int w, int h, int a, float t2, int tick)
{
    // (W/2 + a cos(pi t / Tk), H/4 - (a/3) sin(pi t / Tk)); a planet of no orbit stays put.
    const long double angle = t2 > 0 ? kPi * tick / t2 : 0.0L;
    return {rnd(w / 2.0L + a * std::cos(angle)), rnd(h / 4.0L - (a / 3.0L) * std::sin(angle))};
}

std::string radiusText(int a) { return "R = " + std::to_string(a); }

std::string periodText(float t2)
{
    // The whole number, however long: a period of five figures (from W = 5456 on) is not cut.
    std::string n = std::to_string(rnd(2.0L * t2));
    if (n.size() < 3)
        n.insert(0, 3 - n.size(), ' ');
    return "T = " + n;
}

std::string tickText(int tick) { return std::to_string(tick).substr(0, 8); }

void create(int w, int h)
{
    State& s = state();
    s.W = w;
    s.H = h;
    const int a1 = w / 16;
    for (std::size_t k = 0; k < s.radius.size(); ++k)
        s.radius[k] = kRadiusUnits[k] * a1;
    s.halfPeriod = halfPeriods(s.radius);
    s.SunRadius = w / 90;
    s.p = w / 170;

    for (raster::Bitmap* b : {&s.SceneBitmap, &s.OrbitsBitmap}) {
        *b = raster::Bitmap();
        b->canvas().brush.color = kBlack;
        b->setSize(w, h);
    }
    for (std::size_t k = 0; k < s.sprite.size(); ++k) {
        s.background[k].create(4 * s.p, 4 * s.p);
        s.sprite[k] = raster::Bitmap();
        s.sprite[k].setSize(4 * s.p, 4 * s.p);
    }

    drawOrbits(s);
    raster::Canvas& c = s.SceneBitmap.canvas();
    clearBlack(c, 1, 1);
    drawSun(c, s);
    s.Tick = 0;
    saveBackgrounds(s);
    // Each planet drawn once in its colour; its sprite is the square it was drawn in.
    for (std::size_t k = 0; k < s.sprite.size(); ++k) {
        const raster::Rect r = around(s.position[k], s.p);
        c.pen.color = kPlanetColours[k];
        c.brush.color = kPlanetColours[k];
        c.ellipse(r.left, r.top, r.right, r.bottom);
        s.sprite[k].canvas().copyRect({0, 0, 2 * s.p, 2 * s.p}, c, r);
    }
    c.pen.color = kWhite;
    c.brush.color = kBlack;
    s.wholeScene = true;
}

int tick(raster::Canvas& surface, bool paused, std::vector<raster::Rect>* drawn)
{
    State& s = state();
    raster::Canvas& scene = s.SceneBitmap.canvas();
    const int top = s.H / 4;
    const raster::Rect square{0, 0, 2 * s.p, 2 * s.p};
    // The squares of the scene that this tick changed.
    std::array<raster::Rect, 2 * kPlanets> changed{};
    int shown = -1;
    if (!paused) {
        for (std::size_t k = 0; k < s.sprite.size(); ++k) {
            s.background[k].restore(scene);
            changed[2 * k] = s.background[k].rect();
            s.position[k] = planetAt(s.W, s.H, s.radius[k], s.halfPeriod[k], s.Tick);
            const raster::Rect r = around(s.position[k], s.p);
            s.background[k].take(scene, r, square);
            scene.copyRect(r, s.sprite[k].canvas(), square);
            changed[2 * k + 1] = r;
        }
        shown = s.Tick++;
    }
    // The scene at (0, H div 4); after the first time only where it changed.
    if (s.wholeScene) {
        surface.draw(0, top, s.SceneBitmap);
        s.wholeScene = false;
        if (drawn)
            drawn->push_back({0, top, s.SceneBitmap.width(), top + s.SceneBitmap.height()});
    } else if (!paused) {
        for (const raster::Rect& r : changed) {
            surface.copyRect({r.left, r.top + top, r.right, r.bottom + top}, scene, r);
            if (drawn)
                drawn->push_back({r.left, r.top + top, r.right, r.bottom + top});
        }
    }
    return shown;
}

void redrawScene(bool orbits)
{
    State& s = state();
    raster::Canvas& c = s.SceneBitmap.canvas();
    clearBlack(c, 0, 0);
    if (orbits)
        c.draw(0, 0, s.OrbitsBitmap);
    drawSun(c, s);
    c.pen.color = kWhite;
    c.brush.color = kBlack;
    saveBackgrounds(s);
    s.wholeScene = true;
}

void restart(bool orbits)
{
    state().Tick = 0;
    redrawScene(orbits);
}

void release()
{
    State& s = state();
    s.SceneBitmap = raster::Bitmap();
    s.OrbitsBitmap = raster::Bitmap();
    for (std::size_t k = 0; k < s.sprite.size(); ++k) {
        s.background[k].release();
        s.sprite[k] = raster::Bitmap();
    }
}

std::size_t bytes()
{
    const State& s = state();
    std::size_t n = s.SceneBitmap.bytes() + s.OrbitsBitmap.bytes();
    for (std::size_t k = 0; k < s.sprite.size(); ++k)
        n += s.background[k].bytes() + s.sprite[k].bytes();
    return n;
}

}  // namespace tkeplero
