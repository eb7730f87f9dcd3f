// The window of Kepler's third law: wires its tool bar, its timer, the value boxes and the tick
// counter to the model.
#include "solarsystem/tkeplero_form.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QToolBar>

#include <algorithm>
#include <array>

#include "shell/globals.h"
#include "solarsystem/tkeplero.h"

namespace {

// A box of bold text on black in the given colour.
void paintBox(QLabel* box, const QColor& text)
{
    box->setAutoFillBackground(true);
    QPalette p = box->palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, text);
    box->setPalette(p);
    QFont f = box->font();
    f.setBold(true);
    box->setFont(f);
}

}  // namespace

Tktres::Tktres(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tktres::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    QToolBar* first = addToolBar();
    addStandardControls(first);
    QToolBar* second = addToolBar();
    addSpeedButton(second, QStringLiteral("orbite"), QStringLiteral("orbite"), 2, true, false, 33,
                   [this] { orbiteClick(); });
    addToolButton(second, QStringLiteral("nuovo"), 1, 3, [this] { nuovoClick(); });
    QToolBar* third = addToolBar();
    addHelpButton(third);
    setSpeed(110, 200 - 110);

    tkeplero::create(w, h);
    const tkeplero::State& s = tkeplero::state();

    // The window's black background, under the scene shown from H div 4 down.
    surface().brush.color = tkeplero::kBlack;
    surface().fillRect({0, 0, w, h});

    // The elapsed ticks, centred under the orbits.
    Panel2 = addLabel(this, QStringLiteral("Panel2"), QString());
    paintBox(Panel2, Qt::white);
    Panel2->setAlignment(Qt::AlignCenter);
    const int counterWidth = Panel2->fontMetrics().horizontalAdvance(QStringLiteral("88888888")) + 16;
    Panel2->setGeometry((w - counterWidth) / 2, (3 * h) / 4, counterWidth, globals::ControlHeight);

    // The bottom panel: for each planet its radius and period in its colour, then a separator.
    QFrame* sotto = addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight);
    globals::ControlInset = (globals::BarHeight - globals::ControlHeight) / 2;
    std::array<QString, 2 * tkeplero::kPlanets> texts;
    for (std::size_t k = 0; k < tkeplero::kPlanets; ++k) {
        texts[2 * k] = QString::fromStdString(tkeplero::radiusText(s.radius[k]));
        texts[2 * k + 1] = QString::fromStdString(tkeplero::periodText(s.halfPeriod[k]));
    }
    int boxWidth = 0;
    int x = 8;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        QLabel* box = addLabel(sotto, QStringLiteral("Panel%1").arg(i + 3), texts[i]);
        const raster::Color c = tkeplero::kPlanetColours[i / 2];
        paintBox(box, QColor::fromRgb(c));
        box->setAlignment(Qt::AlignCenter);
        if (boxWidth == 0)
            for (const QString& t : texts)
                boxWidth = std::max(boxWidth, box->fontMetrics().horizontalAdvance(t) + 12);
        box->setGeometry(x, globals::ControlInset, boxWidth, globals::ControlHeight);
        x += boxWidth + 4;
        if (i % 2 == 1) {
            addBevel(sotto, QStringLiteral("Bevel%1").arg(i / 2 + 1), QRect(x + 2, -1, 2, globals::BarHeight),
                     true);
            x += 10;
        }
    }
}

void Tktres::tempoTimer()
{
    std::vector<raster::Rect> drawn;
    const int shown = tkeplero::tick(surface(), isDown(QStringLiteral("pausa")), &drawn);
    if (shown >= 0)
        Panel2->setText(QString::fromStdString(tkeplero::tickText(shown)));
    for (const raster::Rect& r : drawn)
        refresh(r);
}

void Tktres::orbiteClick()
{
    tkeplero::redrawScene(isDown(QStringLiteral("orbite")));
}

void Tktres::nuovoClick() { tkeplero::restart(isDown(QStringLiteral("orbite"))); }

void Tktres::formClose() { tkeplero::release(); }

std::size_t Tktres::modelBytes() const { return tkeplero::bytes(); }
