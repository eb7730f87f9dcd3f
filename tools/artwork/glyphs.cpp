// Draws the 16 x 16 menu and tool-bar glyphs on a design grid, at one or two device pixels per unit.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace artwork {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180.0;

const QColor kInk(40, 52, 66);
const QColor kBlue(46, 108, 200);
const QColor kDarkBlue(26, 68, 140);
const QColor kSky(188, 218, 248);
const QColor kRed(206, 52, 38);
const QColor kDarkRed(140, 30, 22);
const QColor kGreen(48, 148, 62);
const QColor kDarkGreen(26, 96, 38);
const QColor kYellow(246, 198, 46);
const QColor kOrange(236, 140, 36);
const QColor kGrey(126, 138, 152);
const QColor kPaper(255, 255, 255);

QPen pen(const QColor& c, double width)
{
    QPen p(c, width);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

// A filled arrow head whose tip lies at `tip`, pointing along `angle` (radians, screen axes).
void arrowHead(QPainter& p, QPointF tip, double angle, double length, double halfWidth,
               const QColor& c)
{
    const QPointF d(std::cos(angle), std::sin(angle));
    const QPointF n(-d.y(), d.x());
    const QPolygonF head{tip, tip - d * length + n * halfWidth, tip - d * length - n * halfWidth};
    p.setPen(QPen(c, 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c);
    p.drawPolygon(head);
}

// A straight arrow from `from` to `to` with its head at `to`.
void arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, double width, double headLength,
           double headHalfWidth)
{
    const QPointF v = to - from;
    const double len = std::hypot(v.x(), v.y());
    const QPointF d = v / len;
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, to - d * (headLength * 0.8));
    arrowHead(p, to, std::atan2(d.y(), d.x()), headLength, headHalfWidth, c);
}

// A curved arrow along `path`, its head past the path's end in the direction of travel.
void curvedArrow(QPainter& p, const QPainterPath& path, const QColor& c, double width,
                 double headLength, double headHalfWidth)
{
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    const QPointF end = path.pointAtPercent(1.0);
    const QPointF before = path.pointAtPercent(0.96);
    const double angle = std::atan2(end.y() - before.y(), end.x() - before.x());
    const QPointF d(std::cos(angle), std::sin(angle));
    arrowHead(p, end + d * (headLength * 0.75), angle, headLength, headHalfWidth, c);
}

// A sheet of paper with a folded top-right corner.
void sheet(QPainter& p, QRectF r, double fold)
{
    QPainterPath body;
    body.moveTo(r.left(), r.top());
    body.lineTo(r.right() - fold, r.top());
    body.lineTo(r.right(), r.top() + fold);
    body.lineTo(r.right(), r.bottom());
    body.lineTo(r.left(), r.bottom());
    body.closeSubpath();
    p.setPen(pen(kInk, 1.0));
    p.setBrush(kPaper);
    p.drawPath(body);
    if (fold > 0) {
        QPainterPath corner;
        corner.moveTo(r.right() - fold, r.top());
        corner.lineTo(r.right() - fold, r.top() + fold);
        corner.lineTo(r.right(), r.top() + fold);
        p.setBrush(QColor(222, 228, 236));
        p.drawPath(corner);
    }
}

// A small window with a title bar, drawn on the whole glyph.
void window(QPainter& p)
{
    p.setPen(pen(kInk, 1.0));
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.fillRect(QRectF(2, 3, 12, 2.5), kBlue);
    p.setPen(pen(kInk, 1.0));
    p.drawLine(QPointF(1.5, 5.5), QPointF(14.5, 5.5));
}

QPointF onEllipse(QPointF centre, double rx, double ry, double tiltDeg, double tDeg)
{
    const double x = rx * std::cos(tDeg * kDeg);
    const double y = -ry * std::sin(tDeg * kDeg);
    const double a = tiltDeg * kDeg;
    return centre + QPointF(x * std::cos(a) - y * std::sin(a), x * std::sin(a) + y * std::cos(a));
}

// A flag filling the glyph's flag area, with stripes snapped to device pixels so that
// both sizes keep sharp, symmetric edges.
struct FlagArea {
    double scale;
    static constexpr double kLeft = 1, kTop = 3, kRight = 15, kBottom = 13;

    // Boundary between stripes k and k+1 of `count` equal stripes, mirrored for symmetry.
    double split(double from, double to, int k, int count) const
    {
        const double a = from * scale;
        const double b = to * scale;
        if (2 * (k + 1) <= count)
            return std::nearbyint(a + (b - a) * (k + 1) / count) / scale;
        return (b - (std::nearbyint(a + (b - a) * (count - k - 1) / count) - a)) / scale;
    }
    QRectF rect() const { return QRectF(QPointF(kLeft, kTop), QPointF(kRight, kBottom)); }
};

void verticalTricolour(QPainter& p, double scale, const QColor& a, const QColor& b, const QColor& c)
{
    const FlagArea f{scale};
    const double x1 = f.split(FlagArea::kLeft, FlagArea::kRight, 0, 3);
    const double x2 = f.split(FlagArea::kLeft, FlagArea::kRight, 1, 3);
    p.fillRect(QRectF(QPointF(FlagArea::kLeft, FlagArea::kTop), QPointF(x1, FlagArea::kBottom)), a);
    p.fillRect(QRectF(QPointF(x1, FlagArea::kTop), QPointF(x2, FlagArea::kBottom)), b);
    p.fillRect(QRectF(QPointF(x2, FlagArea::kTop), QPointF(FlagArea::kRight, FlagArea::kBottom)), c);
}

// Thin border that keeps a pale flag visible on a pale tool bar.
void flagBorder(QPainter& p, double scale)
{
    const FlagArea f{scale};
    const double half = 0.5 / scale;
    p.setPen(QPen(QColor(0, 0, 0, 110), 1.0 / scale));
    p.setBrush(Qt::NoBrush);
    p.drawRect(f.rect().adjusted(half, half, -half, -half));
}

// ---- the image list ----

void pause(QPainter& p, double)
{
    const QColor bar(48, 78, 140);
    p.fillRect(QRectF(4, 3, 3, 10), bar);
    p.fillRect(QRectF(9, 3, 3, 10), bar);
}

void startAgain(QPainter& p, double)
{
    sheet(p, QRectF(2.5, 1.5, 10, 13), 3);
    QPainterPath turn;
    const QRectF circle(4.3, 5.6, 6.6, 6.6);
    turn.arcMoveTo(circle, 110);
    turn.arcTo(circle, 110, 270);
    curvedArrow(p, turn, kGreen, 1.6, 3.2, 2.3);
}

void help(QPainter& p, double)
{
    p.setPen(pen(kDarkBlue, 1.0));
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    QPainterPath mark;
    const QRectF hook(5.9, 3.9, 4.2, 4.2);
    mark.arcMoveTo(hook, 160);
    mark.arcTo(hook, 160, -215);
    mark.lineTo(8, 9.4);
    mark.lineTo(8, 10.0);
    p.setPen(pen(kPaper, 1.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(8, 12.3), 1.05, 1.05);
}

void chartPage(QPainter& p, double)
{
    sheet(p, QRectF(1.5, 1.5, 13, 13), 3);
    p.setPen(pen(kGrey, 1.0));
    p.drawPolyline(QPolygonF{{3.5, 4.5}, {3.5, 12.5}, {12.5, 12.5}});
    p.setPen(pen(kRed, 1.3));
    p.drawPolyline(QPolygonF{{4.5, 11}, {6.5, 7.5}, {8.5, 9.5}, {11.5, 5}});
}

void pencil(QPainter& p, double)
{
    p.save();
    p.translate(8, 8);
    p.rotate(-45);
    p.setPen(pen(kInk, 0.9));
    p.setBrush(kYellow);
    p.drawRect(QRectF(-3.2, -2.0, 8.4, 4.0));
    p.setBrush(QColor(236, 120, 140));
    p.drawRect(QRectF(5.2, -2.0, 2.0, 4.0));
    p.setBrush(QColor(242, 214, 166));
    p.drawPolygon(QPolygonF{{-3.2, -2.0}, {-7.4, 0}, {-3.2, 2.0}});
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF{{-5.8, -0.75}, {-7.6, 0}, {-5.8, 0.75}});
    p.setPen(pen(QColor(200, 150, 20), 0.8));
    p.drawLine(QPointF(-2.6, 0), QPointF(4.6, 0));
    p.restore();
}

void swapPages(QPainter& p, double)
{
    arrow(p, {1.5, 5}, {14.5, 5}, kBlue, 2.0, 4.2, 3.0);
    arrow(p, {14.5, 11}, {1.5, 11}, kGreen, 2.0, 4.2, 3.0);
}

void plus(QPainter& p, double)
{
    p.setPen(pen(kDarkGreen, 1.0));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF{{6.5, 2.5}, {9.5, 2.5}, {9.5, 6.5}, {13.5, 6.5}, {13.5, 9.5},
                            {9.5, 9.5}, {9.5, 13.5}, {6.5, 13.5}, {6.5, 9.5}, {2.5, 9.5},
                            {2.5, 6.5}, {6.5, 6.5}});
}

void minus(QPainter& p, double)
{
    p.setPen(pen(kDarkRed, 1.0));
    p.setBrush(kRed);
    p.drawRect(QRectF(2.5, 6.5, 11, 3));
}

void eye(QPainter& p, double)
{
    QPainterPath lid;
    lid.moveTo(1, 8);
    lid.quadTo(8, 0.5, 15, 8);
    lid.quadTo(8, 15.5, 1, 8);
    p.setPen(pen(kInk, 1.0));
    p.setBrush(kPaper);
    p.drawPath(lid);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(8, 8), 3.0, 3.0);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(8, 8), 1.3, 1.3);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(7.0, 7.0), 0.7, 0.7);
}

void blockArrow(QPainter& p, bool up)
{
    QPolygonF shape{{8, 1.5}, {14, 7.5}, {10.5, 7.5}, {10.5, 14.5}, {5.5, 14.5}, {5.5, 7.5}, {2, 7.5}};
    if (!up)
        for (QPointF& pt : shape)
            pt.setY(16 - pt.y());
    p.setPen(pen(kDarkBlue, 1.0));
    p.setBrush(kBlue);
    p.drawPolygon(shape);
}

void arrowUp(QPainter& p, double) { blockArrow(p, true); }
void arrowDown(QPainter& p, double) { blockArrow(p, false); }

void grid(QPainter& p, double)
{
    p.fillRect(QRectF(2.5, 2.5, 12, 12), kSky);
    p.fillRect(QRectF(5.5, 8.5, 3, 3), kBlue);
    p.setPen(QPen(kInk, 1.0));
    for (int i = 0; i < 5; ++i) {
        const double v = 2.5 + 3 * i;
        p.drawLine(QPointF(v, 2.5), QPointF(v, 14.5));
        p.drawLine(QPointF(2.5, v), QPointF(14.5, v));
    }
}

void target(QPainter& p, double)
{
    p.setPen(pen(kDarkRed, 1.0));
    p.setBrush(kRed);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(8, 8), 4.6, 4.6);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(8, 8), 2.7, 2.7);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(8, 8), 0.9, 0.9);
}

void book(QPainter& p, double)
{
    p.setPen(pen(kInk, 1.0));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 2.5, 9, 12));
    p.setPen(pen(kGrey, 0.8));
    p.drawLine(QPointF(13, 4), QPointF(13, 14));
    p.drawLine(QPointF(6, 14), QPointF(12.5, 14));
    p.setPen(pen(kDarkBlue, 1.0));
    p.setBrush(kBlue);
    p.drawRect(QRectF(2.5, 1.5, 9, 11.5));
    p.fillRect(QRectF(3, 2, 1.5, 10.5), kDarkBlue);
    p.fillRect(QRectF(6, 4, 4, 2), kPaper);
}

void previousWindow(QPainter& p, double)
{
    window(p);
    arrow(p, {12.5, 9.5}, {3.5, 9.5}, kGreen, 1.0, 3.5, 2.6);
}

void nextWindow(QPainter& p, double)
{
    window(p);
    arrow(p, {3.5, 9.5}, {12.5, 9.5}, kGreen, 1.0, 3.5, 2.6);
}

void magnifier(QPainter& p, double)
{
    p.setPen(pen(kInk, 2.6));
    p.drawLine(QPointF(10.2, 10.2), QPointF(13.8, 13.8));
    p.setPen(pen(kInk, 1.4));
    p.setBrush(QColor(188, 218, 248, 200));
    p.drawEllipse(QPointF(6.5, 6.5), 4.6, 4.6);
}

void clock(QPainter& p, double)
{
    p.setPen(pen(kInk, 1.0));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setPen(pen(kGrey, 1.0));
    for (int k = 0; k < 4; ++k) {
        const double a = k * kPi / 2;
        p.drawLine(QPointF(8 + 4.6 * std::cos(a), 8 + 4.6 * std::sin(a)),
                   QPointF(8 + 5.4 * std::cos(a), 8 + 5.4 * std::sin(a)));
    }
    p.setPen(pen(kInk, 1.3));
    p.drawLine(QPointF(8, 8), QPointF(8, 3.8));
    p.drawLine(QPointF(8, 8), QPointF(10.8, 9.6));
}

void play(QPainter& p, double)
{
    p.setPen(pen(kDarkGreen, 1.0));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF{{4.5, 2.5}, {13, 8}, {4.5, 13.5}});
}

void stop(QPainter& p, double)
{
    p.setPen(pen(kDarkRed, 1.0));
    p.setBrush(kRed);
    p.drawRect(QRectF(3.5, 3.5, 9, 9));
}

void check(QPainter& p, double)
{
    p.setPen(pen(kGreen, 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{{2.6, 8.4}, {6.2, 12.0}, {13.4, 3.6}});
}

void seismicWaves(QPainter& p, double)
{
    p.setPen(pen(kGrey, 0.8));
    p.drawLine(QPointF(0.5, 8), QPointF(15.5, 8));
    QPolygonF trace;
    for (double x = 0.8; x <= 15.2; x += 0.1) {
        // A quiet start, a strong burst in the middle, then a fading tail.
        const double envelope = 0.25 + 5.2 * std::exp(-std::pow((x - 7.2) / 2.9, 2));
        trace << QPointF(x, 8 - envelope * std::sin(2 * kPi * (x - 0.8) / 2.6));
    }
    p.setPen(pen(kRed, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(trace);
}

void pendulum(QPainter& p, double)
{
    p.setPen(QPen(kInk, 1.0));
    p.fillRect(QRectF(3, 1, 10, 1.5), kInk);
    const QPointF pivot(8, 2.5);
    const double length = 9.6;
    const double a = 22 * kDeg;
    const QPointF bob = pivot + QPointF(length * std::sin(a), length * std::cos(a));
    p.setPen(pen(kGrey, 1.0));
    p.drawLine(pivot, bob);
    p.setPen(pen(kDarkRed, 0.9));
    p.setBrush(kOrange);
    p.drawEllipse(bob, 2.4, 2.4);
}

void moonPhases(QPainter& p, double)
{
    const QRectF disc(1.5, 1.5, 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 62, 84));
    p.drawEllipse(disc);
    QPainterPath lit;
    lit.moveTo(8, 1.5);
    lit.arcTo(disc, 90, -180);
    lit.closeSubpath();
    p.setBrush(QColor(252, 236, 160));
    p.drawPath(lit);
    p.setPen(pen(kInk, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc);
}

void satelliteOrbit(QPainter& p, double)
{
    const QPointF centre(8, 8);
    p.save();
    p.translate(centre);
    p.rotate(-25);
    p.setPen(pen(kGrey, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 7.0, 3.7);
    p.restore();
    p.setPen(pen(kDarkBlue, 1.0));
    p.setBrush(kBlue);
    p.drawEllipse(centre, 3.1, 3.1);
    const QPointF sat = onEllipse(centre, 7.0, 3.7, -25, 35);
    p.setPen(pen(kInk, 0.8));
    p.setBrush(kRed);
    p.drawEllipse(sat, 1.5, 1.5);
}

void centrifugal(QPainter& p, double)
{
    const QPointF centre(6.5, 9.5);
    const double r = 4.6;
    p.setPen(pen(kBlue, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r, r);
    const QPointF ball = centre + QPointF(r * std::cos(45 * kDeg), -r * std::sin(45 * kDeg));
    p.setPen(pen(kGrey, 0.8));
    p.drawLine(centre, ball);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(centre, 0.9, 0.9);
    arrow(p, ball + QPointF(0.6, -0.6), {15, 1}, kRed, 1.5, 3.6, 2.4);
    p.setPen(pen(kInk, 0.8));
    p.setBrush(kGrey);
    p.drawEllipse(ball, 1.5, 1.5);
}

void doppler(QPainter& p, double)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(QColor(46, 108, 200, 190), 1.0));
    p.drawEllipse(QPointF(8, 8), 7.0, 7.0);
    p.setPen(pen(QColor(46, 108, 200, 225), 1.0));
    p.drawEllipse(QPointF(9.6, 8), 4.5, 4.5);
    p.setPen(pen(kBlue, 1.0));
    p.drawEllipse(QPointF(11.1, 8), 2.1, 2.1);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(12.0, 8), 1.2, 1.2);
}

void spinningTop(QPainter& p, double)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 52, 66, 70));
    p.drawEllipse(QPointF(6.8, 14.9), 3.2, 0.8);
    p.save();
    p.translate(8, 7.6);
    p.rotate(12);
    p.setPen(pen(kInk, 0.9));
    p.setBrush(kGrey);
    p.drawRect(QRectF(-0.8, -7.2, 1.6, 3.6));
    QPainterPath body;
    body.moveTo(-5.6, -2.6);
    body.quadTo(-4.6, 2.6, 0, 6.9);
    body.quadTo(4.6, 2.6, 5.6, -2.6);
    body.arcTo(QRectF(-5.6, -4.6, 11.2, 4.0), 0, 180);
    body.closeSubpath();
    p.setBrush(kRed);
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    p.fillRect(QRectF(-6, 0.2, 12, 1.6), kYellow);
    p.restore();
    p.setPen(pen(kInk, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.setPen(pen(kDarkRed, 0.8));
    p.drawArc(QRectF(-5.6, -4.6, 11.2, 4.0), 180 * 16, 180 * 16);
    p.restore();
}

void coriolis(QPainter& p, double)
{
    p.setPen(pen(kBlue, 1.0));
    p.setBrush(kSky);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setPen(pen(QColor(46, 108, 200, 140), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(1.8, 8), QPointF(14.2, 8));
    p.drawEllipse(QPointF(8, 8), 3.0, 6.4);
    QPainterPath path;
    path.moveTo(4.2, 3.6);
    path.cubicTo(7.5, 4.2, 10.2, 6.4, 10.6, 10.6);
    curvedArrow(p, path, kRed, 1.5, 3.0, 2.1);
}

void precession(QPainter& p, double)
{
    const QPointF centre(8, 10);
    const QPointF topCentre(8, 3);
    const double rx = 4.2, ry = 1.4;
    p.setPen(pen(kGrey, 0.9));
    p.drawLine(centre, topCentre + QPointF(-rx, 0));
    p.drawLine(centre, topCentre + QPointF(rx, 0));
    p.setPen(pen(kOrange, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(topCentre, rx, ry);
    p.setPen(pen(kDarkBlue, 1.0));
    p.setBrush(kBlue);
    p.drawEllipse(centre, 3.3, 3.3);
    const QPointF tip = onEllipse(topCentre, rx, ry, 0, -25);
    const QPointF d = (tip - centre) / std::hypot(tip.x() - centre.x(), tip.y() - centre.y());
    p.setPen(pen(kInk, 1.3));
    p.drawLine(centre - d * 5.6, tip);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(tip, 1.0, 1.0);
}

void keplerOrbit(QPainter& p, double)
{
    const QPointF centre(8, 8);
    const double rx = 6.8, ry = 4.8;
    const double focus = std::sqrt(rx * rx - ry * ry);
    p.setPen(pen(kBlue, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, rx, ry);
    p.setPen(pen(kOrange, 0.8));
    p.setBrush(kYellow);
    p.drawEllipse(centre - QPointF(focus, 0), 2.0, 2.0);
    p.setPen(pen(kDarkBlue, 0.8));
    p.setBrush(QColor(90, 160, 240));
    p.drawEllipse(onEllipse(centre, rx, ry, 0, 60), 1.4, 1.4);
}

void weight(QPainter& p, double)
{
    p.setPen(pen(kInk, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 4.2), 2.3, 2.3);
    QLinearGradient metal(0, 5, 0, 15);
    metal.setColorAt(0, QColor(130, 140, 152));
    metal.setColorAt(1, QColor(70, 78, 90));
    p.setPen(pen(kInk, 1.0));
    p.setBrush(metal);
    p.drawPolygon(QPolygonF{{2.5, 14.5}, {13.5, 14.5}, {11.5, 6.5}, {4.5, 6.5}});
    p.setPen(pen(QColor(255, 255, 255, 110), 0.8));
    p.drawLine(QPointF(5.2, 8.2), QPointF(4.2, 12.8));
}

void equalAreas(QPainter& p, double)
{
    const QPointF centre(8, 8);
    const double rx = 6.8, ry = 5.4;
    const QPointF sun = centre - QPointF(std::sqrt(rx * rx - ry * ry), 0);
    auto sector = [&](double from, double to, const QColor& c) {
        QPainterPath path;
        path.moveTo(sun);
        for (double t = from; t <= to + 1e-9; t += 2)
            path.lineTo(onEllipse(centre, rx, ry, 0, t));
        path.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPath(path);
    };
    // Swept area from the focus between eccentric anomalies E1 and E2 is
    // (a b / 2) (E2 - E1 - e (sin E2 - sin E1)); with e = 0.61 the wide sector around
    // perihelion (E = +-60 degrees) and the narrow one around aphelion (E = 180 +- 20 degrees)
    // come out nearly equal.
    sector(120, 240, kOrange);
    sector(-20, 20, kGreen);
    p.setPen(pen(kBlue, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, rx, ry);
    p.setPen(pen(kOrange, 0.8));
    p.setBrush(kYellow);
    p.drawEllipse(sun, 1.3, 1.3);
}

void flagUnitedKingdom(QPainter& p, double scale)
{
    const FlagArea f{scale};
    const QRectF r = f.rect();
    p.save();
    p.setClipRect(r);
    p.fillRect(r, QColor(1, 33, 105));
    p.setPen(QPen(kPaper, 2.6));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(QPen(QColor(200, 16, 46), 0.9));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.fillRect(QRectF(6, r.top(), 4, r.height()), kPaper);
    p.fillRect(QRectF(r.left(), 6, r.width(), 4), kPaper);
    p.fillRect(QRectF(7, r.top(), 2, r.height()), QColor(200, 16, 46));
    p.fillRect(QRectF(r.left(), 7, r.width(), 2), QColor(200, 16, 46));
    p.restore();
    flagBorder(p, scale);
}

void flagItaly(QPainter& p, double scale)
{
    verticalTricolour(p, scale, QColor(0, 146, 70), QColor(255, 255, 255), QColor(206, 43, 55));
    flagBorder(p, scale);
}

void flagFrance(QPainter& p, double scale)
{
    verticalTricolour(p, scale, QColor(0, 85, 164), QColor(255, 255, 255), QColor(239, 65, 53));
    flagBorder(p, scale);
}

void flagGeneric(QPainter& p, double)
{
    p.setPen(pen(kInk, 1.2));
    p.drawLine(QPointF(3, 2.2), QPointF(3, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    p.drawEllipse(QPointF(3, 1.6), 1.1, 1.1);
    QPainterPath cloth;
    cloth.moveTo(3.6, 2.8);
    cloth.cubicTo(7, 1.2, 10, 4.6, 14.6, 2.8);
    cloth.lineTo(14.6, 9.8);
    cloth.cubicTo(10, 11.6, 7, 8.2, 3.6, 9.8);
    cloth.closeSubpath();
    QLinearGradient shade(3.6, 0, 14.6, 0);
    shade.setColorAt(0.0, QColor(40, 160, 168));
    shade.setColorAt(0.5, QColor(90, 200, 204));
    shade.setColorAt(1.0, QColor(36, 146, 156));
    p.setPen(pen(QColor(20, 96, 104), 0.9));
    p.setBrush(shade);
    p.drawPath(cloth);
}

void loudspeaker(QPainter& p, double)
{
    p.setPen(pen(kInk, 0.9));
    p.setBrush(kGrey);
    p.drawPolygon(QPolygonF{{1.5, 5.8}, {4.6, 5.8}, {8.6, 2.2}, {8.6, 13.8}, {4.6, 10.2}, {1.5, 10.2}});
    p.setPen(pen(kBlue, 1.3));
    p.setBrush(Qt::NoBrush);
    for (double r : {2.6, 5.2}) {
        p.drawArc(QRectF(8.6 - r, 8 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
}

void flagSpain(QPainter& p, double scale)
{
    const FlagArea f{scale};
    const double y1 = f.split(FlagArea::kTop, FlagArea::kBottom, 0, 4);
    const double y2 = f.split(FlagArea::kTop, FlagArea::kBottom, 2, 4);
    const QRectF r = f.rect();
    p.fillRect(r, QColor(170, 21, 27));
    p.fillRect(QRectF(QPointF(r.left(), y1), QPointF(r.right(), y2)), QColor(241, 191, 0));
    flagBorder(p, scale);
}

void flagGermany(QPainter& p, double scale)
{
    const FlagArea f{scale};
    const double y1 = f.split(FlagArea::kTop, FlagArea::kBottom, 0, 3);
    const double y2 = f.split(FlagArea::kTop, FlagArea::kBottom, 1, 3);
    const QRectF r = f.rect();
    p.fillRect(QRectF(QPointF(r.left(), r.top()), QPointF(r.right(), y1)), QColor(0, 0, 0));
    p.fillRect(QRectF(QPointF(r.left(), y1), QPointF(r.right(), y2)), QColor(221, 0, 0));
    p.fillRect(QRectF(QPointF(r.left(), y2), QPointF(r.right(), r.bottom())), QColor(255, 206, 0));
    flagBorder(p, scale);
}

// ---- speed buttons ----

// A block of rock in cells, one of them picked out in white.
void highlightCell(QPainter& p, double)
{
    static const QColor rock[2] = {QColor(150, 118, 86), QColor(128, 98, 72)};
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            p.fillRect(QRectF(2 + 3 * col, 2 + 3 * row, 3, 3), rock[(row + col) % 2]);
    p.fillRect(QRectF(1, 1, 14, 1), kInk);
    p.fillRect(QRectF(1, 14, 14, 1), kInk);
    p.fillRect(QRectF(1, 2, 1, 12), kInk);
    p.fillRect(QRectF(14, 2, 1, 12), kInk);
    p.setPen(QPen(kYellow, 1.0));
    p.setBrush(kPaper);
    p.drawRect(QRectF(7.5, 4.5, 4, 4));
}

// A trail of dots along a circular path, ending in the body that left it.
void trail(QPainter& p, double scale)
{
    const QPointF centre(12.0, 16.0);
    const double radius = 11.0;
    auto along = [&](double deg) {
        return centre + QPointF(radius * std::cos(deg * kDeg), -radius * std::sin(deg * kDeg));
    };
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 4; ++k) {
        // Dots sit on device pixel centres so that the small picture keeps them sharp;
        // the older the dot, the fainter it is.
        const QPointF at = along(117 + 15 * k);
        const QPointF snapped((std::floor(at.x() * scale) + 0.5) / scale,
                              (std::floor(at.y() * scale) + 0.5) / scale);
        QColor c = kBlue;
        c.setAlphaF(1.0 - 0.1 * k);
        p.setBrush(c);
        p.drawEllipse(snapped, 0.9, 0.9);
    }
    p.setPen(pen(kDarkRed, 1.0));
    p.setBrush(kRed);
    p.drawEllipse(along(90), 2.5, 2.5);
}

// A circle of arrow turning anticlockwise, or clockwise when mirrored.
void turnArrow(QPainter& p, bool clockwise)
{
    p.save();
    if (clockwise) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    QPainterPath turn;
    const QRectF circle(2.5, 3.0, 11, 11);
    // Qt's arc angles grow anticlockwise on screen: the arrow runs from lower left round
    // through the right-hand side and ends at the top, heading left.
    turn.arcMoveTo(circle, 200);
    turn.arcTo(circle, 200, 255);
    curvedArrow(p, turn, kBlue, 1.8, 4.2, 3.3);
    p.restore();
}

void anticlockwise(QPainter& p, double) { turnArrow(p, false); }
void clockwise(QPainter& p, double) { turnArrow(p, true); }

// The same orbit seen from above and then tilted towards the edge, its far half paler.
void orbitView(QPainter& p, double)
{
    const QPointF above(4.0, 8), tilted(12.0, 8);
    const double rx = 3.0;
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(kBlue, 1.1));
    p.drawEllipse(above, rx, 5.5);
    const QRectF flat(tilted.x() - rx, tilted.y() - 1.5, 2 * rx, 3.0);
    p.setPen(pen(QColor(46, 108, 200, 120), 1.1));
    p.drawArc(flat, 0, 180 * 16);
    p.setPen(pen(kBlue, 1.1));
    p.drawArc(flat, 180 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kOrange);
    p.drawEllipse(above, 1.0, 1.0);
    p.drawEllipse(tilted, 1.0, 1.0);
}

// A small globe with a red closed path round it and a white marker riding on the path.
void emphasiseMotion(QPainter& p, double scale)
{
    const QPointF centre(8, 8);
    const double rx = 7.0, ry = 2.7, tilt = -22;
    auto pathHalf = [&](bool front) {
        p.save();
        p.translate(centre);
        p.rotate(tilt);
        p.setPen(QPen(kRed, 1.5, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        // The near half of the path is the lower one.
        p.drawArc(QRectF(-rx, -ry, 2 * rx, 2 * ry), front ? 180 * 16 : 0, 180 * 16);
        p.restore();
    };
    pathHalf(false);

    // The globe is drawn at device resolution and laid on pixel for pixel. It is lit nearly
    // from the front, so that little of it lies in shadow, and has no glow, which would only
    // blur its edge at this size.
    const double radius = 4.6;
    const int side = static_cast<int>(16 * scale);
    QImage globe(side, side, QImage::Format_ARGB32_Premultiplied);
    globe.fill(Qt::transparent);
    GlobeView view;
    view.centreLon = 14;
    view.centreLat = 20;
    view.lightX = -0.4;
    view.lightY = 0.3;
    view.lightZ = 0.87;
    view.haloWidth = 0.0001;
    paintGlobe(globe, centre.x() * scale, centre.y() * scale, radius * scale, view);
    p.drawImage(QRectF(0, 0, 16, 16), globe);
    p.setPen(pen(QColor(26, 68, 140, 150), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);

    pathHalf(true);
    p.setPen(pen(kInk, 0.9));
    p.setBrush(kPaper);
    p.drawEllipse(onEllipse(centre, rx, ry, tilt, -28), 1.7, 1.7);
}

// A point source and three wave fronts spreading from it.
void waveFronts(QPainter& p, double)
{
    const QPointF source(2.5, 8);
    p.setPen(pen(kBlue, 1.3));
    p.setBrush(Qt::NoBrush);
    const double radii[3] = {4, 8, 12};
    const double halfSpans[3] = {60, 45, 36};
    for (int k = 0; k < 3; ++k) {
        const double r = radii[k];
        p.drawArc(QRectF(source.x() - r, source.y() - r, 2 * r, 2 * r),
                  static_cast<int>(-halfSpans[k] * 16), static_cast<int>(2 * halfSpans[k] * 16));
    }
    p.setPen(pen(kDarkRed, 0.8));
    p.setBrush(kRed);
    p.drawEllipse(source, 1.6, 1.6);
}

// The Earth with its ocean, seen from above, and the Moon at the right: the three tide glyphs
// add their force arrows to it.
void earthAndMoon(QPainter& p, QPointF earth)
{
    p.setPen(pen(kDarkBlue, 0.8));
    p.setBrush(kSky);
    p.drawEllipse(earth, 4.2, 3.4);
    p.setBrush(kBlue);
    p.drawEllipse(earth, 2.6, 2.6);
    p.setPen(pen(kInk, 0.7));
    p.setBrush(kGrey);
    p.drawEllipse(QPointF(14.0, 8.0), 1.6, 1.6);
}

// The Moon's attraction: a red arrow from the Earth towards the Moon.
void attractionArrows(QPainter& p, double)
{
    earthAndMoon(p, {5.0, 8.0});
    arrow(p, {6.0, 8.0}, {11.8, 8.0}, kRed, 1.5, 3.4, 2.3);
}

// The centrifugal force: an arrow from the Earth away from the Moon.
void centrifugalArrows(QPainter& p, double)
{
    earthAndMoon(p, {9.0, 8.0});
    arrow(p, {8.0, 8.0}, {1.2, 8.0}, kOrange, 1.5, 3.4, 2.3);
}

// The resultant: arrows out of both sides of the Earth along the Earth-Moon line, the two bulges.
void resultantArrows(QPainter& p, double)
{
    const QColor teal(0, 150, 170);
    earthAndMoon(p, {7.0, 8.0});
    arrow(p, {9.4, 8.0}, {12.0, 8.0}, teal, 1.4, 2.6, 2.0);
    arrow(p, {4.6, 8.0}, {0.8, 8.0}, teal, 1.4, 2.6, 2.0);
}

// A pair of axes from `origin`, turned `turnDeg` anticlockwise on screen, with arrow heads.
void axes(QPainter& p, QPointF origin, double turnDeg, double length, const QColor& c)
{
    for (double deg : {turnDeg, turnDeg + 90}) {
        const QPointF tip = origin + QPointF(length * std::cos(deg * kDeg), -length * std::sin(deg * kDeg));
        arrow(p, origin, tip, c, 1.2, 3.0, 1.9);
    }
}

// The fixed frame of reference: upright axes standing on hatched ground.
void fixedFrame(QPainter& p, double)
{
    const QPointF origin(4.5, 11.5);
    p.setPen(pen(kGrey, 0.9));
    for (double x = 2.0; x <= 14.0; x += 3.0)
        p.drawLine(QPointF(x, 15.2), QPointF(x + 1.6, 13.6));
    p.setPen(pen(kInk, 1.0));
    p.drawLine(QPointF(1.0, 13.5), QPointF(15.0, 13.5));
    axes(p, origin, 0, 10.2, kInk);
}

// The rotating frame of reference: turned axes with an arrow turning round their origin.
void rotatingFrame(QPainter& p, double)
{
    const QPointF origin(5.5, 9.5);
    QPainterPath turn;
    const QRectF circle(origin.x() - 3.8, origin.y() - 3.8, 7.6, 7.6);
    turn.arcMoveTo(circle, 190);
    turn.arcTo(circle, 190, 120);
    curvedArrow(p, turn, kBlue, 1.3, 2.8, 2.0);
    axes(p, origin, 25, 9.0, kInk);
}

// The Earth's oscillations: a globe with its axis and an arrow turning round it.
void oscillazionebTurn(QPainter& p, double)
{
    p.setPen(pen(kDarkBlue, 0.8));
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(8, 9), 4.6, 4.6);
    p.setPen(pen(kInk, 1.0));
    p.drawLine(QPointF(8, 2.0), QPointF(8, 15.5));
    QPainterPath turn;
    const QRectF ring(1.5, 0.8, 13, 5);
    turn.arcMoveTo(ring, 200);
    turn.arcTo(ring, 200, 140);
    curvedArrow(p, turn, kRed, 1.2, 2.6, 1.9);
}

// A turning disc seen from above, its rim blue on a pale face.
void disc(QPainter& p)
{
    p.setPen(pen(kBlue, 1.0));
    p.setBrush(kSky);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
}

// Three paths 120 degrees apart between the disc's centre and its rim, heading outwards or in.
void radialPaths(QPainter& p, bool outwards)
{
    disc(p);
    for (int i = 0; i < 3; ++i) {
        const double a = (-90 + 120 * i) * kDeg;
        const QPointF d(std::cos(a), std::sin(a));
        const QPointF inner = QPointF(8, 8) + d * (outwards ? 1.2 : 2.2);
        const QPointF outer = QPointF(8, 8) + d * 6.0;
        arrow(p, outwards ? inner : outer, outwards ? outer : inner, kRed, 1.2, 2.6, 1.8);
    }
}

void outwardPaths(QPainter& p, double) { radialPaths(p, true); }
void inwardPaths(QPainter& p, double) { radialPaths(p, false); }

// The disc seen obliquely: a flat face over the edge of its thickness.
void obliqueDisc(QPainter& p, double)
{
    p.setPen(pen(kDarkBlue, 1.0));
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(8, 10), 7.0, 3.2);
    p.setPen(pen(kBlue, 1.0));
    p.setBrush(kSky);
    p.drawEllipse(QPointF(8, 7.6), 7.0, 3.2);
    p.setPen(pen(kRed, 1.1));
    p.drawLine(QPointF(8, 7.6), QPointF(12.5, 6.4));
}

// The still disc: the body's path is a straight line across it.
void stillDiscPath(QPainter& p, double)
{
    disc(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(8, 8), 1.0, 1.0);
    arrow(p, {8, 8}, {12.8, 3.2}, kRed, 1.3, 3.0, 2.0);
}

// The turning disc: the path left on it bends, and the rim turns.
void turningDiscPath(QPainter& p, double)
{
    disc(p);
    QPainterPath rim;
    const QRectF circle(1.5, 1.5, 13, 13);
    rim.arcMoveTo(circle, 200);
    rim.arcTo(circle, 200, 70);
    curvedArrow(p, rim, kDarkBlue, 1.3, 2.8, 2.0);
    QPainterPath bend;
    bend.moveTo(8, 8);
    bend.cubicTo(10.0, 7.0, 11.6, 5.6, 11.8, 3.6);
    curvedArrow(p, bend, kRed, 1.3, 2.8, 2.0);
}

// Concentric orbits seen in perspective about the Sun, a planet on each.
void tkepleroOrbits(QPainter& p, double)
{
    const QPointF sun(8, 8);
    const double radii[] = {7.2, 5.0, 2.9};
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(kBlue, 1.0));
    for (const double r : radii)
        p.drawEllipse(sun, r, r / 2.0);
    p.setPen(pen(kOrange, 0.6));
    p.setBrush(kYellow);
    p.drawEllipse(sun, 1.7, 1.7);
    const QColor colours[] = {kRed, kGreen, QColor(200, 40, 200)};
    const double turns[] = {0.3, 0.75, 0.05};   // where each planet stands, in turns
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const double t = turns[i] * 2 * std::numbers::pi;
        p.setBrush(colours[i]);
        p.drawEllipse(sun + QPointF(radii[i] * std::cos(t), radii[i] / 2.0 * std::sin(t)), 1.5, 1.5);
    }
}

// The weight-variation buttons: a quarter of the Earth's section at the lower left, a point of
// its surface at 45 degrees and the force that the button shows there, in the window's colours
// (darkened where the tool bar is pale).
const QPointF kSurfacePoint(9.2, 6.8);

void earthQuarter(QPainter& p)
{
    p.setPen(pen(kGrey, 0.8));
    p.setBrush(QColor(200, 200, 200));
    p.drawPie(QRectF(-8.0, 4.0, 20.0, 20.0), 0, 90 * 16);
    p.setPen(pen(kInk, 0.7));
    p.setBrush(kInk);
    p.drawEllipse(kSurfacePoint, 0.9, 0.9);
}

const QColor kForceGreen(20, 170, 40);
const QColor kForceCyan(0, 160, 190);

// Gravity: towards the centre.
void gravityButton(QPainter& p, double)
{
    earthQuarter(p);
    arrow(p, kSurfacePoint, {3.2, 12.8}, kForceGreen, 1.5, 3.4, 2.2);
}

// The centrifugal force: horizontal, away from the axis.
void centrifugalButton(QPainter& p, double)
{
    earthQuarter(p);
    arrow(p, kSurfacePoint, {15.4, 6.8}, kForceCyan, 1.5, 3.4, 2.2);
}

// Its components: outwards along the radius (red) and along the surface towards the equator.
void componentsButton(QPainter& p, double)
{
    earthQuarter(p);
    arrow(p, kSurfacePoint, {14.0, 2.0}, kRed, 1.4, 3.0, 2.0);
    arrow(p, kSurfacePoint, {13.6, 11.2}, kOrange, 1.4, 3.0, 2.0);
}

// The weight: the resultant of the two forces (thin, with their dotted parallelogram), a white
// arrow outlined in ink.
void weightButton(QPainter& p, double)
{
    // A point higher up (60 degrees), where the two forces leave room for their resultant.
    const QPointF at(7.0, 5.3), g(3.0, 12.2), c(11.4, 5.3), w = g + (c - at);
    p.setPen(pen(kGrey, 0.8));
    p.setBrush(QColor(200, 200, 200));
    p.drawPie(QRectF(-8.0, 4.0, 20.0, 20.0), 0, 90 * 16);
    p.setPen(pen(kForceGreen, 1.0));
    p.drawLine(at, g);
    p.setPen(pen(kForceCyan, 1.0));
    p.drawLine(at, c);
    p.setPen(QPen(kInk, 0.6, Qt::DotLine));
    p.drawLine(g, w);
    p.drawLine(c, w);
    const QPointF v = w - at;
    const QPointF d = v / std::hypot(v.x(), v.y());
    const QPointF n(-d.y(), d.x());
    const QPointF neck = w - d * 3.4;
    const QPolygonF shape{at + n * 0.9, neck + n * 0.9, neck + n * 2.5, w,
                          neck - n * 2.5, neck - n * 0.9, at - n * 0.9};
    p.setPen(QPen(kInk, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kPaper);
    p.drawPolygon(shape);
}

// The Return key: a key cap with the bent arrow of the key.
void returnKey(QPainter& p, double)
{
    p.setPen(pen(kGrey, 0.9));
    p.setBrush(QColor(250, 250, 250));
    p.drawRoundedRect(QRectF(0.8, 1.8, 14.4, 12.4), 2.2, 2.2);
    p.setPen(pen(kInk, 1.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath bend;
    bend.moveTo(11.8, 4.4);
    bend.lineTo(11.8, 9.4);
    bend.lineTo(6.4, 9.4);
    p.drawPath(bend);
    arrowHead(p, {3.6, 9.4}, kPi, 3.2, 2.4, kInk);
}

// The spinning top's view buttons: the cone on its tip with the disc on top, light blue with a
// blue disc, as the window draws it.
void trottolaCone(QPainter& p, QPointF tip, QPointF centre, double rx, double ry)
{
    p.setPen(pen(kInk, 0.8));
    p.setBrush(kSky);
    p.drawPolygon(QPolygonF{tip, centre + QPointF(-rx, 0), centre + QPointF(rx, 0)});
    p.setPen(pen(kDarkBlue, 0.9));
    p.setBrush(kBlue);
    p.drawEllipse(centre, rx, ry);
}

// From the side: the top leaning on its table.
void trottolaLaterale(QPainter& p, double)
{
    p.setPen(pen(kGrey, 0.8));
    p.setBrush(QColor(220, 220, 220));
    p.drawRect(QRectF(0.8, 12.6, 14.4, 2.6));
    trottolaCone(p, {7.0, 12.6}, {9.4, 3.6}, 4.6, 1.7);
}

// From above: the path of the disc's centre round the tip, and the top leaning along it.
void trottolaSuperiore(QPainter& p, double)
{
    const QPointF tip(8, 6.4);
    p.setPen(QPen(kGrey, 0.8, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(tip, 5.6, 5.6);
    trottolaCone(p, tip, {8, 11.4}, 3.6, 3.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(tip, 1.0, 1.0);
}

// The central-forces buttons: a satellite high on its orbit round the central body, with the one
// vector that the button shows, in its colour in the window (darkened where the tool bar is pale).
const QPointF kCentraliSatellite(11.5, 4.7);

void centraliOrbit(QPainter& p)
{
    p.setPen(pen(kGrey, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 9), 7.0, 5.0);
    p.setPen(pen(kOrange, 0.6));
    p.setBrush(kYellow);
    p.drawEllipse(QPointF(5.2, 9), 1.8, 1.8);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(kCentraliSatellite, 1.1, 1.1);
}

// The button of one vector: the orbit with the vector from the satellite to `tip`.
GlyphPainter centraliVector(QPointF tip, const QColor& colour)
{
    return [tip, colour](QPainter& p, double) {
        centraliOrbit(p);
        arrow(p, kCentraliSatellite, tip, colour, 1.4, 3.0, 2.0);
    };
}

// The line of sight: from the Earth through the planet, a dotted line out to a star.
void temameLineOfSight(QPainter& p, double scale)
{
    const QPointF earth(3.0, 13.0), planet(8.5, 7.5), star(13.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int k = 0; k < 4; ++k) {
        // Dots on device pixel centres, so that the small picture keeps them sharp.
        const QPointF at = planet + (star - planet) * (0.2 + 0.2 * k);
        const QPointF snapped((std::floor(at.x() * scale) + 0.5) / scale,
                              (std::floor(at.y() * scale) + 0.5) / scale);
        p.drawEllipse(snapped, 0.6, 0.6);
    }
    p.setPen(pen(kInk, 0.9));
    p.drawLine(earth, planet);
    p.setPen(pen(kDarkBlue, 0.8));
    p.setBrush(kBlue);
    p.drawEllipse(earth, 2.4, 2.4);
    p.setPen(pen(kDarkRed, 0.8));
    p.setBrush(kRed);
    p.drawEllipse(planet, 1.8, 1.8);
    QPolygonF spikes;
    for (int k = 0; k < 8; ++k) {
        const double r = k % 2 == 0 ? 2.4 : 0.9;
        spikes << star + QPointF(r * std::sin(k * 45 * kDeg), -r * std::cos(k * 45 * kDeg));
    }
    p.setPen(pen(kOrange, 0.5));
    p.setBrush(kYellow);
    p.drawPolygon(spikes);
}

// The insolation window's buttons. The sheet's normal unit vector: a tilted blue sheet seen
// obliquely with a silver arrow standing out of its middle.
void flussolNormal(QPainter& p, double)
{
    p.setPen(pen(kDarkBlue, 0.9));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF{{2.0, 10.5}, {9.5, 14.5}, {14.0, 9.5}, {6.5, 5.5}});
    arrow(p, {8.0, 10.0}, {8.6, 1.6}, kInk, 1.4, 3.2, 2.2);
}

// Step-by-step progress: a staircase climbed one step at a time.
void flussolStairs(QPainter& p, double)
{
    p.setPen(pen(kDarkGreen, 1.0));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF{{1.5, 14.5}, {1.5, 11.0}, {5.5, 11.0}, {5.5, 7.5}, {9.5, 7.5},
                            {9.5, 4.0}, {14.5, 4.0}, {14.5, 14.5}});
}

// Continue: one step forward, a triangle against a bar.
void flussolNextStep(QPainter& p, double)
{
    p.setPen(pen(kDarkGreen, 1.0));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF{{2.5, 2.5}, {10.0, 8.0}, {2.5, 13.5}});
    p.setPen(pen(kDarkBlue, 1.0));
    p.setBrush(kBlue);
    p.drawRect(QRectF(11.0, 2.5, 2.5, 11.0));
}

// The motion buttons of the Doppler comparison: the source (a red dot), the observer (a bar at the
// right) and an arrow for the source's motion.
void dopplerScene(QPainter& p, QPointF source)
{
    p.setPen(pen(kInk, 1.4));
    p.drawLine(QPointF(14.5, 4.0), QPointF(14.5, 12.0));
    p.setPen(pen(kDarkRed, 0.8));
    p.setBrush(kRed);
    p.drawEllipse(source, 2.2, 2.2);
}

void dopplerAway(QPainter& p, double)
{
    dopplerScene(p, {10.0, 8.0});
    arrow(p, {7.0, 8.0}, {1.0, 8.0}, kBlue, 1.5, 3.2, 2.4);
}

void dopplerStill(QPainter& p, double)
{
    dopplerScene(p, {7.0, 8.0});
    p.setPen(pen(kGrey, 1.0));
    p.drawLine(QPointF(3.0, 11.5), QPointF(11.0, 11.5));
}

void dopplerApproach(QPainter& p, double)
{
    dopplerScene(p, {3.5, 8.0});
    arrow(p, {6.5, 8.0}, {12.5, 8.0}, kGreen, 1.5, 3.2, 2.4);
}

}  // namespace

std::vector<Glyph> imageListGlyphs()
{
    const std::vector<GlyphPainter> painters = {
        pause, startAgain, help, chartPage, pencil, swapPages, plus, minus, eye, arrowUp,
        arrowDown, grid, target, book, previousWindow, nextWindow, magnifier, clock, play, stop,
        check, seismicWaves, pendulum, moonPhases, satelliteOrbit, centrifugal, doppler,
        spinningTop, coriolis, precession, keplerOrbit, weight, equalAreas, flagUnitedKingdom,
        flagItaly, flagFrance, flagGeneric, loudspeaker, flagSpain, flagGermany,
    };
    std::vector<Glyph> glyphs;
    for (std::size_t i = 0; i < painters.size(); ++i)
        glyphs.push_back({QString::asprintf("%02zu", i), painters[i]});
    return glyphs;
}

std::vector<Glyph> buttonGlyphs()
{
    return {
        {QStringLiteral("eviden"), highlightCell},
        {QStringLiteral("traiet"), trail},
        {QStringLiteral("antiorario"), anticlockwise},
        {QStringLiteral("orario"), clockwise},
        {QStringLiteral("prono"), orbitView},
        {QStringLiteral("evid"), emphasiseMotion},
        {QStringLiteral("disegna"), waveFronts},
        {QStringLiteral("vettorig"), attractionArrows},
        {QStringLiteral("vettoric"), centrifugalArrows},
        {QStringLiteral("vettorir"), resultantArrows},
        {QStringLiteral("rotazion"), oscillazionebTurn},
        {QStringLiteral("fisso"), fixedFrame},
        {QStringLiteral("mobile"), rotatingFrame},
        {QStringLiteral("esterno"), outwardPaths},
        {QStringLiteral("interno"), inwardPaths},
        {QStringLiteral("prospno"), obliqueDisc},
        {QStringLiteral("fis"), stillDiscPath},
        {QStringLiteral("mobil"), turningDiscPath},
        {QStringLiteral("orbite"), tkepleroOrbits},
        {QStringLiteral("gravi"), gravityButton},
        {QStringLiteral("centrifuga"), centrifugalButton},
        {QStringLiteral("comp"), componentsButton},
        {QStringLiteral("risul"), weightButton},
        {QStringLiteral("invio"), returnKey},
        {QStringLiteral("laterale"), trottolaLaterale},
        {QStringLiteral("superiore"), trottolaSuperiore},
        // The force, towards the central body; the velocity, along the path the way the satellite
        // goes (anticlockwise); the tangential acceleration, shorter along the path (it speeds up
        // on its way from the far end towards the body); the centripetal one, across the path.
        {QStringLiteral("forza"), centraliVector({7.0, 8.3}, kRed)},
        {QStringLiteral("velo"), centraliVector({5.2, 2.1}, kForceGreen)},
        {QStringLiteral("accet"), centraliVector({7.4, 3.0}, QColor(190, 30, 190))},
        {QStringLiteral("accec"), centraliVector({9.6, 9.4}, kForceCyan)},
        {QStringLiteral("visione"), temameLineOfSight},
        {QStringLiteral("versore"), flussolNormal},
        {QStringLiteral("normale"), play},
        {QStringLiteral("papasso"), flussolStairs},
        {QStringLiteral("continua"), flussolNextStep},
        {QStringLiteral("allon"), dopplerAway},
        {QStringLiteral("quiete"), dopplerStill},
        {QStringLiteral("avvic"), dopplerApproach},
    };
}

QImage renderGlyph(const Glyph& glyph, int scale)
{
    QImage img(16 * scale, 16 * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    glyph.paint(p, scale);
    p.end();
    return img;
}

}  // namespace artwork
