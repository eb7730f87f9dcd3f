// The tide model: the ocean's two bulges raised by the Moon, and the forces that raise them.
#include "earthmoon/maree.h"

#include <cmath>
#include <numbers>

namespace maree {

namespace {

constexpr double kPi = std::numbers::pi;
// Half the opening of an arrow head: 20 degrees.
constexpr double kHeadHalfAngle = 0.3490658503988659;

int roundi(double v) { return static_cast<int>(std::nearbyint(v)); }

raster::Point rounded(double x, double y) { return {roundi(x), roundi(y)}; }

// The Moon's angle from the direction of the Sun: alpha = tau pi / 300.
double moonAngle(int tau) { return static_cast<double>(tau) * kPi / 300.0; }

void drawArrow(raster::Canvas& c, const Arrow& a)
{
    c.moveTo(a.foot.x, a.foot.y);
    c.lineTo(a.tip.x, a.tip.y);
    const std::array<raster::Point, 3> head{a.tip, a.barb1, a.barb2};
    c.polygon(head);
}

void drawScene(int tau, int w, int h)
{
    State& s = state();
    raster::Canvas& c = s.scene.canvas();
    const Bodies b = bodiesAt(tau, w, h, s.h5);
    const raster::Point o = b.earth;

    c.brush.color = kBlack;
    c.fillRect(s.clear);

    // The ocean: its outline in blue, then filled from the Earth's centre up to that outline. The
    // outline is 8-connected and the fill 4-connected, so the fill never slips through a diagonal
    // step of the outline.
    c.pen.color = kBlue;
    c.brush.color = kBlue;
    const auto ocean = oceanOutline(tau, o, h);
    c.moveTo(ocean[0].x, ocean[0].y);
    for (int i = 1; i < kOceanPoints; ++i)
        c.lineTo(ocean[static_cast<std::size_t>(i)].x, ocean[static_cast<std::size_t>(i)].y);
    c.floodFill(o.x, o.y, kBlue, raster::FillStyle::Border);

    // The solid Earth and its centre.
    const int r = h / 20;
    c.brush.color = kNavy;
    c.ellipse(o.x - r, o.y - r, o.x + r, o.y + r);
    c.pen.color = kWhite;
    c.brush.color = kWhite;
    c.ellipse(o.x - 2, o.y - 2, o.x + 2, o.y + 2);

    // The Moon, lit from the Sun on the right: a white disc whose left half a black pie darkens.
    const raster::Point m = b.moon;
    const int R = h / 50;
    c.ellipse(m.x - R, m.y - R, m.x + R, m.y + R);
    c.pen.color = kGrey;
    c.brush.color = kBlack;
    c.pie(m.x - R, m.y - R, m.x + R, m.y + R, m.x, m.y - R, m.x, m.y + R);

    // The centre of mass.
    const raster::Point g = b.centre;
    c.pen.color = kNavy;
    c.brush.color = kRed;
    c.ellipse(g.x - 2, g.y - 2, g.x + 2, g.y + 2);

    struct Group { Arrows group; raster::Color colour; };
    for (const Group& grp : {Group{Arrows::Centrifugal, kYellow}, Group{Arrows::Attraction, kRed},
                             Group{Arrows::Resultant, kAqua}}) {
        if (!s.arrows[static_cast<std::size_t>(grp.group)])
            continue;
        c.pen.color = grp.colour;
        c.brush.color = grp.colour;
        for (const Arrow& a : arrowGroup(grp.group, tau, o, h))
            drawArrow(c, a);
    }
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

int tideRow(int tau)
{
    if ((tau >= 0 && tau <= 6) || (tau >= 294 && tau <= 306) || (tau >= 594 && tau <= 599))
        return kSpringRow;
    if ((tau >= 144 && tau <= 156) || (tau >= 444 && tau <= 456))
        return kNeapRow;
    return -1;
}

Bodies bodiesAt(int tau, int w, int h, int h5)
{
    const double alpha = moonAngle(tau);
    const float ca = static_cast<float>(std::cos(alpha));
    const float sa = static_cast<float>(std::sin(alpha));
    const double hd = static_cast<double>(h);
    Bodies b;
    b.centre = {w / 4, h / 2 - h5};
    // The Earth turns about G on a circle of radius H/80, always opposite the Moon, which
    // turns on a circle of radius H/4.
    b.earth = {w / 4 - roundi(hd / 80.0 * ca), (h / 2 - h5) + roundi(hd / 80.0 * sa)};
    b.moon = {w / 4 + roundi(hd / 4.0 * ca), (h / 2 - h5) - roundi(hd / 4.0 * sa)};
    return b;
}

std::array<raster::Point, kOceanPoints> oceanOutline(int tau, raster::Point o, int h)
{
    const double alpha = moonAngle(tau);
    const float ca = static_cast<float>(std::cos(alpha));
    const float sa = static_cast<float>(std::sin(alpha));
    const double hd = static_cast<double>(h);
    // An ellipse with semi-axes a = (H/15)(1 + |cos alpha / 15|) along the Earth-Moon line and
    // b = (H/18)(1 + |sin alpha / 15|) across it, turned by alpha:
    //   u = a cos(i pi/50), v = b sin(i pi/50),  point = O + (u cos alpha - v sin alpha,
    //   -(u sin alpha + v cos alpha)) on the screen.
    const double a = hd / 15.0 * (1.0 + std::fabs(static_cast<double>(ca) / 15.0));
    const double bb = hd / 18.0 * (1.0 + std::fabs(static_cast<double>(sa) / 15.0));
    std::array<raster::Point, kOceanPoints> p{};
    for (int i = 0; i < kOceanPoints; ++i) {
        const double t = static_cast<double>(i) * kPi / 50.0;
        const double u = a * std::cos(t);
        const double v = bb * std::sin(t);
        p[static_cast<std::size_t>(i)] = {o.x + roundi(u * ca - v * sa), o.y - roundi(u * sa + v * ca)};
    }
    return p;
}

Arrow arrowAt(raster::Point o, int h, float L, float theta, float phi)
{
    const double hd = static_cast<double>(h);
    const double th = static_cast<double>(theta);
    const double len = static_cast<double>(L);
    // The foot lies on a circle of radius H/17 about the Earth's centre; the arrow points along
    // theta + phi + pi/2, that is from the foot by -L (cos psi, sin psi) with psi = theta + phi - pi/2
    // (y up); the head's barbs run back from the tip by L/5 at psi +- 20 degrees.
    const double fx = o.x + hd / 17.0 * std::cos(th);
    const double fy = o.y - hd / 17.0 * std::sin(th);
    const double psi = th + static_cast<double>(phi) - kPi / 2.0;
    const double tx = fx - len * std::cos(psi);
    const double ty = fy + len * std::sin(psi);
    const double barb = len / 5.0;
    Arrow a;
    a.foot = rounded(fx, fy);
    a.tip = rounded(tx, ty);
    a.barb1 = rounded(tx + barb * std::cos(psi + kHeadHalfAngle), ty - barb * std::sin(psi + kHeadHalfAngle));
    a.barb2 = rounded(tx + barb * std::cos(psi - kHeadHalfAngle), ty - barb * std::sin(psi - kHeadHalfAngle));
    return a;
}

std::array<Arrow, 4> arrowGroup(Arrows group, int tau, raster::Point o, int h)
{
    const double alpha = moonAngle(tau);
    const float hf = static_cast<float>(h);
    auto place = [alpha](double offset) { return static_cast<float>(alpha + offset); };
    constexpr float kHalfPi = static_cast<float>(kPi / 2.0);
    constexpr float kFullPi = static_cast<float>(kPi);
    switch (group) {
    case Arrows::Centrifugal:
        // All four away from the Moon, all alike.
        return {arrowAt(o, h, hf / 20, place(0), kHalfPi),
                arrowAt(o, h, hf / 20, place(kPi), -kHalfPi),
                arrowAt(o, h, hf / 20, place(kPi / 2.0), 0.0f),
                arrowAt(o, h, hf / 20, place(3.0 * kPi / 2.0), kFullPi)};
    case Arrows::Attraction:
        // Towards the Moon: longest on the near side, shortest on the far side, and turned 15
        // degrees inwards at the sides.
        return {arrowAt(o, h, hf / 15, place(0), -kHalfPi),
                arrowAt(o, h, hf / 25, place(kPi), kHalfPi),
                arrowAt(o, h, hf / 20, place(kPi / 2.0), 2.879793f),
                arrowAt(o, h, hf / 20, place(-kPi / 2.0), 0.261799f)};
    case Arrows::Resultant:
        // Outwards on the Earth-Moon line, inwards across it: the two bulges.
        return {arrowAt(o, h, hf / 30, place(0), -kHalfPi),
                arrowAt(o, h, hf / 30, place(kPi), -kHalfPi),
                arrowAt(o, h, hf / 60, place(kPi / 2.0), kHalfPi),
                arrowAt(o, h, hf / 60, place(3.0 * kPi / 2.0), kHalfPi)};
    }
    return {};
}

void create(int w, int h)
{
    State& s = state();
    s.arrows = {false, false, false};
    s.h5 = h / 5;
    s.clear = {0, 0, w / 2, (3 * h) / 5};

    s.scene = raster::Bitmap();
    raster::Canvas& sc = s.scene.canvas();
    sc.brush.color = kBlack;
    s.scene.setSize(w / 2, (3 * h) / 5);
    sc.pen.color = kWhite;

    // The Sun: the left half of a yellow disc of diameter H div 4, counter-clockwise from the top
    // of the vertical diameter to its bottom.
    s.sun = raster::Bitmap();
    raster::Canvas& sun = s.sun.canvas();
    sun.brush.color = kBlack;
    s.sun.setSize(h / 8, h / 4);
    sun.pen.color = kYellow;
    sun.brush.color = kYellow;
    sun.pie(0, 0, h / 4, h / 4, h / 8, 0, h / 8, h / 4);
}

void paint(raster::Canvas& window, int w, int h) { window.draw(w - h / 8, (3 * h) / 8, state().sun); }

bool toggle(Arrows group)
{
    bool& on = state().arrows[static_cast<std::size_t>(group)];
    on = !on;
    return on;
}

TickResult tick(raster::Canvas& window, int w, int h, bool paused)
{
    State& s = state();
    TickResult r;
    if (!paused) {
        r.advanced = true;
        r.tideRow = tideRow(s.tau);
        drawScene(s.tau, w, h);
        s.tau = (s.tau + 1) % kTurn;
    }
    window.draw(0, s.h5, s.scene);
    return r;
}

void release()
{
    State& s = state();
    s.scene = raster::Bitmap();
    s.sun = raster::Bitmap();
}

std::size_t bytes()
{
    const State& s = state();
    return s.scene.bytes() + s.sun.bytes();
}

}  // namespace maree
