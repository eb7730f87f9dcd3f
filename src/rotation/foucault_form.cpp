// The Foucault-pendulum window: the pendulum over the turning platform in the fixed frame, the
// rotating frame, or both.
#include "rotation/foucault_form.h"

#include <QToolBar>

#include "rotation/foucault.h"
#include "shell/globals.h"

Tpendol::Tpendol(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tpendol::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    QToolBar* run = addToolBar();
    addStandardControls(run);
    // The two views are in groups of their own, so each one toggles by itself.
    QToolBar* views = addToolBar();
    addSpeedButton(views, QStringLiteral("fisso"), QStringLiteral("fisso"), 2, true, true, 20,
                   [this] { fissoClick(); });
    addSpeedButton(views, QStringLiteral("mobile"), QStringLiteral("mobile"), 3, true, false, 21,
                   [this] { mobileClick(); });
    QToolBar* help = addToolBar();
    addHelpButton(help);

    addPanel(QStringLiteral("Panel1"), orb::Dock::Top, 0, foucault::kBlack);
    addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);

    setSpeed(90, 90);

    // The form's black background.
    surface().brush.color = foucault::kBlack;
    surface().fillRect({0, 0, w, h});

    foucault::create(w, h);
    refresh();
}

void Tpendol::tempoTimer()
{
    raster::Rect changed{0, 0, 0, 0};
    foucault::tick(surface(), clientWidth(), clientHeight(),
                   {isDown(QStringLiteral("fisso")), isDown(QStringLiteral("mobile"))},
                   isDown(QStringLiteral("pausa")), &changed);
    refresh(changed);
}

// Releasing one view presses the other: at least one is always on.
void Tpendol::fissoClick()
{
    if (!isDown(QStringLiteral("fisso")))
        setDown(QStringLiteral("mobile"), true);
}

void Tpendol::mobileClick()
{
    if (!isDown(QStringLiteral("mobile")))
        setDown(QStringLiteral("fisso"), true);
}

void Tpendol::formClose() { foucault::release(); }

std::size_t Tpendol::modelBytes() const { return foucault::state().bitmap.bytes(); }
