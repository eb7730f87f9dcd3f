// The primary-wave window: its frames, the highlighted cell, the pause, and the window as driven.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <numbers>

#include "earthquakes/primarie.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/simwindow.h"
#include "wave_pictures.h"
#include "window_test.h"

namespace {

using namespace waves;

// Where plane i stands in frame f: 11 px apart, moved by 5 sin(pi (f + i) / 5).
int expectedPlane(int w, int f, int i)
{
    return static_cast<int>(std::nearbyint(w / 2 - 11 * i + 5 * std::sin(std::numbers::pi * (f + i) / 5)));
}

struct Model : ::testing::Test {
    static constexpr int W = 1916;
    static constexpr int H = 1000;
    raster::Bitmap surface;
    void SetUp() override
    {
        primarie::create(W, H);
        surface.canvas().brush.color = raster::rgb(240, 240, 240);
        surface.setSize(W, H);
        primarie::precompute(W, H, surface.canvas());
    }
    void TearDown() override { primarie::release(); }
};

TEST_F(Model, FrameZeroHasTheRedPlanesOverTheDarkRedBand)
{
    const raster::Canvas& f0 = primarie::state().frames[0].canvas();
    EXPECT_EQ(f0.width(), W / 2);
    EXPECT_EQ(f0.height(), (H * 3) / 8);
    for (int i = 1; i < primarie::kPlanes; ++i) {
        const int x = expectedPlane(W, 0, i);
        // The front face down to the bottom line, and the band behind it.
        EXPECT_TRUE(f0.pixel(x, 118) == kRed && f0.pixel(x, 130) == kRed) << "plane " << i;
        EXPECT_EQ(f0.pixel(x + 3, 102), kDarkRed) << "between planes " << i - 1 << " and " << i;
    }
    // Plane 0 starts at the frame's right edge, so it is clipped away entirely.
    EXPECT_EQ(expectedPlane(W, 0, 0), W / 2);
    // Outside the band the frame stays black.
    EXPECT_TRUE(f0.pixel(100, 60) == kBlack && f0.pixel(100, 140) == kBlack);
    // The top face is slanted: plane 10 reaches y 70 at 40 px to the right.
    const int x10 = expectedPlane(W, 0, 10);
    EXPECT_EQ(f0.pixel(x10 + 20, 84), kRed);
}

TEST_F(Model, TheLoopHasNineteenFramesAndAdvancesOnePlanePerFrame)
{
    for (int f = 0; f < primarie::kFrames; ++f) {
        const raster::Canvas& c = primarie::state().frames[f].canvas();
        EXPECT_EQ(c.pixel(expectedPlane(W, f, 25), 120), kRed) << "frame " << f;
        EXPECT_EQ(primarie::state().markerX[f], expectedPlane(W, f, 20) - 5) << "frame " << f;
    }
    for (int t = 0; t < 18; ++t)
        primarie::tick(surface.canvas(), W, H, false, false);
    EXPECT_EQ(primarie::state().frames.index(), 18);
    primarie::tick(surface.canvas(), W, H, false, false);
    EXPECT_EQ(primarie::state().frames.index(), 0);
}

TEST_F(Model, TheHighlightWhitensExactlyOneCell)
{
    const raster::Point o = primarie::frameOrigin(W, H);
    primarie::tick(surface.canvas(), W, H, true, true);
    const raster::Canvas& s = surface.canvas();
    const int x20 = expectedPlane(W, 0, 20);
    const int x21 = expectedPlane(W, 0, 21);
    for (int x = x21 + 1; x < x20; ++x)
        for (int y = 107; y < 114; ++y)
            ASSERT_EQ(s.pixel(o.x + x, o.y + y), kWhite) << x << "," << y;
    // Its neighbours keep their colours: the fill does not leak.
    for (auto [x, y] : {std::pair{x20 + 2, 110}, {x21 - 2, 110}, {x20 - 2, 102}, {x20 - 2, 118}})
        EXPECT_EQ(s.pixel(o.x + x, o.y + y), kDarkRed) << x << "," << y;
    EXPECT_EQ(s.pixel(o.x - 5, o.y + 110), raster::rgb(240, 240, 240));
    // Paused: the same frame again, and without the highlight the cell is dark red again.
    EXPECT_EQ(primarie::state().frames.index(), 0);
    primarie::tick(surface.canvas(), W, H, false, true);
    EXPECT_EQ(s.pixel(o.x + x20 - 2, o.y + 110), kDarkRed);
    EXPECT_EQ(primarie::state().frames.index(), 0);
}

TEST(PrimaryNarrow, ANarrowWindowNeverFloodsItsSurface)
{
    // At 400 px plane 20 lies left of the frame: the highlight is skipped instead of flooding.
    const int w = 400, h = 345;
    primarie::create(w, h);
    raster::Bitmap surface;
    surface.canvas().brush.color = raster::rgb(240, 240, 240);
    surface.setSize(w, h);
    primarie::precompute(w, h, surface.canvas());
    primarie::tick(surface.canvas(), w, h, true, false);
    EXPECT_EQ(surface.canvas().pixel(5, 5), raster::rgb(240, 240, 240));
    primarie::release();
}

using Window = WindowTest;

TEST_F(Window, OpensWithItsTimerAndShowsTheFramesInTurn)
{
    ASSERT_EQ(run(QStringLiteral("open Tondep")), 0);
    EXPECT_EQ(w().clientWidth(), 1916);
    EXPECT_EQ(w().animationTimer()->interval(), 100);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Primary waves"));
    // A tick of 100 ms shows frame 0 and steps to frame 1.
    ASSERT_EQ(run(QStringLiteral("advance 100")), 0);
    EXPECT_EQ(primarie::state().frames.index(), 1);
    const raster::Point o = primarie::frameOrigin(1916, 1000);
    EXPECT_EQ(w().surface().pixel(o.x + expectedPlane(1916, 0, 7), o.y + 120), kRed);
}

TEST_F(Window, PauseKeepsTheFrameAndReopeningStartsAfresh)
{
    ASSERT_EQ(run(QStringLiteral("open Tondep tick 3 click pausa tick 5")), 0);
    EXPECT_EQ(primarie::state().frames.index(), 3);
    ASSERT_EQ(run(QStringLiteral("click eviden tick")), 0);
    EXPECT_TRUE(w().isDown(QStringLiteral("eviden")));
    const raster::Point o = primarie::frameOrigin(1916, 1000);
    EXPECT_EQ(w().surface().pixel(o.x + primarie::state().markerX[3], o.y + 110), kWhite);
    ASSERT_EQ(run(QStringLiteral("click eviden tick")), 0);   // a second click raises it again
    EXPECT_FALSE(w().isDown(QStringLiteral("eviden")));
    EXPECT_EQ(w().surface().pixel(o.x + primarie::state().markerX[3], o.y + 110), kDarkRed);
    ASSERT_EQ(run(QStringLiteral("close open Tondep")), 0);
    EXPECT_FALSE(w().isDown(QStringLiteral("pausa")));
    EXPECT_EQ(primarie::state().frames.index(), 0);
}

TEST(Shot, SavesTheFirstFrame)
{
    globals::reset();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("out.png"));
    QStringList out, err;
    const int rc = orb::Driver::main({QStringLiteral("open"), QStringLiteral("Tondep"), QStringLiteral("tick"),
                                      QStringLiteral("save"), file},
                                     [&](const QString& l) { out << l; }, [&](const QString& l) { err << l; });
    ASSERT_EQ(rc, 0) << err.join(QLatin1Char('\n')).toStdString();
    QImage image(file);
    ASSERT_EQ(image.size(), QSize(1916, 1000));
    const raster::Point o = primarie::frameOrigin(1916, 1000);
    EXPECT_EQ(image.pixel(o.x + expectedPlane(1916, 0, 7), o.y + 120) & 0xFFFFFF, kRed);
    EXPECT_EQ(image.pixel(o.x + 5, o.y + 5) & 0xFFFFFF, kBlack);
}

}  // namespace
