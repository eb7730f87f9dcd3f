// The magnetic-bottle window: a charge spiralling between the magnetic mirrors, with its trace.
#pragma once

#include "shell/ui/simwindow.h"

class QLineEdit;

class Tbotmagne : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tbotmagne(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void firstActivation() override;
    bool* firstActivationFlag() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void cadenzaTimer();
    void aggiornaClick();
    void precompute();
    QLineEdit* intensi = nullptr;
    QLineEdit* veloci = nullptr;
};
