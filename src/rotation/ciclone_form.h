// The cyclone window: a cyclone and an anticyclone side by side, in an axonometric view of the
// rising and turning air or in a section at ground level or aloft.
#pragma once

#include "shell/ui/simwindow.h"

class QComboBox;
class QLabel;

class Tciclon : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tciclon(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void firstActivation() override;
    bool* firstActivationFlag() override;
    bool* runningFlag() override;
    void formClose() override;
    // The frames are kept packed while the window is not active.
    void formActivated() override;
    void formDeactivated() override;
    std::size_t modelBytes() const override;

private:
    void cadenzaTimer();
    void nuovoClick();
    QComboBox* vista = nullptr;
    QLabel* Label1 = nullptr;
};
