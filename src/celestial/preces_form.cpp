// The precession-and-nutation window: wires its tool bar, its timer and its handlers to the model.
#include "celestial/preces_form.h"

#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

#include "celestial/preces.h"
#include "shell/globals.h"
#include "shell/texts.h"

Tprecter::Tprecter(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tprecter::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    // The timer keeps its design interval until the speed bar is moved.
    addAnimationTimer([this] { cadenzaTimer(); });

    QToolBar* speed = addToolBar();
    addStandardControls(speed);
    setPosition(QStringLiteral("velo"), 90);

    const QStringList items{QString::fromStdString(texts::HintTexts[71]),
                            QString::fromStdString(texts::HintTexts[72])};
    QToolBar* motion = addToolBar();
    moto = addDropDown(motion, QStringLiteral("moto"), items, 0, -1, [this] { motoChange(); });
    moto->setEditable(false);
    moto->setCursor(Qt::ArrowCursor);
    // White bold 8-point text on black, the font in which Label1 measures the items.
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSize(8);
    moto->setFont(bold);
    moto->setStyleSheet(QStringLiteral("QComboBox { background: black; color: white; }"
                                       "QComboBox QAbstractItemView { background: black; color: white; }"));

    QToolBar* view = addToolBar();
    addSpeedButton(view, QStringLiteral("evid"), QStringLiteral("evid"), 2, true, false, 50,
                   [this] { evidClick(); });
    QToolBar* help = addToolBar();
    addHelpButton(help);

    addPanel(QStringLiteral("Panel1"), orb::Dock::Top, 15, preces::kBlack);
    QFrame* sotto =
        addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);
    Label1 = addLabel(sotto, QStringLiteral("Label1"), QString());
    Label1->setFont(bold);
    Label1->hide();

    // The list is as wide as the wider of its items in Label1's font, plus the help button's
    // width, plus 7.
    const int guidaWidth = control(QStringLiteral("guida"))->widget->sizeHint().width();
    fitDropDown(moto, Label1, guidaWidth + 7);

    // The form's own background.
    surface().brush.color = preces::kBlack;
    surface().fillRect({0, 0, w, h});

    preces::create(w, h);
}

void Tprecter::cadenzaTimer()
{
    if (preces::tick(surface(), isDown(QStringLiteral("pausa"))))
        control(QStringLiteral("evid"))->widget->setEnabled(true);
    refresh();
}

void Tprecter::motoChange() { preces::chooseMotion(moto->currentIndex()); }

void Tprecter::evidClick()
{
    preces::startWipe();
    control(QStringLiteral("evid"))->widget->setEnabled(false);
}

void Tprecter::formClose() { preces::release(); }

std::size_t Tprecter::modelBytes() const
{
    return preces::state().shaded.bytes() + preces::state().motion.bytes();
}

