// Insolation: a sheet turning before a point source S, the four rays from S to the corners of its
// footprint on a gridded screen, the sheet's shadow over the footprint and the energy it receives.
#include "solarsystem/flussol.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

#include "shell/damage.h"

namespace flussol {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

void polygon(orb::DamageCanvas& c, std::initializer_list<raster::Point> points)
{
    c.polygon(std::span<const raster::Point>(points.begin(), points.size()));
}

template <typename C>
void line(C& c, raster::Point from, raster::Point to)
{
    c.moveTo(from.x, from.y);
    c.lineTo(to.x, to.y);
}

// The working area that every tick clears: from the source's left down to the bottom, and
// left to a slanted edge past the reference screen.
std::array<raster::Point, 4> clearArea(const Geometry& g)
{
    const int x = source(g).x - 4;
    return {{{x, g.height / 9},
             {x, g.height},
             {9 * g.u - rnd(g.width / 5.0L), g.height},
             {11 * g.u - rnd(g.width / 10.0L), g.height / 9}}};
}

// The sheet's unit normal, r/2 long, from the sheet's centre: its direction is α + π/2.
void drawNormal(orb::DamageCanvas& c, const State& s, long double alpha)
{
    const long double half = s.g.r / 2.0L;
    c.canvas().pen.color = kSilver;
    line(c, {s.Xs, s.g.yc},
         {s.Xs + rnd(std::cos(alpha + kPi / 2) * half), s.g.yc - rnd(std::sin(alpha + kPi / 2) * half)});
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

int rnd(long double v) { return static_cast<int>(std::nearbyint(v)); }

Geometry geometry(int w, int h)
{
    Geometry g;
    g.width = w;
    g.height = h;
    g.u = w / 50;
    g.h = h / 10;
    g.c = w / 100;
    g.q = rnd(40.0L * g.c * h / (9.0L * w));
    g.r = rnd((w / 5.0L) / 6);
    g.yc = h / 2;
    return g;
}

std::array<raster::Point, 4> screenCorners(const Geometry& g, int f)
{
    // A = (3u + f(u - c), Yc - f(h - q - r)), B = (3u - f(u - c), Yc + f(h - q + r)),
    // C = (3u - f(u - c), Yc + f(h - q - r)), D = (3u + f(u - c), Yc - f(h - q + r)): a
    // parallelogram with upright sides, 2fr high, that leans as the grid's rows do.
    const int x = 3 * g.u, dx = f * (g.u - g.c);
    const int lean = g.h - g.q;
    return {{{x + dx, g.yc - f * (lean - g.r)},
             {x - dx, g.yc + f * (lean + g.r)},
             {x - dx, g.yc + f * (lean - g.r)},
             {x + dx, g.yc - f * (lean + g.r)}}};
}

raster::Point source(const Geometry& g) { return {g.width / 2 + 10 * g.u, g.yc}; }

int sheetX(const Geometry& g, int k) { return (g.width / 6) * k + 10 * g.u; }

int period(int screenWidth) { return std::max(screenWidth / 4, 1); }

bool normalInFront(int turnStep, int p)
{
    // 84 and 288 of a 200-tick turn: t < 84 P / 200 or t > 288 P / 200, compared exactly.
    const long long t = turnStep % (2LL * p);
    return 200 * t < 84LL * p || 200 * t > 288LL * p;
}

std::string energyText(long double alpha, int d)
{
    const long double e = std::fabs(4.0L / (d * d) * std::sin(alpha));
    char text[32];
    std::snprintf(text, sizeof text, "%2.2Lf", e);
    return text;
}

void create(int w, int h, int screenWidth)
{
    State& s = state();
    s.g = geometry(w, h);
    s.screenWidth = screenWidth;
    s.P = period(screenWidth);
    s.TurnStep = 2 * s.P - 4;
    s.StepHold = false;
    s.shown = false;
    s.lastDrawn = orb::RowDamage(h);
    setDistance(1);

    s.cleared = false;
    s.FlowBitmap = raster::Bitmap();
    raster::Canvas& c = s.FlowBitmap.canvas();
    c.brush.color = kBlack;
    s.FlowBitmap.setSize(w, h);
    c.pen.color = kWhite;
    c.font.color = kWhite;
    // Where the clearing polygon paints, read from the polygon itself drawn white on black.
    c.brush.color = kWhite;
    c.polygon(clearArea(s.g));
    s.clearRows.assign(static_cast<std::size_t>(h), {});
    for (int y = 0; y < h; ++y) {
        const raster::Color* row = c.bits() + static_cast<std::ptrdiff_t>(y) * c.stride();
        const raster::Color* first = std::find(row, row + w, kWhite);
        if (first == row + w)
            continue;
        const auto last =
            std::find(std::make_reverse_iterator(row + w), std::make_reverse_iterator(row), kWhite);
        s.clearRows[static_cast<std::size_t>(y)] = {static_cast<int>(first - row),
                                                    static_cast<int>(last.base() - row)};
    }
    c.brush.color = kBlack;
    // Black all over (a fill bounded by a colour the bitmap never holds), then the source.
    c.floodFill(0, 0, kDarkRed, raster::FillStyle::Border);
    const raster::Point S = source(s.g);
    c.textOut(S.x + 4, S.y + 4, "S");
    c.pen.color = kRed;
    c.brush.color = kRed;
    c.ellipse(S.x - 4, S.y - 4, S.x + 4, S.y + 4);
    c.brush.color = kBlack;
}

void setDistance(int d)
{
    State& s = state();
    s.d = d;
    s.k = 2 / d;
    s.Xs = sheetX(s.g, s.k);
}

std::optional<std::string> tick(raster::Canvas& window, bool showNormal, bool stepByStep)
{
    State& s = state();
    const raster::Point at{10 * s.g.u, 0};
    std::optional<std::string> energy;
    if (!s.StepHold) {
        const Geometry& g = s.g;
        raster::Canvas& c = s.FlowBitmap.canvas();
        const raster::Point S = source(g);
        const int u = g.u, h = g.h, hh = g.height;
        const int a = g.u - g.c, b = g.h - g.q;   // the sheet's length along its axis is (a, -b)

        // The working area, cleared black. After the first time only where the last tick drew
        // past the screen can it hold anything but black or the screen, which is drawn anew
        // over it: clearing only there leaves the same pixels.
        c.pen = {kBlack, 1, raster::PenStyle::Solid};
        c.brush.color = kBlack;
        if (!s.cleared) {
            c.polygon(clearArea(g));
            s.cleared = true;
        } else {
            for (int y = 0; y < hh; ++y) {
                const orb::RowDamage::Span d = s.lastDrawn.span(y);
                const orb::RowDamage::Span a = s.clearRows[static_cast<std::size_t>(y)];
                const int left = std::max(d.left, a.left), right = std::min(d.right, a.right);
                if (left < right)
                    c.fillRect({left, y, right, y + 1});
            }
        }

        // The tilt α = π TurnStep / P; the sheet's width r seen at that tilt is (cx, sy).
        const long double alpha = kPi * s.TurnStep / s.P;
        const int m = (s.TurnStep - s.screenWidth / 10) % s.P;
        const int cx = -rnd(std::cos(alpha) * g.r);
        const int sy = rnd(std::sin(alpha) * g.r);

        // The reference screen, white with a black outline, and its silver grid of 8 x 8 cells.
        c.brush.color = kWhite;
        c.polygon(screenCorners(g, 4));
        c.pen.color = kSilver;
        for (int j = -4; j <= 4; ++j) {
            const int x = 3 * u + j * a, y = g.yc - j * b;
            line(c, {x, y - 4 * g.r}, {x, y + 4 * g.r});
        }
        for (int i = 0; i <= 8; ++i)
            line(c, {3 * u - 4 * a, g.yc + 4 * (b - g.r) + i * g.r},
                 {3 * u + 4 * a, g.yc - 4 * (b + g.r) + i * g.r});

        // What is drawn from here on changes from tick to tick: the clearing and the screen
        // above paint the same pixels every time, so only these shapes' pixels, now and on the
        // tick before, differ from what the window shows.
        orb::RowDamage drawn(hh);
        orb::DamageCanvas dc(c, drawn);

        // The footprint of the rays, and the first ray.
        const auto foot = screenCorners(g, s.k);
        c.pen.color = kRed;
        c.brush.color = kRed;
        dc.polygon(foot);
        c.pen.style = raster::PenStyle::Dot;
        c.brush.color = kBlack;
        line(dc, S, foot[0]);
        c.pen.style = raster::PenStyle::Solid;

        // The normal behind the sheet, then the sheet: its two faces blue and navy.
        if (showNormal)
            drawNormal(dc, s, alpha);
        c.pen.color = kBlue;
        c.brush.color = s.P / 2 + 12 > m ? kBlue : kNavy;
        polygon(dc, {{s.Xs + (a + cx) / 2, g.yc - (b - sy) / 2},
                     {s.Xs - (a - cx) / 2, g.yc + (b + sy) / 2},
                     {s.Xs - (a + cx) / 2, g.yc + (b - sy) / 2},
                     {s.Xs + (a - cx) / 2, g.yc - (b + sy) / 2}});
        // The axis it turns about.
        line(dc, {s.Xs + u, 4 * h}, {s.Xs - u, 6 * h});
        if (showNormal && normalInFront(s.TurnStep, s.P))
            drawNormal(dc, s, alpha);

        // The shadow of the sheet on the footprint: a band 2 k |sy| high across its middle.
        c.pen.color = kBlack;
        c.brush.color = kBlack;
        const int k = s.k, x = 3 * u;
        polygon(dc, {{x + k * a, g.yc - k * (b - sy)},
                     {x - k * a, g.yc + k * (b + sy)},
                     {x - k * a, g.yc + k * (b - sy)},
                     {x + k * a, g.yc - k * (b + sy)}});

        // The other three rays.
        c.pen.color = kRed;
        c.pen.style = raster::PenStyle::Dot;
        for (int i = 1; i < 4; ++i)
            line(dc, S, foot[static_cast<std::size_t>(i)]);

        // E = 4 / d² |sin α|: the sheet receives the light of the footprint times |sin α|.
        energy = energyText(alpha, s.d);
        s.TurnStep += 2;

        // FlowBitmap goes to the window: whole the first time, then where this tick or the one
        // before drew, which leaves the same pixels as drawing it whole.
        if (s.shown) {
            orb::RowDamage changed = drawn;
            changed.add(s.lastDrawn);
            changed.copy(window, at, s.FlowBitmap);
        }
        s.lastDrawn = std::move(drawn);
    }
    if (!s.shown) {
        window.draw(at.x, at.y, s.FlowBitmap);
        s.shown = true;
    }
    if (stepByStep)
        s.StepHold = true;
    return energy;
}

void release()
{
    State& s = state();
    s.FlowBitmap = raster::Bitmap();
    s.lastDrawn = orb::RowDamage();
    s.clearRows = {};
}

std::size_t bytes() { return state().FlowBitmap.bytes(); }

}  // namespace flussol
