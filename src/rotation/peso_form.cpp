// The weight-variation window: gravity, the centrifugal force and the weight at a point of the
// flattened Earth, stepped round the section by the "continue" button or the Return key.
#include "rotation/peso_form.h"

#include <QFrame>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

#include "rotation/peso.h"
#include "shell/globals.h"
#include "shell/texts.h"

namespace {
// The force buttons, in the order of peso::Force: each in a group of its own (1 to 4) that may be
// all up, with its HintTexts row and the model's handler of its click.
struct ForceButton {
    const char* name;
    int hintRow;
    void (*click)();
};
const ForceButton kForceButtons[4] = {
    {"gravi", 22, &peso::graviClick},
    {"centrifuga", 23, &peso::centrifugaClick},
    {"comp", 24, &peso::compClick},
    {"risul", 25, &peso::risulClick},
};
}  // namespace

Tvarpeso::Tvarpeso(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tvarpeso::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    QToolBar* forces = addToolBar();
    for (int i = 0; i < 4; ++i) {
        const ForceButton& b = kForceButtons[i];
        const QString name = QString::fromLatin1(b.name);
        addSpeedButton(forces, name, name, i + 1, true, i == peso::Gravity, b.hintRow, [this, click = b.click] {
            click();
            showButtons();
        });
    }
    QToolBar* step = addToolBar();
    addToolButton(step, QStringLiteral("contin"), 8, 26, [this] { continClick(); });
    // The tooltip says "continue"; the long hint, "or press the key", goes to the status line.
    setHint(*control(QStringLiteral("contin")),
            QString::fromStdString(texts::HintTexts[26] + texts::CaptionTexts[12]));
    addHelpButton(addToolBar());

    // Black margins round the picture, and the status line at the bottom.
    addPanel(QStringLiteral("Panel1"), orb::Dock::Top, 15, peso::kBlack);
    QFrame* sotto = addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);
    addPanel(QStringLiteral("Panel2"), orb::Dock::Bottom, 15, peso::kBlack);
    addPanel(QStringLiteral("Panel3"), orb::Dock::Left, 15, peso::kBlack);
    addPanel(QStringLiteral("Panel4"), orb::Dock::Right, 15, peso::kBlack);
    Label1 = addLabel(sotto, QStringLiteral("Label1"), QString());
    Label1->move(8, globals::ControlInset);
    invio = addReturnKeySign(sotto, QStringLiteral("invio"),
                             (globals::BarHeight - globals::ControlHeight - 2) / 2);

    // The window's own colour is black until the first step draws the picture.
    surface().brush.color = peso::kBlack;
    surface().fillRect({0, 0, w, h});
    peso::create(w, h);
    showButtons();

    setHintHandler([this](const QString& hint) { showHint(hint); }, HintPart::Long);
    setKeyPreview({Qt::Key_Return, Qt::Key_Enter});
}

void Tvarpeso::formActivated() { peso::activate(); }

void Tvarpeso::formDeactivated() { peso::deactivate(); }

void Tvarpeso::formClose()
{
    setHintHandler({});
    peso::release();
}

void Tvarpeso::keyPressed(int qtKey)
{
    if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter)
        continClick();
}

std::size_t Tvarpeso::modelBytes() const { return peso::state().background.bytes(); }

void Tvarpeso::tempoTimer()
{
    if (peso::tick(surface(), clientWidth(), clientHeight()))
        refresh();
}

void Tvarpeso::continClick() { peso::toggleStep(); }

void Tvarpeso::showButtons()
{
    const peso::State& s = peso::state();
    for (int i = 0; i < 4; ++i) {
        const QString name = QString::fromLatin1(kForceButtons[i].name);
        setDown(name, s.shown[static_cast<std::size_t>(i)]);
        control(name)->widget->setEnabled(s.enabled[static_cast<std::size_t>(i)]);
    }
}

void Tvarpeso::showHint(const QString& hint)
{
    showHintWithKey(Label1, invio, hint, control(QStringLiteral("contin"))->widget->isEnabled());
}
