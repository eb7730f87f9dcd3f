// The spinning-top window: the precessing top seen from the side or from above, switched by a
// striped wipe.
#pragma once

#include "shell/ui/simwindow.h"

class Tspins : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tspins(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void cadenzaTimer();
    void lateraleClick();
    void superioreClick();
    void enableViews(bool enabled);
};
