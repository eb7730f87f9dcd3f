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
            const Extent e = extentOf(pixelsOf(b, kWhite, false));
            EXPECT_TRUE(e.minX == 10 && e.minY == 10 && e.maxX == 10 + w - 1 && e.maxY == 10 + h - 1)
                << shape << " " << w << "x" << h;
        }
    }
    // A rectangle: outline on the box's first and last rows and columns, brush inside.
    Bitmap b = paintedBitmap(30, 30);
    b.canvas().rectangle(5, 6, 15, 12);
    EXPECT_TRUE(count(b, kRed) == 2 * 10 + 2 * 4 && count(b, kGreen) == 8 * 4);
    EXPECT_TRUE(b.canvas().pixel(14, 11) == kRed && b.canvas().pixel(6, 7) == kGreen);
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

// Random boxes: the ellipse is mirror symmetric, touches the box's four sides, its outline is one
// pixel thick (each outline pixel has a 4-neighbour outside) and encloses its brush, so that a
// border fill from the centre stays inside.
TEST(CanvasShapes, EllipseIsSymmetricWithAThinClosedOutline)
{
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> size(1, 60);
    for (int k = 0; k < 150; ++k) {
        const int w = size(rng), h = size(rng);
        Bitmap b = paintedBitmap(70, 70);
        Canvas& c = b.canvas();
        c.ellipse(5, 5, 5 + w, 5 + h);
        for (int y = 5; y < 5 + h; ++y)
            for (int x = 5; x < 5 + w; ++x) {
                const Color p = c.pixel(x, y);
                ASSERT_EQ(p, c.pixel(5 + w - 1 - (x - 5), y)) << w << "x" << h;
                ASSERT_EQ(p, c.pixel(x, 5 + h - 1 - (y - 5))) << w << "x" << h;
            }
        const Extent e = extentOf(pixelsOf(b, kRed));
        EXPECT_TRUE(e.minX == 5 && e.maxX == 4 + w && e.minY == 5 && e.maxY == 4 + h) << w << "x" << h;
        auto outside = [&](int x, int y) {
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                if (c.pixel(x + dx, y + dy) == kWhite)
                    return true;
            return false;
        };
        for (const auto& [x, y] : pixelsOf(b, kGreen))
            ASSERT_FALSE(outside(x, y)) << w << "x" << h << " at " << x << "," << y;
        for (const auto& [x, y] : pixelsOf(b, kRed))
            ASSERT_TRUE(outside(x, y)) << w << "x" << h << " at " << x << "," << y;
        c.brush.color = kBlue;
        c.floodFill(5 + (w - 1) / 2, 5 + (h - 1) / 2, kRed, raster::FillStyle::Border);
        EXPECT_EQ(c.pixel(0, 0), kWhite) << w << "x" << h;
        EXPECT_EQ(c.pixel(69, 69), kWhite) << w << "x" << h;
    }
}

TEST(CanvasShapes, WidePenOutlineIsCentredOnTheBox)
{
    for (int pw : {3, 5}) {
        Bitmap b = paintedBitmap(60, 60);
        b.canvas().pen.width = pw;
        b.canvas().rectangle(20, 20, 40, 40);
        const Extent e = extentOf(pixelsOf(b, kRed));
        EXPECT_TRUE(e.minX == 20 - pw / 2 && e.maxX == 39 + pw / 2) << pw;
        EXPECT_TRUE(b.canvas().pixel(20 + pw / 2, 30) == kRed && b.canvas().pixel(21 + pw / 2, 30) == kGreen) << pw;

        Bitmap d = paintedBitmap(60, 60);
        d.canvas().pen.width = pw;
        d.canvas().ellipse(10, 10, 50, 50);
        // On the middle row the pen run at the left is pw pixels, centred on column 10.
        int run = 0;
        for (int x = 0; x < 30; ++x)
            run += d.canvas().pixel(x, 29) == kRed;
        EXPECT_EQ(run, pw);
        EXPECT_TRUE(d.canvas().pixel(10 - pw / 2, 29) == kRed && d.canvas().pixel(10 - pw / 2 - 1, 29) == kWhite) << pw;
    }
}

// Shape `kind` (ellipse, rectangle, arc, pie, line, polygon) from eight numbers, moved by o.
void drawShape(Canvas& c, int kind, const int* v, int o = 0)
{
    int p[8];
    for (int i = 0; i < 8; ++i)
        p[i] = v[i] + o;
    const raster::Point poly[] = {{p[0], p[1]}, {p[2], p[3]}, {p[4], p[5]}, {p[6], p[7]}};
    switch (kind % 6) {
    case 0: c.ellipse(p[0], p[1], p[2], p[3]); break;
    case 1: c.rectangle(p[0], p[1], p[2], p[3]); break;
    case 2: c.arc(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]); break;
    case 3: c.pie(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]); break;
    case 4: c.moveTo(p[0], p[1]), c.lineTo(p[2], p[3]); break;
    default: c.polygon(poly); break;
    }
}

// Each boxed shape, and on every other one a line or a polygon.
TEST(CanvasShapes, ClippedShapesMatchTheWholeShape)
{
    std::mt19937 rng(17);
    std::uniform_int_distribution<int> u(-80, 180);
    for (int k = 0; k < 120; ++k) {
        int v[8];
        for (int& x : v)
            x = u(rng);
        Bitmap small = paintedBitmap(100, 100);
        Bitmap large = paintedBitmap(400, 400);
        small.canvas().pen.width = large.canvas().pen.width = 1 + k % 4;
        for (int kind : {k % 4, k % 2 ? 4 + k / 2 % 2 : -1})
            if (kind >= 0) {
                drawShape(small.canvas(), kind, v);
                drawShape(large.canvas(), kind, v, 150);
            }
        ASSERT_TRUE(sameWindow(small, large, 150, 150)) << k;
    }
}

// Lines and shapes of every width drawn again in black leave nothing behind.
TEST(CanvasShapes, ShapesRedrawnInBlackEraseCompletely)
{
    std::mt19937 rng(23);
    std::uniform_int_distribution<int> u(-20, 120);
    Bitmap b = makeBitmap(100, 100, kBlack);
    Canvas& c = b.canvas();
    for (int k = 0; k < 300; ++k) {
        int v[8];
        for (int& x : v)
            x = u(rng);
        c.pen.width = 1 + k % 5;
        for (Color col : {kRed, kBlack}) {
            c.pen.color = col;
            c.brush.color = col == kRed ? kGreen : kBlack;
            drawShape(c, k, v);
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
    for (const auto& [x, y] : q)
        EXPECT_TRUE(x >= 20 && y <= 20) << x << "," << y;
    EXPECT_TRUE(q.count({40, 20}) && q.count({20, 0}));
    EXPECT_EQ(count(b, kGreen), 0);   // an arc does not fill

    // Start and end swapped: the other three quarters.
    Bitmap r = paintedBitmap(41, 41);
    r.canvas().arc(0, 0, 41, 41, 20, 0, 40, 20);
    const PixelSet rest = pixelsOf(r, kRed);
    for (const auto& [x, y] : rest)
        EXPECT_FALSE(x > 20 && y < 20) << x << "," << y;
    EXPECT_TRUE(rest.count({0, 20}) && rest.count({20, 40}));

    // Together they make the whole outline of the ellipse, as do equal start and end rays.
    Bitmap e = paintedBitmap(41, 41);
    e.canvas().ellipse(0, 0, 41, 41);
    PixelSet both = q;
    both.insert(rest.begin(), rest.end());
    EXPECT_EQ(both, pixelsOf(e, kRed));
    Bitmap a = paintedBitmap(41, 41);
    a.canvas().arc(0, 0, 41, 41, 7, 9, 7, 9);
    EXPECT_EQ(pixelsOf(a, kRed), pixelsOf(e, kRed));
    // Only the rays count: points three times as far from the centre (29.5, 24.5) give the same arc.
    Bitmap f = paintedBitmap(60, 60), g = paintedBitmap(60, 60);
    f.canvas().arc(5, 10, 55, 40, 45, 20, 10, 45);
    g.canvas().arc(5, 10, 55, 40, 76, 11, -29, 86);
    EXPECT_EQ(snapshot(f), snapshot(g));
}

TEST(CanvasShapes, PieClosesTheArcAndFillsTheSector)
{
    Bitmap b = paintedBitmap(41, 41);
    Canvas& c = b.canvas();
    c.pie(0, 0, 41, 41, 40, 20, 20, 0);   // upper right quarter
    const PixelSet fill = pixelsOf(b, kGreen);
    ASSERT_GT(fill.size(), 200u);
    for (const auto& [x, y] : fill)
        EXPECT_TRUE(x > 20 && y < 20) << x << "," << y;
    // The radii lie along the axes.
    for (int k = 20; k <= 40; ++k)
        EXPECT_TRUE(c.pixel(k, 20) == kRed && c.pixel(20, 40 - k) == kRed) << k;
    // The outline is closed: filling outside the pie does not reach into it.
    c.brush.color = kBlue;
    c.floodFill(0, 40, kRed, raster::FillStyle::Border);
    EXPECT_EQ(count(b, kGreen), static_cast<int>(fill.size()));

    // A pie of more than half the ellipse leaves out just the small sector.
    Bitmap m = paintedBitmap(41, 41);
    m.canvas().pie(0, 0, 41, 41, 20, 0, 40, 20);
    EXPECT_GT(count(m, kGreen), 2 * static_cast<int>(fill.size()));
    EXPECT_TRUE(m.canvas().pixel(30, 10) == kWhite && m.canvas().pixel(10, 30) == kGreen && m.canvas().pixel(10, 10) == kGreen);
    // Equal start and end rays: the whole ellipse, filled but for its one radius.
    Bitmap whole = paintedBitmap(41, 41), e = paintedBitmap(41, 41);
    whole.canvas().pie(0, 0, 41, 41, 40, 30, 40, 30);
    e.canvas().ellipse(0, 0, 41, 41);
    EXPECT_EQ(pixelsOf(whole, kWhite), pixelsOf(e, kWhite));
    EXPECT_GT(count(whole, kGreen), count(e, kGreen) - 21);
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
    // The hole, two points, and the outline closed back to the start.
    EXPECT_EQ(b.canvas().pixel(50, 50), kWhite);
    EXPECT_TRUE(b.canvas().pixel(50, 20) == kGreen && b.canvas().pixel(25, 40) == kGreen);
    EXPECT_TRUE(b.canvas().pixel(50, 5) == kRed && b.canvas().pixel(23, 90) == kRed);
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
    }
    // A polygon with fewer than two points draws nothing.
    Bitmap e = paintedBitmap(10, 10);
    const raster::Point one[] = {{5, 5}};
    e.canvas().polygon(one);
    EXPECT_EQ(count(e, kWhite), 100);
    // A square polygon includes its last row and column, unlike a rectangle's box.
    const raster::Point sq[] = {{2, 2}, {12, 2}, {12, 12}, {2, 12}};
    Bitmap b = paintedBitmap(20, 20);
    b.canvas().polygon(sq);
    EXPECT_TRUE(count(b, kRed) == 40 && count(b, kGreen) == 81);
}

}  // namespace
