// Angular momentum: two bodies round their common centre of mass, each erased by restoring the
// picture saved under it, and their predicted orbits traced in cyan on request.
#include "celestial/duecorpiellit.h"

#include <array>
#include <cmath>

namespace duecorpiellit {

namespace {

int rnd(long double v) { return static_cast<int>(std::nearbyint(v)); }

raster::Point rounded(const Place& p) { return {rnd(p.x), rnd(p.y)}; }

// The picture black again, with the white "+" on the centre of mass.
void blankPicture(State& s)
{
    raster::Canvas& c = s.picture.canvas();
    c.brush.color = kBlack;
    c.fillRect(s.clearRect);
    c.font.color = kWhite;
    c.textOut((15 * s.w) / 32 - 3, (3 * s.h) / 10 - 7, "+");
}

// The picture under both bodies at their present places goes into the backing stores.
void saveUnderBodies(State& s)
{
    s.store1.take(s.picture.canvas(), bodyRect(s, place1(s, s.body)));
    s.store2.take(s.picture.canvas(), bodyRect(s, place2(s, s.body)));
}

// The predicted orbits: 1001 steps from the start, a cyan line for each body after each step.
void drawPreview(State& s)
{
    raster::Canvas& c = s.picture.canvas();
    c.pen.color = kCyan;
    orbit::Body b = kStart;
    raster::Point from1 = rounded(place1(s, b));
    raster::Point from2 = rounded(place2(s, b));
    for (int i = 0; i < kPreviewSteps; ++i) {
        orbit::step(b, kAttraction, kPositionStep);
        const raster::Point to1 = rounded(place1(s, b));
        const raster::Point to2 = rounded(place2(s, b));
        c.moveTo(from1.x, from1.y);
        c.lineTo(to1.x, to1.y);
        c.moveTo(from2.x, from2.y);
        c.lineTo(to2.x, to2.y);
        from1 = to1;
        from2 = to2;
    }
    c.pen.color = kYellow;
    c.brush.color = kYellow;
}

void drawBody(raster::Canvas& c, const State& s, const Place& p)
{
    c.ellipse(rnd(p.x - s.u), rnd(p.y - s.u), rnd(p.x + s.u), rnd(p.y + s.u));
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

Place place1(const State& s, const orbit::Body& b)
{
    const long double root = std::sqrt(static_cast<long double>(s.q));
    return {s.cx + static_cast<long double>(b.x), s.cy + b.y / root};
}

Place place2(const State& s, const orbit::Body& b)
{
    // Body 2 stands opposite body 1, at m2/m1 times its distance from the centre of mass.
    const long double ratio = static_cast<long double>(s.m2) / s.m1;
    const long double root = std::sqrt(static_cast<long double>(s.q));
    return {s.cx - ratio * b.x, s.cy - ratio * b.y / root};
}

raster::Rect bodyRect(const State& s, const Place& p)
{
    // A fixed side, so that a store is copied back pixel for pixel and never rescaled.
    const long double half = 1.5L * s.u;
    const int left = rnd(p.x - half);
    const int top = rnd(p.y - half);
    return {left, top, left + 3 * s.u, top + 3 * s.u};
}

void create(int w, int h)
{
    State& s = state();
    s.w = w;
    s.h = h;
    s.q = 1;
    s.preview = false;
    s.u = w / 160;
    s.cx = static_cast<float>(15.0L * w / 32);
    s.cy = static_cast<float>(3.0L * h / 10);
    s.clearRect = {0, 0, w, h};
    s.picture = raster::Bitmap();
    raster::Canvas& c = s.picture.canvas();
    c.brush.color = kBlack;
    c.pen.color = kWhite;
    s.picture.setSize(w, h);
    s.store1.create(3 * s.u, 3 * s.u, kBlack);
    s.store2.create(3 * s.u, 3 * s.u, kBlack);
    s.m1 = 1.0f;
    s.m2 = 0.7f;
    s.body = kStart;
    blankPicture(s);
    c.pen.color = kYellow;
    c.brush.color = kYellow;
    saveUnderBodies(s);
    s.shown = false;
}

void setOblique(bool down) { state().q = down ? 3 : 1; }

void clearPicture(bool down)
{
    State& s = state();
    blankPicture(s);
    s.picture.canvas().brush.color = kYellow;
    // The stores now hold black: the next tick puts back a picture without the bodies.
    s.store1.take(s.picture.canvas(), s.store1.rect());
    s.store2.take(s.picture.canvas(), s.store2.rect());
    s.preview = down;
    s.shown = false;
}

void tick(raster::Canvas& surface, bool paused, std::vector<raster::Rect>* drawn)
{
    State& s = state();
    std::array<raster::Rect, 4> changed{};
    if (!paused) {
        raster::Canvas& c = s.picture.canvas();
        changed[0] = s.store1.rect();
        changed[1] = s.store2.rect();
        s.store1.restore(c);
        s.store2.restore(c);
        if (s.preview) {
            drawPreview(s);
            s.preview = false;
            s.shown = false;
        }
        const Place p1 = place1(s, s.body);
        const Place p2 = place2(s, s.body);
        saveUnderBodies(s);
        changed[2] = s.store1.rect();
        changed[3] = s.store2.rect();
        drawBody(c, s, p1);
        drawBody(c, s, p2);
        orbit::step(s.body, kAttraction, kPositionStep);
    }
    // The picture goes to the window at (0, H div 5): whole when it changed all over, otherwise
    // only the bodies' old and new squares, which leaves the same pixels as copying it whole.
    const int top = s.h / 5;
    if (!s.shown) {
        surface.draw(0, top, s.picture);
        s.shown = true;
        if (drawn)
            drawn->push_back({0, top, s.picture.width(), top + s.picture.height()});
        return;
    }
    for (const raster::Rect& r : changed)
        if (r.right > r.left) {
            surface.copyRect({r.left, r.top + top, r.right, r.bottom + top}, s.picture.canvas(), r);
            if (drawn)
                drawn->push_back({r.left, r.top + top, r.right, r.bottom + top});
        }
}

void release()
{
    State& s = state();
    s.picture = raster::Bitmap();
    s.store1.release();
    s.store2.release();
}

std::size_t bytes()
{
    const State& s = state();
    return s.picture.bytes() + s.store1.bytes() + s.store2.bytes();
}

}  // namespace duecorpiellit
