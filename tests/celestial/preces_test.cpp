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
std::string sizeName(const ::testing::TestParamInfo<Size>& info)
{
    return std::to_string(info.param.w) + "x" + std::to_string(info.param.h);
}

// The model on a window surface of w x h, black like the form.
struct PrecesModel : ::testing::TestWithParam<Size> {
    int w = GetParam().w, h = GetParam().h;
    raster::Bitmap surface;
    const State& s = state();
    void SetUp() override
    {
        create(w, h);
        surface.canvas().brush.color = kBlack;
        surface.setSize(w, h);
    }
    void TearDown() override { release(); }
    bool step(bool paused = false) { return tick(surface.canvas(), paused); }
    // Whether the surface shows columns [from, to) of a view placed at (cx, 0).
    bool showsColumns(const raster::Bitmap& view, int from, int to)
    {
        for (int x = from; x < to; ++x)
            for (int y = 0; y < h; ++y)
                if (surface.canvas().pixel(s.g.cx + x, y) != view.canvas().pixel(x, y))
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
    EXPECT_DOUBLE_EQ(perspectiveShift(1e-300, 0.75), 0.75);
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
TEST_P(PrecesModel, TheShadedViewsDiscAndPaths)
{
    const Geometry& g = s.g;
    for (int item : {0, 1}) {
        chooseMotion(item);
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
                        maxDy = std::max<long>(maxDy, std::min(std::abs(y - (g.cy - g.cx)), std::abs(y - (g.cy + g.cx))));
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
        const auto grey = [&](int x, int y) { return v.pixel(x, y) == kGrey || v.pixel(x, y - 1) == kGrey || v.pixel(x - 1, y) == kGrey; };
        EXPECT_TRUE(item == 1 || (grey(g.cx - g.a, g.cy - g.cx) && grey(g.cx - g.a, g.cy + g.cx) && grey(g.cx, g.cy + g.cx - g.b)));
    }
}

TEST_P(PrecesModel, TheWipeSpreadsTheMotionViewLeftwardsAndTheShadedViewRightwards)
{
    const int wipeTicks = (w / 4 + 1) / 2;   // t = 0, 2, .. while t < W div 4
    const int right = (3 * w) / 8, cx = s.g.cx;
    startWipe();
    EXPECT_EQ(s.viewMode, Wiping);
    for (int i = 0; i < wipeTicks; ++i) {
        ASSERT_EQ(s.t, 2 * i);
        ASSERT_FALSE(step()) << i;
        // A quarter of the way the strip, copied unmirrored, holds columns right - t .. right; the
        // shaded view shows left of it, its upper axis starting white at the centre.
        EXPECT_TRUE(i != wipeTicks / 4 || (showsColumns(s.motion, right - 2 * i, right) &&
                                           surface.canvas().pixel(2 * cx, h / 2) == kWhite &&
                                           s.motion.canvas().pixel(cx, h / 2) == kBlack));
    }
    // The next tick ends the wipe; from then on the motion view shows alone.
    EXPECT_TRUE(step() && s.viewMode == MotionShown);
    EXPECT_FALSE(step());
    EXPECT_TRUE(showsColumns(s.motion, 0, w / 2));
    // Back to the shaded view, paused for a while halfway: nothing moves, the wipe stays shown.
    startWipe();
    EXPECT_TRUE(s.shadedWanted);
    for (int i = 0; i < wipeTicks / 4; ++i)
        ASSERT_FALSE(step());
    const int t = s.t, k = s.k;
    for (int i = 0; i < 5; ++i)
        step(true);
    EXPECT_TRUE(s.t == t && s.k == k && t == 2 * (wipeTicks / 4));
    EXPECT_TRUE(showsColumns(s.shaded, w / 9, w / 9 + t));
    EXPECT_EQ(surface.canvas().pixel(2 * cx, h / 2), kBlack);   // the motion view's centre
    for (int i = wipeTicks / 4; i < wipeTicks; ++i)
        ASSERT_FALSE(step());
    EXPECT_TRUE(step() && s.viewMode == ShadedShown);
    step();
    EXPECT_TRUE(showsColumns(s.shaded, 0, w / 2) && surface.canvas().pixel(2 * cx, h / 2) == kWhite);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PrecesModel, ::testing::Values(Size{530, 345}, Size{1916, 1000}, Size{811, 603}), sizeName);

using PrecesWindow = WindowTest;

TEST_F(PrecesWindow, ItsControlsAndTheViewButtonThroughAWipe)
{
    ASSERT_EQ(run("open Tprecter"), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Precession and nutation"));
    EXPECT_TRUE(w().animationTimer()->name() == "cadenza" && w().animationTimer()->interval() == 5 &&
                w().controlPosition(c("velo")) == 90);
    EXPECT_EQ(qobject_cast<QComboBox*>(c("moto").widget)->itemText(1), QStringLiteral("precession and nutation"));
    EXPECT_EQ(c("evid").hint, QStringLiteral("enhance motion"));
    const State& s = state();
    const int k = s.k;
    // 5 ms runs at the 10 ms floor. The motion changes on the list and keeps the step; a step past
    // the plain turn's 40 goes on from 46 mod 40.
    ASSERT_EQ(run("advance 100 set moto 1"), 0);
    EXPECT_TRUE(s.k == k + 10 && s.N == 30 && s.n == 1);
    ASSERT_EQ(run(QStringLiteral("tick %1 set moto 0 tick").arg(45 - s.k)), 0);
    EXPECT_TRUE(s.k == 6 && s.N == 20 && s.n == 0);
    // The view button stays disabled until the wipe's last strip is shown, also while paused.
    const int wipeTicks = (1916 / 4 + 1) / 2;
    ASSERT_EQ(run(QStringLiteral("click evid tick %1 click pausa tick 3").arg(wipeTicks - 1)), 0);
    EXPECT_TRUE(!enabled("evid") && s.viewMode == Wiping);
    ASSERT_EQ(run("click pausa tick"), 0);
    EXPECT_FALSE(enabled("evid"));
    ASSERT_EQ(run("tick"), 0);
    EXPECT_TRUE(enabled("evid") && s.viewMode == MotionShown);
    // Reopened during a wipe, the window starts afresh in the shaded view with plain precession.
    ASSERT_EQ(run("set moto 1 click evid close open Tprecter"), 0);
    EXPECT_TRUE(s.k == 0 && s.N == 20 && s.viewMode == ShadedShown && enabled("evid"));
}

TEST_F(PrecesWindow, TheListIsAsWideAsItsLongestItemBeyond255Pixels)
{
    // A language file's long item texts: the width is not cut to 8 bits.
    const std::string longer(60, 'W');
    texts::HintTexts.set(71, texts::Custom, "short");
    texts::HintTexts.set(72, texts::Custom, longer);
    ASSERT_EQ(run("frame"), 0);   // the main window chooses its language first
    globals::LanguageIndex = texts::Custom;
    ASSERT_EQ(run("open Tprecter"), 0);
    QFont bold = static_cast<QLabel*>(c("Label1").widget)->font();
    bold.setBold(true);
    bold.setPointSize(8);
    const int text = QFontMetrics(bold).horizontalAdvance(QString::fromStdString(longer));
    ASSERT_GT(text, 255);
    EXPECT_EQ(c("moto").widget->minimumWidth(), text + c("guida").widget->sizeHint().width() + 7);
}

}  // namespace
