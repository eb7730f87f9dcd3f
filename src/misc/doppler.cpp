// The Doppler wave comparison: each source lays down one sample of its wave per tick at its own
// place while the trace already drawn scrolls g pixels towards the observers, so that a moving
// source packs the crests closer together ahead of it, or spreads them apart.
#include "misc/doppler.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace doppler {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

int roundHalfEven(long double value) { return static_cast<int>(std::nearbyint(value)); }

// The sample of phase n, s = sin(n·π/p)·A with A = H/20, computed in extended precision and kept
// in single precision.
float sample(int n, int p, int h) { return static_cast<float>(std::sin(n * kPi / p) * (h / 20.0L)); }

void line(raster::Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

int upperAxis(int h) { return 5 * h / 24; }
int lowerAxis(int h) { return 13 * h / 24; }

std::optional<std::string> motionText(Motion m, int language)
{
    static const char* const kTexts[3][3] = {
        {"Sorgente in quiete", "Still source", "Source immobile"},
        {"Sorgente in allontanamento", "Going away source", "Source en éloignement"},
        {"Sorgente in avvicinamento", "Approaching source", "Source en approchement"},
    };
    if (language < 0 || language > 2)
        return std::nullopt;
    const int row = m == Motion::Still ? 0 : m == Motion::Away ? 1 : 2;
    return std::string(kTexts[row][language]);
}

raster::Color motionColour(Motion m)
{
    return m == Motion::Still ? kWhite : m == Motion::Away ? kCyan : kGreen;
}

void create(int w, int h)
{
    State& s = state();
    s.w = w;
    s.h = h;
    s.picture = raster::Bitmap();
    raster::Canvas& c = s.picture.canvas();
    c.brush.color = kBlack;   // the new picture is black; text is drawn on black too
    c.font.color = kWhite;
    s.picture.setSize(w, 3 * h / 4);
    s.g = w / 200;
    // Half the period is W/80 ticks; a client narrower than 80 pixels still gets one, since the
    // phase is counted modulo 2p and the sample divides by p.
    s.p = std::max(1, w / 80);
    s.upperSource = {w / 2 - s.g, h / 8, 9 * w / 10 - s.g, 7 * h / 24};
    s.upperDestination = {w / 2, h / 8, 9 * w / 10, 7 * h / 24};
    s.n = 1;
    s.v = 0;
    s.d = 0;
}

void setMotion(Motion m) { state().v = static_cast<std::int8_t>(m); }

void reverse()
{
    State& s = state();
    s.n = s.p - s.n;
}

TickResult tick(raster::Canvas& surface, bool paused)
{
    State& s = state();
    TickResult result;
    if (!paused && s.picture.width() > 0) {
        raster::Canvas& c = s.picture.canvas();
        const int w = s.w;
        const int h = s.h;
        const int x = w / 2;
        const int y1 = upperAxis(h);
        const int y2 = lowerAxis(h);
        const int p = s.p;
        // The arms of the two sources as they were drawn last, from the axis to the last sample.
        c.pen.color = kBlack;
        line(c, x - 6 * p, y1, x - p, roundHalfEven(y1 + static_cast<long double>(s.s1)));
        line(c, x - 6 * p + s.d, y2, x - p + s.d, roundHalfEven(y2 + static_cast<long double>(s.s2)));
        // Once a period the signal may be sent again.
        if (s.n % (2 * p) == 0)
            result.signalReady = true;

        // The upper wave: the new sample joined to the last one, then the whole trace g pixels on.
        c.pen.color = kWhite;
        const float upper = sample(s.n, p, h);
        line(c, x + s.g, roundHalfEven(y1 + static_cast<long double>(s.s1)), x,
             roundHalfEven(y1 + static_cast<long double>(upper)));
        s.s1 = upper;
        c.copyRect(s.upperDestination, c, s.upperSource);
        line(c, x - 6 * p, y1, x - p, roundHalfEven(y1 + static_cast<long double>(s.s1)));

        // S' moves; past 7W/20 from its start it stops by itself.
        s.d += s.v;
        if (std::abs(s.d) > 7 * w / 20) {
            s.v = 0;
            result.stopped = true;
        }

        // The lower wave from S' where it is now; the trace behind S' is left where it lies.
        s.lowerSource = {x - s.g + s.d, 11 * h / 24, 9 * w / 10 - s.g, 5 * h / 8};
        s.lowerDestination = {x + s.d, 11 * h / 24, 9 * w / 10, 5 * h / 8};
        const float lower = sample(s.n, p, h);
        line(c, x + s.g + s.d, roundHalfEven(y2 + static_cast<long double>(s.s2)), x + s.d,
             roundHalfEven(y2 + static_cast<long double>(lower)));
        s.s2 = lower;
        c.textOut(x + s.d - 8 * p, y2, "S' ");
        line(c, x - 6 * p + s.d, y2, x - p + s.d, roundHalfEven(y2 + static_cast<long double>(s.s2)));
        c.copyRect(s.lowerDestination, c, s.lowerSource);

        // C++ % keeps the sign of a phase made negative by a reversal: it climbs back to 0.
        s.n = (s.n + 1) % (2 * p);
    }
    show(surface);
    return result;
}

void show(raster::Canvas& surface)
{
    State& s = state();
    surface.draw(0, s.h / 8, s.picture);
}

void release() { state().picture = raster::Bitmap(); }

std::size_t bytes() { return state().picture.bytes(); }

}  // namespace doppler
