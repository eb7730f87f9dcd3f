// The window of Kepler's first law: wires its tool bar, its timer and the view button to the model.
#include "solarsystem/pkeplero_form.h"

#include <QToolBar>
#include <QToolButton>

#include "shell/globals.h"
#include "solarsystem/pkeplero.h"

Tkuno::Tkuno(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tkuno::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    QToolBar* first = addToolBar();
    addStandardControls(first);
    // The speed bar keeps the hint it was designed with, in every language.
    if (orb::Control* c = control(QStringLiteral("cadenza")))
        setHint(*c, QStringLiteral("velocità d'esecuzione"));
    QToolBar* second = addToolBar();
    addSpeedButton(second, QStringLiteral("prono"), QStringLiteral("prono"), 2, true, false, 5,
                   [this] { pronoClick(); });
    QToolBar* third = addToolBar();
    addHelpButton(third);
    addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight);

    setSpeed(120, 80);

    // The form's black background.
    surface().brush.color = raster::rgb(0, 0, 0);
    surface().fillRect({0, 0, w, h});

    pkeplero::create(w, h);
}

void Tkuno::firstActivation() { pkeplero::precompute(clientWidth()); }

bool* Tkuno::firstActivationFlag() { return &pkeplero::state().FirstActivation; }

void Tkuno::tempoTimer()
{
    if (pkeplero::tick(surface(), clientWidth(), clientHeight(), isDown(QStringLiteral("pausa"))))
        control(QStringLiteral("prono"))->widget->setEnabled(true);
    refresh();
}

void Tkuno::pronoClick()
{
    pkeplero::pronoClick(isDown(QStringLiteral("prono")));
    // No second click until the wipe has ended.
    control(QStringLiteral("prono"))->widget->setEnabled(false);
}

void Tkuno::formClose() { pkeplero::release(); }

std::size_t Tkuno::modelBytes() const { return pkeplero::bytes(); }

