// The weight-variation window: the section and the arrows at stated steps, the poles, the rules of
// the force buttons, and the step request through the button, Return and activation.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <cmath>
#include <numbers>

#include "rotation/peso.h"
#include "window_test.h"

namespace {

using namespace peso;
constexpr int W = 1916;
constexpr int H = 1000;
constexpr double kPi = std::numbers::pi;

struct Pt { int x, y; };
Pt at(double x, double y) { return {int(std::lround(x)), int(std::lround(y))}; }

struct WeightModel : ::testing::Test {
    raster::Bitmap window;
    State& s = state();
    void SetUp() override
    {
        s.k = 0;
        create(W, H);
        window.canvas().brush.color = kBlack;
        window.setSize(W, H);
    }
    raster::Color px(Pt p) { return window.canvas().pixel(p.x, p.y); }
    int count(raster::Color c)
    {
        int n = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                n += window.canvas().pixel(x, y) == c;
        return n;
    }
};

TEST_F(WeightModel, TheSectionAndGravityAtTheEquator)
{
    ASSERT_TRUE(tick(window.canvas(), W, H));
    // The sphere is an outline (top at 125 + 31); the flattened Earth is silver from 156 + 31.
    EXPECT_EQ(px({968, 170}), kBlack);
    EXPECT_EQ(px({968, 200}), kSilver);
    EXPECT_EQ(px({1058, 531}), kSilver);   // between the ellipses inset by 200 and by 300
    EXPECT_EQ(px({958, 700}), kGrey);      // the axis
    // Gravity at (1333, 531): G = (H/3) / (3H/8) = 8/9, length H/4 G = 222.2 to the left.
    EXPECT_EQ(px({1200, 531}), kGreen);
    EXPECT_EQ(px({1112, 531}), kGreen);
    EXPECT_EQ(px({1100, 531}), kSilver);
    EXPECT_EQ(s.k, 1);
    // Without a request a tick draws nothing.
    window.canvas().setPixel(1200, 531, kRed);
    EXPECT_FALSE(tick(window.canvas(), W, H));
    EXPECT_EQ(px({1200, 531}), kRed);
}

TEST_F(WeightModel, EveryForceAt345DegreesThenTheRoundStartsAgain)
{
    s.shown = {true, true, true, true};
    s.k = 46;
    ASSERT_TRUE(tick(window.canvas(), W, H));
    EXPECT_EQ(s.k, 0);
    // Window coordinates, H/32 = 31 below the bitmap: the section's outline has semi-axes
    // 3H/8 = 375 and 11H/32 = 343.75 about (958, 531.25), truncated to 531.
    const double phi = 46 * kPi / 24, c = std::cos(phi), sn = std::sin(phi);
    const double x0 = 958 + c * 375, y0 = 531 - sn * 343.75;
    const double rc = c * 375, g = (H / 3.0) / std::hypot(rc, sn * H * 19 / 60);
    // Gravity points to the centre; the stored tip is where its head is.
    const double gx = x0 - c * H / 4 * g, gy = y0 + sn * H / 4 * g;
    EXPECT_NEAR(s.tips[1].x, gx, 1e-9);
    EXPECT_NEAR(s.tips[1].y, gy, 1e-9);
    EXPECT_EQ(px(at((x0 + gx) / 2, (y0 + gy) / 2)), kGreen);
    // The centrifugal force runs right, Rc/4 long; its dotted radius from the axis has black gaps.
    EXPECT_EQ(px(at(x0 + rc / 8, y0)), kCyan);
    int cyan = 0, black = 0;
    for (int x = 1000; x < 1300; ++x) {
        cyan += px(at(x, y0)) == kCyan;
        black += px(at(x, y0)) == kBlack;
    }
    EXPECT_NEAR(cyan, 150, 3);
    EXPECT_NEAR(black, 150, 3);
    // The radial component, Rc/4 cos phi long, outwards; the weight's parallelogram starts with
    // a white dot on gravity's tip.
    EXPECT_EQ(px(at(x0 + c * rc * c / 8, y0 - sn * rc * c / 8)), kRed);
    EXPECT_EQ(px(at(gx, gy)), kWhite);
}

TEST_F(WeightModel, NoWeightArrowAtThePoles)
{
    s.shown = {true, true, true, true};
    for (int k : {11, 12, 36}) {
        s.k = static_cast<std::uint8_t>(k);
        s.stepRequest = true;
        tick(window.canvas(), W, H);
        EXPECT_EQ(count(kWhite) > 0, k == 11) << k;
    }
}

TEST_F(WeightModel, TheButtonsKeepOneForceShownAndTheWeightNeedsBoth)
{
    using A = std::array<bool, 4>;
    centrifugaClick();
    EXPECT_EQ(s.enabled, (A{true, true, true, true}));
    compClick();
    risulClick();
    graviClick();   // gravity off: no weight
    EXPECT_EQ(s.shown, (A{false, true, true, false}));
    EXPECT_EQ(s.enabled, (A{true, true, true, false}));
    centrifugaClick();   // off too: gravity comes back alone
    EXPECT_EQ(s.shown, (A{true, false, false, false}));
    EXPECT_EQ(s.enabled, (A{true, true, false, false}));
    graviClick();
    EXPECT_EQ(s.shown, (A{false, true, false, false}));
    // Deactivation takes the step back, 0 to 46; creation keeps the step.
    deactivate();
    create(W, H);
    EXPECT_EQ(s.k, 46);
    EXPECT_EQ(s.shown, (A{true, false, false, false}));
}

struct WeightWindow : WindowTest {
    void SetUp() override
    {
        state().k = 0;
        WindowTest::SetUp();
        ASSERT_EQ(run(QStringLiteral("open Tvarpeso")), 0);
    }
    bool drew() { return w().surface().pixel(1200, 531) == kGreen; }
    void wipe() { w().surface().setPixel(1200, 531, kBlack); }
};

TEST_F(WeightWindow, ActivationReturnAndTheButtonAskForOneStepEach)
{
    EXPECT_EQ(c("contin").hint, QStringLiteral("continue|  or press the key"));
    ASSERT_EQ(run(QStringLiteral("tick")), 0);
    EXPECT_TRUE(drew());
    // A deactivation takes the step back, so the activation's step draws the same point.
    wipe();
    ASSERT_EQ(run(QStringLiteral("deactivate activate tick")), 0);
    EXPECT_TRUE(drew());
    EXPECT_EQ(state().k, 1);
    ASSERT_EQ(run(QStringLiteral("key Return click contin tick")), 0);
    EXPECT_EQ(state().k, 1);
    ASSERT_EQ(run(QStringLiteral("key Return tick")), 0);
    EXPECT_EQ(state().k, 2);
    // Return on a control with the focus reaches the window once.
    c("contin").widget->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(c("contin").widget, &press);
    EXPECT_TRUE(state().stepRequest);
    // The force buttons follow the model.
    ASSERT_EQ(run(QStringLiteral("click centrifuga click risul click gravi")), 0);
    EXPECT_TRUE(w().isDown(QStringLiteral("centrifuga")));
    EXPECT_FALSE(w().isDown(QStringLiteral("risul")) || enabled("risul"));
}

TEST_F(WeightWindow, TheStatusLineShowsTheLongHintWithTheReturnKey)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(c("contin").widget, &enter);
    EXPECT_EQ(text("Label1"), QStringLiteral("  or press the key         (Enter)"));
    EXPECT_TRUE(shown("invio"));
    EXPECT_GT(c("invio").widget->x(), c("Label1").widget->x() + 20);
    QApplication::sendEvent(c("gravi").widget, &enter);   // "force of gravity|": no long hint
    EXPECT_EQ(text("Label1"), QString());
    EXPECT_FALSE(shown("invio"));
}

}  // namespace
