// The parabolic antenna window: wave fronts and rays at a dish, receiving or transmitting.
#pragma once

#include "shell/ui/simwindow.h"

class QComboBox;
class QLabel;
class QProgressBar;

class Tsconcavo : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tsconcavo(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void firstActivation() override;
    bool* firstActivationFlag() override;
    bool busyOnFirstActivation() const override { return false; }   // it shows its progress
    bool* runningFlag() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
    void tipoChange();
    void raggiClick();
    void frontiClick();
    void aggiornaClick();

    QComboBox* tipo = nullptr;
    QProgressBar* progresso = nullptr;
    QLabel* Label1 = nullptr;
};
