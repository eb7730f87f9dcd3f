// The parabolic antenna window: wave fronts and rays at a dish, receiving or transmitting.
#include "misc/specparafronti_form.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QToolBar>
#include <QToolButton>

#include "misc/specparafronti.h"
#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/platform.h"

namespace {
const QString kRaggi = QStringLiteral("raggi");
const QString kFronti = QStringLiteral("fronti");
const QString kAggiorna = QStringLiteral("aggiorna");
}  // namespace

Tsconcavo::Tsconcavo(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tsconcavo::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    QToolBar* speed = addToolBar();
    addStandardControls(speed);
    setSpeed(120, 200 - 120);

    // Receiver or transmitter, in white on black.
    const QStringList items{QString::fromStdString(texts::HintTexts[59]),
                            QString::fromStdString(texts::HintTexts[60])};
    QToolBar* kind = addToolBar();
    tipo = addDropDown(kind, QStringLiteral("tipo"), items, 0, -1, [this] { tipoChange(); });
    tipo->setStyleSheet(QStringLiteral("QComboBox { background: black; color: white; }"
                                       "QComboBox QAbstractItemView { background: black; color: white; }"));
    QToolBar* compute = addToolBar();
    QToolButton* aggiorna = addToolButton(compute, kAggiorna, 1, 3, [this] { aggiornaClick(); });
    aggiorna->setEnabled(false);
    QToolBar* views = addToolBar();
    addCheckButton(views, kRaggi, 20, 58, [this] { raggiClick(); });
    addSpeedButton(views, kFronti, QStringLiteral("disegna"), 4, true, false, 61, [this] { frontiClick(); })
        ->setEnabled(false);
    QToolBar* help = addToolBar();
    addHelpButton(help);

    QFrame* sotto = addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);
    progresso = addProgress(sotto, QStringLiteral("progresso"), 0, 100);
    const int progressWidth = 150;
    progresso->setGeometry(width() - progressWidth - 5, globals::ControlInset, progressWidth, globals::ControlHeight);
    progresso->hide();
    Label1 = addLabel(sotto, QStringLiteral("Label1"), QString());
    Label1->setFont(tipo->font());
    Label1->hide();
    // The list is as wide as its wider item, plus the width of `aggiorna`, plus 7.
    fitDropDown(tipo, Label1, aggiorna->sizeHint().width() + 7);

    surface().brush.color = specparafronti::kBlack;
    surface().fillRect({0, 0, w, h});
    specparafronti::create(w, h, orb::platform::screenSize().width());
}

void Tsconcavo::firstActivation() { aggiornaClick(); }

bool* Tsconcavo::firstActivationFlag() { return &specparafronti::state().FirstActivation; }

bool* Tsconcavo::runningFlag() { return &specparafronti::state().running; }

void Tsconcavo::tipoChange()
{
    specparafronti::choose(tipo->currentIndex());
    control(kAggiorna)->widget->setEnabled(true);
}

void Tsconcavo::raggiClick()
{
    // The fronts can be hidden only while the rays are shown.
    const bool rays = isDown(kRaggi);
    if (!rays)
        setDown(kFronti, false);
    control(kFronti)->widget->setEnabled(rays);
}

void Tsconcavo::frontiClick()
{
    // These two hints are Italian in every language.
    setHint(*control(kFronti), isDown(kFronti) ? QStringLiteral("mostra i fronti d'onda")
                                               : QStringLiteral("nasconde i fronti d'onda"));
}

void Tsconcavo::aggiornaClick()
{
    if (!specparafronti::state().recompute)
        return;
    setDown(kRaggi, false);
    setDown(kFronti, false);
    control(kRaggi)->widget->setEnabled(false);
    control(kFronti)->widget->setEnabled(false);
    const int w = clientWidth();
    const int h = clientHeight();
    progresso->setRange(0, specparafronti::progressMaximum(specparafronti::geometry(w, h, specparafronti::state().f0)));
    const int item = tipo->currentIndex();
    runWithProgress(progresso, [&](const std::function<void(int)>& progress) {
        specparafronti::precompute(w, h, item, progress);
    });
    // The rays are up again, so the fronts stay shown and their button waits for the rays.
    control(kRaggi)->widget->setEnabled(true);
    animationTimer()->setEnabled(true);
}

void Tsconcavo::tempoTimer()
{
    specparafronti::tick(surface(), clientHeight(), isDown(QStringLiteral("pausa")), isDown(kFronti),
                         isDown(kRaggi));
    refresh();
}

void Tsconcavo::formClose() { specparafronti::release(); }

std::size_t Tsconcavo::modelBytes() const { return specparafronti::bytes(); }
