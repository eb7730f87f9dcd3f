// The tides window: the ocean's bulges raised by the Moon as the Earth and the Moon turn about
// their common centre, with the force arrows and the name of the tide.
#pragma once

#include <array>

#include "earthmoon/maree.h"
#include "shell/ui/simwindow.h"

class QLabel;

class Tmarea : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tmarea(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
    void vettorigClick();
    void vettoricClick();
    void vettorirClick();
    // Toggles a group of arrows and shows its legend, or a single blank once it is off.
    void toggleArrows(maree::Arrows group, QLabel* legend, int hintRow);

    QLabel* testo = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
};
