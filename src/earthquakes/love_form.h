// The Love-wave window: a slab of ground whose planes swing sideways as a Love wave passes.
#pragma once

#include "shell/ui/simwindow.h"

class Tondel : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tondel(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
};
