// The precession-and-nutation model: the precessing globe with its tilting equator, drawn in a
// shaded view and a motion view, and the wipe that switches between them.
#include "celestial/preces.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace preces {

namespace {

constexpr double kPi = std::numbers::pi;

int rnd(double x) { return static_cast<int>(std::nearbyint(x)); }

// The values of one step k that the drawing shares.
struct Step {
    int k;
    int N;
    int n;
    float psi;   // ψ = k·π/N + π/8, the precession angle, in single precision
    float spsi;
    float cpsi;
    double nu;   // the nutation factor at k
};

Step stepOf(const State& s)
{
    Step st{};
    st.k = s.k;
    st.N = s.N;
    st.n = s.n;
    st.psi = static_cast<float>(st.k * kPi / st.N + kPi / 8);
    st.spsi = std::sin(st.psi);
    st.cpsi = std::cos(st.psi);
    st.nu = nutation(st.n, st.k);
    return st;
}

// Clears a view to black: its busy columns, or the whole view after a fill escaped.
void clear(State& s, raster::Bitmap& view, bool& spilled)
{
    raster::Canvas& c = view.canvas();
    c.brush.color = kBlack;
    if (spilled) {
        c.fillRect(s.clearRect);
        spilled = false;
        s.onSurface = nullptr;
    } else {
        c.fillRect({s.busyLeft, 0, s.busyRight, s.g.h});
    }
}

// Whether anything but black lies just outside the busy columns (only a fill can put it there).
bool spillsOut(const State& s, const raster::Canvas& c)
{
    for (int x : {s.busyLeft - 1, s.busyRight})
        if (x >= 0 && x < c.width())
            for (int y = 0; y < c.height(); ++y)
                if (c.pixel(x, y) != kBlack)
                    return true;
    return false;
}

// Puts a view on the window at (cx, 0): wholly when the window showed something else, otherwise
// only its busy columns, the only ones that can have changed.
void show(State& s, raster::Canvas& surface, const raster::Bitmap& view)
{
    if (s.onSurface != &view) {
        surface.draw(s.g.cx, 0, view);
        s.onSurface = &view;
        return;
    }
    surface.copyRect({s.g.cx + s.busyLeft, 0, s.g.cx + s.busyRight, s.g.h}, view.canvas(),
                     {s.busyLeft, 0, s.busyRight, s.g.h});
}

// The globe's outline, blue on black.
void globe(raster::Canvas& c, const Geometry& g)
{
    c.pen.color = kBlue;
    c.brush.color = kBlack;
    c.ellipse(g.cx - g.r - 1, g.cy - g.r - 1, g.cx + g.r + 2, g.cy + g.r + 2);
}

// Dot j of the precession paths, above (sign -1) or below (+1) the globe: the path point at
// angle j·π/N + π/8, its height wobbling with the nutation factor of step j.
raster::Point pathDot(const Geometry& g, const Step& st, int j, int sign)
{
    const double angle = j * kPi / st.N + kPi / 8;
    const int u = g.cx + rnd(g.a * std::cos(angle));
    const int v = g.cy - rnd(nutation(st.n, j) * g.b * std::sin(angle));
    return {u, v + sign * g.cx};
}

// The equator as a closed chain through its points j = 0 .. 2N at step k (phase (k + j)·π/N + π/8).
// In the motion view the far half (sin(j·π/N) < 0) is dotted.
void equator(raster::Canvas& c, const Geometry& g, const Step& st, bool motionView)
{
    c.moveTo(g.cx + rnd(g.r - std::fabs(g.e * st.cpsi)), g.cy + rnd(st.nu * g.b * st.cpsi));
    for (int j = 0; j <= 2 * st.N; ++j) {
        const double theta = j * kPi / st.N;
        const raster::Point p = equatorPoint(g, theta, (st.k + j) * kPi / st.N + kPi / 8, st.nu);
        if (motionView && std::sin(theta) < 0)
            c.pen.style = raster::PenStyle::Dot;
        c.lineTo(p.x, p.y);
        c.pen.style = raster::PenStyle::Solid;
    }
}

void drawShadedView(State& s, const Step& st)
{
    const Geometry& g = s.g;
    clear(s, s.shaded, s.shadedSpilled);
    raster::Canvas& c = s.shaded.canvas();
    globe(c, g);

    // The lower end of the axis, below the globe.
    c.pen.color = kWhite;
    c.moveTo(g.cx, g.cy);
    const double opposite = kPi + static_cast<double>(st.psi);
    c.lineTo(g.cx + rnd(g.a * std::cos(opposite) - std::fabs(g.e * std::cos(st.k * kPi / st.N))),
             (g.cy + g.cx) - rnd(st.nu * g.b * std::sin(opposite)));

    // The two precession paths as grey dots.
    for (int j = 0; j <= 2 * st.N; ++j) {
        const raster::Point below = pathDot(g, st, j, +1);
        const raster::Point above = pathDot(g, st, j, -1);
        c.setPixel(below.x, below.y, kGrey);
        c.setPixel(above.x, above.y, kGrey);
    }

    c.pen.color = kNavy;
    equator(c, g, st, false);

    // The equatorial disc, blue inside the navy equator.
    c.brush.color = kBlue;
    c.floodFill(g.cx, g.cy, kNavy, raster::FillStyle::Border);

    // Two radii to the equator points j = k and j = k + N split the disc.
    c.pen.color = kNavy;
    c.pen.width = 1;
    for (int i = 0; i < 2; ++i) {
        const double theta = (st.k + i * st.N) * kPi / st.N;
        const double phi = 2 * st.k * kPi / st.N + kPi / 8 + i * kPi;
        const raster::Point p = equatorPoint(g, theta, phi, st.nu);
        c.moveTo(g.cx, g.cy);
        c.lineTo(p.x, p.y);
    }

    // One half turns navy: the fill starts at half radius on the quarter between the radii,
    // angle α = k·π/N + π/2 with phase β = 2k·π/N + π/8 + π/2.
    c.brush.color = kNavy;
    const double alpha = st.k * kPi / st.N + kPi / 2;
    const double beta = 2 * st.k * kPi / st.N + kPi / 8 + kPi / 2;
    const double ca = std::cos(alpha);
    const int hx = g.cx + rnd((g.r / 2.0) * ca - perspectiveShift(ca, g.e * std::cos(beta)));
    const int hy = g.cy + rnd((g.a / 2.0) * std::sin(alpha) + st.nu * (g.b / 2.0) * std::cos(beta));
    if (c.pixel(hx, hy) == kBlue)
        c.floodFill(hx, hy, kNavy, raster::FillStyle::Border);
    if (spillsOut(s, c)) {
        s.shadedSpilled = true;
        s.onSurface = nullptr;
    }

    // The upper end of the axis.
    c.pen.color = kWhite;
    c.moveTo(g.cx, g.cy);
    c.lineTo(g.cx + rnd(g.a * st.cpsi), (g.cy - g.cx) - rnd(st.nu * g.b * st.spsi));

    // The precession paths: plain ellipses, or with nutation the upper path's dots again.
    c.pen.color = kGrey;
    if (st.n == 0) {
        for (int sign : {-1, +1}) {
            const int y = g.cy + sign * g.cx;
            c.arc(g.cx - g.a, y - g.b, g.cx + g.a, y + g.b, g.cx + g.a, y, g.cx + g.a, y);
        }
    } else {
        for (int j = 0; j <= 2 * st.N; ++j) {
            const raster::Point above = pathDot(g, st, j, -1);
            c.setPixel(above.x, above.y, kGrey);
        }
    }
}

void drawMotionView(State& s, const Step& st)
{
    const Geometry& g = s.g;
    clear(s, s.motion, s.motionSpilled);
    raster::Canvas& c = s.motion.canvas();
    globe(c, g);
    equator(c, g, st, true);

    // The closed path of the marked equator point over a whole turn: at step j it stands at
    // angle j·π/N with phase 2j·π/N + π/8.
    c.pen.color = kRed;
    c.moveTo(g.cx + rnd(g.r - std::fabs(g.e * std::cos(kPi / 8))), g.cy + rnd(g.b * std::cos(kPi / 8)));
    for (int j = 1; j <= 2 * st.N; ++j) {
        const double phi = 2 * j * kPi / st.N + kPi / 8;
        const raster::Point p = equatorPoint(g, j * kPi / st.N, phi, nutation(st.n, j));
        c.lineTo(p.x, p.y);
    }

    // Its present place.
    const raster::Point p = equatorPoint(g, st.k * kPi / st.N, 2 * st.k * kPi / st.N + kPi / 8, st.nu);
    c.pen.color = kWhite;
    c.brush.color = kWhite;
    c.ellipse(p.x - 3, p.y - 3, p.x + 3, p.y + 3);
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

Geometry geometryFor(int w, int h)
{
    Geometry g;
    g.w = w;
    g.h = h;
    g.cx = w / 4;
    g.r = g.cx / 2;
    g.cy = h / 2;
    g.a = h / 20;
    g.b = h / 40;
    // e = W/8 − sqrt((W/8)² − (H/40)²). In a client more than five times taller than wide the
    // difference under the root would be negative; it is then taken as 0.
    const double half = w / 8.0;
    const double tilt = h / 40.0;
    g.e = static_cast<float>(half - std::sqrt(std::fmax(half * half - tilt * tilt, 0.0)));
    return g;
}

double perspectiveShift(double c, double v)
{
    if (c == 0.0)
        return std::copysign(std::fabs(v), c);
    return std::fabs(c * v) / c;
}

double nutation(int n, int k) { return 1.0 + 0.3 * n * std::sin(k * kPi / 5); }

raster::Point equatorPoint(const Geometry& g, double theta, double phi, double nu)
{
    // X = cx + round(r·cos θ − |cos θ·e·cos φ| / cos θ), Y = cy + round(a·sin θ + ν·b·cos φ).
    const double c = std::cos(theta);
    const double ephi = g.e * std::cos(phi);
    return {g.cx + rnd(g.r * c - perspectiveShift(c, ephi)),
            g.cy + rnd(g.a * std::sin(theta) + nu * g.b * std::cos(phi))};
}

void create(int w, int h)
{
    State& s = state();
    s.g = geometryFor(w, h);
    s.k = 0;
    s.N = 20;
    s.n = 0;
    s.shadedWanted = true;
    s.viewMode = ShadedShown;
    s.t = 0;
    for (raster::Bitmap* view : {&s.shaded, &s.motion}) {
        *view = raster::Bitmap();
        view->canvas().pen.color = kBlack;
        view->canvas().brush.color = kBlack;
        view->setSize(w / 2, h);
    }
    s.clearRect = {0, 0, w / 2, h};
    // The globe, the equator and the paths reach max(r, a) + e + 4 pixels either side of cx (the
    // white dot 3 beyond the equator); the wipe's strips run from W div 9 - 2 to 3W div 8 + 2.
    const Geometry& g = s.g;
    const int reach = std::max(g.r, g.a) + static_cast<int>(std::ceil(g.e)) + 6;
    s.busyLeft = std::clamp(std::min(w / 9 - 2, g.cx - reach), 0, w / 2);
    const int right = std::max({w / 9 + w / 4 + 2, (3 * w) / 8 + 2, g.cx + reach + 1});
    s.busyRight = std::clamp(right, s.busyLeft, w / 2);
    s.shadedSpilled = false;
    s.motionSpilled = false;
    s.onSurface = nullptr;
}

void chooseMotion(int item)
{
    State& s = state();
    s.N = item == 1 ? 30 : 20;
    s.n = item == 1 ? 1 : 0;
}

void startWipe()
{
    State& s = state();
    s.shadedWanted = !s.shadedWanted;
    s.viewMode = Wiping;
}

bool tick(raster::Canvas& surface, bool paused)
{
    State& s = state();
    const Geometry& g = s.g;
    const std::uint8_t mode = s.viewMode;
    if (!paused) {
        const Step st = stepOf(s);
        if (mode == ShadedShown || mode == Wiping)
            drawShadedView(s, st);
        if (mode == Wiping || mode == MotionShown)
            drawMotionView(s, st);
        s.k = static_cast<std::uint8_t>((s.k + 1) % (2 * s.N));
    }

    bool ended = false;
    if (mode == ShadedShown) {
        show(s, surface, s.shaded);
    } else if (mode == MotionShown) {
        show(s, surface, s.motion);
    } else {
        if (g.w / 4 > s.t) {
            if (s.shadedWanted) {
                // The shaded picture spreads rightwards from x = W div 9 over the motion view.
                const raster::Rect strip{g.w / 9, 0, g.w / 9 + s.t, g.h};
                s.motion.canvas().copyRect(strip, s.shaded.canvas(), strip);
                show(s, surface, s.motion);
            } else {
                // The motion picture spreads leftwards from x = 3W div 8 over the shaded view; the
                // strip is given right to left in both rectangles, so it is copied unmirrored.
                const raster::Rect strip{(3 * g.w) / 8, 0, (3 * g.w) / 8 - s.t, g.h};
                s.shaded.canvas().copyRect(strip, s.motion.canvas(), strip);
                show(s, surface, s.shaded);
            }
        } else {
            s.viewMode = s.shadedWanted ? ShadedShown : MotionShown;
            s.t = -2;
            ended = true;
        }
        // The wipe grows 2 pixels a tick; the tick that ends it brings t back to 0.
        if (!paused)
            s.t += 2;
    }
    return ended;
}

void release()
{
    State& s = state();
    s.shaded = raster::Bitmap();
    s.motion = raster::Bitmap();
    s.onSurface = nullptr;
}

}  // namespace preces
