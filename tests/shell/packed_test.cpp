// Pictures kept as runs while their window is not active come back pixel for pixel.
#include <gtest/gtest.h>

#include <algorithm>

#include "shell/packed.h"

namespace {

raster::Bitmap picture(int w, int h)
{
    raster::Bitmap b;
    b.canvas().brush.color = 0x102030;
    b.setSize(w, h);
    raster::Canvas& c = b.canvas();
    c.brush.color = 0xFF0000;
    c.ellipse(5, 3, w - 7, h - 2);
    c.pen.color = 0x00FF00;
    c.moveTo(0, h - 1);
    c.lineTo(w, 0);
    c.setPixel(w - 1, h - 1, 0x000001);   // a run of one pixel at a row's end
    return b;
}

TEST(PackedPicture, GivesBackEveryPixelAndAnyRectangle)
{
    raster::Bitmap b = picture(97, 41);
    const raster::Bitmap original = picture(97, 41);
    b.canvas().pen.color = 0x123456;
    orb::PackedPicture packed;
    ASSERT_TRUE(packed.pack(b));
    EXPECT_EQ(b.bytes(), 0u);
    EXPECT_LT(packed.bytes(), original.bytes() / 2);

    // A rectangle that cuts runs at both ends, into a larger buffer.
    const raster::Rect r{13, 7, 61, 30};
    std::vector<std::uint32_t> part(60 * 23, 0xDEAD);
    packed.copyTo(r, part.data(), 60);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            ASSERT_EQ(part[static_cast<std::size_t>((y - r.top) * 60 + x - r.left)], original.canvas().pixel(x, y))
                << x << "," << y;
    EXPECT_EQ(part[48], 0xDEADu);   // nothing beyond the rectangle's width

    packed.unpack(b);
    EXPECT_FALSE(packed.packed());
    ASSERT_TRUE(b.width() == 97 && b.height() == 41);
    EXPECT_TRUE(std::equal(b.canvas().bits(), b.canvas().bits() + 97 * 41, original.canvas().bits()));
    EXPECT_EQ(b.canvas().pen.color, 0x123456u);   // the canvas kept its pen
}

TEST(PackedPicture, LeavesAPictureWithoutRunsAsItIs)
{
    raster::Bitmap noise;   // no two neighbours alike
    noise.setSize(64, 16);
    for (int i = 0; i < 64 * 16; ++i)
        noise.canvas().bits()[i] = static_cast<std::uint32_t>(i);
    orb::PackedPicture packed;
    EXPECT_FALSE(packed.pack(noise));
    EXPECT_EQ(noise.width(), 64);
    EXPECT_EQ(noise.canvas().pixel(5, 3), 3u * 64 + 5);
}

}  // namespace
