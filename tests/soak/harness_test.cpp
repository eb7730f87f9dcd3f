// The soak harness itself: windows with a planted fault of each kind it looks for must fail it.
#include <QString>
#include <cmath>
#include <gtest/gtest.h>
#include <thread>

#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/forms.h"
#include "shell/ui/simwindow.h"
#include "shell/window_table.h"
#include "soak.h"

namespace {

// The window these tests stand in for: one that is not built, so nothing real is displaced.
constexpr int kFlag = 0;

enum class Fault { None, SlowTick, NaNCoordinate, RunsWhenInactive, KeepsMemory };
Fault g_fault = Fault::None;
std::vector<std::vector<char>> g_kept;   // what the memory-keeping window never gives back

class Planted : public orb::SimWindow {
public:
    using SimWindow::SimWindow;

protected:
    void formCreate() override
    {
        const orb::WindowInfo& i = info();
        addTimer(QString::fromUtf8(i.timerName.data(), int(i.timerName.size())), 20, true,
                 [this] { tick(); });
        auto* bar = addToolBar();
        addStandardControls(bar);
        addHelpButton(bar);
        if (g_fault == Fault::KeepsMemory)
            g_kept.emplace_back(64 * 1024, 'x');
        // A second timer that restarts the animation whatever the activation.
        addTimer(QStringLiteral("riavvio"), 10, g_fault == Fault::RunsWhenInactive,
                 [this] { animationTimer()->setEnabled(true); });
    }

private:
    void tick()
    {
        if (g_fault == Fault::SlowTick)
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        volatile double zero = 0;
        const double x = g_fault == Fault::NaNCoordinate ? zero / zero : 10.0;
        surface().moveTo(0, 0);
        surface().lineTo(static_cast<int>(std::lround(x)), 10);
    }
};

orb::SimWindow* makePlanted(const orb::WindowInfo& info, QWidget* parent)
{
    return new Planted(info, parent);
}

struct Harness : ::testing::Test {
    soak::Settings settings;
    std::vector<std::string> failures;

    void SetUp() override
    {
        globals::reset();
        texts::resetTables();
        orb::overrideFormFactory(kFlag, &makePlanted);
        settings.sizes = {QSize(530, 345)};
        settings.rounds = 1;
        settings.actionsPerRound = 60;
    }
    void TearDown() override
    {
        orb::overrideFormFactory(kFlag, nullptr);
        g_fault = Fault::None;
        g_kept.clear();
    }
    const orb::WindowInfo& window() { return orb::windowTable()[kFlag]; }
    std::string soak(Fault fault)
    {
        g_fault = fault;
        soak::soakWindow(window(), settings, failures);
        std::string all;
        for (const std::string& f : failures)
            all += f + "\n";
        return all;
    }
};

TEST_F(Harness, FindsEachPlantedFaultAndSaysHowToReplayIt)
{
    settings.tickLimitSeconds = 0.01;
    const std::string slow = soak(Fault::SlowTick);
    EXPECT_NE(slow.find("tick"), std::string::npos) << slow;
    EXPECT_NE(slow.find("SOAK_SEED="), std::string::npos) << slow;
    failures.clear();
    settings.tickLimitSeconds = 2;

    const std::string nan = soak(Fault::NaNCoordinate);
    EXPECT_NE(nan.find("invalid floating-point operation"), std::string::npos) << nan;
    failures.clear();

    settings.actionsPerRound = 150;   // enough for the window to be sent behind another
    const std::string inactive = soak(Fault::RunsWhenInactive);
    EXPECT_NE(inactive.find("runs while the window is inactive"), std::string::npos) << inactive;
}

TEST_F(Harness, MeasuresWhatAWindowKeepsAfterClosing)
{
    g_fault = Fault::None;
    const soak::MemoryResult sound = soak::openCloseMemory(window(), QSize(530, 345), 3, 20, 1);
    ASSERT_EQ(sound.failure, "");
    g_fault = Fault::KeepsMemory;
    const soak::MemoryResult kept = soak::openCloseMemory(window(), QSize(530, 345), 3, 20, 1);
    ASSERT_EQ(kept.failure, "");
    // Twenty openings keep 20 x 64 KiB, the rest of the heap as it was (give or take what the C
    // library's cache of freed blocks holds, outside the sanitizer build).
    const double slack = 32.0 * 1024 + (soak::allocatedBytesExact() ? 0 : 256.0 * 1024);
    EXPECT_NEAR(double(kept.growth - sound.growth), 20.0 * 64 * 1024, slack);
}

}  // namespace
