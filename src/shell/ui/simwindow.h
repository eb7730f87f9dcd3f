// The simulation-window framework: the surface, the tool bar and its controls, the timers and the
// activation protocol that every simulation window shares.
#pragma once

#include <QFrame>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "raster/canvas.h"
#include "shell/timer.h"
#include "shell/window_table.h"

class QToolBar;
class QToolButton;
class QSlider;
class QHBoxLayout;
class QAbstractButton;

namespace orb {

enum class ControlKind { Button, Check, Speed, TrackBar, UpDown, DropDown, Edit, Label, Panel, Progress };
const char* controlKindName(ControlKind kind);

// A named control of a window, as the driver and the tests see it.
struct Control {
    QString name;
    ControlKind kind;
    QWidget* widget;
    int hintRow = -1;          // HintTexts row; -1: no hint from the tables
    QString hint;              // the full hint text
    // Speed buttons: their group and whether the group may be all up.
    int group = 0;
    bool allowAllUp = false;
    bool down = false;
    std::function<void()> onClick;
};

class SimWindow : public QWidget {
    Q_OBJECT
public:
    explicit SimWindow(const WindowInfo& info, QWidget* parent = nullptr);
    ~SimWindow() override;

    const WindowInfo& info() const { return info_; }

    // The protocol, run by the main window.
    void create(QSize clientSize);   // FormCreate
    void activate();                 // FormActivate
    void deactivate();               // FormDeactivate
    bool isActiveChild() const { return active_; }

    // The window's surface: the persistent picture of the client area.
    raster::Canvas& surface() { return surface_.canvas(); }
    const raster::Bitmap& surfaceBitmap() const { return surface_; }
    int clientWidth() const { return surface_.width(); }
    int clientHeight() const { return surface_.height(); }

    // Controls and timers, by name.
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Control* control(const QString& name);
    const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }
    Timer* timer(const QString& name);
    Timer* animationTimer();   // the timer named in the window table

    // Actions as a user would do them (the driver and the tests use these).
    bool click(const QString& name);                         // false: no such enabled control
    bool setValue(const QString& name, const QString& value);   // false: no such control or bad value
    void pressKey(int qtKey);
    bool isDown(const QString& name);

    QWidget* controlBar() const { return barrasotto_; }
    // How long the last first activation took, in nanoseconds (for the window benchmark).
    qint64 firstActivationNs() const { return firstActivationNs_; }
    // Bytes of the window's pictures: its surface and the bitmaps of its model.
    std::size_t bitmapBytes() const { return surface_.bytes() + modelBytes(); }

signals:
    void closed(SimWindow* window);
    void helpRequested(int context);

protected:
    // The window's own part of FormCreate: speed bar position, timer interval, bitmaps, labels.
    virtual void formCreate() = 0;
    // The window's first activation (precompute); the framework shows the hourglass around it,
    // then makes the control bar visible and enables the animation timer.
    virtual void firstActivation() {}
    // The window's unit flag, or nullptr for a window without a first-activation step.
    virtual bool* firstActivationFlag() { return nullptr; }
    // The window's unit running flag, for windows that remember whether their timer ran.
    virtual bool* runningFlag() { return nullptr; }
    // Whether deactivation stops the timer (every window but one).
    virtual bool stopsOnDeactivate() const { return true; }
    // The window's own part of FormClose: free its bitmaps.
    virtual void formClose() {}
    // Bytes of the model's own bitmaps.
    virtual std::size_t modelBytes() const { return 0; }
    // Keys other than the help key.
    virtual void keyPressed(int qtKey) { (void)qtKey; }

    // Building the tool bar.
    QToolBar* addToolBar();
    QToolButton* addToolButton(QToolBar* bar, const QString& name, int glyphIndex, int hintRow,
                               std::function<void()> onClick = {});
    QToolButton* addCheckButton(QToolBar* bar, const QString& name, int glyphIndex, int hintRow,
                                std::function<void()> onClick = {});
    QToolButton* addSpeedButton(QToolBar* bar, const QString& name, const QString& glyphName,
                                int group, bool allowAllUp, bool down, int hintRow,
                                std::function<void()> onClick = {});
    QSlider* addTrackBar(QToolBar* bar, const QString& name, int minimum, int maximum,
                         int hintRow, std::function<void()> onChange);
    // The standard trio: pause check button, speed bar and help button, with their hints.
    void addStandardControls(QToolBar* bar, const QString& pauseName = QStringLiteral("pausa"));
    void addHelpButton(QToolBar* bar);
    // A control's position without running its change handler (FormCreate's settings).
    void setPosition(const QString& name, int position);
    int position(const QString& name);
    void setDown(const QString& name, bool down);
    void setHint(Control& c, const QString& hint);

    Timer& addTimer(const QString& name, int intervalMs, bool enabled, std::function<void()> handler);
    // Shows what is on the surface (after drawing on it).
    void refresh() { update(); }
    void speedBarChanged();   // interval := 200 - position, the standard speed-bar handler
    void showHelp();          // the help button

    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Control& addControl(const QString& name, ControlKind kind, QWidget* widget, int hintRow);
    void applyHints();
    void speedButtonClicked(Control& c);

    const WindowInfo& info_;
    raster::Bitmap surface_;
    QFrame* barrasotto_ = nullptr;
    QHBoxLayout* barLayout_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<Timer>> timers_;
    bool active_ = false;
    bool closing_ = false;
    bool showHints_ = false;
    qint64 firstActivationNs_ = 0;
};

}  // namespace orb
