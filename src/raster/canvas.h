// The drawing canvas on which every picture of the program is drawn, with exact pixel rules.
//
// Pixel conventions, shared by every operation:
// - Pixels are 32-bit 0x00RRGGBB words, row by row, `stride` pixels apart; a pixel (x, y) is the
//   unit square whose centre is the integer point (x, y); origin top-left, y down. Colours are
//   written exactly (the top byte is always 0) and nothing is ever anti-aliased.
// - Any int coordinates are accepted; shapes are rasterised on their true geometry and then
//   clipped pixel by pixel, so the part that shows does not depend on the bitmap's size, and
//   the work done follows the visible part only.
// - Lines: `lineTo` leaves out the end pixel. Width-1 pens follow an exact integer line
//   algorithm; Dash (18 on, 6 off) and Dot (3 on, 3 off) restart at every segment's start and
//   paint their gaps in the brush colour. Pens wider than 1 are solid: every pixel whose centre
//   (shifted by half a pixel right and down for even widths) lies closer than width/2 to the
//   segment, so the ends and joins are round and cover both end points.
// - Boxes (ellipse, rectangle, arc, pie): corners are put in order, the right column and bottom
//   row are left out, an empty box draws nothing. Outlines of width 1 are one pixel thick and
//   8-connected (a 4-connected flood fill never crosses them); wider outlines are centred on
//   the width-1 outline. Outlines of ellipses, arcs and pies are always solid.
// - `pixel` outside the canvas returns kNoPixel; `setPixel` outside does nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace raster {

using Color = std::uint32_t;  // 0xRRGGBB

constexpr Color rgb(int r, int g, int b)
{
    return (static_cast<Color>(r & 0xFF) << 16) | (static_cast<Color>(g & 0xFF) << 8) |
           static_cast<Color>(b & 0xFF);
}

// What pixel() returns outside the canvas: it has bits above the 24 colour bits set, so it
// never equals a real colour.
constexpr Color kNoPixel = 0xFF000000u;

struct Point { int x, y; };
struct Rect  { int left, top, right, bottom; };

enum class PenStyle  { Solid, Dash, Dot };
enum class FillStyle { Border, Surface };   // flood fill modes
enum class CopyMode  { Copy, Or };          // plain copy; bitwise OR of source onto destination

class FontEngine;
class Bitmap;

// A canvas draws on a block of 32-bit pixels (0x00RRGGBB) that it does not own: a Bitmap's,
// or a window surface's. Pixels are stored row by row, `stride` pixels apart.
class Canvas {
public:
    struct { Color color; int width; PenStyle style; } pen{0x000000, 1, PenStyle::Solid};
    struct { Color color; } brush{0xFFFFFF};
    // height: the characters' pixel height (a negative height counts as its size; 0 gives the
    // default 11; at most 2000).
    struct { Color color; bool bold; bool italic; int height; } font{0x000000, false, false, 11};
    CopyMode copyMode = CopyMode::Copy;

    Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Points the canvas at a pixel block (width x height, `stride` pixels a row). A canvas with
    // no pixels (a width or height of 0, or a null block) ignores every drawing operation.
    void attach(std::uint32_t* pixels, int width, int height, int stride);
    int width() const { return width_; }
    int height() const { return height_; }
    std::uint32_t* bits() { return pixels_; }
    const std::uint32_t* bits() const { return pixels_; }
    int stride() const { return stride_; }
    Point penPos() const { return pos_; }

    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void ellipse(int x1, int y1, int x2, int y2);
    void rectangle(int x1, int y1, int x2, int y2);
    void fillRect(const Rect& r);   // brush only, right/bottom excluded, corners put in order
    // Closed outline and even-odd fill; neither polygon nor polyline moves the pen position.
    void polygon(std::span<const Point> points);
    void polyline(std::span<const Point> points);
    // The ellipse of the box from the ray through (x3, y3) counter-clockwise on the screen to
    // the ray through (x4, y4), rays from the box's centre, both ends included; the same ray
    // twice gives the whole ellipse. A pie adds the radii from the centre pixel to where the
    // rays meet the curve and fills the sector with the brush.
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Border: repaints with the brush the 4-connected area around (x, y) that is not `color`;
    // Surface: the 4-connected area that is `color`.
    void floodFill(int x, int y, Color color, FillStyle style);
    // draw and copyRect both honour copyMode. copyRect scales by nearest neighbour (each
    // destination pixel takes the source pixel under its centre), leaves alone the destination
    // pixels whose source lies outside the source canvas, reads an overlapping source in the
    // same pixels before writing, and mirrors when exactly one of the two rectangles is reversed
    // in a direction (both reversed alike copy unmirrored). An empty rectangle copies nothing.
    void draw(int x, int y, const Bitmap& bitmap);
    void copyRect(const Rect& dest, const Canvas& source, const Rect& sourceRect);
    Color pixel(int x, int y) const;   // kNoPixel outside the canvas
    void setPixel(int x, int y, Color color);
    // Text through the installed FontEngine; without one nothing is drawn and sizes are 0.
    // textOut does not move the pen position.
    void textOut(int x, int y, std::string_view utf8);
    int textWidth(std::string_view utf8);
    int textHeight(std::string_view utf8);

private:
    std::uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    Point pos_{0, 0};
};

// An off-screen picture that owns its pixels. A default bitmap is empty (0 x 0). A moved-from
// bitmap is empty and usable.
class Bitmap {
public:
    Bitmap();
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    ~Bitmap();

    // Resizes to width x height (negative sizes count as 0). Pixels inside both the old and
    // the new size keep their colour; the new area takes the canvas's current brush colour.
    void setSize(int width, int height);
    int width() const;
    int height() const;
    Canvas& canvas();
    const Canvas& canvas() const;
    std::size_t bytes() const;

private:
    std::vector<std::uint32_t> pixels_;
    std::unique_ptr<Canvas> canvas_;   // on the heap, so that moving the bitmap keeps it valid
};

// The text rasteriser behind textOut/textWidth/textHeight. The program installs one backed by
// Qt's font engine (raster/qt/qt_font.h); without one, text draws nothing and measures 0.
class FontEngine {
public:
    struct Style { bool bold; bool italic; int height; };
    // The text's box, one byte per pixel row by row: 1 where the glyphs put ink, 0 elsewhere.
    struct Mask {
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> ink;
    };
    virtual ~FontEngine() = default;
    // Size in pixels of the text's box.
    virtual int width(std::string_view utf8, const Style& style) = 0;
    virtual int height(std::string_view utf8, const Style& style) = 0;
    // The text rendered without anti-aliasing, its box's top-left corner at the mask's (0, 0).
    virtual Mask render(std::string_view utf8, const Style& style) = 0;
};

// The engine is not owned; pass nullptr to remove it.
void setFontEngine(FontEngine* engine);
FontEngine* fontEngine();

}  // namespace raster
