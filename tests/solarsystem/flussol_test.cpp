// Insolation: the footprint and the sheet's shadow at stated tilts and distances, the normal in
// front of the sheet on a screen of any width, and the window's continuous and step-by-step modes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <numbers>

#include "solarsystem/flussol.h"
#include "window_test.h"

namespace {

using namespace flussol;

// At 1916 x 1000: u = 38, c = 19, h = 100, q = rnd(40·19·1000 / (9·1916)) = 44, r = rnd(63.87) =
// 64, Yc = 500. The footprint's middle column, x = 3u = 114 (a grid line, which the footprint
// covers), runs from Yc - kr to Yc + kr, and the shadow on it from Yc - k|sy| to Yc + k|sy|, with
// sy = rnd(r sin α). Its edges fall 2.947 px for each px to the right. S = (1338, 500); the
// sheet's centre, (1018, 500) at d = 1, is where the axis crosses it. The bitmap is drawn at
// (10u, 0) = (380, 0).
struct FlussolModel : ::testing::Test {
    static constexpr int W = 1916, H = 1000, kOffset = 380;
    raster::Bitmap window;
    void SetUp() override { window.setSize(W, H); }
    // One tick with the sheet at TurnStep t (α = π t / P).
    void tickAt(int t, bool normal = false)
    {
        state().TurnStep = t;
        tick(window.canvas(), normal, false);
    }
    raster::Color px(int x, int y) { return window.canvas().pixel(x + kOffset, y); }
};

TEST_F(FlussolModel, TheShadowCoversTheFootprintAsSinAlphaAndHalvesWithTheDistance)
{
    create(W, H, 1920);   // P = 480
    ASSERT_EQ(state().P, 480);
    tickAt(0);            // edge-on: the footprint is red above and below its middle line
    EXPECT_EQ(px(114, 400), kRed);
    EXPECT_EQ(px(114, 600), kRed);
    EXPECT_EQ(px(117, 580), kRed);     // the footprint at x = 117 runs from 363 to 619
    EXPECT_EQ(px(117, 350), kWhite);   // the screen above it, between two grid lines
    EXPECT_EQ(px(1338, 500), kRed);    // the source
    tickAt(80);   // α = π/6: sy = 32, the shadow spans 436..564 on the middle column
    EXPECT_EQ(px(114, 450), kBlack);
    EXPECT_EQ(px(114, 550), kBlack);
    EXPECT_EQ(px(114, 580), kRed);
    EXPECT_EQ(px(114, 420), kRed);
    tickAt(240);   // face-on: all in shadow
    EXPECT_EQ(px(114, 380), kBlack);
    EXPECT_EQ(px(114, 620), kBlack);
    const long double faceOn = std::numbers::pi_v<long double> / 2;
    EXPECT_EQ(energyText(faceOn, 1), "4.00");
    // At d = 2 the footprint is half as high (427..555 at x = 117) and the sheet nearer the
    // screen, at (W div 6) + 10u = 699.
    setDistance(2);
    tickAt(0);
    EXPECT_EQ(px(114, 450), kRed);
    EXPECT_EQ(px(117, 580), kWhite);
    EXPECT_EQ(px(699, 500), kBlue);
    EXPECT_EQ(px(1018, 500), kBlack);
    EXPECT_EQ(energyText(faceOn, 2), "1.00");
    EXPECT_EQ(energyText(0, 1), "0.00");
    // A screen narrower than 4 pixels still turns the sheet, one turn a tick.
    create(W, H, 3);
    tick(window.canvas(), false, false);
    EXPECT_EQ(state().P, 1);
}

TEST_F(FlussolModel, TheNormalIsInFrontForThePartOfTheTurnThatFacesTheViewerAtAnyScreenWidth)
{
    // The normal starts at the sheet's centre: that pixel is silver when it is drawn in front,
    // the sheet's colour when the sheet hides it. In front: t mod 2P below 0.42 P or above
    // 1.44 P, the bounds a 200-tick turn gives at 84 and 288.
    const auto centre = [&](int screen, int t) {
        create(W, H, screen);
        tickAt(t, true);
        return px(1018, 500);
    };
    EXPECT_EQ(centre(1920, 150), kSilver);   // 150 < 201.6: in front (84 would hide it)
    EXPECT_NE(centre(1920, 500), kSilver);
    EXPECT_EQ(centre(1920, 800), kSilver);   // 800 > 691.2
    EXPECT_NE(centre(1920, 250), kSilver);   // 250 < 288 but past 201.6
    EXPECT_NE(centre(800, 150), kSilver);    // P = 200: 150 is past 84
    EXPECT_EQ(centre(800, 80), kSilver);
    // Without the normal shown the centre is the sheet's.
    create(W, H, 1920);
    tickAt(150);
    EXPECT_NE(px(1018, 500), kSilver);
}

struct Unflusso : WindowTest {
    int turn() { return state().TurnStep; }
    // The window shows FlowBitmap at (10u, 0), clipped to the window.
    bool showsTheBitmap()
    {
        const raster::Canvas& b = state().FlowBitmap.canvas();
        const raster::Canvas& s = w().surface();
        for (int y = 0; y < s.height(); ++y)
            for (int x = 380; x < s.width(); ++x)
                if (s.pixel(x, y) != b.pixel(x - 380, y))
                    return false;
        return true;
    }
};

TEST_F(Unflusso, StepByStepWaitsForContinueOrEnterAndTheWindowShowsEveryPicture)
{
    ASSERT_EQ(run(QStringLiteral("open Tunflusso tick 3")), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Irradiation"));
    EXPECT_EQ(w().animationTimer()->interval(), 50);
    EXPECT_EQ(turn(), 2 * 480 - 4 + 6);
    ASSERT_EQ(run(QStringLiteral("click papasso tick 2")), 0);
    EXPECT_EQ(turn(), 962);
    EXPECT_TRUE(enabled("continua") && shown("Label8") && !enabled("pausa"));
    ASSERT_EQ(run(QStringLiteral("click continua tick 3 key Return tick 2")), 0);
    EXPECT_EQ(turn(), 966);
    // The hint line tells of the Enter key while continua can be clicked.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(c("continua").widget, &enter);
    EXPECT_EQ(text("Label8"), QStringLiteral("  or press the key         (Enter)"));
    EXPECT_TRUE(shown("invio"));
    // Back to continuous progress; the pause holds the sheet.
    ASSERT_EQ(run(QStringLiteral("click normale tick 2 click pausa tick 2")), 0);
    EXPECT_EQ(turn(), 970);
    EXPECT_FALSE(enabled("continua") || shown("Label8"));
    // The distance, the normal and the tilt change what is drawn; the window follows exactly.
    ASSERT_EQ(run(QStringLiteral("click pausa click versore tick 40 set psuperfice 2 tick 37")), 0);
    EXPECT_EQ(text("Panel3"), QStringLiteral("d = 2"));
    EXPECT_TRUE(showsTheBitmap());
}

}  // namespace
