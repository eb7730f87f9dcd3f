// The lunar-phase model: the Earth-Moon pair moving under a distant Sun, with phase snapshots.
#include "earthmoon/fasilun.h"

#include <cmath>
#include <numbers>

namespace fasilun {

namespace {

constexpr double kPi = std::numbers::pi;

int roundi(double v) { return static_cast<int>(std::nearbyint(v)); }

// The point at angle a (counter-clockwise, y up) and radius r from c, rounded per axis.
raster::Point around(raster::Point c, double a, double r)
{
    return {c.x + roundi(std::cos(a) * r), c.y - roundi(std::sin(a) * r)};
}

raster::Rect earthRect(raster::Point e, int d) { return {e.x - d - 4, e.y - d - 4, e.x + d + 4, e.y + d + 4}; }

raster::Rect moonRect(raster::Point m, int d)
{
    const int h = d / 2;
    return {m.x - h - 4, m.y - h - 4, m.x + h + 4, m.y + h + 4};
}

// The scene rectangle a snapshot holds: W div 10 on every side of the Earth's centre.
raster::Rect snapRect(raster::Point e, int w)
{
    const int r = w / 10;
    return {e.x - r, e.y - r, e.x + r, e.y + r};
}

// Clears a bitmap: a border fill from the corner up to a colour that is never drawn, which
// paints it all black.
void clear(raster::Bitmap& b)
{
    raster::Canvas& c = b.canvas();
    c.pen.color = kBlue;
    c.brush.color = kBlack;
    c.floodFill(0, 0, kBlue, raster::FillStyle::Border);
}

// A disc of colour `lit` in a black square of side n, its lower half darkened by a black pie.
void drawBody(raster::Bitmap& b, int n, raster::Color lit)
{
    b = raster::Bitmap();
    raster::Canvas& c = b.canvas();
    c.brush.color = kBlack;
    b.setSize(n, n);
    c.pen.color = lit;
    c.brush.color = lit;
    c.ellipse(0, 0, n, n);
    c.brush.color = kBlack;
    // Counter-clockwise from the left end of the horizontal diameter to its right end: the
    // lower half. The outline keeps the lit colour.
    c.pie(0, 0, n, n, 0, n / 2, n, n / 2);
}

void applyBodies(State& st, const Bodies& b)
{
    st.earth = b.earth;
    st.moon = b.moon;
    st.P = b.P;
    st.Q = b.Q;
}

void spoke(raster::Canvas& c, raster::Point from, raster::Point to, raster::Color colour)
{
    c.pen.color = colour;
    c.moveTo(from.x, from.y);
    c.lineTo(to.x, to.y);
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

Bodies bodiesAt(float A, int w, int h, float s)
{
    const double a = 542.0 + static_cast<double>(A);
    // phi = (542 + A) pi / 400, the Earth's place on a circle of radius 2H about a Sun at
    // (W/2, -1.5H): Ex = W div 2 + round(2H cos phi), Ey = (-3H) div 2 - round(2H sin phi).
    const double phi = a * kPi / 400.0;
    // beta = (542 + A) pi / 40, the Moon's orbital angle less a quarter turn (4.5 deg per unit).
    const double beta = a * kPi / 40.0;
    // omega = 28 (542 + A) pi / 40, the Earth's spin: 28 turns to one of the Moon.
    const double omega = 28.0 * a * kPi / 40.0;
    Bodies b;
    b.earth = {w / 2 + roundi(std::cos(phi) * 2.0 * h), (-3 * h) / 2 - roundi(std::sin(phi) * 2.0 * h)};
    const double rs = static_cast<double>(s);
    for (int k = 0; k < 4; ++k)
        b.P[static_cast<std::size_t>(k)] = around(b.earth, omega + k * kPi / 2.0, rs);
    b.P[4] = around(b.earth, beta + kPi, rs);
    b.P[5] = around(b.earth, beta, rs);
    // The Moon at angle beta + pi/2, W / 14 from the Earth's centre.
    b.moon = around(b.earth, beta + kPi / 2.0, w / 14.0);
    // The Moon's points at radius W / 85.
    const double rq = w / 85.0;
    b.Q[0] = around(b.moon, beta + 3.0 * kPi / 2.0, rq);
    b.Q[1] = around(b.moon, beta + kPi / 2.0, rq);
    b.Q[2] = around(b.moon, beta + kPi, rq);
    b.Q[3] = around(b.moon, beta, rq);
    b.Q[4] = around(b.moon, beta + kPi, rq);
    b.Q[5] = around(b.moon, beta, rq);
    return b;
}

std::array<PhaseBox, kPhases> phaseBoxes(int w, int h)
{
    return {{{85, h / 3, w / 8, 57},
             {86, h / 2, (5 * w) / 16, 73},
             {87, (7 * h) / 12, w / 2, 57},
             {88, h / 2, (17 * w) / 24, 73},
             {85, h / 3, (11 * w) / 12, 57}}};
}

void create(int w, int h)
{
    State& st = state();
    st.d = w / 40;
    st.s = static_cast<float>(w) / 40.0f;
    const int d = st.d;

    st.scene = raster::Bitmap();
    st.scene.canvas().brush.color = kBlack;
    st.scene.setSize(w, (3 * h) / 4);
    drawBody(st.earthImage, 2 * d, kCyan);
    drawBody(st.moonImage, d, kSilver);
    st.earthStore.create(2 * d + 8, 2 * d + 8);
    st.moonStore.create(d + 8, d + 8);
    for (raster::Bitmap& snap : st.snapshots) {
        snap = raster::Bitmap();
        snap.canvas().brush.color = kBlack;
        snap.setSize(w / 5, w / 5);
    }

    st.A = kIdle;
    st.runStarted = false;
    st.trail = false;
}

void start(int w, int h)
{
    State& st = state();
    st.A = 0.0f;
    st.runStarted = true;
    for (raster::Bitmap& snap : st.snapshots)
        clear(snap);
    // The bodies where the run begins, spoke and rim points included, so that a pause before
    // the first tick shows this run's lines.
    applyBodies(st, bodiesAt(0.0f, w, h, st.s));
    clear(st.scene);
    st.earthStore.take(st.scene.canvas(), earthRect(st.earth, st.d));
    st.moonStore.take(st.scene.canvas(), moonRect(st.moon, st.d));
}

namespace {

// One step of a run: both bodies moved, drawn and, at a phase, photographed.
void step(State& st, int w, int h, TickResult& result)
{
    raster::Canvas& sc = st.scene.canvas();
    const int d = st.d;
    const Bodies b = bodiesAt(st.A, w, h, st.s);

    // The Earth: background back under the old place, the trail, the new picture and spokes,
    // each spoke white where it ends over the dark lower half, else navy.
    st.earthStore.restore(sc);
    sc.moveTo(st.earth.x, st.earth.y);
    st.earth = b.earth;
    st.P = b.P;
    if (st.trail) {
        sc.pen.color = kWhite;
        sc.lineTo(st.earth.x, st.earth.y);
    }
    st.earthStore.take(sc, earthRect(st.earth, d));
    sc.draw(st.earth.x - d, st.earth.y - d, st.earthImage);
    for (int k = 0; k < 4; ++k) {
        const raster::Point p = st.P[static_cast<std::size_t>(k)];
        spoke(sc, st.earth, p, st.earth.y < p.y ? kWhite : kNavy);
    }

    // The Moon likewise.
    st.moonStore.restore(sc);
    sc.moveTo(st.moon.x, st.moon.y);
    st.moon = b.moon;
    st.Q = b.Q;
    for (int i = 0; i < kPhases; ++i)
        if (std::fabs(st.A - phaseAt(i)) < 0.1f)
            result.phase = i;
    if (st.trail) {
        sc.pen.color = kRed;
        sc.lineTo(st.moon.x, st.moon.y);
    }
    st.moonStore.take(sc, moonRect(st.moon, d));
    sc.draw(st.moon.x - d / 2, st.moon.y - d / 2, st.moonImage);
    for (int k = 0; k < 4; ++k) {
        const raster::Point q = st.Q[static_cast<std::size_t>(k)];
        const bool low = st.moon.y < q.y;
        spoke(sc, st.moon, q, k < 2 ? (low ? kYellow : kDarkRed) : (low ? kWhite : kBlack));
    }

    // Snapshots at A = 20 i - 2, i = 1..5.
    for (int i = 0; i < kPhases; ++i) {
        if (std::fabs(st.A + 2.0f - 20.0f * static_cast<float>(i + 1)) < 0.1f) {
            st.snapCentre[static_cast<std::size_t>(i)] = st.earth;
            raster::Bitmap& snap = st.snapshots[static_cast<std::size_t>(i)];
            snap.canvas().copyRect({0, 0, w / 5, w / 5}, sc, snapRect(st.earth, w));
        }
    }
    st.A += 0.25f;
}

}  // namespace

TickResult tick(raster::Canvas& window, int w, int h, bool paused)
{
    State& st = state();
    TickResult result;
    if (!paused) {
        if (st.A > kRunEnd)
            result.ended = true;
        else
            step(st, w, h, result);
    }
    const int top = h / 4;
    window.draw(0, top, st.scene);
    if (paused && st.A <= kRunEnd) {
        // The ends of the two bodies' diameters across the Earth-Moon line, joined pairwise.
        window.moveTo(st.P[4].x, st.P[4].y + top);
        window.lineTo(st.Q[4].x, st.Q[4].y + top);
        window.moveTo(st.P[5].x, st.P[5].y + top);
        window.lineTo(st.Q[5].x, st.Q[5].y + top);
    }
    return result;
}

void layBack(int w)
{
    State& st = state();
    raster::Canvas& sc = st.scene.canvas();
    sc.copyMode = raster::CopyMode::Or;
    for (int i = 0; i < kPhases; ++i) {
        const raster::Bitmap& snap = st.snapshots[static_cast<std::size_t>(i)];
        sc.copyRect(snapRect(st.snapCentre[static_cast<std::size_t>(i)], w), snap.canvas(), {0, 0, w / 5, w / 5});
    }
    sc.copyMode = raster::CopyMode::Copy;
}

void toggleTrail() { state().trail = !state().trail; }

void release()
{
    State& st = state();
    st.scene = raster::Bitmap();
    st.earthImage = raster::Bitmap();
    st.moonImage = raster::Bitmap();
    st.earthStore.release();
    st.moonStore.release();
    for (raster::Bitmap& snap : st.snapshots)
        snap = raster::Bitmap();
}

std::size_t bytes()
{
    const State& st = state();
    std::size_t n = st.scene.bytes() + st.earthImage.bytes() + st.moonImage.bytes() + st.earthStore.bytes() +
                    st.moonStore.bytes();
    for (const raster::Bitmap& snap : st.snapshots)
        n += snap.bytes();
    return n;
}

}  // namespace fasilun
