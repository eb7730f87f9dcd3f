// The Doppler simulation: wave fronts of a moving source drawn into eight frames shown through a
// sliding view, so that the fronts stand still on the screen while the source moves across them.
#include "misc/simuldopbis.h"

#include <algorithm>

#include "shell/texts.h"

namespace simuldopbis {

namespace {
constexpr int kSourceRadius = 2;

std::size_t speedIndex(int v) { return static_cast<std::size_t>(std::clamp(v, kMinSpeed, kMaxSpeed)); }
}  // namespace

State& state()
{
    static State s;
    return s;
}

void makeTables(int w)
{
    State& st = state();
    // With the source at X0 = 3 w / 5, the middle of a frame 2 X0 wide, a front of age k spans
    // X0 - (5 + v) k .. X0 + (5 - v) k: A[v] = X0 / (5 - v) is the age at which its right edge
    // reaches the frame's right edge, B[v] = X0 / (v + 5) the age at which its left edge reaches 0.
    const int x0 = 3 * w / 5;
    for (int v = 1; v <= 4; ++v) {
        st.A[static_cast<std::size_t>(v)] = x0 / (kWaveSpeed - v);
        st.B[static_cast<std::size_t>(v)] = x0 / (v + kWaveSpeed);
    }
    // From speed 5 on, where 5 - v is zero or negative, the ranges of speeds 3 and 4 are borrowed.
    st.A[5] = st.A[3];
    st.A[6] = st.A[4];
    st.A[7] = st.A[3];
    st.B[5] = st.B[3];
    st.B[6] = st.B[4];
    st.B[7] = st.B[3];
    st.A[0] = 0;
    st.B[0] = 0;
}

void create(int w, int h, int v)
{
    State& st = state();
    st.v = static_cast<std::uint8_t>(speedIndex(v));
    makeTables(w);
    for (auto& frame : st.frames) {
        frame = raster::Bitmap();
        frame.canvas().brush.color = kBlack;
        frame.setSize(6 * w / 5, h / 2);
    }
    st.frameRect = raster::Rect{0, 0, 6 * w / 5, h / 2};
    st.f = 0;
    st.s = 0;
}

int progressMaximum(int v) { return 2 * state().A[speedIndex(v)]; }

std::string sourceSpeedText(int v)
{
    return texts::HintTexts[66] + "  v = " + static_cast<char>('0' + speedIndex(v));
}

raster::Rect frontBox(int w, int h, int v, int k)
{
    // The front sent out k ticks ago is the circle of radius 5 k around (X0 - v k, Y0).
    const int x0 = 3 * w / 5;
    const int y0 = h / 4;
    return raster::Rect{x0 - (v + kWaveSpeed) * k, y0 - kWaveSpeed * k, x0 + (kWaveSpeed - v) * k,
                        y0 + kWaveSpeed * k};
}

void precompute(int w, int h, int v, const std::function<void(int)>& progress)
{
    State& st = state();
    st.v = static_cast<std::uint8_t>(speedIndex(v));
    v = st.v;
    const int a = st.A[st.v];
    const int b = st.B[st.v];
    const int maximum = progressMaximum(v);
    const int x0 = 3 * w / 5;
    const int y0 = h / 4;
    int drawn = 0;
    auto frontDrawn = [&] {
        ++drawn;
        // Each pass draws one front more than 2 A[v] counts; the bar stops at its maximum.
        if (progress)
            progress(std::min(drawn, maximum));
    };
    if (progress)
        progress(0);
    for (auto& frame : st.frames) {
        frame.canvas().brush.color = kBlack;
        // Frames freed while the window was not active are made again, of their first size.
        frame.setSize(st.frameRect.right, st.frameRect.bottom);
        frame.canvas().fillRect(st.frameRect);
    }
    // Blue fronts of age k on frame k mod 8, cyan ones on frame (k + 4) mod 8: a front leaves
    // the source every 4 ticks, alternately blue and cyan.
    for (const auto& [colour, offset] : {std::pair{kBlue, 0}, std::pair{kCyan, 4}}) {
        // The far fronts: only their right-hand part, from the ray through (Xc, Y0 + 5 k)
        // counter-clockwise to the ray through (Xc, Y0 - 5 k), Xc = (v + 7) w / (v + 9) + (5 - v) k.
        for (int k = a; k >= b; --k) {
            raster::Canvas& c = st.frames[static_cast<std::size_t>((k + offset) % kFrames)].canvas();
            const raster::Rect r = frontBox(w, h, v, k);
            const int xc = (v + 7) * w / (v + 9) + (kWaveSpeed - v) * k;
            c.pen.color = colour;
            c.arc(r.left, r.top, r.right, r.bottom, xc, y0 + kWaveSpeed * k, xc, y0 - kWaveSpeed * k);
            frontDrawn();
        }
        // The near fronts whole (start and end at the same point), then the source on top.
        for (int k = b - 1; k >= 0; --k) {
            raster::Canvas& c = st.frames[static_cast<std::size_t>((k + offset) % kFrames)].canvas();
            const raster::Rect r = frontBox(w, h, v, k);
            const int xp = x0 + (kWaveSpeed - v) * k;
            c.pen.color = colour;
            c.arc(r.left, r.top, r.right, r.bottom, xp, y0, xp, y0);
            c.pen.color = kWhite;
            c.brush.color = kWhite;
            c.ellipse(x0 - v - kSourceRadius, y0 - kSourceRadius, x0 - v + kSourceRadius,
                      y0 + kSourceRadius);
            frontDrawn();
        }
    }
    st.f = 0;
    st.s = 0;
}

int slidePeriod(int w, int v)
{
    // The view jumps back after 7 w / (11 v) ticks, when the source has crossed the picture; a
    // client narrower than 11 v / 7 pixels would make that zero, and the view then stays put.
    return std::max(1, 7 * w / (11 * std::max(v, 1)));
}

raster::Rect viewRect(int w, int h, int v, int s)
{
    // The view slides v pixels left per tick from x = 13 w / 20.
    const int left = 13 * w / 20 - v * s;
    return raster::Rect{left, 0, left + w / 2, h / 2};
}

raster::Rect pictureRect(int w, int h) { return raster::Rect{w / 4, h / 4, w / 4 + w / 2, h / 4 + h / 2}; }

void tick(raster::Canvas& surface, int w, int h, bool paused)
{
    State& st = state();
    st.f = std::clamp(st.f, 0, kFrames - 1);
    st.source = viewRect(w, h, st.v, st.s);
    st.destination = pictureRect(w, h);
    surface.copyRect(st.destination, st.frames[static_cast<std::size_t>(st.f)].canvas(), st.source);
    if (!paused) {
        st.s = (st.s + 1) % slidePeriod(w, st.v);
        st.f = (st.f + 1) % kFrames;
    }
}

void release()
{
    for (auto& frame : state().frames)
        frame = raster::Bitmap();
}

}  // namespace simuldopbis
