// Lines on the canvas: end pixel, clipping, wide and styled pens, huge coordinates.
#include "canvas_test_util.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

using namespace canvas_test;

namespace {

void line(Canvas& c, int x0, int y0, int x1, int y1)
{
    c.moveTo(x0, y0);
    c.lineTo(x1, y1);
}

TEST(CanvasLines, LineToLeavesOutEndPixelAndMovesPen)
{
    Bitmap b = makeBitmap(30, 30);
    Canvas& c = b.canvas();
    c.moveTo(3, 5);
    c.lineTo(12, 5);
    EXPECT_TRUE(c.penPos().x == 12 && c.penPos().y == 5);
    EXPECT_TRUE(c.pixel(3, 5) == kBlack && c.pixel(12, 5) == kWhite && count(b, kBlack) == 9);
    // A second lineTo continues from the end, whose pixel it now draws first.
    c.lineTo(12, 15);
    EXPECT_TRUE(c.pixel(12, 5) == kBlack && c.pixel(12, 15) == kWhite && count(b, kBlack) == 19);
    // A zero-length lineTo draws nothing.
    line(c, 20, 20, 20, 20);
    EXPECT_EQ(count(b, kBlack), 19);
}

TEST(CanvasLines, OnePixelPerMajorStepOnTheTrueSegment)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> u(0, 59);
    for (int k = 0; k < 200; ++k) {
        const int x0 = u(rng), y0 = u(rng), x1 = u(rng), y1 = u(rng);
        Bitmap b = makeBitmap(60, 60);
        line(b.canvas(), x0, y0, x1, y1);
        const PixelSet lit = pixelsOf(b, kBlack);
        const bool xMajor = std::abs(x1 - x0) >= std::abs(y1 - y0);
        const int n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        ASSERT_EQ(static_cast<int>(lit.size()), n) << x0 << "," << y0 << " " << x1 << "," << y1;
        for (const auto& [x, y] : lit) {
            // Distance along the minor axis from the true segment is at most half a pixel.
            const double off = xMajor ? y - (y0 + double(y1 - y0) * (x - x0) / (x1 - x0))
                                      : x - (x0 + double(x1 - x0) * (y - y0) / (y1 - y0));
            EXPECT_LE(std::fabs(off), 0.5 + 1e-9);
        }
        EXPECT_TRUE(n == 0 || lit.count({x0, y0}));
        EXPECT_FALSE(lit.count({x1, y1}));
    }
}

// A segment drawn on a small bitmap lights exactly the pixels that it lights in the same place
// of a larger bitmap that holds it whole: random solid and dotted segments, and shallow and steep
// ones starting thousands of pixels away.
TEST(CanvasLines, ClippingDoesNotChangeThePixels)
{
    auto check = [](int x0, int y0, int x1, int y1, raster::PenStyle style) {
        Bitmap small = makeBitmap(80, 50);
        const int minX = std::min({0, x0, x1}), minY = std::min({0, y0, y1});
        Bitmap large = makeBitmap(std::max({79, x0, x1}) - minX + 1, std::max({49, y0, y1}) - minY + 1);
        small.canvas().pen.style = large.canvas().pen.style = style;
        line(small.canvas(), x0, y0, x1, y1);
        line(large.canvas(), x0 - minX, y0 - minY, x1 - minX, y1 - minY);
        return sameWindow(small, large, -minX, -minY);
    };
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> u(-300, 400);
    for (int k = 0; k < 300; ++k) {
        const int x0 = u(rng), y0 = u(rng), x1 = u(rng), y1 = u(rng);
        const auto style = k % 3 ? raster::PenStyle::Solid : raster::PenStyle::Dot;
        ASSERT_TRUE(check(x0, y0, x1, y1, style)) << x0 << "," << y0 << " " << x1 << "," << y1;
    }
    for (auto [x0, y0, x1, y1] : {std::array{-5000, 13, 60, 37}, {5060, 41, -3, 2}, {17, -7000, 33, 45},
                                  {-1500, -1400, 40, 40}, {-4321, 7, 75, 30}})
        EXPECT_TRUE(check(x0, y0, x1, y1, raster::PenStyle::Solid)) << x0 << "," << y0;
}

TEST(CanvasLines, HugeCoordinatesStayOnTheTrueSegment)
{
    Bitmap b = makeBitmap(200, 100);
    Canvas& c = b.canvas();
    // Crosses the bitmap: from far left above to far right below.
    const long double x0 = -1000000000.0L, y0 = -7, x1 = 999999999.0L, y1 = 90;
    line(c, -1000000000, -7, 999999999, 90);
    // Exactly one pixel per visible column, within half a pixel of the true line.
    for (int x = 0; x < 200; ++x) {
        int hits = 0;
        for (int y = 0; y < 100; ++y) {
            if (c.pixel(x, y) != kBlack)
                continue;
            ++hits;
            const long double yt = y0 + (y1 - y0) * (x - x0) / (x1 - x0);
            EXPECT_LE(std::fabs(static_cast<double>(y - yt)), 0.5 + 1e-9);
        }
        EXPECT_EQ(hits, 1) << x;
    }
    // Nothing visible, extreme ends in every direction, wide and styled pens: all return.
    Bitmap e = makeBitmap(50, 50);
    Canvas& ec = e.canvas();
    line(ec, -2147483647, -2147483647, 2147483647, -2147483640);
    line(ec, 2147483647, 2147483647, -2147483647, 2147483647);
    EXPECT_EQ(count(e, kBlack), 0);
    line(ec, -2147483647, -2147483647, 2147483647, 2147483647);
    EXPECT_EQ(count(e, kBlack), 50);   // the main diagonal
    ec.pen.width = 7;
    line(ec, -1000000000, 25, 1000000000, 25);
    EXPECT_EQ(count(e, kBlack), 7 * 50 + (50 - 7));   // seven full rows and the diagonal
    ec.pen.width = 1;
    ec.pen.style = raster::PenStyle::Dash;
    line(ec, -1000000000, 3, 1000000000, 3);
}

TEST(CanvasLines, PolylineIsSuccessiveLineTos)
{
    const raster::Point pts[] = {{2, 2}, {30, 5}, {12, 28}, {40, 40}, {3, 35}};
    Bitmap a = makeBitmap(45, 45);
    Bitmap b = makeBitmap(45, 45);
    a.canvas().moveTo(7, 7);
    a.canvas().polyline(pts);
    b.canvas().moveTo(pts[0].x, pts[0].y);
    for (std::size_t i = 1; i < std::size(pts); ++i)
        b.canvas().lineTo(pts[i].x, pts[i].y);
    EXPECT_EQ(snapshot(a), snapshot(b));
    // The chain stays open, its end left out, and the pen position is kept.
    EXPECT_TRUE(a.canvas().pixel(3, 35) == kWhite && a.canvas().penPos().x == 7);
}

TEST(CanvasLines, WidePenIsCentredRoundAndCoversBothEnds)
{
    for (int w : {2, 3, 4, 9}) {
        Bitmap b = makeBitmap(60, 60);
        Canvas& c = b.canvas();
        c.pen.width = w;
        line(c, 15, 30, 45, 30);
        const PixelSet lit = pixelsOf(b, kBlack);
        const Extent e = extentOf(lit);
        // Exactly w rows, centred (the extra row of an even width goes above); both end points
        // covered, the caps reaching about w/2 beyond them.
        EXPECT_TRUE(e.maxY - e.minY + 1 == w && e.minY == 30 - w / 2) << w;
        EXPECT_TRUE(15 - e.minX == w / 2 && e.maxX - 45 == (w - 1) / 2) << w;
        // Wide pens are solid whatever the style.
        Bitmap d = makeBitmap(60, 60);
        d.canvas().pen.width = w;
        d.canvas().pen.style = raster::PenStyle::Dash;
        line(d.canvas(), 15, 30, 45, 30);
        EXPECT_EQ(snapshot(d), snapshot(b)) << w;
    }
    // Round caps: a width-9 cap covers (x1 + 4, y) but not the corner (x1 + 4, y + 4).
    Bitmap b = makeBitmap(60, 60);
    b.canvas().pen.width = 9;
    line(b.canvas(), 10, 30, 40, 30);
    EXPECT_TRUE(b.canvas().pixel(44, 30) == kBlack && b.canvas().pixel(44, 34) == kWhite && b.canvas().pixel(40, 34) == kBlack);
    // A diagonal wide line keeps its width across the diagonal.
    Bitmap d = makeBitmap(60, 60);
    d.canvas().pen.width = 5;
    line(d.canvas(), 10, 10, 50, 50);
    for (int k = -4; k <= 4; ++k)
        EXPECT_EQ(d.canvas().pixel(30 + k, 30 - k) == kBlack, std::abs(k) * std::sqrt(2.0) < 2.5) << k;
}

// A wide line drawn up to the pixel next to an outline seals against it; a width-1 line,
// which leaves out its end pixel, leaves a gap there.
TEST(CanvasLines, WideLineSealsAgainstOutline)
{
    for (int w : {1, 2, 3}) {
        Bitmap b = makeBitmap(40, 40);
        Canvas& c = b.canvas();
        c.pen.color = kRed;
        line(c, 30, 0, 30, 40);   // the outline
        c.pen.width = w;
        line(c, 0, 20, 29, 20);   // up to the outline
        c.brush.color = kBlue;
        c.floodFill(5, 5, kRed, raster::FillStyle::Border);
        EXPECT_EQ(c.pixel(5, 35) == kBlue, w == 1) << w;
    }
}

TEST(CanvasLines, DashAndDotPaintGapsWithBrush)
{
    int runs[3] = {0, 0, 0};
    const raster::PenStyle styles[] = {raster::PenStyle::Solid, raster::PenStyle::Dash, raster::PenStyle::Dot};
    for (int s = 0; s < 3; ++s) {
        Bitmap b = makeBitmap(120, 5);
        Canvas& c = b.canvas();
        c.pen.style = styles[s];
        c.pen.color = kRed;
        c.brush.color = kGreen;
        line(c, 0, 2, 100, 2);
        // Every pixel of the segment is pen or gap; nothing else is touched.
        EXPECT_TRUE(c.pixel(0, 2) == kRed && c.pixel(100, 2) == kWhite && count(b, kRed) + count(b, kGreen) == 100);
        for (int x = 1; x < 100; ++x)
            runs[s] += c.pixel(x, 2) == kRed && c.pixel(x - 1, 2) != kRed;
    }
    EXPECT_TRUE(runs[0] == 0 && runs[1] > 2 && runs[2] > runs[1]);   // solid, dashes, shorter dots
    // Drawn again, a styled segment is the same: its pattern starts at its own start.
    Bitmap a = makeBitmap(50, 50);
    Bitmap b = makeBitmap(50, 50);
    for (Bitmap* m : {&a, &b}) {
        m->canvas().pen.style = raster::PenStyle::Dot;
        m->canvas().brush.color = kGreen;
        line(m->canvas(), -20, 3, 45, 47);
    }
    line(b.canvas(), -20, 3, 45, 47);
    EXPECT_EQ(snapshot(a), snapshot(b));
}

}  // namespace
