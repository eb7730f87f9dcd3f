// Boxed shapes and polygons: box conventions, outlines that hold a fill, arcs, pies, even-odd.
#include "canvas_test_util.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

using namespace canvas_test;

namespace {

// Pen red, brush green on white.
Bitmap paintedBitmap(int w, int h)
{
    Bitmap b = makeBitmap(w, h);
    b.canvas().pen.color = kRed;
    b.canvas().brush.color = kGreen;
    return b;
}

TEST(CanvasShapes, EllipseAndRectangleStayInsideTheBoxRightBottomExcluded)
{
    for (int shape = 0; shape < 2; ++shape) {
        for (auto [w, h] : {std::pair{10, 6}, {7, 7}, {1, 5}, {5, 1}, {2, 2}, {31, 12}}) {
            Bitmap b = paintedBitmap(50, 30);
            Canvas& c = b.canvas();
            if (shape == 0)
                c.ellipse(10, 10, 10 + w, 10 + h);
            else
                c.rectangle(10, 10, 10 + w, 10 + h);
            const Extent e = extentOf(pixelsNot(b, kWhite));
            EXPECT_EQ(e.minX, 10);
            EXPECT_EQ(e.minY, 10);
            EXPECT_EQ(e.maxX, 10 + w - 1) << shape << " " << w << "x" << h;
            EXPECT_EQ(e.maxY, 10 + h - 1) << shape << " " << w << "x" << h;
        }
    }
    // A rectangle: outline on the box's first and last rows and columns, brush inside.
    Bitmap b = paintedBitmap(30, 30);
    b.canvas().rectangle(5, 6, 15, 12);
    EXPECT_EQ(count(b, kRed), 2 * 10 + 2 * 4);
    EXPECT_EQ(count(b, kGreen), 8 * 4);
    EXPECT_EQ(b.canvas().pixel(14, 11), kRed);
    EXPECT_EQ(b.canvas().pixel(6, 7), kGreen);
}

TEST(CanvasShapes, ReversedCornersAndEmptyBoxes)
{
    for (int shape = 0; shape < 3; ++shape) {
        auto draw = [&](Canvas& c, int x1, int y1, int x2, int y2) {
            if (shape == 0)
                c.ellipse(x1, y1, x2, y2);
            else if (shape == 1)
                c.rectangle(x1, y1, x2, y2);
            else
                c.pie(x1, y1, x2, y2, 30, 8, 5, 22);
        };
        Bitmap ref = paintedBitmap(40, 40);
        draw(ref.canvas(), 5, 8, 30, 22);
        for (auto [x1, y1, x2, y2] :
             {std::tuple{30, 22, 5, 8}, {30, 8, 5, 22}, {5, 22, 30, 8}}) {
            Bitmap b = paintedBitmap(40, 40);
            draw(b.canvas(), x1, y1, x2, y2);
            EXPECT_EQ(snapshot(b), snapshot(ref)) << shape;
        }
        // Zero width or height: nothing, whatever the pen.
        for (int pw : {1, 5}) {
            Bitmap b = paintedBitmap(40, 40);
            b.canvas().pen.width = pw;
            draw(b.canvas(), 10, 10, 10, 30);
            draw(b.canvas(), 10, 10, 30, 10);
            b.canvas().arc(10, 10, 30, 10, 0, 0, 5, 5);
            EXPECT_EQ(count(b, kWhite), 40 * 40) << shape;
        }
    }
}

TEST(CanvasShapes, EllipseIsSymmetricAndItsOutlineHoldsAFill)
{
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> size(1, 60);
    for (int k = 0; k < 150; ++k) {
        const int w = size(rng), h = size(rng);
        Bitmap b = paintedBitmap(70, 70);
        Canvas& c = b.canvas();
        c.brush.color = kWhite;
        c.ellipse(5, 5, 5 + w, 5 + h);
        // Mirror symmetric about both axes of the box.
        for (int y = 5; y < 5 + h; ++y)
            for (int x = 5; x < 5 + w; ++x) {
                const Color p = c.pixel(x, y);
                ASSERT_EQ(p, c.pixel(5 + w - 1 - (x - 5), y)) << w << "x" << h;
                ASSERT_EQ(p, c.pixel(x, 5 + h - 1 - (y - 5))) << w << "x" << h;
            }
        // The box's four sides are touched.
        const Extent e = extentOf(pixelsOf(b, kRed));
        EXPECT_EQ(e.minX, 5);
        EXPECT_EQ(e.maxX, 4 + w);
        EXPECT_EQ(e.minY, 5);
        EXPECT_EQ(e.maxY, 4 + h);
        // A border fill of the centre stays inside the outline.
        c.brush.color = kBlue;
        c.floodFill(5 + (w - 1) / 2, 5 + (h - 1) / 2, kRed, raster::FillStyle::Border);
        EXPECT_EQ(c.pixel(0, 0), kWhite) << w << "x" << h;
        EXPECT_EQ(c.pixel(69, 69), kWhite) << w << "x" << h;
    }
}

TEST(CanvasShapes, EllipseInteriorIsBrushEnclosedByOnePixelOutline)
{
    Bitmap b = paintedBitmap(80, 60);
    Canvas& c = b.canvas();
    c.ellipse(3, 4, 75, 51);
    const PixelSet inside = pixelsOf(b, kGreen);
    ASSERT_GT(inside.size(), 1000u);
    // Every brush pixel's four neighbours are brush or pen, and the outline is one pixel thick:
    // each of its pixels has a 4-neighbour outside.
    for (const auto& [x, y] : inside) {
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            ASSERT_NE(c.pixel(x + dx, y + dy), kWhite);
    }
    for (const auto& [x, y] : pixelsOf(b, kRed)) {
        bool outside = false;
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            outside = outside || c.pixel(x + dx, y + dy) == kWhite;
        EXPECT_TRUE(outside) << x << "," << y;
    }
}

TEST(CanvasShapes, WidePenOutlineIsCentredOnTheBox)
{
    for (int pw : {3, 5}) {
        Bitmap b = paintedBitmap(60, 60);
        b.canvas().pen.width = pw;
        b.canvas().rectangle(20, 20, 40, 40);
        const Extent e = extentOf(pixelsOf(b, kRed));
        EXPECT_EQ(e.minX, 20 - pw / 2);
        EXPECT_EQ(e.maxX, 39 + pw / 2);
        EXPECT_EQ(b.canvas().pixel(20 + pw / 2, 30), kRed);
        EXPECT_EQ(b.canvas().pixel(21 + pw / 2, 30), kGreen);

        Bitmap d = paintedBitmap(60, 60);
        d.canvas().pen.width = pw;
        d.canvas().ellipse(10, 10, 50, 50);
        // On the middle row the pen run at the left is pw pixels, centred on column 10.
        int run = 0;
        for (int x = 0; x < 30; ++x)
            run += d.canvas().pixel(x, 29) == kRed;
        EXPECT_EQ(run, pw);
        EXPECT_EQ(d.canvas().pixel(10 - pw / 2, 29), kRed);
        EXPECT_EQ(d.canvas().pixel(10 - pw / 2 - 1, 29), kWhite);
    }
}

TEST(CanvasShapes, ClippedShapesMatchTheWholeShape)
{
    std::mt19937 rng(17);
    std::uniform_int_distribution<int> u(-80, 180);
    for (int k = 0; k < 120; ++k) {
        int v[8];
        for (int& x : v)
            x = u(rng);
        const int pw = 1 + k % 4;
        Bitmap small = paintedBitmap(100, 100);
        Bitmap large = paintedBitmap(400, 400);
        for (Bitmap* m : {&small, &large}) {
            const int o = m == &large ? 150 : 0;
            Canvas& c = m->canvas();
            c.pen.width = pw;
            switch (k % 4) {
            case 0: c.ellipse(v[0] + o, v[1] + o, v[2] + o, v[3] + o); break;
            case 1: c.rectangle(v[0] + o, v[1] + o, v[2] + o, v[3] + o); break;
            case 2:
                c.arc(v[0] + o, v[1] + o, v[2] + o, v[3] + o, v[4] + o, v[5] + o, v[6] + o,
                      v[7] + o);
                break;
            default:
                c.pie(v[0] + o, v[1] + o, v[2] + o, v[3] + o, v[4] + o, v[5] + o, v[6] + o,
                      v[7] + o);
                break;
            }
        }
        ASSERT_TRUE(sameWindow(small, large, 150, 150)) << k;
    }
}

TEST(CanvasShapes, ShapesRedrawnInBlackEraseCompletely)
{
    std::mt19937 rng(23);
    std::uniform_int_distribution<int> u(-20, 120);
    Bitmap b = makeBitmap(100, 100, kBlack);
    Canvas& c = b.canvas();
    for (int k = 0; k < 200; ++k) {
        int v[8];
        for (int& x : v)
            x = u(rng);
        const raster::Point poly[] = {{v[0], v[1]}, {v[2], v[3]}, {v[4], v[5]}, {v[6], v[7]}};
        c.pen.width = 1 + k % 3;
        for (Color col : {kRed, kBlack}) {
            c.pen.color = col;
            c.brush.color = col == kRed ? kGreen : kBlack;
            switch (k % 5) {
            case 0: c.ellipse(v[0], v[1], v[2], v[3]); break;
            case 1: c.rectangle(v[0], v[1], v[2], v[3]); break;
            case 2: c.pie(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]); break;
            case 3: c.arc(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]); break;
            default: c.polygon(poly); break;
            }
        }
        ASSERT_EQ(count(b, kBlack), 100 * 100) << k;
    }
}

// Box (0, 0)-(41, 41): centre (20, 20), radius 20.
TEST(CanvasShapes, ArcRunsCounterClockwiseOnScreen)
{
    // From the ray to the right to the ray upwards: the upper right quarter only.
    Bitmap b = paintedBitmap(41, 41);
    b.canvas().arc(0, 0, 41, 41, 40, 20, 20, 0);
    const PixelSet q = pixelsOf(b, kRed);
    ASSERT_FALSE(q.empty());
    for (const auto& [x, y] : q) {
        EXPECT_GE(x, 20);
        EXPECT_LE(y, 20);
    }
    EXPECT_TRUE(q.count({40, 20}) && q.count({20, 0}));
    EXPECT_EQ(count(b, kGreen), 0);   // an arc does not fill

    // Start and end swapped: the other three quarters.
    Bitmap r = paintedBitmap(41, 41);
    r.canvas().arc(0, 0, 41, 41, 20, 0, 40, 20);
    const PixelSet rest = pixelsOf(r, kRed);
    for (const auto& [x, y] : rest)
        EXPECT_FALSE(x > 20 && y < 20) << x << "," << y;
    EXPECT_TRUE(rest.count({0, 20}) && rest.count({20, 40}));

    // Together they make the whole outline of the ellipse.
    Bitmap e = paintedBitmap(41, 41);
    e.canvas().ellipse(0, 0, 41, 41);
    PixelSet both = q;
    both.insert(rest.begin(), rest.end());
    EXPECT_EQ(both, pixelsOf(e, kRed));
}

TEST(CanvasShapes, ArcPointsNeedNotLieOnTheCurve)
{
    Bitmap a = paintedBitmap(60, 60);
    Bitmap b = paintedBitmap(60, 60);
    a.canvas().arc(5, 10, 55, 40, 45, 20, 10, 45);
    // The same rays through points three times as far from the centre (29.5, 24.5).
    b.canvas().arc(5, 10, 55, 40, 76, 11, -29, 86);
    EXPECT_EQ(snapshot(a), snapshot(b));
}

TEST(CanvasShapes, EqualStartAndEndGiveTheWholeEllipse)
{
    Bitmap e = paintedBitmap(50, 40);
    e.canvas().ellipse(2, 3, 47, 36);
    Bitmap a = paintedBitmap(50, 40);
    a.canvas().arc(2, 3, 47, 36, 7, 9, 7, 9);
    EXPECT_EQ(pixelsOf(a, kRed), pixelsOf(e, kRed));
    Bitmap p = paintedBitmap(50, 40);
    p.canvas().pie(2, 3, 47, 36, 40, 30, 40, 30);
    // The whole ellipse filled: the pie covers everything the ellipse does, inside its box.
    const PixelSet pie = pixelsNot(p, kWhite);
    for (const auto& px : pixelsNot(e, kWhite))
        EXPECT_TRUE(pie.count(px)) << px.first << "," << px.second;
    const Extent ext = extentOf(pie);
    EXPECT_TRUE(ext.minX >= 2 && ext.minY >= 3 && ext.maxX <= 46 && ext.maxY <= 35);
    EXPECT_GT(count(p, kGreen), count(e, kGreen) - 45);   // less only the radius
}

TEST(CanvasShapes, PieClosesTheArcAndFillsTheSector)
{
    Bitmap b = paintedBitmap(41, 41);
    Canvas& c = b.canvas();
    c.pie(0, 0, 41, 41, 40, 20, 20, 0);   // upper right quarter
    const PixelSet fill = pixelsOf(b, kGreen);
    ASSERT_GT(fill.size(), 200u);
    for (const auto& [x, y] : fill) {
        EXPECT_GT(x, 20);
        EXPECT_LT(y, 20);
    }
    // The radii lie along the axes.
    for (int k = 20; k <= 40; ++k) {
        EXPECT_EQ(c.pixel(k, 20), kRed) << k;
        EXPECT_EQ(c.pixel(20, 40 - k), kRed) << k;
    }
    // The outline is closed: filling outside the pie does not reach into it.
    c.brush.color = kBlue;
    c.floodFill(0, 40, kRed, raster::FillStyle::Border);
    EXPECT_EQ(count(b, kGreen), static_cast<int>(fill.size()));

    // A pie of more than half the ellipse leaves out just the small sector.
    Bitmap m = paintedBitmap(41, 41);
    m.canvas().pie(0, 0, 41, 41, 20, 0, 40, 20);
    EXPECT_GT(count(m, kGreen), 2 * static_cast<int>(fill.size()));
    EXPECT_EQ(m.canvas().pixel(30, 10), kWhite);
    EXPECT_EQ(m.canvas().pixel(10, 30), kGreen);
    EXPECT_EQ(m.canvas().pixel(10, 10), kGreen);
}

TEST(CanvasShapes, HugeArcCostsOnlyItsVisiblePart)
{
    // A circle of radius 6000 whose top passes through the bitmap: only that part shows.
    Bitmap b = paintedBitmap(200, 100);
    Canvas& c = b.canvas();
    c.arc(100 - 6000, 50, 100 + 6001, 50 + 12001, 100, 0, 100, 0);
    const PixelSet lit = pixelsOf(b, kRed);
    ASSERT_FALSE(lit.empty());
    EXPECT_TRUE(lit.count({100, 50}));
    for (const auto& [x, y] : lit) {
        const double d = std::hypot(x - 100.0, y - 6050.0);
        EXPECT_NEAR(d, 6000.0, 1.0) << x << "," << y;
    }
    // Boxes at the far ends of int: nothing or the visible part, and the calls return.
    c.pen.width = 9;
    c.arc(-1000000000, -1000000000, 1000000000, 1000000000, 0, 0, 1, 1);
    c.pie(-2147483647, -5, 2147483647, 2147483647, 3, 4, -7, 9);
    c.ellipse(-2147483647, -2147483647, 2147483647, 2147483647);
    c.rectangle(-2147483647, -2147483647, 2147483647, 2147483647);
    EXPECT_EQ(c.pixel(100, 50), kGreen);   // deep inside the last two shapes
}

TEST(CanvasShapes, PolygonEvenOddFillLeavesAHole)
{
    // A five-pointed star drawn in one stroke: its centre pentagon is crossed twice.
    const raster::Point star[] = {{50, 5}, {77, 90}, {5, 37}, {95, 37}, {23, 90}};
    Bitmap b = paintedBitmap(100, 100);
    b.canvas().polygon(star);
    EXPECT_EQ(b.canvas().pixel(50, 50), kWhite);   // the hole
    EXPECT_EQ(b.canvas().pixel(50, 20), kGreen);   // a point
    EXPECT_EQ(b.canvas().pixel(25, 40), kGreen);
    EXPECT_EQ(b.canvas().pixel(50, 5), kRed);      // the outline, closed back to the start
    EXPECT_EQ(b.canvas().pixel(23, 90), kRed);
    // Clipping does not change the polygon.
    Bitmap large = paintedBitmap(300, 300);
    raster::Point moved[5];
    for (int i = 0; i < 5; ++i)
        moved[i] = {star[i].x + 100 - 30, star[i].y + 100 - 40};
    large.canvas().polygon(moved);
    Bitmap small = paintedBitmap(40, 40);
    raster::Point shifted[5];
    for (int i = 0; i < 5; ++i)
        shifted[i] = {star[i].x - 30, star[i].y - 40};
    small.canvas().polygon(shifted);
    EXPECT_TRUE(sameWindow(small, large, 100, 100));
}

TEST(CanvasShapes, PolygonFillIsInsideItsOutline)
{
    std::mt19937 rng(29);
    std::uniform_int_distribution<int> u(0, 79);
    for (int k = 0; k < 100; ++k) {
        raster::Point p[6];
        for (auto& pt : p)
            pt = {u(rng), u(rng)};
        Bitmap b = paintedBitmap(80, 80);
        b.canvas().polygon(p);
        // No brush pixel has a 4-neighbour outside the painted shape.
        for (const auto& [x, y] : pixelsOf(b, kGreen))
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                ASSERT_NE(b.canvas().pixel(x + dx, y + dy), kWhite) << k;
        // A polygon with fewer than two points draws nothing.
        Bitmap e = paintedBitmap(10, 10);
        e.canvas().polygon(std::span<const raster::Point>(p, 1));
        EXPECT_EQ(count(e, kWhite), 100);
    }
    // A square polygon includes its last row and column, unlike a rectangle's box.
    const raster::Point sq[] = {{2, 2}, {12, 2}, {12, 12}, {2, 12}};
    Bitmap b = paintedBitmap(20, 20);
    b.canvas().polygon(sq);
    EXPECT_EQ(count(b, kRed), 40);
    EXPECT_EQ(count(b, kGreen), 81);
}

}  // namespace
