// The lunar-phase window: the Moon going round the moving Earth, with phase names and snapshots.
#include "earthmoon/fasilun_form.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QToolBar>

#include "earthmoon/fasilun.h"
#include "shell/globals.h"
#include "shell/texts.h"

Tfaslun::Tfaslun(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tfaslun::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addTimer(QStringLiteral("tempo"), 90, false, [this] { tempoTimer(); });

    QToolBar* first = addToolBar();
    addStandardControls(first, QStringLiteral("paus"));
    QToolBar* second = addToolBar();
    addSpeedButton(second, QStringLiteral("traiet"), QStringLiteral("traiet"), 7, true, false, 6,
                   [this] { traietClick(); });
    addToolButton(second, QStringLiteral("fasit"), 9, 32, [this] { fasitClick(); });
    addToolButton(second, QStringLiteral("partenza"), 6, 2, [this] { partenzaClick(); });
    addToolButton(second, QStringLiteral("fine"), 1, 3, [this] { fineClick(); });
    QToolBar* third = addToolBar();
    addHelpButton(third);
    setPosition(QStringLiteral("cadenza"), 90);
    // Until the speed bar is first moved the interval stays 90 ms.
    animationTimer()->setInterval(90);
    // Nothing to lay back before a run.
    enable(QStringLiteral("fasit"), false);

    setControlBarLook(raster::rgb(192, 192, 192));

    // The bottom panel: the hint line, in the bold panel font.
    sotto = addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);
    QFont bold = font();
    bold.setBold(true);
    sotto->setFont(bold);
    auto* line = new QHBoxLayout(sotto);
    line->setContentsMargins(2, 0, 2, 0);
    sottoCaption = new QLabel(sotto);
    sottoCaption->setAlignment(Qt::AlignCenter);
    line->addWidget(sottoCaption);
    Label1 = addLabel(sotto, QStringLiteral("Label1"), QString());
    Label1->hide();

    // The phase names: white 12-pixel text on black, each as wide as Label1 holding it.
    QFont regular = font();
    regular.setBold(false);
    regular.setPixelSize(12);
    const int boxHeight = QFontMetrics(regular).height() + 2;
    const auto boxes = fasilun::phaseBoxes(w, h);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const fasilun::PhaseBox& box = boxes[i];
        QLineEdit* e = addEdit(this, QStringLiteral("Edit%1").arg(i + 1), -1, true);
        e->setFrame(false);
        e->setFont(regular);
        e->setFocusPolicy(Qt::NoFocus);
        QPalette p = e->palette();
        p.setColor(QPalette::Base, Qt::black);
        p.setColor(QPalette::Text, Qt::white);
        e->setPalette(p);
        const QString text = QString::fromStdString(texts::HintTexts[box.hintRow]);
        e->setText(text);
        Label1->setText(text);
        Label1->adjustSize();
        e->setGeometry(box.centreX - box.designWidth / 2, box.top, Label1->width(), boxHeight);
        e->hide();
        edits[i] = e;
    }

    fasilun::create(w, h);
    // The window's own colour is black; its pen draws the lines of mutual visibility.
    raster::Canvas& c = surface();
    c.brush.color = fasilun::kBlack;
    c.fillRect({0, 0, w, h});
    c.pen.color = fasilun::kWhite;

    setHintHandler([this](const QString& hint) { showHint(hint); });
}

void Tfaslun::showHint(const QString& hint)
{
    // At 8 bits per pixel the line stays empty.
    const QString text = globals::ColourDepth == 8 ? QString() : hint;
    sottoCaption->setText(text);
    sotto->setProperty("text", text);
}

void Tfaslun::enable(const QString& name, bool on)
{
    if (orb::Control* c = control(name))
        c->widget->setEnabled(on);
}

void Tfaslun::hidePhaseNames()
{
    for (QLineEdit* e : edits)
        e->hide();
}

void Tfaslun::tempoTimer()
{
    const fasilun::TickResult r =
        fasilun::tick(surface(), clientWidth(), clientHeight(), isDown(QStringLiteral("paus")));
    if (r.ended) {
        enable(QStringLiteral("fasit"), fasilun::state().runStarted);
        enable(QStringLiteral("traiet"), true);
        animationTimer()->setEnabled(false);
        enable(QStringLiteral("partenza"), true);
    }
    if (r.phase >= 0)
        edits[static_cast<std::size_t>(r.phase)]->show();
    refresh();
}

void Tfaslun::partenzaClick()
{
    enable(QStringLiteral("fasit"), false);
    hidePhaseNames();
    fasilun::start(clientWidth(), clientHeight());
    enable(QStringLiteral("traiet"), false);
    animationTimer()->setEnabled(true);
    enable(QStringLiteral("partenza"), false);
    enable(QStringLiteral("fine"), true);
}

void Tfaslun::fineClick()
{
    enable(QStringLiteral("fine"), false);
    enable(QStringLiteral("partenza"), true);
    animationTimer()->setEnabled(false);
    enable(QStringLiteral("traiet"), true);
    hidePhaseNames();
}

void Tfaslun::fasitClick()
{
    fasilun::layBack(clientWidth());
    enable(QStringLiteral("fasit"), false);
    // The next tick shows the picture and stops the timer again.
    animationTimer()->setEnabled(true);
}

void Tfaslun::traietClick() { fasilun::toggleTrail(); }

void Tfaslun::formClose()
{
    setHintHandler({});
    fasilun::release();
}

std::size_t Tfaslun::modelBytes() const { return fasilun::bytes(); }
