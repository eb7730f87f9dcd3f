// The Rayleigh-wave window: a block of ground whose particles run round ellipses, with a wipe to
// the picture of the particles and their paths.
#pragma once

#include "shell/ui/simwindow.h"

class QFrame;

class Tonder : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tonder(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
    void evidenClick();
    QFrame* Bevel1 = nullptr;
};
