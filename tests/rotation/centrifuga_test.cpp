// The centrifugal-force window: the turning rod, the release along the tangent, the trajectory,
// one and two bodies, and the window's buttons and timer through a run.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QToolButton>
#include <cmath>
#include <numbers>

#include "rotation/centrifuga.h"
#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/driver.h"
#include "shell/ui/simwindow.h"
#include "window_test.h"

namespace {

using centrifuga::Tick;
constexpr raster::Color kBlack = raster::rgb(0, 0, 0);
constexpr raster::Color kWhite = raster::rgb(255, 255, 255);
constexpr raster::Color kYellow = raster::rgb(255, 255, 0);

// On a 1916 x 1000 client: centre (958, 500), body 1 on radius 125 (H/8), body 2 on 250 (H/4),
// discs of half-size 25 (H div 40) and 12 (H div 80), flight speed 62.5 px a tick (H/16).
constexpr int W = 1916;
constexpr int H = 1000;

struct Model : ::testing::Test {
    raster::Bitmap bitmap;
    centrifuga::State& s = centrifuga::state();
    void SetUp() override
    {
        s = centrifuga::State{};
        bitmap.canvas().brush.color = raster::rgb(12, 34, 56);
        bitmap.setSize(W, H);
        centrifuga::create(bitmap.canvas(), W, H);
    }
    raster::Canvas& c() { return bitmap.canvas(); }
    // Starts a run and turns the rod through `ticks` attached ticks.
    void turn(int ticks, bool anticlockwise = true, int bodies = 1)
    {
        s.anticlockwise = anticlockwise;
        s.n = bodies;
        centrifuga::start(c());
        for (int i = 0; i < ticks; ++i)
            ASSERT_EQ(centrifuga::tick(c(), W, H, false), Tick::Moved);
    }
};

TEST_F(Model, CreationMakesTheBitmapBlackAndResetsTheWindowsValues)
{
    turn(3, false, 2);
    centrifuga::release(c(), W, H);
    s.running = true;
    s.trajectory = true;
    centrifuga::create(c(), W, H);
    for (int y = 0; y < H; y += 37)
        for (int x = 0; x < W; x += 41)
            ASSERT_EQ(c().pixel(x, y), kBlack) << x << "," << y;
    EXPECT_TRUE(s.anticlockwise);
    EXPECT_TRUE(s.attached);
    EXPECT_EQ(s.n, 1);
    EXPECT_FALSE(s.running);
    EXPECT_EQ(s.client.right, W);
    EXPECT_EQ(s.client.bottom, H);
    // The trajectory flag and the run's values are not reset.
    EXPECT_TRUE(s.trajectory);
    EXPECT_EQ(s.d, -1);
    EXPECT_EQ(s.px1, 1020);
}

TEST_F(Model, TheRodTurnsThirtyDegreesATickInEitherDirection)
{
    // Anticlockwise on screen: right of the centre, then a quarter turn later straight above it,
    // with body 2 opposite on the doubled radius.
    turn(1);
    EXPECT_EQ(s.x1, 1083);
    EXPECT_EQ(s.y1, 500);
    turn(4);
    EXPECT_EQ(s.x1, 958);
    EXPECT_EQ(s.y1, 375);
    EXPECT_EQ(s.x2, 958);
    EXPECT_EQ(s.y2, 750);
    // Clockwise: the same quarter turn ends below the centre.
    turn(4, false);
    EXPECT_EQ(s.d, -1);
    EXPECT_EQ(s.x1, 958);
    EXPECT_EQ(s.y1, 625);
    EXPECT_EQ(s.y2, 250);
    // A whole turn, step by step, against the circle's formula; 12 ticks come back to the start.
    turn(0);
    for (int step = 0; step < 26; ++step) {
        ASSERT_EQ(centrifuga::tick(c(), W, H, false), Tick::Moved);
        const double a = (step % 12) * std::numbers::pi / 6 + 0.001;
        EXPECT_EQ(s.x1, 958 + std::lround(125 * std::cos(a))) << "step " << step;
        EXPECT_EQ(s.y1, 500 - std::lround(125 * std::sin(a))) << "step " << step;
        EXPECT_EQ(s.x2, 958 - std::lround(250 * std::cos(a))) << "step " << step;
        EXPECT_EQ(s.y2, 500 + std::lround(250 * std::sin(a))) << "step " << step;
        EXPECT_EQ(s.px1, s.x1);
        EXPECT_EQ(s.py2, s.y2);
        EXPECT_LT(s.k, 13);
    }
}

TEST_F(Model, TheRodAndTheBodyAreDrawnAndOnlyTheCurrentPictureShows)
{
    turn(4);
    // Body 1 above the centre, the white rod from the centre up to it.
    EXPECT_EQ(c().pixel(958, 375), kWhite);
    EXPECT_EQ(c().pixel(958, 450), kWhite);
    EXPECT_EQ(c().pixel(958, 401), kWhite);
    EXPECT_EQ(c().pixel(958, 501), kBlack);
    EXPECT_EQ(c().pixel(958 + 26, 375), kBlack);   // outside the disc
    // The disc of the first tick, right of the centre, was cleared.
    EXPECT_EQ(c().pixel(1083, 500), kBlack);
    // With two bodies, body 2 is a yellow disc at the rod's other end, and the rod joins them.
    turn(4, true, 2);
    EXPECT_EQ(c().pixel(958, 750), kYellow);
    EXPECT_EQ(c().pixel(958 + 11, 750), kYellow);
    EXPECT_EQ(c().pixel(958 + 13, 750), kBlack);
    EXPECT_EQ(c().pixel(958, 600), kWhite);
    EXPECT_EQ(c().pixel(958, 375), kWhite);
}

TEST_F(Model, DroppingTheSecondBodyWhileTurningLeavesNoStaleRod)
{
    // With two bodies the rod of the second tick runs from body 2 at (742, 625) through the
    // centre to body 1 at (1066, 437), and passes x 850 half-way to the centre.
    turn(2, true, 2);
    EXPECT_TRUE(c().pixel(850, 562) == kWhite || c().pixel(850, 563) == kWhite);
    // With one body the black erasing line only runs from the centre: the clearing must take the rest.
    s.n = 1;
    centrifuga::tick(c(), W, H, false);
    EXPECT_EQ(c().pixel(850, 562), kBlack);
    EXPECT_EQ(c().pixel(850, 563), kBlack);
    EXPECT_EQ(c().pixel(742, 625), kBlack);
    EXPECT_EQ(c().pixel(1020, 392), kWhite);
}

TEST_F(Model, TheTrajectoryKeepsEveryDisc)
{
    s.trajectory = true;
    turn(4);
    for (const auto& [x, y] : {std::pair{1083, 500}, std::pair{1066, 437}, std::pair{1020, 392}, std::pair{958, 375}})
        EXPECT_EQ(c().pixel(x, y), kWhite) << x << "," << y;
    // The old rods are erased by the black line; the current one stays.
    EXPECT_EQ(c().pixel(1040, 500), kBlack);
    EXPECT_EQ(c().pixel(958, 450), kWhite);
    // Switching it off clears the picture at the next tick.
    s.trajectory = false;
    centrifuga::tick(c(), W, H, false);
    EXPECT_EQ(c().pixel(1083, 500), kBlack);
    EXPECT_EQ(c().pixel(958, 375), kBlack);
    // Body 1 at 120 degrees (895, 392): nothing but its disc and the rod from the centre is left.
    ASSERT_EQ(s.x1, 895);
    ASSERT_EQ(s.y1, 392);
    int lit = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (c().pixel(x, y) != kBlack) {
                ++lit;
                ASSERT_TRUE(x >= 895 - 25 && x < 958 + 1 && y >= 392 - 25 && y < 500 + 1) << x << "," << y;
            }
    EXPECT_GT(lit, 1900);   // about the disc's 50 x 50 circle
    // Starting again clears the whole bitmap: nothing drawn survives anywhere.
    s.trajectory = true;
    turn(12, true, 2);
    centrifuga::start(c());
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            ASSERT_EQ(c().pixel(x, y), kBlack) << x << "," << y;
}

TEST_F(Model, OneBodyFliesOffAlongTheTangentAtOnce)
{
    turn(4);   // released at the top, turning anticlockwise: it goes left
    centrifuga::release(c(), W, H);
    EXPECT_FALSE(s.attached);
    EXPECT_EQ(s.k, 1);
    EXPECT_EQ(c().pixel(958, 450), kBlack);   // the rod is gone
    const int expected[] = {958 - 62, 958 - 125, 958 - 188};   // 62.5 and 187.5 round to even
    for (int x : expected) {
        ASSERT_EQ(centrifuga::tick(c(), W, H, false), Tick::Moved);
        EXPECT_EQ(s.x1, x);
        EXPECT_EQ(s.y1, 375);
    }
    // After the release the outline keeps the rod's black pen: a white disc with a black rim.
    EXPECT_EQ(c().pixel(770, 375), kWhite);
    EXPECT_EQ(c().pixel(770 - 25, 375), kBlack);
    EXPECT_EQ(c().pixel(770 - 24, 375), kWhite);
    // Clockwise at the bottom it also goes left.
    turn(4, false);
    centrifuga::release(c(), W, H);
    centrifuga::tick(c(), W, H, false);
    EXPECT_EQ(s.x1, 958 - 62);
    EXPECT_EQ(s.y1, 625);
}

TEST_F(Model, EveryReleaseContinuesTheTurnAlongTheTangent)
{
    for (bool anticlockwise : {true, false})
        for (int r = 0; r < 12; ++r) {
            turn(r + 1, anticlockwise);
            const double rx = s.px1 - 958, ry = s.py1 - 500;
            centrifuga::release(c(), W, H);
            for (int i = 0; i < 4; ++i)
                centrifuga::tick(c(), W, H, false);
            // Four steps of 62.5 px: 250 px from the release point, square to the radius.
            const double dx = s.x1 - s.px1, dy = s.y1 - s.py1;
            EXPECT_NEAR(std::hypot(dx, dy), 250, 1.5) << "r " << r;
            EXPECT_NEAR((rx * dx + ry * dy) / (125 * 250), 0, 0.01) << "r " << r;
            // Screen y grows downwards: an anticlockwise turn has a negative cross product.
            const double cross = rx * dy - ry * dx;
            EXPECT_EQ(cross < 0, anticlockwise) << "r " << r;
        }
}

TEST_F(Model, TwoBodiesWaitOneTickThenFlyApartAtTheSameSpeed)
{
    turn(4, true, 2);
    centrifuga::release(c(), W, H);
    EXPECT_EQ(s.k, 0);
    EXPECT_EQ(c().pixel(958, 600), kBlack);   // the rod between them is gone
    centrifuga::tick(c(), W, H, false);
    EXPECT_EQ(s.x1, 958);
    EXPECT_EQ(s.y1, 375);
    EXPECT_EQ(s.x2, 958);
    EXPECT_EQ(s.y2, 750);
    centrifuga::tick(c(), W, H, false);
    EXPECT_EQ(s.x1, 958 - 62);
    EXPECT_EQ(s.x2, 958 + 62);
    EXPECT_EQ(s.y2, 750);
    EXPECT_EQ(c().pixel(1020, 750), kYellow);
    EXPECT_EQ(c().pixel(958, 750), kBlack);
}

TEST_F(Model, TheRunEndsWhenBodyOneIsTenPixelsOut)
{
    turn(4);
    centrifuga::release(c(), W, H);
    // Leftwards from x 958: after 15 steps x = 958 - 938 = 20, after 16 x = -42 (drawn, clipped);
    // the tick after that finds it out and ends.
    for (int i = 1; i <= 16; ++i)
        ASSERT_EQ(centrifuga::tick(c(), W, H, false), Tick::Moved) << i;
    EXPECT_EQ(s.x1, -42);
    EXPECT_EQ(centrifuga::tick(c(), W, H, false), Tick::Ended);
    EXPECT_EQ(s.x1, -42);
    // Body 2 does not end a run: released at 60 degrees, it passes the bottom edge while body 1
    // is still on its way to the top one.
    turn(3, true, 2);
    centrifuga::release(c(), W, H);
    bool body2OutFirst = false;
    while (centrifuga::tick(c(), W, H, false) == Tick::Moved)
        if (s.y2 > H + 10 && s.y1 >= -10)
            body2OutFirst = true;
    EXPECT_TRUE(body2OutFirst);
    EXPECT_LT(s.y1, -10);
}

// The window, driven as a user drives it.
struct Window : WindowTest {
    void SetUp() override
    {
        centrifuga::state() = centrifuga::State{};
        WindowTest::SetUp();
    }
    bool running() { return w().animationTimer()->enabled(); }
};

TEST_F(Window, OpensIdleWithItsControlsAndTexts)
{
    ASSERT_EQ(run(QStringLiteral("open Tcenfuga")), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Centrifugal force"));
    EXPECT_FALSE(running());
    EXPECT_EQ(w().animationTimer()->interval(), 90);
    EXPECT_EQ(w().controlPosition(*w().control(QStringLiteral("cadenza"))), 90);
    EXPECT_TRUE(enabled("disegna"));
    EXPECT_TRUE(enabled("sgancia"));
    EXPECT_TRUE(w().isDown(QStringLiteral("antiorario")));
    EXPECT_FALSE(w().isDown(QStringLiteral("orario")));
    EXPECT_FALSE(w().isDown(QStringLiteral("traiet")));
    EXPECT_EQ(text("Edit1"), QStringLiteral("1"));
    EXPECT_EQ(w().surface().pixel(958, 500), kBlack);
    EXPECT_EQ(w().control(QStringLiteral("sgancia"))->hint, QStringLiteral("cut"));
    EXPECT_EQ(w().control(QStringLiteral("orario"))->hint, QStringLiteral("clockwise"));
    EXPECT_EQ(w().control(QStringLiteral("traiet"))->hint, QStringLiteral("trajectory|"));
    EXPECT_EQ(w().control(QStringLiteral("ncorpi"))->hintRow, 11);
    // Releasing before any start starts nothing.
    ASSERT_EQ(run(QStringLiteral("click sgancia")), 0);
    EXPECT_FALSE(running());
    EXPECT_TRUE(enabled("disegna"));
    int help = 0;
    QObject::connect(&w(), &orb::SimWindow::helpRequested, [&](int context) { help = context; });
    ASSERT_EQ(run(QStringLiteral("click guida")), 0);
    EXPECT_EQ(help, 111);
}

TEST_F(Window, ButtonsAndTimerThroughARun)
{
    ASSERT_EQ(run(QStringLiteral("open Tcenfuga click disegna")), 0);
    EXPECT_FALSE(enabled("disegna"));
    EXPECT_TRUE(enabled("pausa"));
    EXPECT_TRUE(enabled("sgancia"));
    EXPECT_TRUE(running());
    EXPECT_NE(run(QStringLiteral("click disegna")), 0);   // disabled while running
    // The timer's own clock: 4 ticks of 90 ms put body 1 above the centre.
    ASSERT_EQ(run(QStringLiteral("advance 360")), 0);
    EXPECT_EQ(w().surface().pixel(958, 375), kWhite);
    EXPECT_EQ(w().surface().pixel(958, 450), kWhite);
    // Pausing freezes it; the release keeps the timer running.
    ASSERT_EQ(run(QStringLiteral("click pausa tick 3 click pausa click sgancia")), 0);
    EXPECT_EQ(centrifuga::state().x1, 958);
    EXPECT_TRUE(running());
    // Leftwards 62.5 px a tick: at x 20 after 15 ticks, at -42 (out of sight) after 16.
    ASSERT_EQ(run(QStringLiteral("tick 15")), 0);
    EXPECT_EQ(w().surface().pixel(20, 375), kWhite);
    ASSERT_EQ(run(QStringLiteral("tick")), 0);
    EXPECT_EQ(w().surface().pixel(20, 375), kBlack);
    EXPECT_TRUE(running());
    EXPECT_FALSE(enabled("disegna"));
    ASSERT_EQ(run(QStringLiteral("tick")), 0);
    EXPECT_FALSE(running());
    EXPECT_TRUE(enabled("disegna"));
    // A new start clears the picture and turns again.
    ASSERT_EQ(run(QStringLiteral("click disegna tick")), 0);
    EXPECT_EQ(w().surface().pixel(10, 375), kBlack);
    EXPECT_EQ(w().surface().pixel(1083, 500), kWhite);
}

TEST_F(Window, TheRunningStateSurvivesDeactivation)
{
    ASSERT_EQ(run(QStringLiteral("open Tcenfuga deactivate activate")), 0);
    EXPECT_FALSE(running());
    ASSERT_EQ(run(QStringLiteral("click disegna tick 2 deactivate")), 0);
    EXPECT_FALSE(running());
    EXPECT_TRUE(centrifuga::state().running);
    ASSERT_EQ(run(QStringLiteral("activate")), 0);
    EXPECT_TRUE(running());
    ASSERT_EQ(run(QStringLiteral("click sgancia tick 40 deactivate activate")), 0);
    EXPECT_FALSE(running());
    EXPECT_TRUE(enabled("disegna"));
}

TEST_F(Window, BodiesAndDirectionTakeEffectAsTheyShould)
{
    ASSERT_EQ(run(QStringLiteral("open Tcenfuga set ncorpi 2")), 0);
    EXPECT_EQ(text("Edit1"), QStringLiteral("2"));
    EXPECT_EQ(centrifuga::state().n, 2);
    // The up-down stops at 2: its up arrow does not wrap round to 1.
    auto arrows = w().control(QStringLiteral("ncorpi"))->widget->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    arrows[0]->click();
    EXPECT_EQ(centrifuga::state().n, 2);
    EXPECT_NE(run(QStringLiteral("set ncorpi 3")), 0);
    // Clockwise chosen before the start: body 1 a quarter turn below the centre, body 2 above.
    ASSERT_EQ(run(QStringLiteral("click orario click disegna tick 4")), 0);
    EXPECT_TRUE(w().isDown(QStringLiteral("orario")));
    EXPECT_FALSE(w().isDown(QStringLiteral("antiorario")));
    EXPECT_EQ(w().surface().pixel(958, 625), kWhite);
    EXPECT_EQ(w().surface().pixel(958, 250), kYellow);
    // Changing the direction while running waits for the next start.
    ASSERT_EQ(run(QStringLiteral("click antiorario tick 3")), 0);
    EXPECT_EQ(centrifuga::state().y1, 500);
    EXPECT_EQ(centrifuga::state().x1, 958 - 125);   // half a turn on from the right, clockwise
    // The trajectory button works at once and goes up again on a second click.
    ASSERT_EQ(run(QStringLiteral("click traiet tick")), 0);
    EXPECT_TRUE(centrifuga::state().trajectory);
    EXPECT_EQ(w().surface().pixel(958 - 125, 500), kWhite);
    ASSERT_EQ(run(QStringLiteral("click traiet")), 0);
    EXPECT_FALSE(w().isDown(QStringLiteral("traiet")));
    EXPECT_FALSE(centrifuga::state().trajectory);
    ASSERT_EQ(run(QStringLiteral("set cadenza 195")), 0);
    EXPECT_EQ(w().animationTimer()->interval(), 5);
}

TEST_F(Window, ReopeningStartsIdleInTheWindowsLanguage)
{
    ASSERT_EQ(run(QStringLiteral("open Tcenfuga set ncorpi 2 click orario click disegna tick 3 close")), 0);
    EXPECT_TRUE(globals::WindowClosedFlags[2]);
    globals::LanguageIndex = 0;
    ASSERT_EQ(run(QStringLiteral("open Tcenfuga")), 0);
    EXPECT_FALSE(globals::WindowClosedFlags[2]);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Forza centrifuga"));
    EXPECT_EQ(w().control(QStringLiteral("sgancia"))->hint, QStringLiteral("sgancia"));
    EXPECT_FALSE(running());
    EXPECT_TRUE(enabled("disegna"));
    EXPECT_EQ(text("Edit1"), QStringLiteral("1"));
    EXPECT_EQ(centrifuga::state().n, 1);
    EXPECT_TRUE(centrifuga::state().anticlockwise);
    EXPECT_EQ(w().surface().pixel(958, 625), kBlack);
}

}  // namespace
