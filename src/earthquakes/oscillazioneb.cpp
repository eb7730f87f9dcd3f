// The Earth-oscillation model: the globe's pictures at five amplitudes and six rotation steps.
#include "earthquakes/oscillazioneb.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "shell/random.h"

namespace oscillazioneb {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

int nearest(long double v) { return static_cast<int>(std::nearbyint(v)); }

std::size_t modeIndex(int mode) { return static_cast<std::size_t>(std::clamp(mode, 1, kModes) - 1); }

}  // namespace

State& state()
{
    static State s;
    return s;
}

namespace {
// Every picture slot, in one order.
template <typename F>
void forEachFrame(F&& f)
{
    for (auto& byRotation : state().frames)
        for (auto& byMode : byRotation)
            for (raster::Bitmap& b : byMode)
                f(b);
}
}  // namespace

void pack()
{
    State& s = state();
    if (!s.packed.empty())
        return;
    forEachFrame([&](raster::Bitmap& b) {
        s.packed.emplace_back();
        s.packed.back().pack(b);   // a picture that does not exist, or would not shrink, stays
    });
}

void unpack()
{
    State& s = state();
    std::size_t i = 0;
    if (!s.packed.empty())
        forEachFrame([&](raster::Bitmap& b) { s.packed[i++].unpack(b); });
    s.packed.clear();
}

raster::Bitmap& frame(int p, int r, int mode)
{
    unpack();
    return state().frames[static_cast<std::size_t>(p)][static_cast<std::size_t>(r)][modeIndex(mode)];
}

int frameSize(int h) { return (h * 3) / 5; }

raster::Point frameOrigin(int w, int h) { return {w / 2 - (h * 3) / 10, h / 4}; }

raster::Point fillSeed(int h)
{
    // The globe's centre. The seed (W div 4, H div 4) lies in the globe only while W < 2.2 H: in
    // a wider window it falls outside and the whole picture round the globe would turn blue.
    return {(h * 3) / 10, (h * 11) / 40};
}

std::size_t bytes()
{
    std::size_t total = 0;
    for (const auto& byRotation : state().frames)
        for (const auto& byMode : byRotation)
            for (const raster::Bitmap& b : byMode)
                total += b.bytes();
    for (const orb::PackedPicture& p : state().packed)
        total += p.bytes();
    return total;
}

void create()
{
    State& s = state();
    release();
    s.selectedMode = 1;
    s.shownMode = 1;
    s.computed = {true, false};
    s.FirstActivation = true;
}

namespace {

// The sines and cosines that every picture of one twist angle uses, each computed once: of
// t_j = j pi/90 (j = -46..46), of t_j - rho and t_j + rho, and sin(j pi/45) (j = -45..45).
struct Angles {
    static constexpr int kFirst = -46;
    static constexpr int kCount = 93;
    std::array<long double, kCount> cosT{}, sinT{};
    std::array<std::array<long double, kCount>, 2> cosTPhi{}, sinTPhi{};   // [0]: phi = -rho, [1]: +rho
    std::array<long double, kCount> sin2T{};
    std::array<long double, 2> phi{};

    explicit Angles(float rho)
    {
        phi = {-static_cast<long double>(rho), static_cast<long double>(rho)};
        for (int j = kFirst; j < kFirst + kCount; ++j) {
            const auto i = static_cast<std::size_t>(j - kFirst);
            const long double theta = j * kPi / 90;
            cosT[i] = std::cos(theta);
            sinT[i] = std::sin(theta);
            for (std::size_t side = 0; side < 2; ++side) {
                cosTPhi[side][i] = std::cos(theta + phi[side]);
                sinTPhi[side][i] = std::sin(theta + phi[side]);
            }
            sin2T[i] = std::sin(j * kPi / 45);
        }
    }
};

void drawFrame(raster::Canvas& c, int h, int mode, int p, int r, const Angles& a, int& counter)
{
    // The globe of radius H/4 around (cx, cy) = (3H/10, 11H/40); a unit of u or v is s = H/96
    // pixels, so that 24 s = H/4.
    const long double cx = static_cast<long double>(h * 3) / 10;
    const long double cy = static_cast<long double>(h * 11) / 40;
    const float s = static_cast<float>(static_cast<long double>(h) / 96);
    const bool twist = mode == 1;
    // Mode A twists by tau = 4 a[p] pixels at the poles, in opposite senses in the two halves.
    const long double tau = twist ? 4 * static_cast<long double>(kAmplitude[static_cast<std::size_t>(p)]) : 0;
    auto at = [](int j) { return static_cast<std::size_t>(j - Angles::kFirst); };

    // The outline, left half then right half, from 92 degrees south to 92 degrees north:
    // x = cos t u s + cx + dx, y = cy - sin t H/4 + dy, with the twist
    // dx = cos(t + phi) tau u / 24, dy = sin(t + phi) tau, phi = -rho on the left, +rho on the right.
    c.pen.color = kOutline;
    c.brush.color = kBlack;
    std::array<int, 2> equatorEnd{};
    for (int u : {-24, 24}) {
        const std::size_t side = u < 0 ? 0 : 1;
        for (int j = -46; j <= 46; ++j) {
            long double dx = 0, dy = 0;
            if (twist) {
                dx = a.cosTPhi[side][at(j)] * (tau / 24 * u);
                dy = a.sinTPhi[side][at(j)] * tau;
            }
            const int x = nearest(a.cosT[at(j)] * u * s + cx + dx);
            const int y = nearest(cy - a.sinT[at(j)] * h / 4 + dy);
            if (j == -46)
                c.moveTo(x, y);
            c.lineTo(x, y);
            ++counter;
            if (j == 0)
                equatorEnd[side] = x;
        }
    }

    c.brush.color = kGlobe;
    const raster::Point seed = fillSeed(h);
    c.floodFill(seed.x, seed.y, kOutline, raster::FillStyle::Border);

    // The meridians v = r - 24, r - 18, ... up to 24, from the south pole to the north pole. In
    // mode B meridian v bulges by q = sin(2t) (24 - |v|) (p - 2), shifted 0.2 q pixels.
    c.pen.color = kWhite;
    for (int v = r - 24; v <= 24; v += 6) {
        const std::size_t side = v < 0 ? 0 : 1;
        long double dy0 = 0;
        long double q0 = 0;
        if (twist)
            dy0 = std::sin(-kPi / 2 + a.phi[side]) * tau;
        else
            q0 = (24 - std::abs(v)) * (p - 2);
        c.moveTo(nearest(cx + 0.2L * q0), nearest(static_cast<long double>(h * 21) / 40 + dy0));
        for (int j = -45; j <= 45; ++j) {
            long double dx = 0, dy = 0, q = 0;
            if (twist) {
                dx = a.cosTPhi[side][at(j)] * (tau / 24 * v);
                dy = a.sinTPhi[side][at(j)] * tau;
            } else {
                q = a.sin2T[at(j)] * (24 - std::abs(v)) * (p - 2);
            }
            c.lineTo(nearest(a.cosT[at(j)] * v * s + cx + dx - 0.2L * q),
                     nearest(cy - a.sinT[at(j)] * h / 4 + dy));
        }
        ++counter;
    }

    // The equator between the ends of the outline.
    c.moveTo(equatorEnd[0], (h * 11) / 40);
    c.lineTo(equatorEnd[1], (h * 11) / 40);
}

}  // namespace

void drawFrame(raster::Canvas& canvas, int h, int mode, int p, int r, float rho, int& counter)
{
    drawFrame(canvas, h, mode, p, r, Angles(rho), counter);
}

void precompute(int h, const std::function<void(int)>& progress)
{
    State& s = state();
    const int mode = std::clamp(s.selectedMode, 1, kModes);
    s.rho = static_cast<float>(orb::randomInt(8) * kPi / 8);
    int counter = 0;
    if (progress)
        progress(0);
    const int side = frameSize(h);
    const Angles angles(s.rho);
    for (int r = 0; r < kRotations; ++r) {
        for (int p = 0; p < kAmplitudes; ++p) {
            // The mode's bitmaps are made when it is first drawn, black.
            raster::Bitmap& b = frame(p, r, mode);
            b = raster::Bitmap();
            b.canvas().brush.color = kBlack;
            b.setSize(side, side);
            drawFrame(b.canvas(), h, mode, p, r, angles, counter);
            if (progress)
                progress(counter);
        }
    }
    s.k = 0;
    s.r = 0;
}

void tick(raster::Canvas& surface, int w, int h, bool paused, bool turning)
{
    State& s = state();
    if (!paused) {
        if (turning)
            s.r = static_cast<std::uint8_t>((s.r + 1) % kRotations);
        s.k = static_cast<std::uint8_t>((s.k + 1) % kSteps);
    }
    const raster::Point o = frameOrigin(w, h);
    surface.draw(o.x, o.y, frame(kStepAmplitude[s.k % kSteps], s.r % kRotations, s.shownMode));
}

bool choose(int mode)
{
    State& s = state();
    s.selectedMode = std::clamp(mode, 1, kModes);
    bool& computed = s.computed[modeIndex(s.selectedMode)];
    if (computed)
        return false;
    computed = true;
    return true;
}

void show() { state().shownMode = state().selectedMode; }

void release()
{
    state().packed.clear();
    for (auto& byRotation : state().frames)
        for (auto& byMode : byRotation)
            for (raster::Bitmap& b : byMode)
                b = raster::Bitmap();
}

}  // namespace oscillazioneb
