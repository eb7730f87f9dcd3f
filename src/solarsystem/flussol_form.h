// The insolation window: a sheet turning before a point source, continuously or step by step,
// and the energy it receives at distance 1 or 2.
#pragma once

#include "shell/ui/simwindow.h"

class QLabel;
class QToolButton;

class Tunflusso : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tunflusso(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void formClose() override;
    void keyPressed(int qtKey) override;
    std::size_t modelBytes() const override;

private:
    void cadenzaTimer();
    void psuperficieClick();
    void normaleClick();
    void papassoClick();
    void pausaClick();
    // continua and the Enter key: the next step.
    void continuaClick();
    // The hint line: the long hint of the control under the pointer, with the Enter-key sign
    // while continua can be clicked.
    void showHint(const QString& hint);
    void enable(const QString& name, bool on);
    bool enabled(const QString& name);

    QLabel* Label2 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Panel3 = nullptr;
    QToolButton* invio = nullptr;
};
