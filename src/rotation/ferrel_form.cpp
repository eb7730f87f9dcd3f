// The Ferrel's-law window: bodies crossing a turning disc, seen from the fixed or the turning frame.
#include "rotation/ferrel_form.h"

#include <QToolBar>

#include "rotation/ferrel.h"
#include "shell/globals.h"

Tferre::Tferre(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tferre::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    QToolBar* run = addToolBar();
    addStandardControls(run);

    // The choices below are read by the next start.
    QToolBar* sense = addToolBar();
    addSpeedButton(sense, QStringLiteral("antiorario"), QStringLiteral("antiorario"), 4, false, true, 14,
                   [this] { antiorarioClick(); });
    addSpeedButton(sense, QStringLiteral("orario"), QStringLiteral("orario"), 4, false, false, 15,
                   [this] { orarioClick(); });

    QToolBar* way = addToolBar();
    addSpeedButton(way, QStringLiteral("esterno"), QStringLiteral("esterno"), 2, false, true, 17,
                   [this] { esternoClick(); });
    addSpeedButton(way, QStringLiteral("interno"), QStringLiteral("interno"), 2, false, false, 18,
                   [this] { internoClick(); });

    QToolBar* view = addToolBar();
    addSpeedButton(view, QStringLiteral("prospno"), QStringLiteral("prospno"), 7, true, false, 5,
                   [this] { prospnoClick(); });

    QToolBar* frame = addToolBar();
    addSpeedButton(frame, QStringLiteral("fis"), QStringLiteral("fis"), 6, false, true, 20, [this] { fisClick(); });
    addSpeedButton(frame, QStringLiteral("mobil"), QStringLiteral("mobil"), 6, false, false, 21,
                   [this] { mobilClick(); });

    QToolBar* actions = addToolBar();
    addToolButton(actions, QStringLiteral("disegna"), 1, 2, [this] { disegnaClick(); });
    QToolBar* help = addToolBar();
    addHelpButton(help);

    addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);

    setSpeed(90, 90);

    ferrel::create(w, h);
    // The form's black background, with the picture in its place.
    surface().brush.color = ferrel::kBlack;
    surface().fillRect({0, 0, w, h});
    const raster::Point origin = ferrel::pictureOrigin(w, h);
    surface().draw(origin.x, origin.y, ferrel::state().picture);
}

bool* Tferre::runningFlag() { return &ferrel::state().activationRunning; }

void Tferre::tempoTimer()
{
    if (ferrel::tick(surface(), clientWidth(), clientHeight(), isDown(QStringLiteral("pausa")))) {
        animationTimer()->setEnabled(false);
        control(QStringLiteral("disegna"))->widget->setEnabled(true);
    }
    refresh();
}

void Tferre::antiorarioClick() { ferrel::state().anticlockwise = true; }

void Tferre::orarioClick() { ferrel::state().anticlockwise = false; }

void Tferre::esternoClick() { ferrel::state().outwards = true; }

void Tferre::internoClick() { ferrel::state().outwards = false; }

void Tferre::prospnoClick() { ferrel::state().viewToggle = !ferrel::state().viewToggle; }

void Tferre::fisClick()
{
    ferrel::state().fixedChosen = true;
    ferrel::state().rotatingChosen = false;
}

void Tferre::mobilClick()
{
    ferrel::state().rotatingChosen = true;
    ferrel::state().fixedChosen = false;
}

void Tferre::disegnaClick()
{
    control(QStringLiteral("disegna"))->widget->setEnabled(false);
    ferrel::start(clientHeight());
    animationTimer()->setEnabled(true);
}

void Tferre::formClose() { ferrel::release(); }

std::size_t Tferre::modelBytes() const { return ferrel::bytes(); }
