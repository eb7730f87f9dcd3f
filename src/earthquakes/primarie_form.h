// The primary-wave window: a block of rock whose particle planes crowd and spread as a P wave passes.
#pragma once

#include "shell/ui/simwindow.h"

class QFrame;

class Tondep : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tondep(const orb::WindowInfo& info, QWidget* parent = nullptr);

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
    QFrame* Bevel1 = nullptr;
};
