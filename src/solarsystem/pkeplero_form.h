// The window of Kepler's first law: a planet on its ellipse about the Sun, seen from above or
// obliquely.
#pragma once

#include "shell/ui/simwindow.h"

class Tkuno : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tkuno(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void firstActivation() override;
    bool* firstActivationFlag() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
    void pronoClick();
};
