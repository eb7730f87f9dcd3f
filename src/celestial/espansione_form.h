// The expanding-universe window: the balloon of galaxies that grows, and for a closed universe
// collapses again, with a list of the kinds of universe and a button that starts a new run.
#pragma once

#include "shell/ui/simwindow.h"

class QComboBox;
class QLabel;

class Tespanduni : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tespanduni(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void cadenzaTimer();
    void aggiornaClick();
    QComboBox* tipo = nullptr;
    QLabel* Label1 = nullptr;
};
