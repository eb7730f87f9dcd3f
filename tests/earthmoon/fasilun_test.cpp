// The lunar-phase window: where the bodies stand, what a run draws, the snapshots, the lines of
// mutual visibility, and the window's controls through a run.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "earthmoon/fasilun.h"
#include "window_test.h"

namespace {

using raster::Point;
using namespace fasilun;

constexpr double kPi = std::numbers::pi;
constexpr int W = 1916, H = 1000;
int rnd(double v) { return static_cast<int>(std::nearbyint(v)); }

// Where the bodies stand at run position A (bodiesAt itself is checked against the geometry in
// TheMoonStandsAboveLeftBelowAndRightOfTheEarth).
Bodies expectedAt(float A, int w = W, int h = H) { return bodiesAt(A, w, h, static_cast<float>(w) / 40.0f); }

bool rowHas(const raster::Canvas& c, int y, int x0, int x1, raster::Color colour)
{
    for (int x = x0; x <= x1; ++x)
        if (c.pixel(x, y) == colour)
            return true;
    return false;
}

// The model on a client of w x h, the window's surface black with a white pen.
struct LunarModel : ::testing::Test {
    raster::Bitmap window;
    void open(int w, int h)
    {
        create(w, h);
        window.canvas().brush.color = kBlack;
        window.setSize(w, h);
        window.canvas().pen.color = kWhite;
    }
    void SetUp() override { open(W, H); }
    void TearDown() override { release(); }
    TickResult ticks(int n, bool paused = false)
    {
        TickResult r;
        for (int i = 0; i < n; ++i)
            r = tick(window.canvas(), window.width(), window.height(), paused);
        return r;
    }
    const raster::Canvas& scene() { return state().scene.canvas(); }
};

TEST_F(LunarModel, TheMoonStandsAboveLeftBelowAndRightOfTheEarth)
{
    // A = 18 and 98: phi = 252 and 288 degrees, with cos 72 = (sqrt 5 - 1) / 4 and
    // sin 72 = sqrt(10 + 2 sqrt 5) / 4; beta + pi/2 = 14.5 pi and 18.5 pi: straight up.
    const int dx = rnd(2 * H * (std::sqrt(5.0) - 1) / 4);
    const int ey = -1500 + rnd(2 * H * std::sqrt(10 + 2 * std::sqrt(5.0)) / 4);
    const int up = rnd(W / 14.0);
    for (const auto& [A, ex] : {std::pair{18.0f, W / 2 - dx}, std::pair{98.0f, W / 2 + dx}}) {
        const Bodies b = bodiesAt(A, W, H, state().s);
        EXPECT_TRUE(b.earth.x == ex && b.earth.y == ey && b.moon.x == ex && b.moon.y == ey - up) << A;
        // Rim points level with the centres, 48 (W / 40 = 47.9) and 23 (W / 85 = 22.5) px out,
        // and the Moon's spoke towards the Earth.
        EXPECT_TRUE(b.P[4].x == ex - 48 && b.P[5].x == ex + 48 && b.P[4].y == ey) << A;
        EXPECT_TRUE(b.Q[4].x == ex - 23 && b.Q[5].y == ey - up && b.Q[0].y == ey - up + 23) << A;
    }
    const Bodies full = bodiesAt(58, W, H, state().s), first = bodiesAt(38, W, H, state().s),
                 last = bodiesAt(78, W, H, state().s);
    // Lowest at 58, the Moon below; left and right of the Earth at 38 and 78.
    EXPECT_TRUE(full.earth.x == W / 2 && full.earth.y == H / 2 && full.moon.x == W / 2 && full.moon.y == H / 2 + up);
    EXPECT_TRUE(first.moon.x == first.earth.x - up && first.moon.y == first.earth.y);
    EXPECT_EQ(last.moon.x, last.earth.x + up);
}

TEST_F(LunarModel, ARunDrawsTheBodiesLitFromAboveAndPhotographsThePhases)
{
    start(W, H);
    std::vector<int> phaseTicks;
    int endTick = 0;
    for (int n = 1; n <= 490 && !endTick; ++n) {
        const TickResult r = ticks(1);
        if (r.phase >= 0)
            phaseTicks.push_back(n);
        endTick = r.ended ? n : 0;
        if (n != 73)
            continue;
        // A = 18: the spin is a whole number of turns, so the spokes point right, up, left and
        // down, and only the one over the dark half is white.
        const Bodies e = expectedAt(18);
        const Point E = e.earth, M = e.moon;
        const raster::Canvas& sc = scene();
        const Bodies before = expectedAt(10);   // the old places are wiped
        const std::pair<Point, raster::Color> expected[] = {
            {{E.x + 20, E.y - 20}, kCyan}, {{E.x + 20, E.y + 20}, kBlack}, {{M.x + 8, M.y - 8}, kSilver},
            {{M.x + 8, M.y + 8}, kBlack}, {{E.x, E.y + 20}, kWhite}, {{E.x, E.y - 20}, kNavy},
            {{E.x - 20, E.y}, kNavy}, {{M.x, M.y + 10}, kYellow} /* towards the Earth */,
            {{M.x, M.y - 10}, kDarkRed}, {{M.x - 10, M.y}, kBlack},
            {{before.moon.x + 8, before.moon.y - 8}, kBlack}, {{before.earth.x + 20, before.earth.y - 20}, kBlack}};
        for (const auto& [p, colour] : expected)
            EXPECT_EQ(sc.pixel(p.x, p.y), colour) << p.x - E.x << "," << p.y - E.y;
        EXPECT_EQ(window.canvas().pixel(M.x + 8, M.y - 8 + H / 4), kSilver);
    }
    // A = 0.25 (n - 1): the phases at 18, 38, 58, 78, 98; 481 ticks of motion, then the end.
    EXPECT_EQ(phaseTicks, (std::vector<int>{73, 153, 233, 313, 393}));
    EXPECT_EQ(endTick, 482);
    for (int i = 0; i < kPhases; ++i) {
        const Bodies e = expectedAt(18 + 20 * i);
        EXPECT_TRUE(state().snapCentre[i].x == e.earth.x && state().snapCentre[i].y == e.earth.y) << i;
        const raster::Canvas& snap = state().snapshots[i].canvas();
        const int c = W / 10;
        EXPECT_EQ(snap.pixel(c + 20, c - 20), kCyan) << i;
        EXPECT_EQ(snap.pixel(c + e.moon.x - e.earth.x + 8, c + e.moon.y - e.earth.y - 8), kSilver) << i;
    }
}

TEST_F(LunarModel, TrailsOnlyWhenAskedAndEachRunStartsOnABlackScene)
{
    const Bodies full = expectedAt(58);
    start(W, H);
    ticks(482);
    EXPECT_EQ(scene().pixel(full.earth.x, full.earth.y), kBlack);
    toggleTrail();
    start(W, H);
    ticks(482);
    EXPECT_TRUE(scene().pixel(full.earth.x, full.earth.y) == kWhite && scene().pixel(full.moon.x, full.moon.y) == kRed);
    start(W, H);
    const std::vector<std::uint32_t> black(scene().bits(), scene().bits() + scene().stride() * scene().height());
    EXPECT_TRUE(std::all_of(black.begin(), black.end(), [](std::uint32_t p) { return (p & 0xFFFFFF) == kBlack; }));
    EXPECT_EQ(state().snapshots[2].canvas().pixel(W / 10 + 20, W / 10 - 20), kBlack);
}

TEST_F(LunarModel, TheSnapshotsAreLaidBackOnceAndForAll)
{
    start(W, H);
    ticks(482);
    const Bodies newMoon = expectedAt(18), full = expectedAt(58);
    EXPECT_EQ(scene().pixel(full.earth.x + 20, full.earth.y - 20), kBlack);
    layBack(W);
    EXPECT_EQ(scene().pixel(full.earth.x + 20, full.earth.y - 20), kCyan);
    EXPECT_TRUE(scene().pixel(full.moon.x + 8, full.moon.y - 8) == kSilver &&
                scene().pixel(newMoon.moon.x + 8, newMoon.moon.y - 8) == kSilver);
    EXPECT_EQ(scene().copyMode, raster::CopyMode::Copy);
    const std::vector<std::uint32_t> once(scene().bits(), scene().bits() + scene().stride() * scene().height());
    layBack(W);
    EXPECT_TRUE(std::equal(once.begin(), once.end(), scene().bits()));
}

TEST_F(LunarModel, PausedDuringARunTheRimsAreJoined)
{
    const int top = H / 4;
    const raster::Canvas& win = window.canvas();
    start(W, H);
    ticks(73);
    const Bodies e = expectedAt(18);
    const int y = (e.P[4].y + e.Q[4].y) / 2 + top, x5 = (e.P[4].x + e.Q[4].x) / 2, x6 = (e.P[5].x + e.Q[5].x) / 2;
    EXPECT_FALSE(rowHas(win, y, x5 - 8, x6 + 8, kWhite));
    ticks(3, true);
    EXPECT_FLOAT_EQ(state().A, 18.25f);   // nothing moves
    EXPECT_EQ(win.pixel(e.P[4].x, e.P[4].y + top), kWhite);
    EXPECT_TRUE(rowHas(win, y, x5 - 2, x5 + 2, kWhite) && rowHas(win, y, x6 - 2, x6 + 2, kWhite));
    EXPECT_FALSE(rowHas(win, y, x5 + 4, x6 - 4, kWhite));
    ticks(1);   // unpaused, the next tick wipes them
    EXPECT_FALSE(rowHas(win, y, x5 - 8, x6 + 8, kWhite));
    ticks(482);
    const Bodies end = expectedAt(120), first = expectedAt(0);
    ticks(2, true);   // no run: no lines
    EXPECT_NE(win.pixel(end.P[4].x, end.P[4].y + top), kWhite);
    // Paused right after a start, the lines join this run's rims, not the last run's.
    start(W, H);
    ticks(1, true);
    EXPECT_TRUE(win.pixel(first.P[4].x, first.P[4].y + top) == kWhite && win.pixel(first.P[5].x, first.P[5].y + top) == kWhite);
    EXPECT_NE(win.pixel(end.P[4].x, end.P[4].y + top), kWhite);
}

TEST_F(LunarModel, PicturesReachingOutsideTheSceneAreClipped)
{
    // 1276 x 960 (a 5:4 screen): the Earth starts outside the scene and the first snapshot
    // reaches past its left edge.
    const int w = 1276, h = 960;
    open(w, h);
    start(w, h);
    EXPECT_LT(expectedAt(0, w, h).earth.x + w / 40, 0);
    ticks(482);
    const Bodies e = expectedAt(18, w, h);
    ASSERT_LT(e.earth.x - w / 10, 0);
    const raster::Canvas& snap = state().snapshots[0].canvas();
    EXPECT_EQ(snap.pixel(10, w / 10), kBlack);
    EXPECT_EQ(snap.pixel(w / 10 + 12, w / 10 - 12), kCyan);
    layBack(w);
    EXPECT_EQ(scene().pixel(e.earth.x + 12, e.earth.y - 12), kCyan);
}

struct LunarWindow : WindowTest {
    void run(const char* s)
    {
        ASSERT_EQ(WindowTest::run(QString::fromLatin1(s)), 0) << err.join(QLatin1Char('\n')).toStdString();
    }
    bool timerOn() { return w().animationTimer()->enabled(); }
};

TEST_F(LunarWindow, ButtonsThroughARun)
{
    run("open Tfaslun");
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Lunar phases"));
    EXPECT_EQ(w().animationTimer()->interval(), 90);
    run("tick");
    EXPECT_TRUE(!timerOn() && !enabled("fasit"));   // idle: the first tick shows the black scene and stops
    EXPECT_EQ(w().surface().pixel(100, H / 2), kBlack);
    run("click partenza");
    EXPECT_TRUE(timerOn() && !enabled("partenza") && !enabled("traiet") && enabled("fine"));
    run("tick 72");
    EXPECT_FALSE(shown("Edit1"));
    run("tick");
    EXPECT_TRUE(shown("Edit1") && !shown("Edit2"));
    EXPECT_EQ(w().controlText(c("Edit1")), QStringLiteral("new moon"));
    run("tick 409");   // 481 ticks of motion, then the end
    EXPECT_TRUE(!timerOn() && enabled("fasit") && enabled("traiet") && enabled("partenza"));
    for (const char* e : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"})
        EXPECT_TRUE(shown(e)) << e;
    run("click fasit");
    EXPECT_TRUE(timerOn() && !enabled("fasit"));
    run("tick");   // the end branch again
    EXPECT_TRUE(!timerOn() && enabled("fasit"));
    run("click fine");
    EXPECT_FALSE(shown("Edit3") || enabled("fine"));
    run("set cadenza 195");
    EXPECT_EQ(w().animationTimer()->interval(), 5);
}

TEST_F(LunarWindow, AStoppedRunContinuesOnTheNextActivation)
{
    run("open Tfaslun click partenza tick 10 click fine");
    EXPECT_TRUE(!timerOn() && enabled("partenza") && enabled("traiet"));
    run("deactivate activate tick");
    EXPECT_FLOAT_EQ(state().A, 2.75f);
    run("click paus tick 2");
    EXPECT_FLOAT_EQ(state().A, 2.75f);
    const Bodies e = expectedAt(2.5);
    EXPECT_EQ(w().surface().pixel(e.P[4].x, e.P[4].y + H / 4), kWhite);
}

TEST_F(LunarWindow, HintLineTrailAndReopening)
{
    run("open Tfaslun click traiet");
    EXPECT_TRUE(state().trail);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(c("partenza").widget, &enter);
    EXPECT_EQ(w().controlText(c("sotto")), QStringLiteral("start"));
    globals::ColourDepth = 8;
    QCoreApplication::sendEvent(c("fasit").widget, &enter);
    EXPECT_EQ(w().controlText(c("sotto")), QString());
    run("close");
    globals::LanguageIndex = 0;
    run("open Tfaslun");
    EXPECT_FALSE(state().trail || w().isDown(QStringLiteral("traiet")));
    EXPECT_FLOAT_EQ(state().A, 130.0f);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Fasi lunari"));
    EXPECT_EQ(w().controlText(c("Edit3")), QStringLiteral("plenilunio"));
}

}  // namespace
