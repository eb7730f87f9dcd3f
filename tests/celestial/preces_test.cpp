// The precession window: the equator's fill, the precession paths of both motions, the wipe between
// the views, and the window as a user drives it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <cmath>
#include <numbers>

#include "celestial/preces.h"
#include "window_test.h"

namespace {

using namespace preces;
constexpr double kPi = std::numbers::pi;

struct Size { int w, h; };

// The window on a client of W x H; its surface shows a view at (cx, 0).
struct PrecesWindow : WindowTest, ::testing::WithParamInterface<Size> {
    int W = GetParam().w, H = GetParam().h;
    const State& s = state();
    PrecesWindow() { options.size = QSize(W, H); }
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_EQ(run("open Tprecter"), 0);
    }
    void step(const QString& script = QStringLiteral("tick")) { ASSERT_EQ(run(script), 0); }
    // Whether the window shows columns [from, to) of a view placed at (cx, 0).
    bool showsColumns(const raster::Bitmap& view, int from, int to)
    {
        for (int x = from; x < to; ++x)
            for (int y = 0; y < H; ++y)
                if (w().surface().pixel(s.g.cx + x, y) != view.canvas().pixel(x, y))
                    return false;
        return true;
    }
};

TEST(Preces, PerspectiveShiftAndGeometry)
{
    // |c v| / c is |v| with the sign of c, also for a zero cosine of either sign.
    EXPECT_EQ(perspectiveShift(0.0, -1.25), 1.25);
    EXPECT_EQ(perspectiveShift(-0.0, 1.25), -1.25);
    EXPECT_DOUBLE_EQ(perspectiveShift(-0.25, 2.0), -2.0);
    // e = W/8 - sqrt((W/8)^2 - (H/40)^2) = 239.5 - sqrt(239.5^2 - 25^2) = 1.308.
    const Geometry g = geometryFor(1916, 1000);
    EXPECT_TRUE(g.cx == 479 && g.r == 239 && g.cy == 500 && g.a == 50 && g.b == 25);
    EXPECT_NEAR(g.e, 1.308, 1e-3);
    // A client more than five times taller than wide keeps a finite correction, W/8.
    EXPECT_FLOAT_EQ(geometryFor(40, 400).e, 5.0f);
}

// At every step of both motions the shaded view's disc is split into a navy half, towards the
// angle k pi/N + pi/2, and a blue half, all inside the band of the equator or on the globe's
// outline; the paths are grey ellipses of semi-axes a and b above and below the globe, or with
// nutation dots alone that wobble beyond them.
TEST_P(PrecesWindow, TheShadedViewsDiscAndPaths)
{
    EXPECT_TRUE(w().windowTitle() == QStringLiteral("Precession and nutation") && c("evid").hint == "enhance motion");
    const Geometry& g = s.g;
    const int up = g.cy - g.cx, down = g.cy + g.cx;   // the paths' centres
    for (int item : {0, 1}) {
        step(QStringLiteral("set moto %1").arg(item));
        const int N = item ? 30 : 20;
        for (int k = 0; k < 2 * N; ++k) {
            ASSERT_EQ(s.k, k);
            step();
            const raster::Canvas& v = s.shaded.canvas();
            long count[2] = {0, 0}, grey = 0, maxDy = 0;
            double sx[2] = {0, 0}, sy[2] = {0, 0};
            for (int y = 0; y < v.height(); ++y)
                for (int x = 0; x < v.width(); ++x) {
                    const raster::Color p = v.pixel(x, y);
                    if (p == kGrey) {
                        ++grey;
                        maxDy = std::max<long>(maxDy, std::min(std::abs(y - up), std::abs(y - down)));
                    }
                    if (p != kBlue && p != kNavy)
                        continue;
                    const double d = std::hypot(x - g.cx, y - g.cy);
                    if (p == kBlue && d >= g.r - 1 && d <= g.r + 3)
                        continue;   // the outline
                    ASSERT_TRUE(std::abs(y - g.cy) <= g.a + 1.3 * g.b + 2 && std::abs(x - g.cx) <= g.r + 1)
                        << "item " << item << " k " << k << " at " << x << "," << y;
                    const int i = p == kNavy;
                    ++count[i], sx[i] += x, sy[i] += y;
                }
            ASSERT_TRUE(3 * count[0] > count[0] + count[1] && 3 * count[1] > count[0] + count[1]) << k;
            const double alpha = k * kPi / N + kPi / 2;
            const double towards = (sx[1] / count[1] - sx[0] / count[0]) * g.r * std::cos(alpha) +
                                   (sy[1] / count[1] - sy[0] / count[0]) * g.a * std::sin(alpha);
            ASSERT_GT(towards, 0) << "item " << item << " k " << k;
            ASSERT_TRUE(item ? grey <= 2 * (2 * N + 1) && maxDy > g.b + 1 : grey > 4 * g.a && maxDy <= g.b + 1) << k;
        }
        // The leftmost points of both ellipses and the top of the lower one (the upper one's may
        // lie above the view), or the pixel just above or left of them.
        const raster::Canvas& v = s.shaded.canvas();
        const auto grey = [&](int x, int y) {
            return v.pixel(x, y) == kGrey || v.pixel(x, y - 1) == kGrey || v.pixel(x - 1, y) == kGrey;
        };
        EXPECT_TRUE(item == 1 || (grey(g.cx - g.a, up) && grey(g.cx - g.a, down) && grey(g.cx, down - g.b)));
    }
}

// The view button starts a wipe and stays disabled until its last strip is shown, also while
// paused.
TEST_P(PrecesWindow, TheWipeSpreadsTheMotionViewLeftwardsAndTheShadedViewRightwards)
{
    const int wipeTicks = (W / 4 + 1) / 2;   // t = 0, 2, .. while t < W div 4
    const int right = (3 * W) / 8, cx = s.g.cx;
    step("click evid");
    for (int i = 0; i < wipeTicks; ++i) {
        ASSERT_EQ(s.t, 2 * i);
        step();
        ASSERT_TRUE(!enabled("evid") && s.viewMode == Wiping) << i;
        // A quarter of the way the strip, copied unmirrored, holds columns right - t .. right; the
        // shaded view shows left of it, its upper axis starting white at the centre.
        EXPECT_TRUE(i != wipeTicks / 4 || (showsColumns(s.motion, right - 2 * i, right) &&
                                           w().surface().pixel(2 * cx, H / 2) == kWhite &&
                                           s.motion.canvas().pixel(cx, H / 2) == kBlack));
    }
    // The next tick ends the wipe; from then on the motion view shows alone.
    step();
    EXPECT_TRUE(enabled("evid") && s.viewMode == MotionShown);
    step();
    EXPECT_TRUE(showsColumns(s.motion, 0, W / 2));
    // Back to the shaded view, paused for a while halfway: nothing moves, the wipe stays shown.
    step(QStringLiteral("click evid tick %1").arg(wipeTicks / 4));
    const int t = s.t, k = s.k;
    step("click pausa tick 5");
    EXPECT_TRUE(s.t == t && s.k == k && t == 2 * (wipeTicks / 4) && !enabled("evid"));
    EXPECT_TRUE(showsColumns(s.shaded, W / 9, W / 9 + t));
    EXPECT_EQ(w().surface().pixel(2 * cx, H / 2), kBlack);   // the motion view's centre
    step(QStringLiteral("click pausa tick %1").arg(wipeTicks - wipeTicks / 4));
    EXPECT_FALSE(enabled("evid"));
    step();
    EXPECT_TRUE(enabled("evid") && s.viewMode == ShadedShown);
    step();
    EXPECT_TRUE(showsColumns(s.shaded, 0, W / 2) && w().surface().pixel(2 * cx, H / 2) == kWhite);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PrecesWindow, ::testing::Values(Size{530, 345}, Size{1916, 1000}, Size{811, 603}),
                         [](const auto& i) { return std::to_string(i.param.w) + "x" + std::to_string(i.param.h); });

using PrecesList = WindowTest;

TEST_F(PrecesList, ItsWidthItsItemsAndTheTimer)
{
    // With a language file's long item texts the list is as wide as the longer in Label1's bold
    // 8-point font, plus the help button's width, plus 7: beyond 255 pixels too.
    const std::string longer(60, 'W');
    texts::HintTexts.set(71, texts::Custom, "short");
    texts::HintTexts.set(72, texts::Custom, longer);
    ASSERT_EQ(run("frame"), 0);   // the main window chooses its language first
    globals::LanguageIndex = texts::Custom;
    ASSERT_EQ(run("open Tprecter"), 0);
    QFont bold = c("Label1").widget->font();
    bold.setBold(true);
    bold.setPointSize(8);
    const int text = QFontMetrics(bold).horizontalAdvance(QString::fromStdString(longer));
    EXPECT_TRUE(text > 255 && c("moto").widget->minimumWidth() == text + c("guida").widget->sizeHint().width() + 7);
    EXPECT_EQ(qobject_cast<QComboBox*>(c("moto").widget)->itemText(1), QString::fromStdString(longer));
    EXPECT_TRUE(w().animationTimer()->name() == "cadenza" && w().animationTimer()->interval() == 5 &&
                w().controlPosition(c("velo")) == 90);
    // 5 ms runs at the 10 ms floor. The motion changes on the list and keeps the step; a step past
    // the plain turn's 40 goes on from 46 mod 40.
    const State& s = state();
    const int k = s.k;
    ASSERT_EQ(run("advance 100 set moto 1"), 0);
    EXPECT_TRUE(s.k == k + 10 && s.N == 30 && s.n == 1);
    ASSERT_EQ(run(QStringLiteral("tick %1 set moto 0 tick").arg(45 - s.k)), 0);
    EXPECT_TRUE(s.k == 6 && s.N == 20 && s.n == 0);
    // Reopened during a wipe, the window starts afresh in the shaded view with plain precession.
    ASSERT_EQ(run("set moto 1 click evid close open Tprecter"), 0);
    EXPECT_TRUE(s.k == 0 && s.N == 20 && s.viewMode == ShadedShown && enabled("evid"));
}

}  // namespace
