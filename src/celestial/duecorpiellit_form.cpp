// The angular-momentum window: wires its tool bar and its timer to the model. Its caption and
// hints are fixed Italian texts, the same in every language.
#include "celestial/duecorpiellit_form.h"

#include <QToolBar>

#include "celestial/duecorpiellit.h"
#include "shell/globals.h"

Tmomento::Tmomento(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tmomento::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { cadenzaTimer(); });

    // A silver control bar without a bevel.
    setControlBarName(QStringLiteral("ControlBar1"));
    setControlBarLook(raster::rgb(192, 192, 192), false);

    QToolBar* run = addToolBar();
    addStandardControls(run);
    QToolBar* view = addToolBar();
    addCheckButton(view, QStringLiteral("veloci"), 4, -1, [this] { velociClick(); });
    addCheckButton(view, QStringLiteral("pulisce"), 16, -1, [this] { pulisceClick(); });
    QToolBar* help = addToolBar();
    addHelpButton(help);
    const std::pair<const char*, const char*> hints[] = {
        {"pausa", "pausa"},
        {"velo", "velocità di esecuzione"},
        {"veloci", "vettore quantità di moto"},
        {"pulisce", "pulisce lo schermo"},
        {"aiuto", "guida"},
    };
    for (const auto& [name, hint] : hints)
        setHint(*control(QString::fromLatin1(name)), QString::fromUtf8(hint));
    addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);

    // Position 170 gives the 30 ms interval.
    setPosition(QStringLiteral("velo"), 170);
    speedBarChanged();

    // The form's black background.
    surface().brush.color = duecorpiellit::kBlack;
    surface().fillRect({0, 0, w, h});

    duecorpiellit::create(w, h);
}

void Tmomento::cadenzaTimer()
{
    std::vector<raster::Rect> drawn;
    duecorpiellit::tick(surface(), isDown(QStringLiteral("pausa")), &drawn);
    for (const raster::Rect& r : drawn)
        refresh(r);
}

void Tmomento::velociClick() { duecorpiellit::setOblique(isDown(QStringLiteral("veloci"))); }

void Tmomento::pulisceClick() { duecorpiellit::clearPicture(isDown(QStringLiteral("pulisce"))); }

void Tmomento::formClose() { duecorpiellit::release(); }

std::size_t Tmomento::modelBytes() const { return duecorpiellit::bytes(); }
