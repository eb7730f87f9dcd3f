// Flood fill, rectangle fill, copies between canvases, pixel access and bitmap sizing.
#include "canvas_test_util.h"

#include <gtest/gtest.h>

#include <random>

using namespace canvas_test;
using raster::FillStyle;

namespace {

TEST(CanvasFlood, SeedsThatChangeNothing)
{
    Bitmap b = makeBitmap(20, 20);
    Canvas& c = b.canvas();
    c.pen.color = kRed;
    c.rectangle(2, 2, 18, 18);
    const auto before = snapshot(b);
    c.brush.color = kBlue;
    for (auto [x, y] : {std::pair{-1, 5}, {5, -1}, {20, 5}, {5, 20}, {-100000, 100000}})
        c.floodFill(x, y, kRed, FillStyle::Border);
    c.floodFill(2, 5, kRed, FillStyle::Border);       // on the border
    c.floodFill(5, 5, kRed, FillStyle::Surface);      // surface seed of another colour
    c.brush.color = kWhite;
    c.floodFill(5, 5, kWhite, FillStyle::Surface);    // brush equal to the surface colour
    EXPECT_EQ(snapshot(b), before);
    // A brush equal to the border colour still fills (and the fill ends).
    c.brush.color = kRed;
    c.floodFill(5, 5, kRed, FillStyle::Border);
    EXPECT_EQ(count(b, kRed), 16 * 16);
}

// Random blobs of a few colours: the span fill repaints exactly the pixels a plain pixel by
// pixel fill reaches, for both modes and any brush (a border fill passes through pixels that
// have the brush colour already, and never crosses a diagonal step).
TEST(CanvasFlood, MatchesAPixelByPixelFill)
{
    std::mt19937 rng(31);
    const Color palette[] = {kWhite, kRed, kGreen, kBlue};
    std::uniform_int_distribution<int> pick(0, 3), pos(0, 63);
    for (int k = 0; k < 100; ++k) {
        Bitmap b = makeBitmap(64, 64);
        Canvas& c = b.canvas();
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                c.setPixel(x, y, palette[(pick(rng) + pick(rng)) % 3 == 0 ? pick(rng) : 0]);
        const int sx = pos(rng), sy = pos(rng);
        const bool surface = k % 2 == 1;
        const Color colour = surface ? c.pixel(sx, sy) : palette[1 + k % 3];
        const Color brush = palette[pick(rng)];
        const PixelSet expected = referenceRegion(b, sx, sy, colour, surface);
        auto want = snapshot(b);
        if (!(surface && brush == colour))
            for (const auto& [x, y] : expected)
                want[static_cast<std::size_t>(y * 64 + x)] = brush;
        c.brush.color = brush;
        c.floodFill(sx, sy, colour, surface ? FillStyle::Surface : FillStyle::Border);
        ASSERT_EQ(snapshot(b), want) << k;
    }
}

// Clearing a whole window-sized bitmap from a corner.
TEST(CanvasFlood, FillsAWholeLargeBitmap)
{
    Bitmap w = makeBitmap(1916, 1000);
    w.canvas().setPixel(500, 500, kGreen);
    w.canvas().brush.color = kBlack;
    w.canvas().floodFill(0, 0, rgb(128, 0, 0), FillStyle::Border);
    EXPECT_EQ(count(w, kBlack), 1916 * 1000);
}

TEST(CanvasFillRect, BrushOnlyRightBottomExcluded)
{
    Bitmap b = makeBitmap(20, 20);
    Canvas& c = b.canvas();
    c.brush.color = kGreen;
    c.fillRect({3, 4, 8, 6});
    EXPECT_TRUE(count(b, kGreen) == 10 && c.pixel(7, 5) == kGreen && c.pixel(8, 5) == kWhite);
    c.fillRect({18, 18, 13, 16});   // reversed: put in order
    EXPECT_EQ(count(b, kGreen), 20);
    c.fillRect({-2147483647, -2147483647, 2147483647, 2147483647});
    EXPECT_EQ(count(b, kGreen), 400);
}

Bitmap numbered(int w, int h)
{
    Bitmap b = makeBitmap(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.canvas().setPixel(x, y, rgb(x, y, 7));
    return b;
}

TEST(CanvasCopy, DrawIsClippedAndHonoursCopyMode)
{
    Bitmap src = numbered(10, 8);
    Bitmap dst = makeBitmap(20, 20, kBlack);
    dst.canvas().draw(-3, 15, src);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool in = x < 7 && y >= 15;
            EXPECT_EQ(dst.canvas().pixel(x, y), in ? rgb(x + 3, y - 15, 7) : kBlack);
        }
    // Or mode: source bits added to the destination's.
    Bitmap o = makeBitmap(20, 20, rgb(0x10, 0x80, 0x01));
    o.canvas().copyMode = raster::CopyMode::Or;
    o.canvas().draw(2, 2, src);
    EXPECT_TRUE(o.canvas().pixel(2 + 5, 2 + 3) == rgb(0x10 | 5, 0x80 | 3, 0x01 | 7) &&
                o.canvas().pixel(0, 0) == rgb(0x10, 0x80, 0x01));
    o.canvas().copyRect({0, 0, 20, 16}, src.canvas(), {0, 0, 10, 8});   // scaled
    EXPECT_EQ(o.canvas().pixel(15, 12), rgb(0x10 | 7, 0x80 | 6, 0x01 | 7));
    // Far away: nothing, and the call returns.
    dst.canvas().draw(2147483647, -2147483647, src);
}

TEST(CanvasCopy, ScalingSamplesPixelCentres)
{
    Bitmap src = numbered(4, 4);
    // Doubling: each source pixel becomes a 2 x 2 block.
    Bitmap up = makeBitmap(8, 8, kBlack);
    up.canvas().copyRect({0, 0, 8, 8}, src.canvas(), {0, 0, 4, 4});
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(up.canvas().pixel(x, y), rgb(x / 2, y / 2, 7));
    // Halving: destination pixel i covers source pixels 2i and 2i + 1 and its centre falls
    // on the boundary, sampling 2i + 1.
    Bitmap big = numbered(8, 8);
    Bitmap down = makeBitmap(4, 4, kBlack);
    down.canvas().copyRect({0, 0, 4, 4}, big.canvas(), {0, 0, 8, 8});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(down.canvas().pixel(x, y), rgb(2 * x + 1, 2 * y + 1, 7));
    // Three source pixels onto two: centres at 0.75 and 2.25.
    Bitmap three = numbered(3, 1);
    Bitmap two = makeBitmap(2, 1, kBlack);
    two.canvas().copyRect({0, 0, 2, 1}, three.canvas(), {0, 0, 3, 1});
    EXPECT_TRUE(two.canvas().pixel(0, 0) == rgb(0, 0, 7) && two.canvas().pixel(1, 0) == rgb(2, 0, 7));
}

TEST(CanvasCopy, EmptyAndOutOfSourceRectanglesCopyNothing)
{
    Bitmap src = numbered(10, 10);
    Bitmap dst = makeBitmap(10, 10, kBlack);
    dst.canvas().copyRect({0, 0, 0, 10}, src.canvas(), {0, 0, 10, 10});
    dst.canvas().copyRect({0, 0, 10, 10}, src.canvas(), {3, 3, 3, 8});
    EXPECT_EQ(count(dst, kBlack), 100);
    // Source rectangle half outside the source: those destination pixels are left alone.
    dst.canvas().copyRect({0, 0, 10, 10}, src.canvas(), {5, -5, 15, 5});
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool copied = x < 5 && y >= 5;
            EXPECT_EQ(dst.canvas().pixel(x, y), copied ? rgb(x + 5, y - 5, 7) : kBlack);
        }
}

TEST(CanvasCopy, ReversedRectangles)
{
    Bitmap src = numbered(10, 10);
    Bitmap straight = makeBitmap(10, 10, kBlack);
    straight.canvas().copyRect({1, 2, 7, 9}, src.canvas(), {2, 1, 8, 8});
    // Both reversed the same way: unmirrored, the same copy.
    Bitmap both = makeBitmap(10, 10, kBlack);
    both.canvas().copyRect({7, 9, 1, 2}, src.canvas(), {8, 8, 2, 1});
    EXPECT_EQ(snapshot(both), snapshot(straight));
    // Only the destination reversed left-right: a mirror image.
    Bitmap mirror = makeBitmap(10, 10, kBlack);
    mirror.canvas().copyRect({7, 2, 1, 9}, src.canvas(), {2, 1, 8, 8});
    for (int y = 2; y < 9; ++y)
        for (int x = 1; x < 7; ++x)
            EXPECT_EQ(mirror.canvas().pixel(x, y), straight.canvas().pixel(1 + 5 - (x - 1), y));
}

// Copy and or modes, one to one and scaled, in every direction.
TEST(CanvasCopy, OverlapInTheSameBitmapReadsTheSourceFirst)
{
    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {3, 2}, {-2, -3}})
        for (int scale = 1; scale <= 2; ++scale)
            for (auto mode : {raster::CopyMode::Copy, raster::CopyMode::Or}) {
                Bitmap b = numbered(20, 20);
                Bitmap copy = numbered(20, 20);
                Bitmap expected = numbered(20, 20);
                b.canvas().copyMode = expected.canvas().copyMode = mode;
                const raster::Rect from{5, 5, 13, 13};
                const raster::Rect to{5 + dx, 5 + dy, 5 + dx + 8 * scale, 5 + dy + 8 * scale};
                b.canvas().copyRect(to, b.canvas(), from);
                expected.canvas().copyRect(to, copy.canvas(), from);
                EXPECT_EQ(snapshot(b), snapshot(expected)) << dx << "," << dy << " x" << scale;
            }
}

TEST(CanvasPixels, OutsideTheBitmap)
{
    Bitmap b = makeBitmap(5, 5);
    Canvas& c = b.canvas();
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {5, 0}, {0, 5}, {-2147483647, 2147483647}}) {
        EXPECT_EQ(c.pixel(x, y), raster::kNoPixel);
        c.setPixel(x, y, kRed);
    }
    EXPECT_EQ(count(b, kWhite), 25);
    EXPECT_GT(raster::kNoPixel, 0xFFFFFFu);   // the outside value is no colour
    // An empty bitmap has no pixels at all.
    Bitmap e;
    EXPECT_TRUE(e.width() == 0 && e.canvas().pixel(0, 0) == raster::kNoPixel);
    e.canvas().lineTo(10, 10);
    e.canvas().ellipse(0, 0, 5, 5);
    e.canvas().floodFill(0, 0, kRed, FillStyle::Border);
}

TEST(CanvasBitmap, SetSizeKeepsOldPixelsAndFillsNewAreaWithBrush)
{
    Bitmap b;
    const Canvas& c = b.canvas();   // a fresh canvas
    EXPECT_TRUE(c.brush.color == kWhite && c.pen.color == kBlack && c.pen.width == 1 && c.copyMode == raster::CopyMode::Copy);
    b.setSize(4, 3);
    EXPECT_TRUE(b.width() == 4 && b.height() == 3 && count(b, kWhite) == 12);
    b.canvas().setPixel(1, 1, kRed);
    b.canvas().brush.color = kGreen;
    b.setSize(6, 2);
    EXPECT_TRUE(c.pixel(1, 1) == kRed && c.pixel(3, 1) == kWhite && c.pixel(4, 0) == kGreen && count(b, kGreen) == 4);
    EXPECT_EQ(b.bytes(), 6u * 2u * 4u);
    b.setSize(-3, 5);
    EXPECT_EQ(b.width(), 0);
}

TEST(CanvasBitmap, MoveKeepsPixelsAndLeavesAnEmptyBitmap)
{
    Bitmap a = makeBitmap(7, 7, kGreen);
    Canvas* canvas = &a.canvas();
    Bitmap b(std::move(a));
    // The canvas moves along, references stay valid; the moved-from bitmap is empty and usable.
    EXPECT_TRUE(&b.canvas() == canvas && b.width() == 7 && b.canvas().pixel(6, 6) == kGreen);
    EXPECT_EQ(a.width(), 0);   // NOLINT
    a.setSize(2, 2);
    EXPECT_EQ(a.canvas().pixel(1, 1), kWhite);
    Bitmap c = makeBitmap(3, 3);
    c = std::move(b);
    EXPECT_TRUE(c.canvas().pixel(6, 6) == kGreen && b.width() == 0);   // NOLINT
}

// A canvas attached to a block it does not own, with rows longer than its width.
TEST(CanvasAttach, DrawsOnForeignPixelsWithStride)
{
    std::vector<std::uint32_t> block(12 * 5, 0xABCDEF);
    Canvas c;
    c.attach(block.data(), 10, 5, 12);
    c.brush.color = kGreen;
    c.floodFill(0, 0, kRed, FillStyle::Border);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(block[static_cast<std::size_t>(y * 12 + x)], x < 10 ? kGreen : 0xABCDEFu);
}

}  // namespace
