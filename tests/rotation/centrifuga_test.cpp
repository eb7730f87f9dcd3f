// The centrifugal-force window: the turning rod, the release along the tangent, the trajectory,
// one and two bodies, and the window's buttons and timer through a run.
#include <gtest/gtest.h>

#include <QToolButton>
#include <cmath>

#include "rotation/centrifuga.h"
#include "window_test.h"

namespace {

using namespace centrifuga;

// On a 1916 x 1000 client: centre (958, 500), body 1 on radius 125 (H/8), body 2 on 250 (H/4),
// discs of half-size 25 (H div 40) and 12 (H div 80), flight speed 62.5 px a tick (H/16). The
// window's surface is the picture the model draws.
struct CentrifugeWindow : WindowTest {
    const State& s = state();
    void SetUp() override
    {
        state() = State{};
        WindowTest::SetUp();
        ASSERT_EQ(run("open Tcenfuga"), 0);
    }
    bool running() { return w().animationTimer()->enabled(); }
    bool down(const char* name) { return w().isDown(QString::fromLatin1(name)); }
    const raster::Canvas& picture() { return w().surface(); }
    // Ends the run under way (a release flies out in less than 40 ticks), starts one with the
    // direction and bodies chosen and turns the rod through `ticks` ticks.
    void turn(int ticks, bool anticlockwise = true, int bodies = 1)
    {
        ASSERT_EQ(run(QStringLiteral("click sgancia tick 40 click %1 set ncorpi %2 click disegna tick %3")
                          .arg(anticlockwise ? "antiorario" : "orario").arg(bodies).arg(ticks)), 0);
    }
};

TEST_F(CentrifugeWindow, TheRodTurnsTheBodiesThatFlyOffAlongTheTangentWhenReleasedAndTheButtonsRunIt)
{
    // Anticlockwise on screen, body 2 opposite on the doubled radius; 12 ticks a turn.
    const struct { int tick, x1, y1, x2, y2; } places[] = {{2, 1066, 437, 742, 625}, {4, 958, 375, 958, 750},
                                                           {7, 833, 500, 1208, 500}, {26, 1066, 437, 742, 625}};
    turn(0, true, 2);
    for (int t = 1, i = 0; t <= 26; ++t) {
        ASSERT_TRUE(run("tick") == 0 && s.k <= 12);
        const auto& p = places[i];
        EXPECT_TRUE(t != p.tick || (s.x1 == p.x1 && s.y1 == p.y1 && s.x2 == p.x2 && s.y2 == p.y2)) << "tick " << t;
        i += t == p.tick;
    }
    // Two ticks in, the rod runs from body 2 through the centre. With one body the erasing line
    // only runs from the centre: the clearing must take the rest, and body 2's disc, and leave
    // body 1 at 60 degrees with the rod from the centre alone.
    turn(2, true, 2);
    EXPECT_TRUE(picture().pixel(850, 562) == kWhite || picture().pixel(850, 563) == kWhite);
    ASSERT_EQ(run("set ncorpi 1 tick"), 0);
    const raster::Rect one = boxBeside(picture(), kBlack);
    EXPECT_TRUE(one.left == 958 && one.top == 392 - 25 && one.right == 1020 + 25 && one.bottom == 500 + 1);
    // The trajectory keeps every disc and the current rod; the erasing line takes the old rods.
    ASSERT_EQ(run("click traiet"), 0);
    turn(4);
    EXPECT_TRUE(hasPixels(picture(), {{1083, 500, kWhite}, {1066, 437, kWhite}, {1020, 392, kWhite},
                                      {958, 375, kWhite}, {1040, 500, kBlack}, {958, 450, kWhite}}));
    // Switched off, the next tick leaves body 1 at 120 degrees and the rod from the centre only.
    ASSERT_EQ(run("click traiet tick"), 0);
    const raster::Rect lit = boxBeside(picture(), kBlack);
    EXPECT_TRUE(lit.left == 895 - 25 && lit.top == 392 - 25 && lit.right == 958 + 1 && lit.bottom == 500 + 1);

    // Released anywhere on its turn, either way round, body 1 flies off at once, square to the
    // radius, 62.5 px a tick, forwards (screen y grows downwards).
    for (int r = 1; r <= 24; ++r) {
        turn((r - 1) % 12 + 1, r <= 12);
        const double rx = s.px1 - 958, ry = s.py1 - 500;
        ASSERT_EQ(run("click sgancia tick 4"), 0);
        const double dx = s.x1 - s.px1, dy = s.y1 - s.py1;
        EXPECT_TRUE(std::abs(std::hypot(dx, dy) - 250) < 1.5 && std::abs(rx * dx + ry * dy) < 0.01 * 125 * 250 &&
                    (rx * dy - ry * dx < 0) == (r <= 12)) << r;
    }
    // Released at the top, turning anticlockwise: the rod goes, body 1 moves left at once (62.5
    // rounded to even); 16 steps take it to x -42, the 17th tick ends the run, which stays over
    // through a deactivation.
    turn(4);
    ASSERT_EQ(run("click sgancia"), 0);
    EXPECT_EQ(picture().pixel(958, 450), kBlack);
    ASSERT_EQ(run("tick"), 0);
    EXPECT_TRUE(s.x1 == 958 - 62 && s.y1 == 375);
    ASSERT_EQ(run("tick 15"), 0);
    EXPECT_TRUE(s.x1 == -42 && running() && !enabled("disegna"));
    ASSERT_EQ(run("tick deactivate activate"), 0);
    EXPECT_TRUE(s.x1 == -42 && !running() && enabled("disegna"));
    // Two bodies show their release points for a tick, then fly apart at the same speed.
    turn(4, true, 2);
    ASSERT_EQ(run("click sgancia"), 0);
    EXPECT_EQ(picture().pixel(958, 600), kBlack);
    ASSERT_EQ(run("tick"), 0);
    EXPECT_TRUE(s.x1 == 958 && s.y1 == 375 && s.x2 == 958 && s.y2 == 750);
    ASSERT_EQ(run("tick"), 0);
    EXPECT_TRUE(s.x1 == 958 - 62 && s.x2 == 958 + 62 && s.y2 == 750 && picture().pixel(1020, 750) == kYellow);
    // Body 2 does not end a run: released at 60 degrees, it passes the bottom edge first.
    turn(3, true, 2);
    ASSERT_EQ(run("click sgancia"), 0);
    bool body2OutFirst = false;
    while (running() && run("tick") == 0)
        body2OutFirst = body2OutFirst || (s.y2 > 1000 + 10 && s.y1 >= -10);
    EXPECT_TRUE(body2OutFirst && s.y1 < -10);

    // Reopened idle: releasing before any start, or an activation, starts nothing.
    ASSERT_EQ(run("close open Tcenfuga click sgancia deactivate activate"), 0);
    EXPECT_EQ(c("traiet").hint, QStringLiteral("trajectory|"));
    EXPECT_TRUE(w().windowTitle() == QStringLiteral("Centrifugal force") && !running() &&
                w().animationTimer()->interval() == 90 && enabled("disegna") && enabled("sgancia") &&
                down("antiorario") && !down("orario") && !down("traiet"));
    // Two bodies: the up-down stops at 2.
    ASSERT_EQ(run("set ncorpi 2"), 0);
    c("ncorpi").widget->findChildren<QToolButton*>().at(0)->click();
    EXPECT_TRUE(text("Edit1") == QStringLiteral("2") && s.n == 2 && run("set ncorpi 3") != 0);
    // 4 ticks of 90 ms put body 1 above the centre.
    ASSERT_EQ(run("click disegna advance 360"), 0);
    EXPECT_TRUE(running() && !enabled("disegna") && enabled("pausa"));
    EXPECT_TRUE(hasPixels(picture(), {{958, 375, kWhite}, {958, 750, kYellow}}));
    // The direction changed while running waits for the next start; pausing freezes the rod; the
    // running state survives a deactivation.
    ASSERT_EQ(run("click orario tick 4 click pausa tick 3 click pausa deactivate activate"), 0);
    EXPECT_TRUE(s.x1 == 850 && s.y1 == 563 && running());
    // The trajectory works at once and goes up on a second click.
    ASSERT_EQ(run("click traiet tick"), 0);
    EXPECT_TRUE(s.trajectory && picture().pixel(850, 578) == kWhite);
    ASSERT_EQ(run("click traiet"), 0);
    EXPECT_FALSE(down("traiet") || s.trajectory);
    // A new start clears the picture and turns clockwise.
    ASSERT_EQ(run("click sgancia tick 40 click traiet click disegna tick 4"), 0);
    EXPECT_TRUE(hasPixels(picture(), {{850, 578, kBlack}, {958, 625, kWhite}, {958, 250, kYellow}}));
    // Reopened: idle on a black picture with one body turning anticlockwise; the trajectory flag and
    // the last run's values are kept.
    ASSERT_EQ(run("close open Tcenfuga"), 0);
    EXPECT_TRUE(!running() && enabled("disegna") && text("Edit1") == QStringLiteral("1") && s.n == 1 &&
                s.anticlockwise && s.attached && !s.running && s.client.right == 1916 && s.client.bottom == 1000);
    EXPECT_TRUE(s.trajectory && s.d == -1 && s.py1 == 625 && boxBeside(picture(), kBlack).right == 0);
}

}  // namespace
