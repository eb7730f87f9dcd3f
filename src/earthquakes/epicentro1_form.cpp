// The epicentre window: three stations time the P and S waves of a random earthquake, a
// travel-time chart turns the delays into distances, and three circles meet at the epicentre.
#include "earthquakes/epicentro1_form.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>

#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/platform.h"
#include "shell/colours.h"

namespace {

const char* timerName(epicentro1::TimerId id)
{
    switch (id) {
    case epicentro1::TimerId::tempo: return "tempo";
    case epicentro1::TimerId::temposec: return "temposec";
    case epicentro1::TimerId::Timer1: return "Timer1";
    case epicentro1::TimerId::Timer2: return "Timer2";
    case epicentro1::TimerId::Timer3: return "Timer3";
    }
    return "";
}

// A read-only result field on black in its colour.
void styleField(QLineEdit* e, raster::Color colour, int pixelSize, bool bold, bool border)
{
    QPalette p = e->palette();
    p.setColor(QPalette::Base, Qt::black);
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::Text, QColor(static_cast<QRgb>(colour)));
    e->setPalette(p);
    QFont f = e->font();
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    e->setFont(f);
    e->setFrame(border);
    e->setFocusPolicy(Qt::NoFocus);
    e->hide();
}

using namespace orb::palette;

}  // namespace

Tepice1::Tepice1(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tepice1::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    // The window's colour is black.
    surface().brush.color = raster::rgb(0, 0, 0);
    surface().fillRect({0, 0, w, h});

    addTimer(QStringLiteral("tempo"), 90, true, [this] { tempoTimer(); });
    addTimer(QStringLiteral("temposec"), 90, false, [this] { temposecTimer(); });
    addTimer(QStringLiteral("Timer1"), 1, false, [this] { Timer1Timer(); });
    addTimer(QStringLiteral("Timer2"), 1, false, [this] { Timer2Timer(); });
    addTimer(QStringLiteral("Timer3"), 1, false, [this] { Timer3Timer(); });

    QToolBar* first = addToolBar();
    addCheckButton(first, QStringLiteral("pausa"), 0, 0);
    addTrackBar(first, QStringLiteral("cadenza"), 5, 195, 1, [this] { cadenzaChange(); });
    QToolBar* second = addToolBar();
    addCheckButton(second, QStringLiteral("suono"), 37, 19);
    addToolButton(second, QStringLiteral("graf"), 3, 11, [this] { grafClick(); })->setEnabled(false);
    addToolButton(second, QStringLiteral("traccia"), 4, 12, [this] { tracciaClick(); })->setEnabled(false);
    addToolButton(second, QStringLiteral("pagi"), 5, 13, [this] { pagiClick(); })->setEnabled(false);
    addToolButton(second, QStringLiteral("disegna"), 1, -1, [this] { disegnaClick(); });
    // disegna keeps the hint it was designed with, in every language.
    setHint(*control(QStringLiteral("disegna")), QStringLiteral("nuovo"));
    QToolBar* third = addToolBar();
    addHelpButton(third);
    setPosition(QStringLiteral("cadenza"), 90);

    // The frame round the picture and the result line at the bottom.
    globals::ControlInset = (globals::BarHeight - globals::ControlHeight) / 2;
    sotto = addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight);
    addPanel(QStringLiteral("Panel1"), orb::Dock::Top, 20);
    addPanel(QStringLiteral("Panel2"), orb::Dock::Bottom, 20);
    addPanel(QStringLiteral("Panel3"), orb::Dock::Left, 15, raster::rgb(0, 0, 0));
    addPanel(QStringLiteral("Panel4"), orb::Dock::Right, 15, raster::rgb(0, 0, 0));

    for (int k = 0; k < epicentro1::kStations; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const raster::Color colour = epicentro1::stationColour(k);
        t[i] = addEdit(sotto, QStringLiteral("t%1").arg(k + 1), -1, true);
        styleField(t[i], colour, 12, true, true);
        r[i] = addEdit(sotto, QStringLiteral("r%1").arg(k + 1), -1, true);
        styleField(r[i], colour, 12, true, true);
        a[i] = addEdit(this, QStringLiteral("a%1").arg(k + 1), -1, true);
        styleField(a[i], colour, 12, true, false);
    }
    a4 = addEdit(this, QStringLiteral("a4"), -1, true);
    styleField(a4, kYellow, 15, false, false);

    // Each station's delay and distance side by side in its third of sotto.
    const QFontMetrics fm(t[0]->font());
    const int fieldWidth = std::max(fm.horizontalAdvance(QStringLiteral(" \u0394T = 0000")),
                                    fm.horizontalAdvance(QStringLiteral(" d = 00000"))) + 10;
    const int third3 = std::max(width() - 30, 3) / 3;   // thirds of the bar, as wide as the window
    const int width = std::max(std::min(fieldWidth, (third3 - 12) / 2), 10);
    for (int k = 0; k < epicentro1::kStations; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const int left = 15 + k * third3;
        t[i]->setGeometry(left, globals::ControlInset, width, globals::ControlHeight);
        r[i]->setGeometry(left + width + 6, globals::ControlInset, width, globals::ControlHeight);
        const raster::Point p = epicentro1::counterPosition(w, h, k);
        a[i]->setGeometry(p.x, p.y, QFontMetrics(a[i]->font()).horizontalAdvance(QStringLiteral("0000")) + 8,
                          QFontMetrics(a[i]->font()).height() + 2);
    }
    const raster::Point p4 = epicentro1::traceCounterPosition(w, h);
    const QFontMetrics fm4(a4->font());
    a4->setGeometry(p4.x, p4.y, fm4.horizontalAdvance(QStringLiteral("\u0394T = 0000")) + 8, fm4.height() + 2);

    epicentro1::create(w, h);
    showState();
}

void Tepice1::firstActivation() { disegnaClick(); }

bool* Tepice1::firstActivationFlag() { return &epicentro1::state().FirstActivation; }

bool* Tepice1::runningFlag() { return &epicentro1::state().tempoRunning; }

void Tepice1::formActivated()
{
    timer(QStringLiteral("temposec"))->setEnabled(epicentro1::state().temposecRunning);
}

void Tepice1::formDeactivated()
{
    orb::Timer* temposec = timer(QStringLiteral("temposec"));
    epicentro1::state().temposecRunning = temposec->enabled();
    temposec->setEnabled(false);
}

void Tepice1::setTimer(epicentro1::TimerId id, bool enabled)
{
    timer(QString::fromLatin1(timerName(id)))->setEnabled(enabled);
}

void Tepice1::beep() { orb::platform::beep(); }

void Tepice1::tempoTimer()
{
    epicentro1::tempoTimer(surface(), isDown(QStringLiteral("pausa")), isDown(QStringLiteral("suono")), *this);
    showState();
}

void Tepice1::temposecTimer()
{
    epicentro1::temposecTimer(surface(), isDown(QStringLiteral("pausa")), *this);
    showState();
}

void Tepice1::Timer1Timer()
{
    epicentro1::timer1Timer(*this);
    showState();
}

void Tepice1::Timer2Timer()
{
    epicentro1::timer2Timer(surface(), *this);
    showState();
}

void Tepice1::Timer3Timer()
{
    epicentro1::timer3Timer(surface(), *this);
    showState();
}

void Tepice1::disegnaClick()
{
    epicentro1::disegnaClick(*this);
    showState();
}

void Tepice1::grafClick()
{
    epicentro1::grafClick(surface(), *this);
    showState();
}

void Tepice1::tracciaClick()
{
    epicentro1::tracciaClick(*this);
    showState();
}

void Tepice1::pagiClick()
{
    epicentro1::pagiClick(surface(), *this);
    showState();
}

void Tepice1::cadenzaChange()
{
    const int interval = 200 - position(QStringLiteral("cadenza"));
    for (const char* name : {"tempo", "temposec", "Timer1"})
        timer(QString::fromLatin1(name))->setInterval(interval);
}

void Tepice1::showState()
{
    const epicentro1::Controls& ui = epicentro1::state().ui;
    const std::pair<const char*, bool> buttons[] = {{"pausa", ui.pausa}, {"graf", ui.graf},
                                                    {"traccia", ui.traccia}, {"pagi", ui.pagi},
                                                    {"disegna", ui.disegna}};
    for (const auto& [name, enabled] : buttons)
        control(QString::fromLatin1(name))->widget->setEnabled(enabled);
    auto show = [](QLineEdit* e, const epicentro1::Field& f) {
        const QString text = QString::fromStdString(f.text);
        if (e->text() != text)
            e->setText(text);
        e->setVisible(f.visible);
    };
    for (std::size_t i = 0; i < t.size(); ++i) {
        show(t[i], ui.t[i]);
        show(r[i], ui.r[i]);
        show(a[i], ui.a[i]);
    }
    show(a4, ui.a4);
    if (ui.pagiHintRow != pagiHintRow_) {
        pagiHintRow_ = ui.pagiHintRow;
        setHint(*control(QStringLiteral("pagi")), QString::fromStdString(texts::HintTexts[pagiHintRow_]));
    }
    refresh();
}

void Tepice1::formClose() { epicentro1::release(); }

std::size_t Tepice1::modelBytes() const
{
    const epicentro1::State& s = epicentro1::state();
    return s.map.bytes() + s.chart.bytes();
}

