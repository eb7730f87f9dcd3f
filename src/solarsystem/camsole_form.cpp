// The window of the Sun's apparent path: wires its tool bar, its three timers, the latitude's spin
// buttons and the bottom panel's labels to the model.
#include "solarsystem/camsole_form.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>

#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/platform.h"
#include "solarsystem/camsole.h"
#include "shell/colours.h"

namespace {

using namespace orb::palette;

QString hintText(int row) { return QString::fromStdString(texts::HintTexts[row]); }

}  // namespace

Tcammin::Tcammin(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tcammin::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    // The model first: the latitude that the controls show is the one it is created with.
    camsole::create(w, h);
    const camsole::State& s = camsole::state();
    surface().brush.color = kBlack;
    surface().fillRect({0, 0, w, h});

    addTimer(QStringLiteral("tempo"), 90, false, [this] { tempoTimer(); });
    addTimer(QStringLiteral("tempo1"), 90, false, [this] { tempo1Timer(); });
    addTimer(QStringLiteral("Timer1"), 1000, true, [this] { Timer1Timer(); });

    QToolBar* first = addToolBar();
    addStandardControls(first);
    control(QStringLiteral("cadenza"))->onClick = [this] { cadenzaChange(); };
    setPosition(QStringLiteral("cadenza"), 90);

    // The trace, and the latitude in degrees and minutes between their spin buttons. The trace
    // button shows the trace setting that the unit kept from an earlier opening.
    QToolBar* second = addToolBar();
    addSpeedButton(second, QStringLiteral("traiet"), QStringLiteral("traiet"), 2, true, s.TraceOn, 33,
                   [this] { traietClick(); });
    addSpinButton(second, QStringLiteral("gradis"), 40, [this] { gradisUpClick(); },
                  [this] { gradisDownClick(); });
    Edit6 = addEdit(second, QStringLiteral("Edit6"), 40, true);
    Edit5 = addEdit(second, QStringLiteral("Edit5"), 41, true);
    for (QLineEdit* e : {Edit6, Edit5}) {
        setColours(e, kBlack, kWhite);
        e->setAlignment(Qt::AlignCenter);
        e->setFocusPolicy(Qt::NoFocus);
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 12);
    }
    Edit6->setText(QStringLiteral("30"));
    Edit5->setText(QStringLiteral("0"));
    addSpinButton(second, QStringLiteral("primis"), 41, [this] { primisUpClick(); },
                  [this] { primisDownClick(); });
    QToolBar* third = addToolBar();
    addToolButton(third, QStringLiteral("partenza"), 6, 2, [this] { partenzaClick(); });
    addToolButton(third, QStringLiteral("fine"), 1, 3, [this] { fineClick(); });
    QToolBar* fourth = addToolBar();
    addHelpButton(fourth);

    // The marks of the picture, south, zenith and north: yellow on black, no frame, each as wide
    // as its text; and the pole star's legend.
    const auto mark = [this](const char* name, const QString& text) {
        QLineEdit* e = addEdit(this, QString::fromLatin1(name), -1, true);
        setColours(e, kBlack, kYellow);
        e->setFrame(false);
        e->setFocusPolicy(Qt::NoFocus);
        e->setText(text);
        const QFontMetrics fm(e->font());
        e->resize(fm.horizontalAdvance(text) + 8, fm.height() + 4);
        return e;
    };
    QLineEdit* edit1 = mark("Edit1", QStringLiteral("S"));
    QLineEdit* edit2 = mark("Edit2", QStringLiteral(" Zenit"));
    QLineEdit* edit3 = mark("Edit3", QStringLiteral("N"));
    edit1->move((3 * w) / 10 - edit1->width(), h / 2 - edit1->height() / 2);
    edit2->move(w / 2 - edit2->width() / 2, (3 * h) / 10 - (3 * edit2->height()) / 2);
    edit3->move((7 * w) / 10 + edit3->width(), h / 2 - edit3->height() / 2);
    st1 = addLabel(this, QStringLiteral("st1"), hintText(84));
    setColours(st1, kBlack, kWhite);
    st1->adjustSize();
    st1->move(w - (3 * st1->width()) / 2, h / 4 - 4);

    // The bottom panel: the latitude, a bevel, the special day, a bevel.
    QFrame* sotto = addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight);
    const int top = (globals::BarHeight - globals::ControlHeight) / 2;
    globals::ControlInset = top;
    QFont bold = font();
    bold.setBold(true);
    QLabel* Label1 = addLabel(sotto, QStringLiteral("Label1"), QString());
    Label1->setFont(bold);
    Label1->hide();
    int width2 = 0;
    for (int i = 0; i < camsole::kSizingTexts; ++i) {
        Label1->setText(QString::fromStdString(camsole::latitudeSizingText(i)));
        Label1->adjustSize();
        width2 = std::max(width2, Label1->width());
    }
    int width3 = 0;
    for (int row = 74; row <= 77; ++row) {
        Label1->setText(hintText(row));
        Label1->adjustSize();
        width3 = std::max(width3, Label1->width() + 16);
    }
    Panel2 = addLabel(sotto, QStringLiteral("Panel2"),
                      QString::fromStdString(camsole::latitudeLabel(s.LatDegrees, s.LatMinutes)));
    setColours(Panel2, kBlack, kAqua, true);
    Panel3 = addLabel(sotto, QStringLiteral("Panel3"), QString());
    setColours(Panel3, kBlack, kWhite, true);
    const int left2 = 10;
    const int bevel1 = left2 + width2 + 10;
    const int left3 = bevel1 + 2 + 12;
    const int bevel2 = left3 + width3 + 10;
    Panel2->setGeometry(left2, top, width2, globals::ControlHeight);
    Panel3->setGeometry(left3, top, width3, globals::ControlHeight);
    for (QLabel* panel : {Panel2, Panel3}) {
        panel->setAlignment(Qt::AlignCenter);
        panel->hide();
    }
    addBevel(sotto, QStringLiteral("Bevel1"), QRect(bevel1, -1, 2, globals::BarHeight));
    addBevel(sotto, QStringLiteral("Bevel2"), QRect(bevel2, -1, 2, globals::BarHeight));
}

void Tcammin::firstActivation() { drawScene(); }

bool* Tcammin::firstActivationFlag() { return &camsole::state().FirstActivation; }

bool* Tcammin::runningFlag() { return &camsole::state().RunWasOn; }

// Every activation, the first included: the run or the return goes on if it was going when the
// window was left.
void Tcammin::formActivated() { restoreTimers(); }

void Tcammin::formDeactivated()
{
    orb::Timer* tempo1 = timer(QStringLiteral("tempo1"));
    camsole::state().ReturnWasOn = tempo1->enabled();
    tempo1->setEnabled(false);
}

void Tcammin::restoreTimers()
{
    const camsole::State& s = camsole::state();
    timer(QStringLiteral("tempo"))->setEnabled(s.RunWasOn);
    timer(QStringLiteral("tempo1"))->setEnabled(s.ReturnWasOn);
}

void Tcammin::drawScene()
{
    camsole::drawScene(clientWidth(), clientHeight(), st1->width());
    Panel2->show();
    timer(QStringLiteral("Timer1"))->setEnabled(true);
    restoreTimers();
}

void Tcammin::showSky()
{
    camsole::show(surface(), clientHeight());
    refresh();
}

void Tcammin::enable(const char* name, bool enabled)
{
    control(QString::fromLatin1(name))->widget->setEnabled(enabled);
}

void Tcammin::tempoTimer()
{
    camsole::TickOutcome out;
    const bool paused = isDown(QStringLiteral("pausa"));
    if (!paused) {
        out = camsole::runTick(clientWidth(), clientHeight());
        if (out.panelRow >= 0)
            Panel3->setText(hintText(out.panelRow));
        Panel3->setVisible(out.panelRow >= 0);
    }
    showSky();
    if (out.ended) {
        timer(QStringLiteral("tempo"))->setEnabled(false);
        timer(QStringLiteral("tempo1"))->setEnabled(true);
    }
}

void Tcammin::tempo1Timer()
{
    camsole::TickOutcome out;
    const bool paused = isDown(QStringLiteral("pausa"));
    if (!paused) {
        out = camsole::returnTick(clientWidth(), clientHeight());
        Panel3->setText(out.panelRow >= 0 ? hintText(out.panelRow) : QString());
    }
    showSky();
    if (out.ended) {
        enable("traiet", true);
        timer(QStringLiteral("tempo1"))->setEnabled(false);
        enable("partenza", true);
    }
}

void Tcammin::Timer1Timer()
{
    timer(QStringLiteral("Timer1"))->setEnabled(false);
    showSky();
}

void Tcammin::cadenzaChange()
{
    const int interval = 200 - position(QStringLiteral("cadenza"));
    timer(QStringLiteral("tempo"))->setInterval(interval);
    timer(QStringLiteral("tempo1"))->setInterval(interval);
}

void Tcammin::traietClick() { camsole::state().TraceOn = !camsole::state().TraceOn; }

void Tcammin::latitudeChanged(bool minutesAdjustable)
{
    const camsole::State& s = camsole::state();
    enable("primis", minutesAdjustable);
    enable("partenza", false);
    Edit6->setText(QString::number(s.LatDegrees));
    Edit5->setText(QString::number(s.LatMinutes));
}

void Tcammin::gradisUpClick() { latitudeChanged(camsole::degreesUp()); }

void Tcammin::gradisDownClick() { latitudeChanged(camsole::degreesDown()); }

void Tcammin::primisUpClick() { latitudeChanged(camsole::minutesUp()); }

void Tcammin::primisDownClick()
{
    camsole::minutesDown();
    latitudeChanged(true);
}

void Tcammin::partenzaClick()
{
    const int w = clientWidth();
    const int h = clientHeight();
    camsole::start();
    orb::platform::setBusyCursor(true);
    orb::platform::movePointer(this, w / 2, h / 10);
    drawScene();
    orb::platform::setBusyCursor(false);
    const camsole::State& s = camsole::state();
    Panel2->setText(QString::fromStdString(camsole::latitudeLabel(s.LatDegrees, s.LatMinutes)));
    enable("traiet", false);
    enable("partenza", false);
    camsole::state().RunWasOn = true;
    timer(QStringLiteral("tempo"))->setEnabled(true);
}

void Tcammin::fineClick()
{
    camsole::stop();
    enable("partenza", true);
    timer(QStringLiteral("tempo"))->setEnabled(false);
    timer(QStringLiteral("tempo1"))->setEnabled(false);
    enable("traiet", true);
}

void Tcammin::formClose() { camsole::release(); }

std::size_t Tcammin::modelBytes() const { return camsole::bytes(); }
