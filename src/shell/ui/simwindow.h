// The simulation-window framework: the surface, the tool bar and its controls, the timers and the
// activation protocol that every simulation window shares.
#pragma once

#include <QFrame>
#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "raster/canvas.h"
#include "shell/packed.h"
#include "shell/timer.h"
#include "shell/window_table.h"

class QToolBar;
class QToolButton;
class QSlider;
class QHBoxLayout;
class QAbstractButton;
class QLineEdit;
class QComboBox;
class QLabel;
class QProgressBar;

namespace orb {

enum class ControlKind {
    Button, Check, Speed, TrackBar, UpDown, DropDown, Edit, Label, Panel, Progress, Bar, Bevel, Spin
};
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
    // Up-downs: range, position, whether they wrap round, and the edit that shows the position.
    int minimum = 0;
    int maximum = 0;
    int position = 0;
    bool wrap = false;
    QLineEdit* associate = nullptr;
    // Docked panels.
    int dock = 0;
    int thickness = 0;
    std::function<void()> onClick;   // click, or change for track bars, drop-downs, edits
};

// Where a panel sits: docked panels take the client's edges in the order they were added, after
// the control bar, as aligned panels do.
enum class Dock { None, Top, Bottom, Left, Right };

class SimWindow : public QWidget {
    Q_OBJECT
public:
    explicit SimWindow(const WindowInfo& info, QWidget* parent = nullptr);
    ~SimWindow() override;

    const WindowInfo& info() const { return info_; }

    // The picture's scale in halves (2: 100 %, 3: 150 %, 4: 200 %, 6: 300 %), set before create():
    // the window then works on a surface of clientSize / scale and shows it enlarged.
    void setPictureScale(int halves);
    int pictureScale() const { return scaleHalves_; }
    // Where a rectangle of the surface is shown in the window: the one mapping from the picture
    // to the screen (a partial repaint of the surface asks to update this rectangle).
    QRect toWidget(const QRect& surfaceRect) const;
    // The picture the window shows, at the surface's own size.
    QImage picture() const;

    // The protocol, run by the main window.
    void create(QSize clientSize);   // FormCreate
    void activate();                 // FormActivate
    void deactivate();               // FormDeactivate
    bool isActiveChild() const { return active_; }
    // Which variant of the protocol this window follows: whether its timer is after a
    // reactivation as it was before (windows that remember that it was stopped, and the window
    // whose activation and deactivation leave its timer alone), and whether its timer keeps
    // running while another window is active.
    bool remembersRunning() { return runningFlag() != nullptr || !stopsOnDeactivate(); }
    bool keepsRunningWhenInactive() const { return !stopsOnDeactivate(); }

    // The window's surface: the persistent picture of the client area. While the window is not
    // active it is kept packed; using it unpacks it.
    raster::Canvas& surface()
    {
        unpackSurface();
        return surface_.canvas();
    }
    const raster::Bitmap& surfaceBitmap() const
    {
        unpackSurface();
        return surface_;
    }
    int clientWidth() const { return packedSurface_.packed() ? packedSurface_.width() : surface_.width(); }
    int clientHeight() const { return packedSurface_.packed() ? packedSurface_.height() : surface_.height(); }
    bool surfacePacked() const { return packedSurface_.packed(); }

    // Controls and timers, by name.
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Control* control(const QString& name);
    const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }
    Timer* timer(const QString& name);
    Timer* animationTimer();   // the timer named in the window table

    // Actions as a user would do them (the driver and the tests use these). The arrows of an
    // up-down or a spin button are clicked as NAME.up and NAME.down.
    bool click(const QString& name);                         // false: no such enabled control
    // The control that click(name) clicks, or nullptr.
    Control* clickTarget(const QString& name);
    // Text shown by an edit, label, panel or drop-down; position of an up-down, drop-down or
    // progress bar (the driver's state report).
    QString controlText(const Control& c) const;
    int controlPosition(const Control& c) const;
    bool setValue(const QString& name, const QString& value);   // false: no such control or bad value
    // A key pressed in the window. Space (pause), "+" and "-" (speed) and "." (one step while
    // paused) work alike in every window that does not use those keys itself; F1 asks for help;
    // any other key goes to the window.
    void pressKey(int qtKey);
    bool isDown(const QString& name);
    // The pause button (the check button with the pause hint), or nullptr.
    Control* pauseButton();

    QWidget* controlBar() const { return barrasotto_; }
    // How long the last first activation took, in nanoseconds (for the window benchmark).
    qint64 firstActivationNs() const { return firstActivationNs_; }
    // Bytes of the window's pictures: its surface and the bitmaps of its model.
    std::size_t bitmapBytes() const { return surface_.bytes() + packedSurface_.bytes() + modelBytes(); }
    // The system asks the window to paint itself: it was uncovered, or it invalidated itself.
    // The window's own paint handler runs, then the surface is shown. The first one comes right
    // after the first activation, as a newly shown window is painted once it is active.
    void repaintWindow();
    // A picture of the window with its frame and controls, as a user sees it. Rendering it is no
    // request to paint the window anew: the paint handler does not run.
    QImage grabShown();

signals:
    void closed(SimWindow* window);
    void helpRequested(int context);
    // The paint event has put (part of) the surface on the window.
    void presented();

protected:
    // The window's own part of FormCreate: speed bar position, timer interval, bitmaps, labels.
    virtual void formCreate() = 0;
    // The window's first activation (precompute); the framework shows the hourglass around it,
    // then makes the control bar visible and enables the animation timer.
    virtual void firstActivation() {}
    // The window's unit flag, or nullptr for a window without a first-activation step.
    virtual bool* firstActivationFlag() { return nullptr; }
    // Whether the first activation moves the pointer into the window and shows the hourglass
    // (windows that show their own progress instead say no).
    virtual bool busyOnFirstActivation() const { return true; }
    // The window's unit running flag, for windows that remember whether their timer ran.
    virtual bool* runningFlag() { return nullptr; }
    // Whether deactivation stops the timer (every window but one). The window whose deactivation
    // leaves its timer running leaves it alone at activation too: only its own handlers start
    // and stop it.
    virtual bool stopsOnDeactivate() const { return true; }
    // The window's own paint handler, for windows whose paint draws their picture anew; it runs
    // when the system asks the window to paint itself (repaintWindow, or a paint the window did
    // not ask for with refresh). Most windows have none: the framework shows their surface.
    virtual void formPaint() {}
    // The window's own part of FormClose: free its bitmaps.
    virtual void formClose() {}
    // Run at the end of every activation and at the start of every deactivation, for windows
    // with more timers to restore or to stop than the animation timer.
    virtual void formActivated() {}
    virtual void formDeactivated() {}
    // Shows the hint of whatever control of this window the pointer rests on (for windows with
    // a hint line of their own): its short part (before the "|") or its long part; an empty
    // function removes it. Each window has its own, so closing one never silences another.
    enum class HintPart { Short, Long };
    void setHintHandler(std::function<void(const QString& hint)> handler,
                        HintPart part = HintPart::Short);
    // The Return-key sign of a hint line: a hidden button with the "invio" picture, of
    // ControlHeight + 4 by ControlHeight + 2, in `panel` at height `top`.
    QToolButton* addReturnKeySign(QWidget* panel, const QString& name, int top);
    // Shows `hint` in the hint line `line`. With `withKey` and a hint that is not empty, the
    // Return-key sign stands 5 pixels after the hint and CaptionTexts row 39 ("(Invio)") is
    // appended to it, its opening spaces leaving room for the sign; otherwise the sign is hidden.
    void showHintWithKey(QLabel* line, QWidget* keySign, const QString& hint, bool withKey);
    // Key preview: these keys, pressed while one of the window's controls has the focus, go to
    // keyPressed() as if the window had the focus, and not to the control. Call it once the
    // controls are built.
    void setKeyPreview(const QList<int>& qtKeys);
    // Runs the activation handler again in a window that is already active, as a window's own
    // handler may call it: with the first-activation flag set again, its step runs once more
    // (pointer, hourglass, precompute, timer).
    void activateAgain();
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
    // A check button with a picture of the window's own.
    QToolButton* addCheckButton(QToolBar* bar, const QString& name, const QIcon& icon, int hintRow,
                                std::function<void()> onClick = {});
    // A speed button in a tool bar, or in another container (a panel) that places it itself.
    QToolButton* addSpeedButton(QWidget* parent, const QString& name, const QString& glyphName,
                                int group, bool allowAllUp, bool down, int hintRow,
                                std::function<void()> onClick = {});
    QSlider* addTrackBar(QToolBar* bar, const QString& name, int minimum, int maximum,
                         int hintRow, std::function<void()> onChange);
    // A tool button with a picture of the window's own.
    QToolButton* addToolButton(QToolBar* bar, const QString& name, const QIcon& icon, int hintRow,
                               std::function<void()> onClick = {});
    // A panel: docked to an edge with the given thickness, or free (Dock::None, placed by the
    // window). A colour fills it; without one it shows the window's button face.
    QFrame* addPanel(const QString& name, Dock dock, int thickness,
                     std::optional<raster::Color> colour = std::nullopt, bool lowered = false);
    // An edit box in a tool bar or a panel; read-only edits only show values.
    QLineEdit* addEdit(QWidget* parent, const QString& name, int hintRow, bool readOnly,
                       std::function<void()> onChange = {});
    // An up-down of minimum..maximum at `position`, bound to an edit that shows its position
    // (nullptr: none); a click moves it one step (wrapping round where asked) and runs onClick.
    QWidget* addUpDown(QWidget* parent, const QString& name, int minimum, int maximum, int position,
                       bool wrap, QLineEdit* associate, int hintRow, std::function<void()> onClick = {});
    // A spin button: two arrows with a handler each and no position of their own.
    QWidget* addSpinButton(QWidget* parent, const QString& name, int hintRow, std::function<void()> onUp,
                           std::function<void()> onDown);
    QComboBox* addDropDown(QWidget* parent, const QString& name, const QStringList& items, int index,
                           int hintRow, std::function<void()> onChange = {});
    // Makes a drop-down as wide as the widest of its items in the font of `measure` (the hidden
    // label through which a window measures texts), plus `extra` pixels for its button.
    void fitDropDown(QComboBox* list, const QLabel* measure, int extra);
    QLabel* addLabel(QWidget* parent, const QString& name, const QString& text);
    // Gives a control its own background and text colours (a black edit with white figures).
    static void setColours(QWidget* control, raster::Color background, raster::Color text, bool bold = false);
    QProgressBar* addProgress(QWidget* parent, const QString& name, int minimum, int maximum);
    // Runs `work` with `bar` shown from its minimum, and hides the bar afterwards. `work` reports
    // the count of steps done through the function it is given; the bar never goes past its
    // maximum, and is painted now and then as it moves, since the work holds the thread that
    // would otherwise paint it.
    void runWithProgress(QProgressBar* bar, const std::function<void(const std::function<void(int)>&)>& work);
    // A decorative frame at `geometry` (in `parent`'s coordinates), lowered or raised; it takes no
    // clicks and lies under the window's other controls.
    QFrame* addBevel(QWidget* parent, const QString& name, const QRect& geometry, bool raised = false);
    // A change of any of `controls` (up-down, drop-down, edit, speed button) enables `button`
    // before the control's own handler runs: the "new"/"draw" buttons that recompute.
    void enableOnChange(const QString& button, const QStringList& controls);
    // Gives the control bar the window's own name (most windows call it "barrasotto").
    void setControlBarName(const QString& name);
    // The control bar's own colour (a silver bar), with or without its raised bevel.
    void setControlBarLook(raster::Color colour, bool bevel = true);
    // Lays the control bar and the docked panels out again (after showing or hiding one).
    void relayout();
    // The client rectangle that the control bar and the docked panels leave free.
    QRect freeArea() const { return freeArea_; }
    void setUpDownPosition(const QString& name, int position);   // no handler runs
    int upDownPosition(const QString& name);
    // The standard trio: pause check button, speed bar and help button, with their hints.
    void addStandardControls(QToolBar* bar, const QString& pauseName = QStringLiteral("pausa"));
    void addHelpButton(QToolBar* bar);
    // A control's position without running its change handler (FormCreate's settings).
    void setPosition(const QString& name, int position);
    int position(const QString& name);
    void setDown(const QString& name, bool down);
    void setHint(Control& c, const QString& hint);

    Timer& addTimer(const QString& name, int intervalMs, bool enabled, std::function<void()> handler);
    // The animation timer of the window table (its name, design interval and state), with its
    // handler.
    Timer& addAnimationTimer(std::function<void()> handler);
    // The speed bar's position and the animation timer's interval that the window starts with;
    // the speed bar's handler does not run.
    void setSpeed(int position, int intervalMs);
    // Shows what is on the surface (after drawing on it); the paint handler does not run.
    void refresh()
    {
        presentPending_ = true;
        update();
    }
    // Shows only this rectangle of the surface (in surface pixels, right and bottom excluded): a
    // tick that changed a small part of the picture asks for that part alone. The picture shown
    // is the same as with refresh(); an empty rectangle shows nothing.
    void refresh(const QRect& surfaceRect);
    void refresh(const raster::Rect& surfaceRect);
    void speedBarChanged();   // interval := 200 - position, the standard speed-bar handler
    void showHelp();          // the help button

    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The classroom keys: true when the key was one of them and the window does not use it.
    bool classroomKey(int qtKey);
    // Places the controls that stand over the picture (children of the window other than the
    // control bar and the docked panels) where the enlarged picture has them.
    void placeOverPicture();
    Control& addControl(const QString& name, ControlKind kind, QWidget* widget, int hintRow);
    void applyHints();
    void speedButtonClicked(Control& c);
    void changed(const QString& name);
    void runActivation();   // activate() once the window counts as active
    void stepUpDown(Control& c, int delta);
    // The two arrow buttons of an up-down or a spin button, up above down.
    QWidget* addArrowPair(QWidget* parent, const std::function<void()>& onUp,
                          const std::function<void()>& onDown);
    std::vector<std::pair<QString, QString>> enablers_;   // control -> button it enables
    QRect freeArea_;

    void unpackSurface() const { packedSurface_.unpack(surface_); }

    const WindowInfo& info_;
    mutable raster::Bitmap surface_;
    mutable PackedPicture packedSurface_;   // the surface while the window is not active
    int scaleHalves_ = 2;
    QFrame* barrasotto_ = nullptr;
    QHBoxLayout* barLayout_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<Timer>> timers_;
    bool active_ = false;
    bool closing_ = false;
    bool showHints_ = false;
    bool shownOnce_ = false;        // the first repaint after the first activation has run
    bool presentPending_ = false;   // a refresh waits for its paint
    bool rendering_ = false;        // grabShown is rendering the window
    qint64 firstActivationNs_ = 0;
    std::function<void(const QString&)> hintHandler_;
    HintPart hintPart_ = HintPart::Short;
    QList<int> previewedKeys_;
    friend class HintDispatcher;
};

}  // namespace orb
