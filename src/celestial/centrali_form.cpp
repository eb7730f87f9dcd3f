// The central-forces window: wires its tool bar, its legend and its timer to the model.
#include "celestial/centrali_form.h"

#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QToolBar>
#include <QToolButton>

#include "celestial/centrali.h"
#include "shell/globals.h"
#include "shell/texts.h"

Tfcen::Tfcen(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tfcen::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    QToolBar* run = addToolBar();
    addStandardControls(run);
    // Five toggles, each in a group of its own that may be all up; the timer reads them.
    QToolBar* vectors = addToolBar();
    const char* names[] = {"forza", "velo", "accet", "accec"};
    for (int i = 0; i < 4; ++i) {
        const QString name = QString::fromLatin1(names[i]);
        addSpeedButton(vectors, name, name, i + 1, true, false, 44 + i);
    }
    // "permanente": a navy bold P on the button.
    QToolButton* perman =
        addSpeedButton(vectors, QStringLiteral("perman"), QString(), 5, true, false, 48);
    perman->setText(QStringLiteral("P"));
    QFont bold = perman->font();
    bold.setBold(true);
    perman->setFont(bold);
    QPalette navy = perman->palette();
    navy.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    perman->setPalette(navy);
    QToolBar* help = addToolBar();
    addHelpButton(help);
    setSpeed(110, 200 - 110);

    // The legend: each vector's name in its colour, black and bold, as wide as its text and one
    // blank, with a bevel 10 pixels after it and the next name 11 after that. The width is taken
    // in the bold font the name is shown in: the window's plain font would cut its ends off.
    QFrame* sotto = addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight);
    const struct {
        const char* name;
        raster::Color colour;
    } legend[4] = {{"Panel2", centrali::kRed},
                   {"Panel3", centrali::kLime},
                   {"Panel9", centrali::kFuchsia},
                   {"Panel10", centrali::kAqua}};
    int x = 8;
    for (int i = 0; i < 4; ++i) {
        const QString text = QString::fromStdString(texts::HintTexts[44 + i]);
        QLabel* panel = addLabel(sotto, QString::fromLatin1(legend[i].name), text);
        setColours(panel, centrali::kBlack, legend[i].colour, true);
        panel->setAlignment(Qt::AlignCenter);
        const int width = panel->fontMetrics().horizontalAdvance(text + QLatin1Char(' '));
        panel->setGeometry(x, globals::ControlInset, width, globals::ControlHeight);
        x += width + 10;
        addBevel(sotto, QStringLiteral("Bevel%1").arg(i + 1), QRect(x, -1, 2, globals::BarHeight), true);
        x += 2 + 11;
    }

    centrali::create(w, h);
    centrali::show(surface());
}

void Tfcen::tempoTimer()
{
    centrali::Toggles t;
    t.force = isDown(QStringLiteral("forza"));
    t.velocity = isDown(QStringLiteral("velo"));
    t.tangential = isDown(QStringLiteral("accet"));
    t.centripetal = isDown(QStringLiteral("accec"));
    t.permanent = isDown(QStringLiteral("perman"));
    centrali::tick(surface(), isDown(QStringLiteral("pausa")), t);
    refresh();
}

void Tfcen::formClose() { centrali::release(); }

std::size_t Tfcen::modelBytes() const { return centrali::bytes(); }
