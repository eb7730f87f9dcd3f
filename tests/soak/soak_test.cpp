// Every built window under seeded random use at every client size, and opened and closed a
// hundred times, with the window protocol, tick times and memory checked throughout.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

#include "raster/qt/qt_font.h"
#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/window_table.h"
#include "soak.h"

namespace {

class SoakEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        QApplication::setStyle(QStringLiteral("Fusion"));
        raster::qt::installFontEngine();
        // An action that makes no progress for this long is a hang (SOAK_HANG_SECONDS=0: no limit).
        const char* hang = std::getenv("SOAK_HANG_SECONDS");
        if (const double limit = hang ? std::atof(hang) : 300.0; limit > 0)
            soak::installWatchdog(limit);
        globals::reset();
        texts::resetTables();
        const soak::Settings s = soak::settingsFromEnvironment();
        std::printf("soak: seed %u, %g s and rounds of %d actions per window\n", s.seed,
                    s.secondsPerWindow, s.actionsPerRound);
    }
};
const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new SoakEnvironment);

std::string windowName(const ::testing::TestParamInfo<const orb::WindowInfo*>& param)
{
    return std::string(param.param->className);
}

class RandomUse : public ::testing::TestWithParam<const orb::WindowInfo*> {};

// Prints what the window went through, one line that scripts/soak.sh adds up over the windows.
TEST_P(RandomUse, KeepsTheProtocolAndEveryTickShortAtEverySize)
{
    const soak::Settings settings = soak::settingsFromEnvironment();
    std::vector<std::string> failures;
    const soak::Totals t = soak::soakWindow(*GetParam(), settings, failures);
    std::printf("soak: %s: %lld rounds, %lld openings, %lld actions, %lld timer ticks, %.1f s of "
                "virtual time; slowest tick %.1f ms\n",
                std::string(GetParam()->className).c_str(), static_cast<long long>(t.rounds),
                static_cast<long long>(t.opens), static_cast<long long>(t.actions),
                static_cast<long long>(t.ticks), double(t.virtualMs) / 1000.0,
                t.slowestTickSeconds * 1000.0);
    for (const std::string& f : failures)
        ADD_FAILURE() << f;
    // Every size had its round.
    EXPECT_GE(t.rounds, static_cast<std::int64_t>(settings.sizes.size()));
}

INSTANTIATE_TEST_SUITE_P(Windows, RandomUse, ::testing::ValuesIn(soak::registeredWindows()), windowName);

// Opening and closing a window a hundred times leaves the heap as it found it: what a window
// allocates while open goes with it. The first openings may fill the program's caches (fonts,
// glyphs, styles) and are not counted.
class OpenClose : public ::testing::TestWithParam<const orb::WindowInfo*> {};

TEST_P(OpenClose, AHundredTimesLeavesMemoryWhereItStarted)
{
    const soak::MemoryResult r = soak::openCloseMemory(*GetParam(), QSize(530, 345), 5, 100, 7);
    ASSERT_EQ(r.failure, "");
    std::printf("soak: %s: heap growth over 100 openings: %lld bytes\n",
                std::string(GetParam()->className).c_str(), static_cast<long long>(r.growth));
    // 640 bytes an opening; outside the sanitizer build, plus what the C library's per-thread
    // cache of freed blocks may hold when the count is taken (it fills over the first few dozen
    // openings).
    EXPECT_LT(r.growth, 64 * 1024 + (soak::allocatedBytesExact() ? 0 : 256 * 1024));
}

INSTANTIATE_TEST_SUITE_P(Windows, OpenClose, ::testing::ValuesIn(soak::registeredWindows()), windowName);

}  // namespace
