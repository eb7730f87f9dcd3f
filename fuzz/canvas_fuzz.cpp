// Runs random sequences of canvas operations, with coordinates up to the int limits and any pen,
// brush, font and copy mode, on small and large bitmaps; every operation must end quickly.
#include "raster/canvas.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <time.h>
#include <vector>

namespace {

// The processor time this thread has used, in milliseconds: what an operation costs, whatever
// else the machine is doing.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) * 1e-6;
}

// A stand-in for the program's font engine: a box of 6 pixels a byte by the character height,
// striped with ink, so that text goes through the canvas's clipping without Qt. The time it
// spends making masks is its own, not the canvas's.
class BoxFont : public raster::FontEngine {
public:
    double renderMs = 0;
    int width(std::string_view utf8, const Style&) override { return 6 * static_cast<int>(utf8.size()); }
    int height(std::string_view, const Style& style) override { return style.height; }
    Mask render(std::string_view utf8, const Style& style) override
    {
        const double start = cpuMs();
        Mask m;
        m.width = width(utf8, style);
        m.height = style.height;
        m.ink.assign(static_cast<std::size_t>(m.width) * static_cast<std::size_t>(m.height), 0);
        for (std::size_t i = style.bold ? 1 : 0; i < m.ink.size(); i += 3)
            m.ink[i] = 1;
        renderMs += cpuMs() - start;
        return m;
    }
};

BoxFont& boxFont()
{
    static BoxFont font;
    return font;
}

// The processor time one run of an operation takes, the font engine's own time left out.
double timed(const std::function<void()>& run)
{
    boxFont().renderMs = 0;
    const double start = cpuMs();
    run();
    return cpuMs() - start - boxFont().renderMs;
}

// The pictures drawn on: a small one, one of the largest window size, a middle one used as a
// source, and one whose size the input changes.
struct Pictures {
    raster::Bitmap small, large, middle, resized;
    Pictures()
    {
        small.setSize(37, 23);
        large.setSize(3836, 2100);
        middle.setSize(530, 345);
    }
};

Pictures& pictures()
{
    static Pictures* p = [] {
        raster::setFontEngine(&boxFont());
        return new Pictures;
    }();
    return *p;
}

// With CANVAS_FUZZ_TRACE set, every operation is printed with its coordinates (to read what a
// finding does).
const bool gTrace = std::getenv("CANVAS_FUZZ_TRACE") != nullptr;
std::vector<long long> gArgs;

int traced(int v)
{
    if (gTrace)
        gArgs.push_back(v);
    return v;
}

// A coordinate: mostly near the picture, often at or near the limits of int.
int anyCoordinate(FuzzedDataProvider& in)
{
    static const int kEdges[] = {INT_MIN, INT_MIN + 1, INT_MIN + 2, INT_MAX, INT_MAX - 1, INT_MAX - 2,
                                 -(1 << 30), 1 << 30, -(1 << 16), 1 << 16, -1, 0, 1, 4000};
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: return in.ConsumeIntegralInRange(-64, 4000);
    case 1: return in.PickValueInArray(kEdges);
    case 2: return in.ConsumeIntegral<int>();
    default: return in.ConsumeIntegralInRange(-100, 100);
    }
}

int coordinate(FuzzedDataProvider& in)
{
    return traced(anyCoordinate(in));
}

int penWidth(FuzzedDataProvider& in)
{
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: return traced(1);
    case 1: return traced(in.ConsumeIntegralInRange(-2, 12));
    case 2: return traced(in.ConsumeIntegralInRange(0, 5000));
    default: return traced(in.ConsumeIntegral<int>());
    }
}

raster::Rect rect(FuzzedDataProvider& in)
{
    return raster::Rect{coordinate(in), coordinate(in), coordinate(in), coordinate(in)};
}

// The time an operation may take: a few milliseconds, and a few nanoseconds more for each pixel
// it can reach (the pixels of the picture drawn on, and of the one copied from) in each of its
// strokes (a pen wider than the picture covers all of it at every segment of a polygon).
double limitMs(const raster::Canvas& target, const raster::Canvas* source, int strokes)
{
    double pixels = double(target.width()) * double(target.height());
    if (source)
        pixels += double(source->width()) * double(source->height());
    return 5.0 + pixels * 40e-6 * std::max(strokes, 1);
}

// Resizing allocates, and the sanitizer's allocator takes its time now and then: a hang is what
// counts there.
constexpr double kResizeLimitMs = 500;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    Pictures& p = pictures();
    raster::Bitmap* all[] = {&p.small, &p.large, &p.middle, &p.resized};
    // Every input starts from the same tools, so that a finding replays from its input alone.
    for (raster::Bitmap* b : all) {
        raster::Canvas& c = b->canvas();
        c.pen = {0x000000, 1, raster::PenStyle::Solid};
        c.brush = {0xFFFFFF};
        c.font = {0x000000, false, false, 11};
        c.copyMode = raster::CopyMode::Copy;
        c.moveTo(0, 0);
    }
    for (int step = 0; step < 24 && in.remaining_bytes() > 0; ++step) {
        raster::Bitmap& target = *all[in.ConsumeIntegralInRange(0, 3)];
        raster::Bitmap& other = *all[in.ConsumeIntegralInRange(0, 3)];
        raster::Canvas& c = target.canvas();
        const int op = in.ConsumeIntegralInRange(0, 19);
        const raster::Canvas* source = nullptr;
        int strokes = 1;
        // The operation, its arguments read first, so that it can be run again.
        std::function<void()> run;
        switch (op) {
        case 0: {
            const raster::Color color = in.ConsumeIntegral<raster::Color>();
            const int width = penWidth(in);
            const auto style = static_cast<raster::PenStyle>(in.ConsumeIntegralInRange(0, 2));
            run = [&c, color, width, style] { c.pen = {color, width, style}; };
            break;
        }
        case 1: {
            const raster::Color color = in.ConsumeIntegral<raster::Color>();
            const auto mode = in.ConsumeBool() ? raster::CopyMode::Or : raster::CopyMode::Copy;
            run = [&c, color, mode] {
                c.brush.color = color;
                c.copyMode = mode;
            };
            break;
        }
        case 2: {
            const raster::Color color = in.ConsumeIntegral<raster::Color>();
            const bool bold = in.ConsumeBool();
            const bool italic = in.ConsumeBool();
            const int height = traced(in.ConsumeBool() ? in.ConsumeIntegralInRange(-40, 300)
                                                       : in.ConsumeIntegral<int>());
            run = [&c, color, bold, italic, height] { c.font = {color, bold, italic, height}; };
            break;
        }
        case 3: {
            const int x = coordinate(in), y = coordinate(in);
            run = [&c, x, y] { c.moveTo(x, y); };
            break;
        }
        case 4: {
            const raster::Point from = c.penPos();
            const int x = coordinate(in), y = coordinate(in);
            run = [&c, from, x, y] {
                c.moveTo(from.x, from.y);
                c.lineTo(x, y);
            };
            break;
        }
        case 5:
        case 6: {
            const raster::Rect r = rect(in);
            run = [&c, r, op] {
                if (op == 5)
                    c.ellipse(r.left, r.top, r.right, r.bottom);
                else
                    c.rectangle(r.left, r.top, r.right, r.bottom);
            };
            break;
        }
        case 7: {
            const raster::Rect r = rect(in);
            run = [&c, r] { c.fillRect(r); };
            break;
        }
        case 8:
        case 9: {
            std::vector<raster::Point> points(in.ConsumeIntegralInRange<std::size_t>(0, 12));
            strokes = static_cast<int>(points.size());
            for (raster::Point& pt : points)
                pt = raster::Point{coordinate(in), coordinate(in)};
            run = [&c, points, op] {
                if (op == 8)
                    c.polygon(points);
                else
                    c.polyline(points);
            };
            break;
        }
        case 10:
        case 11: {
            std::array<int, 8> a{};
            for (int& v : a)
                v = coordinate(in);
            run = [&c, a, op] {
                if (op == 10)
                    c.arc(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
                else
                    c.pie(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
            };
            break;
        }
        case 12: {
            const int x = coordinate(in), y = coordinate(in);
            const raster::Color color = in.ConsumeIntegral<raster::Color>();
            const auto style = in.ConsumeBool() ? raster::FillStyle::Surface : raster::FillStyle::Border;
            run = [&c, x, y, color, style] { c.floodFill(x, y, color, style); };
            break;
        }
        case 13: {
            source = &other.canvas();
            const int x = coordinate(in), y = coordinate(in);
            run = [&c, &other, x, y] { c.draw(x, y, other); };
            break;
        }
        case 14:
        case 15: {
            source = &other.canvas();
            const raster::Rect d = rect(in);
            const raster::Rect r = rect(in);
            run = [&c, &other, d, r] { c.copyRect(d, other.canvas(), r); };
            break;
        }
        case 16: {
            const int x = coordinate(in), y = coordinate(in);
            const raster::Color color = in.ConsumeIntegral<raster::Color>();
            run = [&c, x, y, color] {
                const bool inside = x >= 0 && y >= 0 && x < c.width() && y < c.height();
                if (inside != (c.pixel(x, y) != raster::kNoPixel))
                    std::abort();   // kNoPixel exactly outside the picture
                c.setPixel(x, y, color);
            };
            break;
        }
        case 17: {
            const std::string text = in.ConsumeRandomLengthString(32);
            const int x = coordinate(in), y = coordinate(in);
            run = [&c, text, x, y] {
                c.textOut(x, y, text);
                (void)c.textWidth(text);
                (void)c.textHeight(text);
            };
            break;
        }
        case 18: {
            // Only the scratch picture changes size (up to a window's design size).
            const raster::Color color = in.ConsumeIntegral<raster::Color>();
            const int w = traced(in.ConsumeIntegralInRange(-5, 600));
            const int h = traced(in.ConsumeIntegralInRange(-5, 400));
            run = [&p, color, w, h] {
                p.resized.canvas().brush.color = color;
                p.resized.setSize(w, h);
                const std::size_t pixels = std::size_t(p.resized.width()) * std::size_t(p.resized.height());
                if (p.resized.width() != std::max(w, 0) || p.resized.height() != std::max(h, 0) ||
                    p.resized.bytes() != pixels * 4u)
                    std::abort();
            };
            break;
        }
        default: {
            // A canvas on a block of a picture's pixels, as a window's surface is.
            strokes = 3;
            const int w = std::min(c.width(), in.ConsumeIntegralInRange(0, 64));
            const int h = std::min(c.height(), in.ConsumeIntegralInRange(0, 64));
            std::array<int, 8> a{};
            for (int& v : a)
                v = coordinate(in);
            const raster::Color color = in.ConsumeIntegral<raster::Color>();
            run = [&c, w, h, a, color] {
                raster::Canvas view;
                view.attach(c.bits(), w, h, c.stride());
                view.pen = c.pen;
                view.brush = c.brush;
                view.moveTo(a[0], a[1]);
                view.lineTo(a[2], a[3]);
                view.ellipse(a[4], a[5], a[2], a[3]);
                view.floodFill(a[6], a[7], color, raster::FillStyle::Border);
            };
            break;
        }
        }
        // An operation that overruns its time runs twice more: a hang is slow every time, a
        // machine busy with something else only now and then.
        const double limit = op == 18 ? kResizeLimitMs : limitMs(c, source, strokes);
        double ms = timed(run);
        for (int again = 0; again < 2 && ms > limit; ++again)
            ms = std::min(ms, timed(run));
        if (gTrace) {
            std::fprintf(stderr, "op %d on %dx%d, pen %d style %d, %.2f ms:", op, c.width(), c.height(),
                         c.pen.width, static_cast<int>(c.pen.style), ms);
            for (long long a : gArgs)
                std::fprintf(stderr, " %lld", a);
            std::fprintf(stderr, "\n");
            gArgs.clear();
        }
        if (ms > limit) {
            std::fprintf(stderr, "canvas operation %d on a %dx%d picture took %.1f ms (limit %.1f ms)\n",
                         op, c.width(), c.height(), ms, limit);
            std::abort();
        }
    }
    return 0;
}
