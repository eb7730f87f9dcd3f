// Two bodies circling their common centre of mass, drawn from above and from the side on two view
// bitmaps with saved patches under the bodies, and the strip wipe that switches the views.
#include "celestial/corpi.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>
#include <vector>

#include "shell/strip_wipe.h"

namespace corpi {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// The rectangles of a view that one tick changed: both bodies' old and new patches and the
// centre of mass.
struct Changes {
    raster::Rect rects[5];
    int count = 0;
    void add(const raster::Rect& r) { rects[count++] = r; }
    std::span<const raster::Rect> all() const { return {rects, static_cast<std::size_t>(count)}; }
};

// The centre of mass on screen: (W / 2 + d, 21 H / 40).
long double centreX(const State& s) { return s.w / 2.0L + s.d; }
long double centreY(const State& s) { return 21.0L * s.h / 40; }

// The patch under a body at (x, y): u + 1 on every side, whatever the body's radius.
raster::Rect patchRect(const State& s, const Place& p)
{
    return {rnd(p.x - s.u - 1), rnd(p.y - s.u - 1), rnd(p.x + s.u + 1), rnd(p.y + s.u + 1)};
}

void takePatch(const State& s, orb::SavedPatch& patch, const raster::Canvas& view, const Place& p)
{
    const int side = 2 * s.u + 2;
    patch.take(view, patchRect(s, p), {0, 0, side, side});
}

// Paints a view black and, if the orbits are shown, dots each orbit about every π pixels.
void clearView(raster::Bitmap& view, bool side)
{
    const State& s = state();
    raster::Canvas& c = view.canvas();
    c.brush.color = kBlack;
    c.floodFill(1, 1, kDarkRed, raster::FillStyle::Border);
    if (!s.OrbitsVisible)
        return;
    const raster::Color dots[2] = {kTeal, kSilver};
    for (int i = 0; i < 2; ++i) {
        const long double r = s.R[i];
        const long double ry = side ? r / kSquash : r;
        for (int j = 0; j <= rnd(2 * r); ++j) {
            const long double theta = j * kPi / r + (2 - i) * kPi;
            c.setPixel(rnd(centreX(s) + r * std::cos(theta)), rnd(centreY(s) + ry * std::sin(theta)),
                       dots[i]);
        }
    }
}

// A body: a disc of its fill colour with its dot colour at the centre pixel.
void drawBody(raster::Canvas& c, int body, const Place& p)
{
    const State& s = state();
    const int r = body == 0 ? s.s : s.u;
    const raster::Color fill = body == 0 ? kCyan : kWhite;
    c.pen.color = fill;
    c.pen.width = 1;
    c.brush.color = fill;
    c.ellipse(rnd(p.x - r), rnd(p.y - r), rnd(p.x + r), rnd(p.y + r));
    c.setPixel(rnd(p.x), rnd(p.y), body == 0 ? kTeal : kSilver);
}

raster::Rect centreRect(const State& s)
{
    const int x = s.w / 2 + rnd(s.d), y = (21 * s.h) / 40;
    return {x - 2, y - 2, x + 2, y + 2};
}

// One tick's drawing on a view: the backgrounds put back, the new ones taken, the bodies drawn
// back to front (the one higher on the screen first), then the centre of mass unless hidden.
void moveBodies(raster::Bitmap& view, orb::SavedPatch (&patches)[2], bool side, Changes& changed)
{
    State& s = state();
    raster::Canvas& c = view.canvas();
    for (orb::SavedPatch& patch : patches) {
        if (patch.taken())
            changed.add(patch.rect());
        patch.restore(c);
    }
    const Place p[2] = {bodyPlace(0, s.Phase, side), bodyPlace(1, s.Phase, side)};
    for (int i = 0; i < 2; ++i) {
        takePatch(s, patches[i], c, p[i]);
        changed.add(patches[i].rect());
    }
    const int first = p[0].y < p[1].y ? 0 : 1;
    drawBody(c, first, p[first]);
    drawBody(c, 1 - first, p[1 - first]);
    if (side && centreHidden(s.Phase))
        return;
    const raster::Rect r = centreRect(s);
    c.pen.color = kRed;
    c.brush.color = kRed;
    c.ellipse(r.left, r.top, r.right, r.bottom);
    changed.add(r);
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

int rnd(long double v) { return static_cast<int>(std::nearbyint(v)); }

Place bodyPlace(int body, int phase, bool side)
{
    // θi = (2 − i)·π + φ with φ = π·phase/150, so that the bodies stay opposite each other:
    // x = W/2 + d + Ri·cos θi; y = 21·H/40 − Ri·sin θi, with Ri/9 in the side view.
    const State& s = state();
    const long double phi = kPi * phase / 150;
    const long double theta = (2 - body) * kPi + phi;
    const long double r = s.R[body];
    const long double ry = side ? r / kSquash : r;
    return {static_cast<float>(centreX(s) + r * std::cos(theta)),
            static_cast<float>(centreY(s) - ry * std::sin(theta))};
}

bool centreHidden(int phase)
{
    // The heavier body (at φ + π) hides the centre when it is in front (lower on the screen) and
    // less than u across from it; the lighter one (at φ + 2π) only when the masses are equal.
    const State& s = state();
    const long double phi = kPi * phase / 150;
    if (std::fabs(std::cos(phi + kPi) * s.R[1]) < s.u && std::sin(phi + kPi) < 0)
        return true;
    return std::fabs(std::cos(phi + 2 * kPi) * s.R[0]) < s.s && std::sin(phi + 2 * kPi) < 0 && s.m == 1;
}

void create(int w, int h)
{
    State& s = state();
    s.w = w;
    s.h = h;
    s.u = w / 45;
    for (raster::Bitmap* b : {&s.TopBitmap, &s.SideBitmap, &s.WipeBitmap}) {
        *b = raster::Bitmap();
        b->canvas().brush.color = kBlack;
        b->canvas().font.color = kWhite;
        b->setSize(w, h);
    }
    for (orb::SavedPatch* p : {&s.TopPatch[0], &s.TopPatch[1], &s.SidePatch[0], &s.SidePatch[1]})
        p->create(3 * s.u, 3 * s.u);
    s.OrbitsVisible = false;
    s.ResetPhase = true;
    s.View = TopShown;
    s.WipeStep = 0;
    s.FrameWidth = -1;
    s.TimerWasOn = false;
    s.FirstActivation = true;
    s.shown.forget();
}

void restart(int ratio)
{
    State& s = state();
    s.m = std::clamp(ratio, 1, 9);
    s.s = std::max(s.u / s.m, 4);
    // d = (W/7)·(m − 1)/(m + 1); R0 = W/7 + d for the lighter body, R1 = W/7 − d for the heavier.
    const long double seventh = s.w / 7.0L;
    s.d = static_cast<float>(seventh * (s.m - 1) / (s.m + 1));
    s.R[0] = static_cast<float>(seventh + s.d);
    s.R[1] = static_cast<float>(seventh - s.d);
    if (s.ResetPhase)
        s.Phase = 0;
    s.ResetPhase = true;
    s.FrameWidth = -1;
    clearView(s.TopBitmap, false);
    for (int i = 0; i < 2; ++i)
        takePatch(s, s.TopPatch[i], s.TopBitmap.canvas(), bodyPlace(i, 0, false));
    clearView(s.SideBitmap, true);
    for (int i = 0; i < 2; ++i)
        takePatch(s, s.SidePatch[i], s.SideBitmap.canvas(), bodyPlace(i, 0, true));
    s.shown.forget();
}

void showOrbits(bool shown)
{
    State& s = state();
    s.OrbitsVisible = shown;
    s.ResetPhase = false;
}

void startWipe(bool toSide)
{
    State& s = state();
    s.View = Wiping;
    s.TargetSide = toSide;
    s.FrameWidth = -1;
}

bool tick(raster::Canvas& surface, bool paused)
{
    State& s = state();
    Changes top, side;
    if (!paused) {
        if (s.View <= Wiping)
            moveBodies(s.TopBitmap, s.TopPatch, false, top);
        if (s.View >= Wiping)
            moveBodies(s.SideBitmap, s.SidePatch, true, side);
        s.Phase = (s.Phase + 1) % kPhasesPerTurn;
    }
    if (s.View == TopShown) {
        s.shown.show(surface, {0, 0}, s.TopBitmap, top.all());
        return false;
    }
    if (s.View == SideShown) {
        s.shown.show(surface, {0, 0}, s.SideBitmap, side.all());
        return false;
    }
    // The wipe: strips of the target view W div 40 apart grow one pixel a tick over the view
    // being left, until they are W div 40 wide; then the last frame stays on the window.
    const raster::Bitmap& leaving = s.TargetSide ? s.TopBitmap : s.SideBitmap;
    const raster::Bitmap& target = s.TargetSide ? s.SideBitmap : s.TopBitmap;
    const int strip = s.w / 40;
    std::vector<raster::Rect> changed;
    const bool ended = strip <= s.WipeStep;
    if (ended) {
        s.View = s.TargetSide ? SideShown : TopShown;
        s.WipeStep = -1;
    } else if (s.FrameWidth >= 0 && s.FrameWidth <= s.WipeStep) {
        // The frame of the last tick, brought up to date where the bodies moved and the strips grew.
        const std::span<const raster::Rect> moved[2] = {top.all(), side.all()};
        for (const auto& rects : moved)
            changed.insert(changed.end(), rects.begin(), rects.end());
        orb::stripWipeGrowth(changed, strip, kLastStrip, s.FrameWidth, s.WipeStep, s.h);
        orb::recomposeStripWipe(s.WipeBitmap, leaving, target, strip, kLastStrip, s.WipeStep, changed);
        s.FrameWidth = s.WipeStep;
    } else {
        orb::composeStripWipe(s.WipeBitmap, leaving, target, strip, kLastStrip, s.WipeStep, s.h);
        s.FrameWidth = s.WipeStep;
        s.shown.forget();
    }
    s.shown.show(surface, {0, 0}, s.WipeBitmap, changed);
    if (!paused)
        ++s.WipeStep;
    return ended;
}

void release()
{
    State& s = state();
    s.TopBitmap = raster::Bitmap();
    s.SideBitmap = raster::Bitmap();
    s.WipeBitmap = raster::Bitmap();
    for (orb::SavedPatch* p : {&s.TopPatch[0], &s.TopPatch[1], &s.SidePatch[0], &s.SidePatch[1]})
        p->release();
    s.shown.forget();
}

std::size_t bytes()
{
    const State& s = state();
    std::size_t n = s.TopBitmap.bytes() + s.SideBitmap.bytes() + s.WipeBitmap.bytes();
    for (const orb::SavedPatch* p : {&s.TopPatch[0], &s.TopPatch[1], &s.SidePatch[0], &s.SidePatch[1]})
        n += p->bytes();
    return n;
}

}  // namespace corpi
