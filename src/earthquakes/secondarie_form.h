// The secondary-wave window: a block of rock whose columns move up and down as an S wave passes.
#pragma once

#include "shell/ui/simwindow.h"

class Tondes : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tondes(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void firstActivation() override;
    bool* firstActivationFlag() override;
    void formClose() override;
    // The frames are kept packed while the window is not active.
    void formActivated() override;
    void formDeactivated() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
};
