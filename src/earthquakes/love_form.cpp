// The Love-wave window: a slab of ground whose planes swing sideways as a Love wave passes.
#include "earthquakes/love_form.h"

#include <QToolBar>

#include "earthquakes/love.h"

Tondel::Tondel(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tondel::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    addStandardControls(addToolBar());
    addHelpButton(addToolBar());

    // The bar stands at 120, but the interval stays 100 until the bar is first moved.
    setSpeed(120, 100);

    addBevel(this, QStringLiteral("Bevel1"), QRect(w / 4 - 1, (h * 5) / 16 - 1, w / 2 + 3, (h * 3) / 8 + 3));

    love::create(w, h);
}

void Tondel::tempoTimer()
{
    love::tick(surface(), clientWidth(), clientHeight(), isDown(QStringLiteral("pausa")));
    refresh();
}

void Tondel::formClose() { love::release(); }

std::size_t Tondel::modelBytes() const { return love::state().picture.bytes(); }
