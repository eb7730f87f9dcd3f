// The Foucault-pendulum window: the pendulum over the turning platform in the fixed frame, the
// rotating frame, or both.
#pragma once

#include "shell/ui/simwindow.h"

class Tpendol : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tpendol(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
    void fissoClick();
    void mobileClick();
};
