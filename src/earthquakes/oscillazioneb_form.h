// The Earth-oscillation window: the globe twisting or breathing in its free oscillations, and
// turning about its axis when asked.
#pragma once

#include "shell/ui/simwindow.h"

class QComboBox;
class QFrame;
class QLabel;
class QProgressBar;
class QToolButton;

class Toscilla : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Toscilla(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void firstActivation() override;
    bool* firstActivationFlag() override;
    bool busyOnFirstActivation() const override { return false; }
    void formClose() override;
    // The pictures are kept packed while the window is not active.
    void formActivated() override;
    void formDeactivated() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
    void disegnaClick();
    // Draws the selected mode's pictures with the progress bar, as the first activation does.
    void precompute();

    QComboBox* tipo = nullptr;
    QToolButton* disegna = nullptr;
    QFrame* sotto = nullptr;
    QProgressBar* Progressione = nullptr;
    QLabel* Label1 = nullptr;
};
