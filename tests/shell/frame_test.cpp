// The main window and the window framework driven as a user would: opening, raising, activating,
// closing windows, the start picture, the menus, the help requests and the main window's end.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>

#include "shell/ui/forms.h"
#include "shell/ui/mainwindow.h"
#include "shell/window_table.h"
#include "window_test.h"

namespace {

// A window of the framework alone, standing in for the windows of other subsystems: it counts its
// creations and the deactivations that reach it when there is no main window any more, and keeps
// what its own hint line was given.
class Probe : public orb::SimWindow {
public:
    using SimWindow::SimWindow;
    static inline int created = 0, deactivations = 0, lateDeactivations = 0;
    QString shown;

protected:
    void formCreate() override
    {
        ++created;
        addTimer(QStringLiteral("tempo"), 15, true, [] {});
        addStandardControls(addToolBar());
        setHintHandler([this](const QString& h) { shown = h; });
    }
    void formDeactivated() override
    {
        ++deactivations;
        lateDeactivations += !orb::Orbicola();
    }
};

orb::SimWindow* makeProbe(const orb::WindowInfo& info, QWidget* parent) { return new Probe(info, parent); }

// Probes stand in for the windows of flags 1 (menu item H1), 3 (H2), 6 (F2) and 15 (E5).
struct Frame : WindowTest {
    Frame() { options.size = QSize(800, 500); }
    void SetUp() override
    {
        for (int flag : {1, 3, 6, 15})
            orb::overrideFormFactory(flag, &makeProbe);
        WindowTest::SetUp();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        for (int flag : {1, 3, 6, 15})
            orb::overrideFormFactory(flag, nullptr);
    }
    orb::TOrbicola& main() { return *driver->mainWindow(); }
    orb::Timer* tempo(int flag) { return main().form(flag)->animationTimer(); }
};

TEST_F(Frame, StartSequenceHidesTheMenusUntilTheFrameState)
{
    orb::TOrbicola& m = *new orb::TOrbicola;   // owned below
    std::unique_ptr<orb::TOrbicola> owner(&m);
    m.formCreate();
    for (const char* top : {"A", "D", "E", "F", "G", "H", "I", "B", "C"})
        EXPECT_FALSE(m.menuItem(QString::fromLatin1(top))->action->isVisible()) << top;
    driver->clock().advance(400);   // 40 ticks: still the start screen
    EXPECT_FALSE(m.inFrameState());
    driver->clock().advance(260);   // tick 66 turns it into the frame
    EXPECT_TRUE(m.inFrameState());
    for (const char* top : {"A", "D", "E", "F", "G", "H", "I", "B", "C"})
        EXPECT_TRUE(m.menuItem(QString::fromLatin1(top))->action->isVisible()) << top;
    EXPECT_TRUE(m.startPictureVisible());
    EXPECT_TRUE(m.clockVisible());
    EXPECT_FALSE(m.clockText().isEmpty());
    EXPECT_GT(globals::ChildAreaWidth, 0);
    EXPECT_EQ(globals::ControlInset, (globals::BarHeight - globals::ControlHeight) / 2);
}

TEST_F(Frame, MenuCaptionsComeFromTheTablesAndUnbuiltWindowsAreDisabled)
{
    ASSERT_EQ(run(QStringLiteral("start")), 0);
    EXPECT_EQ(main().menuItem(QStringLiteral("D1"))->action->text(), QStringLiteral("Primary waves &P"));
    EXPECT_EQ(main().menuItem(QStringLiteral("C"))->action->text(), QStringLiteral("   ?   "));
    EXPECT_TRUE(main().menuItem(QStringLiteral("D1"))->action->isEnabled());
    // A window that is not built yet keeps its item disabled, whichever windows are built.
    for (const orb::WindowInfo& w : orb::windowTable()) {
        if (!w.menuItem.empty() && !orb::formFactory(w.flag)) {
            EXPECT_FALSE(main().menuItem(QString::fromUtf8(w.menuItem.data(), int(w.menuItem.size())))->action->isEnabled());
        }
    }
    EXPECT_FALSE(main().menuItem(QStringLiteral("A25"))->action->isVisible());
    EXPECT_FALSE(main().menuItem(QStringLiteral("A26"))->action->isVisible());
    // Every window's menu item is there.
    for (const orb::WindowInfo& w : orb::windowTable()) {
        if (!w.menuItem.empty()) {
            EXPECT_NE(main().menuItem(QString::fromUtf8(w.menuItem.data(), int(w.menuItem.size()))), nullptr);
        }
    }
}

TEST_F(Frame, ChoosingAnOpenWindowsItemAgainCreatesNothing)
{
    Probe::created = 0;
    ASSERT_EQ(run(QStringLiteral("start menu H1 menu D1")), 0);
    orb::SimWindow* probe = main().form(1);
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(main().activeWindow(), main().form(18));
    ASSERT_EQ(run(QStringLiteral("menu H1")), 0);
    EXPECT_EQ(Probe::created, 1);
    EXPECT_EQ(main().form(1), probe);
    EXPECT_EQ(main().activeWindow(), probe);   // brought to the front instead
    EXPECT_EQ(main().openWindows().size(), 2u);
}

TEST_F(Frame, DeactivationStopsTheTimerAndReactivationResumesIt)
{
    ASSERT_EQ(run(QStringLiteral("start menu D1")), 0);
    EXPECT_TRUE(tempo(18)->enabled());
    ASSERT_EQ(run(QStringLiteral("menu H1")), 0);
    EXPECT_FALSE(tempo(18)->enabled());
    EXPECT_TRUE(tempo(1)->enabled());
    ASSERT_EQ(run(QStringLiteral("menu D1")), 0);
    EXPECT_TRUE(tempo(18)->enabled());
    EXPECT_FALSE(tempo(1)->enabled());
    ASSERT_EQ(run(QStringLiteral("deactivate")), 0);
    EXPECT_FALSE(tempo(18)->enabled());
    EXPECT_EQ(main().activeWindow(), nullptr);
}

TEST_F(Frame, OnlyClosingTheLastWindowBringsBackTheStartPicture)
{
    ASSERT_EQ(run(QStringLiteral("start menu D1")), 0);
    EXPECT_FALSE(main().startPictureVisible());
    EXPECT_FALSE(main().clockVisible());
    EXPECT_FALSE(globals::WindowClosedFlags[18]);
    ASSERT_EQ(run(QStringLiteral("menu H1 close")), 0);   // closes the probe, D1 stays
    EXPECT_TRUE(globals::WindowClosedFlags[1]);
    EXPECT_FALSE(main().startPictureVisible());
    EXPECT_FALSE(main().clockVisible());
    ASSERT_EQ(run(QStringLiteral("open Tondep close")), 0);
    EXPECT_TRUE(globals::WindowClosedFlags[18]);
    EXPECT_TRUE(main().startPictureVisible());
    EXPECT_TRUE(main().clockVisible());
    EXPECT_TRUE(main().openWindows().empty());
}

TEST_F(Frame, CloseAllWithAndWithoutWindows)
{
    ASSERT_EQ(run(QStringLiteral("start menu B3")), 0);
    EXPECT_TRUE(main().startPictureVisible());
    ASSERT_EQ(run(QStringLiteral("menu D1 menu H1 menu B3")), 0);
    EXPECT_TRUE(main().openWindows().empty());
    for (bool closed : globals::WindowClosedFlags)
        EXPECT_TRUE(closed);
    EXPECT_TRUE(main().startPictureVisible());
}

TEST_F(Frame, HintsItemTogglesAndWindowsTakeItOnActivation)
{
    ASSERT_EQ(run(QStringLiteral("start menu A1")), 0);
    EXPECT_TRUE(globals::ShowHints);
    EXPECT_TRUE(main().menuItem(QStringLiteral("A1"))->action->isChecked());
    ASSERT_EQ(run(QStringLiteral("menu D1")), 0);
    EXPECT_EQ(main().form(18)->control(QStringLiteral("pausa"))->widget->toolTip(),
              QStringLiteral("pause (Space; full stop: one step)"));
    ASSERT_EQ(run(QStringLiteral("menu A1 deactivate activate")), 0);
    EXPECT_TRUE(main().form(18)->control(QStringLiteral("pausa"))->widget->toolTip().isEmpty());
}

TEST_F(Frame, SpeedBarSetsTheIntervalAndHelpAsksForTheWindowsTopics)
{
    ASSERT_EQ(run(QStringLiteral("open Tondep set cadenza 195")), 0);
    EXPECT_EQ(tempo(18)->interval(), 5);
    ASSERT_EQ(run(QStringLiteral("set cadenza 5")), 0);
    EXPECT_EQ(tempo(18)->interval(), 195);
    out.clear();
    ASSERT_EQ(run(QStringLiteral("click guida key F1")), 0);
    ASSERT_EQ(out.size(), 2);
    EXPECT_TRUE(out[0].contains(QStringLiteral("\"context\":101"))) << out[0].toStdString();
    EXPECT_TRUE(out[1].contains(QStringLiteral("\"context\":101")));
    EXPECT_TRUE(out[0].contains(QStringLiteral("Orbicola.hlp")));
    out.clear();
    ASSERT_EQ(run(QStringLiteral("menu C1")), 0);
    ASSERT_EQ(out.size(), 1);
    EXPECT_TRUE(out[0].contains(QStringLiteral("\"contents\":true")));
}

TEST_F(Frame, FrameAndStateReports)
{
    ASSERT_EQ(run(QStringLiteral("open Tondep frame state")), 0);
    const QString all = out.join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(QStringLiteral("\"windows\":[\"Tondep\"],\"active\":\"Tondep\"")));
    EXPECT_TRUE(all.contains(QStringLiteral("{\"item\":\"D1\",\"caption\":\"Primary waves &P\",\"enabled\":true")));
    EXPECT_TRUE(all.contains(QStringLiteral("{\"control\":\"cadenza\",\"kind\":\"trackbar\",\"enabled\":true,\"visible\":true,\"down\":false,\"position\":100")));
    EXPECT_TRUE(all.contains(QStringLiteral("{\"timer\":\"tempo\",\"enabled\":true,\"interval\":100}")));
}

TEST_F(Frame, ScriptErrorsExitWithStatusTwo)
{
    EXPECT_EQ(run(QStringLiteral("open Tnothing")), 2);
    EXPECT_EQ(run(QStringLiteral("open Tondep click nothing")), 2);
    EXPECT_EQ(run(QStringLiteral("set cadenza 400")), 2);
    EXPECT_EQ(run(QStringLiteral("jump")), 2);
    EXPECT_EQ(run(QStringLiteral("menu Z9")), 2);
    EXPECT_EQ(err.size(), 5);
}

// Windows with a hint line of their own each get the hints of their own controls.
TEST_F(Frame, HintsGoToTheWindowThatOwnsTheControlEvenAfterAnotherCloses)
{
    ASSERT_EQ(run(QStringLiteral("start menu F2 menu E5")), 0);
    auto* first = static_cast<Probe*>(main().form(6));
    auto* second = static_cast<Probe*>(main().form(15));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(second->control(QStringLiteral("pausa"))->widget, &enter);
    EXPECT_EQ(second->shown, QStringLiteral("pause (Space; full stop: one step)"));
    EXPECT_TRUE(first->shown.isEmpty());
    ASSERT_EQ(run(QStringLiteral("close")), 0);   // closes E5
    QApplication::sendEvent(first->control(QStringLiteral("cadenza"))->widget, &enter);
    EXPECT_EQ(first->shown, QStringLiteral("execution speed (keys + and -)"));
}

// The main window going away while windows are open: the windows go with it, and none of them
// hears from a main window that is already half destroyed.
TEST_F(Frame, OpenWindowsGoWithTheMainWindowAndHearNothingFromItOnTheWay)
{
    Probe::deactivations = Probe::lateDeactivations = 0;
    // Two windows, the second active: the first was deactivated while the frame lived.
    ASSERT_EQ(run(QStringLiteral("menu H1 menu H2 advance 100")), 0);
    EXPECT_EQ(Probe::deactivations, 1);
    driver.reset();
    EXPECT_EQ(Probe::lateDeactivations, 0);
}

}  // namespace
