// The Rayleigh-wave window: wires its tool bar, its timer and its handlers to the model.
#include "earthquakes/raylei_form.h"

#include <QFrame>
#include <QToolBar>
#include <QToolButton>

#include "earthquakes/raylei.h"

Tonder::Tonder(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tonder::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    QToolBar* first = addToolBar();
    addStandardControls(first);
    QToolBar* second = addToolBar();
    // The highlight button's tool bar refuses the pointer outside the button.
    second->setCursor(Qt::ForbiddenCursor);
    addSpeedButton(second, QStringLiteral("eviden"), QStringLiteral("eviden"), 1, true, false, 8,
                   [this] { evidenClick(); });
    QToolBar* third = addToolBar();
    addHelpButton(third);

    setSpeed(100, 100);

    Bevel1 = addBevel(this, QStringLiteral("Bevel1"),
                      QRect(w / 4 - 1, (h * 5) / 16 - 1, w / 2 + 3, (h * 3) / 8 + 3));

    surface().brush.color = raylei::kSilver;
    surface().fillRect({0, 0, w, h});

    raylei::create(w, h);
}

void Tonder::tempoTimer()
{
    if (raylei::tick(surface(), isDown(QStringLiteral("eviden")), isDown(QStringLiteral("pausa"))))
        control(QStringLiteral("eviden"))->widget->setEnabled(true);
    refresh();
}

void Tonder::evidenClick()
{
    raylei::startWipe();
    control(QStringLiteral("eviden"))->widget->setEnabled(false);
}

void Tonder::formClose() { raylei::release(); }

std::size_t Tonder::modelBytes() const
{
    return raylei::state().plain.bytes() + raylei::state().highlight.bytes();
}
