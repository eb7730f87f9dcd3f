// The lunar-phase window: where the bodies stand, what a run draws, the snapshots, the lines of
// mutual visibility, and the window's controls through a run.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <cmath>

#include "earthmoon/fasilun.h"
#include "window_test.h"

namespace {

using namespace fasilun;
using raster::Point;
constexpr int W = 1916, H = 1000;
int rnd(double v) { return static_cast<int>(std::nearbyint(v)); }

// Where the bodies stand at run position A (bodiesAt itself is checked against the geometry in
// TheMoonStandsAboveLeftBelowAndRightOfTheEarth).
Bodies at(float A, int w = W, int h = H) { return bodiesAt(A, w, h, static_cast<float>(w) / 40.0f); }

TEST(LunarModel, TheMoonStandsAboveLeftBelowAndRightOfTheEarth)
{
    // A = 18 and 98: phi = 252 and 288 degrees, with cos 72 = (sqrt 5 - 1) / 4 and
    // sin 72 = sqrt(10 + 2 sqrt 5) / 4; beta + pi/2 = 14.5 pi and 18.5 pi: straight up.
    const int dx = rnd(2 * H * (std::sqrt(5.0) - 1) / 4);
    const int ey = -1500 + rnd(2 * H * std::sqrt(10 + 2 * std::sqrt(5.0)) / 4);
    const int up = rnd(W / 14.0);
    for (const auto& [A, ex] : {std::pair{18.0f, W / 2 - dx}, std::pair{98.0f, W / 2 + dx}}) {
        const Bodies b = at(A);
        EXPECT_TRUE(b.earth.x == ex && b.earth.y == ey && b.moon.x == ex && b.moon.y == ey - up) << A;
        // Rim points level with the centres, 48 (W / 40 = 47.9) and 23 (W / 85 = 22.5) px out,
        // and the Moon's spoke towards the Earth.
        EXPECT_TRUE(b.P[4].x == ex - 48 && b.P[5].x == ex + 48 && b.P[4].y == ey) << A;
        EXPECT_TRUE(b.Q[4].x == ex - 23 && b.Q[5].y == ey - up && b.Q[0].y == ey - up + 23) << A;
    }
    // Lowest at 58, the Moon below; left and right of the Earth at 38 and 78.
    const Bodies full = at(58), first = at(38), last = at(78);
    EXPECT_TRUE(full.earth.x == W / 2 && full.earth.y == H / 2 && full.moon.x == W / 2 && full.moon.y == H / 2 + up);
    EXPECT_TRUE(first.moon.x == first.earth.x - up && first.moon.y == first.earth.y);
    EXPECT_EQ(last.moon.x, last.earth.x + up);
}

struct LunarWindow : WindowTest {
    void act(const char* s) { ASSERT_EQ(run(s), 0) << err.join(QLatin1Char('\n')).toStdString(); }
    bool timerOn() { return w().animationTimer()->enabled(); }
    const raster::Canvas& scene() { return state().scene.canvas(); }
    // Whether the window shows a white pixel in row y between x0 and x1.
    bool whiteIn(int y, int x0, int x1)
    {
        for (int x = x0; x <= x1; ++x)
            if (w().surface().pixel(x, y) == kWhite)
                return true;
        return false;
    }
    QString hintOver(const char* control)
    {
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(c(control).widget, &enter);
        return text("sotto");
    }
};

TEST_F(LunarWindow, ARunItsPhasesSnapshotsTrailsAndLinesOfSightThroughTheButtons)
{
    act("open Tfaslun tick");   // idle: the first tick shows the black scene and stops
    EXPECT_TRUE(w().windowTitle() == QStringLiteral("Lunar phases") && w().animationTimer()->interval() == 90);
    EXPECT_TRUE(!timerOn() && !enabled("fasit") && w().surface().pixel(100, H / 2) == kBlack);
    act("click partenza");
    EXPECT_TRUE(timerOn() && !enabled("partenza") && !enabled("traiet") && enabled("fine"));
    // A = 0.25 (n - 1) at tick n: the phases at 18, 38, 58, 78, 98 show their names; 481 ticks of
    // motion, then the end.
    const int top = H / 4;
    const Bodies e = at(18), end = at(120), first = at(0);
    const int y = (e.P[4].y + e.Q[4].y) / 2 + top, x5 = (e.P[4].x + e.Q[4].x) / 2, x6 = (e.P[5].x + e.Q[5].x) / 2;
    std::vector<int> phaseTicks;
    int n = 0;
    while (timerOn() && n < 490) {
        act("tick");
        ++n;
        EXPECT_TRUE(n != 74 || !whiteIn(y, x5 - 8, x6 + 8));   // unpaused after the pause below: lines wiped
        if (phaseTicks.size() < kPhases && shown(("Edit" + std::to_string(phaseTicks.size() + 1)).c_str()))
            phaseTicks.push_back(n);
        if (n != 73)
            continue;
        // A = 18: the spin is a whole number of turns, so the spokes point right, up, left and
        // down, and only the one over the dark half is white; the Moon's spoke towards the Earth
        // is yellow. The places of A = 10 are wiped.
        const Point E = e.earth, M = e.moon, o = at(10).earth, q = at(10).moon;
        EXPECT_TRUE(hasPixels(scene(), {{E.x + 20, E.y - 20, kCyan}, {E.x + 20, E.y + 20, kBlack},
                                        {E.x, E.y + 20, kWhite}, {E.x, E.y - 20, kNavy}, {E.x - 20, E.y, kNavy},
                                        {M.x + 8, M.y - 8, kSilver}, {M.x + 8, M.y + 8, kBlack},
                                        {M.x - 10, M.y, kBlack}, {M.x, M.y + 10, kYellow}, {M.x, M.y - 10, kDarkRed},
                                        {q.x + 8, q.y - 8, kBlack}, {o.x + 20, o.y - 20, kBlack}}));
        EXPECT_TRUE(w().surface().pixel(M.x + 8, M.y - 8 + top) == kSilver && !whiteIn(y, x5 - 8, x6 + 8));
        EXPECT_TRUE(text("Edit1") == QStringLiteral("new moon") && !shown("Edit2"));
        // Paused, nothing moves and the rims that face each other are joined. Stopped, the names
        // go; the run goes on at the next activation.
        act("click paus tick 3");
        EXPECT_TRUE(state().A == 18.25f && w().surface().pixel(e.P[4].x, e.P[4].y + top) == kWhite);
        EXPECT_TRUE(whiteIn(y, x5 - 2, x5 + 2) && whiteIn(y, x6 - 2, x6 + 2) && !whiteIn(y, x5 + 4, x6 - 4));
        act("click paus click fine");
        EXPECT_TRUE(!timerOn() && !shown("Edit1") && !enabled("fine") && enabled("partenza") && enabled("traiet"));
        act("deactivate activate");
    }
    EXPECT_EQ(phaseTicks, (std::vector<int>{73, 153, 233, 313, 393}));
    EXPECT_TRUE(n == 482 && enabled("fasit") && enabled("traiet") && enabled("partenza"));
    // The snapshots at the phases, centred on the Earth.
    const int c = W / 10;
    for (int i = 0; i < kPhases; ++i) {
        const Bodies b = at(18 + 20 * i);
        const Point m{c + b.moon.x - b.earth.x, c + b.moon.y - b.earth.y};
        EXPECT_TRUE(state().snapCentre[i].x == b.earth.x && state().snapCentre[i].y == b.earth.y) << i;
        EXPECT_TRUE(hasPixels(state().snapshots[i].canvas(), {{c + 20, c - 20, kCyan}, {m.x + 8, m.y - 8, kSilver}}));
    }
    // No trail. The snapshots are laid back where they were taken, once and for all; the next
    // tick shows them (with no lines, the run being over) and stops again.
    const Point F = at(58).earth, FM = at(58).moon;
    EXPECT_TRUE(hasPixels(scene(), {{F.x, F.y, kBlack}, {F.x + 20, F.y - 20, kBlack}}));
    act("click fasit");
    EXPECT_TRUE(timerOn() && !enabled("fasit"));
    EXPECT_TRUE(hasPixels(scene(), {{F.x + 20, F.y - 20, kCyan}, {FM.x + 8, FM.y - 8, kSilver},
                                    {e.moon.x + 8, e.moon.y - 8, kSilver}}));
    act("click paus tick 2");
    EXPECT_NE(w().surface().pixel(end.P[4].x, end.P[4].y + top), kWhite);
    act("click paus tick");
    EXPECT_TRUE(!timerOn() && enabled("fasit"));
    const std::vector<std::uint32_t> once(scene().bits(), scene().bits() + scene().stride() * scene().height());
    act("click fasit tick");
    EXPECT_TRUE(std::equal(once.begin(), once.end(), scene().bits()) && scene().copyMode == raster::CopyMode::Copy);
    // With the trail the Earth's path is white and the Moon's red; the snapshots laid back on it
    // keep the path drawn after them (at A = 22, 4 steps after the first).
    act("click traiet click partenza tick 482 click fasit");
    EXPECT_TRUE(hasPixels(scene(), {{F.x, F.y, kWhite}, {FM.x, FM.y, kRed}, {at(22).earth.x, at(22).earth.y, kWhite}}));
    // A start clears the scene and the snapshots; paused at once, the lines join this run's rims,
    // not the last run's.
    act("tick click partenza");
    EXPECT_TRUE(boxBeside(scene(), kBlack).right == 0 && state().snapshots[2].canvas().pixel(c + 20, c - 20) == kBlack);
    act("click paus tick");
    EXPECT_TRUE(hasPixels(w().surface(), {{first.P[4].x, first.P[4].y + top, kWhite},
                                          {first.P[5].x, first.P[5].y + top, kWhite}}));
    EXPECT_NE(w().surface().pixel(end.P[4].x, end.P[4].y + top), kWhite);
    // The bottom panel shows the hint of the control under the pointer, but not at 8 bits a pixel.
    EXPECT_EQ(hintOver("partenza"), QStringLiteral("start"));
    globals::ColourDepth = 8;
    EXPECT_EQ(hintOver("fasit"), QString());
    // Reopened: no trail, no run.
    act("close open Tfaslun");
    EXPECT_TRUE(!state().trail && !w().isDown(QStringLiteral("traiet")) && state().A == 130.0f);
}

// On a 5:4 screen (1276 x 960) the Earth starts outside the scene and the first snapshot reaches
// past its left edge: both are clipped.
struct LunarWindowOn54 : LunarWindow {
    LunarWindowOn54() { options.size = QSize(1276, 960); }
};

TEST_F(LunarWindowOn54, PicturesReachingOutsideTheSceneAreClipped)
{
    const int w = 1276, h = 960;
    EXPECT_LT(at(0, w, h).earth.x + w / 40, 0);
    act("open Tfaslun click partenza tick 482 click fasit");
    const Bodies e = at(18, w, h);
    ASSERT_LT(e.earth.x - w / 10, 0);
    EXPECT_TRUE(hasPixels(state().snapshots[0].canvas(), {{10, w / 10, kBlack}, {w / 10 + 12, w / 10 - 12, kCyan}}));
    EXPECT_EQ(scene().pixel(e.earth.x + 12, e.earth.y - 12), kCyan);
}

}  // namespace
