// The Rayleigh-wave model: three wavy layers of ground joined by columns, their particles running
// round ellipses, and the wipe between the plain picture and the picture of the particle paths.
#include "earthquakes/raylei.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "shell/strip_wipe.h"

namespace raylei {

namespace {

// The coordinates are computed in extended precision from the single-precision scale factors.
using Real = long double;
constexpr Real kPi = std::numbers::pi_v<long double>;

// Each layer line starts at column L + 24, at least 408 design units from the left: right of the
// picture (at most 400 wide) at every phase, so that the bands' fills are closed by the
// picture's right edge and never spill round a line's open end.
constexpr int kFirstColumn = 24;
constexpr int kLastColumn = 140;
constexpr int kSeedColumn = 70;

int nearest(Real v) { return static_cast<int>(std::nearbyint(v)); }

// The phase angle of column c is a(c) = (t + c) pi/32, so the wave repeats every 64 columns.
// Its cosine and sine for every t + c that the pictures use, worked out once.
struct Trig {
    std::array<Real, kPhases + kLastColumn> cos;
    std::array<Real, kPhases + kLastColumn> sin;
};
const Trig& trig()
{
    static const Trig table = [] {
        Trig t;
        for (std::size_t n = 0; n < t.cos.size(); ++n) {
            const Real a = static_cast<Real>(n) * kPi / 32;
            t.cos[n] = std::cos(a);
            t.sin[n] = std::sin(a);
        }
        return t;
    }();
    return table;
}

// The points of one phase, shared by both pictures.
struct Layout {
    // The particle of layer L (0 surface, 1 middle, 2 bottom) at column c runs round an ellipse
    // of half-axes (18 - 6L) x (18 - 7L) design units centred at (570 - 6c, 110 + 20L):
    // x = ((18 - 6L) cos a(c) + 570 - 6c) sx,  y = (110 + 20L - (18 - 7L) sin a(c)) sy.
    // As a grows the particle turns anticlockwise on the screen: at the top of its path it moves
    // to the left, against the wave, which travels to the right. That is the retrograde motion of
    // the ground in a real Rayleigh wave (with y = ... + sin a the ground turned the wrong way).
    std::array<std::array<raster::Point, kLastColumn + 1>, 3> particle;
    // The back edge of the top face: x = (18 cos a(c) + 610 - 6c) sx, y = (85 - 18 sin a(c)) sy,
    // the surface point moved 40 design units right and 25 up.
    std::array<raster::Point, kLastColumn + 1> back;
};

void lay(const State& s, Layout& out)
{
    const Trig& tr = trig();
    for (int c = 0; c <= kLastColumn; ++c) {
        const Real ca = tr.cos[static_cast<std::size_t>(s.t + c)];
        const Real sa = tr.sin[static_cast<std::size_t>(s.t + c)];
        for (int L = 0; L < 3; ++L) {
            out.particle[static_cast<std::size_t>(L)][static_cast<std::size_t>(c)] = {
                nearest(((18 - 6 * L) * ca + 570 - 6 * c) * s.sx),
                nearest((110 + 20 * L - (18 - 7 * L) * sa) * s.sy)};
        }
        out.back[static_cast<std::size_t>(c)] = {nearest((18 * ca + 610 - 6 * c) * s.sx),
                                                  nearest((85 - 18 * sa) * s.sy)};
    }
}

// Lines that run past the left edge are drawn along x = 0.
raster::Point clamped(raster::Point p) { return {std::max(p.x, 0), p.y}; }

void drawPicture(State& s, const Layout& at, raster::Canvas& c, bool highlight)
{
    const auto particle = [&at](int L, int col) {
        return at.particle[static_cast<std::size_t>(L)][static_cast<std::size_t>(col)];
    };
    c.brush.color = kBlack;
    c.fillRect({0, 0, c.width(), c.height()});
    // The wipe's edge line leaves a 2 px pen behind: every picture starts again with 1 px.
    c.pen.width = 1;
    c.pen.style = raster::PenStyle::Solid;
    const raster::Color lines = highlight ? kLightGrey : kRed;
    c.pen.color = lines;

    std::vector<raster::Point> points;
    points.reserve(kLastColumn + 1);
    for (int L = 0; L < 3; ++L) {
        points.clear();
        for (int col = L + kFirstColumn; col <= kLastColumn; ++col) {
            const raster::Point p = particle(L, col);
            if (col == kSeedColumn)
                s.seeds[static_cast<std::size_t>(L)] = {p.x, p.y - 4};
            points.push_back(clamped(p));
        }
        c.polyline(points);
        if (highlight) {
            // A red dot on every 16th particle.
            c.pen.color = kRed;
            c.brush.color = kRed;
            for (int col = L + kFirstColumn; col <= kLastColumn; ++col) {
                if (col % 16 != 0)
                    continue;
                const raster::Point p = particle(L, col);
                c.ellipse(p.x - 3, p.y - 3, p.x + 3, p.y + 3);
            }
            c.pen.color = lines;
        }
    }

    points.clear();
    points.push_back(clamped(particle(0, 0)));
    for (int col = 28; col <= kLastColumn; ++col)
        points.push_back(clamped(at.back[static_cast<std::size_t>(col)]));
    c.polyline(points);

    if (!highlight) {
        // The top face and the two bands between the layers.
        c.brush.color = kDarkRed;
        for (const raster::Point& seed : s.seeds)
            c.floodFill(seed.x, seed.y, kRed, raster::FillStyle::Border);
    }

    const int dx = nearest(40 * static_cast<Real>(s.sx));
    const int dy = nearest(25 * static_cast<Real>(s.sy));
    for (int col = 25; col <= 124; col += 3) {
        const raster::Point top = particle(0, col);
        const raster::Point middle = particle(1, col);
        const raster::Point bottom = particle(2, col);
        c.moveTo(top.x, top.y);
        c.lineTo(middle.x, middle.y);
        c.lineTo(bottom.x, bottom.y);
    }
    for (int col = 25; col <= 124; col += 3) {
        const raster::Point top = particle(0, col);
        c.moveTo(top.x, top.y);
        c.lineTo(top.x + dx, top.y - dy);
    }

    if (highlight) {
        // The particle paths of the three layers under every 16th column, centred 96k - 6 design
        // units from the left. The shift is scaled as the particles are, so that each path
        // stays round its dots at every size.
        c.pen.color = kRed;
        const int shift = nearest(6 * static_cast<Real>(s.sx));
        const int paths[3][3] = {{18, 92, 128}, {12, 119, 141}, {6, 146, 154}};   // half-width, top, bottom
        for (int k = 0; k <= 6; ++k) {
            for (const auto& e : paths) {
                const int x1 = nearest((96 * k - e[0]) * static_cast<Real>(s.sx)) - shift;
                const int x2 = nearest((96 * k + e[0]) * static_cast<Real>(s.sx)) - shift;
                const int y1 = nearest(e[1] * static_cast<Real>(s.sy));
                const int y2 = nearest(e[2] * static_cast<Real>(s.sy));
                c.arc(x1, y1, x2, y2, x2, y2, x2, y2);
            }
        }
    }
}

// The wipe's moving edge: a line 2 px wide at x, between H div 9 and (H * 7) div 24.
void edgeLine(raster::Canvas& c, raster::Color colour, int x, int h)
{
    c.pen.color = colour;
    c.pen.width = 2;
    c.moveTo(x, h / 9);
    c.lineTo(x, (h * 7) / 24);
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

raster::Point pictureOrigin(int w, int h) { return {w / 4, (h * 5) / 16}; }

void create(int w, int h)
{
    State& s = state();
    s.width = w;
    s.height = h;
    s.sy = static_cast<float>(static_cast<Real>(h) / 600);
    s.sx = static_cast<float>(static_cast<Real>(w) / 800);
    s.mode = PlainShown;
    s.w = 0;
    s.t = 1;
    s.seeds = {};
    for (raster::Bitmap* b : {&s.plain, &s.highlight}) {
        *b = raster::Bitmap();
        b->canvas().brush.color = kBlack;
        b->canvas().pen.color = kRed;
        b->setSize(w / 2, (h * 3) / 8);
    }
}

void startWipe() { state().mode = Wiping; }

bool tick(raster::Canvas& surface, bool highlightDown, bool paused)
{
    State& s = state();
    if (!paused) {
        Layout at;
        lay(s, at);
        if (s.mode != HighlightShown)
            drawPicture(s, at, s.plain.canvas(), false);
        if (s.mode != PlainShown)
            drawPicture(s, at, s.highlight.canvas(), true);
    }

    const raster::Point o = pictureOrigin(s.width, s.height);
    const int half = s.width / 2;
    bool ended = false;
    if (s.mode == PlainShown) {
        surface.draw(o.x, o.y, s.plain);
    } else if (s.mode == HighlightShown) {
        surface.draw(o.x, o.y, s.highlight);
    } else {
        if (s.w >= half) {
            // The window keeps the wipe's last picture for this tick.
            s.mode = highlightDown ? HighlightShown : PlainShown;
            s.w = -1;
            ended = true;
        } else if (!highlightDown) {
            // Back to the plain picture, uncovered from the left behind a red edge.
            edgeLine(s.plain.canvas(), kRed, s.w - 1, s.height);
            orb::copyStrip(s.highlight, s.plain, 0, s.w);
            surface.draw(o.x, o.y, s.highlight);
        } else {
            // To the highlight picture, uncovered from the right behind a grey edge.
            edgeLine(s.highlight.canvas(), kGrey, half - s.w + 1, s.height);
            orb::copyStrip(s.plain, s.highlight, half - s.w, half);
            surface.draw(o.x, o.y, s.plain);
        }
        // 2 px a tick; the tick that ends a wipe brings w to 1 for the next one.
        if (!paused)
            s.w += 2;
    }
    if (!paused)
        s.t = static_cast<std::uint8_t>((s.t + 1) % kPhases);
    return ended;
}

void release()
{
    State& s = state();
    s.plain = raster::Bitmap();
    s.highlight = raster::Bitmap();
}

}  // namespace raylei
