// The falling-body model: a ball dropped from a tower that turns with the Earth keeps the
// horizontal position of the tower's top and lands east of the tower's foot.
#include "rotation/gravi.h"

#include <array>
#include <cmath>
#include <numbers>

namespace gravi {

namespace {

constexpr double kRad = std::numbers::pi / 180;

int roundInt(double v) { return static_cast<int>(std::nearbyint(v)); }

// The angle of the upright tower of level h, where each fall starts: 2h degrees left of the
// vertical; the fall ends h degrees right of it.
double startAngle(int h) { return 89 + 2 * h; }

// The radius of the tower's top, in client heights.
double topRadius(int h) { return kFoot + kLevel * h; }

// The ball's height above the Earth's centre, in pixels, once the tower has turned from the
// start angle to θ: it drops by the square of the turn, measured in falls of 3h degrees,
//   rb = (5.122 + 0.25h)H - ((89 + 2h - θ) / (3h))² · 0.25h · H,
// so it reaches the foot's radius 5.122H just as the tower has turned 3h degrees.
double ballRadius(int h, int H, double theta)
{
    const double turned = (startAngle(h) - theta) / (3 * h);
    return topRadius(h) * H - turned * turned * kLevel * h * H;
}

// Where the tower's top and the ball are at the state's angle: the ball keeps the top's x.
struct Places {
    raster::Point top;
    int ballY;
};
Places places(const State& s, int w, int h)
{
    const raster::Point top = at(w, h, s.theta, topRadius(s.h));
    return {top, 6 * h - roundInt(std::sin(s.theta * kRad) * ballRadius(s.h, h, s.theta))};
}

// A disc of the trail or the ball, centred 5 pixels right of x.
template <typename Canvas>
void disc(Canvas& c, int x, int y)
{
    c.ellipse(x + 2, y - 3, x + 8, y + 3);
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

raster::Point at(int w, int h, double a, double rho)
{
    // (W/2 + Round(cos(a·π/180)·ρH), 6H - Round(sin(a·π/180)·ρH))
    const double r = rho * h;
    return {w / 2 + roundInt(std::cos(a * kRad) * r), 6 * h - roundInt(std::sin(a * kRad) * r)};
}

void create(int w, int h)
{
    State& s = state();
    s.background = raster::Bitmap();
    raster::Canvas& c = s.background.canvas();
    c.brush.color = kYellow;
    c.pen.color = kYellow;
    s.background.setSize(w, h);
}

void activate()
{
    State& s = state();
    s.h = 1;
    s.trailToggle = false;
}

void paint(raster::Canvas& picture, int w, int h)
{
    State& s = state();
    picture.pen = {kBlack, 1, raster::PenStyle::Solid};
    picture.brush.color = kBlack;
    picture.rectangle(0, 0, w, h);

    // The plumb lines.
    picture.pen.color = kGrey;
    for (int i = 1; i <= 20; ++i) {
        picture.moveTo((w / 20) * i, 0);
        picture.lineTo((w / 20) * i, 17 * h / 20);
    }
    // The ground: the arc of radius 5.12H from 78 to 100 degrees, a point a degree.
    std::array<raster::Point, 23> ground{};
    for (std::size_t i = 0; i < ground.size(); ++i)
        ground[i] = at(w, h, 78.0 + static_cast<double>(i), kGround);
    picture.polyline(ground);

    // The mark of the foot, 20 pixels straight down from it.
    const double a = startAngle(s.h);
    const raster::Point foot = at(w, h, a, kFoot);
    picture.pen.color = kWhite;
    picture.moveTo(foot.x, foot.y);
    picture.lineTo(foot.x, foot.y + 20);

    // The background is the picture so far; the upright tower goes on the picture alone.
    s.background.canvas().copyRect({0, 0, w, h}, picture, {0, 0, w, h});
    const raster::Point top = at(w, h, a, topRadius(s.h));
    picture.pen.width = 2;
    s.drawn.clear();
    orb::DamageCanvas tower(picture, s.drawn);
    tower.moveTo(foot.x, foot.y);
    tower.lineTo(top.x, top.y);
    s.n = 0;
    s.theta = a;
}

void startFall() { state().trail = state().trailToggle; }

Tick tick(raster::Canvas& picture, int w, int h, bool paused)
{
    State& s = state();
    if (paused)
        return Tick::Paused;
    const int level = s.h;
    if (s.theta > 89 - level - 0.05) {
        picture.pen = {kYellow, 1, raster::PenStyle::Solid};
        picture.brush.color = kYellow;
        const raster::Point foot = at(w, h, s.theta, kFoot);
        picture.moveTo(foot.x, foot.y);
        const Places p = places(s, w, h);
        // The trail of the top and of the ball, every 8 div h ticks.
        if (s.trail && s.n % (8 / level) == 0) {
            disc(s.background.canvas(), p.top.x, p.top.y);
            disc(s.background.canvas(), p.top.x, p.ballY);
        }
        // The background erases the last tower and ball.
        picture.copyRect(s.drawn.rect(), s.background.canvas(), s.drawn.rect());
        s.drawn.clear();
        orb::DamageCanvas shown(picture, s.drawn);
        disc(shown, p.top.x, p.top.y);
        disc(shown, p.top.x, p.ballY);
        picture.pen = {kWhite, 2, raster::PenStyle::Solid};
        shown.lineTo(p.top.x, p.top.y);
        ++s.n;
        s.theta -= 0.03 * level;
        return Tick::Fell;
    }
    // Landed: back to the angle of the last step, where the ball was drawn, and mark its place
    // with a line 20 pixels long that ends at the ball's centre.
    s.theta += 0.03 * level;
    const Places p = places(s, w, h);
    picture.pen = {kWhite, 1, raster::PenStyle::Solid};
    orb::DamageCanvas mark(picture, s.drawn);
    mark.moveTo(p.top.x + 5, p.ballY + 20);
    mark.lineTo(p.top.x + 5, p.ballY);
    return Tick::Landed;
}

void release() { state().background = raster::Bitmap(); }

}  // namespace gravi
