// The falling-body window: a ball dropped from a tower on the turning Earth lands east of its foot.
#pragma once

#include "shell/ui/simwindow.h"

class Tcaduta : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tcaduta(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    // No deactivation handler: the fall goes on while another window is active.
    bool stopsOnDeactivate() const override { return false; }
    void formActivated() override;
    void formPaint() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
    void disegnaClick();
    void viaClick();
    void traietClick();
};
