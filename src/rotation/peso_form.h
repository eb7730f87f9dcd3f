// The weight-variation window: gravity, the centrifugal force and the weight at a point of the
// flattened Earth, stepped round the section by the "continue" button or the Return key.
#pragma once

#include "shell/ui/simwindow.h"

class QLabel;
class QToolButton;

class Tvarpeso : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tvarpeso(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void formActivated() override;
    void formDeactivated() override;
    void formClose() override;
    void keyPressed(int qtKey) override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
    void continClick();
    // The force buttons show the model's forces and availability after each click.
    void showButtons();
    // The status line: the long hint of the control under the pointer, with the Return-key sign.
    void showHint(const QString& hint);

    QLabel* Label1 = nullptr;
    QToolButton* invio = nullptr;
};
