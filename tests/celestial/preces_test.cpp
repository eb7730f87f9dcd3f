// The precession window: the equator's fill, the precession paths of both motions, the wipe between
// the views, and the window as a user drives it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <cmath>
#include <numbers>
#include <set>
#include <utility>

#include "celestial/preces.h"
#include "window_test.h"

namespace {

using preces::kBlack;
using preces::kBlue;
using preces::kGrey;
using preces::kNavy;
constexpr double kPi = std::numbers::pi;

int roundEven(double x) { return static_cast<int>(std::nearbyint(x)); }

struct Size { int w, h; };

// A surface of the window's client size, black like the form.
struct Surface {
    raster::Bitmap bitmap;
    Surface(int w, int h)
    {
        bitmap.canvas().brush.color = kBlack;
        bitmap.setSize(w, h);
    }
    raster::Canvas& canvas() { return bitmap.canvas(); }
};

// ---- The perspective term where the cosine vanishes ------------------------------------------

TEST(PrecesShift, ZeroCosineGivesTheMagnitudeWithTheCosinesSign)
{
    EXPECT_EQ(preces::perspectiveShift(0.0, -1.25), 1.25);
    EXPECT_EQ(preces::perspectiveShift(-0.0, 1.25), -1.25);
    EXPECT_EQ(preces::perspectiveShift(-0.0, -0.5), -0.5);
    // Elsewhere |c·v| / c, i.e. |v| with the sign of c.
    EXPECT_DOUBLE_EQ(preces::perspectiveShift(-0.25, 2.0), -2.0);
    EXPECT_DOUBLE_EQ(preces::perspectiveShift(1e-300, 0.75), 0.75);
}

TEST(PrecesShift, GeometryAndEquatorPoints)
{
    const preces::Geometry g = preces::geometryFor(1916, 1000);
    EXPECT_TRUE(g.cx == 479 && g.r == 239 && g.cy == 500 && g.a == 50 && g.b == 25);
    EXPECT_NEAR(g.e, 239.5 - std::sqrt(239.5 * 239.5 - 25.0 * 25.0), 1e-5);
    // The point a quarter turn round the equator is pushed right (cos θ > 0) or left by |e·cos φ|.
    for (int j : {0, 5, 10, 15, 30}) {
        const double theta = j * kPi / 20, phi = 0.3, c = std::cos(theta);
        const double shift = (c > 0 ? 1 : -1) * std::fabs(g.e * std::cos(phi));
        const raster::Point p = preces::equatorPoint(g, theta, phi, 1.2);
        EXPECT_EQ(p.x, 479 + roundEven(239 * c - shift)) << j;
        EXPECT_EQ(p.y, 500 + roundEven(50 * std::sin(theta) + 1.2 * 25 * std::cos(phi))) << j;
    }
    // A client more than five times taller than wide keeps a finite correction.
    const preces::Geometry tall = preces::geometryFor(40, 400);
    EXPECT_TRUE(std::isfinite(tall.e));
    EXPECT_FLOAT_EQ(tall.e, 5.0f);
}

// ---- The shaded view --------------------------------------------------------------------------

struct PrecesModel : ::testing::TestWithParam<Size> {
    void TearDown() override { preces::release(); }
};

// Every blue or navy pixel of the shaded view lies on the globe's outline or in the band of the
// equator; the disc is split into a navy half (towards step k + N/2) and a blue half.
TEST_P(PrecesModel, EquatorFillStaysInsideTheDisc)
{
    const auto [w, h] = GetParam();
    preces::create(w, h);
    Surface surface(w, h);
    const preces::Geometry& g = preces::state().g;
    for (int item : {0, 1}) {
        preces::chooseMotion(item);
        const int N = item ? 30 : 20;
        const int n = item;
        const double band = g.a + 1.3 * g.b + 2;
        int crossed = 0;
        for (int k = 0; k < 2 * N; ++k) {
            ASSERT_EQ(preces::state().k, k);
            preces::tick(surface.canvas(), false);
            const raster::Canvas& v = preces::state().shaded.canvas();
            long blue = 0, navy = 0;
            for (int y = 0; y < v.height(); ++y)
                for (int x = 0; x < v.width(); ++x) {
                    const raster::Color p = v.pixel(x, y);
                    if (p != kBlue && p != kNavy)
                        continue;
                    (p == kBlue ? blue : navy)++;
                    const double d = std::hypot(x - g.cx, y - g.cy);
                    const bool ring = p == kBlue && d >= g.r - 1 && d <= g.r + 3;
                    const bool inBand = std::abs(y - g.cy) <= band && std::abs(x - g.cx) <= g.r + 1;
                    ASSERT_TRUE(ring || inBand) << "item " << item << " k " << k << " at " << x << "," << y;
                }
            EXPECT_GT(blue, 0);
            EXPECT_GT(navy, 0);
            // Half radius on the bisector of the two radii: navy towards k + N/2, blue opposite.
            const double nu = 1 + 0.3 * n * std::sin(k * kPi / 5);
            for (int side : {0, 1}) {
                const double alpha = k * kPi / N + kPi / 2 + side * kPi;
                const double beta = 2 * k * kPi / N + kPi / 8 + kPi / 2 + side * kPi;
                const double shift = (std::cos(alpha) >= 0 ? 1 : -1) * std::fabs(g.e * std::cos(beta));
                const int x = g.cx + roundEven(g.r / 2.0 * std::cos(alpha) - shift);
                const int y = g.cy + roundEven(g.a / 2.0 * std::sin(alpha) + nu * g.b / 2.0 * std::cos(beta));
                // The upper axis, drawn over the disc, may cross the point.
                if (v.pixel(x, y) != preces::kWhite)
                    EXPECT_EQ(v.pixel(x, y), side == 0 ? kNavy : kBlue) << "item " << item << " k " << k;
                else
                    ++crossed;
            }
        }
        EXPECT_LE(crossed, 4) << "item " << item;
    }
}

// The grey dots of both paths at step k: j = 0 .. 2N at angle j·π/N + π/8, cx above and below.
std::set<std::pair<int, int>> expectedDots(const preces::Geometry& g, int N, int n, int w, int h)
{
    std::set<std::pair<int, int>> dots;
    for (int j = 0; j <= 2 * N; ++j) {
        const double angle = j * kPi / N + kPi / 8;
        const int u = g.cx + roundEven(g.a * std::cos(angle));
        const int v = g.cy - roundEven((1 + 0.3 * n * std::sin(j * kPi / 5)) * g.b * std::sin(angle));
        for (int y : {v + g.cx, v - g.cx})
            if (u >= 0 && u < w / 2 && y >= 0 && y < h)
                dots.insert({u, y});
    }
    return dots;
}

std::set<std::pair<int, int>> greyPixels(const raster::Canvas& v)
{
    std::set<std::pair<int, int>> grey;
    for (int y = 0; y < v.height(); ++y)
        for (int x = 0; x < v.width(); ++x)
            if (v.pixel(x, y) == kGrey)
                grey.insert({x, y});
    return grey;
}

TEST_P(PrecesModel, BothMotionsDrawTheirPaths)
{
    const auto [w, h] = GetParam();
    preces::create(w, h);
    Surface surface(w, h);
    const preces::Geometry& g = preces::state().g;
    // Plain precession: the dots and two full grey ellipses of semi-axes a and b.
    for (int k = 0; k < 7; ++k)
        preces::tick(surface.canvas(), false);
    std::set<std::pair<int, int>> grey = greyPixels(preces::state().shaded.canvas());
    const std::set<std::pair<int, int>> plain = expectedDots(g, 20, 0, w, h);
    // The lower dots are drawn after the lower axis; the upper ones may lie under the upper axis.
    const raster::Canvas& view = preces::state().shaded.canvas();
    for (const auto& [x, y] : plain)
        EXPECT_TRUE(grey.count({x, y}) || (y < g.cy && view.pixel(x, y) == preces::kWhite)) << x << "," << y;
    EXPECT_GT(grey.size(), plain.size() + 4 * static_cast<std::size_t>(g.a));
    for (int y : {g.cy - g.cx, g.cy + g.cx}) {
        // The leftmost column of each ellipse at its middle, and the top row at its middle.
        if (y - g.b < 0 || y + g.b > h)
            continue;
        EXPECT_TRUE(grey.count({g.cx - g.a, y}) || grey.count({g.cx - g.a, y - 1})) << y;
        EXPECT_TRUE(grey.count({g.cx, y - g.b}) || grey.count({g.cx - 1, y - g.b})) << y;
    }
    // With nutation: only the dots, wobbling in height by the nutation factor of their index.
    preces::chooseMotion(1);
    preces::tick(surface.canvas(), false);
    grey = greyPixels(preces::state().shaded.canvas());
    EXPECT_EQ(grey, expectedDots(g, 30, 1, w, h));
}

INSTANTIATE_TEST_SUITE_P(Sizes, PrecesModel,
                         ::testing::Values(Size{530, 345}, Size{1916, 1000}, Size{811, 603}),
                         [](const auto& info) {
                             return std::to_string(info.param.w) + "x" + std::to_string(info.param.h);
                         });

TEST(PrecesSteps, SwitchingTheMotionKeepsTheStep)
{
    preces::create(530, 345);
    Surface surface(530, 345);
    const preces::State& s = preces::state();
    auto ticks = [&](int n, bool paused = false) {
        for (int i = 0; i < n; ++i)
            preces::tick(surface.canvas(), paused);
        return int(s.k);
    };
    preces::chooseMotion(1);
    EXPECT_EQ(ticks(45), 45);
    preces::chooseMotion(0);
    EXPECT_TRUE(s.k == 45 && s.N == 20 && s.n == 0);
    EXPECT_EQ(ticks(1), 6);
    // A counter at 39 goes to 0; with nutation the turn has 60 steps.
    EXPECT_EQ(ticks(33), 39);
    EXPECT_EQ(ticks(1), 0);
    preces::chooseMotion(1);
    EXPECT_EQ(ticks(59), 59);
    EXPECT_EQ(ticks(1, true), 59);   // paused: nothing moves
    EXPECT_EQ(ticks(1), 0);
    preces::release();
}

// ---- The wipe ---------------------------------------------------------------------------------

bool columnEquals(const raster::Canvas& surface, int sx, const raster::Canvas& view, int vx)
{
    for (int y = 0; y < view.height(); ++y)
        if (surface.pixel(sx, y) != view.pixel(vx, y))
            return false;
    return true;
}

// The window shows the whole view at (cx, 0), pixel for pixel.
bool showsWholly(const raster::Canvas& surface, int cx, const raster::Canvas& view)
{
    for (int x = 0; x < view.width(); ++x)
        if (!columnEquals(surface, cx + x, view, x))
            return false;
    return true;
}

struct PrecesWipe : ::testing::TestWithParam<Size> {
    void TearDown() override { preces::release(); }
};

TEST_P(PrecesWipe, TheMotionViewSpreadsLeftwardsAndTheShadedViewRightwards)
{
    const auto [w, h] = GetParam();
    preces::create(w, h);
    Surface surface(w, h);
    const int cx = w / 4;
    const int wipeTicks = (w / 4 + 1) / 2;   // t = 0, 2, .. while t < W div 4
    for (int i = 0; i < 3; ++i)
        preces::tick(surface.canvas(), false);

    // Towards the motion view.
    preces::startWipe();
    EXPECT_EQ(preces::state().viewMode, preces::Wiping);
    for (int i = 0; i < wipeTicks; ++i) {
        const int t = 2 * i;
        ASSERT_EQ(preces::state().t, t);
        ASSERT_FALSE(preces::tick(surface.canvas(), false)) << i;
        const raster::Canvas& motion = preces::state().motion.canvas();
        const int right = (3 * w) / 8;
        if (i == wipeTicks / 4) {
            // The strip is copied unmirrored: column x of the motion view at column cx + x.
            bool symmetric = true;
            for (int x = right - t; x < right; ++x) {
                EXPECT_TRUE(columnEquals(surface.canvas(), cx + x, motion, x)) << "column " << x;
                const int mirrored = 2 * right - t - 1 - x;
                symmetric = symmetric && columnEquals(surface.canvas(), cx + x, motion, mirrored);
            }
            EXPECT_FALSE(symmetric);
            // Left of the strip the shaded view shows: its upper axis starts white at the centre.
            EXPECT_EQ(surface.canvas().pixel(cx + cx, h / 2), preces::kWhite);
            EXPECT_EQ(motion.pixel(cx, h / 2), kBlack);
        }
    }
    // The next tick ends the wipe; the one after shows the motion view alone.
    EXPECT_TRUE(preces::tick(surface.canvas(), false) && preces::state().viewMode == preces::MotionShown);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(preces::tick(surface.canvas(), false));
        ASSERT_TRUE(showsWholly(surface.canvas(), cx, preces::state().motion.canvas())) << i;
    }

    // Back to the shaded view, paused for a while halfway: nothing moves, the wipe stays shown.
    preces::startWipe();
    EXPECT_TRUE(preces::state().shadedWanted);
    for (int i = 0; i < wipeTicks / 4; ++i)
        ASSERT_FALSE(preces::tick(surface.canvas(), false));
    const int t = preces::state().t;
    const std::uint8_t k = preces::state().k;
    EXPECT_EQ(t, 2 * (wipeTicks / 4));
    for (int i = 0; i < 5; ++i)
        preces::tick(surface.canvas(), true);
    EXPECT_TRUE(preces::state().t == t && preces::state().k == k);
    const raster::Canvas& shaded = preces::state().shaded.canvas();
    for (int x = w / 9; x < w / 9 + t; ++x)
        ASSERT_TRUE(columnEquals(surface.canvas(), cx + x, shaded, x)) << x;
    EXPECT_EQ(surface.canvas().pixel(cx + cx, h / 2), kBlack);   // the motion view's centre
    for (int i = wipeTicks / 4; i < wipeTicks; ++i)
        ASSERT_FALSE(preces::tick(surface.canvas(), false));
    EXPECT_TRUE(preces::tick(surface.canvas(), false) && preces::state().viewMode == preces::ShadedShown);
    for (int i = 0; i < 3; ++i) {
        preces::tick(surface.canvas(), false);
        ASSERT_TRUE(showsWholly(surface.canvas(), cx, preces::state().shaded.canvas())) << i;
    }
    EXPECT_EQ(surface.canvas().pixel(cx + cx, h / 2), preces::kWhite);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PrecesWipe, ::testing::Values(Size{530, 345}, Size{1916, 1000}),
                         [](const auto& info) {
                             return std::to_string(info.param.w) + "x" + std::to_string(info.param.h);
                         });

// ---- The window -------------------------------------------------------------------------------

using PrecesWindow = WindowTest;

TEST_F(PrecesWindow, OpensWithItsControlsAndKeepsTheDesignIntervalUntilTheBarMoves)
{
    ASSERT_EQ(run(QStringLiteral("open Tprecter")), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Precession and nutation"));
    EXPECT_EQ(w().animationTimer()->name(), "cadenza");
    EXPECT_EQ(w().animationTimer()->interval(), 5);
    EXPECT_EQ(w().controlPosition(c("velo")), 90);
    EXPECT_EQ(qobject_cast<QComboBox*>(c("moto").widget)->itemText(1), QStringLiteral("precession and nutation"));
    EXPECT_EQ(c("evid").hint, QStringLiteral("enhance motion"));
    const int k = preces::state().k;
    ASSERT_EQ(run(QStringLiteral("advance 100")), 0);
    EXPECT_EQ(preces::state().k, k + 10);   // 5 ms runs at the 10 ms floor
    ASSERT_EQ(run(QStringLiteral("set velo 150")), 0);
    EXPECT_EQ(w().animationTimer()->interval(), 50);
    ASSERT_EQ(run(QStringLiteral("set moto 1")), 0);
    EXPECT_TRUE(preces::state().N == 30 && preces::state().n == 1);
    ASSERT_EQ(run(QStringLiteral("set moto 0")), 0);
    EXPECT_TRUE(preces::state().N == 20 && preces::state().n == 0);
}

TEST_F(PrecesWindow, EvidStaysDisabledThroughTheWipe)
{
    const preces::State& s = preces::state();
    ASSERT_EQ(run(QStringLiteral("open Tprecter tick 4 click evid")), 0);
    EXPECT_TRUE(!enabled("evid") && s.viewMode == preces::Wiping);
    EXPECT_EQ(run(QStringLiteral("click evid")), 2);   // a second press is impossible
    const int wipeTicks = (1916 / 4 + 1) / 2;
    ASSERT_EQ(run(QStringLiteral("tick %1 click pausa tick 3").arg(wipeTicks - 1)), 0);   // paused, the wipe waits
    EXPECT_TRUE(!enabled("evid") && s.viewMode == preces::Wiping);
    ASSERT_EQ(run(QStringLiteral("click pausa tick")), 0);   // its last strip
    EXPECT_FALSE(enabled("evid"));
    ASSERT_EQ(run(QStringLiteral("tick")), 0);
    EXPECT_TRUE(enabled("evid") && s.viewMode == preces::MotionShown);
    ASSERT_EQ(run(QStringLiteral("click evid tick %1").arg(wipeTicks)), 0);
    EXPECT_FALSE(enabled("evid"));
    ASSERT_EQ(run(QStringLiteral("tick")), 0);
    EXPECT_TRUE(enabled("evid") && s.viewMode == preces::ShadedShown);
    // Reopened, the window starts afresh in the shaded view with plain precession.
    ASSERT_EQ(run(QStringLiteral("set moto 1 click evid close open Tprecter")), 0);
    EXPECT_TRUE(s.k == 0 && s.N == 20 && s.viewMode == preces::ShadedShown && enabled("evid"));
}

TEST_F(PrecesWindow, TheListIsAsWideAsItsLongestItemBeyond255Pixels)
{
    // A language file's long item texts: the width is not cut to 8 bits.
    const std::string longer(60, 'W');
    texts::HintTexts.set(71, texts::Custom, "short");
    texts::HintTexts.set(72, texts::Custom, longer);
    ASSERT_EQ(run(QStringLiteral("frame")), 0);   // the main window chooses its language first
    globals::LanguageIndex = texts::Custom;
    ASSERT_EQ(run(QStringLiteral("open Tprecter")), 0);
    QFont bold = static_cast<QLabel*>(w().control(QStringLiteral("Label1"))->widget)->font();
    bold.setBold(true);
    bold.setPointSize(8);
    const int text = QFontMetrics(bold).horizontalAdvance(QString::fromStdString(longer));
    ASSERT_GT(text, 255);
    const int guida = w().control(QStringLiteral("guida"))->widget->sizeHint().width();
    EXPECT_EQ(w().control(QStringLiteral("moto"))->widget->minimumWidth(), text + guida + 7);
}

}  // namespace
