// The expanding-universe window: wires its tool bar, its list of kinds and its timer to the model.
#include "celestial/espansione_form.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

#include "celestial/espansione.h"
#include "shell/globals.h"
#include "shell/texts.h"

Tespanduni::Tespanduni(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tespanduni::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    setControlBarName(QStringLiteral("ControlBar1"));
    setControlBarLook(espansione::kSilver, false);
    addAnimationTimer([this] { cadenzaTimer(); });
    animationTimer()->setInterval(100);

    // This window sets the shared bar height from its own font, for itself and for every window
    // opened after it.
    globals::BarHeight = 2 * QFontMetrics(font()).height();

    QToolBar* speed = addToolBar();
    addStandardControls(speed);
    setPosition(QStringLiteral("velo"), 100);

    // The kinds of universe, white bold text on black; choosing one waits for `aggiorna`.
    const QStringList items{QString::fromStdString(texts::HintTexts[espansione::kOpenRow]),
                            QString::fromStdString(texts::HintTexts[espansione::kClosedRow])};
    QToolBar* kinds = addToolBar();
    tipo = addDropDown(kinds, QStringLiteral("tipo"), items, 0, 53);
    tipo->setEditable(false);
    setColours(tipo, espansione::kBlack, espansione::kWhite, true);
    QToolBar* run = addToolBar();
    addToolButton(run, QStringLiteral("aggiorna"), 1, 3, [this] { aggiornaClick(); });
    addHelpButton(addToolBar());

    QFrame* sotto =
        addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);
    Label1 = addLabel(sotto, QStringLiteral("Label1"), QString());
    Label1->setFont(tipo->font());
    Label1->setStyleSheet(QStringLiteral("color: purple;"));
    Label1->hide();
    // The list is as wide as the wider of its items in Label1's font, plus the width of
    // `aggiorna`, plus 7.
    fitDropDown(tipo, Label1, control(QStringLiteral("aggiorna"))->widget->sizeHint().width() + 7);

    // The form's silver background.
    surface().brush.color = espansione::kSilver;
    surface().fillRect({0, 0, w, h});

    espansione::create(h);
}

void Tespanduni::cadenzaTimer()
{
    raster::Rect changed{0, 0, 0, 0};
    if (!espansione::tick(surface(), isDown(QStringLiteral("pausa")), &changed))
        animationTimer()->setEnabled(false);
    refresh(changed);
}

void Tespanduni::aggiornaClick()
{
    espansione::renew(tipo->currentIndex());
    animationTimer()->setEnabled(true);
}

void Tespanduni::formClose() { espansione::release(); }

std::size_t Tespanduni::modelBytes() const { return espansione::state().picture.bytes(); }
