// The epicentre window: distances, delay counters, the end of the propagation and of the trace,
// the pictures against their plain drawing, and the buttons through the page transitions.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "earthquakes/epicentro1.h"
#include "earthquakes/wave_pictures.h"
#include "shell/random.h"
#include "window_test.h"

namespace {

using epicentro1::TimerId;
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

struct Recorder : epicentro1::Host {
    std::array<bool, 5> on{};
    int beeps = 0;
    void setTimer(TimerId t, bool enabled) override { on[static_cast<std::size_t>(t)] = enabled; }
    void beep() override { ++beeps; }
    bool operator[](TimerId t) const { return on[static_cast<std::size_t>(t)]; }
};

bool samePixels(const raster::Bitmap& a, const raster::Bitmap& b) { return waves::samePixels(a.canvas(), b.canvas()); }

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

struct EpicentreModel : ::testing::Test {
    int W = 530;
    int H = 345;
    Recorder host;
    raster::Bitmap window;
    epicentro1::State& s = epicentro1::state();

    void start(std::uint32_t seed)
    {
        orb::seedRandom(seed);
        epicentro1::create(W, H);
        window = blank(W, H, rgb(40, 40, 40));
        epicentro1::disegnaClick(host);
    }
    void tick(bool paused = false, bool sound = false)
    {
        epicentro1::tempoTimer(window.canvas(), paused, sound, host);
    }
    void propagate()
    {
        for (int n = 0; host[TimerId::tempo] && n < 100000; ++n)
            tick();
    }
    void TearDown() override { epicentro1::release(); }
};

TEST_F(EpicentreModel, FrontsMatchThePlainDrawingAndStationsCountTheirDelays)
{
    // An even and an odd farthest distance: P then ends on the last cyan radius or one short.
    std::array<bool, 2> parity{};
    for (std::uint32_t seed = 7; seed < 40 && !(parity[0] && parity[1]) && !HasFatalFailure(); ++seed) {
        host = Recorder{};
        start(seed);
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
            tick(false, true);
            ASSERT_TRUE(samePixels(s.map, ref) && samePixels(window, ref) && host[TimerId::tempo] && !s.ui.graf) << n;
        }
        // P has come and S not yet while 1 + n < d < 1 + 2n: d div 2 - 1 ticks, a beep each with
        // suono down. The tick after S has run 20 px past the farthest station ends the
        // propagation and leaves the stations on black.
        int beeps = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            const int delay = std::max(0, s.d[i] / 2 - 1);
            EXPECT_TRUE(s.c[i] == delay && s.ui.a[i].visible == (delay > 0)) << "station " << i + 1;
            beeps += delay;
        }
        EXPECT_EQ(host.beeps, beeps);
        tick(false, true);
        EXPECT_TRUE(!host[TimerId::tempo] && !s.ui.pausa && s.ui.graf && host.beeps == beeps);
        raster::Bitmap black = blank(W, H, kBlack);
        drawStations(black.canvas(), W, H);
        EXPECT_TRUE(samePixels(s.map, black) && samePixels(window, black));
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_TRUE(s.ui.t[i].visible &&
                        s.ui.t[i].text == " \xCE\x94T = " + epicentro1::rightAligned(std::max(0, s.d[i] / 2 - 1), 3));
    }
    EXPECT_TRUE(parity[0] && parity[1]);
}

TEST_F(EpicentreModel, PauseChartRevealTraceCirclesAndPages)
{
    start(7);
    // Paused from the start the window, grey until now, shows the black map; paused later, the
    // fronts and the counters stay where they are.
    tick(true);
    EXPECT_TRUE(samePixels(window, s.map) && s.rS == 1);
    for (int n = 0; n < 40; ++n)
        tick();
    const int rS = s.rS, rP = s.rP;
    const auto c = s.c;
    raster::Bitmap before = blank(W, H, kBlack);
    before.canvas().draw(0, 0, s.map);
    for (int n = 0; n < 15; ++n)
        tick(true);
    EXPECT_TRUE(s.rS == rS && s.rP == rP && s.c == c && samePixels(s.map, before) && samePixels(window, s.map));
    tick();
    EXPECT_EQ(s.rS, rS + 1);
    propagate();
    epicentro1::grafClick(window.canvas(), host);
    EXPECT_TRUE(host[TimerId::Timer1] && !s.ui.graf);
    epicentro1::timer1Timer(host);
    EXPECT_TRUE(host[TimerId::Timer2] && !host[TimerId::Timer1]);

    // The chart: S rises a pixel every two across, P every four, from the axes' origin.
    const int x0 = W / 10, g = (H * 4) / 5;
    const raster::Canvas& chart = s.chart.canvas();
    for (int i = 20; i < W / 5; i += 7)
        EXPECT_TRUE(chart.pixel(x0 + 2 * i, g - i) == kWhite && chart.pixel(x0 + 4 * i, g - i) == kCyan) << i;

    // The reveal from the centre and the closing in from the edges: the plain copy of the parts
    // shown so far and the grey frame round them.
    raster::Bitmap ref = blank(W, H, kBlack);
    const auto frame = [&](int l, int t, int r, int b) {
        const std::array<raster::Point, 5> f{{{l, t}, {r, t}, {r, b}, {l, b}, {l, t}}};
        ref.canvas().pen.color = kGrey;
        ref.canvas().polyline(f);
    };
    ref.canvas().draw(0, 0, window);
    const int cx = W / 2, cy = H / 2;
    int k = 0;
    for (; host[TimerId::Timer2]; ++k) {
        const raster::Rect r{cx - 4 * k, cy - 3 * k, cx + 4 * k, cy + 3 * k};
        ref.canvas().copyRect(r, chart, r);
        frame(cx - 4 * k - 3, cy - 3 * k - 2, cx + 4 * k + 3, cy + 3 * k + 2);
        epicentro1::timer2Timer(window.canvas(), host);
        ASSERT_TRUE(samePixels(window, ref)) << "reveal tick " << k;
    }
    EXPECT_EQ(k, W / 8 + 1);
    EXPECT_TRUE(s.ui.traccia && !s.ui.disegna && !s.ui.pagi);

    // The trace: from x = 4 to dmax + 1, a beep at x = d and d + 1 of each station.
    host.beeps = 0;
    raster::Bitmap map = blank(W, H, kBlack);
    map.canvas().draw(0, 0, s.map);
    epicentro1::tracciaClick(host);
    EXPECT_TRUE(s.ui.a4.visible && !s.ui.traccia);
    for (int d : s.d)
        ASSERT_TRUE(d != 60 && d != 61);   // no station's own line near column 60
    int x = 4;
    for (; host[TimerId::temposec]; ++x) {
        epicentro1::temposecTimer(window.canvas(), false, host);
        ASSERT_TRUE(samePixels(window, s.chart)) << "trace at " << x;
        // The cursor at x = 60 and its mark on the time axis, the cursor wiped a tick later.
        EXPECT_TRUE(x != 60 || hasPixels(chart, {{x0 + 60, g - 15 - 2, kYellow}, {x0 + 2, g - 30, kYellow}}));
        EXPECT_TRUE(x != 61 || chart.pixel(x0 + 60, g - 15 - 2) == kBlack);
    }
    EXPECT_TRUE(x == s.dmax + 2 && host.beeps == 6);
    EXPECT_EQ(s.ui.a4.text, "\xCE\x94T = " + epicentro1::rightAligned((s.dmax + 1) / 2, 3));
    EXPECT_TRUE(s.ui.pagi && s.ui.disegna && !s.ui.a4.visible);
    // Each station's distance, and its delay between the two lines in its colour.
    for (std::size_t i = 0; i < 3; ++i) {
        const int d = s.d[i];
        EXPECT_EQ(s.ui.r[i].text, " d = " + epicentro1::rightAligned(4 * d, 4));
        EXPECT_TRUE(hasPixels(chart, {{x0 + d, g - d / 2 + 1, kColours[i]}, {x0 + d, g - d / 4 - 1, kColours[i]}}));
    }

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
    EXPECT_TRUE(samePixels(s.map, map));

    // To the map page, closing in from the edges: four strips and the grey outline inside them.
    epicentro1::pagiClick(window.canvas(), host);
    EXPECT_TRUE(host[TimerId::Timer3] && !s.chartPage && !s.ui.pagi && !s.ui.disegna);
    ref.canvas().draw(0, 0, window);
    for (k = 0; host[TimerId::Timer3]; ++k) {
        for (const raster::Rect& r : {raster::Rect{0, 0, 4 * k, H}, raster::Rect{0, 0, W, 3 * k},
                                      raster::Rect{W - 4 * k, 0, W, H}, raster::Rect{0, H - 3 * k, W, H}})
            ref.canvas().copyRect(r, s.map.canvas(), r);
        frame(4 * k, 3 * k, W - 4 * k - 1, H - 3 * k - 1);
        epicentro1::timer3Timer(window.canvas(), host);
        ASSERT_TRUE(!host[TimerId::Timer3] || samePixels(window, ref)) << "closing tick " << k;
    }
    EXPECT_TRUE(3 * k >= H / 2 && 3 * (k - 1) < H / 2);
    EXPECT_TRUE(samePixels(window, s.map) && s.ui.pagi && s.ui.disegna);
}

TEST_F(EpicentreModel, AStationNearerThanTheTracesStartShowsItsDistanceAtOnce)
{
    start(7);
    // An epicentre 2 px from station 1: S and P never lie on both sides of it.
    s.d[0] = 2;
    s.dmax = std::max(s.d[1], s.d[2]);
    propagate();
    EXPECT_TRUE(s.c[0] == 0 && s.ui.t[0].text == " \xCE\x94T =   0");
    epicentro1::tracciaClick(host);
    EXPECT_TRUE(s.ui.r[0].text == " d =    8" && s.ui.r[1].text.empty());
}

TEST_F(EpicentreModel, TheRevealCoversAClientTallerThanItsWidthAllows)
{
    W = 400;
    H = 600;
    start(1);
    propagate();
    epicentro1::grafClick(window.canvas(), host);
    epicentro1::timer1Timer(host);
    while (host[TimerId::Timer2])
        epicentro1::timer2Timer(window.canvas(), host);
    EXPECT_TRUE(samePixels(window, s.chart));
}

struct EpicentreWindow : WindowTest {
    EpicentreWindow()
    {
        options.size = QSize(530, 345);
        options.seed = 7;
    }
    bool on(const char* timer) { return w().timer(QString::fromLatin1(timer))->enabled(); }
    int beeps() const { return static_cast<int>(out.filter(QStringLiteral("{\"event\":\"beep\"}")).size()); }
};

// Each button and timer reaches the model and the controls show what it left; the model tests
// check the states themselves.
TEST_F(EpicentreWindow, ButtonsAndTimersThroughTwoEarthquakesAndAReopening)
{
    // cadenza drives tempo, temposec and Timer1; the reveal and closing timers keep 1 ms.
    ASSERT_EQ(run("open Tepice1 set cadenza 150"), 0) << err.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Epicentre"));
    EXPECT_TRUE(on("tempo") && enabled("pausa") && !enabled("graf") && !enabled("disegna") && !shown("t1"));
    EXPECT_FALSE(on("temposec") || on("Timer1") || on("Timer2") || on("Timer3"));
    for (const char* t : {"tempo", "temposec", "Timer1"})
        EXPECT_EQ(w().timer(QString::fromLatin1(t))->interval(), 50) << t;
    EXPECT_EQ(w().timer(QStringLiteral("Timer2"))->interval(), 1);
    // The end of the propagation, with suono up: one beep.
    const epicentro1::State& s = epicentro1::state();
    ASSERT_EQ(run(QStringLiteral("tick %1").arg(s.dmax + 20)), 0);
    EXPECT_TRUE(!on("tempo") && enabled("graf") && !enabled("pausa") && shown("t3") && beeps() == 1);
    EXPECT_EQ(text("t2"), QStringLiteral(" \u0394T = %1").arg(std::max(0, s.d[1] / 2 - 1), 3));
    // The chart is built on the next Timer1 tick and revealed in W div 8 + 1 ticks of 10 ms.
    ASSERT_EQ(run("click graf advance 50"), 0);
    EXPECT_TRUE(on("Timer2") && !on("Timer1"));
    ASSERT_EQ(run(QStringLiteral("advance %1").arg(10 * (530 / 8 + 1))), 0);
    EXPECT_TRUE(!on("Timer2") && enabled("traccia") && shown("r1"));
    // Tracing; a deactivation stops both animation timers and the activation restores the one
    // that ran.
    ASSERT_EQ(run("click traccia deactivate"), 0);
    EXPECT_FALSE(on("temposec") || on("tempo"));
    ASSERT_EQ(run("activate"), 0);
    EXPECT_TRUE(on("temposec") && !on("tempo") && shown("a4"));
    ASSERT_EQ(run(QStringLiteral("advance %1").arg(50 * (s.dmax - 2))), 0);
    EXPECT_TRUE(!on("temposec") && enabled("pagi") && !shown("a4") && beeps() == 7);
    EXPECT_EQ(text("r2"), QStringLiteral(" d = %1").arg(4 * s.d[1], 4));
    // To the map and back, the page button's hint following the page.
    ASSERT_EQ(run("click pagi"), 0);
    EXPECT_EQ(c("pagi").hint, QStringLiteral("graphics page"));
    ASSERT_EQ(run("advance 1000"), 0);
    EXPECT_TRUE(enabled("pagi") && shown("a1") && w().surface().pixel(s.ex, s.ey) == kWhite);
    ASSERT_EQ(run("click pagi"), 0);
    EXPECT_EQ(c("pagi").hint, QStringLiteral("simulation page"));
    ASSERT_EQ(run("advance 1000"), 0);
    EXPECT_TRUE(enabled("disegna") && !shown("a1"));
    // A new earthquake, with suono down: a beep at every station's delay tick.
    const int ex = s.ex, ey = s.ey;
    ASSERT_EQ(run("click disegna click suono"), 0);
    EXPECT_TRUE(on("tempo") && enabled("pausa") && !enabled("disegna") && !shown("t1") && (ex != s.ex || ey != s.ey));
    const int delays = std::max(0, s.d[0] / 2 - 1) + std::max(0, s.d[1] / 2 - 1) + std::max(0, s.d[2] / 2 - 1);
    ASSERT_EQ(run(QStringLiteral("tick %1").arg(s.dmax + 20)), 0);
    EXPECT_TRUE(beeps() == 7 + delays && text("a3") == QStringLiteral("%1").arg(std::max(0, s.d[2] / 2 - 1), 3));
    // Reopened: another earthquake under way, suono up.
    const int ex2 = s.ex, ey2 = s.ey;
    ASSERT_EQ(run("close open Tepice1"), 0);
    EXPECT_TRUE((ex2 != s.ex || ey2 != s.ey) && on("tempo") && !w().isDown(QStringLiteral("suono")) && !shown("t1"));
}

}  // namespace
