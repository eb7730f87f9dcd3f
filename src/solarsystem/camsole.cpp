// The apparent path of the Sun: the celestial sphere seen from the side with the horizon disk,
// the zenith, the pole star, and the Sun on its daily circle through the seasons.
#include "solarsystem/camsole.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "shell/texts.h"
#include "shell/colours.h"

namespace camsole {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
using namespace orb::palette;

// The HintTexts rows of the special days and of the names of the parallels.
constexpr int kWinterSolsticeRow = 74;
constexpr int kSummerSolsticeRow = 75;
constexpr int kSpringEquinoxRow = 76;
constexpr int kAutumnEquinoxRow = 77;
constexpr int kFirstParallelRow = 78;
// The suffix of every latitude without a name of its own, in every language.
constexpr const char* kNorthLatitude = "  Latitudine Nord";

// The solstices and the spring equinox of the run: days 0, 6 and 3.
bool specialDay(int dayIndex) { return dayIndex == 0 || dayIndex == 3 || dayIndex == 6; }

// The box of the Sun, or of a trace ring, centred on (x, y).
raster::Rect sunBox(int x, int y) { return {x - 3, y - 3, x + 3, y + 3}; }

void drawSun(raster::Canvas& c, int x, int y)
{
    const raster::Rect b = sunBox(x, y);
    c.ellipse(b.left, b.top, b.right, b.bottom);
}

// Moves the Sun to its place for the present day and step: the saved patch goes back where it
// was taken (the Sun's last place) unless the Sun is to be left there, and the background of the
// new place is saved.
void moveSun(State& s, raster::Canvas& c, int w, int h, bool leaveOld)
{
    const raster::Point p = sunPosition(w, h, s.DayIndex, s.DayStep, s.ColatitudeInUse);
    s.SunX = p.x;
    s.SunY = p.y;
    if (!leaveOld)
        s.SunPatch.restore(c);
    s.SunPatch.take(c, sunBox(s.SunX, s.SunY));
}

}  // namespace

State& state()
{
    static State s;
    return s;
}

int rnd(long double v) { return static_cast<int>(std::nearbyint(v)); }

float colatitude(int degrees, int minutes)
{
    // pi/2 - (degrees + minutes/60) pi/180
    return static_cast<float>(kPi / 2 - (degrees + minutes / 60.0L) * kPi / 180);
}

raster::Point sunPosition(int w, int h, int dayIndex, int dayStep, float c)
{
    const long double radius = w / 5.0L;   // the sphere, R = W/5
    const long double depth = w / 14.0L;   // the horizon's half depth, r = W/14
    // D = 24 - 8 dayIndex degrees: the Sun's declination is -D. The hour angle h = pi dayStep/40
    // + pi is 2 pi at noon.
    const long double d = (24 - 8 * dayIndex) * kPi / 180;
    const long double hour = kPi * dayStep / 40 + kPi;
    // In the meridian plane, p runs toward the equator's highest point and q toward the pole;
    // the east-west part of the circle, Ar sin h, is shown squashed along q.
    const float a = static_cast<float>(radius * std::cos(d));
    const float b = static_cast<float>(radius * std::sin(d));
    const float ar = static_cast<float>(depth * std::cos(d));
    const float p = static_cast<float>(a * std::cos(hour));
    const float q = static_cast<float>(ar * std::sin(hour) - b);
    const long double cc = std::cos(static_cast<long double>(c));
    const long double sc = std::sin(static_cast<long double>(c));
    return {w / 2 - rnd(cc * p - sc * q), (3 * h) / 8 - rnd(sc * p + cc * q)};
}

bool hidden(const raster::Canvas& sky, int x, int y, int dayStep)
{
    const raster::Color under = sky.pixel(x, y);
    return (under == kBlue || under == kCyan) && dayStep % kStepsPerDay > kStepsPerDay / 2;
}

std::string latitudeLabel(int degrees, int minutes)
{
    char number[32];
    std::snprintf(number, sizeof number, "%2d\xC2\xB0%2d'", degrees, minutes);
    const struct { int degrees, minutes, row; } named[] = {
        {0, 0, 78}, {23, 27, 79}, {66, 33, 80}, {90, 0, 81}, {40, 0, 82},
    };
    for (const auto& n : named)
        if (n.degrees == degrees && n.minutes == minutes)
            return number + texts::HintTexts[n.row];
    return number + std::string(kNorthLatitude);
}

std::string latitudeSizingText(int suffixIndex)
{
    // Each name of a parallel with room for the number before it; and the suffix of the other
    // latitudes too, so that the panel holds every text it can show in any language.
    const std::string suffix = suffixIndex < kSizingTexts - 1
                                   ? texts::HintTexts[kFirstParallelRow + suffixIndex]
                                   : std::string(kNorthLatitude);
    return suffix + "00000000";
}

void create(int w, int h)
{
    State& s = state();
    s.SkyBitmap = raster::Bitmap();
    s.SkyBitmap.canvas().brush.color = kBlack;
    s.SkyBitmap.setSize(w, (3 * h) / 4);
    s.SunPatch.create(kSunBox, kSunBox);
    s.LatDegrees = 30;
    s.LatMinutes = 0;
    s.ColatitudeSetting = static_cast<float>(kPi / 3);
    s.ColatitudeInUse = static_cast<float>(kPi / 3);
    s.RunWasOn = false;
    s.ReturnWasOn = false;
    s.FirstActivation = true;
}

void drawScene(int w, int h, int legendWidth)
{
    State& s = state();
    raster::Canvas& c = s.SkyBitmap.canvas();
    const int cx = w / 2;
    const int cy = (3 * h) / 8;
    // Black all over: no dark red is ever drawn, so the fill reaches every pixel.
    c.pen.color = kBlack;
    c.brush.color = kBlack;
    c.floodFill(1, 1, kDarkRed, raster::FillStyle::Border);
    // The sphere, of radius W div 5.
    c.pen.color = kSilver;
    c.ellipse((3 * w) / 10, cy - w / 5, (7 * w) / 10, cy + w / 5);
    // The horizon disk, W div 14 deep.
    c.pen.color = kBlue;
    c.brush.color = kBlue;
    c.ellipse((3 * w) / 10, cy - w / 14, (7 * w) / 10, cy + w / 14);
    // The zenith, a tick 10 pixels down from the top of the sphere.
    c.pen.color = kYellow;
    c.moveTo(cx, cy - w / 5);
    c.lineTo(cx, cy - w / 5 + 10);
    // South to north, and east to west leaning 6 degrees on the disk.
    c.pen.color = kCyan;
    c.moveTo((3 * w) / 10, cy);
    c.lineTo((7 * w) / 10, cy);
    const long double tilt = kPi / 30;
    const int ex = rnd(std::sin(tilt) * w / 5.0L);
    const int ey = rnd(std::cos(tilt) * w / 14.0L);
    c.moveTo(cx - ex, cy + ey);
    c.lineTo(cx + ex, cy - ey);
    // The background under the Sun's present place.
    const raster::Point sun = sunPosition(w, h, s.DayIndex, s.DayStep, s.ColatitudeInUse);
    s.SunX = sun.x;
    s.SunY = sun.y;
    s.SunPatch.take(c, sunBox(s.SunX, s.SunY));
    // The pole star on the right (north), at an altitude equal to the latitude, and the legend's.
    c.pen.color = kWhite;
    c.brush.color = kWhite;
    const long double pole = s.ColatitudeInUse - kPi / 2;
    const int px = cx + rnd(std::cos(pole) * w / 5.0L);
    const int py = cy + rnd(std::sin(pole) * w / 5.0L);
    c.ellipse(px - 4, py - 4, px + 4, py + 4);
    const int lx = w - (3 * legendWidth) / 2;
    c.ellipse(lx - 8, h / 8, lx, h / 8 + 8);
}

void start()
{
    State& s = state();
    stop();
    s.DayIndex = 0;
    s.DayStep = 0;
    s.ColatitudeInUse = s.ColatitudeSetting;
}

void stop()
{
    State& s = state();
    s.RunWasOn = false;
    s.ReturnWasOn = false;
}

TickOutcome runTick(int w, int h)
{
    State& s = state();
    raster::Canvas& c = s.SkyBitmap.canvas();
    TickOutcome out;
    // On the special days with the trace on, the Sun is not erased: a silver ring marks each
    // place it leaves.
    const bool traced = s.TraceOn && specialDay(s.DayIndex);
    if (traced && !hidden(c, s.SunX, s.SunY, s.DayStep)) {
        c.pen.color = kSilver;
        c.brush.color = kBlack;
        drawSun(c, s.SunX, s.SunY);
    }
    c.pen.color = kYellow;
    c.brush.color = kYellow;
    // The background under the new place is saved on the traced days too, so that the last Sun
    // of such a day is erased with its own background, not another place's, when the trace stops.
    moveSun(s, c, w, h, traced);
    if (!hidden(c, s.SunX, s.SunY, s.DayStep))
        drawSun(c, s.SunX, s.SunY);
    ++s.DayStep;
    switch (s.DayIndex) {
    case 0: out.panelRow = kWinterSolsticeRow; break;
    case 3: out.panelRow = kSpringEquinoxRow; break;
    case 6: out.panelRow = kSummerSolsticeRow; break;
    default: out.panelRow = -1; break;
    }
    // Noon of a special day: the line from the observer to the Sun shows its altitude. The
    // place drawn is that of step 39, the last before noon.
    if (specialDay(s.DayIndex) && s.DayStep % kStepsPerDay == kStepsPerDay / 2) {
        c.pen.color = kWhite;
        c.moveTo(w / 2, (3 * h) / 8);
        c.lineTo(s.SunX, s.SunY);
    }
    s.DayIndex = static_cast<std::uint8_t>(s.DayStep / kStepsPerDay);
    if (s.DayIndex > 6) {
        // The summer solstice is over: the return starts from day 5.
        out.ended = true;
        s.DayStep = 0;
        s.DayIndex = 5;
    }
    return out;
}

TickOutcome returnTick(int w, int h)
{
    State& s = state();
    raster::Canvas& c = s.SkyBitmap.canvas();
    TickOutcome out;
    moveSun(s, c, w, h, false);
    c.pen.color = kYellow;
    c.brush.color = kYellow;
    if (!hidden(c, s.SunX, s.SunY, s.DayStep))
        drawSun(c, s.SunX, s.SunY);
    ++s.DayStep;
    out.panelRow = s.DayIndex == 3 ? kAutumnEquinoxRow : -1;
    const int day = 5 - s.DayStep / kStepsPerDay;
    s.DayIndex = static_cast<std::uint8_t>(day < 0 ? 0 : day);
    out.ended = s.DayIndex < 1;
    return out;
}

void show(raster::Canvas& surface, int h) { surface.draw(0, h / 8, state().SkyBitmap); }

namespace {

void setLatitude(int degrees, int minutes)
{
    State& s = state();
    s.LatDegrees = static_cast<std::int8_t>(degrees);
    s.LatMinutes = static_cast<std::int8_t>(degrees >= 90 ? 0 : minutes);
    s.ColatitudeSetting = colatitude(s.LatDegrees, s.LatMinutes);
}

}  // namespace

bool degreesUp()
{
    const State& s = state();
    setLatitude(std::min(s.LatDegrees + 1, 90), s.LatMinutes);
    return s.LatDegrees < 90;
}

bool degreesDown()
{
    const State& s = state();
    setLatitude(std::max(s.LatDegrees - 1, 0), s.LatMinutes);
    return s.LatDegrees < 90;
}

bool minutesUp()
{
    const State& s = state();
    if (s.LatMinutes + 1 > 59)
        setLatitude(std::min(s.LatDegrees + 1, 90), 0);
    else
        setLatitude(s.LatDegrees, s.LatMinutes + 1);
    return s.LatDegrees < 90;
}

void minutesDown()
{
    const State& s = state();
    setLatitude(s.LatDegrees, std::max(s.LatMinutes - 1, 0));
}

void release()
{
    State& s = state();
    s.SkyBitmap = raster::Bitmap();
    s.SunPatch.release();
}

std::size_t bytes()
{
    const State& s = state();
    return s.SkyBitmap.bytes() + s.SunPatch.bytes();
}

}  // namespace camsole
