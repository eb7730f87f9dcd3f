// The primary-wave window: a block of rock whose particle planes crowd and spread as a P wave passes.
#include "earthquakes/primarie_form.h"

#include <QFrame>
#include <QToolBar>
#include <QToolButton>

#include "earthquakes/primarie.h"

Tondep::Tondep(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tondep::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    QToolBar* first = addToolBar();
    addStandardControls(first);
    QToolBar* second = addToolBar();
    // The highlight button's tool bar refuses the pointer outside the button.
    second->setCursor(Qt::ForbiddenCursor);
    addSpeedButton(second, QStringLiteral("eviden"), QStringLiteral("eviden"), 1, true, false, 8);
    QToolBar* third = addToolBar();
    addHelpButton(third);

    setSpeed(100, 100);

    Bevel1 = addBevel(this, QStringLiteral("Bevel1"), QRect(w / 4 - 1, (h * 5) / 16 - 1, w / 2 + 3, (h * 3) / 8 + 3));

    primarie::create(w, h);
}

void Tondep::firstActivation() { primarie::precompute(clientWidth(), clientHeight(), surface()); }

bool* Tondep::firstActivationFlag() { return &primarie::state().FirstActivation; }

void Tondep::tempoTimer()
{
    primarie::tick(surface(), clientWidth(), clientHeight(), isDown(QStringLiteral("eviden")),
                   isDown(QStringLiteral("pausa")));
    refresh();
}

void Tondep::formClose() { primarie::release(); }

void Tondep::formActivated() { primarie::state().frames.unpack(); }

void Tondep::formDeactivated() { primarie::state().frames.pack(); }

std::size_t Tondep::modelBytes() const { return primarie::state().frames.bytes(); }
