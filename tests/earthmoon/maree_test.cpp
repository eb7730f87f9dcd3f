// The tides window: the bodies and the ocean at stated phases, the force arrows, the ocean's fill,
// the tide's name by phase, and the window as driven.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "earthmoon/maree.h"
#include "window_test.h"

namespace {

using namespace maree;
using raster::Point;

constexpr int W = 1916, H = 1000;

// The ocean is blue `in` px from o and black `out` px from it, both ways, across (x) and down (y).
void expectOcean(const raster::Canvas& c, Point o, int inX, int outX, int inY, int outY)
{
    for (int s : {-1, 1}) {
        EXPECT_TRUE(c.pixel(o.x + s * inX, o.y) == kBlue && c.pixel(o.x + s * outX, o.y) == kBlack) << s;
        EXPECT_TRUE(c.pixel(o.x, o.y + s * inY) == kBlue && c.pixel(o.x, o.y + s * outY) == kBlack) << s;
    }
}

struct TideModel : ::testing::Test {
    raster::Bitmap window;
    void TearDown() override { release(); }
    // The scene drawn at phase tau on a client of w x h (arrows as `on` says).
    const raster::Canvas& drawn(int w, int h, int tau, bool on = false)
    {
        create(w, h);
        window.setSize(w, h);
        for (Arrows a : {Arrows::Attraction, Arrows::Centrifugal, Arrows::Resultant})
            state().arrows[static_cast<std::size_t>(a)] = on;
        state().tau = tau;
        tick(window.canvas(), w, h, false);
        return state().scene.canvas();
    }
};

TEST_F(TideModel, BodiesAndOceanAtSyzygyAndQuadrature)
{
    // Tau 0: the Moon right of G on the Sun's side, the Earth 12.5 -> 12 px (ties to even) left
    // of G; the ocean reaches (H/15)(16/15) = 71.1 px along the line, H/18 = 55.6 across.
    const int gy = H / 2 - H / 5;
    const raster::Canvas& c = drawn(W, H, 0);
    const Point o{W / 4 - 12, gy}, m{W / 4 + 250, gy};
    EXPECT_EQ(c.pixel(W / 4, gy), kRed);           // the centre of mass lies on the Earth
    EXPECT_EQ(c.pixel(o.x, o.y), kWhite);          // the Earth's centre dot
    EXPECT_EQ(c.pixel(o.x + 30, o.y + 30), kNavy);
    expectOcean(c, o, 69, 74, 53, 58);
    EXPECT_EQ(c.pixel(m.x + 10, m.y), kWhite);     // lit from the Sun on the right
    EXPECT_EQ(c.pixel(m.x - 10, m.y), kBlack);
    EXPECT_EQ(c.pixel(m.x - 20, m.y), kGrey);      // the dark half's outline

    // Tau 150: the Moon straight above G, the Earth 12 px below; the long axis now vertical,
    // H/15 = 66.7 px, the short one stretched to 59.3 px.
    const raster::Canvas& q = drawn(W, H, 150);
    EXPECT_EQ(q.pixel(W / 4 + 10, gy - 250), kWhite);
    EXPECT_EQ(q.pixel(W / 4 - 10, gy - 250), kBlack);
    expectOcean(q, {W / 4, gy + 12}, 57, 62, 64, 69);
}

TEST_F(TideModel, TheOceanFillStaysInsideItsOutline)
{
    for (auto [w, h] : {std::pair{1916, 1000}, std::pair{1020, 700}, std::pair{636, 476}}) {
        for (int tau : {0, 37, 150, 223, 451}) {
            const raster::Canvas& c = drawn(w, h, tau);
            const double along = h / 15.0 * (1 + std::fabs(std::cos(tau * std::numbers::pi / 300)) / 15);
            const double across = h / 18.0 * (1 + std::fabs(std::sin(tau * std::numbers::pi / 300)) / 15);
            const Point o = bodiesAt(tau, w, h, h / 5).earth;
            int blue = 0;
            for (int y = 0; y < c.height(); ++y)
                for (int x = 0; x < c.width(); ++x)
                    if (c.pixel(x, y) == kBlue) {
                        ++blue;
                        ASSERT_LE(std::hypot(x - o.x, y - o.y), along + 1.5) << w << " " << tau;
                    }
            // Filled: at least the ring of ocean between the ellipse and the Earth's disc (the
            // outlines of both add some more).
            const double ring = std::numbers::pi * (along * across - (h / 20) * (h / 20));
            EXPECT_GT(blue, ring) << w << " " << tau;
        }
    }
}

TEST_F(TideModel, ArrowsPointWhereTheForcesAct)
{
    const raster::Canvas& c = drawn(W, H, 0, true);
    const Point o{W / 4 - 12, H / 2 - H / 5};
    // Attraction: towards the Moon (to the right) from the near side, 67 px long, ending in its
    // head at x + 125; from the far side 40 px, ending inside the Earth.
    EXPECT_EQ(c.pixel(o.x + 100, o.y), kRed);
    EXPECT_EQ(c.pixel(o.x + 121, o.y + 1), kRed);
    EXPECT_EQ(c.pixel(o.x + 129, o.y), kBlack);
    EXPECT_EQ(c.pixel(o.x - 40, o.y), kRed);
    // ... and from the top and the bottom, towards the Moon turned 15 degrees inwards.
    for (int s : {-1, 1})
        EXPECT_TRUE(c.pixel(o.x + 24, o.y + s * 52) == kRed || c.pixel(o.x + 24, o.y + s * 53) == kRed) << s;
    // Centrifugal: all four away from the Moon, 50 px long.
    EXPECT_EQ(c.pixel(o.x - 25, o.y - 59), kYellow);
    EXPECT_EQ(c.pixel(o.x + 40, o.y), kYellow);
    // Resultant, drawn last: outwards on both sides of the line, inwards across it.
    EXPECT_EQ(c.pixel(o.x + 80, o.y), kAqua);
    EXPECT_EQ(c.pixel(o.x - 80, o.y), kAqua);
    EXPECT_EQ(c.pixel(o.x, o.y - 45), kAqua);
    EXPECT_EQ(c.pixel(o.x, o.y + 50), kAqua);

    for (Arrows a : {Arrows::Attraction, Arrows::Centrifugal, Arrows::Resultant})
        EXPECT_FALSE(toggle(a));
    state().tau = 0;   // pressed twice: no arrows
    tick(window.canvas(), W, H, false);
    EXPECT_EQ(c.pixel(o.x - 25, o.y - 59), kBlack);
    EXPECT_EQ(c.pixel(o.x, o.y - 45), kNavy);
}

TEST(TideNames, SpringAndNeapTidesForThirteenTicksEach)
{
    // Round 0 (split at the turn) and 300, round 150 and 450.
    for (int tau : {0, 6, 294, 300, 306, 594, 599})
        EXPECT_EQ(tideRow(tau), kSpringRow) << tau;
    for (int tau : {144, 156, 444, 456})
        EXPECT_EQ(tideRow(tau), kNeapRow) << tau;
    for (int tau : {7, 143, 157, 293, 307, 443, 457, 593})
        EXPECT_EQ(tideRow(tau), -1) << tau;
}

struct TideWindow : WindowTest {
    void run(const char* s)
    {
        ASSERT_EQ(WindowTest::run(QString::fromLatin1(s)), 0) << err.join(QLatin1Char('\n')).toStdString();
    }
};

TEST_F(TideWindow, NamesLegendsPauseAndReopening)
{
    state().tau = 590;
    run("open Tmarea");
    EXPECT_EQ(w().animationTimer()->interval(), 90);
    for (const char* name : {"barramenu", "sotto", "testo", "Bevel1", "Bevel4", "Label3"})
        EXPECT_NE(w().control(QString::fromLatin1(name)), nullptr) << name;
    // The Sun's left half at the right edge, centred at half height.
    EXPECT_EQ(w().surface().pixel(W - 40, H / 2), kYellow);
    EXPECT_EQ(w().surface().pixel(W - H / 8 + 2, H / 2 - H / 8 + 2), kBlack);
    run("tick 4");   // phases 590 to 593, the scene shown at (0, H div 5)
    EXPECT_EQ(text("testo"), QString());
    EXPECT_EQ(w().surface().pixel(W / 4, H / 2), kRed);
    run("tick");
    EXPECT_EQ(text("testo"), QStringLiteral("SPRING TIDES"));
    run("click vettoric");
    EXPECT_EQ(text("Label2"), QStringLiteral(" ------> centrifugal"));
    run("click pausa tick 20");
    EXPECT_EQ(state().tau, 595);
    EXPECT_EQ(text("testo"), QStringLiteral("SPRING TIDES"));
    run("click vettoric");
    EXPECT_EQ(text("Label2"), QStringLiteral(" "));
    run("click vettorir click pausa tick 13 close");
    EXPECT_EQ(state().tau, 8);
    globals::LanguageIndex = 0;
    run("open Tmarea tick");
    EXPECT_EQ(state().tau, 9);   // the phase goes on from where the window was closed
    EXPECT_FALSE(state().arrows[static_cast<std::size_t>(Arrows::Resultant)]);
    EXPECT_FALSE(w().isDown(QStringLiteral("vettorir")));
    run("click vettorig");
    EXPECT_EQ(text("Label1"), QStringLiteral(" ------> attrazione"));
}

}  // namespace
