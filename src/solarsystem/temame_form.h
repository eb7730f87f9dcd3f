// The window of the Earth-planet relative motion: the Earth and a planet about the Sun, and the
// planet's retrograde loops as seen from the Earth.
#pragma once

#include "shell/ui/simwindow.h"

class QComboBox;
class QLabel;

class Ttema : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Ttema(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void firstActivation() override;
    bool* firstActivationFlag() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
    void visioneClick();
    void nuovoClick();
    void restart();

    QComboBox* pianeta = nullptr;
    QLabel* Label1 = nullptr;
    std::vector<QLabel*> legend_;   // Panel2, Panel3, Panel9, Panel10
};
