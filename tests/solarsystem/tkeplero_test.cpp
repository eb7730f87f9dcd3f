// Kepler's third law: the periods of the four planets and their value boxes at every screen size,
// their places at stated ticks, the orbits shown and hidden, pause and restart.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "solarsystem/tkeplero.h"
#include "window_test.h"

namespace {

int nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

// The third law with T1 = a1: the half-period of the orbit of `units` times a1.
double halfPeriod(int a1, int units) { return a1 * std::pow(units, 1.5); }

TEST(ThirdLawPeriods, TheValueBoxesFollowTheThirdLawAtEverySize)
{
    EXPECT_EQ(tkeplero::radiusText(300), "R = 300");
    EXPECT_EQ(tkeplero::periodText(50.0f), "T = 100");
    EXPECT_EQ(tkeplero::periodText(7.0f), "T =  14");
    EXPECT_EQ(tkeplero::tickText(123456789), "12345678");
    // W = 800: T = 100, 283, 800, 1470. From W = 3456 on a4^3 passes 2^31; from W = 5456 on the
    // outer period has five figures.
    for (const int w : {800, 3456, 3836, 6016}) {
        const int a1 = w / 16;
        const auto t = tkeplero::halfPeriods({a1, 2 * a1, 4 * a1, 6 * a1});
        for (int k = 0; k < 4; ++k) {
            const double expected = halfPeriod(a1, tkeplero::kRadiusUnits[k]);
            ASSERT_NEAR(t[k], expected, 1e-3 * expected) << w << " planet " << k + 1;
            EXPECT_EQ(tkeplero::periodText(t[k]), "T = " + std::to_string(nearest(2 * expected)));
        }
        // Half a period of the outer planet: on the far side of the Sun.
        const raster::Point far = tkeplero::planetAt(w, 2100, 6 * a1, t[3], nearest(t[3]));
        EXPECT_NEAR(far.x, w / 2 - 6 * a1, 1);
        EXPECT_NEAR(far.y, 525, 1);
    }
    EXPECT_EQ(tkeplero::halfPeriods({0, 0, 0, 0})[3], 0.0f);
}

struct ThirdLawWindow : WindowTest {
    static constexpr int W = 1916, H = 1000, a1 = W / 16;
    const raster::Canvas& screen() { return w().surface(); }
    // Planet k (0..3) after `t` ticks, on the window: the scene is shown at (0, H div 4).
    raster::Point planet(int k, int t)
    {
        const int a = tkeplero::kRadiusUnits[k] * a1;
        const double angle = std::numbers::pi * t / halfPeriod(a1, tkeplero::kRadiusUnits[k]);
        return {nearest(W / 2.0 + a * std::cos(angle)), H / 4 + nearest(H / 4.0 - a / 3.0 * std::sin(angle))};
    }
    // Each planet is one whole disc at its place for tick t, with no trail left anywhere.
    ::testing::AssertionResult planetsAt(int t)
    {
        for (int k = 0; k < 4; ++k) {
            const raster::Point at = planet(k, t);
            if (screen().pixel(at.x, at.y) != tkeplero::kPlanetColours[k])
                return ::testing::AssertionFailure() << "planet " << k + 1 << " is not at tick " << t;
            int inDisc = 0, all = 0;
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x)
                    if (screen().pixel(x, y) == tkeplero::kPlanetColours[k]) {
                        ++all;
                        inDisc += std::hypot(x - at.x, y - at.y) <= W / 170 + 1;
                    }
            if (inDisc != all || all < 300)
                return ::testing::AssertionFailure() << "planet " << k + 1 << ": " << all - inDisc << " stray pixels";
        }
        return ::testing::AssertionSuccess();
    }
    // The window shows the scene, from its row 0 at H div 4 down.
    bool showsScene()
    {
        const raster::Canvas& scene = tkeplero::state().SceneBitmap.canvas();
        for (int y = H / 4; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (screen().pixel(x, y) != scene.pixel(x, y - H / 4))
                    return false;
        return true;
    }
};

TEST_F(ThirdLawWindow, ThePlanetsGoRoundInTheirPeriods)
{
    ASSERT_EQ(run(QStringLiteral("open Tktres state")), 0);
    EXPECT_EQ(w().animationTimer()->interval(), 90);
    EXPECT_EQ(text("Panel10"), QStringLiteral("T = 3498"));
    EXPECT_TRUE(out.join(QString()).contains(QStringLiteral("\"Bevel4\"")));
    ASSERT_EQ(run(QStringLiteral("tick")), 0);
    EXPECT_TRUE(planetsAt(0));   // in a line to the right of the Sun
    ASSERT_EQ(run(QStringLiteral("tick 59")), 0);
    EXPECT_TRUE(planetsAt(59));   // the inner planet a quarter round, above the Sun
    EXPECT_EQ(text("Panel2"), QStringLiteral("59"));
    ASSERT_EQ(run(QStringLiteral("tick 179")), 0);
    EXPECT_TRUE(planetsAt(238));   // the inner planet round once
    EXPECT_EQ(planet(0, 238).x, W / 2 + a1);
    EXPECT_TRUE(showsScene());
}

TEST_F(ThirdLawWindow, OrbitsPauseAndRestartKeepOrLoseTheTicksAsTheyShould)
{
    const raster::Point leftOfOuter{nearest(W / 2.0 - 6 * a1), H / 2};
    ASSERT_EQ(run(QStringLiteral("open Tktres tick 40 click orbite")), 0);
    EXPECT_EQ(screen().pixel(leftOfOuter.x, leftOfOuter.y), tkeplero::kBlack);   // shown at the next tick
    ASSERT_EQ(run(QStringLiteral("tick 2")), 0);
    EXPECT_EQ(screen().pixel(leftOfOuter.x, leftOfOuter.y), tkeplero::kGrey);
    EXPECT_TRUE(planetsAt(41));
    ASSERT_EQ(run(QStringLiteral("click pausa tick 5")), 0);
    EXPECT_EQ(text("Panel2"), QStringLiteral("41"));
    EXPECT_TRUE(planetsAt(41));
    ASSERT_EQ(run(QStringLiteral("click pausa click orbite tick")), 0);
    EXPECT_EQ(screen().pixel(leftOfOuter.x, leftOfOuter.y), tkeplero::kBlack);
    EXPECT_TRUE(planetsAt(42));
    ASSERT_EQ(run(QStringLiteral("tick 30 click nuovo tick")), 0);
    EXPECT_EQ(text("Panel2"), QStringLiteral("0"));
    EXPECT_TRUE(planetsAt(0));
    EXPECT_TRUE(showsScene());
}

}  // namespace
