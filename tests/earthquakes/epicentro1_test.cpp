// The epicentre window: distances, delay counters, the end of the propagation and of the trace,
// the pictures against their plain drawing, and the buttons through the page transitions.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "earthquakes/epicentro1.h"
#include "earthquakes/wave_pictures.h"
#include "window_test.h"

namespace {

using raster::rgb;

constexpr raster::Color kBlack = rgb(0, 0, 0);
constexpr raster::Color kWhite = rgb(255, 255, 255);
constexpr raster::Color kCyan = rgb(0, 255, 255);
constexpr raster::Color kGrey = rgb(128, 128, 128);
constexpr raster::Color kYellow = rgb(255, 255, 0);
constexpr std::array<raster::Color, 3> kColours{rgb(255, 0, 0), rgb(0, 255, 0), rgb(255, 0, 255)};

// The stations where the window puts them: a quarter across and a third down, half across and
// four fifths down, five sixths across and half down.
raster::Point stationAt(int w, int h, int k)
{
    const std::array<raster::Point, 3> p{{{w / 4, h / 3}, {w / 2, (h * 4) / 5}, {(w * 5) / 6, h / 2}}};
    return p[static_cast<std::size_t>(k)];
}

raster::Bitmap blank(int w, int h, raster::Color colour)
{
    raster::Bitmap b;
    b.canvas().brush.color = colour;
    b.setSize(w, h);
    return b;
}

void disc(raster::Canvas& c, int cx, int cy, int r, raster::Color pen, raster::Color brush)
{
    c.pen.color = pen;
    c.brush.color = brush;
    c.ellipse(cx - r, cy - r, cx + r, cy + r);
}

void drawStations(raster::Canvas& c, int w, int h)
{
    for (int k = 0; k < 3; ++k) {
        const raster::Point p = stationAt(w, h, k);
        disc(c, p.x, p.y, 4, kBlack, kColours[static_cast<std::size_t>(k)]);
    }
}

// The window on a 530 x 345 client, its earthquakes drawn from seed 7. Its surface holds the page
// shown, pixel for pixel.
struct EpicentreWindow : WindowTest {
    int W = 530, H = 345;
    const epicentro1::State& s = epicentro1::state();
    EpicentreWindow()
    {
        options.size = QSize(W, H);
        options.seed = 7;
    }
    orb::Timer& timer(const char* name) { return *w().timer(QString::fromLatin1(name)); }
    bool on(const char* name) { return timer(name).enabled(); }
    int beeps() const { return static_cast<int>(out.filter(QStringLiteral("{\"event\":\"beep\"}")).size()); }
    bool windowIs(const raster::Canvas& c) { return waves::samePixels(w().surface(), c); }
};

TEST_F(EpicentreWindow, FrontsMatchThePlainDrawingAndStationsCountTheirDelays)
{
    // Earthquakes until one had an even and one an odd farthest distance: P then ends on the last
    // cyan radius or one short. Suono down.
    std::array<bool, 2> parity{};
    for (int quake = 0; quake < 30 && !(parity[0] && parity[1]) && !HasFatalFailure(); ++quake) {
        ASSERT_EQ(run(quake ? "close open Tepice1 click suono" : "open Tepice1 click suono"), 0);
        out.clear();
        if (parity[static_cast<std::size_t>(s.dmax % 2)])
            continue;
        parity[static_cast<std::size_t>(s.dmax % 2)] = true;
        // Each station's distance is its rounded distance to the epicentre.
        for (int k = 0; k < 3; ++k) {
            const raster::Point p = stationAt(W, H, k);
            EXPECT_EQ(s.d[static_cast<std::size_t>(k)], std::lround(std::hypot(p.x - s.ex, p.y - s.ey))) << k;
        }
        EXPECT_EQ(s.dmax, std::max({s.d[0], s.d[1], s.d[2]}));
        // The plain drawing of every tick: P disc, its wipe, S disc, the stations.
        raster::Bitmap ref = blank(W, H, kBlack);
        const int limit = s.dmax + 20;
        for (int n = 0; n < limit - 1; ++n) {
            const int rS = 1 + n, rP = 1 + 2 * n;
            if (rP < limit)
                disc(ref.canvas(), s.ex, s.ey, rP, kCyan, kBlack);
            if (rP >= limit + 1 && rP <= limit + 4)
                disc(ref.canvas(), s.ex, s.ey, rP, kBlack, kBlack);
            disc(ref.canvas(), s.ex, s.ey, rS, kWhite, kBlack);
            drawStations(ref.canvas(), W, H);
            ASSERT_EQ(run("tick"), 0);
            ASSERT_TRUE(waves::samePixels(s.map.canvas(), ref.canvas()) && windowIs(ref.canvas()) && on("tempo") &&
                        !enabled("graf")) << n;
        }
        // P has come and S not yet while 1 + n < d < 1 + 2n: d div 2 - 1 ticks, a beep each. The
        // tick after S has run 20 px past the farthest station ends the propagation and leaves
        // the stations on black.
        int delays = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            const int delay = std::max(0, s.d[i] / 2 - 1);
            EXPECT_TRUE(s.c[i] == delay && s.ui.a[i].visible == (delay > 0)) << "station " << i + 1;
            delays += delay;
        }
        EXPECT_EQ(beeps(), delays);
        ASSERT_EQ(run("tick"), 0);
        EXPECT_TRUE(!on("tempo") && !enabled("pausa") && enabled("graf") && beeps() == delays);
        raster::Bitmap black = blank(W, H, kBlack);
        drawStations(black.canvas(), W, H);
        EXPECT_TRUE(waves::samePixels(s.map.canvas(), black.canvas()) && windowIs(black.canvas()));
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_TRUE(s.ui.t[i].visible &&
                        s.ui.t[i].text == " \xCE\x94T = " + epicentro1::rightAligned(std::max(0, s.d[i] / 2 - 1), 3));
    }
    EXPECT_TRUE(parity[0] && parity[1]);
}

// Each button and timer through the pages, the pictures of each step against their plain drawing.
TEST_F(EpicentreWindow, PauseChartRevealTraceCirclesAndPagesThroughTheButtonsAndTimers)
{
    // cadenza drives tempo, temposec and Timer1; the reveal and closing timers keep 1 ms.
    ASSERT_EQ(run("open Tepice1 set cadenza 150"), 0) << err.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(w().windowTitle() == QStringLiteral("Epicentre") && on("tempo") && enabled("pausa") &&
                !enabled("graf") && !enabled("disegna") && !shown("t1"));
    EXPECT_FALSE(on("temposec") || on("Timer1") || on("Timer2") || on("Timer3"));
    for (const char* t : {"tempo", "temposec", "Timer1"})
        EXPECT_EQ(timer(t).interval(), 50) << t;
    EXPECT_EQ(timer("Timer2").interval(), 1);
    // Paused from the start the window shows the black map, whatever it showed; paused later, the
    // fronts and the counters stay where they are.
    w().surface().brush.color = kGrey;
    w().surface().fillRect({0, 0, W, H});
    ASSERT_EQ(run("click pausa tick"), 0);
    EXPECT_TRUE(windowIs(s.map.canvas()) && s.rS == 1);
    ASSERT_EQ(run("click pausa tick 40"), 0);
    const int rS = s.rS, rP = s.rP;
    const auto counts = s.c;
    raster::Bitmap before = blank(W, H, kBlack);
    before.canvas().draw(0, 0, s.map);
    ASSERT_EQ(run("click pausa tick 15"), 0);
    EXPECT_TRUE(s.rS == rS && s.rP == rP && s.c == counts && waves::samePixels(s.map.canvas(), before.canvas()) &&
                windowIs(s.map.canvas()));
    // With suono up, one beep at the end of the propagation.
    ASSERT_EQ(run("click pausa tick 1000"), 0);
    EXPECT_TRUE(s.rS > rS && !on("tempo") && enabled("graf") && !enabled("pausa") && shown("t3") && beeps() == 1);
    EXPECT_EQ(text("t2"), QStringLiteral(" \u0394T = %1").arg(std::max(0, s.d[1] / 2 - 1), 3));

    // The chart is built on the next Timer1 tick: S rises a pixel every two across, P every four,
    // from the axes' origin.
    ASSERT_EQ(run("click graf"), 0);
    EXPECT_TRUE(on("Timer1") && !enabled("graf"));
    timer("Timer1").fire();
    EXPECT_TRUE(on("Timer2") && !on("Timer1"));
    const int x0 = W / 10, g = (H * 4) / 5;
    const raster::Canvas& chart = s.chart.canvas();
    for (int i = 20; i < W / 5; i += 7)
        EXPECT_TRUE(chart.pixel(x0 + 2 * i, g - i) == kWhite && chart.pixel(x0 + 4 * i, g - i) == kCyan) << i;
    // The reveal from the centre in W div 8 + 1 ticks and the closing in from the edges: the plain
    // copy of the parts shown so far and the grey frame round them.
    raster::Bitmap ref = blank(W, H, kBlack);
    const auto frame = [&](int l, int t, int r, int b) {
        const std::array<raster::Point, 5> f{{{l, t}, {r, t}, {r, b}, {l, b}, {l, t}}};
        ref.canvas().pen.color = kGrey;
        ref.canvas().polyline(f);
    };
    ref.canvas().draw(0, 0, s.map);
    const int cx = W / 2, cy = H / 2;
    int k = 0;
    for (; on("Timer2"); ++k) {
        const raster::Rect r{cx - 4 * k, cy - 3 * k, cx + 4 * k, cy + 3 * k};
        ref.canvas().copyRect(r, chart, r);
        frame(cx - 4 * k - 3, cy - 3 * k - 2, cx + 4 * k + 3, cy + 3 * k + 2);
        timer("Timer2").fire();
        ASSERT_TRUE(windowIs(ref.canvas())) << "reveal tick " << k;
    }
    EXPECT_TRUE(k == W / 8 + 1 && enabled("traccia") && shown("r1") && !enabled("disegna") && !enabled("pagi"));

    // The trace from x = 4 to dmax + 1, a beep at x = d and d + 1 of each station; a deactivation
    // stops it and the activation takes it up again.
    raster::Bitmap map = blank(W, H, kBlack);
    map.canvas().draw(0, 0, s.map);
    ASSERT_EQ(run("click traccia deactivate"), 0);
    EXPECT_FALSE(on("temposec") || on("tempo"));
    ASSERT_EQ(run("activate"), 0);
    EXPECT_TRUE(on("temposec") && !on("tempo") && shown("a4") && !enabled("traccia"));
    for (int d : s.d)
        ASSERT_TRUE(d != 60 && d != 61);   // no station's own line near column 60
    int x = 4;
    for (; on("temposec"); ++x) {
        timer("temposec").fire();
        ASSERT_TRUE(windowIs(chart)) << "trace at " << x;
        // The cursor at x = 60 and its mark on the time axis, the cursor wiped a tick later.
        EXPECT_TRUE(x != 60 || hasPixels(chart, {{x0 + 60, g - 15 - 2, kYellow}, {x0 + 2, g - 30, kYellow}}));
        EXPECT_TRUE(x != 61 || chart.pixel(x0 + 60, g - 15 - 2) == kBlack);
    }
    EXPECT_TRUE(x == s.dmax + 2 && beeps() == 1 + 6 && enabled("pagi") && enabled("disegna") && !shown("a4"));
    EXPECT_EQ(s.ui.a4.text, "\xCE\x94T = " + epicentro1::rightAligned((s.dmax + 1) / 2, 3));
    // Each station's distance, and its delay between the two lines in its colour.
    for (std::size_t i = 0; i < 3; ++i) {
        const int d = s.d[i];
        EXPECT_EQ(s.ui.r[i].text, " d = " + epicentro1::rightAligned(4 * d, 4));
        EXPECT_TRUE(hasPixels(chart, {{x0 + d, g - d / 2 + 1, kColours[i]}, {x0 + d, g - d / 4 - 1, kColours[i]}}));
    }
    EXPECT_EQ(text("r2"), QStringLiteral(" d = %1").arg(4 * s.d[1], 4));
    // The circles on the map, as plainly drawn.
    raster::Canvas& m = map.canvas();
    disc(m, s.ex, s.ey, s.rS, kBlack, kBlack);
    for (int k = 0; k < 3; ++k) {
        const raster::Point p = stationAt(W, H, k);
        const int d = s.d[static_cast<std::size_t>(k)];
        m.pen.color = kColours[static_cast<std::size_t>(k)];
        if (k == 0)
            m.ellipse(p.x - d, p.y - d, p.x + d, p.y + d);
        else
            m.arc(p.x - d, p.y - d, p.x + d, p.y + d, p.x + d, p.y, p.x + d, p.y);
        m.moveTo(s.ex, s.ey);
        m.lineTo(p.x, p.y);
    }
    drawStations(m, W, H);
    disc(m, s.ex, s.ey, 4, kWhite, kWhite);
    EXPECT_TRUE(waves::samePixels(s.map.canvas(), m));

    // To the map page, closing in from the edges: four strips and the grey outline inside them;
    // the page button's hint follows the page.
    ASSERT_EQ(run("click pagi"), 0);
    EXPECT_TRUE(on("Timer3") && !s.chartPage && !enabled("pagi") && !enabled("disegna"));
    EXPECT_EQ(c("pagi").hint, QStringLiteral("graphics page"));
    ref.canvas().draw(0, 0, s.chart);
    for (k = 0; on("Timer3"); ++k) {
        for (const raster::Rect& r : {raster::Rect{0, 0, 4 * k, H}, raster::Rect{0, 0, W, 3 * k},
                                      raster::Rect{W - 4 * k, 0, W, H}, raster::Rect{0, H - 3 * k, W, H}})
            ref.canvas().copyRect(r, s.map.canvas(), r);
        frame(4 * k, 3 * k, W - 4 * k - 1, H - 3 * k - 1);
        timer("Timer3").fire();
        ASSERT_TRUE(!on("Timer3") || windowIs(ref.canvas())) << "closing tick " << k;
    }
    EXPECT_TRUE(3 * k >= H / 2 && 3 * (k - 1) < H / 2);
    EXPECT_TRUE(windowIs(s.map.canvas()) && enabled("pagi") && enabled("disegna") && shown("a1"));
    ASSERT_EQ(run("click pagi"), 0);
    EXPECT_EQ(c("pagi").hint, QStringLiteral("simulation page"));
    ASSERT_EQ(run("advance 1000"), 0);
    EXPECT_TRUE(enabled("disegna") && !shown("a1"));

    // A new earthquake, with suono down: a beep at every station's delay tick.
    const int ex = s.ex, ey = s.ey;
    ASSERT_EQ(run("click disegna click suono"), 0);
    EXPECT_TRUE(on("tempo") && enabled("pausa") && !enabled("disegna") && !shown("t1") && (ex != s.ex || ey != s.ey));
    const int delays = std::max(0, s.d[0] / 2 - 1) + std::max(0, s.d[1] / 2 - 1) + std::max(0, s.d[2] / 2 - 1);
    ASSERT_EQ(run("tick 1000"), 0);
    EXPECT_TRUE(beeps() == 7 + delays && text("a3") == QStringLiteral("%1").arg(std::max(0, s.d[2] / 2 - 1), 3));
    // Reopened: another earthquake under way, suono up.
    const int ex2 = s.ex, ey2 = s.ey;
    ASSERT_EQ(run("close open Tepice1"), 0);
    EXPECT_TRUE((ex2 != s.ex || ey2 != s.ey) && on("tempo") && !w().isDown(QStringLiteral("suono")) && !shown("t1"));
}

TEST_F(EpicentreWindow, AStationNearerThanTheTracesStartShowsItsDistanceAtOnce)
{
    // An epicentre 2 px from station 1: S and P never lie on both sides of it.
    ASSERT_EQ(run("open Tepice1"), 0);
    epicentro1::state().d[0] = 2;
    epicentro1::state().dmax = std::max(s.d[1], s.d[2]);
    ASSERT_EQ(run("tick 1000"), 0);
    EXPECT_TRUE(s.c[0] == 0 && s.ui.t[0].text == " \xCE\x94T =   0");
    ASSERT_EQ(run("click graf advance 2000 click traccia"), 0);
    EXPECT_TRUE(s.ui.r[0].text == " d =    8" && s.ui.r[1].text.empty());
}

// The reveal ends when the rectangle reaches the sides; on a client taller than three quarters
// of its width the rest of the chart shows too.
struct EpicentreWindowTall : EpicentreWindow {
    EpicentreWindowTall() { options.size = QSize(W = 400, H = 600); }
};

TEST_F(EpicentreWindowTall, TheRevealCoversAClientTallerThanItsWidthAllows)
{
    ASSERT_EQ(run("open Tepice1 tick 1000 click graf advance 2000"), 0);
    EXPECT_TRUE(!on("Timer2") && windowIs(s.chart.canvas()));
}

}  // namespace
