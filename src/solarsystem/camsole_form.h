// The window of the Sun's apparent path: the local sky at a chosen latitude, with the Sun's daily
// circle from one solstice to the other and back.
#pragma once

#include "shell/ui/simwindow.h"

class QLabel;
class QLineEdit;

class Tcammin : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tcammin(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void firstActivation() override;
    bool* firstActivationFlag() override;
    bool* runningFlag() override;
    void formActivated() override;
    void formDeactivated() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
    void tempo1Timer();
    void Timer1Timer();
    void cadenzaChange();
    void traietClick();
    void gradisUpClick();
    void gradisDownClick();
    void primisUpClick();
    void primisDownClick();
    void partenzaClick();
    void fineClick();

    void drawScene();
    void restoreTimers();
    void latitudeChanged(bool minutesAdjustable);
    void showSky();
    void enable(const char* name, bool enabled);

    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QLabel* Panel2 = nullptr;
    QLabel* Panel3 = nullptr;
    QLabel* st1 = nullptr;
};
