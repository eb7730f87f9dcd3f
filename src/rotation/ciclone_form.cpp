// The cyclone window: a cyclone and an anticyclone side by side, in an axonometric view of the
// rising and turning air or in a section at ground level or aloft.
#include "rotation/ciclone_form.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

#include "rotation/ciclone.h"
#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/platform.h"

Tciclon::Tciclon(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tciclon::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { cadenzaTimer(); });

    QToolBar* speed = addToolBar();
    addStandardControls(speed);
    setSpeed(100, 100);

    // The three views; the list shows white text on black.
    const QStringList items{QString::fromStdString(texts::HintTexts[28]),
                            QString::fromStdString(texts::HintTexts[29]),
                            QString::fromStdString(texts::HintTexts[31])};
    QToolBar* views = addToolBar();
    vista = addDropDown(views, QStringLiteral("vista"), items, 0, 37);
    vista->setEditable(false);
    vista->setStyleSheet(QStringLiteral("QComboBox { background: black; color: white; }"
                                        "QComboBox QAbstractItemView { background: black; color: white; }"));
    QToolBar* compute = addToolBar();
    addToolButton(compute, QStringLiteral("nuovo"), 1, -1, [this] { nuovoClick(); });
    // Choosing a view only enables `nuovo`: the new view is drawn when it is pressed.
    enableOnChange(QStringLiteral("nuovo"), {QStringLiteral("vista")});
    QToolBar* help = addToolBar();
    addHelpButton(help);

    QFrame* sotto =
        addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);
    Label1 = addLabel(sotto, QStringLiteral("Label1"), QString());
    Label1->setFont(vista->font());
    Label1->hide();
    // The list is as wide as its widest item, plus the width of `nuovo`, plus 7 for its arrow.
    fitDropDown(vista, Label1, control(QStringLiteral("nuovo"))->widget->sizeHint().width() + 7);

    // The form's silver background, and the brush with which the precompute clears the window.
    surface().brush.color = ciclone::kSilver;
    surface().fillRect({0, 0, w, h});

    ciclone::create(w, h);
}

void Tciclon::firstActivation() { nuovoClick(); }

bool* Tciclon::firstActivationFlag() { return &ciclone::state().FirstActivation; }

bool* Tciclon::runningFlag() { return &ciclone::state().running; }

void Tciclon::nuovoClick()
{
    orb::platform::setBusyCursor(true);
    ciclone::precompute(vista->currentIndex(), surface(), clientWidth(), clientHeight());
    orb::platform::setBusyCursor(false);
    control(QStringLiteral("nuovo"))->widget->setEnabled(false);
    animationTimer()->setEnabled(true);
    refresh();
}

void Tciclon::cadenzaTimer()
{
    ciclone::tick(surface(), clientWidth(), isDown(QStringLiteral("pausa")));
    refresh();
}

void Tciclon::formClose() { ciclone::release(); }

void Tciclon::formActivated() { ciclone::state().frames.unpack(); }

void Tciclon::formDeactivated() { ciclone::state().frames.pack(); }

std::size_t Tciclon::modelBytes() const { return ciclone::bytes(); }
