// The angular-momentum window: two bodies round their centre of mass on elliptical orbits, with
// their predicted orbits and an oblique view on request.
#pragma once

#include "shell/ui/simwindow.h"

class Tmomento : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tmomento(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void cadenzaTimer();
    void velociClick();
    void pulisceClick();
};
