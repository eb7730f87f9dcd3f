// The Ferrel's-law window: bodies crossing a turning disc, seen from the fixed or the turning frame.
#pragma once

#include "shell/ui/simwindow.h"

class Tferre : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tferre(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    bool* runningFlag() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
    void antiorarioClick();
    void orarioClick();
    void esternoClick();
    void internoClick();
    void prospnoClick();
    void fisClick();
    void mobilClick();
    void disegnaClick();
};
