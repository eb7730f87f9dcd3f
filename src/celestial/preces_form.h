// The precession-and-nutation window: the precessing Earth, with or without nutation, in a shaded
// view and a motion view that a wipe switches between.
#pragma once

#include "shell/ui/simwindow.h"

class QComboBox;
class QLabel;

class Tprecter : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tprecter(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void cadenzaTimer();
    void motoChange();
    void evidClick();
    QComboBox* moto = nullptr;
    QLabel* Label1 = nullptr;
};
