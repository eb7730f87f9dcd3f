// The falling-body window: a ball dropped from a tower on the turning Earth lands east of its foot.
#include "rotation/gravi_form.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QToolBar>

#include "rotation/gravi.h"
#include "shell/globals.h"

Tcaduta::Tcaduta(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tcaduta::formCreate()
{
    // The window's surface is the picture bitmap: every tick and paint show it whole at (0, 0).
    addAnimationTimer([this] { tempoTimer(); });

    QToolBar* run = addToolBar();
    addStandardControls(run);

    QToolBar* height = addToolBar();
    QLineEdit* edit = addEdit(height, QStringLiteral("Edit1"), 27, true);
    setColours(edit, gravi::kBlack, gravi::kWhite);
    edit->setFixedWidth(QFontMetrics(edit->font()).horizontalAdvance(QStringLiteral("00")) + 12);
    addUpDown(height, QStringLiteral("altez"), 1, 3, 1, false, edit, 27);
    // altezClick: a new height enables "nuovo".
    enableOnChange(QStringLiteral("disegna"), {QStringLiteral("altez")});

    QToolBar* path = addToolBar();
    addSpeedButton(path, QStringLiteral("traiet"), QStringLiteral("traiet"), 6, true, false, 6,
                   [this] { traietClick(); });

    QToolBar* actions = addToolBar();
    addToolButton(actions, QStringLiteral("via"), 6, 2, [this] { viaClick(); });
    addToolButton(actions, QStringLiteral("disegna"), 1, 3, [this] { disegnaClick(); });

    QToolBar* help = addToolBar();
    addHelpButton(help);

    // The black strip under the bar, and the lowered panel at the bottom.
    addPanel(QStringLiteral("Panel1"), orb::Dock::Top, 20, gravi::kBlack);
    addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);

    setSpeed(90, 90);

    gravi::create(clientWidth(), clientHeight());
}

void Tcaduta::formActivated() { gravi::activate(); }

void Tcaduta::formPaint() { gravi::paint(surface(), clientWidth(), clientHeight()); }

void Tcaduta::tempoTimer()
{
    // The tick changes the picture only where the last tower and ball were and where it draws.
    orb::DamageBox changed = gravi::state().drawn;
    const gravi::Tick done =
        gravi::tick(surface(), clientWidth(), clientHeight(), isDown(QStringLiteral("pausa")));
    changed.add(gravi::state().drawn);
    if (done == gravi::Tick::Landed) {
        control(QStringLiteral("traiet"))->widget->setEnabled(true);
        animationTimer()->setEnabled(false);
        control(QStringLiteral("disegna"))->widget->setEnabled(true);
    }
    refresh(changed.within({0, 0, clientWidth(), clientHeight()}));
}

void Tcaduta::disegnaClick()
{
    control(QStringLiteral("via"))->widget->setEnabled(true);
    gravi::state().h = static_cast<std::uint8_t>(upDownPosition(QStringLiteral("altez")));
    control(QStringLiteral("disegna"))->widget->setEnabled(false);
    animationTimer()->setEnabled(false);
    repaintWindow();
}

void Tcaduta::viaClick()
{
    gravi::startFall();
    animationTimer()->setEnabled(true);
    control(QStringLiteral("via"))->widget->setEnabled(false);
}

void Tcaduta::traietClick() { gravi::state().trailToggle = !gravi::state().trailToggle; }

void Tcaduta::formClose() { gravi::release(); }

std::size_t Tcaduta::modelBytes() const { return gravi::state().background.bytes(); }
