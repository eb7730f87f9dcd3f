// The lunar-phase window: the Moon going round the moving Earth under a distant Sun, with the
// phase names, the trails, the phase snapshots and the lines of mutual visibility.
#pragma once

#include <array>

#include "shell/ui/simwindow.h"

class QFrame;
class QLabel;
class QLineEdit;

class Tfaslun : public orb::SimWindow {
    Q_OBJECT
public:
    explicit Tfaslun(const orb::WindowInfo& info, QWidget* parent = nullptr);

protected:
    void formCreate() override;
    void formClose() override;
    std::size_t modelBytes() const override;

private:
    void tempoTimer();
    void partenzaClick();
    void fineClick();
    void fasitClick();
    void traietClick();
    // The application's hint, shown in the bottom panel.
    void showHint(const QString& hint);
    void enable(const QString& name, bool on);
    void hidePhaseNames();

    QFrame* sotto = nullptr;
    QLabel* sottoCaption = nullptr;
    QLabel* Label1 = nullptr;
    std::array<QLineEdit*, 5> edits{};
};
