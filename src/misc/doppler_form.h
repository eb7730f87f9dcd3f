// The Doppler comparison window: a wave from a source at rest above, one from a moving source below.
#pragma once

#include "shell/ui/simwindow.h"

class QLabel;
class QToolButton;

namespace doppler {
enum class Motion : std::int8_t;
}

class Tdop : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tdop(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
    void allonClick();
    void quieteClick();
    void avvicClick();
    void nuvoleClick();
    // The state panel's text for motion m in the window's language (kept in languages without
    // one), and its colour when `colour` is set.
    void showMotion(doppler::Motion m, bool colour);

    QToolButton* nuvole = nullptr;
    QLabel* Panel4 = nullptr;
    int language_ = 0;   // the language slot when the window was created
};
