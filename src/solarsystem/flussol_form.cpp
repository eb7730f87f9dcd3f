// The insolation window: wires its tool bar, the distance up-down, the continuous and
// step-by-step modes, the Enter key and the hint line to the model.
#include "solarsystem/flussol_form.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>

#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/glyphs.h"
#include "shell/ui/platform.h"
#include "solarsystem/flussol.h"

Tunflusso::Tunflusso(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tunflusso::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();

    // This window sets the bar metrics from its own font, for itself and every window after it.
    const int t = QFontMetrics(font()).height();
    globals::BarHeight = 2 * t;
    globals::ControlHeight = t + 4;
    globals::ControlInset = 5;

    addTimer(QStringLiteral("cadenza"), info().timerDesignInterval, false, [this] { cadenzaTimer(); });
    animationTimer()->setInterval(50);

    QToolBar* speed = addToolBar();
    addStandardControls(speed);
    control(QStringLiteral("pausa"))->onClick = [this] { pausaClick(); };
    setPosition(QStringLiteral("velo"), 150);
    QToolBar* view = addToolBar();
    addCheckButton(view, QStringLiteral("versore"), orb::buttonGlyph(QStringLiteral("versore")), 68);
    QToolBar* progress = addToolBar();
    addSpeedButton(progress, QStringLiteral("normale"), QStringLiteral("normale"), 1, false, true, 42,
                   [this] { normaleClick(); });
    addSpeedButton(progress, QStringLiteral("papasso"), QStringLiteral("papasso"), 1, false, false, 30,
                   [this] { papassoClick(); });
    addToolButton(progress, QStringLiteral("continua"), orb::buttonGlyph(QStringLiteral("continua")), 26,
                  [this] { continuaClick(); });
    // The tooltip says "continue"; the long hint, "or press the key", goes to the hint line.
    setHint(*control(QStringLiteral("continua")),
            QString::fromStdString(texts::HintTexts[26] + texts::CaptionTexts[12]));
    enable(QStringLiteral("continua"), false);
    QToolBar* distance = addToolBar();
    QLineEdit* dimensioni = addEdit(distance, QStringLiteral("dimensioni"), 43, true);
    setColours(dimensioni, flussol::kBlack, raster::rgb(0, 255, 255));
    dimensioni->setFixedWidth(QFontMetrics(dimensioni->font()).horizontalAdvance(QStringLiteral("00")) + 12);
    addUpDown(distance, QStringLiteral("psuperfice"), 1, 2, 1, true, dimensioni, 43,
              [this] { psuperficieClick(); });
    addHelpButton(addToolBar());

    // The bottom panel: the distance, the energy, and the hint line with the Enter-key sign.
    QFrame* sotto = addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);
    const int top = globals::ControlInset;
    const int height = globals::ControlHeight;
    Panel3 = addLabel(sotto, QStringLiteral("Panel3"), QStringLiteral("d = 1"));
    setColours(Panel3, flussol::kBlack, raster::rgb(0, 255, 255), true);
    Panel3->setAlignment(Qt::AlignCenter);
    const int panelWidth = Panel3->fontMetrics().horizontalAdvance(QStringLiteral("d = 2")) + 16;
    addBevel(sotto, QStringLiteral("Bevel1"), QRect(6, top - 2, panelWidth + 4, height + 4));
    Panel3->setGeometry(8, top, panelWidth, height);
    QLabel* Label1 = addLabel(sotto, QStringLiteral("Label1"), QStringLiteral(" E = "));
    Label2 = addLabel(sotto, QStringLiteral("Label2"), QStringLiteral("+2.451 "));
    const int left = 8 + panelWidth + 12;
    const int label1Width = Label1->fontMetrics().horizontalAdvance(Label1->text());
    const int label2Width = Label2->fontMetrics().horizontalAdvance(QStringLiteral("+2.451 ")) + 4;
    Label1->setGeometry(left, top, label1Width, height);
    Label2->setGeometry(left + label1Width, top, label2Width, height);
    addBevel(sotto, QStringLiteral("Bevel3"), QRect(left - 4, top - 2, label1Width + label2Width + 8, height + 4));
    Label8 = addLabel(sotto, QStringLiteral("Label8"), QString());
    Label8->move(left + label1Width + label2Width + 24, top);
    Label8->hide();
    invio = addReturnKeySign(sotto, QStringLiteral("invio"), top);
    invio->setEnabled(false);

    // The window is black where the picture does not reach.
    surface().brush.color = flussol::kBlack;
    surface().fillRect({0, 0, w, h});
    flussol::create(w, h, orb::platform::screenSize().width());

    setHintHandler([this](const QString& hint) { showHint(hint); }, HintPart::Long);
    setKeyPreview({Qt::Key_Return, Qt::Key_Enter});
    animationTimer()->setEnabled(true);
}

void Tunflusso::formClose()
{
    setHintHandler({});
    flussol::release();
}

void Tunflusso::keyPressed(int qtKey)
{
    if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter)
        continuaClick();
}

std::size_t Tunflusso::modelBytes() const { return flussol::bytes(); }

void Tunflusso::cadenzaTimer()
{
    if (const auto energy = flussol::tick(surface(), isDown(QStringLiteral("versore")),
                                          isDown(QStringLiteral("papasso"))))
        Label2->setText(QString::fromStdString(*energy));
    refresh();
}

void Tunflusso::psuperficieClick()
{
    const int d = upDownPosition(QStringLiteral("psuperfice"));
    flussol::setDistance(d);
    Panel3->setText(d == 1 ? QStringLiteral("d = 1") : QStringLiteral("d = 2"));
}

void Tunflusso::normaleClick()
{
    // The hold goes even while pausa is down: the sheet then turns until pausa is clicked.
    flussol::state().StepHold = false;
    enable(QStringLiteral("continua"), !isDown(QStringLiteral("normale")));
    Label8->setVisible(enabled(QStringLiteral("continua")));
    enable(QStringLiteral("pausa"), isDown(QStringLiteral("normale")));
}

void Tunflusso::papassoClick()
{
    flussol::state().StepHold = true;
    enable(QStringLiteral("pausa"), !isDown(QStringLiteral("papasso")));
    enable(QStringLiteral("continua"), isDown(QStringLiteral("papasso")));
    Label8->setVisible(enabled(QStringLiteral("continua")));
}

void Tunflusso::pausaClick() { flussol::state().StepHold = isDown(QStringLiteral("pausa")); }

void Tunflusso::continuaClick() { flussol::state().StepHold = false; }

void Tunflusso::showHint(const QString& hint)
{
    showHintWithKey(Label8, invio, hint, enabled(QStringLiteral("continua")));
}

void Tunflusso::enable(const QString& name, bool on)
{
    if (orb::Control* c = control(name))
        c->widget->setEnabled(on);
}

bool Tunflusso::enabled(const QString& name)
{
    const orb::Control* c = control(name);
    return c && c->widget->isEnabled();
}
