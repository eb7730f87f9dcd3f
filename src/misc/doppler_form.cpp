// The Doppler comparison window: wires its tool bar, its timer and its handlers to the model.
#include "misc/doppler_form.h"

#include <QFrame>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

#include "misc/doppler.h"
#include "shell/globals.h"

namespace {
const QString kAllon = QStringLiteral("allon");
const QString kQuiete = QStringLiteral("quiete");
const QString kAvvic = QStringLiteral("avvic");
constexpr int kPanelWidth = 185;
constexpr int kPanelHeight = 20;
}  // namespace

Tdop::Tdop(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tdop::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    language_ = globals::LanguageIndex;
    addAnimationTimer([this] { tempoTimer(); });

    QToolBar* speed = addToolBar();
    addStandardControls(speed);
    setSpeed(110, 200 - 110);

    // The motion of S' (one of three, S' still at first) and the signal that reverses the phase.
    QToolBar* motion = addToolBar();
    addSpeedButton(motion, kAllon, kAllon, 2, false, false, 62, [this] { allonClick(); });
    addSpeedButton(motion, kQuiete, kQuiete, 2, false, true, 63, [this] { quieteClick(); });
    addSpeedButton(motion, kAvvic, kAvvic, 2, false, false, 64, [this] { avvicClick(); });
    nuvole = addToolButton(motion, QStringLiteral("nuvole"), 7, 65, [this] { nuvoleClick(); });
    QToolBar* help = addToolBar();
    addHelpButton(help);

    // The labels of the still source and of the two observers, at the height of their axes.
    const int p = std::max(1, w / 80);
    const struct {
        const char* name;
        const char* text;
        int x, y;
    } marks[] = {{"st1", "S", w / 2 - 8 * p, h / 3}, {"st2", "O", w - 3 * p, h / 3},
                 {"st3", "O'", w - 3 * p, 2 * h / 3}};
    for (const auto& m : marks) {
        QLabel* label = addLabel(this, QString::fromLatin1(m.name), QString::fromLatin1(m.text));
        setColours(label, doppler::kBlack, doppler::kWhite);
        label->adjustSize();
        label->move(m.x, m.y);
    }

    // The bottom panel: the state of S' in words, in a black panel inside a lowered frame.
    QFrame* sotto = addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);
    Panel4 = addLabel(sotto, QStringLiteral("Panel4"), QStringLiteral("Sorgente in quiete"));
    setColours(Panel4, doppler::kBlack, doppler::kWhite);
    Panel4->setAlignment(Qt::AlignCenter);
    // As wide as its longest text needs, where the design width would cut it.
    int width = kPanelWidth;
    for (auto m : {doppler::Motion::Still, doppler::Motion::Away, doppler::Motion::Approaching})
        for (int language = 0; language < 3; ++language)
            width = std::max(width, Panel4->fontMetrics().horizontalAdvance(
                                        QString::fromStdString(*doppler::motionText(m, language))) + 12);
    const int top = (globals::BarHeight - kPanelHeight) / 2;
    addBevel(sotto, QStringLiteral("Bevel1"), QRect(6, top - 2, width + 4, kPanelHeight + 4));
    Panel4->setGeometry(8, top, width, kPanelHeight);
    showMotion(doppler::Motion::Still, false);

    // The form's black background.
    surface().brush.color = doppler::kBlack;
    surface().fillRect({0, 0, w, h});

    doppler::create(w, h);
}

void Tdop::showMotion(doppler::Motion m, bool colour)
{
    if (colour)
        setColours(Panel4, doppler::kBlack, doppler::motionColour(m));
    if (const auto text = doppler::motionText(m, language_))
        Panel4->setText(QString::fromStdString(*text));
}

void Tdop::tempoTimer()
{
    const doppler::TickResult r = doppler::tick(surface(), isDown(QStringLiteral("pausa")));
    if (r.signalReady)
        nuvole->setEnabled(true);
    if (r.stopped) {
        // S' has stopped by itself: still, in words, but in the colour of its last motion.
        setDown(kAllon, false);
        setDown(kAvvic, false);
        setDown(kQuiete, true);
        showMotion(doppler::Motion::Still, false);
    }
    refresh();
}

void Tdop::allonClick()
{
    showMotion(doppler::Motion::Away, true);
    doppler::setMotion(doppler::Motion::Away);
}

void Tdop::quieteClick()
{
    showMotion(doppler::Motion::Still, true);
    doppler::setMotion(doppler::Motion::Still);
}

void Tdop::avvicClick()
{
    showMotion(doppler::Motion::Approaching, true);
    doppler::setMotion(doppler::Motion::Approaching);
}

void Tdop::nuvoleClick()
{
    nuvole->setEnabled(false);
    doppler::reverse();
}

void Tdop::formClose() { doppler::release(); }

std::size_t Tdop::modelBytes() const { return doppler::bytes(); }
