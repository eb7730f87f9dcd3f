// The window of the Earth-planet relative motion: wires its tool bar, the planet list, the
// line-of-sight button, the restart button and its timer to the model.
#include "solarsystem/temame_form.h"

#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/platform.h"
#include "solarsystem/temame.h"

namespace {

QString caption(int row) { return QString::fromStdString(texts::CaptionTexts[row]); }

}  // namespace

Ttema::Ttema(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Ttema::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { tempoTimer(); });

    // The tool controls keep the system's pointing hand they were designed with.
    QToolBar* speed = addToolBar();
    addStandardControls(speed);
    setSpeed(110, 90);

    // The planet: Mars outside the Earth's orbit or Mercury inside it, in white bold on black.
    const QStringList items{QLatin1Char(' ') + QString::fromStdString(texts::HintTexts[38]),
                            QLatin1Char(' ') + QString::fromStdString(texts::HintTexts[39])};
    QToolBar* choice = addToolBar();
    pianeta = addDropDown(choice, QStringLiteral("pianeta"), items, 0, 36);
    setColours(pianeta, raster::rgb(0, 0, 0), raster::rgb(255, 255, 255), true);
    QToolBar* view = addToolBar();
    addSpeedButton(view, QStringLiteral("visione"), QStringLiteral("visione"), 2, true, false, 37,
                   [this] { visioneClick(); });
    QToolBar* again = addToolBar();
    QToolButton* nuovo = addToolButton(again, QStringLiteral("nuovo"), 1, 3, [this] { nuovoClick(); });
    // A new choice of planet takes effect when the restart button is pressed.
    enableOnChange(QStringLiteral("nuovo"), {QStringLiteral("pianeta")});
    QToolBar* help = addToolBar();
    addHelpButton(help);

    // The legend in the bottom panel: the Sun, the Earth, Mars and Mercury in their colours,
    // each followed by a separator; shown from the first restart.
    QFrame* sotto = addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);
    Label1 = addLabel(sotto, QStringLiteral("Label1"), QString());
    Label1->setFont(pianeta->font());
    Label1->hide();
    const struct {
        const char* name;
        int row;
        raster::Color colour;
    } legend[] = {{"Panel2", 34, raster::rgb(255, 255, 0)},
                  {"Panel3", 35, raster::rgb(0, 255, 255)},
                  {"Panel9", 36, raster::rgb(255, 0, 0)},
                  {"Panel10", 37, raster::rgb(255, 255, 255)}};
    int left = 10;
    for (int i = 0; i < 4; ++i) {
        // Black, bold, as wide as its text followed by one blank.
        QLabel* panel = addLabel(sotto, QString::fromLatin1(legend[i].name), caption(legend[i].row));
        setColours(panel, raster::rgb(0, 0, 0), legend[i].colour, true);
        panel->setAlignment(Qt::AlignCenter);
        const int width = panel->fontMetrics().horizontalAdvance(panel->text() + QLatin1Char(' '));
        panel->setGeometry(left, globals::ControlInset, width, globals::ControlHeight);
        panel->hide();
        legend_.push_back(panel);
        const int bevelLeft = left + width + 10;
        addBevel(sotto, QStringLiteral("Bevel%1").arg(i + 1), QRect(bevelLeft, -1, 2, globals::BarHeight), true);
        left = bevelLeft + 2 + 11;
    }

    // The list is as wide as its wider item, measured in Label1, plus the restart button's
    // width, plus 7.
    fitDropDown(pianeta, Label1, nuovo->sizeHint().width() + 7);

    // The window's own background until the first picture.
    surface().brush.color = raster::rgb(0, 0, 0);
    surface().fillRect({0, 0, w, h});

    temame::create(w, h);
}

void Ttema::firstActivation() { restart(); }

bool* Ttema::firstActivationFlag() { return &temame::state().FirstActivation; }

void Ttema::restart()
{
    temame::restart(clientWidth(), clientHeight(), pianeta->currentIndex() == 0);
    for (QLabel* panel : legend_)
        panel->show();
    control(QStringLiteral("nuovo"))->widget->setEnabled(false);
    animationTimer()->setEnabled(true);
}

void Ttema::nuovoClick()
{
    orb::platform::movePointer(this, clientWidth() / 2, clientHeight() / 10);
    restart();
}

void Ttema::tempoTimer()
{
    std::vector<raster::Rect> changed;
    temame::tick(surface(), clientWidth(), clientHeight(), isDown(QStringLiteral("pausa")), &changed);
    for (const raster::Rect& r : changed)
        refresh(r);
}

void Ttema::visioneClick() { temame::toggleLineOfSight(); }

void Ttema::formClose() { temame::release(); }

std::size_t Ttema::modelBytes() const { return temame::bytes(); }
