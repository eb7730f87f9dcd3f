// Ferrel's law: three bodies cross a turning disc in straight lines and leave rows of marks on it
// that bend into curves when the disc is seen turning, seen from above or obliquely.
#include "rotation/ferrel.h"

#include <cmath>
#include <numbers>

namespace ferrel {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
// The disc turns 0.2 rad per unit of t.
constexpr long double kTurnRate = 0.2L;

int rnd(long double v) { return static_cast<int>(std::nearbyint(v)); }

// The direction of body i's path on the disc, 120 degrees apart.
long double spoke(int i) { return 2 * i * kPi / 3; }

void makeSprite(raster::Bitmap& sprite, raster::Color disc)
{
    sprite = raster::Bitmap();
    raster::Canvas& c = sprite.canvas();
    c.brush.color = kNavy;
    sprite.setSize(kSprite, kSprite);
    c.pen.color = kBlack;
    c.brush.color = disc;
    c.ellipse(0, 0, kSprite, kSprite);
}

// The whole outline of the ellipse in the box: an arc whose two rays are the same.
void outline(raster::Canvas& c, int x1, int y1, int x2, int y2)
{
    c.arc(x1, y1, x2, y2, x2, (y1 + y2) / 2, x2, (y1 + y2) / 2);
}

// Where the marks stand on the turned disc at time t: mark k of body i was left at time
// tau = table(k) and has turned since by (t - tau) 0.2 rad,
//   beta = (t - tau) 0.2 + 2 i pi / 3,  X = sin beta k d,  Y = cos beta k d s / (p + 1).
void turnMarks(State& s)
{
    const std::uint8_t* times = kMarkTimes[s.row - 1];
    for (int i = 0; i < kBodies; ++i)
        for (int k = 1; k <= kMarks; ++k) {
            const long double beta = (s.t - static_cast<long double>(times[k - 1])) * kTurnRate + spoke(i);
            s.X[i][k - 1] = static_cast<double>(std::sin(beta) * k * s.d);
            s.Y[i][k - 1] = static_cast<double>(std::cos(beta) * k * s.d * s.s / (s.p + 1));
        }
}

// One picture of the run at the current time, on the picture bitmap and on the window.
void draw(State& s, raster::Canvas& surface, int w, int h)
{
    raster::Canvas& b = s.picture.canvas();
    const int quarter = h / 4;
    const int lift = (h / 20) * s.p;   // how far the oblique view lifts the disc's top
    const long double hq = h / 4.0L;

    // The disc, centred on (H/4, H/4 - lift); obliquely it is squashed to half its height.
    b.brush.color = kBlack;
    b.fillRect(s.clear);
    b.pen.color = kCyan;
    b.brush.color = kNavy;
    const int discTop = ((3 * h) / 40) * s.p;
    const int discBottom = h / 2 - ((7 * h) / 40) * s.p;
    b.ellipse(0, discTop, h / 2, discBottom);

    // The disc's own radii, which turn with it in the rotating frame: alpha = -0.2 t r + 2 i pi / 3.
    b.pen.color = kGrey;
    for (int i = 0; i < kBodies; ++i) {
        const long double alpha = -s.t * kTurnRate * s.r + spoke(i);
        b.moveTo(rnd(hq), rnd(hq));
        b.lineTo(rnd((std::cos(alpha) + 1) * hq), rnd(hq + std::sin(alpha) * ((h * s.s) / 4.0L) / (s.p + 1)));
    }

    // The marks left on the disc: turned with it, or, on the still disc seen obliquely, under
    // the straight rows; seen from above on the still disc they lie under the white marks.
    for (int i = 0; i < kBodies; ++i)
        for (int k = 1; k <= kMarks; ++k) {
            if (!markShown(s, k))
                continue;
            long double x, y;
            if (s.r == 1) {
                x = s.X[i][k - 1];
                y = s.Y[i][k - 1];
            } else if (s.p == 1) {
                x = s.X0[i][k - 1];
                y = s.Y0[i][k - 1] + lift;
            } else {
                continue;
            }
            b.draw(rnd(x - 4) + quarter, rnd(y - 4) + quarter, s.redSprite);
        }

    // The three directions of the bodies on the still disc.
    b.pen.color = kCyan;
    for (int i = 0; i < kBodies; ++i) {
        b.moveTo(rnd(hq), rnd(hq) - lift);
        b.lineTo(rnd((std::cos(spoke(i)) + 1) * hq), rnd((std::sin(spoke(i)) / (s.p + 1) + 1) * hq) - lift);
    }

    // Obliquely: the disc's thickness, then its top outline again over it.
    if (s.p == 1) {
        b.pen.color = kGrey;
        outline(b, 0, h / 8, h / 2, (3 * h) / 8);
        b.pen.color = kCyan;
        outline(b, 0, discTop, h / 2, discBottom);
    }

    // The red marks of the next tick are where the marks stand now.
    if (s.r == 1)
        turnMarks(s);

    // The straight rows of marks that the bodies leave behind.
    for (int i = 0; i < kBodies; ++i)
        for (int k = 1; k <= kMarks; ++k)
            if (markShown(s, k))
                b.draw(rnd(s.X0[i][k - 1] - 4.0L) + quarter, rnd(s.Y0[i][k - 1] - 4.0L) + quarter, s.whiteSprite);

    const raster::Point origin = pictureOrigin(w, h);
    surface.draw(origin.x, origin.y, s.picture);

    // The bodies, on the window, rho from the centre (t d outwards, (9 - t) d inwards):
    //   rho = (o t + (1 - outward) 9) d, in single precision;
    //   Bx = sin(2 i pi / 3 + theta0) rho,  By = cos(2 i pi / 3 + theta0) s rho / (p + 1).
    // Obliquely the shadow lies on the disc and the body is lifted above it.
    const float rho = static_cast<float>((s.o * static_cast<long double>(s.t) + (s.outward ? 0 : 9)) * s.d);
    for (int i = 0; i < kBodies; ++i) {
        const long double phi = spoke(i) + s.theta0;
        s.Bx[i] = static_cast<double>(std::sin(phi) * rho);
        s.By[i] = static_cast<double>(std::cos(phi) * s.s * rho / (s.p + 1));
        const int x = w / 2 + rnd(s.Bx[i] - 4.0L);
        if (s.p == 1)
            surface.draw(x, h / 2 + rnd(s.By[i] - 4.0L), s.redSprite);
        surface.draw(x, h / 2 + rnd(static_cast<long double>(s.By[i]) - lift - 4), s.whiteSprite);
    }

    // The still disc's directions once more, on the window in the pen it has: this window never
    // sets it, so they are drawn in black, 1 pixel wide.
    for (int i = 0; i < kBodies; ++i) {
        surface.moveTo(w / 2, h / 2 - lift);
        surface.lineTo(w / 2 + rnd(std::cos(spoke(i)) * hq),
                       rnd(h / 2.0L + std::sin(spoke(i)) * h / (4.0L * s.p + 4)) - lift);
    }
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
    makeSprite(s.redSprite, kRed);
    makeSprite(s.whiteSprite, kWhite);
    s.picture = raster::Bitmap();
    s.picture.canvas().brush.color = kBlack;
    s.picture.setSize(w / 2, h / 2);
    s.clear = {0, 0, w / 2, h / 2};
    s.d = static_cast<double>(h / 40.0L);
    s.t = 0;
    s.running = false;
    s.activationRunning = false;
    s.anticlockwise = true;
    s.outwards = true;
    s.viewToggle = true;
    s.fixedChosen = true;
    s.rotatingChosen = false;
    s.r = 0;
    s.fixed = true;
    s.s = 1;
    s.p = 0;
    s.outward = true;
    s.row = 1;
    s.o = 1;
    s.theta0 = 0.2;
}

void release()
{
    State& s = state();
    s.picture = raster::Bitmap();
    s.redSprite = raster::Bitmap();
    s.whiteSprite = raster::Bitmap();
}

std::size_t bytes()
{
    const State& s = state();
    return s.picture.bytes() + s.redSprite.bytes() + s.whiteSprite.bytes();
}

raster::Point pictureOrigin(int w, int h) { return {w / 2 - h / 4, h / 4}; }

void start(int h)
{
    State& s = state();
    s.running = true;
    s.t = 0;
    s.r = s.rotatingChosen ? 1 : 0;
    s.fixed = s.fixedChosen;
    s.s = s.anticlockwise ? 1 : -1;
    s.p = s.viewToggle ? 0 : 1;
    s.outward = s.outwards;
    s.theta0 = s.outwards ? 0.2 : 1.88;
    s.row = s.outwards ? 1 : 2;
    s.o = s.outwards ? 1 : -1;
    // Mark k of body i on its straight path, lifted by H/20 when seen obliquely:
    //   X0 = sin phi k d,  Y0 = cos phi k d s / (p + 1) - (H/20) p,  phi = 2 i pi / 3 + theta0.
    for (int i = 0; i < kBodies; ++i) {
        const long double phi = spoke(i) + s.theta0;
        for (int k = 1; k <= kMarks; ++k) {
            s.X0[i][k - 1] = static_cast<double>(std::sin(phi) * k * s.d);
            s.Y0[i][k - 1] = static_cast<double>(std::cos(phi) * k * s.d * s.s / (s.p + 1) - (h / 20) * s.p);
        }
    }
    // The first tick draws the turned marks "of the previous tick": lay them for the start, so
    // that it shows none left over from an earlier run.
    turnMarks(s);
}

bool markShown(const State& s, int k) { return kMarkTimes[s.row - 1][k - 1] + s.o <= s.t; }

bool tick(raster::Canvas& surface, int w, int h, bool paused)
{
    State& s = state();
    if (!paused && s.running && s.t < 10)
        draw(s, surface, w, h);
    // The clock, in single precision: t := t + 0.1 reaches 8.999998 after 90 ticks, so a run
    // draws 91 pictures and the outward bodies never quite reach the ninth mark.
    if (!paused)
        s.t = static_cast<float>(s.t + kTimeStep);
    if (s.t > kLastTime) {
        s.running = false;
        return true;
    }
    return false;
}

}  // namespace ferrel
