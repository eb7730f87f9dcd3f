// Speed of the drawing canvas against Qt's aliased raster QPainter doing the same work.
#include "raster/canvas.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QPolygon>
#include <QRect>

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int kWidth = 1916;
constexpr int kHeight = 1000;

// The same seeded random work for both sides.
struct Segment {
    int x0, y0, x1, y1;
};

std::vector<Segment> randomSegments(int count)
{
    std::mt19937 rng(12345);
    // End points a little beyond the bitmap, so that some lines are clipped.
    std::uniform_int_distribution<int> ux(-50, kWidth + 50), uy(-50, kHeight + 50);
    std::vector<Segment> out;
    out.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        out.push_back({ux(rng), uy(rng), ux(rng), uy(rng)});
    return out;
}

std::vector<Segment> randomBoxes(int count)
{
    std::mt19937 rng(6789);
    std::uniform_int_distribution<int> cx(0, kWidth - 1), cy(0, kHeight - 1), size(2, 300);
    std::vector<Segment> out;
    out.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int x = cx(rng), y = cy(rng), w = size(rng), h = size(rng);
        out.push_back({x - w / 2, y - h / 2, x - w / 2 + w, y - h / 2 + h});
    }
    return out;
}

std::vector<std::vector<raster::Point>> randomPolygons(int count)
{
    std::mt19937 rng(24680);
    std::uniform_int_distribution<int> cx(0, kWidth - 1), cy(0, kHeight - 1), corners(3, 12);
    std::uniform_real_distribution<double> radius(5.0, 150.0), angle(0.0, 6.283185307179586);
    std::vector<std::vector<raster::Point>> out;
    for (int i = 0; i < count; ++i) {
        const int x = cx(rng), y = cy(rng), n = corners(rng);
        std::vector<raster::Point> poly;
        for (int k = 0; k < n; ++k) {
            const double r = radius(rng), a = angle(rng);
            poly.push_back({x + static_cast<int>(std::lround(r * std::cos(a))),
                            y + static_cast<int>(std::lround(r * std::sin(a)))});
        }
        out.push_back(std::move(poly));
    }
    return out;
}

QImage makeImage()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

raster::Bitmap makeBitmap()
{
    raster::Bitmap b;
    b.setSize(kWidth, kHeight);
    return b;
}

QPen cosmeticPen(const QColor& c)
{
    QPen pen(c);
    pen.setWidth(1);
    pen.setCosmetic(true);
    return pen;
}

void Canvas_Lines_Raster(benchmark::State& state)
{
    const auto segments = randomSegments(10000);
    raster::Bitmap b = makeBitmap();
    raster::Canvas& c = b.canvas();
    int colour = 0;
    for (auto _ : state) {
        c.pen.color = raster::rgb(colour, 0, 0);
        colour = (colour + 1) & 0xFF;
        for (const Segment& s : segments) {
            c.moveTo(s.x0, s.y0);
            c.lineTo(s.x1, s.y1);
        }
        benchmark::DoNotOptimize(c.bits());
        benchmark::ClobberMemory();
    }
}

void Canvas_Lines_QPainter(benchmark::State& state)
{
    const auto segments = randomSegments(10000);
    QImage image = makeImage();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    int colour = 0;
    for (auto _ : state) {
        p.setPen(cosmeticPen(QColor(colour, 0, 0)));
        colour = (colour + 1) & 0xFF;
        for (const Segment& s : segments)
            p.drawLine(s.x0, s.y0, s.x1, s.y1);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

void Canvas_Ellipses_Raster(benchmark::State& state)
{
    const auto boxes = randomBoxes(1000);
    raster::Bitmap b = makeBitmap();
    raster::Canvas& c = b.canvas();
    c.pen.color = raster::rgb(0, 0, 0);
    int colour = 0;
    for (auto _ : state) {
        c.brush.color = raster::rgb(0, colour, 255);
        colour = (colour + 1) & 0xFF;
        for (const Segment& s : boxes)
            c.ellipse(s.x0, s.y0, s.x1, s.y1);
        benchmark::DoNotOptimize(c.bits());
        benchmark::ClobberMemory();
    }
}

void Canvas_Ellipses_QPainter(benchmark::State& state)
{
    const auto boxes = randomBoxes(1000);
    QImage image = makeImage();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(cosmeticPen(Qt::black));
    int colour = 0;
    for (auto _ : state) {
        p.setBrush(QColor(0, colour, 255));
        colour = (colour + 1) & 0xFF;
        for (const Segment& s : boxes)
            p.drawEllipse(QRect(s.x0, s.y0, s.x1 - s.x0 - 1, s.y1 - s.y0 - 1));
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

void Canvas_Polygons_Raster(benchmark::State& state)
{
    const auto polygons = randomPolygons(1000);
    raster::Bitmap b = makeBitmap();
    raster::Canvas& c = b.canvas();
    c.pen.color = raster::rgb(0, 0, 0);
    int colour = 0;
    for (auto _ : state) {
        c.brush.color = raster::rgb(0, 255, colour);
        colour = (colour + 1) & 0xFF;
        for (const auto& poly : polygons)
            c.polygon(poly);
        benchmark::DoNotOptimize(c.bits());
        benchmark::ClobberMemory();
    }
}

void Canvas_Polygons_QPainter(benchmark::State& state)
{
    const auto polygons = randomPolygons(1000);
    std::vector<QPolygon> qpolys;
    for (const auto& poly : polygons) {
        QPolygon q;
        for (const raster::Point& pt : poly)
            q << QPoint(pt.x, pt.y);
        qpolys.push_back(q);
    }
    QImage image = makeImage();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(cosmeticPen(Qt::black));
    int colour = 0;
    for (auto _ : state) {
        p.setBrush(QColor(0, 255, colour));
        colour = (colour + 1) & 0xFF;
        for (const QPolygon& q : qpolys)
            p.drawPolygon(q, Qt::OddEvenFill);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

void Canvas_Copy_Raster(benchmark::State& state)
{
    raster::Bitmap source = makeBitmap();
    source.canvas().brush.color = raster::rgb(10, 20, 30);
    source.canvas().ellipse(10, 10, 1900, 990);
    raster::Bitmap b = makeBitmap();
    for (auto _ : state) {
        b.canvas().draw(0, 0, source);
        benchmark::DoNotOptimize(b.canvas().bits());
        benchmark::ClobberMemory();
    }
}

void Canvas_Copy_QPainter(benchmark::State& state)
{
    QImage source = makeImage();
    {
        QPainter sp(&source);
        sp.setBrush(QColor(10, 20, 30));
        sp.drawEllipse(QRect(10, 10, 1890, 980));
    }
    QImage image = makeImage();
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (auto _ : state) {
        p.drawImage(0, 0, source);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

// Clearing the whole bitmap the program's way: a border fill from a corner, with a border
// colour the bitmap does not contain.
void Canvas_FloodFill_Raster(benchmark::State& state)
{
    raster::Bitmap b = makeBitmap();
    raster::Canvas& c = b.canvas();
    int colour = 0;
    for (auto _ : state) {
        c.brush.color = raster::rgb(0, 0, colour);
        colour = (colour + 1) & 0x7F;
        c.floodFill(0, 0, raster::rgb(128, 0, 0), raster::FillStyle::Border);
        benchmark::DoNotOptimize(c.bits());
        benchmark::ClobberMemory();
    }
}

void Canvas_FloodFillSurface_Raster(benchmark::State& state)
{
    raster::Bitmap b = makeBitmap();
    raster::Canvas& c = b.canvas();
    raster::Color current = c.pixel(0, 0);
    int colour = 0;
    for (auto _ : state) {
        c.brush.color = raster::rgb(0, 0, colour);
        colour = (colour + 1) & 0x7F;
        if (c.brush.color == current)
            c.brush.color ^= 0x800000;
        c.floodFill(0, 0, current, raster::FillStyle::Surface);
        current = c.brush.color;
        benchmark::DoNotOptimize(c.bits());
        benchmark::ClobberMemory();
    }
}

void Canvas_FloodFill_QImageFill(benchmark::State& state)
{
    QImage image = makeImage();
    int colour = 0;
    for (auto _ : state) {
        image.fill(QColor(0, 0, colour));
        colour = (colour + 1) & 0x7F;
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(Canvas_Lines_Raster)->Unit(benchmark::kMillisecond);
BENCHMARK(Canvas_Lines_QPainter)->Unit(benchmark::kMillisecond);
BENCHMARK(Canvas_Ellipses_Raster)->Unit(benchmark::kMillisecond);
BENCHMARK(Canvas_Ellipses_QPainter)->Unit(benchmark::kMillisecond);
BENCHMARK(Canvas_Polygons_Raster)->Unit(benchmark::kMillisecond);
BENCHMARK(Canvas_Polygons_QPainter)->Unit(benchmark::kMillisecond);
BENCHMARK(Canvas_Copy_Raster)->Unit(benchmark::kMicrosecond);
BENCHMARK(Canvas_Copy_QPainter)->Unit(benchmark::kMicrosecond);
BENCHMARK(Canvas_FloodFill_Raster)->Unit(benchmark::kMicrosecond);
BENCHMARK(Canvas_FloodFillSurface_Raster)->Unit(benchmark::kMicrosecond);
BENCHMARK(Canvas_FloodFill_QImageFill)->Unit(benchmark::kMicrosecond);

}  // namespace


