// The window of Kepler's second law: the area that the radius from the Sun to the planet sweeps.
#pragma once

#include "shell/ui/simwindow.h"

class Tkdue : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tkdue(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
};
