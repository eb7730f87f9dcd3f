// The Sun's apparent path: noon on the special days, the erased and the traced Sun, and the
// window's run, return, latitude and running flags as driven.
#include <gtest/gtest.h>

#include <QLabel>
#include <cmath>
#include <numbers>

#include "solarsystem/camsole.h"
#include "window_test.h"

namespace {

constexpr raster::Color kWhite = raster::rgb(255, 255, 255);
constexpr raster::Color kSilver = raster::rgb(192, 192, 192);
constexpr raster::Color kYellow = raster::rgb(255, 255, 0);
constexpr double kDeg = std::numbers::pi / 180;

int nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

struct SunPath : ::testing::Test {
    int W = 0, H = 0;
    const raster::Canvas& sky() { return camsole::state().SkyBitmap.canvas(); }
    void open(int w, int h, bool trace)
    {
        W = w;
        H = h;
        camsole::create(w, h);
        camsole::state().TraceOn = trace;
        camsole::start();
        camsole::drawScene(w, h, 60);
    }
    void run(int ticks)
    {
        for (int i = 0; i < ticks; ++i)
            camsole::runTick(W, H);
    }
    // Where the Sun of declination `dec` degrees stands at `step` of the day, seen from latitude
    // `lat`: in the meridian plane R cos(dec) cos(H) toward the equator's highest point (altitude
    // 90 - lat, south) and R sin(dec) toward the pole (altitude lat, north), the east-west part
    // r cos(dec) sin(H) shown along the pole's direction; H is 0 at noon, step 40.
    raster::Point sun(double lat, double dec, int step) const
    {
        const double c = (90 - lat) * kDeg, hour = (step - 40) * std::numbers::pi / 40;
        const double toEquator = W / 5.0 * std::cos(dec * kDeg) * std::cos(hour);
        const double toPole = W / 5.0 * std::sin(dec * kDeg) + W / 14.0 * std::cos(dec * kDeg) * std::sin(hour);
        return {nearest(W / 2 - toEquator * std::cos(c) + toPole * std::sin(c)),
                nearest((3 * H) / 8 - toEquator * std::sin(c) - toPole * std::cos(c))};
    }
    bool near(raster::Point p, raster::Color colour)
    {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (sky().pixel(p.x + dx, p.y + dy) == colour)
                    return true;
        return false;
    }
    bool inBox(raster::Point centre, raster::Color colour)
    {
        for (int y = centre.y - 3; y < centre.y + 3; ++y)
            for (int x = centre.x - 3; x < centre.x + 3; ++x)
                if (sky().pixel(x, y) == colour)
                    return true;
        return false;
    }
    void TearDown() override { camsole::release(); }
};

TEST_F(SunPath, NoonOnTheSolsticesAndTheEquinoxIsMarkedFromTheObserver)
{
    open(1916, 1000, false);
    const raster::Point o{W / 2, (3 * H) / 8};
    for (int day = 0; day <= 6; ++day) {
        run(40);   // the tick that makes DayStep 40 draws the Sun of step 39
        const raster::Point s = sun(30, -(24 - 8 * day), 39);
        EXPECT_NEAR(camsole::state().SunX, s.x, 1) << "day " << day;
        EXPECT_NEAR(camsole::state().SunY, s.y, 1) << "day " << day;
        const bool special = day == 0 || day == 3 || day == 6;
        for (double t : {0.2, 0.5, 0.8})
            EXPECT_EQ(near({nearest(o.x + t * (s.x - o.x)), nearest(o.y + t * (s.y - o.y))}, kWhite), special)
                << "day " << day << " at " << t;
        // Nearly the noon altitude 90 - 30 + declination: 36, 60 and 84 degrees.
        if (special) {
            EXPECT_NEAR(std::atan2(o.y - s.y, std::abs(o.x - s.x)) / kDeg, 36 + 8 * day, 3.0);
        }
        run(40);
    }
}

TEST_F(SunPath, TheErasedSunLeavesTheSkyAsItWas)
{
    for (const auto& [w, h] : {std::pair{1916, 1000}, {1020, 700}, {530, 345}}) {
        open(w, h, false);
        run(80);   // day 0, its noon line included
        const raster::Point before{camsole::state().SunX, camsole::state().SunY};
        raster::Bitmap copy;
        copy.setSize(W, (3 * H) / 4);
        copy.canvas().draw(0, 0, camsole::state().SkyBitmap);
        run(170);   // days 1 and 2, and into day 3
        const raster::Point now{camsole::state().SunX, camsole::state().SunY};
        const auto inside = [](raster::Point p, int x, int y) {
            return x >= p.x - 3 && x < p.x + 3 && y >= p.y - 3 && y < p.y + 3;
        };
        int changed = 0;
        for (int y = 0; y < sky().height(); ++y)
            for (int x = 0; x < sky().width(); ++x)
                if (sky().pixel(x, y) != copy.canvas().pixel(x, y) && !inside(before, x, y) &&
                    !inside(now, x, y))
                    ++changed;
        EXPECT_EQ(changed, 0) << w << "x" << h;
    }
}

TEST_F(SunPath, TheTraceKeepsRingsOfTheSpecialDaysAndOneSunAfterTheReturn)
{
    open(1020, 700, true);
    int ticks = 1;
    while (!camsole::runTick(W, H).ended)
        ++ticks;
    EXPECT_EQ(ticks, 7 * 80);   // days 0 to 6
    ticks = 1;
    while (!camsole::returnTick(W, H).ended)
        ++ticks;
    EXPECT_EQ(ticks, 5 * 80);   // days 5 down to 1
    // Rings along the mornings of the winter solstice and the equinox, none on day 1.
    for (int step = 10; step <= 30; step += 5) {
        EXPECT_TRUE(inBox(sun(30, -24, step), kSilver)) << step;
        EXPECT_TRUE(inBox(sun(30, 0, step), kSilver)) << step;
        EXPECT_FALSE(inBox(sun(30, -16, step), kSilver)) << step;
    }
    // Yellow: the zenith tick, and the Sun where the return ended (day 1, step 79).
    const raster::Point last = sun(30, -16, 79);
    EXPECT_EQ(camsole::state().SunX, last.x);
    for (int y = 0; y < sky().height(); ++y)
        for (int x = 0; x < W; ++x)
            if (sky().pixel(x, y) == kYellow && x != W / 2) {
                ASSERT_TRUE(std::abs(x - last.x) <= 3 && std::abs(y - last.y) <= 3) << x << "," << y;
            }
}

// ---- The window ----------------------------------------------------------------------------

struct SunPathWindow : WindowTest {
    SunPathWindow()
    {
        options.size = QSize(530, 345);
        camsole::state().TraceOn = false;
    }
    bool running(const char* name) { return w().timer(QString::fromLatin1(name))->enabled(); }
};

TEST_F(SunPathWindow, ARunGoesToTheSummerSolsticeAndBackWhileTheLatitudeWaits)
{
    ASSERT_EQ(run(QStringLiteral("open Tcammin")), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Apparent path of the Sun"));
    EXPECT_EQ(text("Panel2"), QStringLiteral("30° 0'  Latitudine Nord"));
    EXPECT_FALSE(running("tempo"));
    EXPECT_TRUE(running("Timer1"));
    ASSERT_EQ(run(QStringLiteral("click partenza tick")), 0);
    EXPECT_FALSE(enabled("traiet"));
    EXPECT_FALSE(enabled("partenza"));
    EXPECT_TRUE(shown("Panel3"));
    EXPECT_EQ(text("Panel3"), QStringLiteral("WINTER SOLSTICE"));
    // A new latitude waits for the next start.
    ASSERT_EQ(run(QStringLiteral("click gradis.up click primis.down click primis.up")), 0);
    EXPECT_EQ(text("Edit6"), QStringLiteral("31"));
    EXPECT_EQ(text("Edit5"), QStringLiteral("1"));
    EXPECT_FLOAT_EQ(camsole::state().ColatitudeInUse, std::numbers::pi_v<float> / 3);
    ASSERT_EQ(run(QStringLiteral("click pausa tick 5 click pausa tick 80")), 0);
    EXPECT_EQ(camsole::state().DayStep, 81);
    EXPECT_FALSE(shown("Panel3"));
    ASSERT_EQ(run(QStringLiteral("tick 479")), 0);
    EXPECT_TRUE(running("tempo1"));
    EXPECT_FALSE(running("tempo"));
    ASSERT_EQ(run(QStringLiteral("advance %1").arg(90 * 200)), 0);
    EXPECT_EQ(text("Panel3"), QStringLiteral("AUTUMNAL EQUINOX"));
    ASSERT_EQ(run(QStringLiteral("advance %1").arg(90 * 200)), 0);
    EXPECT_FALSE(running("tempo1"));
    EXPECT_TRUE(enabled("partenza"));
    EXPECT_TRUE(enabled("traiet"));
    ASSERT_EQ(run(QStringLiteral("click partenza")), 0);
    EXPECT_EQ(text("Panel2"), QStringLiteral("31° 1'  Latitudine Nord"));
}

TEST_F(SunPathWindow, AStartAfterAReturnThatWasLeftRunsTheRunAlone)
{
    ASSERT_EQ(run(QStringLiteral("open Tcammin click partenza tick 560 advance 900 deactivate activate")), 0);
    EXPECT_TRUE(running("tempo1"));
    ASSERT_EQ(run(QStringLiteral("advance 36000 click partenza")), 0);
    EXPECT_TRUE(running("tempo"));
    EXPECT_FALSE(running("tempo1"));
    ASSERT_EQ(run(QStringLiteral("deactivate activate")), 0);
    EXPECT_TRUE(running("tempo"));
    EXPECT_FALSE(running("tempo1"));
}

TEST_F(SunPathWindow, TheLatitudeRunsFromTheEquatorToThePole)
{
    ASSERT_EQ(run(QStringLiteral("open Tcammin")), 0);
    for (int i = 0; i < 40; ++i)
        ASSERT_EQ(run(QStringLiteral("click gradis.down")), 0);
    ASSERT_EQ(run(QStringLiteral("click primis.down click fine click partenza")), 0);
    EXPECT_EQ(text("Panel2"), QStringLiteral(" 0° 0'  Equator"));
    // The pole star on the horizon at the north end.
    EXPECT_EQ(camsole::state().SkyBitmap.canvas().pixel(530 / 2 + 530 / 5, (3 * 345) / 8), kWhite);
    for (int i = 0; i < 23 * 60 + 27; ++i)
        ASSERT_EQ(run(QStringLiteral("click primis.up")), 0);
    ASSERT_EQ(run(QStringLiteral("click fine click partenza")), 0);
    EXPECT_EQ(text("Panel2"), QStringLiteral("23°27'  Tropic of the Cancer"));
    for (int i = 0; i < 70; ++i)
        ASSERT_EQ(run(QStringLiteral("click gradis.up")), 0);
    EXPECT_FALSE(enabled("primis"));
    EXPECT_EQ(text("Edit5"), QStringLiteral("0"));
    ASSERT_EQ(run(QStringLiteral("click fine click partenza")), 0);
    EXPECT_EQ(text("Panel2"), QStringLiteral("90° 0'  North pole"));
    EXPECT_EQ(camsole::state().SkyBitmap.canvas().pixel(530 / 2, (3 * 345) / 8 - 530 / 5), kWhite);
}

TEST_F(SunPathWindow, AReopenedWindowShowsTheTraceKeptAndTheLatitudeSetAnew)
{
    ASSERT_EQ(run(QStringLiteral("open Tcammin click traiet click gradis.up close open Tcammin")), 0);
    EXPECT_EQ(text("Panel2"), QStringLiteral("30° 0'  Latitudine Nord"));   // the latitude is not kept
    EXPECT_TRUE(w().isDown(QStringLiteral("traiet")));
    EXPECT_TRUE(camsole::state().TraceOn);
    ASSERT_EQ(run(QStringLiteral("click traiet")), 0);
    EXPECT_FALSE(w().isDown(QStringLiteral("traiet")));
    EXPECT_FALSE(camsole::state().TraceOn);
}

TEST_F(SunPathWindow, TheLatitudePanelHoldsItsTextWhenALanguageFileNamesNoParallel)
{
    ASSERT_EQ(run(QStringLiteral("open Tcammin close")), 0);
    globals::LanguageIndex = 4;   // the built-in slot of a language file is empty
    ASSERT_EQ(run(QStringLiteral("open Tcammin")), 0);
    ASSERT_EQ(w().windowTitle(), QString());
    const auto* panel = qobject_cast<QLabel*>(c("Panel2").widget);
    EXPECT_EQ(panel->text(), QStringLiteral("30° 0'  Latitudine Nord"));
    EXPECT_GE(panel->width(), panel->fontMetrics().horizontalAdvance(panel->text()));
}

}  // namespace
