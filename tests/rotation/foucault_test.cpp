// The Foucault pendulum: the swing, the turning platform and plane of swing, the views, the pause,
// and the window's buttons.
#include <gtest/gtest.h>

#include "rotation/foucault.h"
#include "window_test.h"

namespace {

using namespace foucault;

// On a 1916 x 1000 client: dy = 200, the scene shown 190 px lower; the platform's centre at
// (958, 550), half-axes 479 and 125; the suspension point at (958, 175).
constexpr int W = 1916, H = 1000, kDown = 190;

struct Pendulum : ::testing::Test {
    raster::Bitmap window;
    State& s = state();
    void SetUp() override
    {
        window.canvas().brush.color = raster::rgb(1, 2, 3);
        window.setSize(W, H);
        create(W, H);
    }
    void TearDown() override { release(); }
    raster::Color at(int x, int y) { return window.canvas().pixel(x, y + kDown); }   // scene y
    void tick(bool fixed, bool rotating, bool paused = false) { foucault::tick(window.canvas(), W, H, {fixed, rotating}, paused); }
};

TEST_F(Pendulum, TheBobSwingsInAFixedPlaneOverItsShadow)
{
    // p = 0: the bob at its lowest, (0.84 + 4.76) 125 - 200 = 500, over its shadow at 6 * 125 - 200.
    tick(true, false);
    EXPECT_EQ(at(958, 500), kWhite);
    EXPECT_EQ(at(958, 556), kBlue);
    for (int i = 0; i < 8; ++i)
        tick(true, false);
    // p = 8, the end of the swing: x 958 + 383.2, y 4.76 * 125 - 200 = 395, the highest.
    EXPECT_EQ(at(1341, 395), kWhite);
    EXPECT_EQ(at(1341, 550), kBlue);
    EXPECT_NE(at(958, 500), kWhite);
    for (int i = 0; i < 23; ++i)
        tick(true, false);
    EXPECT_EQ(s.p, 0);   // a swing of 32 ticks; only the platform turned
    EXPECT_EQ(s.a, 32);
    EXPECT_EQ(s.b, 0);
}

TEST_F(Pendulum, ThePlatformTurnsInTheFixedViewWithItsCounterIn64Bits)
{
    // a = 0: post 0 on rim angle 0.2, at x round(2.980067 * 479) = 1427 from y 525 up to 150; the
    // ground observer's head (reversed corners) and body at x 479 - 17, above y 550.
    tick(true, false);
    EXPECT_EQ(at(1427, 340), kWhite);
    EXPECT_EQ(at(461, 522), kWhite);
    EXPECT_EQ(at(462, 526), kWhite);
    EXPECT_EQ(at(431, 560), kDarkRed);   // the ground
    s.a = 90;
    tick(true, false);
    EXPECT_NE(at(1427, 340), kWhite);    // a quarter turn on
    EXPECT_EQ(at(462, 526), kWhite);     // the observer stands still
    // 12 million half turns, past a 32-bit counter: the frame is back where it began.
    s.a = 179LL * 12'000'000;
    tick(true, false);
    EXPECT_EQ(at(1427, 340), kWhite);
    EXPECT_EQ(s.a, 179LL * 12'000'000 + 1);
}

TEST_F(Pendulum, ThePlaneOfSwingTurnsInTheRotatingView)
{
    // b = 150 turns the plane a quarter: at the swing's end the bob is above x 958, in front of
    // the suspension, at (0.85 + 4.76) 125 - 200 = 501.25, its shadow at 6.85 * 125 - 200 = 656.25.
    s.b = 150;
    s.p = 8;
    tick(false, true);
    EXPECT_EQ(at(958, 501), kWhite);
    EXPECT_EQ(at(958, 656), kBlue);
    EXPECT_EQ(at(431, 560), kBlack);     // no ground
    // The platform observer at 5 pi/3 on 0.95 of the rim: x round(2.475 * 479) = 1186, feet at 653.
    EXPECT_EQ(at(1186, 640), kYellow);
    EXPECT_EQ(s.a, 0);
    EXPECT_EQ(s.b, 151);
}

TEST_F(Pendulum, EachPictureAloneIsShownWhateverCameBefore)
{
    for (int i = 0; i < 40; ++i)
        tick(i % 3 != 0, i % 3 != 1);
    tick(true, true);
    // The fixed view off: its ground and observer go.
    tick(false, true);
    EXPECT_EQ(at(431, 560), kBlack);
    EXPECT_EQ(at(462, 526), kBlack);
    const std::int64_t a = s.a, b = s.b;
    const int p = s.p;
    tick(true, true);
    // The picture equals the same tick drawn on a new bitmap, and the window shows all of it.
    raster::Bitmap shown = std::move(s.bitmap);
    create(W, H);
    s.a = a, s.b = b, s.p = static_cast<std::uint8_t>(p);
    raster::Bitmap window2;
    window2.setSize(W, H);
    foucault::tick(window2.canvas(), W, H, {true, true}, false);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            ASSERT_EQ(shown.canvas().pixel(x, y), s.bitmap.canvas().pixel(x, y)) << x << "," << y;
            if (y + kDown < H) {
                ASSERT_EQ(window.canvas().pixel(x, y + kDown), shown.canvas().pixel(x, y)) << x << "," << y;
            }
        }
    // Paused: nothing moves, the window keeps its picture.
    const raster::Color bob = window2.canvas().pixel(958, 690);
    foucault::tick(window2.canvas(), W, H, {true, true}, true);
    EXPECT_EQ(s.a, a + 1);
    EXPECT_EQ(s.p, (p + 1) & 31);
    EXPECT_EQ(window2.canvas().pixel(958, 690), bob);
}

using PendulumWindow = WindowTest;

TEST_F(PendulumWindow, TheViewButtonsKeepOneViewOnAndTheCountersFollowThem)
{
    ASSERT_EQ(run(QStringLiteral("start menu E3")), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("pendulum of Foucault"));
    EXPECT_EQ(w().animationTimer()->interval(), 90);
    for (const char* name : {"barrasotto", "pausa", "cadenza", "fisso", "mobile", "aiuto", "Panel1", "sotto"})
        EXPECT_NE(w().control(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(c("fisso").hint, QStringLiteral("fixed reference"));
    auto views = [&] { return std::pair{w().isDown(QStringLiteral("fisso")), w().isDown(QStringLiteral("mobile"))}; };
    EXPECT_EQ(views(), std::pair(true, false));
    ASSERT_EQ(run(QStringLiteral("click fisso")), 0);   // releasing the only view presses the other
    EXPECT_EQ(views(), std::pair(false, true));
    ASSERT_EQ(run(QStringLiteral("click mobile")), 0);
    EXPECT_EQ(views(), std::pair(true, false));
    ASSERT_EQ(run(QStringLiteral("click mobile advance 180")), 0);
    EXPECT_EQ(views(), std::pair(true, true));
    EXPECT_EQ(state().a, 2);
    EXPECT_EQ(state().b, 2);
    ASSERT_EQ(run(QStringLiteral("click pausa tick 3 set cadenza 150")), 0);
    EXPECT_EQ(state().a, 2);
    EXPECT_EQ(w().animationTimer()->interval(), 50);
    int help = 0;
    QObject::connect(&w(), &orb::SimWindow::helpRequested, [&](int context) { help = context; });
    ASSERT_EQ(run(QStringLiteral("click aiuto")), 0);
    EXPECT_EQ(help, 113);
    ASSERT_EQ(run(QStringLiteral("close")), 0);
    EXPECT_TRUE(globals::WindowClosedFlags[8]);
    ASSERT_EQ(run(QStringLiteral("open Tpendol")), 0);
    EXPECT_EQ(state().a, 0);
    EXPECT_EQ(views(), std::pair(true, false));
}

}  // namespace
