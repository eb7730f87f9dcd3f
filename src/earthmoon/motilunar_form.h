// The lunar-motion window: the Moon round the Earth and the Earth round the Sun, from above and
// from the side, with their orbits and paths and a dissolve between the views.
#pragma once

#include "shell/ui/simwindow.h"

class Tmotlun : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tmotlun(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void firstActivation() override;
    bool* firstActivationFlag() override;
    void formActivated() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
    void vistaunoClick();
    void traietClick();
};
