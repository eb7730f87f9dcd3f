// The Doppler simulation: its tables, the fronts in the frames, the sliding view and the source's
// place on the screen, and the window as driven (speed up-down, redraw button, progress bar).
#include <gtest/gtest.h>

#include <QProgressBar>
#include <QToolButton>
#include <cmath>
#include <vector>

#include "misc/simuldopbis.h"
#include "window_test.h"

namespace {

using namespace simuldopbis;

constexpr int W = 1916;
constexpr int H = 1000;
constexpr int X0 = 1149;   // 3 W / 5
constexpr int Y0 = 250;    // H / 4

struct DopplerSimulation : ::testing::Test {
    std::vector<int> progress;
    void build(int v)
    {
        create(W, H, v);
        progress.clear();
        precompute(W, H, v, [this](int n) { progress.push_back(n); });
    }
    const raster::Canvas& frame(int p) const { return state().frames[static_cast<std::size_t>(p)].canvas(); }
    void TearDown() override { release(); }
};

TEST_F(DopplerSimulation, TheFramesHoldTheFrontsOfTheirAgesAndTheProgressStopsAtItsMaximum)
{
    // W = 1916: X0 = 1149, A[v] = 1149 / (5 - v), B[v] = 1149 / (v + 5); speeds 5 to 7 take the
    // limits of 3, 4 and 3.
    const int a[8] = {0, 287, 383, 574, 1149, 574, 1149, 574}, b[8] = {0, 191, 164, 143, 127, 143, 127, 143};
    const int v = 2;
    build(v);
    for (std::size_t i = 1; i <= 7; ++i)
        EXPECT_TRUE(state().A[i] == a[i] && state().B[i] == b[i]) << "v " << i;
    EXPECT_TRUE(frame(0).width() == 6 * W / 5 && frame(0).height() == H / 2);
    // Right of the source, row Y0 crosses each front once, at its right edge X0 + (5 - v) k - 1:
    // blue for ages k = p (mod 8), cyan for ages k = p + 4 (mod 8), up to the far limit 383.
    for (int p = 0; p < 8; ++p)
        for (int x = X0 - v + 3, k = 1; x < frame(p).width(); ++x) {
            const bool edge = x == X0 + (5 - v) * k - 1 && k <= 383;
            const raster::Color c = !edge ? kBlack : k % 8 == p ? kBlue : (k + 4) % 8 == p ? kCyan : kBlack;
            ASSERT_EQ(frame(p).pixel(x, Y0), c) << "frame " << p << " x " << x;
            k += edge;
        }
    // Age 164 = B[2], the nearest far front, keeps only its right-hand part: nothing at its left
    // edge X0 - 7 k = 1 on row Y0 of frame 164 mod 8. Age 163, the oldest front drawn whole, has
    // its left edge at 8, blue on frame 3 and its cyan twin on frame (163 + 4) mod 8.
    EXPECT_TRUE(hasPixels(frame(4), {{1, Y0, kBlack}, {2, Y0, kBlack}}) && hasPixels(frame(3), {{8, Y0, kBlue}}) &&
                hasPixels(frame(7), {{8, Y0, kCyan}}));

    // v = 4: A = 1149, B = 127; each colour draws 1149 - 127 + 1 far and 127 whole fronts, 2300 in
    // all, two more than the progress bar's maximum 2 A = 2298, where it stops.
    build(4);
    ASSERT_EQ(progress.size(), 1u + 2300u);
    EXPECT_TRUE(progress.front() == 0 && progress.back() == 2298 && progressMaximum(4) == 2298);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    // At the wave speed every right edge is at X0, where the cyan fronts, drawn last, meet; the
    // left edges are at X0 - 10 k (blue ages p + 8, cyan ages p + 4 on frame p); the source is a
    // white disc around (X0 - v, Y0).
    build(5);
    for (int p = 0; p < 8; ++p) {
        EXPECT_TRUE(hasPixels(frame(p), {{X0 - 1, Y0, kCyan}, {X0 - 6, Y0 - 1, kWhite}, {X0 - 5, Y0, kWhite},
                                         {X0 - 10 * (p + 8), Y0, kBlue}, {X0 - 10 * (p + 4), Y0, kCyan}}));
        for (int x = X0; x < frame(p).width(); ++x)
            ASSERT_EQ(frame(p).pixel(x, Y0), kBlack) << "frame " << p << " x " << x;
    }
    // A window too narrow for one slide (7 w < 11 v) keeps the view in place instead of dividing
    // by zero.
    raster::Bitmap narrow;
    narrow.setSize(10, 20);
    create(10, 20, 7);
    precompute(10, 20, 7);
    tick(narrow.canvas(), 10, 20, false);
    EXPECT_TRUE(state().s == 0 && state().f == 1);
}

struct DopplerSimulationWindow : WindowTest {
    QProgressBar* progress() { return qobject_cast<QProgressBar*>(c("progressione").widget); }
    // The up-down's first arrow raises it.
    void raisePlonda(int times)
    {
        for (int i = 0; i < times; ++i)
            c("plonda").widget->findChildren<QToolButton*>().at(0)->click();
    }
};

TEST_F(DopplerSimulationWindow, TheFramesAreDrawnOnEveryActivationAndOnTheRedrawButton)
{
    ASSERT_EQ(run("open Tdopsimul"), 0) << err.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(w().windowTitle() == QStringLiteral("Doppler") && w().animationTimer()->interval() == 100 &&
                !enabled("disegna") && shown("Panel3"));
    EXPECT_EQ(text("Panel3"), QStringLiteral("wave speed = 5"));
    EXPECT_TRUE(text("Panel4") == QStringLiteral("source speed  v = 2") && text("londa") == "2");
    // The progress bar is hidden again, full: 2 A[2] = 766.
    EXPECT_TRUE(!progress()->isVisible() && progress()->maximum() == 766 && progress()->value() == 766);
    // The view of frame f at slide s starts at 13 W / 20 - v s = 1245 - v s and shows on the
    // picture at (W/4, H/4), W/2 x H/2: the blue front of age 40 on frame 0 has its right edge at
    // 479 + X0 + 3 * 40 - 1 - 1245.
    const State& s = state();
    const raster::Color outside = w().surface().pixel(478, 500);
    ASSERT_EQ(run("advance 100"), 0);
    EXPECT_TRUE(s.f == 1 && s.s == 1 && w().surface().pixel(479 + X0 + 3 * 40 - 1 - 1245, 250 + Y0) == kBlue);
    // At slide 60, frame 60 mod 8: the source, at X0 - v in the frame, is on the screen at
    // W/4 + X0 - v - (1245 - v s) = W/5 - v + v s; frame 4's blue front of age 12 has its right
    // edge at 479 + X0 + 3 * 12 - 1 - (1245 - v s) = 538. Outside the picture nothing is drawn.
    ASSERT_EQ(run("tick 60"), 0);
    const int xs = 381 + 2 * 60, ys = H / 4 + Y0;
    EXPECT_TRUE(hasPixels(w().surface(), {{xs - 1, ys - 1, kWhite}, {xs, ys, kWhite}, {xs + 4, ys, kBlack},
                                          {538, ys, kBlue}, {478, 500, outside}}));
    // The view jumps back after 7 W / (11 v) = 13412 / 22 = 609 ticks.
    ASSERT_EQ(run("tick 548"), 0);
    EXPECT_TRUE(s.s == 0 && s.f == 609 % 8);
    out.clear();
    ASSERT_EQ(run("click guida"), 0);
    EXPECT_TRUE(out.size() == 1 && out[0].contains(QStringLiteral("\"context\":152")));
    // Paused, nothing moves. The up-down wraps past 7 round to 1 and enables the redraw button;
    // only that takes the new speed.
    ASSERT_EQ(run("tick 2 click pausa tick 4"), 0);
    raisePlonda(5);
    EXPECT_TRUE(text("londa") == "7" && enabled("disegna"));
    raisePlonda(1);
    EXPECT_TRUE(text("londa") == "1" && s.v == 2 && s.f == 611 % 8 && s.s == 2);
    ASSERT_EQ(run("click disegna"), 0);
    EXPECT_TRUE(s.v == 1 && s.f == 0 && s.s == 0 && !enabled("disegna") && w().animationTimer()->enabled());
    EXPECT_TRUE(text("Panel4") == QStringLiteral("source speed  v = 1") && progress()->maximum() == 574);   // 2 A[1]
    // Every activation draws the frames again at the up-down's speed.
    ASSERT_EQ(run("tick 3 deactivate"), 0);
    raisePlonda(2);
    ASSERT_EQ(run("activate"), 0);
    EXPECT_TRUE(s.f == 0 && s.s == 0 && s.v == 3 && !enabled("disegna"));
    ASSERT_EQ(run("close"), 0);
    EXPECT_EQ(s.frames[0].width(), 0);
}

}  // namespace
