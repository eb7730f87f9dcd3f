// The tides window: the ocean's bulges raised by the Moon, the force arrows and the tide's name.
#include "earthmoon/maree_form.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QToolBar>

#include "earthmoon/maree.h"
#include "shell/globals.h"
#include "shell/texts.h"

namespace {

QString hintText(int row) { return QString::fromStdString(texts::HintTexts[row]); }

// A legend or name label of the bottom panel: at x, `top` and the controls' height, in bold.
QLabel* placeLabel(QLabel* label, int x, int top, const QColor& colour, bool italic)
{
    QFont f = label->font();
    f.setBold(true);
    f.setItalic(italic);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    label->move(x, top);
    label->setFixedHeight(globals::ControlHeight);
    return label;
}

}  // namespace

Tmarea::Tmarea(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tmarea::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    setControlBarName(QStringLiteral("barramenu"));
    setControlBarLook(raster::rgb(192, 192, 192));

    QToolBar* first = addToolBar();
    addStandardControls(first);
    QToolBar* second = addToolBar();
    addSpeedButton(second, QStringLiteral("vettorig"), QStringLiteral("vettorig"), 1, true, false, 34,
                   [this] { vettorigClick(); });
    addSpeedButton(second, QStringLiteral("vettoric"), QStringLiteral("vettoric"), 2, true, false, 23,
                   [this] { vettoricClick(); });
    addSpeedButton(second, QStringLiteral("vettorir"), QStringLiteral("vettorir"), 3, true, false, 35,
                   [this] { vettorirClick(); });
    QToolBar* third = addToolBar();
    addHelpButton(third);
    setPosition(QStringLiteral("cadenza"), 90);
    // Until the speed bar is first moved the interval stays 90 ms.
    animationTimer()->setInterval(90);

    // The bottom panel: the tide's name, then the three legends between raised separators.
    QFrame* sotto = addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);
    globals::ControlInset = (globals::BarHeight - globals::ControlHeight) / 2;
    const int top = globals::ControlInset;
    testo = placeLabel(addLabel(sotto, QStringLiteral("testo"), QString()), 16, top, Qt::black, false);
    QFont name = testo->font();
    name.setPixelSize(13);
    testo->setFont(name);
    testo->setFixedWidth(137);
    Label1 = placeLabel(addLabel(sotto, QStringLiteral("Label1"), QString()), 184, top, QColor(255, 0, 0), true);
    Label2 = placeLabel(addLabel(sotto, QStringLiteral("Label2"), QString()), 312, top, QColor(255, 255, 0), true);
    Label3 = placeLabel(addLabel(sotto, QStringLiteral("Label3"), QString()), 456, top, QColor(0, 255, 255), true);
    const int bevels[] = {164, 304, 434, 574};
    for (int i = 0; i < 4; ++i)
        addBevel(sotto, QStringLiteral("Bevel%1").arg(i + 1),
                 QRect(bevels[i], top - 2, 2, globals::ControlHeight + 4), true);

    maree::create(w, h);
    // The window's own colour is black; the Sun stands at its right edge.
    raster::Canvas& c = surface();
    c.brush.color = maree::kBlack;
    c.fillRect({0, 0, w, h});
    maree::paint(c, w, h);
}

void Tmarea::tempoTimer()
{
    const maree::TickResult r =
        maree::tick(surface(), clientWidth(), clientHeight(), isDown(QStringLiteral("pausa")));
    if (r.advanced)
        testo->setText(r.tideRow >= 0 ? hintText(r.tideRow) : QString());
    refresh();
}

void Tmarea::toggleArrows(maree::Arrows group, QLabel* legend, int hintRow)
{
    const bool on = maree::toggle(group);
    legend->setText(on ? QStringLiteral(" ------> ") + hintText(hintRow) : QStringLiteral(" "));
    legend->adjustSize();
}

void Tmarea::vettorigClick()
{
    toggleArrows(maree::Arrows::Attraction, Label1, maree::kAttractionRow);
}

void Tmarea::vettoricClick()
{
    toggleArrows(maree::Arrows::Centrifugal, Label2, maree::kCentrifugalRow);
}

void Tmarea::vettorirClick()
{
    toggleArrows(maree::Arrows::Resultant, Label3, maree::kResultantRow);
}

void Tmarea::formClose() { maree::release(); }

std::size_t Tmarea::modelBytes() const { return maree::bytes(); }
