// Damage kept row by row: every pixel a shape draws lies in its row's span, and copying the spans
// of a redrawn picture leaves a window showing that picture exactly.
#include <gtest/gtest.h>

#include "shell/damage.h"

namespace {

constexpr raster::Color kInk = raster::rgb(255, 0, 0);

TEST(RowDamage, EveryPixelOfALineOrPolygonLiesInTheSpansAndTheCopyMatches)
{
    // Lines fanning out from one point at every slope, with thin, dotted and wide pens, and a
    // polygon, partly off the picture.
    raster::Bitmap picture;
    picture.setSize(300, 200);
    raster::Bitmap window;
    window.setSize(300, 200);
    orb::RowDamage rows(200);
    orb::DamageCanvas c(picture.canvas(), rows);
    c.canvas().pen.color = kInk;
    const raster::Point centre{150, 100};
    for (int i = 0; i < 64; ++i) {
        c.canvas().pen.width = 1 + i % 4;
        c.canvas().pen.style = i % 3 == 0 ? raster::PenStyle::Dot : raster::PenStyle::Solid;
        const int x = i < 32 ? -20 + 11 * i : 330 - 11 * (i - 32);
        c.moveTo(centre.x, centre.y);
        c.lineTo(x, i < 32 ? -7 + i % 5 : 207 - i % 5);
    }
    c.canvas().pen.width = 1;
    c.canvas().brush.color = kInk;
    const raster::Point shape[] = {{-10, 190}, {40, 120}, {90, 215}};
    c.polygon(shape);
    rows.copy(window.canvas(), {0, 0}, picture);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            ASSERT_EQ(window.canvas().pixel(x, y), picture.canvas().pixel(x, y)) << x << "," << y;
    // A copy moved on the window: the same pixels, shifted.
    raster::Bitmap moved;
    moved.setSize(400, 250);
    rows.copy(moved.canvas(), {60, 30}, picture);
    EXPECT_EQ(moved.canvas().pixel(150 + 60, 100 + 30), kInk);
    EXPECT_EQ(moved.canvas().pixel(59, 30), raster::rgb(255, 255, 255));
}

}  // namespace
