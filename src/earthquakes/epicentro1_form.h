// The epicentre window: three stations time the P and S waves of a random earthquake, a
// travel-time chart turns the delays into distances, and three circles meet at the epicentre.
#pragma once

#include <array>

#include "earthquakes/epicentro1.h"
#include "shell/ui/simwindow.h"

class QFrame;
class QLineEdit;

class Tepice1 : public orb::SimWindow, private epicentro1::Host {
    Q_OBJECT
public:
    explicit Tepice1(const orb::WindowInfo& info, QWidget* parent = nullptr);

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
    // The model's requests.
    void setTimer(epicentro1::TimerId timer, bool enabled) override;
    void beep() override;

    void tempoTimer();
    void temposecTimer();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void disegnaClick();
    void grafClick();
    void tracciaClick();
    void pagiClick();
    void cadenzaChange();
    // Shows the model's control state on the widgets and the surface on the screen.
    void showState();

    QFrame* sotto = nullptr;
    std::array<QLineEdit*, epicentro1::kStations> t{};
    std::array<QLineEdit*, epicentro1::kStations> r{};
    std::array<QLineEdit*, epicentro1::kStations> a{};
    QLineEdit* a4 = nullptr;
    int pagiHintRow_ = -1;
};
