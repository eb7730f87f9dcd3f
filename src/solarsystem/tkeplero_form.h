// The window of Kepler's third law: four planets on their orbits about the Sun, with the radius
// and period of each and the ticks elapsed.
#pragma once

#include "shell/ui/simwindow.h"

class QLabel;

class Tktres : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tktres(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
    void orbiteClick();
    void nuovoClick();

    QLabel* Panel2 = nullptr;
};
