// The cyclone window: the axonometric spiral and its far levels, the sections' dots, the two halves
// played in opposite orders, and the window's view list, new button and timer.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontMetrics>
#include <cmath>
#include <numbers>

#include "rotation/ciclone.h"
#include "window_test.h"

namespace {

using namespace ciclone;
constexpr double kPi = std::numbers::pi;

struct CycloneModel : ::testing::Test {
    raster::Bitmap surface;
    void draw(int view, int w, int h)
    {
        create(w, h);
        surface.setSize(w, h);
        precompute(view, surface.canvas(), w, h);
    }
    const raster::Canvas& frame(int k) { return state().frames[k].canvas(); }
    void TearDown() override { release(); }
};

// Sky above the horizon at 7H/12, ground below it, black particles on both and nothing else.
void expectSkyAndGround(const raster::Canvas& c, int h)
{
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (const raster::Color p = c.pixel(x, y); p != kBlack) {
                ASSERT_EQ(p, y <= (7 * h) / 12 ? kCyan : kGreen) << x << "," << y;
            }
}

TEST_F(CycloneModel, TheAxonometricSpiralRisesAndTurnsAFrameAStep)
{
    draw(Axonometric, 1916, 1000);
    // At L = 1249 = 1.25 H the spiral is narrowest: rho = 1000 / (20 sin(1249 pi / 2500)).
    const double rho = 1000 / (20 * std::sin(1249 * kPi / 2500));
    for (int k = 0; k < kFrames; ++k) {
        expectSkyAndGround(frame(k), 1000);
        for (int a = 0; a < 6; ++a) {
            const double g = (1249 + k) * kPi / 80 + a * kPi / 3;
            const int x = 479 + static_cast<int>(std::nearbyint(std::cos(g) * rho));
            const int y = 800 - static_cast<int>(std::nearbyint((1249 + k) / 4.0 + std::nearbyint(std::sin(g) * 62.5)));
            EXPECT_EQ(frame(k).pixel(x, y), kBlack) << "arm " << a << " frame " << k;
        }
    }
}

TEST_F(CycloneModel, ALevelAtTwoAndAHalfHeightsIsDrawnWithoutItsFarPoints)
{
    // At H = 458 level 1145 = 2.5 H is reached (level 1141 ends below row 91 - 13) and its radius
    // is some 1e17: none of its points lies in the frame, and the frames are drawn whole.
    EXPECT_GT(airParticle(1141, 5, 3, 611, 458).y, 78);
    for (int a = 0; a < 6; ++a)
        for (int k = 0; k < kFrames; ++k)
            EXPECT_FALSE(airParticle(1145, a, k, 611, 458).inFrame);
    draw(Axonometric, 611, 458);
    for (int k = 0; k < kFrames; ++k)
        expectSkyAndGround(frame(k), 458);
}

TEST_F(CycloneModel, SectionsSpiralOutFromTheCentreAndAloftIsMirrored)
{
    for (int view : {GroundSection, AloftSection}) {
        draw(view, 1020, 700);
        const int sign = view == GroundSection ? 1 : -1;
        EXPECT_EQ(frame(0).pixel(255, 350), view == GroundSection ? kDarkGreen : kTeal);
        EXPECT_EQ(frame(0).pixel(2, 2), view == GroundSection ? kGreen : kCyan);
        // phi = 100, arm 1, frame 2: u = 102, r = 60.6, turned by c = 0.4.
        const double g = 102 * kPi / 90 + kPi / 3 + 0.4;
        const int x = 255 + static_cast<int>(std::nearbyint(std::cos(g) * 60.6));
        const int y = 350 + sign * static_cast<int>(std::nearbyint(std::sin(g) * 60.6));
        EXPECT_EQ(frame(2).pixel(x - 1, y - 1), kBlack);
        EXPECT_EQ(frame(2).pixel(x, y), kBlack);
    }
}

TEST_F(CycloneModel, TheHalvesPlayOppositeOrdersAndPauseDrawsNothing)
{
    for (int view : {Axonometric, GroundSection}) {
        draw(view, 1021, 700);
        const raster::Canvas& s = surface.canvas();
        EXPECT_EQ(s.pixel(0, 0), kBlack);   // the clearing rectangle's outline
        for (int t = 0; t < 6; ++t) {
            tick(surface.canvas(), 1021, t == 3);
            const int shown = t < 3 ? t : t - 1;   // tick 3 is paused
            const int left = view == GroundSection ? 3 - shown % 4 : shown % 4;
            for (int y = 0; y < 700; ++y)
                for (int x = 0; x < 1020; ++x)
                    ASSERT_EQ(s.pixel(x, y), frame(x < 510 ? left : 3 - left).pixel(x % 510, y))
                        << "tick " << t << " at " << x << "," << y;
        }
        EXPECT_EQ(s.pixel(1020, 5), kBlack);   // the odd column is left as cleared
    }
}

using CycloneWindow = WindowTest;

TEST_F(CycloneWindow, AViewIsDrawnOnlyByNewAndTheTimerIsRemembered)
{
    ASSERT_EQ(run(QStringLiteral("open Tciclon")), 0);
    EXPECT_TRUE(w().controlBar()->isVisible());
    EXPECT_EQ(w().animationTimer()->interval(), 100);
    EXPECT_FALSE(enabled("nuovo"));
    auto* list = static_cast<QComboBox*>(c("vista").widget);
    for (int i = 0; i < list->count(); ++i)
        EXPECT_GT(list->minimumWidth(), QFontMetrics(list->font()).horizontalAdvance(list->itemText(i)));

    ASSERT_EQ(run(QStringLiteral("tick set vista 2 tick")), 0);
    EXPECT_TRUE(enabled("nuovo"));
    EXPECT_EQ(state().view, Axonometric);
    EXPECT_EQ(w().surface().pixel(2, 990), kGreen);
    ASSERT_EQ(run(QStringLiteral("click nuovo")), 0);
    EXPECT_EQ(state().view, AloftSection);
    EXPECT_EQ(w().surface().pixel(2, 990), kSilver);
    EXPECT_FALSE(enabled("nuovo"));
    ASSERT_EQ(run(QStringLiteral("tick")), 0);
    EXPECT_EQ(w().surface().pixel(2, 990), kCyan);

    ASSERT_EQ(run(QStringLiteral("deactivate")), 0);
    EXPECT_TRUE(state().running);
    EXPECT_FALSE(w().animationTimer()->enabled());
    ASSERT_EQ(run(QStringLiteral("activate close open Tciclon")), 0);
    EXPECT_EQ(state().view, Axonometric);
    EXPECT_EQ(w().controlPosition(c("vista")), 0);
}

}  // namespace
