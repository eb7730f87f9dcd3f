// The parabolic antenna: plane wave fronts reflected by a dish onto its focus (receiving) or
// sent out from the focus and reflected away as plane fronts (transmitting), in eight
// precomputed frames, with a ninth picture of the rays.
#include "misc/specparafronti.h"

#include <algorithm>
#include <cmath>

namespace specparafronti {

namespace {
State g_state;

// One front drawn: the progress count, held at the bar's maximum (the maximum counts the fronts
// beyond the focus, which are fewer than counted, or none, on a client much narrower than the
// screen).
struct Progress {
    const std::function<void(int)>& report;
    int maximum;
    int done = 0;
    void step()
    {
        ++done;
        if (report)
            report(std::min(done, maximum));
    }
};

void disc(raster::Canvas& c, int x, int y, raster::Color colour)
{
    c.pen = {colour, 1, raster::PenStyle::Solid};
    c.brush.color = colour;
    c.ellipse(x - 3, y - 3, x + 3, y + 3);
}

void drawFronts(const Geometry& g, int w, int h, bool receiving, Progress& progress)
{
    auto& s = g_state;
    const int w2 = w / 2;   // the dish's vertex
    for (int c = 0; c < 2; ++c) {
        const raster::Color colour = c == 0 ? kBlue : kCyan;
        // The plane fronts coming in from the distant source.
        for (int j = 0; j <= g.Np; ++j) {
            raster::Canvas& frame = s.bitmaps[static_cast<std::size_t>(7 - ((4 * c + j) % 8))].canvas();
            disc(frame, g.Xs, g.Yc, kWhite);
            frame.pen.color = colour;
            frame.moveTo(g.Xs + g.s * j, g.Yc - h / 10);
            frame.lineTo(g.Xs + g.s * j, g.Yc + h / 10);
            progress.step();
        }
        // Between the dish and the focus: the circles about the focus, on the side of the dish.
        for (int j = 0; j <= g.Ni; ++j) {
            raster::Canvas& frame = s.bitmaps[static_cast<std::size_t>((j + 2 + 4 * c) % 8)].canvas();
            frame.pen.color = colour;
            const int r = g.s * j;
            frame.arc(g.Xf - r, g.Yc - r, g.Xf + r, g.Yc + r, w2, g.Yc + h / 10, w2, g.Yc - h / 10);
            progress.step();
        }
        if (!receiving)
            continue;
        // Beyond the focus, the same circles on the side away from the dish.
        const int x = w2 > g.Xf ? w2 - 2 * g.q : w2;
        for (int j = 0; j <= g.No; ++j) {
            raster::Canvas& frame = s.bitmaps[static_cast<std::size_t>(7 - ((j + 4 - 4 * c) % 8))].canvas();
            frame.pen.color = colour;
            const int r = g.s * j;
            frame.arc(g.Xf - r, g.Yc - r, g.Xf + r, g.Yc + r, x, g.Yc - h / 10, x, g.Yc + h / 10);
            progress.step();
        }
    }
}

// Four rays from the left edge to the dish, to the focus, back to the dish and back to the edge.
void drawRays(const Geometry& g, int w, int h)
{
    raster::Canvas& c = g_state.bitmaps[kRays].canvas();
    c.brush.color = kBlack;
    c.fillRect(g_state.clearRect);
    c.pen = {kWhite, 1, raster::PenStyle::Solid};
    const int w2 = w / 2;
    const int Yc = g.Yc;
    const raster::Point f{g.Xf, Yc};
    const raster::Point rays[4][5] = {
        {{0, Yc + h / 10 - 1}, {w2 - 14, Yc + h / 10 - 1}, f, {w2 - 14, Yc - h / 10 + 1}, {0, Yc - h / 10 + 1}},
        {{0, Yc - h / 20}, {w2 - 6, Yc - h / 20}, f, {w2 - 6, Yc + h / 20}, {0, Yc + h / 20}},
        {{0, Yc - h / 40}, {w2 - 6, Yc - h / 40}, f, {w2 - 6, Yc + h / 40}, {0, Yc + h / 40}},
        {{0, Yc - 3 * h / 40}, {w2 - 6, Yc - 3 * h / 40}, f, {w2 - 6, Yc + 3 * h / 40}, {0, Yc + 3 * h / 40}},
    };
    for (const auto& ray : rays)
        c.polyline(ray);
}

// The dish, the wipe of the fronts behind it, the black right half and the feed.
void drawDish(raster::Canvas& c, const Geometry& g, int w, int h)
{
    const int Yc = g.Yc;
    const int w2 = w / 2;
    auto dishArc = [&](int grow) {
        c.arc(-w - grow, Yc - w / 4 - grow, w2 + grow, Yc + w / 4 + grow, w2, Yc + h / 6, w2, Yc - h / 6);
    };
    c.pen = {kBlack, 9, raster::PenStyle::Solid};
    dishArc(5);
    dishArc(14);
    c.pen = {kWhite, 2, raster::PenStyle::Solid};
    dishArc(0);
    c.pen = {kBlack, 1, raster::PenStyle::Solid};
    c.brush.color = kBlack;
    c.rectangle(w2, 0, w, h);
    if (g.Xf > 0)
        disc(c, g.Xf, Yc, kYellow);
}
}  // namespace

State& state() { return g_state; }

Geometry geometry(int w, int h, int f0)
{
    Geometry g;
    g.s = kStep;
    g.Xs = -5 * w;
    g.Yc = h / 4;
    // The mirror equation for an object at distance 5 w: 1/q = 1/f0 - 1/(5 w).
    const long double object = 5.0L * w;
    g.q = static_cast<int>(std::nearbyint(object * f0 / (object - f0 + 0.0001L)));
    g.Xf = w / 2 - g.q;
    g.Np = static_cast<int>(std::nearbyint(object / (g.s - 1)));
    g.Ni = static_cast<int>(std::nearbyint(static_cast<double>(g.q) / g.s));
    g.No = w / 8 - g.Ni + 2;
    return g;
}

void create(int w, int h, int screenWidth)
{
    State& s = g_state;
    s.f0 = screenWidth / 12;
    s.receiving = true;
    s.lastSelected = 0;
    s.builtItem = -1;
    s.recompute = true;
    s.raysPending = true;
    s.FirstActivation = true;
    s.running = false;
    s.f = 0;
    s.g = geometry(w, h, s.f0);
    for (raster::Bitmap& b : s.bitmaps) {
        b = raster::Bitmap();
        b.setSize(w / 2 + 10, h / 2);
    }
    s.clearRect = {0, 0, w, h};
}

int progressMaximum(const Geometry& g) { return 2 * (g.Np + g.Ni + g.No + 3); }

void choose(int item)
{
    g_state.recompute = item != g_state.builtItem;
    g_state.lastSelected = item;
}

bool precompute(int w, int h, int item, const std::function<void(int)>& progress)
{
    State& s = g_state;
    if (!s.recompute)
        return false;
    s.receiving = item == 0;
    s.g = geometry(w, h, s.f0);
    const Geometry& g = s.g;
    for (int i = 0; i < kFrames; ++i) {
        raster::Canvas& c = s.bitmaps[static_cast<std::size_t>(i)].canvas();
        c.brush.color = kBlack;
        c.fillRect(s.clearRect);
    }
    Progress count{progress, progressMaximum(g)};
    drawFronts(g, w, h, s.receiving, count);
    if (s.raysPending) {
        drawRays(g, w, h);
        s.raysPending = false;
    }
    for (raster::Bitmap& b : s.bitmaps)
        drawDish(b.canvas(), g, w, h);
    s.builtItem = item;
    return true;
}

int shownFrame(int f) { return g_state.receiving ? 7 - f : f; }

void tick(raster::Canvas& surface, int h, bool paused, bool hideFronts, bool showRays)
{
    State& s = g_state;
    if (!paused)
        s.f = (s.f + 1) % kFrames;
    surface.copyMode = raster::CopyMode::Copy;
    if (!hideFronts) {
        surface.draw(0, h / 4, s.bitmaps[static_cast<std::size_t>(shownFrame(s.f))]);
        surface.copyMode = raster::CopyMode::Or;
    }
    if (showRays)
        surface.draw(0, h / 4, s.bitmaps[kRays]);
    surface.copyMode = raster::CopyMode::Copy;
}

std::size_t bytes()
{
    std::size_t n = 0;
    for (const raster::Bitmap& b : g_state.bitmaps)
        n += b.bytes();
    return n;
}

void release()
{
    for (raster::Bitmap& b : g_state.bitmaps)
        b = raster::Bitmap();
}

}  // namespace specparafronti
