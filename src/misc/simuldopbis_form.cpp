// The Doppler simulation window: the wave fronts of a source moving at one of seven speeds.
#include "misc/simuldopbis_form.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QToolBar>
#include <QToolButton>

#include "misc/simuldopbis.h"
#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/platform.h"

namespace {

const QString kPlonda = QStringLiteral("plonda");

// A black panel of the status line with a white text.
void paintBlack(QWidget* w)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::Base, Qt::black);
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Text, Qt::white);
    w->setPalette(p);
}


}  // namespace

Tdopsimul::Tdopsimul(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tdopsimul::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    // Pause and speed; the window's own pictures of pause and help are the shared glyphs 0 and 2.
    QToolBar* first = addToolBar();
    addStandardControls(first);
    QToolBar* second = addToolBar();
    londa = addEdit(second, QStringLiteral("londa"), 66, true, [this] { londaChange(); });
    paintBlack(londa);
    londa->setAlignment(Qt::AlignCenter);
    londa->setFixedWidth(londa->fontMetrics().horizontalAdvance(QStringLiteral("88")) + 12);
    addUpDown(second, kPlonda, simuldopbis::kMinSpeed, simuldopbis::kMaxSpeed, 2, true, londa, 66,
              [this] { plondaClick(); });
    disegna = addSpeedButton(second, QStringLiteral("disegna"), QStringLiteral("disegna"), 0, false,
                             false, 3, [this] { disegnaClick(); });
    disegna->setEnabled(false);
    helpBar_ = addToolBar();
    addHelpButton(helpBar_);
    // A click on the help button's tool bar asks for help too.
    helpBar_->installEventFilter(this);

    // The status line: two black panels between raised bevels, and the progress bar at the right.
    sotto = addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);
    const int controlHeight = globals::ControlHeight;
    const int top = (globals::BarHeight - controlHeight) / 2;
    globals::ControlInset = top;
    Panel3 = addLabel(sotto, QStringLiteral("Panel3"), QString::fromStdString(texts::HintTexts[67]));
    Panel4 = addLabel(sotto, QStringLiteral("Panel4"), QString());
    for (QLabel* panel : {Panel3, Panel4}) {
        paintBlack(panel);
        panel->setAlignment(Qt::AlignCenter);
        panel->hide();
    }
    const QFontMetrics metrics = Panel3->fontMetrics();
    const int width3 = metrics.horizontalAdvance(Panel3->text()) + 16;
    const int width4 =
        metrics.horizontalAdvance(QString::fromStdString(simuldopbis::sourceSpeedText(simuldopbis::kMaxSpeed))) + 16;
    Bevel2 = addBevel(sotto, QStringLiteral("Bevel2"), QRect(6, top - 2, 2, controlHeight + 4), true);
    Panel3->setGeometry(12, top, width3, controlHeight);
    Bevel3 = addBevel(sotto, QStringLiteral("Bevel3"), QRect(12 + width3 + 4, top - 2, 2, controlHeight + 4),
                      true);
    Panel4->setGeometry(12 + width3 + 10, top, width4, controlHeight);
    progressione = addProgress(sotto, QStringLiteral("progressione"), 0, 100);
    const int progressWidth = 150;
    progressione->setGeometry(width() - progressWidth - 5, top, progressWidth, controlHeight);
    progressione->hide();

    setSpeed(100, 200 - 100);

    // The frame around the picture, hidden.
    Bevel1 = addBevel(this, QStringLiteral("Bevel1"), QRect(w / 4 - 1, h / 4 - 1, w / 2 + 3, h / 2 + 3));
    Bevel1->hide();

    simuldopbis::create(w, h, upDownPosition(kPlonda));
    activationStep_ = true;
}

void Tdopsimul::firstActivation()
{
    // Every activation recomputes the frames and restarts the animation.
    disegnaClick();
    Panel3->show();
    Panel4->show();
    disegna->setEnabled(false);
    activationStep_ = true;
}

bool* Tdopsimul::firstActivationFlag() { return &activationStep_; }

void Tdopsimul::tempoTimer()
{
    simuldopbis::tick(surface(), clientWidth(), clientHeight(), isDown(QStringLiteral("pausa")));
    refresh();
}

void Tdopsimul::plondaClick() { disegna->setEnabled(true); }

void Tdopsimul::londaChange() { disegna->setEnabled(true); }

void Tdopsimul::disegnaClick()
{
    const int w = clientWidth();
    const int h = clientHeight();
    orb::platform::setBusyCursor(true);
    orb::platform::movePointer(this, w / 2, h / 10);
    disegna->setEnabled(false);
    animationTimer()->setEnabled(false);
    const int v = upDownPosition(kPlonda);
    Panel4->setText(QString::fromStdString(simuldopbis::sourceSpeedText(v)));
    progressione->setRange(0, simuldopbis::progressMaximum(v));
    runWithProgress(progressione, [&](const std::function<void(int)>& progress) {
        simuldopbis::precompute(w, h, v, progress);
    });
    animationTimer()->setEnabled(true);
    orb::platform::setBusyCursor(false);
}

void Tdopsimul::guidaClick() { showHelp(); }

bool Tdopsimul::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == helpBar_ && event->type() == QEvent::MouseButtonRelease)
        guidaClick();
    return SimWindow::eventFilter(watched, event);
}

void Tdopsimul::formClose() { simuldopbis::release(); }

// Every activation draws the frames anew: an inactive window need not keep them.
void Tdopsimul::formDeactivated() { simuldopbis::release(); }

std::size_t Tdopsimul::modelBytes() const
{
    std::size_t bytes = 0;
    for (const raster::Bitmap& frame : simuldopbis::state().frames)
        bytes += frame.bytes();
    return bytes;
}

