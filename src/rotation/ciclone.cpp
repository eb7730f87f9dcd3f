// The cyclone model: air that spirals up or out about a centre, drawn into four frames.
#include "rotation/ciclone.h"

#include <cmath>
#include <numbers>

namespace ciclone {

namespace {

constexpr double kPi = std::numbers::pi;

int roundInt(double v) { return static_cast<int>(std::nearbyint(v)); }

// The frames' common background is drawn once into frame 0 and copied to the others.
void copyBackground(State& s)
{
    for (int k = 1; k < kFrames; ++k)
        s.frames[k].canvas().draw(0, 0, s.frames[0]);
}

// The axonometric view: sky and ground parted by the horizon at 7H/12, and the particles of the
// rising air, level by level, until the last one lies at or above H/5 - H/35.
void drawAxonometric(State& s, int w, int h)
{
    raster::Canvas& c = s.frames[0].canvas();
    c.brush.color = kBlack;
    c.floodFill(0, 0, kNeverDrawn, raster::FillStyle::Border);
    c.pen.color = kCyan;
    c.pen.width = 1;
    c.pen.style = raster::PenStyle::Solid;
    c.moveTo(0, (7 * h) / 12);
    c.lineTo(w / 2, (7 * h) / 12);
    c.brush.color = kCyan;
    c.floodFill(0, 0, kCyan, raster::FillStyle::Border);
    c.brush.color = kGreen;
    c.floodFill(2, h - 2, kCyan, raster::FillStyle::Border);
    copyBackground(s);

    const int top = h / 5 - h / 35;
    int lastY = (4 * h) / 5;
    for (int L = 1;; L += 4) {
        for (int a = 0; a <= 5; ++a)
            for (int k = 0; k < kFrames; ++k) {
                const Particle p = airParticle(L, a, k, w, h);
                lastY = p.y;
                if (p.inFrame)
                    s.frames[k].canvas().setPixel(p.x, p.y, kBlack);
            }
        if (lastY <= top)
            break;
    }
}

// A section: the centre's disc and seven arms of dots that spiral out, turning by pi/90 a frame;
// aloft (sign -1) the picture is mirrored top to bottom.
void drawSection(State& s, int view, int w, int h)
{
    const bool ground = view == GroundSection;
    const raster::Color back = ground ? kGreen : kCyan;
    raster::Canvas& c0 = s.frames[0].canvas();
    c0.pen.color = back;
    c0.pen.width = 1;
    c0.pen.style = raster::PenStyle::Solid;
    c0.brush.color = back;
    c0.floodFill(2, 2, kNeverDrawn, raster::FillStyle::Border);
    c0.brush.color = ground ? kDarkGreen : kTeal;
    c0.ellipse(w / 4 - 30, h / 2 - 30, w / 4 + 30, h / 2 + 30);
    copyBackground(s);

    const int sign = ground ? 1 : -1;
    for (int k = 0; k < kFrames; ++k) {
        raster::Canvas& c = s.frames[k].canvas();
        c.pen.color = kBlack;
        c.brush.color = kBlack;
        double turn = 0;   // c = 0.004 phi, added up 0.02 a step of phi
        for (int phi = 0; phi < 560; phi += 5) {
            const int u = k + phi;
            // r = 0.3 u + 30, kept in single precision.
            const float r = static_cast<float>(0.3L * u + 30.0L);
            for (int a = 0; a <= 6; ++a) {
                const double gamma = u * kPi / 90 + a * kPi / 3 + turn;
                const int x = w / 4 + roundInt(std::cos(gamma) * r);
                const int y = h / 2 + sign * roundInt(std::sin(gamma) * r);
                c.ellipse(x - 2, y - 2, x + 2, y + 2);
            }
            turn += 0.02;
        }
    }
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

Particle airParticle(int L, int a, int k, int w, int h)
{
    // rho = H / (20 sin(L pi / (2.5 H))): wide near the ground, narrowest at L = 1.25 H, and
    // unbounded as L nears 2.5 H; gamma = (L + k) pi/80 + a pi/3;
    // x = W/4 + Round(cos gamma rho), y = 4H/5 - Round((L + k)/4 + Round(sin gamma H/16)).
    const double rho = h / (20.0 * std::sin(L * kPi / (2.5 * h)));
    const double gamma = (L + k) * kPi / 80 + a * kPi / 3;
    Particle p{};
    p.y = (4 * h) / 5 - roundInt((L + k) / 4.0 + std::nearbyint(std::sin(gamma) * h / 16));
    // A column beyond the frame is never rounded: it may exceed any integer (or be no number).
    const double dx = std::cos(gamma) * rho;
    p.inFrame = dx >= -(w / 4) - 1.0 && dx <= w / 2 - w / 4 + 1.0;
    if (p.inFrame) {
        p.x = w / 4 + roundInt(dx);
        p.inFrame = p.x >= 0 && p.x < w / 2;
    }
    return p;
}

void create(int w, int h)
{
    State& s = state();
    s.frames.create(kFrames, w / 2, h, raster::rgb(255, 255, 255), kBlack);
    s.view = Axonometric;
    s.shownLeft = -1;
    s.FirstActivation = true;
    s.running = false;
}

void precompute(int view, raster::Canvas& surface, int w, int h)
{
    State& s = state();
    s.view = view;
    if (view == Axonometric)
        drawAxonometric(s, w, h);
    else
        drawSection(s, view, w, h);
    for (int k = 0; k < kFrames; ++k)
        s.changes[static_cast<std::size_t>(k)].compare(s.frames[k], s.frames[(k + 1) % kFrames]);
    surface.rectangle(0, 0, w, h);
    s.shownLeft = -1;
    s.f = 0;
}

void tick(raster::Canvas& surface, int w, bool paused)
{
    State& s = state();
    if (paused)
        return;
    // The ground section plays the frames backwards on the left, the other views forwards.
    const int left = s.view == GroundSection ? kFrames - 1 - s.f : s.f;
    const int right = kFrames - 1 - left;
    if (s.shownLeft < 0) {
        surface.draw(0, 0, s.frames[left]);
        surface.draw(w / 2, 0, s.frames[right]);
    } else {
        // Each half moves one frame on from what it shows: from frame p to frame q = p +- 1.
        const auto pair = [](int p, int q) { return static_cast<std::size_t>(q == (p + 1) % kFrames ? p : q); };
        const int shownRight = kFrames - 1 - s.shownLeft;
        s.changes[pair(s.shownLeft, left)].apply(surface, {0, 0}, s.frames[left]);
        s.changes[pair(shownRight, right)].apply(surface, {w / 2, 0}, s.frames[right]);
    }
    s.shownLeft = left;
    s.f = static_cast<std::uint8_t>((s.f + 1) % kFrames);
}

void release()
{
    State& s = state();
    s.frames.release();
    for (orb::FrameChanges& c : s.changes)
        c.release();
    s.shownLeft = -1;
}

std::size_t bytes()
{
    std::size_t n = state().frames.bytes();
    for (const orb::FrameChanges& c : state().changes)
        n += c.bytes();
    return n;
}

}  // namespace ciclone
