// The expanding-universe window: galaxies and sphere at known ages, the picture centred on 4:3 and
// 16:9 windows, the ages of open and closed runs, and the window's list, button and reopening.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <cmath>
#include <numbers>

#include "celestial/espansione.h"
#include "window_test.h"

namespace {

using namespace espansione;

int roundEven(double x) { return static_cast<int>(std::nearbyint(x)); }

// The window's picture after one tick at age s.
struct Universe {
    raster::Bitmap surface;
    Universe(int w, int h, int s)
    {
        state() = State{};
        create(h);
        state().s = s;
        surface.canvas().brush.color = kSilver;
        surface.setSize(w, h);
    }
    ~Universe() { release(); }
    bool tick(bool paused = false) { return espansione::tick(surface.canvas(), paused); }
    raster::Color at(int x, int y) const { return surface.canvas().pixel(x, y); }
    // Whether the window shows the universe at `age` as a whole new picture would: a tick clears
    // and copies only what changed.
    bool shows(int age) const
    {
        const int w = surface.width(), h = surface.height();
        raster::Bitmap fresh;
        fresh.canvas().brush.color = kSilver;
        fresh.setSize(h, h);
        orb::DamageBox none;
        draw(fresh.canvas(), h, age, none);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (at(x, y) != (x < w / 2 - h / 2 || x >= w / 2 - h / 2 + h ? kSilver : fresh.canvas().pixel(x - (w / 2 - h / 2), y)))
                    return false;
        return true;
    }
};

// At age 120 the sphere has radius 120·H/280; on the first meridian (φ = π/12) the near galaxy at
// θ = 10π/18 is a white disc, and the far one at θ = π, 0.88·120·H/300 below the centre, a silver
// disc on the black sphere. The picture is H x H, centred across the window,
// and a sphere larger than it (age 399) stays within it.
struct EspansioneModel : ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(EspansioneModel, SphereAndGalaxiesAtKnownAges)
{
    const auto [w, h] = GetParam();
    const int left = w / 2 - h / 2, c = h / 2;
    Universe u(w, h, 120);
    u.tick();
    const int r = roundEven(120.0 * h / 280), bottom = c + roundEven(0.88 * 120 * h / 300);
    const double phi = std::numbers::pi / 12, theta = std::numbers::pi * 10 / 18;
    const int x = c - roundEven(120.0 * h / 300 * std::cos(phi) * std::sin(theta));
    const int y = c - roundEven(0.892 * 120 * h / 300 * std::cos(theta)) -
                  roundEven(120.0 * h / 600 * std::sin(phi) * std::sin(theta));
    EXPECT_TRUE(u.at(left + c - r - 1, c) == kSilver && u.at(left + c - r + 1, c) == kBlack);
    EXPECT_TRUE(u.at(left + x, y) == kWhite && u.at(left + x - 4, y) == kBlack);
    EXPECT_TRUE(u.at(left + c, bottom) == kSilver && u.at(left + c, bottom - 4) == kBlack);
    state().s = 399;
    u.tick();
    EXPECT_TRUE(u.at(left - 1, c) == kSilver && u.at(left, c) == kBlack && u.at(left + h - 1, c) == kBlack &&
                u.at(left + h, c) == kSilver);
}

INSTANTIATE_TEST_SUITE_P(Sizes, EspansioneModel, ::testing::Values(std::pair{1020, 700}, std::pair{1916, 1000}));

// At age 0 the sphere is a point, and every galaxy is the one disc at the centre.
TEST(EspansionePicture, AgeZeroIsAPoint)
{
    Universe u(200, 200, 0);
    u.tick();
    EXPECT_EQ(u.at(100, 100), kWhite);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            ASSERT_TRUE(u.at(x, y) == kSilver || (std::abs(x - 100) <= 3 && std::abs(y - 100) <= 3)) << x << "," << y;
}

// An open run grows to age 399 and stops; started again it goes on from a point. A closed run grows
// to 124 and shrinks back to 0, where it stays when the window is activated again (stepping on
// would take the age below zero). A paused tick leaves the age alone. Each picture is the one a
// whole new drawing gives, when the sphere covers the picture and after it has shrunk.
TEST(EspansioneAges, OpenAndClosedRuns)
{
    Universe u(60, 40, 0);
    renew(Open);
    int ticks = 1;
    while (u.tick())
        ++ticks;
    EXPECT_TRUE(ticks == 398 && state().s == 399 && u.shows(398));
    EXPECT_TRUE(u.tick() && state().s == 0);
    renew(Closed);
    int largest = 0;
    for (ticks = 1; u.tick(); ++ticks)
        largest = std::max(largest, state().s);
    EXPECT_TRUE(ticks == 247 && largest == 124 && state().s == 0 && state().collapsing);
    EXPECT_TRUE(!u.tick() && state().s == 0 && u.shows(0));
    renew(Closed);
    EXPECT_TRUE(u.tick(true) && state().s == 1);
}

// The list takes effect only with `aggiorna`; a collapsed universe stays stopped when the window is
// activated again; the age outlives the window, which reopens as an open universe. The window sets
// the shared bar height from its own font.
struct EspansioneWindow : WindowTest {};

TEST_F(EspansioneWindow, ListButtonAndReopening)
{
    state() = State{};
    ASSERT_EQ(run(QStringLiteral("open Tespanduni set tipo 1 tick 5")), 0);
    EXPECT_TRUE(state().s == 5 && state().kind == Open);
    ASSERT_EQ(run(QStringLiteral("click aggiorna tick 247")), 0);
    EXPECT_TRUE(state().s == 0 && state().collapsing && !w().animationTimer()->enabled());
    run(QStringLiteral("deactivate activate tick"));
    EXPECT_TRUE(state().s == 0 && !w().animationTimer()->enabled());
    ASSERT_EQ(run(QStringLiteral("click aggiorna tick 10 close open Tespanduni")), 0);
    EXPECT_TRUE(state().s == 11 && state().kind == Open && c("tipo").widget && text("tipo") == "open");
    EXPECT_TRUE(w().animationTimer()->enabled() && w().animationTimer()->interval() == 100);
    EXPECT_TRUE(c("sotto").thickness == globals::BarHeight &&
                globals::BarHeight == 2 * QFontMetrics(w().font()).height());
}

}  // namespace
