// The window of Kepler's second law: wires its tool bar and its timer to the model.
#include "solarsystem/skeplero_form.h"

#include <QToolBar>

#include "shell/globals.h"
#include "solarsystem/skeplero.h"

Tkdue::Tkdue(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tkdue::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    QToolBar* run = addToolBar();
    addStandardControls(run);
    QToolBar* help = addToolBar();
    addHelpButton(help);
    addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight);

    setSpeed(120, 80);

    skeplero::create(w, h);
    // The orbit in its place from the start; the ticks paint the swept area on it.
    skeplero::show(surface(), h);
}

void Tkdue::tempoTimer()
{
    std::vector<raster::Rect> drawn;
    skeplero::tick(surface(), clientWidth(), clientHeight(), isDown(QStringLiteral("pausa")), &drawn);
    for (const raster::Rect& r : drawn)
        refresh(r);
}

void Tkdue::formClose() { skeplero::release(); }

std::size_t Tkdue::modelBytes() const { return skeplero::bytes(); }
