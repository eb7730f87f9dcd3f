// The lunar-motion window: wires its tool bar, its timer and its two toggles to the model.
#include "earthmoon/motilunar_form.h"

#include <QToolBar>

#include "earthmoon/motilunar.h"

Tmotlun::Tmotlun(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tmotlun::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    QToolBar* first = addToolBar();
    addStandardControls(first);
    QToolBar* second = addToolBar();
    addSpeedButton(second, QStringLiteral("vistauno"), QStringLiteral("prono"), 2, true, false, 5,
                   [this] { vistaunoClick(); });
    addSpeedButton(second, QStringLiteral("traiet"), QStringLiteral("traiet"), 7, true, false, 6,
                   [this] { traietClick(); });
    // This window's help button carries the shared image 1.
    QToolBar* third = addToolBar();
    addToolButton(third, QStringLiteral("guida"), 1, 4, [this] { showHelp(); });

    setPosition(QStringLiteral("cadenza"), 90);
    // Until the speed bar is first moved the interval stays 90 ms.
    animationTimer()->setInterval(90);

    setControlBarLook(raster::rgb(192, 192, 192));

    // The form's black background.
    surface().brush.color = motilunar::kBlack;
    surface().fillRect({0, 0, w, h});

    motilunar::create(w, h);
}

void Tmotlun::firstActivation() { motilunar::precompute(clientWidth(), clientHeight()); }

bool* Tmotlun::firstActivationFlag() { return &motilunar::state().FirstActivation; }

void Tmotlun::formActivated() { motilunar::restart(); }

void Tmotlun::tempoTimer()
{
    if (motilunar::tick(surface(), clientWidth(), clientHeight(), isDown(QStringLiteral("pausa"))))
        control(QStringLiteral("vistauno"))->widget->setEnabled(true);
    refresh();
}

void Tmotlun::vistaunoClick()
{
    motilunar::changeView(isDown(QStringLiteral("vistauno")));
    // No second click until the change of view has ended.
    control(QStringLiteral("vistauno"))->widget->setEnabled(false);
}

void Tmotlun::traietClick() { motilunar::toggleTrail(); }

void Tmotlun::formClose() { motilunar::release(); }

std::size_t Tmotlun::modelBytes() const { return motilunar::bytes(); }
