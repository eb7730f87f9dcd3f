// The two-body window: wires its tool bar, its timer and its handlers to the model.
#include "celestial/corpi_form.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>

#include "celestial/corpi.h"

Tduec::Tduec(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tduec::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    QToolBar* run = addToolBar();
    addStandardControls(run);

    QToolBar* views = addToolBar();
    addSpeedButton(views, QStringLiteral("vpianta"), QStringLiteral("prono"), 2, true, false, 5,
                   [this] { vpiantaClick(); });
    addSpeedButton(views, QStringLiteral("orbite"), QStringLiteral("orbite"), 1, true, false, 33,
                   [this] { orbiteClick(); });

    QToolBar* ratio = addToolBar();
    QLineEdit* rap = addEdit(ratio, QStringLiteral("rap"), 49, true);
    rap->setFixedWidth(QFontMetrics(rap->font()).horizontalAdvance(QStringLiteral("00")) + 12);
    addUpDown(ratio, QStringLiteral("rappo"), 1, 9, 1, false, rap, 49);
    addToolButton(ratio, QStringLiteral("nuovo"), 1, 3, [this] { nuovoClick(); });

    // The kind of orbit: a list on a tool bar that is never shown.
    QToolBar* kind = addToolBar();
    addDropDown(kind, QStringLiteral("tiporbita"),
                {QStringLiteral("orbite circolari"), QStringLiteral("orbite ellittiche")}, 0, -1);
    kind->hide();
    // rappoClick and tiporbitaChange: a new ratio takes effect when `nuovo` is pressed.
    enableOnChange(QStringLiteral("nuovo"), {QStringLiteral("rappo"), QStringLiteral("tiporbita")});

    QToolBar* help = addToolBar();
    addHelpButton(help);

    setSpeed(110, 90);

    // The form's black background, until the first tick shows a view.
    surface().brush.color = corpi::kBlack;
    surface().fillRect({0, 0, w, h});

    corpi::create(w, h);
}

void Tduec::firstActivation() { nuovoClick(); }

bool* Tduec::firstActivationFlag() { return &corpi::state().FirstActivation; }

bool* Tduec::runningFlag() { return &corpi::state().TimerWasOn; }

void Tduec::tempoTimer()
{
    if (corpi::tick(surface(), isDown(QStringLiteral("pausa"))))
        control(QStringLiteral("vpianta"))->widget->setEnabled(true);
    refresh();
}

void Tduec::vpiantaClick()
{
    corpi::startWipe(isDown(QStringLiteral("vpianta")));
    // No second click until the wipe has ended.
    control(QStringLiteral("vpianta"))->widget->setEnabled(false);
}

void Tduec::orbiteClick()
{
    corpi::showOrbits(isDown(QStringLiteral("orbite")));
    nuovoClick();
}

void Tduec::nuovoClick()
{
    animationTimer()->setEnabled(false);
    corpi::restart(upDownPosition(QStringLiteral("rappo")));
    control(QStringLiteral("nuovo"))->widget->setEnabled(false);
    animationTimer()->setEnabled(true);
}

void Tduec::formClose() { corpi::release(); }

std::size_t Tduec::modelBytes() const { return corpi::bytes(); }
