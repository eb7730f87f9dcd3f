// Text on the canvas through the Qt font engine: box, background, ink and measures.
#include "canvas_test_util.h"
#include "raster/qt/qt_font.h"

#include <gtest/gtest.h>

using namespace canvas_test;

namespace {

class CanvasText : public ::testing::Test {
protected:
    void SetUp() override { raster::qt::installFontEngine(); }
};

TEST_F(CanvasText, MeasuresGrowWithTextAndFont)
{
    Bitmap b = makeBitmap(10, 10);
    Canvas& c = b.canvas();
    const int h = c.textHeight("I"), one = c.textWidth("W");
    EXPECT_TRUE(h > 5 && c.textHeight("Terra e Luna") == h && c.textWidth("") == 0 && one > 0);
    EXPECT_GT(c.textWidth("WWWW"), 3 * one);
    c.font.height = -30;   // a negative height counts as its size
    const int h30 = c.textHeight("I");
    c.font.height = 30;
    EXPECT_TRUE(h30 > h + 10 && c.textHeight("I") == h30 && c.textWidth("W") > one);
    c.font.height = 11;
    const int normal = c.textWidth("Precessione");
    c.font.bold = true;
    EXPECT_GT(c.textWidth("Precessione"), normal);
    c.font.bold = false;   // UTF-8 is decoded: an accented letter is as wide as the plain one
    EXPECT_EQ(c.textWidth("\xC3\xA8"), c.textWidth("e"));
}

TEST_F(CanvasText, TextOutFillsItsBoxWithBrushAndInk)
{
    Bitmap b = makeBitmap(200, 60, kBlack);
    Canvas& c = b.canvas();
    c.brush.color = kGreen;
    c.font.color = kRed;
    const char* text = "Onde primarie P";
    const int w = c.textWidth(text), h = c.textHeight(text);
    c.textOut(7, 9, text);
    int ink = 0, back = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            const Color p = c.pixel(x, y);
            const bool inBox = x >= 7 && x < 7 + w && y >= 9 && y < 9 + h;
            if (!inBox) {
                ASSERT_EQ(p, kBlack) << x << "," << y;
                continue;
            }
            ASSERT_TRUE(p == kGreen || p == kRed) << x << "," << y;   // aliased: two colours
            (p == kRed ? ink : back)++;
        }
    EXPECT_TRUE(ink > 40 && back > ink);
    // The box starts at (7, 9), and the pen position is not moved.
    EXPECT_TRUE(c.pixel(7, 9) != kBlack && c.pixel(6, 9) == kBlack && c.pixel(7, 8) == kBlack);
    EXPECT_EQ(c.penPos().x, 0);
}

TEST_F(CanvasText, ClippedTextMatchesUnclippedAndStylesDiffer)
{
    Bitmap whole = makeBitmap(120, 40);
    Bitmap part = makeBitmap(30, 10);
    whole.canvas().textOut(20, 15, "Keplero");
    part.canvas().textOut(-10, 0, "Keplero");
    EXPECT_TRUE(sameWindow(part, whole, 30, 15));
    Bitmap bold = makeBitmap(120, 40);
    bold.canvas().font.bold = true;
    bold.canvas().textOut(20, 15, "Keplero");
    EXPECT_GT(count(bold, kBlack), count(whole, kBlack));
    // Far outside: nothing drawn, and the call returns.
    Bitmap far = makeBitmap(20, 20);
    far.canvas().textOut(-2147483647, 2147483600, "x");
    EXPECT_EQ(count(far, kWhite), 400);
}

}  // namespace
