// The magnetic bottle: the field lines, the charge's place at stated ticks, its trace, and the
// window's recompute as driven through its up-downs and its "new" button.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "misc/magvar.h"
#include "window_test.h"

namespace {

constexpr int W = 1916;
constexpr int H = 1000;

struct MagvarModel : ::testing::Test {
    raster::Bitmap surface;
    const raster::Canvas& pic() { return magvar::state().picture.canvas(); }
    void build(int B, int v)
    {
        magvar::create(W, H);
        magvar::recompute(B, v);
        surface.setSize(W, H);
    }
    void ticks(int count, bool trace = false)
    {
        for (int i = 0; i < count; ++i)
            magvar::tick(surface.canvas(), false, trace);
    }
    // The rows of column x that hold field-line grey.
    std::vector<int> greyRows(int x)
    {
        std::vector<int> rows;
        for (int y = 0; y < H / 2; ++y)
            if (pic().pixel(x, y) == magvar::kGrey)
                rows.push_back(y);
        return rows;
    }
    void TearDown() override { magvar::release(); }
};

TEST_F(MagvarModel, FieldLinesCrossTheMiddleAtTheirSpreadAndReachBothEnds)
{
    // At u = 0 line m lies at H/4 - Round((H/(30 B) + H/(40 B))·m): 58.33 m for B = 1, 29.17 m
    // for B = 2 (87.5 rounds to the even 88).
    build(1, 1);
    EXPECT_EQ(greyRows(W / 2), (std::vector<int>{75, 133, 192, 250, 308, 367, 425}));
    // u = ±1.5 lands at 958 ∓ 718 (718.5 rounds to even); the axis runs from 240 up to the last
    // point, 1676, whose own pixel the line leaves out. A line that stopped at u = 1.49 would end
    // at 1672. At u = -1.5 line m = 1 lies at 250 - Round(exp(-2.25)·33.33 + 25) = 221.
    for (const auto& [x, y, colour] : {std::tuple{240, 250, magvar::kGrey}, {1675, 250, magvar::kGrey},
                                      {239, 250, magvar::kBlack}, {1676, 250, magvar::kBlack},
                                      {240, 221, magvar::kGrey}})
        EXPECT_EQ(pic().pixel(x, y), colour) << x << "," << y;
    build(2, 1);
    EXPECT_EQ(greyRows(W / 2), (std::vector<int>{75, 104, 133, 162, 192, 221, 250, 279, 308, 338,
                                                 367, 396, 425}));
}

TEST_F(MagvarModel, ChargeIsAtItsPlaceOnTheTickOfItsPhase)
{
    // Tick k draws phase n = 600 + k - 1: z = 400 cos(n π/600), u = z/500,
    // R = exp(-u²)·H v/(20 B) + H v/(30 B), centre (W/2 + Round(cos(n π/60) R/2 + W u/4),
    // H/4 - Round(sin(n π/60) R)), worked out by hand for each case.
    struct Case { int B, v, k, x, y; };
    for (const Case c : {Case{1, 1, 1, 605, 250}, Case{1, 1, 31, 580, 190}, Case{1, 2, 601, 1401, 250},
                         Case{2, 1, 316, 973, 279}}) {
        build(c.B, c.v);
        ticks(c.k);
        const auto& s = magvar::state();
        EXPECT_TRUE(s.x == c.x && s.y == c.y) << c.k << ": " << s.x << "," << s.y;
        // The disc (x-2, y-2)..(x+2, y+2) is white at its centre, and the picture is on the
        // surface at (0, H/4).
        EXPECT_EQ(surface.canvas().pixel(c.x, H / 4 + c.y), magvar::kWhite) << c.k;
    }
    // The phase loops after 1200 ticks, back to the start.
    ticks(1200 - 316);
    EXPECT_EQ(magvar::state().n, 600);
}

TEST_F(MagvarModel, TraceIsADotEveryFourTicksKeptWhenReleasedAndClearedByARecompute)
{
    build(1, 1);
    // Phase 600 starts at (605, 250), on the axis: the charge's patch puts the grey back.
    ticks(40);
    EXPECT_EQ(pic().pixel(605, 250), magvar::kGrey);
    build(1, 1);
    ticks(40, true);
    ticks(40, false);
    EXPECT_EQ(pic().pixel(605, 250), magvar::kWhite);
    magvar::recompute(1, 1);
    EXPECT_EQ(pic().pixel(605, 250), magvar::kGrey);
}

struct MagvarWindow : WindowTest {};

TEST_F(MagvarWindow, NewValuesWaitForTheNewButton)
{
    ASSERT_EQ(run("open Tbotmagne tick 5 set pintensi 2 tick 5"), 0);
    EXPECT_TRUE(enabled("aggiorna") && magvar::state().B == 1 && magvar::state().n == 610);
    ASSERT_EQ(run("click aggiorna"), 0);
    EXPECT_TRUE(!enabled("aggiorna") && magvar::state().B == 2 && magvar::state().n == 600);
    EXPECT_EQ(text("intensi"), QStringLiteral("2"));
}

}  // namespace
