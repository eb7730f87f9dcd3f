// The soak harness: random but legal use of every built window at several client sizes, under the
// scripted driver, checking the window protocol, tick times, floating-point health and memory.
#pragma once

#include <QSize>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orb {
struct WindowInfo;
}

namespace soak {

struct Settings {
    double secondsPerWindow = 3.0;   // wall-clock time given to the random use of one window
    std::uint32_t seed = 20240611;   // base seed; every round derives its own from it
    int actionsPerRound = 25;        // user actions between opening and closing a window
    std::optional<int> rounds;       // exactly this many rounds, whatever the time (replays)
    std::vector<QSize> sizes{{530, 345}, {1012, 700}, {1916, 1000}, {3836, 2100}};
    double tickLimitSeconds = 2.0;     // a timer tick that takes longer counts as a hang
    double actionLimitSeconds = 60.0;  // any other action (a first activation, a recompute)
};

// The defaults, then SOAK_SECONDS (per window), SOAK_SEED, SOAK_ACTIONS, SOAK_ROUNDS and
// SOAK_TICK_LIMIT (seconds) from the environment.
Settings settingsFromEnvironment();

// What a soak did.
struct Totals {
    std::int64_t rounds = 0;
    std::int64_t opens = 0;
    std::int64_t actions = 0;
    std::int64_t ticks = 0;
    std::int64_t virtualMs = 0;
    double slowestTickSeconds = 0;
};

// The windows that are built (have a form), in flag order.
std::vector<const orb::WindowInfo*> registeredWindows();

// Random use of one window in rounds (open at one of the sizes, act, close) until its time is
// spent and every size had a round. Each failure found is added to `failures`, with how to
// replay it; a round stops at its first failure, the soak after three.
Totals soakWindow(const orb::WindowInfo& info, const Settings& settings,
                  std::vector<std::string>& failures);

// Opens the window at `size`, lets it run a little and closes it, `warmup` times and then
// `cycles` times more, with one main window throughout; returns the growth of the allocated
// bytes over the `cycles`, or a failure of the window protocol met on the way.
struct MemoryResult {
    std::int64_t growth = 0;
    std::string failure;
};
MemoryResult openCloseMemory(const orb::WindowInfo& info, QSize size, int warmup, int cycles,
                             std::uint32_t seed);

// Bytes allocated on the heap now: the sanitizer's exact count in a sanitizer build, otherwise
// the C library's, which also counts the freed blocks its per-thread cache keeps for reuse (up
// to some 240 KiB).
std::size_t allocatedBytes();
bool allocatedBytesExact();

// Makes a hang, a crash or a sanitizer finding print which window, round and action it hit.
void installWatchdog(double hangSeconds);

}  // namespace soak
