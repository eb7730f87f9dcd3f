// The central-forces window: a satellite on its ellipse with the arrows of the force, the velocity
// and the accelerations that its toggle buttons switch on.
#pragma once

#include "shell/ui/simwindow.h"

class Tfcen : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tfcen(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
};
