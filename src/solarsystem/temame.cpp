// Earth-planet relative motion: the heliocentric view on the left, the planet's trail as seen
// from the fixed Earth on the right, and the line of sight from the Earth through the planet.
#include "solarsystem/temame.h"

#include <cmath>
#include <numbers>
#include "shell/colours.h"

namespace temame {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
using namespace orb::palette;
// kSilver: never drawn in the scene

// A body of half-size d = W div 160 at (x, y), with the canvas's pen and brush.
void body(orb::DamageCanvas& c, float x, float y, int d)
{
    c.ellipse(rnd(x) - d, rnd(y - static_cast<long double>(d)), rnd(x) + d,
              rnd(y + static_cast<long double>(d)));
}

// Keeps the square of side 2 (W div 150) around the trail point, which the planet's marker is
// drawn over; the patch bitmap has that same side, so that putting it back covers exactly the
// square it came from.
void takeTrailPatch(State& s, int w)
{
    const int half = patchHalf(w);
    const int x = rnd(s.at.xT), y = rnd(s.at.yT);
    s.TrailPatch.take(s.SceneBitmap.canvas(), {x - half, y - half, x + half, y + half});
}

// The ring of 180 stars about the Sun: for j = 1..90 one star at radius W / 5 and angle
// j pi / 45 and one at radius W / 5 + 7 and 2 degrees further, cyan for odd j, white for even.
void drawStars(raster::Canvas& c, int w, int h)
{
    const long double radius = w / 5.0L;
    for (int j = 1; j <= 90; ++j) {
        const raster::Color colour = j % 2 == 1 ? kCyan : kWhite;
        c.pen.color = colour;
        c.brush.color = colour;
        const long double a = j * kPi / 45;
        const long double b = a + 2 * kPi / 180;
        const int x1 = w / 4 + rnd(std::cos(a) * radius), y1 = h / 2 + rnd(std::sin(a) * radius);
        const int x2 = w / 4 + rnd(std::cos(b) * (radius + 7)), y2 = h / 2 + rnd(std::sin(b) * (radius + 7));
        c.ellipse(x1 - 2, y1 - 2, x1 + 2, y1 + 2);
        c.ellipse(x2 - 2, y2 - 2, x2 + 2, y2 + 2);
    }
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

int rnd(long double v) { return static_cast<int>(std::nearbyint(v)); }

int patchHalf(int w) { return w / 150; }

Orbits orbits(int w, bool outer)
{
    if (outer)
        return {w / 10 - 1, w / 8, 376, kRed};
    return {w / 10, w / 20, 48, kWhite};
}

Positions positions(int w, int h, const Orbits& o, int t)
{
    // Each orbit is an ellipse 1.1 times taller than wide, centred 0.15 R below the Sun at
    // (W / 4, H / 2): (W / 4 + R cos th, H / 2 + 0.15 R + 1.1 R sin th), with th = 2 pi t / 200 +
    // pi / 4 for the Earth and 2 pi t / Tp for the planet. Seen from the Earth fixed at
    // (3 W / 4, 21 H / 40), the planet is at that point plus (xP - xE, yP - yE).
    Positions p;
    const long double cw = w / 4.0L, ch = h / 2.0L;
    const long double re = o.Re, rp = o.Rp;
    const long double thE = 2 * kPi * t / kEarthPeriod + kPi / 4;
    const long double thP = 2 * kPi * t / o.Tp;
    p.xE = static_cast<float>(cw + re * std::cos(thE));
    p.yE = static_cast<float>(ch + 0.15L * re + 1.1L * re * std::sin(thE));
    p.xP = static_cast<float>(cw + rp * std::cos(thP));
    p.yP = static_cast<float>(ch + 0.15L * rp + 1.1L * rp * std::sin(thP));
    p.xT = static_cast<float>(3.0L * w / 4 + p.xP - p.xE);
    p.yT = static_cast<float>(21.0L * h / 40 + p.yP - p.yE);
    return p;
}

void create(int w, int h)
{
    State& s = state();
    s.SceneBitmap = raster::Bitmap();
    s.SceneBitmap.setSize(w, h);
    s.TrailPatch.create(2 * patchHalf(w), 2 * patchHalf(w));
    s.LineOfSight = false;
    s.shown = false;
    s.FirstActivation = true;
}

void restart(int w, int h, bool outer)
{
    State& s = state();
    s.Outer = outer ? 1 : 0;
    s.orbit = orbits(w, outer);
    raster::Canvas& c = s.SceneBitmap.canvas();
    c.brush.color = kBlack;
    c.floodFill(1, 1, kSilver, raster::FillStyle::Border);
    // The sky's outline and the divider between the two views.
    c.pen.color = kWhite;
    c.ellipse(w / 4 - w / 5, (3 * h) / 10, w / 4 + w / 5, (7 * h) / 10);
    c.pen.width = 2;
    c.moveTo(w / 2 + 1, 0);
    c.lineTo(w / 2 + 1, h);
    c.pen.width = 1;
    drawStars(c, w, h);
    // The Sun of the heliocentric view, radius W div 50, and the Earth of the geocentric view.
    c.pen.color = kBlack;
    c.brush.color = kYellow;
    c.ellipse(w / 4 - w / 50, h / 2 - w / 50, w / 4 + w / 50, h / 2 + w / 50);
    c.brush.color = kCyan;
    const int ex = (3 * w) / 4, ey = (21 * h) / 40, d = w / 160;
    c.ellipse(ex - d, ey - d, ex + d, ey + d);
    s.at = positions(w, h, s.orbit, 0);
    takeTrailPatch(s, w);
    c.moveTo(rnd(s.at.xT), rnd(s.at.yT));
    s.Tick = 0;
    s.shown = false;
}

void tick(raster::Canvas& window, int w, int h, bool paused, std::vector<raster::Rect>* drawn)
{
    State& s = state();
    // What this tick changes in the scene: the Earth's and the planet's old and new places, and
    // the trail's end with the planet's marker.
    orb::DamageBox changed[3];
    if (!paused) {
        raster::Canvas& scene = s.SceneBitmap.canvas();
        orb::DamageCanvas earth(scene, changed[0]), planet(scene, changed[1]), trail(scene, changed[2]);
        const int d = w / 160;
        // Off with the bodies where they were, the Earth and the planet in black, the planet's
        // marker in the geocentric view by putting the trail back.
        scene.pen.color = kBlack;
        scene.brush.color = kBlack;
        body(earth, s.at.xE, s.at.yE, d);
        body(planet, s.at.xP, s.at.yP, d);
        const raster::Rect& kept = s.TrailPatch.rect();
        changed[2].add(kept.left, kept.top, kept.right, kept.bottom);
        s.TrailPatch.restore(scene);
        s.at = positions(w, h, s.orbit, s.Tick);
        scene.pen.color = kWhite;
        trail.lineTo(rnd(s.at.xT), rnd(s.at.yT));
        takeTrailPatch(s, w);
        scene.pen.color = kBlack;
        scene.brush.color = s.orbit.colour;
        body(planet, s.at.xP, s.at.yP, d);
        body(trail, s.at.xT, s.at.yT, d);
        scene.brush.color = kCyan;
        body(earth, s.at.xE, s.at.yE, d);
        ++s.Tick;
    }
    // The scene on the window: whole after a restart, then where it changed and where the last
    // line of sight was drawn.
    const raster::Rect client{0, 0, w, h};
    if (!s.shown) {
        window.draw(0, 0, s.SceneBitmap);
        s.shown = true;
        if (drawn)
            drawn->push_back(client);
    } else {
        for (const orb::DamageBox& box : {changed[0], changed[1], changed[2], s.sight})
            if (const raster::Rect r = box.within(client); r.right > r.left) {
                window.copyRect(r, s.SceneBitmap.canvas(), r);
                if (drawn)
                    drawn->push_back(r);
            }
    }
    s.sight.clear();
    if (!s.LineOfSight)
        return;
    if (const auto end = sightEnd(s.SceneBitmap.canvas(), w, h, s.at)) {
        orb::DamageCanvas sight(window, s.sight);
        window.pen.color = kWhite;
        window.pen.style = raster::PenStyle::Dot;
        window.brush.color = kBlack;
        sight.moveTo(rnd(s.at.xE), rnd(s.at.yE));
        sight.lineTo(end->x, end->y);
        window.pen.style = raster::PenStyle::Solid;
        if (drawn)
            drawn->push_back(s.sight.within(client));
    }
}

void toggleLineOfSight() { state().LineOfSight = !state().LineOfSight; }

std::optional<raster::Point> sightEnd(const raster::Canvas& scene, int w, int h, const Positions& p)
{
    // From the Earth along the unit vector toward the planet, the i-th step i long, while
    // within W / 5 + 7 of (W / 4 - 7, H / 2 - 7); a yellow pixel on the way is the Sun.
    const long double dx = static_cast<long double>(p.xP) - p.xE;
    const long double dy = static_cast<long double>(p.yP) - p.yE;
    const long double length = std::hypot(dx, dy);
    if (!(length > 0))
        return std::nullopt;   // no direction to look in
    const long double ux = dx / length, uy = dy / length;
    const long double cx = w / 4.0L - 7, cy = h / 2.0L - 7, reach = w / 5.0L + 7;
    long double x = rnd(p.xE), y = rnd(p.yE);
    for (int i = 1; std::hypot(x - cx, y - cy) < reach; ++i) {
        x += i * ux;
        y += i * uy;
        if (scene.pixel(rnd(x), rnd(y)) == kYellow)
            return std::nullopt;
    }
    return raster::Point{rnd(x), rnd(y)};
}

void release()
{
    State& s = state();
    s.SceneBitmap = raster::Bitmap();
    s.TrailPatch.release();
}

std::size_t bytes()
{
    const State& s = state();
    return s.SceneBitmap.bytes() + s.TrailPatch.bytes();
}

}  // namespace temame
