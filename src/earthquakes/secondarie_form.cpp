// The secondary-wave window: a block of rock whose columns move up and down as an S wave passes.
#include "earthquakes/secondarie_form.h"

#include <QToolBar>

#include "earthquakes/secondarie.h"

Tondes::Tondes(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tondes::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    addStandardControls(addToolBar());
    addSpeedButton(addToolBar(), QStringLiteral("evidenzia"), QStringLiteral("eviden"), 1, true, false, 8);
    addHelpButton(addToolBar());

    setSpeed(50, 200 - 50);

    addBevel(this, QStringLiteral("Bevel1"), QRect(w / 4 - 1, (h * 3) / 8 - 1, w / 2 + 3, (h * 3) / 8 + 3));

    secondarie::create(w, h);
}

void Tondes::firstActivation() { secondarie::precompute(clientWidth(), clientHeight(), surface()); }

bool* Tondes::firstActivationFlag() { return &secondarie::state().FirstActivation; }

void Tondes::tempoTimer()
{
    secondarie::tick(surface(), clientWidth(), clientHeight(), isDown(QStringLiteral("evidenzia")),
                     isDown(QStringLiteral("pausa")));
    refresh();
}

void Tondes::formClose() { secondarie::release(); }

void Tondes::formActivated() { secondarie::state().frames.unpack(); }

void Tondes::formDeactivated() { secondarie::state().frames.pack(); }

std::size_t Tondes::modelBytes() const { return secondarie::state().frames.bytes(); }
