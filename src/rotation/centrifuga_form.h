// The centrifugal-force window: bodies turned by a rod that fly off along the tangent when released.
#pragma once

#include "shell/ui/simwindow.h"

class Tcenfuga : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tcenfuga(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    bool* runningFlag() override;

private:
    void tempoTimer();
    void ncorpiClick();
    void antiorarioClick();
    void orarioClick();
    void traietClick();
    void disegnaClick();
    void sganciaClick();
};
