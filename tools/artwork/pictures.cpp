// Draws the start-screen logo, the start picture of the Earth and the window icon.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace artwork {
namespace {

// Small deterministic generator, so that every run draws the same stars.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state_(seed) {}
    double next()  // uniform in [0, 1)
    {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / 16777216.0;
    }

private:
    std::uint32_t state_;
};

void paintStar(QPainter& p, QPointF at, double size, double brightness, const QColor& tint)
{
    if (size > 1.2) {
        QRadialGradient glow(at, size * 2.2);
        QColor inner = tint;
        inner.setAlphaF(static_cast<float>(0.55 * brightness));
        QColor outer = tint;
        outer.setAlpha(0);
        glow.setColorAt(0.0, inner);
        glow.setColorAt(1.0, outer);
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(at, size * 2.2, size * 2.2);
    }
    QColor core = tint.lighter(115);
    core.setAlphaF(static_cast<float>(brightness));
    p.setPen(Qt::NoPen);
    p.setBrush(core);
    p.drawEllipse(at, size * 0.5, size * 0.5);
}

}  // namespace

QImage logoPicture()
{
    constexpr int kWidth = 445;
    constexpr int kHeight = 280;
    QImage img(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Deep blue in the middle, where the yellow title and red subject line stand, paler towards
    // the top and bottom edges, where the navy credit lines appear.
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.00, QColor(150, 182, 236));
    sky.setColorAt(0.13, QColor(92, 132, 210));
    sky.setColorAt(0.30, QColor(22, 48, 132));
    sky.setColorAt(0.50, QColor(8, 20, 84));
    sky.setColorAt(0.70, QColor(22, 48, 132));
    sky.setColorAt(0.87, QColor(92, 132, 210));
    sky.setColorAt(1.00, QColor(150, 182, 236));
    p.fillRect(img.rect(), sky);

    // Stars, thinning out where the sky grows pale.
    Dice dice(20240611u);
    for (int i = 0; i < 420; ++i) {
        const double x = dice.next() * kWidth;
        const double y = dice.next() * kHeight;
        const double t = std::abs(y / kHeight - 0.5) * 2.0;  // 0 in the middle, 1 at the edges
        const double dark = std::clamp(1.0 - t * 1.35, 0.0, 1.0);
        const double keep = dice.next();
        const double big = dice.next();
        const double shine = dice.next();
        const double hue = dice.next();
        if (keep > dark)
            continue;
        const double size = big > 0.94 ? 1.6 + big * 0.8 : 0.9 + big * 0.5;
        const QColor tint = hue < 0.2 ? QColor(255, 236, 200)
                          : hue < 0.4 ? QColor(200, 220, 255)
                                      : QColor(255, 255, 255);
        paintStar(p, QPointF(x, y), size, (0.35 + 0.65 * shine) * dark, tint);
    }

    // A calm orbit around the title, with its small planet.
    p.save();
    p.translate(kWidth / 2.0, kHeight / 2.0 + 2);
    p.rotate(-6);
    const double rx = 206, ry = 80;
    QPen orbitPen(QColor(190, 210, 255, 95), 1.3);
    p.setPen(orbitPen);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), rx, ry);
    QPen faint(QColor(190, 210, 255, 45), 4.0);
    p.setPen(faint);
    p.drawEllipse(QPointF(0, 0), rx, ry);
    const double t = 0.8 * std::numbers::pi;
    const QPointF planet(rx * std::cos(t), ry * std::sin(t));
    QRadialGradient body(planet + QPointF(-1.6, -1.6), 7.5);
    body.setColorAt(0.0, QColor(170, 215, 255));
    body.setColorAt(0.6, QColor(50, 120, 220));
    body.setColorAt(1.0, QColor(18, 40, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(planet, 5.5, 5.5);
    p.restore();
    p.end();
    return img;
}

QImage earthPicture()
{
    constexpr int kSize = 600;
    QImage img(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    GlobeView view;
    view.centreLon = 14;
    view.centreLat = 22;
    view.roll = 0;
    view.lightX = -0.62;
    view.lightY = 0.42;
    view.lightZ = 0.66;
    view.haloWidth = 0.035;
    paintGlobe(img, kSize / 2.0, kSize / 2.0, kSize / 2.0 / 1.04, view);
    return img;
}

QImage iconPicture()
{
    constexpr int kSize = 256;
    QImage img(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);

    const QPointF centre(128, 130);
    const double tilt = -22.0;
    const double rx = 112, ry = 32;
    const QColor ring(255, 214, 120);

    // The far half of the Moon's orbit passes behind the globe.
    auto orbitHalf = [&](bool front) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(centre);
        p.rotate(tilt);
        p.setPen(QPen(ring, 7.0, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        const QRectF box(-rx, -ry, 2 * rx, 2 * ry);
        // Qt's arc angles run counter-clockwise from three o'clock; the near half is the lower one.
        p.drawArc(box, front ? 180 * 16 : 0, 180 * 16);
    };
    orbitHalf(false);

    GlobeView view;
    view.centreLon = 12;
    view.centreLat = 24;
    view.roll = 12;
    view.lightX = -0.55;
    view.lightY = 0.5;
    view.lightZ = 0.67;
    view.haloWidth = 0.045;
    paintGlobe(img, centre.x(), centre.y(), 82, view);

    orbitHalf(true);

    // The Moon, on the near half of its orbit.
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double t = 0.22 * std::numbers::pi;
    const QPointF moon(rx * std::cos(t), ry * std::sin(t));
    const double a = tilt * std::numbers::pi / 180.0;
    const QPointF at = centre + QPointF(moon.x() * std::cos(a) - moon.y() * std::sin(a),
                                        moon.x() * std::sin(a) + moon.y() * std::cos(a));
    const double moonRadius = 26;
    QRadialGradient lit(at + QPointF(-moonRadius * 0.45, -moonRadius * 0.45), moonRadius * 1.6);
    lit.setColorAt(0.0, QColor(250, 248, 236));
    lit.setColorAt(0.45, QColor(196, 194, 184));
    lit.setColorAt(1.0, QColor(70, 70, 78));
    p.setPen(QPen(QColor(40, 40, 48, 160), 1.2));
    p.setBrush(lit);
    p.drawEllipse(at, moonRadius, moonRadius);
    // A few maria.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 108, 104, 90));
    p.drawEllipse(at + QPointF(-7, -6), 7.4, 5.7);
    p.drawEllipse(at + QPointF(6, -10), 4.6, 3.6);
    p.drawEllipse(at + QPointF(2, 6), 5.7, 4.6);
    p.end();
    return img;
}

}  // namespace artwork
