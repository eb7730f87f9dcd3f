// The Earth-oscillation window: the globe twisting or breathing in its free oscillations, and
// turning about its axis when asked.
#include "earthquakes/oscillazioneb_form.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QToolBar>
#include <QToolButton>

#include "earthquakes/oscillazioneb.h"
#include "shell/globals.h"
#include "shell/texts.h"

namespace {
constexpr int kProgressWidth = 150;
}

Toscilla::Toscilla(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Toscilla::formCreate()
{
    const int w = clientWidth();
    // The window's colour is black.
    surface().brush.color = oscillazioneb::kBlack;
    surface().fillRect({0, 0, w, clientHeight()});

    addAnimationTimer([this] { tempoTimer(); });

    QToolBar* first = addToolBar();
    addStandardControls(first);
    QToolBar* second = addToolBar();
    addSpeedButton(second, QStringLiteral("rotazion"), QStringLiteral("rotazion"), 1, true, false, 10);
    QToolBar* third = addToolBar();
    const QStringList modes{QString::fromStdString(texts::HintTexts[69]),
                            QString::fromStdString(texts::HintTexts[70])};
    tipo = addDropDown(third, QStringLiteral("tipo"), modes, 0, 9);
    tipo->setStyleSheet(QStringLiteral("QComboBox { background: black; color: white; }"
                                       "QComboBox QAbstractItemView { background: black; color: white; }"));
    disegna = addToolButton(third, QStringLiteral("disegna"), 1, 3, [this] { disegnaClick(); });
    // "disegna" shows a mode newly chosen in the list.
    disegna->setEnabled(false);
    enableOnChange(QStringLiteral("disegna"), {QStringLiteral("tipo")});
    QToolBar* fourth = addToolBar();
    addHelpButton(fourth);

    // The bottom panel holds the progress bar, at its right, while pictures are drawn.
    sotto = addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight);
    Progressione = addProgress(sotto, QStringLiteral("Progressione"), 0, oscillazioneb::kProgressMaximum);
    Progressione->setGeometry(width() - kProgressWidth - 10, globals::ControlInset, kProgressWidth,
                              globals::ControlHeight);
    Progressione->hide();
    Label1 = addLabel(sotto, QStringLiteral("Label1"), QStringLiteral("Label1"));
    Label1->hide();

    setSpeed(90, 90);

    oscillazioneb::create();
}

void Toscilla::precompute()
{
    const int h = clientHeight();
    runWithProgress(Progressione, [h](const std::function<void(int)>& progress) {
        oscillazioneb::precompute(h, progress);
    });
}

void Toscilla::firstActivation() { precompute(); }

bool* Toscilla::firstActivationFlag() { return &oscillazioneb::state().FirstActivation; }

void Toscilla::tempoTimer()
{
    oscillazioneb::tick(surface(), clientWidth(), clientHeight(), isDown(QStringLiteral("pausa")),
                        isDown(QStringLiteral("rotazion")));
    refresh();
}

void Toscilla::disegnaClick()
{
    disegna->setEnabled(false);
    if (oscillazioneb::choose(tipo->currentIndex() + 1)) {
        // A mode shown for the first time is drawn as at the first activation, which then
        // restarts the animation.
        precompute();
        if (isActiveChild())
            animationTimer()->setEnabled(true);
    }
    oscillazioneb::show();
}

void Toscilla::formClose() { oscillazioneb::release(); }

void Toscilla::formActivated() { oscillazioneb::unpack(); }

void Toscilla::formDeactivated() { oscillazioneb::pack(); }

std::size_t Toscilla::modelBytes() const { return oscillazioneb::bytes(); }
