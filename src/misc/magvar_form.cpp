// The magnetic-bottle window: wires its tool bar, its timer and its handlers to the model.
#include "misc/magvar_form.h"

#include <QFrame>
#include <QLineEdit>
#include <QToolBar>

#include "misc/magvar.h"
#include "shell/globals.h"

namespace {
const QString kPintensi = QStringLiteral("pintensi");
const QString kPveloci = QStringLiteral("pveloci");
const QString kAggiorna = QStringLiteral("aggiorna");
}  // namespace

Tbotmagne::Tbotmagne(const orb::WindowInfo& info, QWidget* parent) : SimWindow(info, parent) {}

void Tbotmagne::formCreate()
{
    const int w = clientWidth();
    const int h = clientHeight();
    addAnimationTimer([this] { cadenzaTimer(); });

    QToolBar* speed = addToolBar();
    addStandardControls(speed);
    setSpeed(120, 80);

    // The field strength and the charge's speed, each 1 or 2, in black edits with white figures.
    QToolBar* values = addToolBar();
    intensi = addEdit(values, QStringLiteral("intensi"), 56, true);
    addUpDown(values, kPintensi, 1, 2, 1, false, intensi, 56);
    veloci = addEdit(values, QStringLiteral("veloci"), 57, true);
    addUpDown(values, kPveloci, 1, 2, 1, false, veloci, 57);
    for (QLineEdit* edit : {intensi, veloci}) {
        setColours(edit, magvar::kBlack, magvar::kWhite);
        edit->setAlignment(Qt::AlignCenter);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("8")) + 14);
    }
    addToolButton(values, kAggiorna, 1, 3, [this] { aggiornaClick(); });
    // pintensiClick: a new value only enables `aggiorna`; the next recompute takes it.
    enableOnChange(kAggiorna, {kPintensi, kPveloci});
    QToolBar* trace = addToolBar();
    addSpeedButton(trace, QStringLiteral("traccia"), QStringLiteral("traiet"), 2, true, false, 6);
    QToolBar* help = addToolBar();
    addHelpButton(help);

    addPanel(QStringLiteral("sotto"), orb::Dock::Bottom, globals::BarHeight, std::nullopt, true);

    // The form's black background.
    surface().brush.color = magvar::kBlack;
    surface().fillRect({0, 0, w, h});

    magvar::create(w, h);
}

// formactivate, with the recompute flag set: the framework moves the pointer and shows the
// hourglass around it, and enables `cadenza` afterwards.
void Tbotmagne::firstActivation() { precompute(); }

bool* Tbotmagne::firstActivationFlag() { return &magvar::state().recompute; }

void Tbotmagne::precompute()
{
    control(kAggiorna)->widget->setEnabled(false);
    const int B = upDownPosition(kPintensi);
    const int v = upDownPosition(kPveloci);
    magvar::recompute(B, v);
    intensi->setText(QString::number(B));
    veloci->setText(QString::number(v));
    // The new picture shows at once, not only from the next tick.
    magvar::show(surface());
}

void Tbotmagne::aggiornaClick()
{
    magvar::state().recompute = true;
    activateAgain();
}

void Tbotmagne::cadenzaTimer()
{
    magvar::tick(surface(), isDown(QStringLiteral("pausa")), isDown(QStringLiteral("traccia")));
    refresh();
}

void Tbotmagne::formClose() { magvar::release(); }

std::size_t Tbotmagne::modelBytes() const { return magvar::bytes(); }
