// The Earth-oscillation window: its pictures at stated phases, the fill inside the outline, the
// two loops, the progress count, and the window's state rules as driven.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

#include <QProgressBar>

#include "earthquakes/oscillazioneb.h"
#include "window_test.h"

namespace {

namespace osc = oscillazioneb;
constexpr double kPi = std::numbers::pi;

raster::Bitmap picture(int h, int mode, int p, int r, float rho)
{
    raster::Bitmap b;
    b.canvas().brush.color = osc::kBlack;
    b.setSize((h * 3) / 5, (h * 3) / 5);
    int counter = 0;
    osc::drawFrame(b.canvas(), h, mode, p, r, rho, counter);
    return b;
}

// Outside the circle of radius H/4 + margin round (0.3 H, 0.275 H) all is black; inside radius
// H/4 - margin all is globe (blue or white lines).
void expectFilledGlobe(const raster::Canvas& c, int h, double margin)
{
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const double d = std::hypot(x - 0.3 * h, y - 0.275 * h);
            const raster::Color px = c.pixel(x, y);
            if (d > h / 4.0 + margin) {
                ASSERT_EQ(px, osc::kBlack) << h << ": " << x << "," << y;
            } else if (d < h / 4.0 - margin) {
                ASSERT_TRUE(px == osc::kGlobe || px == osc::kWhite) << h << ": " << x << "," << y;
            }
        }
}

TEST(OscillaFrames, ModeBBendsTheCentralMeridianByItsAmplitude)
{
    // v = 0 at 44 degrees north (j = 22): x = 300 - 0.2 sin(88 deg) 24 (p - 2), y = 275 - 250 sin 44 deg.
    const int y = static_cast<int>(std::lround(275 - 250 * std::sin(44 * kPi / 180)));
    for (int p : {0, 2, 4}) {
        const raster::Bitmap b = picture(1000, 2, p, 0, 0.0f);
        const int x = static_cast<int>(std::lround(300 - 0.2 * std::sin(88 * kPi / 180) * 24 * (p - 2)));
        EXPECT_EQ(b.canvas().pixel(x, y), osc::kWhite) << "p " << p;
        EXPECT_EQ(b.canvas().pixel(x + (p == 0 ? -3 : 3), y), osc::kGlobe) << "p " << p;
    }
}

TEST(OscillaFrames, ModeAStretchesTheEquatorWithTheSignOfTheAmplitude)
{
    // With rho = 0 the equator's ends move by tau = 4 a[p] = -3.2 (p = 0) or +3.2 (p = 4) pixels.
    for (auto [p, left, right] : {std::tuple{0, 53, 547}, std::tuple{4, 47, 553}}) {
        const raster::Bitmap b = picture(1000, 1, p, 1, 0.0f);   // r = 1: no meridian on the rim
        EXPECT_EQ(b.canvas().pixel(left - 1, 275), osc::kBlack) << "p " << p;
        EXPECT_EQ(b.canvas().pixel(left, 275), osc::kWhite) << "p " << p;
        EXPECT_EQ(b.canvas().pixel(right, 275), osc::kOutline) << "p " << p;
        EXPECT_EQ(b.canvas().pixel(right + 1, 275), osc::kBlack) << "p " << p;
    }
}

TEST(OscillaFrames, TheFillStaysInsideTheOutlineAt4To3And16To9)
{
    for (int h : {700, 1000})
        for (int mode : {1, 2})
            for (int p : {0, 4})
                expectFilledGlobe(picture(h, mode, p, 3, static_cast<float>(3 * kPi / 8)).canvas(), h,
                                  mode == 1 ? 5 : 2);
}

TEST(OscillaFrames, MeridiansStepOneUnitPerRotation)
{
    // At 30 degrees north, meridian v stands at x = 300 + cos 30 deg v 1000/96.
    for (int r = 0; r < osc::kRotations; ++r) {
        const raster::Bitmap b = picture(1000, 2, 2, r, 0.0f);
        for (int v = r - 18; v < 24; v += 6) {
            const double x = 300 + std::cos(kPi / 6) * v * (1000.0 / 96);
            EXPECT_EQ(b.canvas().pixel(static_cast<int>(std::lround(x)), 150), osc::kWhite) << r << " " << v;
            EXPECT_EQ(b.canvas().pixel(static_cast<int>(std::lround(x + 5)), 150), osc::kGlobe) << r << " " << v;
        }
    }
}

TEST(OscillaModel, EachModeGetsItsOwnThirtyPicturesWhenFirstDrawn)
{
    osc::create();
    osc::precompute(400);
    EXPECT_EQ(osc::bytes(), 30u * 240 * 240 * 4);
    ASSERT_TRUE(osc::choose(2));
    osc::precompute(400);
    EXPECT_EQ(osc::bytes(), 60u * 240 * 240 * 4);
    // Mode B's pictures are its own: the central meridian bends, in mode A it does not.
    EXPECT_EQ(osc::frame(4, 0, 1).canvas().pixel(120, 90), osc::kWhite);
    EXPECT_NE(osc::frame(4, 0, 2).canvas().pixel(120, 90), osc::kWhite);
    osc::release();
}

using OscillaWindow = WindowTest;

TEST_F(OscillaWindow, TheLoopsCloseAndPauseOrStillGlobeHoldTheirStep)
{
    ASSERT_EQ(run(QStringLiteral("open Toscilla")), 0);
    ASSERT_EQ(run(QStringLiteral("tick 16")), 0);   // the globe stands still: only the amplitude swings
    EXPECT_EQ(osc::state().k, 0);
    EXPECT_EQ(osc::state().r, 0);
    ASSERT_EQ(run(QStringLiteral("click rotazion tick")), 0);
    const raster::Bitmap& surface = w().surfaceBitmap();
    const std::vector<std::uint32_t> first(surface.canvas().bits(), surface.canvas().bits() + surface.bytes() / 4);
    ASSERT_EQ(run(QStringLiteral("tick 48")), 0);   // 3 swings, 8 turns
    EXPECT_EQ(std::memcmp(first.data(), surface.canvas().bits(), surface.bytes()), 0);
    ASSERT_EQ(run(QStringLiteral("click pausa tick 5")), 0);
    EXPECT_EQ(osc::state().k, 1);
    EXPECT_EQ(osc::state().r, 1);
}

TEST_F(OscillaWindow, ModeBIsDrawnOnceOnDisegnaAndClosingFreesEverything)
{
    ASSERT_EQ(run(QStringLiteral("open Toscilla")), 0);
    EXPECT_FALSE(enabled("disegna"));
    ASSERT_EQ(run(QStringLiteral("set tipo 1")), 0);
    EXPECT_TRUE(enabled("disegna"));
    auto* bar = qobject_cast<QProgressBar*>(c("Progressione").widget);
    std::vector<int> seen;   // the bar's positions while it shows
    QObject::connect(bar, &QProgressBar::valueChanged, [&](int v) { seen.push_back(bar->isVisible() ? v : -1); });
    ASSERT_EQ(run(QStringLiteral("click disegna")), 0);
    // 30 pictures of 186 outline points, plus 9 meridians at r = 0 and 8 at r = 1..5.
    ASSERT_EQ(seen.size(), 31u);
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 30 * 186 + 5 * 9 + 25 * 8);
    EXPECT_FALSE(shown("Progressione"));
    EXPECT_FALSE(enabled("disegna"));
    EXPECT_EQ(osc::state().shownMode, 2);
    osc::frame(0, 0, 2).canvas().setPixel(0, 0, osc::kWhite);   // a mark that a redraw would wipe
    ASSERT_EQ(run(QStringLiteral("set tipo 0 click disegna set tipo 1 click disegna")), 0);
    EXPECT_EQ(osc::frame(0, 0, 2).canvas().pixel(0, 0), osc::kWhite);
    ASSERT_EQ(run(QStringLiteral("close")), 0);
    EXPECT_TRUE(globals::WindowClosedFlags[14]);
    EXPECT_EQ(osc::bytes(), 0u);
}

struct OscillaWide : WindowTest {
    OscillaWide() { options.size = QSize(2300, 1000); }
};

TEST_F(OscillaWide, AWindowWiderThan22TenthsOfItsHeightFillsTheGlobeOnly)
{
    // The seed (W div 4, H div 4) would lie right of the globe here and flood the space round it:
    // where that seed would be, the picture stays black.
    ASSERT_EQ(run(QStringLiteral("open Toscilla tick")), 0);
    const raster::Canvas& c = w().surface();
    const int x0 = 2300 / 2 - 300, y0 = 250;
    EXPECT_EQ(c.pixel(x0 + 575, y0 + 250), osc::kBlack);
    expectFilledGlobe(osc::frame(0, 0, 1).canvas(), 1000, 5);
}

}  // namespace
