// The main window going away while windows are open: the windows go with it, and none of them
// hears from a main window that is already half destroyed.
#include <gtest/gtest.h>

#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/driver.h"
#include "shell/ui/forms.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/simwindow.h"

namespace {

// Counts the deactivations that arrive when there is no main window any more.
class Orphan : public orb::SimWindow {
public:
    using SimWindow::SimWindow;
    static inline int lateDeactivations = 0;
    static inline int deactivations = 0;

protected:
    void formCreate() override
    {
        addTimer(QStringLiteral("tempo"), 15, true, [] {});
        addStandardControls(addToolBar());
    }
    void formDeactivated() override
    {
        ++deactivations;
        if (!orb::Orbicola())
            ++lateDeactivations;
    }
};

orb::SimWindow* makeOrphan(const orb::WindowInfo& info, QWidget* parent) { return new Orphan(info, parent); }

TEST(MainWindowTeardown, OpenWindowsGoWithItAndHearNothingFromItOnTheWay)
{
    globals::reset();
    texts::resetTables();
    orb::overrideFormFactory(1, &makeOrphan);   // H1
    orb::overrideFormFactory(3, &makeOrphan);   // H2
    {
        orb::Driver driver(orb::Driver::Options{}, [](const QString&) {}, [](const QString&) {});
        // Two windows, the second active: the first was deactivated while the frame lived.
        ASSERT_EQ(driver.run({QStringLiteral("menu"), QStringLiteral("H1"), QStringLiteral("menu"),
                              QStringLiteral("H2"), QStringLiteral("advance"), QStringLiteral("100")}),
                  0);
        EXPECT_EQ(Orphan::deactivations, 1);
    }
    orb::overrideFormFactory(1, nullptr);
    orb::overrideFormFactory(3, nullptr);
    EXPECT_EQ(Orphan::lateDeactivations, 0);
}

}  // namespace
