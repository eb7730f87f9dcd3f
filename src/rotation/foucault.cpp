// The Foucault pendulum: a pendulum over a turning platform with one observer on the ground and
// one on the platform, drawn from the counters of the platform, the plane of swing and the swing.
#include "rotation/foucault.h"

#include <array>
#include <cmath>
#include <numbers>
#include <span>

#include "shell/damage.h"

namespace foucault {

namespace {

constexpr double kPi = std::numbers::pi;

int rnd(double v) { return static_cast<int>(std::nearbyint(v)); }

// The ground round the platform, dark red with a red outline, crossed by two red lines.
void drawGround(orb::DamageCanvas& c, const State& s, int w, int h)
{
    const double dy = s.dy;
    const int left = w / 4 - s.dx - 1;
    const int right = w * 3 / 4 + s.dx + 1;
    const int top = rnd(5.0 * h / 8 - dy - s.dh - 1);
    const int bottom = rnd(7.0 * h / 8 - dy + s.dh + 1);
    c.ellipse(left, top, right, bottom);
    c.moveTo(w / 2, top);
    c.lineTo(w / 2, bottom);
    const int middle = rnd(3.0 * h / 4 - dy);
    c.moveTo(left, middle);
    c.lineTo(right, middle);
}

// The platform: an ellipse of half-axes W/4 and H/8 round (W/2, 3H/4 - dy), a hexagon on its rim
// turned by a, and the spokes to the rim points, of which point 6 comes back to point 0. Then the
// white frame: posts on rim points 0 and 3, 3H/8 high, and the crossbar between their tops.
void drawPlatform(orb::DamageCanvas& c, const State& s, int w, int h)
{
    const double dy = s.dy;
    c.canvas().brush.color = kNavy;
    c.canvas().pen.color = kBlue;
    c.ellipse(w / 4 - 1, rnd(5.0 * h / 8 - dy - 1), w * 3 / 4 + 1, rnd(7.0 * h / 8 - dy + 1));
    // Rim point i at alpha = a pi/179 + 0.2 + i pi/3: ((cos alpha + 2) W/4, (6 - sin alpha) H/8 - dy).
    std::array<raster::Point, 7> rim{};
    for (int i = 0; i < 7; ++i) {
        const double alpha = static_cast<double>(s.a) * kPi / 179 + 0.2 + i * kPi / 3;
        rim[i] = {rnd((std::cos(alpha) + 2) * w / 4), rnd((6 - std::sin(alpha)) * h / 8 - dy)};
    }
    c.polygon(std::span(rim).subspan(1));
    const raster::Point centre{w / 2, h * 3 / 4 - s.dy};
    for (const raster::Point& r : rim) {
        c.moveTo(centre.x, centre.y);
        c.lineTo(r.x, r.y);
    }
    c.canvas().pen.color = kWhite;
    c.canvas().brush.color = kWhite;
    const int post = h * 3 / 8;
    c.lineTo(rim[0].x, rim[0].y - post);
    c.lineTo(rim[3].x, rim[3].y - post);
    c.lineTo(rim[3].x, rim[3].y);
}

// The wire from the suspension point to the white bob, and the bob's blue shadow on the platform,
// then the next phase of the swing. phi = p pi/16 is the swing's phase, beta = b pi/300 the
// direction of its plane; the bob rises at the ends of the swing by 0.84 H/8 |cos phi| less.
void drawPendulum(orb::DamageCanvas& c, State& s, int w, int h)
{
    const double dy = s.dy;
    const double phi = s.p * kPi / 16;
    const double beta = static_cast<double>(s.b) * kPi / 300;
    const double across = std::sin(beta) * std::sin(phi) * 0.85;
    const int xb = w / 2 + rnd(std::cos(beta) * std::sin(phi) * w / 5);
    const int yb = rnd((std::fabs(std::cos(phi) * 0.84) + across + 4.76) * h / 8 - dy);
    const int ys = rnd((across + 6) * h / 8 - dy);
    c.canvas().pen.width = 1;
    c.moveTo(w / 2, h * 3 / 8 - s.dy);
    c.lineTo(xb, yb);
    c.ellipse(xb - 8, yb - 8, xb + 8, yb + 8);
    c.canvas().pen.color = kBlue;
    c.canvas().brush.color = kBlue;
    c.ellipse(xb - 8, ys - 8, xb + 8, ys + 8);
    s.p = static_cast<std::uint8_t>((s.p + 1) & 31);
}

// The white observer standing on the ground left of the platform, at x0 = W/4, y0 = 3H/4 - dy.
void drawGroundObserver(orb::DamageCanvas& c, const State& s, int w, int h)
{
    const int x0 = w / 4;
    const double y0 = 3.0 * h / 4 - s.dy;
    auto at = [&](int ox, int oy) { return raster::Point{x0 + ox, rnd(y0 + oy)}; };
    c.canvas().pen.color = kWhite;
    c.canvas().brush.color = kWhite;
    const raster::Point head1 = at(-15, -30);
    const raster::Point head2 = at(-19, -26);
    c.ellipse(head1.x, head1.y, head2.x, head2.y);
    const std::array body{at(-17, -30), at(-17, -22), at(-16, -10), at(-17, -22), at(-18, -7)};
    c.polyline(body);
    const std::array arms{at(-16, -20), at(-17, -29), at(-18, -18)};
    c.polyline(arms);
}

// The yellow observer standing on the platform at 0.95 of its rim, gamma = a pi/179 + 5 pi/3.
void drawPlatformObserver(orb::DamageCanvas& c, const State& s, int w, int h)
{
    const double gamma = static_cast<double>(s.a) * kPi / 179 + 5 * kPi / 3;
    const int xf = rnd((0.95 * std::cos(gamma) + 2) * w / 4);
    const int yf = rnd((6 - 0.95 * std::sin(gamma)) * h / 8 - s.dy);
    c.canvas().pen.color = kYellow;
    c.canvas().brush.color = kYellow;
    c.ellipse(xf - 2, yf - 20, xf + 2, yf - 16);
    c.moveTo(xf, yf - 16);
    c.lineTo(xf, yf - 6);
    const std::array<raster::Point, 4> legs{{{xf - 1, yf}, {xf - 1, yf - 6}, {xf + 1, yf - 6}, {xf + 1, yf}}};
    c.polyline(legs);
    const std::array<raster::Point, 4> arms{
        {{xf - 1, yf - 10}, {xf - 1, yf - 14}, {xf + 1, yf - 14}, {xf + 1, yf - 10}}};
    c.polyline(arms);
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
    s.bitmap = raster::Bitmap();
    s.bitmap.canvas().brush.color = kBlack;
    s.bitmap.canvas().pen.color = kWhite;
    s.bitmap.setSize(w, h);
    s.dy = h / 5;
    s.dx = w / 20;
    s.dh = h / 20;
    s.clearing = {w / 5 - 3, h / 20, 4 * w / 5 + 3, h};
    s.client = {0, 0, w, h};
    s.a = 0;
    s.p = 0;
    s.b = 0;
    s.drawn.clear();
    s.shown = false;
}

void tick(raster::Canvas& window, int w, int h, Views views, bool paused, raster::Rect* changedOnWindow)
{
    raster::Rect copied{0, 0, 0, 0};
    State& s = state();
    // Where the bitmap has changed since it was last shown.
    orb::DamageBox changed;
    if (!paused) {
        raster::Canvas& bitmap = s.bitmap.canvas();
        // The clearing rectangle is black but for what the last picture drew, so clearing only
        // that part clears it all.
        bitmap.brush.color = kBlack;
        bitmap.fillRect(s.drawn.within(s.clearing));
        changed = s.drawn;
        s.drawn.clear();
        orb::DamageCanvas c(bitmap, s.drawn);
        bitmap.brush.color = kDarkRed;
        bitmap.pen.color = kRed;
        if (views.fixed)
            drawGround(c, s, w, h);
        drawPlatform(c, s, w, h);
        drawPendulum(c, s, w, h);
        if (views.fixed) {
            drawGroundObserver(c, s, w, h);
            ++s.a;
        }
        if (views.rotating) {
            drawPlatformObserver(c, s, w, h);
            ++s.b;
        }
        changed.add(s.drawn);
    }
    // The bitmap goes to the window with every scene y shown 10 px higher than its formula
    // without dy: whole the first time, then only where it changed.
    const int down = s.dy - 10;
    if (!s.shown) {
        window.draw(0, down, s.bitmap);
        s.shown = true;
        copied = {0, down, s.bitmap.width(), down + s.bitmap.height()};
    } else if (const raster::Rect r = changed.within(s.client); r.right > r.left) {
        copied = {r.left, r.top + down, r.right, r.bottom + down};
        window.copyRect(copied, s.bitmap.canvas(), r);
    }
    if (changedOnWindow)
        *changedOnWindow = copied;
}

void release() { state().bitmap = raster::Bitmap(); }

}  // namespace foucault
