// The epicentre model: P and S fronts from a random epicentre, the stations' delays, the
// travel-time chart and its trace, the three distance circles and the page transitions.
#include "earthquakes/epicentro1.h"

#include <array>
#include <cmath>

#include "shell/random.h"

namespace epicentro1 {

namespace {

using raster::Canvas;
using raster::Color;
using raster::rgb;

constexpr Color kBlack = rgb(0, 0, 0);
constexpr Color kWhite = rgb(255, 255, 255);
constexpr Color kCyan = rgb(0, 255, 255);
constexpr Color kGrey = rgb(128, 128, 128);
constexpr Color kYellow = rgb(255, 255, 0);
constexpr std::array<Color, kStations> kColours{rgb(255, 0, 0), rgb(0, 255, 0), rgb(255, 0, 255)};

// The fronts run on until this far past the farthest station.
constexpr int kRunOut = 20;
// Where the trace along the chart starts.
constexpr int kTraceStart = 4;

void line(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

// A circle as the ellipse of its square box: outline with the pen, inside with the brush.
void circle(Canvas& c, int cx, int cy, int r) { c.ellipse(cx - r, cy - r, cx + r, cy + r); }

void fillBlack(Canvas& c, const State& s)
{
    c.brush.color = kBlack;
    c.fillRect(s.client);
}

// Each station as a disc in its colour with a black rim.
void stationDiscs(Canvas& c, const State& s)
{
    c.pen.color = kBlack;
    for (int k = 0; k < kStations; ++k) {
        const raster::Point p = station(s.w, s.h, k);
        c.brush.color = kColours[static_cast<std::size_t>(k)];
        c.ellipse(p.x - 4, p.y - 4, p.x + 4, p.y + 4);
    }
}

// White text on black.
void label(Canvas& c, int x, int y, const std::string& text)
{
    c.font.color = kWhite;
    c.brush.color = kBlack;
    c.textOut(x, y, text);
}

// The chart's origin: time up from (x0, g), distance right.
int chartX0(int w) { return w / 10; }
int chartG(int h) { return (h * 4) / 5; }

// The outline alone of the circle's ellipse: an arc whose start and end rays coincide.
void ring(Canvas& c, int cx, int cy, int r) { c.arc(cx - r, cy - r, cx + r, cy + r, cx + r, cy, cx + r, cy); }

// Draws on a page's bitmap and, when the window holds that page, the same on the window, with
// the page canvas's pen, brush, font and pen position; the window's own are kept.
template <typename Draw>
void paintPage(State& s, raster::Bitmap& page, Page which, Canvas& window, Draw draw)
{
    Canvas& c = page.canvas();
    const auto pen = c.pen;
    const auto brush = c.brush;
    const auto font = c.font;
    const raster::Point pos = c.penPos();
    draw(c);
    if (s.shown != which)
        return;
    const auto windowPen = window.pen;
    const auto windowBrush = window.brush;
    const auto windowFont = window.font;
    const raster::Point windowPos = window.penPos();
    window.pen = pen;
    window.brush = brush;
    window.font = font;
    window.moveTo(pos.x, pos.y);
    draw(window);
    window.pen = windowPen;
    window.brush = windowBrush;
    window.font = windowFont;
    window.moveTo(windowPos.x, windowPos.y);
}

// Draws the page on the window unless the window holds it already.
void showPage(State& s, const raster::Bitmap& page, Page which, Canvas& window)
{
    if (s.shown == which)
        return;
    window.draw(0, 0, page);
    s.shown = which;
}

// A page's bitmap was changed without the window: the window no longer holds it.
void pageChanged(State& s, Page which)
{
    if (s.shown == which)
        s.shown = Page::none;
}

bool isDistance(const State& s, int v)
{
    for (int dk : s.d)
        if (v == dk)
            return true;
    return false;
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

raster::Point station(int w, int h, int k)
{
    switch (k) {
    case 0: return {w / 4, h / 3};
    case 1: return {w / 2, (h * 4) / 5};
    default: return {(w * 5) / 6, h / 2};
    }
}

raster::Color stationColour(int k) { return kColours[static_cast<std::size_t>(k)]; }

raster::Point counterPosition(int w, int h, int k)
{
    const raster::Point p = station(w, h, k);
    return {p.x + 5, p.y + 5};
}

raster::Point traceCounterPosition(int w, int h) { return {(w * 9) / 20, h / 5}; }

std::string rightAligned(int v, int width)
{
    std::string s = std::to_string(v);
    if (static_cast<int>(s.size()) < width)
        s.insert(0, static_cast<std::size_t>(width) - s.size(), ' ');
    return s;
}

void create(int w, int h)
{
    State& s = state();
    s.w = w;
    s.h = h;
    s.client = {0, 0, w, h};
    for (raster::Bitmap* b : {&s.map, &s.chart}) {
        *b = raster::Bitmap();
        b->canvas().brush.color = kBlack;
        b->setSize(w, h);
    }
    s.k = 0;
    s.ui = Controls{};
    s.shown = Page::none;
    s.ringP = 0;
    s.ringS = 0;
    s.FirstActivation = true;
    s.tempoRunning = true;
    s.temposecRunning = false;
}

void disegnaClick(Host& host)
{
    State& s = state();
    Controls& ui = s.ui;
    s.firstChart = true;
    for (int k = 0; k < kStations; ++k) {
        const auto i = static_cast<std::size_t>(k);
        ui.t[i] = Field{};
        ui.r[i] = Field{};
        ui.a[i].text.clear();
    }
    ui.disegna = false;
    ui.pagi = false;
    ui.graf = false;
    s.chartPage = true;
    ui.pausa = true;

    // The epicentre anywhere in the middle three quarters of the client.
    s.ex = s.w / 8 + orb::randomInt((s.w * 3) / 4);
    s.ey = s.h / 8 + orb::randomInt((s.h * 3) / 4);

    s.dmax = 1;
    for (int k = 0; k < kStations; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const raster::Point p = station(s.w, s.h, k);
        const long long dx = p.x - s.ex;
        const long long dy = p.y - s.ey;
        // d_k = Round(sqrt(dx^2 + dy^2)), the station's distance in pixels.
        s.d[i] = static_cast<int>(std::nearbyint(std::sqrt(static_cast<double>(dx * dx + dy * dy))));
        s.dmax = std::max(s.dmax, s.d[i]);
        s.c[i] = 0;
    }
    s.rS = 1;
    s.rP = 1;
    s.x = kTraceStart;

    fillBlack(s.map.canvas(), s);
    pageChanged(s, Page::map);
    s.ringP = 0;
    s.ringS = 0;
    s.tempoRunning = true;
    host.setTimer(TimerId::tempo, true);
}

void tempoTimer(Canvas& window, bool paused, bool sound, Host& host)
{
    State& s = state();
    if (paused) {
        showPage(s, s.map, Page::map, window);
        return;
    }
    Controls& ui = s.ui;
    const int limit = s.dmax + kRunOut;
    if (s.rS >= limit) {
        // End of propagation: the delays go to sotto and the graph button wakes.
        if (!sound)
            host.beep();
        for (int k = 0; k < kStations; ++k) {
            const auto i = static_cast<std::size_t>(k);
            // D_k = 4 d_k: a pixel stands for 4 km.
            s.D[i] = rightAligned(4 * s.d[i], 4);
            ui.t[i].text = " \u0394T = " + rightAligned(s.c[i], 3);
            ui.t[i].visible = true;
        }
        ui.pausa = false;
        paintPage(s, s.map, Page::map, window, [&](Canvas& c) {
            fillBlack(c, s);
            stationDiscs(c, s);
        });
        s.ringP = 0;
        s.ringS = 0;
        ui.graf = true;
        host.setTimer(TimerId::tempo, false);
    } else {
        for (int k = 0; k < kStations; ++k) {
            const auto i = static_cast<std::size_t>(k);
            // P has reached the station and S not yet: one more tick of delay. With rS = 1 + n
            // and rP = 1 + 2n at tick n this counts c_k = max(0, d_k div 2 - 1) ticks.
            if (s.rS < s.d[i] && s.d[i] < s.rP) {
                if (sound)
                    host.beep();
                ui.a[i].visible = true;
                ++s.c[i];
                ui.a[i].text = rightAligned(s.c[i], 3);
            }
        }
        // The P front: a cyan circle while it has not run out, then two black ones that wipe
        // it; the S front: a white circle. Each is a disc filled black, so the P disc wipes
        // everything inside it before the S circle is drawn, and the picture is always black
        // with the current rings and the stations on it. Once the rings lie two pixels apart
        // the discs' insides are black already, and only the rings change: the old ones are
        // drawn black and the new ones drawn.
        const bool cyan = s.rP < limit;
        const bool wipe = s.rP >= limit + 1 && s.rP <= limit + 4;
        const bool whole = s.rP - s.rS < 2;
        const int oldP = (cyan || wipe) ? s.ringP : 0;
        const int oldS = s.ringS;
        paintPage(s, s.map, Page::map, window, [&](Canvas& c) {
            if (whole) {
                c.brush.color = kBlack;
                if (cyan) {
                    c.pen.color = kCyan;
                    circle(c, s.ex, s.ey, s.rP);
                }
                if (wipe) {
                    c.pen.color = kBlack;
                    circle(c, s.ex, s.ey, s.rP);
                }
                c.pen.color = kWhite;
                circle(c, s.ex, s.ey, s.rS);
            } else {
                c.pen.color = kBlack;
                if (oldP > 0)
                    ring(c, s.ex, s.ey, oldP);
                if (oldS > 0)
                    ring(c, s.ex, s.ey, oldS);
                if (cyan) {
                    c.pen.color = kCyan;
                    ring(c, s.ex, s.ey, s.rP);
                }
                c.pen.color = kWhite;
                ring(c, s.ex, s.ey, s.rS);
                c.brush.color = kBlack;
            }
            stationDiscs(c, s);
        });
        if (cyan)
            s.ringP = s.rP;
        else if (wipe)
            s.ringP = 0;
        s.ringS = s.rS;
        // S runs at 4 km/s, P at 8 km/s.
        s.rS += 1;
        s.rP += 2;
    }
    showPage(s, s.map, Page::map, window);
}

void grafClick(Canvas& window, Host& host)
{
    State& s = state();
    s.k = 0;
    window.pen.color = kGrey;
    host.setTimer(TimerId::Timer1, true);
    s.ui.graf = false;
}

void timer1Timer(Host& host)
{
    State& s = state();
    Canvas& c = s.chart.canvas();
    const int w = s.w;
    const int h = s.h;
    const int x0 = chartX0(w);
    const int g = chartG(h);
    const int top = h / 5;
    const int right = (w * 9) / 10;

    c.brush.color = kBlack;
    c.rectangle(0, 0, w, h);
    c.pen.color = kWhite;
    c.pen.style = raster::PenStyle::Solid;

    // The time axis with its arrow and its letter.
    line(c, x0, g, x0, top);
    c.brush.color = kWhite;
    const std::array<raster::Point, 3> up{{{x0, top}, {x0 - 3, top + 6}, {x0 + 3, top + 6}}};
    c.polygon(up);
    label(c, x0 - 12, top - 8, "t");

    // The distance axis.
    line(c, x0, g, right, g);
    c.brush.color = kWhite;
    const std::array<raster::Point, 3> across{{{right, g}, {right - 6, g - 3}, {right - 6, g + 3}}};
    c.polygon(across);
    label(c, right + 5, g + 8, "d");

    // Distance ticks every 5 px (20 km), longer every 5th, labelled every 10th.
    for (int i = 1; i <= (w * 4) / 25 - 2; ++i) {
        const int x = x0 + 5 * i;
        line(c, x, g, x, i % 5 == 0 ? g + 6 : g + 3);
        if (i % 10 == 0) {
            const std::string text = rightAligned(20 * i, 3);
            label(c, x - c.textWidth(text) / 2, g + 8, text);
        }
    }
    // Time ticks every 5 px (10 s), longer every 5th, labelled every 10th.
    for (int i = 1; i <= (h * 3) / 25 - 2; ++i) {
        const int y = g - 5 * i;
        line(c, x0, y, i % 5 == 0 ? x0 - 6 : x0 - 3, y);
        if (i % 10 == 0) {
            const std::string text = std::to_string(10 * i);
            label(c, x0 - 30, y - c.textHeight(text) / 2, text);
        }
    }

    // A pixel of distance is 4 km and one of time 2 s: S at 4 km/s rises one pixel every two,
    // P at 8 km/s one every four.
    c.moveTo(x0, g);
    for (int i = 1; i <= (w * 2) / 5; ++i)
        c.lineTo(x0 + 2 * i, g - i);
    c.pen.color = kCyan;
    c.moveTo(x0, g);
    for (int i = 1; i <= w / 5; ++i)
        c.lineTo(x0 + 4 * i, g - i);

    c.pen.width = 1;
    c.pen.style = raster::PenStyle::Solid;
    c.brush.color = kBlack;
    pageChanged(s, Page::chart);
    for (Field& a : s.ui.a)
        a.visible = false;
    host.setTimer(TimerId::Timer1, false);
    host.setTimer(TimerId::Timer2, true);
}

void timer2Timer(Canvas& window, Host& host)
{
    State& s = state();
    const int cx = s.w / 2;
    const int cy = s.h / 2;
    // The revealed rectangle grows 4 px wide and 3 px high a side each tick. The window holds
    // the chart inside last tick's rectangle already, so only the band around it is copied.
    auto revealed = [&](int k) {
        return raster::Rect{cx - 4 * k, cy - 3 * k, cx + 4 * k, cy + 3 * k};
    };
    const raster::Rect r = revealed(s.k);
    const raster::Rect in = revealed(std::max(s.k - 1, 0));
    const Canvas& chart = s.chart.canvas();
    for (const raster::Rect& band : {raster::Rect{r.left, r.top, r.right, in.top},
                                     raster::Rect{r.left, in.bottom, r.right, r.bottom},
                                     raster::Rect{r.left, in.top, in.left, in.bottom},
                                     raster::Rect{in.right, in.top, r.right, in.bottom}})
        window.copyRect(band, chart, band);
    s.shown = Page::none;
    s.k += 1;
    const int k = s.k;
    // A grey frame just outside the copied picture; the next tick's copy covers it.
    const std::array<raster::Point, 5> frame{{{cx - 4 * k + 1, cy - 3 * k + 1},
                                              {cx + 4 * k - 1, cy - 3 * k + 1},
                                              {cx + 4 * k - 1, cy + 3 * k - 1},
                                              {cx - 4 * k + 1, cy + 3 * k - 1},
                                              {cx - 4 * k + 1, cy - 3 * k + 1}}};
    window.polyline(frame);
    if (s.k > s.w / 8) {
        host.setTimer(TimerId::Timer2, false);
        // A client taller than three quarters of its width is not yet covered from top to
        // bottom when the rectangle has reached the sides: show the rest of the chart too.
        if (r.top > 0 || r.bottom < s.h)
            showPage(s, s.chart, Page::chart, window);
        if (s.firstChart) {
            for (Field& f : s.ui.r)
                f.visible = true;
            s.ui.traccia = true;
        } else {
            s.ui.disegna = true;
            s.ui.pagi = true;
        }
        s.firstChart = false;
    }
}

void tracciaClick(Host& host)
{
    State& s = state();
    s.ui.a4.visible = true;
    // A station nearer than the trace's start is never reached by it: its distance shows now.
    for (int k = 0; k < kStations; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (s.d[i] < kTraceStart)
            s.ui.r[i].text = " d = " + s.D[i];
    }
    s.temposecRunning = true;
    host.setTimer(TimerId::temposec, true);
    s.ui.traccia = false;
}

void temposecTimer(Canvas& window, bool paused, Host& host)
{
    State& s = state();
    if (!paused) {
        const int x0 = chartX0(s.w);
        const int g = chartG(s.h);
        const int x = s.x;
        std::array<bool, kStations> reached{};
        for (int k = 0; k < kStations; ++k) {
            const auto i = static_cast<std::size_t>(k);
            reached[i] = x == s.d[i] || x == s.d[i] + 1;
        }
        paintPage(s, s.chart, Page::chart, window, [&](Canvas& c) {
            // The cursor spans the gap between the S line (time x div 2) and the P line
            // (time x div 4); its mark on the time axis is at the S time, and the marks left
            // above the P time make a bar as long as the delay.
            if (!isDistance(s, x - 1)) {
                c.pen.color = kBlack;   // wipes the previous cursor
                line(c, x0 + x - 1, g + 1 - (x - 1) / 2, x0 + x - 1, g - 1 - (x - 1) / 4);
                line(c, x0 + 1, g - x / 4, x0 + 4, g - x / 4);
            }
            if (!isDistance(s, x) && x != s.dmax + 1) {
                c.pen.color = kYellow;
                line(c, x0 + x, g + 1 - x / 2, x0 + x, g - 1 - x / 4);
                line(c, x0 + 1, g - x / 2, x0 + 4, g - x / 2);
            }
            // A station reached: its delay between the lines, and dashed guides to both axes.
            for (int k = 0; k < kStations; ++k) {
                const auto i = static_cast<std::size_t>(k);
                if (!reached[i])
                    continue;
                const int dk = s.d[i];
                c.pen.color = kColours[i];
                line(c, x0 + dk, g - dk / 2, x0 + dk, g - dk / 4);
                c.pen.style = raster::PenStyle::Dash;
                line(c, x0, g - dk / 2, x0 + dk, g - dk / 2);
                line(c, x0, g - dk / 4, x0 + dk, g - dk / 4);
                line(c, x0 + dk, g, x0 + dk, g - dk / 4);
            }
            c.pen.style = raster::PenStyle::Solid;
        });
        for (int k = 0; k < kStations; ++k) {
            const auto i = static_cast<std::size_t>(k);
            if (!reached[i])
                continue;
            host.beep();
            s.ui.r[i].text = " d = " + s.D[i];
        }
        // A pixel of time is 2 s.
        s.ui.a4.text = "\u0394T = " + rightAligned(x / 2, 3);
        s.x = x + 1;
        if (s.x > s.dmax + 1) {
            // End of the trace: each station's circle on the map meets the others at the
            // epicentre.
            Canvas& m = s.map.canvas();
            m.pen.color = kBlack;
            m.brush.color = kBlack;
            circle(m, s.ex, s.ey, s.rS);   // wipes the last S front
            const raster::Point p1 = station(s.w, s.h, 0);
            m.pen.color = kColours[0];
            circle(m, p1.x, p1.y, s.d[0]);
            line(m, s.ex, s.ey, p1.x, p1.y);
            for (int k = 1; k < kStations; ++k) {
                const auto i = static_cast<std::size_t>(k);
                const raster::Point p = station(s.w, s.h, k);
                m.pen.color = kColours[i];
                ring(m, p.x, p.y, s.d[i]);
                line(m, s.ex, s.ey, p.x, p.y);
            }
            stationDiscs(m, s);
            m.pen.color = kWhite;
            m.brush.color = kWhite;
            m.ellipse(s.ex - 4, s.ey - 4, s.ex + 4, s.ey + 4);
            pageChanged(s, Page::map);
            s.ui.pagi = true;
            s.ui.a4.visible = false;
            s.ui.disegna = true;
            host.setTimer(TimerId::temposec, false);
        }
    }
    showPage(s, s.chart, Page::chart, window);
}

void pagiClick(Canvas& window, Host& host)
{
    State& s = state();
    s.k = 0;
    s.chartPage = !s.chartPage;
    window.pen.color = kGrey;
    if (s.chartPage) {
        for (Field& a : s.ui.a)
            a.visible = false;
        s.ui.pagiHintRow = 13;
        host.setTimer(TimerId::Timer2, true);
    } else {
        s.ui.pagiHintRow = 11;
        host.setTimer(TimerId::Timer3, true);
    }
    s.ui.disegna = false;
    s.ui.pagi = false;
}

void timer3Timer(Canvas& window, Host& host)
{
    State& s = state();
    const int w = s.w;
    const int h = s.h;
    const int k = s.k;
    const Canvas& m = s.map.canvas();
    // Strips 4k wide at the sides and 3k high at top and bottom close in on the centre. The
    // window holds the map in last tick's strips already, so only their new inner edges, where
    // last tick's outline lies, are copied.
    const int j = std::max(k - 1, 0);
    for (const raster::Rect& band : {raster::Rect{4 * j, 0, 4 * k, h}, raster::Rect{0, 3 * j, w, 3 * k},
                                     raster::Rect{w - 4 * k, 0, w - 4 * j, h},
                                     raster::Rect{0, h - 3 * k, w, h - 3 * j}})
        window.copyRect(band, m, band);
    s.shown = Page::none;
    // The grey outline of the part still uncovered.
    const std::array<raster::Point, 5> frame{{{4 * k, 3 * k},
                                              {w - 4 * k - 1, 3 * k},
                                              {w - 4 * k - 1, h - 3 * k - 1},
                                              {4 * k, h - 3 * k - 1},
                                              {4 * k, 3 * k}}};
    window.polyline(frame);
    s.k = k + 1;
    if (3 * s.k >= h / 2) {
        showPage(s, s.map, Page::map, window);
        host.setTimer(TimerId::Timer3, false);
        s.ui.disegna = true;
        s.ui.pagi = true;
        for (Field& a : s.ui.a)
            a.visible = true;
    }
}

void release()
{
    State& s = state();
    s.map = raster::Bitmap();
    s.chart = raster::Bitmap();
}

}  // namespace epicentro1
