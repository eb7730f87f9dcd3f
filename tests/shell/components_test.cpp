// The driver's state report lists every named component of a window: the control bar with its
// visibility and the decorative frames with their place, not only the controls a user works.
#include <gtest/gtest.h>

#include "shell/ui/forms.h"
#include "solarsystem/pkeplero_form.h"
#include "window_test.h"

namespace {

// The Kepler window, watched while its first activation runs.
class WatchedKepler : public Tkuno {
public:
    using Tkuno::Tkuno;
    static inline bool barShownDuringActivation = true;

protected:
    void firstActivation() override
    {
        barShownDuringActivation = control(QStringLiteral("barrasotto"))->widget->isVisibleTo(this);
        Tkuno::firstActivation();
    }
};

orb::SimWindow* makeWatchedKepler(const orb::WindowInfo& info, QWidget* parent)
{
    return new WatchedKepler(info, parent);
}

using Components = WindowTest;

TEST_F(Components, TheControlBarIsReportedHiddenUntilTheFirstActivationEnds)
{
    orb::overrideFormFactory(16, &makeWatchedKepler);
    const int status = run(QStringLiteral("open Tkuno state"));
    orb::overrideFormFactory(16, nullptr);
    ASSERT_EQ(status, 0);
    EXPECT_FALSE(WatchedKepler::barShownDuringActivation);
    EXPECT_TRUE(out.join(QLatin1Char('\n'))
                    .contains(QStringLiteral("{\"control\":\"barrasotto\",\"kind\":\"bar\",\"enabled\":true,"
                                             "\"visible\":true")))
        << out.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Components, TheFrameAroundThePrimaryWavesIsReportedWhereItStands)
{
    // On a client of 1916 x 1000 the picture stands at (479, 312), 958 x 375; its frame is one pixel
    // outside it on the left and top and two on the right and bottom.
    ASSERT_EQ(run(QStringLiteral("open Tondep state")), 0);
    const QString all = out.join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(QStringLiteral("{\"control\":\"Bevel1\",\"kind\":\"bevel\",\"enabled\":true,"
                                            "\"visible\":true")))
        << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("\"left\":478,\"top\":311,\"width\":961,\"height\":378}")))
        << all.toStdString();
}

}  // namespace
