// The canvas's pixel access, rectangle fill, copies between canvases, text, and the bitmap.
#include "raster/detail.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace raster {

using namespace detail;

namespace {

FontEngine* gFontEngine = nullptr;

// Characters taller than this are drawn at this height (the text is rendered into a mask).
constexpr i64 kMaxFontHeight = 2000;

// Where the source pixels of a copy are read: pixel (x, y) is row(y)[x - x0].
struct SourceView {
    const std::uint32_t* px;
    i64 stride;
    i64 x0;
    i64 y0;

    const std::uint32_t* row(i64 y) const { return px + (y - y0) * stride; }
};

bool sharesMemory(const Canvas& a, const Canvas& b)
{
    if (!a.bits() || !b.bits())
        return false;
    const auto start = [](const Canvas& c) { return reinterpret_cast<std::uintptr_t>(c.bits()); };
    const auto end = [&](const Canvas& c) {
        return start(c) + static_cast<std::uintptr_t>(c.stride()) * 4u *
                              static_cast<std::uintptr_t>(c.height());
    };
    return start(a) < end(b) && start(b) < end(a);
}

// The source index sampled by destination index i (0 <= i < dn) when dn pixels show sn:
// the source pixel under the destination pixel's centre, floor((i + 1/2) sn / dn), counted
// from the far end when the copy is mirrored.
i64 sampleIndex(i64 i, i64 dn, i64 sn, bool mirror)
{
    i64 k = static_cast<i64>((static_cast<i128>(2 * i + 1) * sn) / (2 * static_cast<i128>(dn)));
    return mirror ? sn - 1 - k : k;
}

// Copies the source rectangle (sl, st)-(sr, sb) of `src` onto the destination rectangle
// (dl, dt)-(dr, db) of `dst`, both with their right and bottom edges excluded. A rectangle
// whose right is left of its left (or bottom above top) is reversed; the copy is mirrored in
// that direction when exactly one of the two rectangles is reversed in it.
void copyPixels(Canvas& dst, i64 dl, i64 dt, i64 dr, i64 db, const Canvas& src, i64 sl, i64 st,
                i64 sr, i64 sb, CopyMode mode)
{
    const Target d = targetOf(dst);
    i64 dw = dr - dl, dh = db - dt, sw = sr - sl, sh = sb - st;
    if (d.empty() || !src.bits() || src.width() <= 0 || src.height() <= 0 || dw == 0 ||
        dh == 0 || sw == 0 || sh == 0)
        return;
    const bool mirrorX = (dw < 0) != (sw < 0);
    const bool mirrorY = (dh < 0) != (sh < 0);
    if (dw < 0) {
        dl = dr;
        dw = -dw;
    }
    if (dh < 0) {
        dt = db;
        dh = -dh;
    }
    if (sw < 0) {
        sl = sr;
        sw = -sw;
    }
    if (sh < 0) {
        st = sb;
        sh = -sh;
    }
    // Visible destination columns dl + i, i0 <= i < i1, and rows dt + j, j0 <= j < j1.
    const i64 i0 = std::max<i64>(0, -dl), i1 = std::min<i64>(dw, d.w - dl);
    const i64 j0 = std::max<i64>(0, -dt), j1 = std::min<i64>(dh, d.h - dt);
    if (i0 >= i1 || j0 >= j1)
        return;
    const i64 srcW = src.width(), srcH = src.height();
    const bool identity = dw == sw && dh == sh && !mirrorX && !mirrorY;

    if (identity && !sharesMemory(dst, src)) {
        // Same size, separate memory: whole rows of pixels at once.
        const i64 ia = std::max(i0, -sl), ib = std::min(i1, srcW - sl);
        const i64 ja = std::max(j0, -st), jb = std::min(j1, srcH - st);
        if (ia >= ib || ja >= jb)
            return;
        const std::size_t n = static_cast<std::size_t>(ib - ia);
        const std::uint32_t* s = src.bits() + (st + ja) * src.stride() + sl + ia;
        std::uint32_t* out = d.row(dt + ja) + dl + ia;
        if (mode == CopyMode::Copy && static_cast<i64>(n) == d.stride &&
            static_cast<i64>(n) == src.stride()) {
            // Whole rows back to back: copied in blocks of rows. A block is kept well under
            // the size at which the C library's memcpy turns to cache-bypassing stores, which
            // are slower for pictures that stay in the cache.
            constexpr i64 kBlockRows = 64;
            for (i64 j = ja; j < jb; j += kBlockRows) {
                const i64 rowsNow = std::min(kBlockRows, jb - j);
                std::memcpy(out, s, n * static_cast<std::size_t>(rowsNow) * 4u);
                out += rowsNow * d.stride;
                s += rowsNow * src.stride();
            }
            return;
        }
        for (i64 j = ja; j < jb; ++j, s += src.stride(), out += d.stride) {
            if (mode == CopyMode::Copy) {
                std::memcpy(out, s, n * 4u);
            } else {
                for (std::size_t k = 0; k < n; ++k)
                    out[k] |= s[k];
            }
        }
        return;
    }

    // For each visible column and row, the source column and row, or -1 outside the source.
    std::vector<i64> cols(static_cast<std::size_t>(i1 - i0));
    std::vector<i64> rows(static_cast<std::size_t>(j1 - j0));
    i64 cMin = kFar, cMax = -kFar, rMin = kFar, rMax = -kFar;
    i64 ia = -1, ib = -1;   // the valid columns, a run (the sampling is monotonic)
    for (i64 i = i0; i < i1; ++i) {
        const i64 sx = sl + (identity ? i : sampleIndex(i, dw, sw, mirrorX));
        const bool ok = sx >= 0 && sx < srcW;
        cols[static_cast<std::size_t>(i - i0)] = ok ? sx : -1;
        if (ok) {
            if (ia < 0)
                ia = i;
            ib = i + 1;
            cMin = std::min(cMin, sx);
            cMax = std::max(cMax, sx);
        }
    }
    if (ia < 0)
        return;
    for (i64 j = j0; j < j1; ++j) {
        const i64 sy = st + (identity ? j : sampleIndex(j, dh, sh, mirrorY));
        const bool ok = sy >= 0 && sy < srcH;
        rows[static_cast<std::size_t>(j - j0)] = ok ? sy : -1;
        if (ok) {
            rMin = std::min(rMin, sy);
            rMax = std::max(rMax, sy);
        }
    }
    if (rMin > rMax)
        return;

    // A source sharing memory with the destination is read in full before anything is written.
    SourceView view{src.bits(), src.stride(), 0, 0};
    std::vector<std::uint32_t> copy;
    if (sharesMemory(dst, src)) {
        const i64 cw = cMax - cMin + 1, chgt = rMax - rMin + 1;
        copy.resize(static_cast<std::size_t>(cw * chgt));
        for (i64 y = rMin; y <= rMax; ++y)
            std::memcpy(copy.data() + (y - rMin) * cw, src.bits() + y * src.stride() + cMin,
                        static_cast<std::size_t>(cw) * 4u);
        view = SourceView{copy.data(), cw, cMin, rMin};
    }
    for (i64& col : cols)
        col -= view.x0;   // outside columns stay negative

    const bool contiguous = !mirrorX && dw == sw;
    for (i64 j = j0; j < j1; ++j) {
        const i64 sy = rows[static_cast<std::size_t>(j - j0)];
        if (sy < 0)
            continue;
        const std::uint32_t* s = view.row(sy);
        std::uint32_t* out = d.row(dt + j) + dl;
        if (contiguous) {
            const std::uint32_t* from = s + cols[static_cast<std::size_t>(ia - i0)];
            const std::size_t n = static_cast<std::size_t>(ib - ia);
            if (mode == CopyMode::Copy) {
                std::memcpy(out + ia, from, n * 4u);
            } else {
                for (std::size_t k = 0; k < n; ++k)
                    out[ia + static_cast<i64>(k)] |= from[k];
            }
        } else if (mode == CopyMode::Copy) {
            for (i64 i = ia; i < ib; ++i)
                out[i] = s[cols[static_cast<std::size_t>(i - i0)]];
        } else {
            for (i64 i = ia; i < ib; ++i)
                out[i] |= s[cols[static_cast<std::size_t>(i - i0)]];
        }
    }
}

FontEngine::Style styleOf(const Canvas& c)
{
    // A negative height counts as its size; 0 gives the default; at most kMaxFontHeight.
    const i64 h = std::min<i64>(std::abs(static_cast<i64>(c.font.height)), kMaxFontHeight);
    return FontEngine::Style{c.font.bold, c.font.italic, h > 0 ? static_cast<int>(h) : 11};
}

}  // namespace

// Filling runs of pixels is most of the work of every filled shape; on x86-64 GCC builds this
// loop twice, for AVX2 and for the baseline, and the loader picks one (clang refuses clones
// that the function's first declaration did not ask for).
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
__attribute__((target_clones("avx2", "default")))
#endif
void detail::fillPixels(std::uint32_t* p, i64 n, Color c)
{
    for (i64 i = 0; i < n; ++i)
        p[i] = c;
}

void setFontEngine(FontEngine* engine)
{
    gFontEngine = engine;
}

FontEngine* fontEngine()
{
    return gFontEngine;
}

void Canvas::attach(std::uint32_t* pixels, int width, int height, int stride)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width > 0 && height > 0 && (!pixels || stride < width)) {
        width = height = 0;
    }
    pixels_ = width > 0 && height > 0 ? pixels : nullptr;
    width_ = width;
    height_ = height;
    stride_ = pixels_ ? stride : width;
}

Color Canvas::pixel(int x, int y) const
{
    if (!pixels_ || x < 0 || y < 0 || x >= width_ || y >= height_)
        return kNoPixel;
    return pixels_[static_cast<i64>(y) * stride_ + x] & kColorMask;
}

void Canvas::setPixel(int x, int y, Color color)
{
    if (!pixels_ || x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[static_cast<i64>(y) * stride_ + x] = color & kColorMask;
}

void Canvas::fillRect(const Rect& r)
{
    const Target t = targetOf(*this);
    if (t.empty())
        return;
    const i64 l = std::max<i64>(std::min(r.left, r.right), 0);
    const i64 rr = std::min<i64>(std::max(r.left, r.right), t.w);
    const i64 tp = std::max<i64>(std::min(r.top, r.bottom), 0);
    const i64 b = std::min<i64>(std::max(r.top, r.bottom), t.h);
    const Color c = brush.color & kColorMask;
    for (i64 y = tp; y < b; ++y)
        hspan(t, y, l, rr - 1, c);
}

void Canvas::draw(int x, int y, const Bitmap& bitmap)
{
    const Canvas& src = bitmap.canvas();
    copyPixels(*this, x, y, static_cast<i64>(x) + src.width(), static_cast<i64>(y) + src.height(),
               src, 0, 0, src.width(), src.height(), copyMode);
}

void Canvas::copyRect(const Rect& dest, const Canvas& source, const Rect& sourceRect)
{
    copyPixels(*this, dest.left, dest.top, dest.right, dest.bottom, source, sourceRect.left,
               sourceRect.top, sourceRect.right, sourceRect.bottom, copyMode);
}

// The text's box, filled with the brush, with the glyphs' ink in the font colour on it.
void Canvas::textOut(int x, int y, std::string_view utf8)
{
    const Target t = targetOf(*this);
    if (!gFontEngine || t.empty())
        return;
    const FontEngine::Mask m = gFontEngine->render(utf8, styleOf(*this));
    if (m.width <= 0 || m.height <= 0 ||
        m.ink.size() < static_cast<std::size_t>(m.width) * static_cast<std::size_t>(m.height))
        return;
    const Color back = brush.color & kColorMask;
    const Color ink = font.color & kColorMask;
    const i64 x0 = std::max<i64>(x, 0), x1 = std::min<i64>(static_cast<i64>(x) + m.width, t.w);
    const i64 y0 = std::max<i64>(y, 0), y1 = std::min<i64>(static_cast<i64>(y) + m.height, t.h);
    for (i64 py = y0; py < y1; ++py) {
        const std::uint8_t* mr = m.ink.data() + (py - y) * m.width;
        std::uint32_t* row = t.row(py);
        for (i64 px = x0; px < x1; ++px)
            row[px] = mr[px - x] ? ink : back;
    }
}

int Canvas::textWidth(std::string_view utf8)
{
    return gFontEngine ? gFontEngine->width(utf8, styleOf(*this)) : 0;
}

int Canvas::textHeight(std::string_view utf8)
{
    return gFontEngine ? gFontEngine->height(utf8, styleOf(*this)) : 0;
}

Bitmap::Bitmap() : canvas_(std::make_unique<Canvas>()) {}

// The moved-from bitmap gets a fresh empty canvas, so that it stays usable.
Bitmap::Bitmap(Bitmap&& other) noexcept : Bitmap()
{
    std::swap(pixels_, other.pixels_);
    std::swap(canvas_, other.canvas_);
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept
{
    if (this != &other) {
        std::swap(pixels_, other.pixels_);
        std::swap(canvas_, other.canvas_);
        std::vector<std::uint32_t>().swap(other.pixels_);
        Canvas& c = *other.canvas_;
        c.attach(nullptr, 0, 0, 0);
    }
    return *this;
}

Bitmap::~Bitmap() = default;

void Bitmap::setSize(int width, int height)
{
    const int w = std::max(width, 0);
    const int h = std::max(height, 0);
    Canvas& c = *canvas_;
    const int oldW = c.width(), oldH = c.height();
    if (w == oldW && h == oldH)
        return;
    const Color fill = c.brush.color & kColorMask;
    std::vector<std::uint32_t> next(static_cast<std::size_t>(w) * static_cast<std::size_t>(h),
                                    fill);
    const int keepW = std::min(w, oldW), keepH = std::min(h, oldH);
    for (int y = 0; keepW > 0 && y < keepH; ++y)
        std::memcpy(next.data() + static_cast<std::size_t>(y) * w,
                    pixels_.data() + static_cast<std::size_t>(y) * oldW,
                    static_cast<std::size_t>(keepW) * 4u);
    pixels_ = std::move(next);
    c.attach(pixels_.empty() ? nullptr : pixels_.data(), w, h, w);
}

int Bitmap::width() const
{
    return canvas_->width();
}

int Bitmap::height() const
{
    return canvas_->height();
}

Canvas& Bitmap::canvas()
{
    return *canvas_;
}

const Canvas& Bitmap::canvas() const
{
    return *canvas_;
}

std::size_t Bitmap::bytes() const
{
    return pixels_.size() * sizeof(std::uint32_t);
}

}  // namespace raster
