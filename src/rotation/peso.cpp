// The weight-variation model: the Earth's section and, at one point of its surface, gravity, the
// centrifugal force and its components, and the weight as their resultant.
#include "rotation/peso.h"

#include <cmath>
#include <numbers>

namespace peso {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kHeadAngle = 0.3490659;   // 20 degrees, the half-opening of an arrow head

int roundInt(double v) { return static_cast<int>(std::nearbyint(v)); }

raster::Point rounded(Tip t) { return {roundInt(t.x), roundInt(t.y)}; }

// The section as it is drawn on the background, in bitmap coordinates (the bitmap stands H/32
// lower on the window): the sphere, the flattened Earth with three ellipses inside it, the axis
// and the sense of rotation at the top of the axis.
void drawEarth(raster::Canvas& c, int w, int h)
{
    const int cx = w / 2;
    const int r = (3 * h) / 8;
    c.pen.color = kGrey;
    c.brush.color = kBlack;
    c.ellipse(cx - r, h / 8, cx + r, (7 * h) / 8);
    c.brush.color = kSilver;
    c.ellipse(cx - r, (5 * h) / 32, cx + r, (27 * h) / 32);
    for (int b = 1; b <= 3; ++b) {
        const int inset = (b * h) / 10;
        c.ellipse(cx - r + inset, (5 * h) / 32 + inset, cx + r - inset, (27 * h) / 32 - inset);
    }
    c.moveTo(cx, h / 16);
    c.lineTo(cx, (15 * h) / 16);
    const int top = (3 * h) / 32;
    c.arc(cx - 20, top - 10, cx + 20, top + 10, cx - 20, top - 5, cx + 20, top - 5);
    c.moveTo(cx + 19, top - 5);
    c.lineTo(cx + 23, top);
    c.moveTo(cx + 19, top - 5);
    c.lineTo(cx + 15, top);
}

// An arrow of length len from the surface point at phi, turned by a from the inward normal:
//   delta = phi + a - pi/2,  tip = (x0 - cos delta len, y0 + sin delta len),
//   head = tip + len/5 (cos(delta +- 20 deg), -sin(delta +- 20 deg)).
// A line from the base to the tip and a filled head, in the canvas's pen and brush.
Tip arrow(raster::Canvas& c, double a, double phi, double len, int w, int h)
{
    const Tip base = surfacePoint(phi, w, h);
    const double delta = phi + a - kPi / 2;
    const Tip tip{base.x - std::cos(delta) * len, base.y + std::sin(delta) * len};
    const Tip left{tip.x + len / 5 * std::cos(delta + kHeadAngle), tip.y - len / 5 * std::sin(delta + kHeadAngle)};
    const Tip right{tip.x + len / 5 * std::cos(delta - kHeadAngle), tip.y - len / 5 * std::sin(delta - kHeadAngle)};
    const raster::Point from = rounded(base);
    const raster::Point to = rounded(tip);
    c.moveTo(from.x, from.y);
    c.lineTo(to.x, to.y);
    const raster::Point head[3] = {to, rounded(left), rounded(right)};
    c.polygon(head);
    return tip;
}

void colour(raster::Canvas& c, raster::Color col)
{
    c.pen.color = col;
    c.brush.color = col;
}

// A dotted line over a black brush (the gaps are black); the pen is solid again afterwards.
void dotted(raster::Canvas& c, raster::Point from, raster::Point to)
{
    c.brush.color = kBlack;
    c.pen.style = raster::PenStyle::Dot;
    c.moveTo(from.x, from.y);
    c.lineTo(to.x, to.y);
    c.pen.style = raster::PenStyle::Solid;
}

// The weight button can be clicked only while both forces are shown; when it cannot, the weight
// is hidden and its button up.
void updateWeightButton(State& s)
{
    s.enabled[Weight] = s.shown[Centrifugal] && s.shown[Gravity];
    if (!s.enabled[Weight])
        s.shown[Weight] = false;
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
    s.stepRequest = true;
    s.shown = {true, false, false, false};
    s.enabled = {true, true, false, false};
    s.background = raster::Bitmap();
    s.background.canvas().brush.color = kBlack;
    s.background.setSize(w, h);
    drawEarth(s.background.canvas(), w, h);
}

void release() { state().background = raster::Bitmap(); }

void activate() { state().stepRequest = true; }

void deactivate()
{
    State& s = state();
    s.k = static_cast<std::uint8_t>(s.k == 0 ? kSteps - 1 : s.k - 1);
}

void toggleStep() { state().stepRequest = !state().stepRequest; }

void graviClick()
{
    State& s = state();
    s.shown[Gravity] = !s.shown[Gravity];
    if (!s.shown[Gravity]) {
        s.shown[Centrifugal] = true;
        s.enabled[Components] = true;
    }
    updateWeightButton(s);
}

void centrifugaClick()
{
    State& s = state();
    s.shown[Centrifugal] = !s.shown[Centrifugal];
    s.enabled[Components] = s.shown[Centrifugal];
    updateWeightButton(s);
    if (!s.shown[Centrifugal]) {
        s.shown[Gravity] = true;
        s.shown[Weight] = false;
        s.shown[Components] = false;
    }
}

void compClick() { state().shown[Components] = !state().shown[Components]; }

void risulClick() { state().shown[Weight] = !state().shown[Weight]; }

Tip surfacePoint(double phi, int w, int h)
{
    // P(phi) = (W/2 + cos phi 3H/8, 17H/32 - sin phi 11H/32): the flattened Earth's outline,
    // semi-axes 3H/8 and 11H/32, as it stands on the window.
    return {w / 2 + std::cos(phi) * (3.0 * h / 8), (17 * h) / 32 - std::sin(phi) * (11.0 * h / 32)};
}

bool tick(raster::Canvas& window, int w, int h)
{
    State& s = state();
    if (!s.stepRequest)
        return false;
    window.draw(0, h / 32, s.background);

    const double phi = s.k * kPi / 24;
    // Rc: the distance from the axis; gravity falls off with the distance from the centre:
    //   G = (H/3) / sqrt(Z^2 + Rc^2),  Rc = cos phi 3H/8,  Z = sin phi 19H/60.
    const double rc = std::cos(phi) * (3.0 * h / 8);
    const double z = std::sin(phi) * (19.0 * h / 60);
    const double g = (h / 3.0) / std::sqrt(z * z + rc * rc);
    // The weight's angle from the radius: tan thetaW = (Rc/5 sin phi) / (H/4 - |Rc/4 cos phi|).
    const double radial = std::fabs(rc / 4 * std::cos(phi));
    const double across = h / 4.0 - radial;
    const double thetaW = across == 0 ? kPi / 2 : std::atan((rc / 5 * std::sin(phi)) / across);

    if (s.shown[Gravity]) {
        colour(window, kGreen);
        s.tips[1] = arrow(window, kPi / 2, phi, h / 4.0 * g, w, h);
    }
    if (s.shown[Components]) {
        colour(window, kRed);
        arrow(window, -kPi / 2, phi, rc / 4 * std::cos(phi), w, h);
        colour(window, kYellow);
        arrow(window, kPi, phi, rc / 4 * std::sin(phi), w, h);
    }
    if (s.shown[Centrifugal]) {
        colour(window, kCyan);
        s.tips[2] = arrow(window, -(kPi / 2 + phi), phi, rc / 4, w, h);
        // The radius of the point's circle of rotation, from the axis.
        const int y = roundInt(s.tips[2].y);
        dotted(window, {w / 2, y}, {w / 2 + roundInt(rc), y});
    }
    // At the poles cos phi is not exactly 0 in floating point: the pole steps are named.
    const bool pole = s.k == 12 || s.k == 36;
    if (s.shown[Weight] && !pole) {
        colour(window, kWhite);
        s.tips[3] = arrow(window, kPi / 2 + thetaW, phi, (h / 4.0 * g - radial) / std::cos(thetaW), w, h);
        if (s.k != 0 && s.k != 24) {
            dotted(window, rounded(s.tips[1]), rounded(s.tips[3]));
            dotted(window, rounded(s.tips[2]), rounded(s.tips[3]));
        }
    }
    s.k = static_cast<std::uint8_t>((s.k + 1) % kSteps);
    s.stepRequest = false;
    return true;
}

}  // namespace peso
