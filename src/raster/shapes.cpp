// Boxed shapes and polygons: ellipses, rectangles, arcs, pies and even-odd filled polygons.
#include "raster/detail.h"

#include <cmath>
#include <vector>

namespace raster {
namespace detail {
namespace {

// A box with its corners in order; pixels left..right-1 by top..bottom-1.
struct Box {
    i64 left, top, right, bottom;

    bool empty() const { return right <= left || bottom <= top; }
};

Box boxOf(i64 x1, i64 y1, i64 x2, i64 y2)
{
    return Box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// The outer and inner boxes of a pen of the given width drawn on the box's width-1 outline:
// the pen covers the outer shape minus the inner shape's interior. For an odd width 2k + 1
// both grow and shrink by k on every side; for an even width 2k the outer box grows by k on
// the left and top and k - 1 on the right and bottom, and the inner box the other way round.
void penBoxes(const Box& b, int width, Box& outer, Box& inner)
{
    const i64 k = std::max(width, 1) / 2;
    const i64 near = k;
    const i64 far = (width % 2 == 0) ? k - 1 : k;
    outer = Box{b.left - near, b.top - near, b.right + far, b.bottom + far};
    inner = Box{b.left + far, b.top + far, b.right - near, b.bottom - near};
}

// The rows of an ellipse inscribed in a box. With W x H the box's size, the ellipse's centre
// is ((left + right - 1) / 2, (top + bottom - 1) / 2) and its half axes a = (W - 1) / 2 and
// b = (H - 1) / 2 in pixel-centre units, so the curve touches the first and last pixel of
// the box in each direction. A pixel at offset (dx, dy) from the centre belongs to the filled
// ellipse when either
//     |dx| <= a sqrt(1 - (dy / b)^2) + 1/2      (the curve's crossing of its row, rounded), or
//     |dy| <= b sqrt(1 - (dx / a)^2) + 1/2      (the curve's crossing of its column, rounded),
// so that rows near the top and columns near the sides are both rounded to the nearest pixel.
// In doubled integer units (A = W - 1, Bd = H - 1, DX = 2|dx|, DY = 2|dy|) the two rules read
//     (DX - 1)^2 Bd^2 <= A^2 (Bd^2 - DY^2)   and   DX^2 Bd^2 <= A^2 (Bd^2 - (DY - 1)^2),
// which are decided exactly. Each row is therefore one run, symmetric about the centre.
class EllipseRows {
public:
    explicit EllipseRows(const Box& b)
        : box_(b),
          a_(static_cast<u64>(b.right - b.left - 1)),
          b_(static_cast<u64>(b.bottom - b.top - 1)),
          cx2_(b.left + b.right - 1),
          cy2_(b.top + b.bottom - 1),
          small_(a_ < (u64{1} << 16) && b_ < (u64{1} << 16))
    {
    }

    const Box& box() const { return box_; }

    // Computes the runs of rows from..to (clipped to the box) and of their neighbours.
    void prepare(i64 from, i64 to)
    {
        first_ = std::max(from - 1, box_.top);
        const i64 last = std::min(to + 1, box_.bottom - 1);
        left_.clear();
        right_.clear();
        for (i64 y = first_; y <= last; ++y) {
            // Rows mirrored about the centre have the same run.
            const i64 mirror = cy2_ - y;
            if (mirror < y && mirror >= first_) {
                left_.push_back(left_[static_cast<std::size_t>(mirror - first_)]);
                right_.push_back(right_[static_cast<std::size_t>(mirror - first_)]);
                continue;
            }
            const i64 k = static_cast<i64>(halfExtent(y));
            left_.push_back((cx2_ - k) / 2);
            right_.push_back((cx2_ + k) / 2);
        }
    }

    // The run of row y (prepared).
    void span(i64 y, i64& xl, i64& xr) const
    {
        xl = left_[static_cast<std::size_t>(y - first_)];
        xr = right_[static_cast<std::size_t>(y - first_)];
    }

    // The part of row y's run that is not on the width-1 outline (il > ir when none). The
    // outline of a row runs from its ends inwards far enough to touch the neighbouring rows'
    // ends diagonally, so it is 8-connected, and every interior pixel's four neighbours lie
    // in the ellipse.
    void interior(i64 y, i64& il, i64& ir) const
    {
        if (y <= box_.top || y >= box_.bottom - 1) {
            il = 1;
            ir = 0;
            return;
        }
        i64 xl, xr, ul, ur, dl, dr;
        span(y, xl, xr);
        span(y - 1, ul, ur);
        span(y + 1, dl, dr);
        il = std::max(xl, std::max(ul, dl) - 1) + 1;
        ir = std::min(xr, std::min(ur, dr) + 1) - 1;
    }

    // The ray from the centre along (u, v) (doubled units, v up) meets the curve here, rounded.
    void rayPoint(i64 u, i64 v, i64& x, i64& y) const
    {
        const double a = static_cast<double>(a_) / 2.0;
        const double b = static_cast<double>(b_) / 2.0;
        const double du = static_cast<double>(u);
        const double dv = static_cast<double>(v);
        const double den = std::hypot(du * b, dv * a);
        const double s = den > 0.0 ? a * b / den : 0.0;
        x = static_cast<i64>(std::nearbyint(static_cast<double>(cx2_) / 2.0 + du * s));
        y = static_cast<i64>(std::nearbyint(static_cast<double>(cy2_) / 2.0 - dv * s));
    }

    i64 cx2() const { return cx2_; }
    i64 cy2() const { return cy2_; }

private:
    // The largest DX of row y's run, of the same parity as A.
    u64 halfExtent(i64 y) const
    {
        if (a_ == 0 || b_ == 0)
            return a_;
        const i64 d = 2 * y - cy2_;
        const u64 dy = static_cast<u64>(d < 0 ? -d : d);
        if (dy <= 1)
            return a_;
        u64 m1, m2;
        if (small_) {
            const u64 bb = b_ * b_;
            m1 = smallRoot(bb - dy * dy);
            m2 = smallRoot(bb - (dy - 1) * (dy - 1));
        } else {
            const u128 bb = static_cast<u128>(b_) * b_;
            m1 = scaledRoot(bb - static_cast<u128>(dy) * dy);
            m2 = scaledRoot(bb - static_cast<u128>(dy - 1) * (dy - 1));
        }
        u64 k = std::min(a_, std::max(m1 + 1, m2));
        if ((a_ - k) & 1u)
            --k;
        return k;
    }

    // The largest m in 0..A with m^2 Bd^2 <= A^2 n, i.e. floor(A sqrt(n) / Bd): estimated in
    // floating point, then settled exactly; in 64 bits when A and Bd are below 2^16.
    u64 smallRoot(u64 n) const
    {
        const double est =
            static_cast<double>(a_) * std::sqrt(static_cast<double>(n)) / static_cast<double>(b_);
        u64 m = est >= static_cast<double>(a_) ? a_ : static_cast<u64>(est);
        const u64 rhs = a_ * a_ * n;
        const u64 bb = b_ * b_;
        while (m < a_ && (m + 1) * (m + 1) * bb <= rhs)
            ++m;
        while (m > 0 && m * m * bb > rhs)
            --m;
        return m;
    }

    // The same in 128 bits. Boxes wider or taller than 2^32 pixels (a wide pen on a box that
    // spans all of int) keep the floating-point estimate.
    u64 scaledRoot(u128 n) const
    {
        const long double est = static_cast<long double>(a_) *
                                std::sqrt(static_cast<long double>(n)) /
                                static_cast<long double>(b_);
        u64 m = est >= static_cast<long double>(a_) ? a_ : static_cast<u64>(est);
        if (a_ < (u64{1} << 32) && b_ < (u64{1} << 32)) {
            const u128 rhs = static_cast<u128>(a_ * a_) * n;
            const u128 bb = static_cast<u128>(b_) * b_;
            while (m < a_ && static_cast<u128>((m + 1) * (m + 1)) * bb <= rhs)
                ++m;
            while (m > 0 && static_cast<u128>(m * m) * bb > rhs)
                --m;
        }
        return m;
    }

    Box box_;
    u64 a_, b_;
    i64 cx2_, cy2_;
    bool small_;
    i64 first_ = 0;
    std::vector<i64> left_, right_;
};

// The rows of a rectangle: full runs, the outline being the first and last row and column.
class RectRows {
public:
    explicit RectRows(const Box& b) : box_(b) {}
    const Box& box() const { return box_; }
    void prepare(i64, i64) {}
    void span(i64, i64& xl, i64& xr) const
    {
        xl = box_.left;
        xr = box_.right - 1;
    }
    void interior(i64 y, i64& il, i64& ir) const
    {
        if (y <= box_.top || y >= box_.bottom - 1) {
            il = 1;
            ir = 0;
            return;
        }
        il = box_.left + 1;
        ir = box_.right - 2;
    }

private:
    Box box_;
};

// The angular sector of an arc or pie, counter-clockwise on the screen from the ray through
// the start point to the ray through the end point, both from the ellipse's centre. Vectors
// are taken in doubled units with v pointing up, where counter-clockwise is the usual turn,
// and a pixel P is tested with cross products cross(V, P) = Vu Pv - Vv Pu, exactly.
class Sector {
public:
    Sector(i64 cx2, i64 cy2, i64 x3, i64 y3, i64 x4, i64 y4) : cx2_(cx2), cy2_(cy2)
    {
        su_ = 2 * x3 - cx2;
        sv_ = cy2 - 2 * y3;
        eu_ = 2 * x4 - cx2;
        ev_ = cy2 - 2 * y4;
        // A point exactly at the centre gives no direction: take the ray to the right.
        if (su_ == 0 && sv_ == 0)
            su_ = 1;
        if (eu_ == 0 && ev_ == 0)
            eu_ = 1;
        const i128 cross = static_cast<i128>(su_) * ev_ - static_cast<i128>(sv_) * eu_;
        const i128 dot = static_cast<i128>(su_) * eu_ + static_cast<i128>(sv_) * ev_;
        if (cross > 0)
            kind_ = Kind::Convex;
        else if (cross < 0)
            kind_ = Kind::Reflex;
        else
            kind_ = dot > 0 ? Kind::Whole : Kind::Half;
    }

    bool whole() const { return kind_ == Kind::Whole; }
    i64 su() const { return su_; }
    i64 sv() const { return sv_; }
    i64 eu() const { return eu_; }
    i64 ev() const { return ev_; }

    // The runs of row y inside the closed sector; returns their number (0 to 2).
    int runs(i64 y, i64 out[4]) const
    {
        i64 lo, hi, lo2, hi2;
        switch (kind_) {
        case Kind::Whole:
            out[0] = -kFar;
            out[1] = kFar;
            return 1;
        case Kind::Half:
            halfPlane(su_, sv_, 1, false, y, lo, hi);
            return emit(lo, hi, out);
        case Kind::Convex:
            // cross(S, P) >= 0 and cross(E, P) <= 0.
            halfPlane(su_, sv_, 1, false, y, lo, hi);
            halfPlane(eu_, ev_, -1, false, y, lo2, hi2);
            return emit(std::max(lo, lo2), std::min(hi, hi2), out);
        case Kind::Reflex: {
            // Everything but the open wedge from E to S: cross(E, P) > 0 and cross(S, P) < 0.
            halfPlane(eu_, ev_, 1, true, y, lo, hi);
            halfPlane(su_, sv_, -1, true, y, lo2, hi2);
            const i64 wl = std::max(lo, lo2);
            const i64 wr = std::min(hi, hi2);
            if (wl > wr) {
                out[0] = -kFar;
                out[1] = kFar;
                return 1;
            }
            int n = 0;
            if (wl > -kFar) {
                out[n++] = -kFar;
                out[n++] = wl - 1;
            }
            if (wr < kFar) {
                out[n++] = wr + 1;
                out[n++] = kFar;
            }
            return n / 2;
        }
        }
        return 0;
    }

private:
    enum class Kind { Whole, Half, Convex, Reflex };

    static int emit(i64 lo, i64 hi, i64 out[4])
    {
        if (lo > hi)
            return 0;
        out[0] = lo;
        out[1] = hi;
        return 1;
    }

    // The x run of row y where sign * cross(V, P) >= 0 (or > 0 when strict), with
    // P = (2x - cx2, cy2 - 2y): sign * cross = c - 2 w x, c = sign (Vu (cy2 - 2y) + Vv cx2),
    // w = sign Vv.
    void halfPlane(i64 vu, i64 vv, int sign, bool strict, i64 y, i64& lo, i64& hi) const
    {
        const i128 c = sign * (static_cast<i128>(vu) * (cy2_ - 2 * y) +
                               static_cast<i128>(vv) * cx2_);
        const i128 w = sign * static_cast<i128>(vv);
        lo = -kFar;
        hi = kFar;
        if (w == 0) {
            if (strict ? c <= 0 : c < 0) {
                lo = 1;
                hi = 0;
            }
            return;
        }
        if (w > 0)
            hi = clampFar(strict ? ceilDiv(c, 2 * w) - 1 : floorDiv(c, 2 * w));
        else
            lo = clampFar(strict ? floorDiv(c, 2 * w) + 1 : ceilDiv(c, 2 * w));
    }

    i64 cx2_, cy2_;
    i64 su_, sv_, eu_, ev_;
    Kind kind_;
};

// What a boxed shape paints: the pen part, the brush part, and the sector they are cut to.
struct BoxPaint {
    bool pen;
    Color penColor;
    bool fill;
    Color brushColor;
    const Sector* sector;
};

void cutSpan(const Target& t, i64 y, i64 x0, i64 x1, Color c, const Sector* sector)
{
    if (x0 > x1)
        return;
    if (!sector) {
        hspan(t, y, x0, x1, c);
        return;
    }
    i64 runs[4];
    const int n = sector->runs(y, runs);
    for (int i = 0; i < n; ++i)
        hspan(t, y, std::max(x0, runs[2 * i]), std::min(x1, runs[2 * i + 1]), c);
}

// Paints a boxed shape row by row over the visible rows only: the pen covers the outer
// shape's runs minus the inner shape's interior, the brush covers that interior.
template <class Rows>
void paintBoxed(const Target& t, Rows& outer, Rows& inner, bool innerValid, const BoxPaint& p)
{
    const Box& ob = outer.box();
    const i64 from = std::max<i64>(ob.top, 0);
    const i64 to = std::min<i64>(ob.bottom, t.h) - 1;
    if (from > to || ob.right <= 0 || ob.left >= t.w)
        return;
    outer.prepare(from, to);
    if (innerValid && &inner != &outer)
        inner.prepare(from, to);
    const Box& ib = inner.box();
    for (i64 y = from; y <= to; ++y) {
        i64 xl, xr;
        outer.span(y, xl, xr);
        i64 il = 1, ir = 0;
        if (innerValid && y >= ib.top && y < ib.bottom) {
            inner.interior(y, il, ir);
            il = std::max(il, xl);
            ir = std::min(ir, xr);
        }
        if (il > ir) {
            if (p.pen)
                cutSpan(t, y, xl, xr, p.penColor, p.sector);
            continue;
        }
        if (p.pen) {
            cutSpan(t, y, xl, il - 1, p.penColor, p.sector);
            cutSpan(t, y, ir + 1, xr, p.penColor, p.sector);
        }
        if (p.fill)
            cutSpan(t, y, il, ir, p.brushColor, p.sector);
    }
}

template <class Rows>
void paintWithPen(const Target& t, const Box& box, int penWidth, const BoxPaint& p)
{
    if (penWidth <= 1) {
        Rows rows(box);
        paintBoxed(t, rows, rows, true, p);
        return;
    }
    Box ob, ib;
    penBoxes(box, penWidth, ob, ib);
    Rows outer(ob);
    Rows inner(ib);
    paintBoxed(t, outer, inner, !ib.empty(), p);
}

// An arc (pie = false) or a pie of the ellipse of the box.
void arcOrPie(Canvas& c, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
              bool pie)
{
    const Target t = targetOf(c);
    const Box box = boxOf(x1, y1, x2, y2);
    if (t.empty() || box.empty())
        return;
    const Stroke s = strokeOf(c);
    EllipseRows geometry(box);
    const Sector sector(geometry.cx2(), geometry.cy2(), x3, y3, x4, y4);
    const BoxPaint paint{true, s.color, pie, c.brush.color & kColorMask,
                         sector.whole() ? nullptr : &sector};
    paintWithPen<EllipseRows>(t, box, s.width, paint);
    if (!pie)
        return;
    // The radii, from the centre pixel to where the rays meet the curve.
    const i64 cx = (geometry.cx2() + 1) >> 1;
    const i64 cy = (geometry.cy2() + 1) >> 1;
    const Stroke radius{s.color, s.gap, s.width, PenStyle::Solid};
    i64 ex, ey;
    geometry.rayPoint(sector.su(), sector.sv(), ex, ey);
    strokeSegment(t, radius, cx, cy, ex, ey, true);
    if (!sector.whole()) {
        geometry.rayPoint(sector.eu(), sector.ev(), ex, ey);
        strokeSegment(t, radius, cx, cy, ex, ey, true);
    }
}

// One polygon edge while its rows are scanned: the crossing of row y is
//     X(y) = xa + (y - ya) (xb - xa) / (yb - ya),
// and the edge's first pixel right of it, c = ceil(X(y)), is stepped exactly with the error
// e = c D - (y - ya) dx in 0..D-1 (D = yb - ya, dx = xb - xa).
struct Edge {
    i64 yFrom;   // first visible row
    i64 yEnd;    // one past the last row
    i64 c;
    i64 e;
    i64 dq;      // floor(dx / D)
    i64 dr;      // dx - dq D
    i64 d;
};

}  // namespace
}  // namespace detail

using namespace detail;

void Canvas::ellipse(int x1, int y1, int x2, int y2)
{
    const Target t = targetOf(*this);
    const Box box = boxOf(x1, y1, x2, y2);
    if (t.empty() || box.empty())
        return;
    const BoxPaint paint{true, pen.color & kColorMask, true, brush.color & kColorMask, nullptr};
    paintWithPen<EllipseRows>(t, box, pen.width, paint);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2)
{
    const Target t = targetOf(*this);
    const Box box = boxOf(x1, y1, x2, y2);
    if (t.empty() || box.empty())
        return;
    const Stroke s = strokeOf(*this);
    if (s.width <= 1 && s.style != PenStyle::Solid) {
        // A styled outline: the brush inside, then the four sides as one closed dashed path.
        const BoxPaint inside{false, 0, true, s.gap, nullptr};
        RectRows rows(box);
        paintBoxed(t, rows, rows, true, inside);
        const i64 l = box.left, tp = box.top, r = box.right - 1, b = box.bottom - 1;
        if (l == r || tp == b) {
            strokeSegment(t, s, l, tp, r, b, true);
            return;
        }
        strokeSegment(t, s, l, tp, r, tp, false);
        strokeSegment(t, s, r, tp, r, b, false);
        strokeSegment(t, s, r, b, l, b, false);
        strokeSegment(t, s, l, b, l, tp, false);
        return;
    }
    const BoxPaint paint{true, s.color, true, s.gap, nullptr};
    paintWithPen<RectRows>(t, box, s.width, paint);
}

void Canvas::arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    arcOrPie(*this, x1, y1, x2, y2, x3, y3, x4, y4, false);
}

void Canvas::pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    arcOrPie(*this, x1, y1, x2, y2, x3, y3, x4, y4, true);
}

// Even-odd fill: on each visible row the pixels whose centre lies between the 1st and 2nd,
// 3rd and 4th ... crossing of the row with the edges (an edge counts on rows ya <= y < yb,
// so a shared vertex counts once); a pixel exactly on a left crossing is inside. The outline
// is then drawn over it as closed lineTo segments.
void Canvas::polygon(std::span<const Point> points)
{
    const Target t = targetOf(*this);
    const std::size_t n = points.size();
    if (t.empty() || n < 2)
        return;

    std::vector<Edge> edges;
    edges.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Point& p = points[i];
        const Point& q = points[(i + 1) % n];
        if (p.y == q.y)
            continue;
        const bool down = p.y < q.y;
        const i64 xa = down ? p.x : q.x, ya = down ? p.y : q.y;
        const i64 xb = down ? q.x : p.x, yb = down ? q.y : p.y;
        const i64 from = std::max<i64>(ya, 0);
        const i64 end = std::min<i64>(yb, t.h);
        if (from >= end)
            continue;
        Edge e;
        e.yFrom = from;
        e.yEnd = end;
        e.d = yb - ya;
        const i64 dx = xb - xa;
        e.dq = static_cast<i64>(floorDiv(dx, e.d));
        e.dr = dx - e.dq * e.d;
        const i128 v = static_cast<i128>(from - ya) * dx;
        const i128 cq = ceilDiv(v, e.d);
        e.e = static_cast<i64>(cq * e.d - v);
        e.c = xa + static_cast<i64>(cq);
        edges.push_back(e);
    }

    if (!edges.empty()) {
        std::sort(edges.begin(), edges.end(),
                  [](const Edge& a, const Edge& b) { return a.yFrom < b.yFrom; });
        const Color fill = brush.color & kColorMask;
        // The active edges, kept in order of their crossing: from row to row the order
        // changes only where edges cross, so an insertion sort restores it in about one pass.
        std::vector<Edge*> active;
        std::size_t next = 0;
        i64 y = edges.front().yFrom;
        while (next < edges.size() || !active.empty()) {
            if (active.empty() && edges[next].yFrom > y)
                y = edges[next].yFrom;
            while (next < edges.size() && edges[next].yFrom == y)
                active.push_back(&edges[next++]);
            for (std::size_t i = 1; i < active.size(); ++i) {
                Edge* e = active[i];
                std::size_t j = i;
                for (; j > 0 && active[j - 1]->c > e->c; --j)
                    active[j] = active[j - 1];
                active[j] = e;
            }
            for (std::size_t k = 0; k + 1 < active.size(); k += 2)
                hspan(t, y, active[k]->c, active[k + 1]->c - 1, fill);
            ++y;
            std::size_t keep = 0;
            for (Edge* e : active) {
                if (e->yEnd <= y)
                    continue;
                e->c += e->dq;
                e->e -= e->dr;
                if (e->e < 0) {
                    e->e += e->d;
                    ++e->c;
                }
                active[keep++] = e;
            }
            active.resize(keep);
        }
    }

    const Stroke s = strokeOf(*this);
    for (std::size_t i = 0; i < n; ++i) {
        const Point& p = points[i];
        const Point& q = points[(i + 1) % n];
        strokeSegment(t, s, p.x, p.y, q.x, q.y, false);
    }
}

}  // namespace raster
