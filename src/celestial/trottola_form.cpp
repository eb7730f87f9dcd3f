// The spinning-top window: wires its tool bar, its timer and its view buttons to the model.
#include "celestial/trottola_form.h"

#include <QToolBar>

#include "celestial/trottola.h"
#include "shell/globals.h"

Tspins::Tspins(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tspins::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    // The timer keeps its design interval until the speed bar is moved.
    addAnimationTimer([this] { cadenzaTimer(); });

    QToolBar* speed = addToolBar();
    addStandardControls(speed);
    setPosition(QStringLiteral("velo"), 90);
    // The two views, a radio pair: one of them is always down.
    QToolBar* views = addToolBar();
    addSpeedButton(views, QStringLiteral("laterale"), QStringLiteral("laterale"), 2, false, true, 51,
                   [this] { lateraleClick(); });
    addSpeedButton(views, QStringLiteral("superiore"), QStringLiteral("superiore"), 2, false, false, 52,
                   [this] { superioreClick(); });
    addHelpButton(addToolBar());

    addPanel(QStringLiteral("Panel1"), orb::Dock::Top, 15, trottola::kBlack);
    addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);

    // The form's own background.
    surface().brush.color = trottola::kBlack;
    surface().fillRect({0, 0, w, h});

    trottola::create(w, h);
}

void Tspins::cadenzaTimer()
{
    if (trottola::tick(surface(), isDown(QStringLiteral("pausa"))))
        enableViews(true);
    refresh();
}

// No other view can be chosen until the wipe has ended.
void Tspins::enableViews(bool enabled)
{
    for (const char* name : {"laterale", "superiore"})
        control(QString::fromLatin1(name))->widget->setEnabled(enabled);
}

void Tspins::lateraleClick()
{
    if (trottola::chooseSide())
        enableViews(false);
}

void Tspins::superioreClick()
{
    if (trottola::chooseAbove())
        enableViews(false);
}

void Tspins::formClose() { trottola::release(); }

std::size_t Tspins::modelBytes() const
{
    return trottola::state().side.bytes() + trottola::state().top.bytes();
}
