// The Doppler simulation window: the wave fronts of a source moving at one of seven speeds.
#pragma once

#include "shell/ui/simwindow.h"

class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QToolBar;
class QToolButton;

class Tdopsimul : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tdopsimul(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void firstActivation() override;
    bool* firstActivationFlag() override;
    void formClose() override;
    void formDeactivated() override;
    std::size_t modelBytes() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tempoTimer();
    void plondaClick();
    void londaChange();
    void disegnaClick();
    void guidaClick();

    // This window recomputes its frames at every activation, not only the first: its
    // activation step re-arms itself each time it has run.
    bool activationStep_ = true;

    QToolBar* helpBar_ = nullptr;
    QToolButton* disegna = nullptr;
    QLineEdit* londa = nullptr;
    QFrame* sotto = nullptr;
    QLabel* Panel3 = nullptr;
    QLabel* Panel4 = nullptr;
    QProgressBar* progressione = nullptr;
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QFrame* Bevel3 = nullptr;
};
