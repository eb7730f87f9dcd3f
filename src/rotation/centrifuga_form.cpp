// The centrifugal-force window: bodies turned by a rod that fly off along the tangent when released.
#include "rotation/centrifuga_form.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QToolBar>

#include "rotation/centrifuga.h"
#include "shell/globals.h"

Tcenfuga::Tcenfuga(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tcenfuga::formCreate()
{
    // The window's own off-screen picture is its surface: it is shown whole at (0, 0), as the
    // bitmap is copied to the window on every tick and paint.
    addAnimationTimer([this] { tempoTimer(); });

    QToolBar* run = addToolBar();
    addStandardControls(run);

    QToolBar* bodies = addToolBar();
    QLineEdit* edit = addEdit(bodies, QStringLiteral("Edit1"), 11, true);
    edit->setStyleSheet(QStringLiteral("QLineEdit { background: black; color: white; font-weight: bold; }"));
    edit->setFixedWidth(QFontMetrics(edit->font()).horizontalAdvance(QStringLiteral("00")) + 12);
    addUpDown(bodies, QStringLiteral("ncorpi"), 1, 2, 1, false, edit, 11, [this] { ncorpiClick(); });

    QToolBar* direction = addToolBar();
    addSpeedButton(direction, QStringLiteral("antiorario"), QStringLiteral("antiorario"), 4, false, true, 14,
                   [this] { antiorarioClick(); });
    addSpeedButton(direction, QStringLiteral("orario"), QStringLiteral("orario"), 4, false, false, 15,
                   [this] { orarioClick(); });

    QToolBar* path = addToolBar();
    addSpeedButton(path, QStringLiteral("traiet"), QStringLiteral("traiet"), 6, true, false, 6,
                   [this] { traietClick(); });

    QToolBar* actions = addToolBar();
    addToolButton(actions, QStringLiteral("disegna"), 6, 2, [this] { disegnaClick(); });
    addToolButton(actions, QStringLiteral("sgancia"), 11, 16, [this] { sganciaClick(); });

    QToolBar* help = addToolBar();
    addHelpButton(help);

    // The black strip under the bar; at the bottom the lowered panel `sotto` of the bar's height
    // and a black strip above it.
    addPanel(QStringLiteral("Panel1"), orb::Dock::Top, 20, centrifuga::kBlack);
    addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);
    addPanel(QStringLiteral("Panel2"), orb::Dock::Bottom, 15, centrifuga::kBlack);

    setSpeed(90, 90);

    centrifuga::create(surface(), clientWidth(), clientHeight());
    refresh();
}

bool* Tcenfuga::runningFlag() { return &centrifuga::state().running; }

void Tcenfuga::tempoTimer()
{
    const centrifuga::Tick done =
        centrifuga::tick(surface(), clientWidth(), clientHeight(), isDown(QStringLiteral("pausa")));
    if (done == centrifuga::Tick::Ended) {
        animationTimer()->setEnabled(false);
        control(QStringLiteral("disegna"))->widget->setEnabled(true);
    }
    refresh();
}

void Tcenfuga::ncorpiClick() { centrifuga::state().n = upDownPosition(QStringLiteral("ncorpi")); }

void Tcenfuga::antiorarioClick() { centrifuga::state().anticlockwise = true; }

void Tcenfuga::orarioClick() { centrifuga::state().anticlockwise = false; }

void Tcenfuga::traietClick() { centrifuga::state().trajectory = isDown(QStringLiteral("traiet")); }

void Tcenfuga::disegnaClick()
{
    control(QStringLiteral("disegna"))->widget->setEnabled(false);
    animationTimer()->setEnabled(true);
    control(QStringLiteral("pausa"))->widget->setEnabled(true);
    centrifuga::start(surface());
}

void Tcenfuga::sganciaClick() { centrifuga::release(surface(), clientWidth(), clientHeight()); }
