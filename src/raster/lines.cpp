// Lines: exact integer width-1 lines clipped at their entry point, dashed styles, wide round pens.
#include "raster/detail.h"

#include <cmath>

namespace raster {
namespace detail {
namespace {

// A dash pattern: `on` pixels of pen, then period - on pixels of gap; period 0 is solid.
struct Pattern {
    int on;
    int period;
};

Pattern patternOf(PenStyle style)
{
    switch (style) {
    case PenStyle::Dash: return {18, 24};
    case PenStyle::Dot: return {3, 6};
    case PenStyle::Solid: break;
    }
    return {0, 0};
}

// A width-1 line. Along the major axis (the one with the larger extent aM) pixel i (i = 0, 1 ..)
// is at M0 + sM i, and its minor coordinate is m0 + sm t(i) with
//     t(i) = floor((2 i am + aM) / (2 aM)),
// the nearest minor coordinate of the true segment, halves rounded away from the start. The
// pixels inside the target form one run of i, found by solving the two clip inequalities; the
// error term is set up at the run's first pixel, so a clipped line lights exactly the pixels
// the whole line would light there.
void thinLine(const Target& t, i64 x0, i64 y0, i64 x1, i64 y1, bool lastPixel, Color on,
              Color off, Pattern pat)
{
    const i64 dx = x1 - x0;
    const i64 dy = y1 - y0;
    const i64 adx = dx < 0 ? -dx : dx;
    const i64 ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const i64 aM = xMajor ? adx : ady;
    const i64 am = xMajor ? ady : adx;
    const i64 n = aM + (lastPixel ? 1 : 0);
    if (n == 0)
        return;
    if (aM == 0) {   // start and end are the same pixel, and it is wanted
        if (t.contains(x0, y0))
            t.row(y0)[x0] = on;
        return;
    }
    const i64 sM = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const i64 sm = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const i64 M0 = xMajor ? x0 : y0;
    const i64 m0 = xMajor ? y0 : x0;
    const i64 sizeM = xMajor ? t.w : t.h;
    const i64 sizem = xMajor ? t.h : t.w;

    i64 iLo = 0;
    i64 iHi = n - 1;
    i64 r = aM;   // 2 i am + aM = t (2 aM) + r at i = iLo, 0 <= r < 2 aM
    i64 tStart = 0;
    if (!t.contains(x0, y0) || !t.contains(x1, y1)) {
        if (sM > 0) {
            iLo = std::max(iLo, -M0);
            iHi = std::min(iHi, sizeM - 1 - M0);
        } else {
            iLo = std::max(iLo, M0 - (sizeM - 1));
            iHi = std::min(iHi, M0);
        }
        if (iLo > iHi)
            return;
        // The minor coordinate must stay inside: t in [tlo, thi].
        const i64 tlo = sm > 0 ? -m0 : m0 - (sizem - 1);
        const i64 thi = sm > 0 ? sizem - 1 - m0 : m0;
        if (am == 0) {
            if (tlo > 0 || thi < 0)
                return;
        } else {
            // t(i) >= tlo  <=>  i >= (2 tlo - 1) aM / (2 am);
            // t(i) <= thi  <=>  i <  (2 thi + 1) aM / (2 am).
            const i128 den = 2 * static_cast<i128>(am);
            const i128 lo = ceilDiv((2 * static_cast<i128>(tlo) - 1) * aM, den);
            const i128 hi = ceilDiv((2 * static_cast<i128>(thi) + 1) * aM, den) - 1;
            if (lo > iLo)
                iLo = lo > iHi ? iHi + 1 : static_cast<i64>(lo);
            if (hi < iHi)
                iHi = hi < iLo ? iLo - 1 : static_cast<i64>(hi);
            if (iLo > iHi)
                return;
        }
        const i128 num = 2 * static_cast<i128>(iLo) * am + aM;
        tStart = static_cast<i64>(num / (2 * static_cast<i128>(aM)));
        r = static_cast<i64>(num % (2 * static_cast<i128>(aM)));
    }

    const i64 M = M0 + sM * iLo;
    const i64 m = m0 + sm * tStart;
    const i64 x = xMajor ? M : m;
    const i64 y = xMajor ? m : M;
    std::uint32_t* p = t.px;
    i64 at = y * t.stride + x;
    const i64 stepM = xMajor ? sM : sM * t.stride;
    const i64 stepm = xMajor ? sm * t.stride : sm;
    const i64 twoAM = 2 * aM;
    const i64 twoAm = 2 * am;
    i64 count = iHi - iLo + 1;
    if (pat.period == 0) {
        for (;;) {
            p[at] = on;
            if (--count == 0)
                break;
            at += stepM;
            r += twoAm;
            if (r >= twoAM) {
                r -= twoAM;
                at += stepm;
            }
        }
    } else {
        int phase = static_cast<int>(iLo % pat.period);
        for (;;) {
            p[at] = phase < pat.on ? on : off;
            if (--count == 0)
                break;
            if (++phase == pat.period)
                phase = 0;
            at += stepM;
            r += twoAm;
            if (r >= twoAM) {
                r -= twoAM;
                at += stepm;
            }
        }
    }
}

// A wide pen: the pixels whose sample point lies closer than rad = width / 2 to the segment AB
// (a capsule: a band along AB and a disc at each end). Sample points are pixel centres, moved
// by half a pixel right and down for even widths so that exactly `width` rows or columns are
// covered. Each row of the capsule is one run of pixels, the union of the band's and the discs'
// runs on that row.
void wideLine(const Target& t, i64 x0, i64 y0, i64 x1, i64 y1, int width, Color c)
{
    const double rad = width / 2.0;
    const double off = (width % 2 == 0) ? 0.5 : 0.0;
    const double ax = static_cast<double>(x0);
    const double ay = static_cast<double>(y0);
    const double bx = static_cast<double>(x1);
    const double by = static_cast<double>(y1);
    const double dx = bx - ax;
    const double dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    const double rl = rad * std::sqrt(len2);

    // Rows whose sample y lies strictly within rad of the segment's vertical extent.
    const double yMin = std::min(ay, by) - rad - off;
    const double yMax = std::max(ay, by) + rad - off;
    const i64 rowFrom = std::max<i64>(0, static_cast<i64>(std::floor(yMin)) + 1);
    const i64 rowTo = std::min<i64>(t.h - 1, static_cast<i64>(std::ceil(yMax)) - 1);
    for (i64 py = rowFrom; py <= rowTo; ++py) {
        const double sy = static_cast<double>(py) + off;
        double lo = 0.0;
        double hi = 0.0;
        bool any = false;
        auto unite = [&](double a, double b) {
            if (a > b)
                return;
            if (!any) {
                lo = a;
                hi = b;
                any = true;
            } else {
                lo = std::min(lo, a);
                hi = std::max(hi, b);
            }
        };
        const double ea = sy - ay;
        if (std::fabs(ea) < rad) {
            const double h = std::sqrt(rad * rad - ea * ea);
            unite(ax - h, ax + h);
        }
        const double eb = sy - by;
        if (std::fabs(eb) < rad) {
            const double h = std::sqrt(rad * rad - eb * eb);
            unite(bx - h, bx + h);
        }
        if (len2 > 0.0) {
            // Band: |cross(d, P - A)| < rad |d| and 0 <= dot(d, P - A) <= |d|^2, P = (sx, sy).
            double bLo = -1e300;
            double bHi = 1e300;
            bool band = true;
            if (dy == 0.0) {
                band = std::fabs(ea) < rad;
            } else {
                double u = (dx * ea - rl) / dy;
                double v = (dx * ea + rl) / dy;
                if (u > v)
                    std::swap(u, v);
                bLo = ax + u;
                bHi = ax + v;
            }
            if (dx == 0.0) {
                const double along = dy * ea;
                band = band && along >= 0.0 && along <= len2;
            } else {
                double u = -dy * ea / dx;
                double v = (len2 - dy * ea) / dx;
                if (u > v)
                    std::swap(u, v);
                bLo = std::max(bLo, ax + u);
                bHi = std::min(bHi, ax + v);
            }
            if (band)
                unite(bLo, bHi);
        }
        if (!any)
            continue;
        // Pixels whose sample x = px + off lies strictly between lo and hi.
        const double fromX = std::floor(lo - off) + 1.0;
        const double toX = std::ceil(hi - off) - 1.0;
        if (toX < 0.0 || fromX > static_cast<double>(t.w - 1) || fromX > toX)
            continue;
        hspan(t, py, static_cast<i64>(std::max(fromX, 0.0)),
              static_cast<i64>(std::min(toX, static_cast<double>(t.w - 1))), c);
    }
}

}  // namespace

void strokeSegment(const Target& t, const Stroke& s, i64 x0, i64 y0, i64 x1, i64 y1,
                   bool lastPixel)
{
    if (t.empty())
        return;
    if (s.width > 1)
        wideLine(t, x0, y0, x1, y1, s.width, s.color);
    else
        thinLine(t, x0, y0, x1, y1, lastPixel, s.color, s.gap, patternOf(s.style));
}

}  // namespace detail

void Canvas::moveTo(int x, int y)
{
    pos_ = {x, y};
}

void Canvas::lineTo(int x, int y)
{
    detail::strokeSegment(detail::targetOf(*this), detail::strokeOf(*this), pos_.x, pos_.y, x, y,
                          false);
    pos_ = {x, y};
}

void Canvas::polyline(std::span<const Point> points)
{
    const detail::Target t = detail::targetOf(*this);
    const detail::Stroke s = detail::strokeOf(*this);
    for (std::size_t i = 1; i < points.size(); ++i)
        detail::strokeSegment(t, s, points[i - 1].x, points[i - 1].y, points[i].x, points[i].y,
                              false);
}

}  // namespace raster
