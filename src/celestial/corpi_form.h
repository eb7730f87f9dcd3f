// The two-body window: two bodies circling their centre of mass, from above or from the side.
#pragma once

#include "shell/ui/simwindow.h"

class Tduec : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tduec(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void firstActivation() override;
    bool* firstActivationFlag() override;
    bool* runningFlag() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
    void vpiantaClick();
    void orbiteClick();
    void nuovoClick();
};
