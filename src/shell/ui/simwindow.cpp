// The simulation-window framework: surface, tool bar controls, timers and activation protocol.
#include "shell/ui/simwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

#include "shell/colours.h"
#include "shell/globals.h"
#include "shell/picture_size.h"
#include "shell/texts.h"
#include "shell/ui/glyphs.h"
#include "shell/ui/help.h"
#include "shell/ui/platform.h"

namespace orb {

// The application-wide hint handler: it routes each hint to the window that owns the control
// under the pointer, if that window shows hints in a line of its own.
class HintDispatcher : public QObject {
public:
    static HintDispatcher& instance()
    {
        static HintDispatcher* d = [] {
            auto* dispatcher = new HintDispatcher;
            qApp->installEventFilter(dispatcher);
            return dispatcher;
        }();
        return *d;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Enter && event->type() != QEvent::Leave)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        for (QWidget* w = widget; w; w = w->parentWidget()) {
            auto* window = qobject_cast<SimWindow*>(w);
            if (!window)
                continue;
            if (!window->hintHandler_)
                return false;
            QString hint;
            if (event->type() == QEvent::Enter)
                for (const auto& c : window->controls_)
                    if (c->widget == widget) {
                        const std::string full = c->hint.toStdString();
                        hint = QString::fromStdString(std::string(
                            window->hintPart_ == SimWindow::HintPart::Long ? texts::longHint(full)
                                                                            : texts::shortHint(full)));
                    }
            window->hintHandler_(hint);
            return false;
        }
        return false;
    }
};

namespace {

// HintTexts rows that name the keys of the pause button and of the speed bar.
constexpr int kPauseKeysRow = 94;
constexpr int kSpeedKeysRow = 95;
// How far "+" and "-" move the speed bar.
constexpr int kSpeedKeyStep = 10;

int floorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// The widget rectangle that shows a rectangle of the picture at a scale in halves: picture pixel
// x covers the widget columns from x * s up to, not including, (x + 1) * s.
QRect scaledCover(const QRect& r, int halves)
{
    const int left = floorDiv(r.left() * halves, picture::kOne);
    const int top = floorDiv(r.top() * halves, picture::kOne);
    const int right = -floorDiv(-(r.right() + 1) * halves, picture::kOne);
    const int bottom = -floorDiv(-(r.bottom() + 1) * halves, picture::kOne);
    return QRect(left, top, right - left, bottom - top);
}

// A hint with the name of its keys after its short part: "pause|" becomes "pause (Space)|"; a
// hint without a "|" (all of it short) gets them at its end.
QString withKeys(const std::string& hint, int keysRow)
{
    const QString text = QString::fromStdString(hint);
    const QString keys = QString::fromStdString(texts::HintTexts[keysRow]);
    const int bar = text.indexOf(QLatin1Char('|'));
    return bar < 0 ? text + keys : text.left(bar) + keys + text.mid(bar);
}

}  // namespace

const char* controlKindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Button: return "button";
    case ControlKind::Check: return "check";
    case ControlKind::Speed: return "speed";
    case ControlKind::TrackBar: return "trackbar";
    case ControlKind::UpDown: return "updown";
    case ControlKind::DropDown: return "dropdown";
    case ControlKind::Edit: return "edit";
    case ControlKind::Label: return "label";
    case ControlKind::Panel: return "panel";
    case ControlKind::Progress: return "progress";
    case ControlKind::Bar: return "bar";
    case ControlKind::Bevel: return "bevel";
    case ControlKind::Spin: return "spin";
    }
    return "control";
}

SimWindow::SimWindow(const WindowInfo& info, QWidget* parent) : QWidget(parent), info_(info)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    barrasotto_ = new QFrame(this);
    barrasotto_->setObjectName(QStringLiteral("barrasotto"));
    barrasotto_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    barrasotto_->setAutoFillBackground(true);
    barLayout_ = new QHBoxLayout(barrasotto_);
    barLayout_->setContentsMargins(2, 1, 2, 1);
    barLayout_->setSpacing(6);
    barLayout_->addStretch(1);
    // The control bar is a named component like the others, but keeps the window's cursor.
    addControl(QStringLiteral("barrasotto"), ControlKind::Bar, barrasotto_, -1);
    barrasotto_->unsetCursor();
}

SimWindow::~SimWindow() = default;

void SimWindow::create(QSize clientSize)
{
    // Common steps: the closed flag, the size, the caption; then the window's own steps.
    globals::WindowClosedFlags[static_cast<std::size_t>(info_.flag)] = false;
    packedSurface_ = PackedPicture();
    surface_ = raster::Bitmap();
    surface_.canvas().brush.color = kButtonFace;
    surface_.setSize(std::max(picture::pictureExtent(clientSize.width(), scaleHalves_), 1),
                     std::max(picture::pictureExtent(clientSize.height(), scaleHalves_), 1));
    surface_.canvas().brush.color = raster::rgb(255, 255, 255);
    resize(clientSize);
    if (info_.captionRow >= 0)
        setWindowTitle(QString::fromStdString(texts::CaptionTexts[info_.captionRow]));
    else
        setWindowTitle(QStringLiteral("  Momento angolare"));
    formCreate();
    if (bool* first = firstActivationFlag(); first && *first)
        barrasotto_->hide();
    relayout();
    placeOverPicture();
    // The classroom keys reach the window whichever of its controls has the focus.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void SimWindow::setPictureScale(int halves)
{
    scaleHalves_ = (halves == 3 || halves == 4 || halves == 6) ? halves : picture::kOne;
}

QRect SimWindow::toWidget(const QRect& surfaceRect) const
{
    return scaleHalves_ == picture::kOne ? surfaceRect : scaledCover(surfaceRect, scaleHalves_);
}

QImage SimWindow::picture() const
{
    unpackSurface();
    return QImage(reinterpret_cast<const uchar*>(surface_.canvas().bits()), surface_.width(), surface_.height(),
                  surface_.canvas().stride() * 4, QImage::Format_RGB32)
        .copy();
}

void SimWindow::placeOverPicture()
{
    if (scaleHalves_ == picture::kOne)
        return;
    for (const auto& c : controls_) {
        QWidget* widget = c->widget;
        if (widget->parentWidget() != this || widget == barrasotto_ ||
            (c->kind == ControlKind::Panel && c->dock != static_cast<int>(Dock::None)))
            continue;
        const QRect g = widget->geometry();
        if (c->kind == ControlKind::Bevel) {
            // A bevel frames a part of the picture: it grows with it.
            widget->setGeometry(scaledCover(g, scaleHalves_));
            continue;
        }
        // A control keeps its size, and its centre goes where the enlarged picture has it.
        const int x = floorDiv((2 * g.x() + g.width()) * scaleHalves_, 2 * picture::kOne) - g.width() / 2;
        const int y = floorDiv((2 * g.y() + g.height()) * scaleHalves_, 2 * picture::kOne) - g.height() / 2;
        widget->move(x, y);
    }
}

void SimWindow::activate()
{
    if (active_)
        return;
    active_ = true;
    runActivation();
}

void SimWindow::activateAgain()
{
    if (active_)
        runActivation();
}

void SimWindow::runActivation()
{
    unpackSurface();
    showHints_ = globals::ShowHints;
    applyHints();
    Timer* t = animationTimer();
    bool* first = firstActivationFlag();
    if (first && *first) {
        *first = false;
        const bool busy = busyOnFirstActivation();
        if (busy) {
            const QPoint at =
                scaledCover(QRect(clientWidth() / 2, clientHeight() / 10, 1, 1), scaleHalves_).topLeft();
            platform::movePointer(this, at.x(), at.y());
            platform::setBusyCursor(true);
        }
        QElapsedTimer clock;
        clock.start();
        firstActivation();
        firstActivationNs_ = clock.nsecsElapsed();
        barrasotto_->show();
        relayout();
        if (busy)
            platform::setBusyCursor(false);
        if (t)
            t->setEnabled(true);
        refresh();
    } else if (t && stopsOnDeactivate()) {
        if (bool* running = runningFlag())
            t->setEnabled(*running);
        else
            t->setEnabled(true);
    }
    formActivated();
    if (!shownOnce_) {
        shownOnce_ = true;
        repaintWindow();
    }
}

void SimWindow::repaintWindow()
{
    formPaint();
    refresh();
}

QImage SimWindow::grabShown()
{
    QWidget* shown = parentWidget() ? parentWidget() : this;
    rendering_ = true;
    const QImage image = shown->grab().toImage();
    rendering_ = false;
    return image;
}

void SimWindow::deactivate()
{
    if (!active_)
        return;
    active_ = false;
    formDeactivated();
    Timer* t = animationTimer();
    if (!t || !stopsOnDeactivate())
        return;
    if (bool* running = runningFlag())
        *running = t->enabled();
    t->setEnabled(false);
    // Nothing draws on the surface until the window is active again (a paint shows the packed
    // picture as it is).
    packedSurface_.pack(surface_);
}

Control* SimWindow::control(const QString& name)
{
    for (auto& c : controls_)
        if (c->name == name)
            return c.get();
    return nullptr;
}

Timer* SimWindow::timer(const QString& name)
{
    for (auto& t : timers_)
        if (QString::fromStdString(t->name()) == name)
            return t.get();
    return nullptr;
}

Timer* SimWindow::animationTimer()
{
    return timer(QString::fromUtf8(info_.timerName.data(), static_cast<int>(info_.timerName.size())));
}

QToolBar* SimWindow::addToolBar()
{
    auto* bar = new QToolBar(barrasotto_);
    bar->setIconSize(QSize(16, 16));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setStyleSheet(QStringLiteral("QToolBar { border: 0px; }"));
    barLayout_->insertWidget(barLayout_->count() - 1, bar);
    return bar;
}

Control& SimWindow::addControl(const QString& name, ControlKind kind, QWidget* widget, int hintRow)
{
    auto c = std::make_unique<Control>();
    c->name = name;
    c->kind = kind;
    c->widget = widget;
    c->hintRow = hintRow;
    widget->setObjectName(name);
    // Every tool-bar control shows the pointing hand.
    widget->setCursor(Qt::PointingHandCursor);
    if (hintRow >= 0)
        c->hint = QString::fromStdString(texts::HintTexts[hintRow]);
    // The pause button and the speed bar name their keys.
    if (kind == ControlKind::Check && hintRow == 0)
        c->hint = withKeys(texts::HintTexts[hintRow], kPauseKeysRow);
    if (kind == ControlKind::TrackBar && hintRow >= 0 &&
        name == QString::fromUtf8(info_.speedBar.data(), static_cast<int>(info_.speedBar.size())))
        c->hint = withKeys(texts::HintTexts[hintRow], kSpeedKeysRow);
    controls_.push_back(std::move(c));
    return *controls_.back();
}

QToolButton* SimWindow::addToolButton(QToolBar* bar, const QString& name, int glyphIndex,
                                      int hintRow, std::function<void()> onClick)
{
    return addToolButton(bar, name, glyph(glyphIndex), hintRow, std::move(onClick));
}

QToolButton* SimWindow::addToolButton(QToolBar* bar, const QString& name, const QIcon& icon,
                                      int hintRow, std::function<void()> onClick)
{
    auto* b = new QToolButton(bar);
    b->setIcon(icon);
    b->setAutoRaise(true);
    bar->addWidget(b);
    Control& c = addControl(name, ControlKind::Button, b, hintRow);
    c.onClick = std::move(onClick);
    connect(b, &QToolButton::clicked, this, [this, name] {
        if (Control* ctl = control(name); ctl && ctl->onClick)
            ctl->onClick();
    });
    return b;
}

QFrame* SimWindow::addPanel(const QString& name, Dock dock, int thickness,
                            std::optional<raster::Color> colour, bool lowered)
{
    auto* panel = new QFrame(this);
    panel->setFrameStyle(lowered ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    if (colour) {
        panel->setAutoFillBackground(true);
        QPalette p = panel->palette();
        p.setColor(QPalette::Window, QColor::fromRgb(*colour));
        panel->setPalette(p);
    } else {
        panel->setAutoFillBackground(true);
    }
    Control& c = addControl(name, ControlKind::Panel, panel, -1);
    c.dock = static_cast<int>(dock);
    c.thickness = thickness;
    panel->setCursor(Qt::ArrowCursor);
    relayout();
    return panel;
}

void SimWindow::setControlBarName(const QString& name)
{
    for (auto& c : controls_)
        if (c->widget == barrasotto_)
            c->name = name;
    barrasotto_->setObjectName(name);
}

void SimWindow::setControlBarLook(raster::Color colour, bool bevel)
{
    QPalette p = barrasotto_->palette();
    p.setColor(QPalette::Window, QColor::fromRgb(colour));
    barrasotto_->setPalette(p);
    barrasotto_->setFrameStyle(bevel ? (QFrame::Panel | QFrame::Raised) : QFrame::NoFrame);
}

void SimWindow::relayout()
{
    QRect free(0, 0, width(), height());
    if (barrasotto_ && !barrasotto_->isHidden()) {
        const int h = barrasotto_->sizeHint().height();
        barrasotto_->setGeometry(free.left(), free.top(), free.width(), h);
        free.setTop(free.top() + h);
    }
    for (auto& c : controls_) {
        if (c->kind != ControlKind::Panel || c->dock == 0 || c->widget->isHidden())
            continue;
        const int t = c->thickness;
        switch (static_cast<Dock>(c->dock)) {
        case Dock::Top:
            c->widget->setGeometry(free.left(), free.top(), free.width(), t);
            free.setTop(free.top() + t);
            break;
        case Dock::Bottom:
            c->widget->setGeometry(free.left(), free.bottom() - t + 1, free.width(), t);
            free.setBottom(free.bottom() - t);
            break;
        case Dock::Left:
            c->widget->setGeometry(free.left(), free.top(), t, free.height());
            free.setLeft(free.left() + t);
            break;
        case Dock::Right:
            c->widget->setGeometry(free.right() - t + 1, free.top(), t, free.height());
            free.setRight(free.right() - t);
            break;
        case Dock::None:
            break;
        }
    }
    freeArea_ = free;
}

QLineEdit* SimWindow::addEdit(QWidget* parent, const QString& name, int hintRow, bool readOnly,
                              std::function<void()> onChange)
{
    auto* e = new QLineEdit(parent);
    e->setReadOnly(readOnly);
    if (auto* bar = qobject_cast<QToolBar*>(parent))
        bar->addWidget(e);
    Control& c = addControl(name, ControlKind::Edit, e, hintRow);
    c.onClick = std::move(onChange);
    if (readOnly)
        e->setCursor(Qt::ArrowCursor);
    connect(e, &QLineEdit::textChanged, this, [this, name] { changed(name); });
    return e;
}

QWidget* SimWindow::addArrowPair(QWidget* parent, const std::function<void()>& onUp,
                                 const std::function<void()>& onDown)
{
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* up = new QToolButton(box);
    auto* down = new QToolButton(box);
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up, down}) {
        b->setAutoRaise(true);
        b->setFixedSize(16, 10);
        b->setCursor(Qt::PointingHandCursor);
        layout->addWidget(b);
    }
    if (auto* bar = qobject_cast<QToolBar*>(parent))
        bar->addWidget(box);
    connect(up, &QToolButton::clicked, this, onUp);
    connect(down, &QToolButton::clicked, this, onDown);
    return box;
}

QWidget* SimWindow::addUpDown(QWidget* parent, const QString& name, int minimum, int maximum,
                              int position, bool wrap, QLineEdit* associate, int hintRow,
                              std::function<void()> onClick)
{
    const auto step = [this, name](int delta) {
        if (Control* ctl = control(name))
            stepUpDown(*ctl, delta);
    };
    QWidget* box = addArrowPair(parent, [step] { step(+1); }, [step] { step(-1); });
    Control& c = addControl(name, ControlKind::UpDown, box, hintRow);
    c.minimum = minimum;
    c.maximum = maximum;
    c.position = std::clamp(position, minimum, maximum);
    c.wrap = wrap;
    c.associate = associate;
    c.onClick = std::move(onClick);
    if (associate) {
        const QSignalBlocker block(associate);
        associate->setText(QString::number(c.position));
    }
    return box;
}

QWidget* SimWindow::addSpinButton(QWidget* parent, const QString& name, int hintRow,
                                  std::function<void()> onUp, std::function<void()> onDown)
{
    QWidget* box = addArrowPair(parent, std::move(onUp), std::move(onDown));
    addControl(name, ControlKind::Spin, box, hintRow);
    return box;
}

void SimWindow::stepUpDown(Control& c, int delta)
{
    int next = c.position + delta;
    if (next > c.maximum)
        next = c.wrap ? c.minimum : c.maximum;
    if (next < c.minimum)
        next = c.wrap ? c.maximum : c.minimum;
    c.position = next;
    if (c.associate) {
        const QSignalBlocker block(c.associate);
        c.associate->setText(QString::number(next));
    }
    changed(c.name);
}

void SimWindow::setUpDownPosition(const QString& name, int position)
{
    Control* c = control(name);
    if (!c || c->kind != ControlKind::UpDown)
        return;
    c->position = std::clamp(position, c->minimum, c->maximum);
    if (c->associate) {
        const QSignalBlocker block(c->associate);
        c->associate->setText(QString::number(c->position));
    }
}

int SimWindow::upDownPosition(const QString& name)
{
    Control* c = control(name);
    return c && c->kind == ControlKind::UpDown ? c->position : 0;
}

QComboBox* SimWindow::addDropDown(QWidget* parent, const QString& name, const QStringList& items,
                                  int index, int hintRow, std::function<void()> onChange)
{
    auto* combo = new QComboBox(parent);
    combo->addItems(items);
    combo->setCurrentIndex(index);
    if (auto* bar = qobject_cast<QToolBar*>(parent))
        bar->addWidget(combo);
    Control& c = addControl(name, ControlKind::DropDown, combo, hintRow);
    c.onClick = std::move(onChange);
    connect(combo, &QComboBox::currentIndexChanged, this, [this, name] { changed(name); });
    return combo;
}

void SimWindow::fitDropDown(QComboBox* list, const QLabel* measure, int extra)
{
    const QFontMetrics metrics(measure->font());
    int widest = 0;
    for (int i = 0; i < list->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(list->itemText(i)));
    list->setFixedWidth(widest + extra);
}

QLabel* SimWindow::addLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    if (auto* bar = qobject_cast<QToolBar*>(parent))
        bar->addWidget(label);
    Control& c = addControl(name, ControlKind::Label, label, -1);
    (void)c;
    label->setCursor(Qt::ArrowCursor);
    return label;
}

void SimWindow::setColours(QWidget* control, raster::Color background, raster::Color text, bool bold)
{
    QPalette p = control->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
        p.setColor(role, QColor::fromRgb(background));
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        p.setColor(role, QColor::fromRgb(text));
    control->setPalette(p);
    control->setAutoFillBackground(true);
    QFont f = control->font();
    f.setBold(bold);
    control->setFont(f);
}

QProgressBar* SimWindow::addProgress(QWidget* parent, const QString& name, int minimum, int maximum)
{
    auto* bar = new QProgressBar(parent);
    bar->setRange(minimum, maximum);
    bar->setValue(minimum);
    bar->setTextVisible(false);
    if (auto* tb = qobject_cast<QToolBar*>(parent))
        tb->addWidget(bar);
    addControl(name, ControlKind::Progress, bar, -1);
    bar->setCursor(Qt::ArrowCursor);
    return bar;
}

void SimWindow::runWithProgress(QProgressBar* bar,
                                const std::function<void(const std::function<void(int)>&)>& work)
{
    // A repaint costs about a millisecond, so the bar is painted at most every 40 ms: often
    // enough to be seen moving, too seldom to slow the work down.
    constexpr qint64 kPaintEveryMs = 40;
    const int minimum = bar->minimum();
    const int maximum = bar->maximum();
    bar->show();
    bar->setValue(minimum);
    QElapsedTimer sincePaint;
    sincePaint.start();
    work([&](int done) {
        const auto value = std::clamp<long long>(static_cast<long long>(minimum) + done, minimum, maximum);
        bar->setValue(static_cast<int>(value));
        if (sincePaint.elapsed() >= kPaintEveryMs) {
            bar->repaint();
            sincePaint.restart();
        }
    });
    bar->hide();
}

QFrame* SimWindow::addBevel(QWidget* parent, const QString& name, const QRect& geometry, bool raised)
{
    auto* bevel = new QFrame(parent);
    bevel->setFrameStyle(raised ? (QFrame::Panel | QFrame::Raised) : (QFrame::Box | QFrame::Sunken));
    bevel->setAttribute(Qt::WA_TransparentForMouseEvents);
    bevel->setGeometry(geometry);
    bevel->lower();
    addControl(name, ControlKind::Bevel, bevel, -1);
    bevel->unsetCursor();
    return bevel;
}

void SimWindow::enableOnChange(const QString& button, const QStringList& controls)
{
    for (const QString& c : controls)
        enablers_.emplace_back(c, button);
}

void SimWindow::changed(const QString& name)
{
    for (const auto& [source, button] : enablers_)
        if (source == name)
            if (Control* b = control(button))
                b->widget->setEnabled(true);
    if (Control* c = control(name); c && c->onClick)
        c->onClick();
}

QString SimWindow::controlText(const Control& c) const
{
    if (auto* e = qobject_cast<QLineEdit*>(c.widget))
        return e->text();
    if (auto* l = qobject_cast<QLabel*>(c.widget))
        return l->text();
    if (auto* combo = qobject_cast<QComboBox*>(c.widget))
        return combo->currentText();
    return c.widget->property("text").toString();
}

int SimWindow::controlPosition(const Control& c) const
{
    if (auto* s = qobject_cast<QSlider*>(c.widget))
        return s->value();
    if (c.kind == ControlKind::UpDown)
        return c.position;
    if (auto* combo = qobject_cast<QComboBox*>(c.widget))
        return combo->currentIndex();
    if (auto* p = qobject_cast<QProgressBar*>(c.widget))
        return p->value();
    return 0;
}

QToolButton* SimWindow::addCheckButton(QToolBar* bar, const QString& name, int glyphIndex,
                                       int hintRow, std::function<void()> onClick)
{
    return addCheckButton(bar, name, glyph(glyphIndex), hintRow, std::move(onClick));
}

QToolButton* SimWindow::addCheckButton(QToolBar* bar, const QString& name, const QIcon& icon,
                                       int hintRow, std::function<void()> onClick)
{
    auto* b = new QToolButton(bar);
    b->setIcon(icon);
    b->setAutoRaise(true);
    b->setCheckable(true);
    bar->addWidget(b);
    Control& c = addControl(name, ControlKind::Check, b, hintRow);
    c.onClick = std::move(onClick);
    connect(b, &QToolButton::clicked, this, [this, name](bool checked) {
        if (Control* ctl = control(name)) {
            ctl->down = checked;
            if (ctl->onClick)
                ctl->onClick();
        }
    });
    return b;
}

QToolButton* SimWindow::addSpeedButton(QWidget* parent, const QString& name, const QString& glyphName,
                                       int group, bool allowAllUp, bool down, int hintRow,
                                       std::function<void()> onClick)
{
    auto* b = new QToolButton(parent);
    const QIcon icon = buttonGlyph(glyphName);
    if (icon.availableSizes().isEmpty())
        b->setText(glyphName);   // a button whose picture is not drawn yet shows its name
    else
        b->setIcon(icon);
    b->setAutoRaise(true);
    b->setCheckable(group != 0);
    b->setChecked(down && group != 0);
    if (auto* bar = qobject_cast<QToolBar*>(parent))
        bar->addWidget(b);
    Control& c = addControl(name, ControlKind::Speed, b, hintRow);
    c.group = group;
    c.allowAllUp = allowAllUp;
    c.down = down && group != 0;
    c.onClick = std::move(onClick);
    connect(b, &QToolButton::clicked, this, [this, name] {
        if (Control* ctl = control(name))
            speedButtonClicked(*ctl);
    });
    return b;
}

void SimWindow::speedButtonClicked(Control& c)
{
    // A speed button in group 0 only clicks. In a group, a raised button goes down and raises the
    // others of its group; a lowered one goes up only where the group may be all up.
    if (c.group != 0) {
        if (!c.down) {
            for (auto& other : controls_)
                if (other.get() != &c && other->kind == ControlKind::Speed && other->group == c.group)
                    setDown(other->name, false);
            setDown(c.name, true);
        } else if (c.allowAllUp) {
            setDown(c.name, false);
        } else {
            setDown(c.name, true);
        }
    }
    changed(c.name);
}

QSlider* SimWindow::addTrackBar(QToolBar* bar, const QString& name, int minimum, int maximum,
                                int hintRow, std::function<void()> onChange)
{
    auto* s = new QSlider(Qt::Horizontal, bar);
    s->setRange(minimum, maximum);
    s->setSingleStep(1);
    s->setPageStep(5);
    s->setTickPosition(QSlider::NoTicks);
    s->setFixedWidth(100);
    bar->addWidget(s);
    Control& c = addControl(name, ControlKind::TrackBar, s, hintRow);
    c.onClick = std::move(onChange);
    connect(s, &QSlider::valueChanged, this, [this, name] {
        if (Control* ctl = control(name); ctl && ctl->onClick)
            ctl->onClick();
    });
    return s;
}

void SimWindow::addStandardControls(QToolBar* bar, const QString& pauseName)
{
    addCheckButton(bar, pauseName, 0, 0);
    if (!info_.speedBar.empty())
        addTrackBar(bar, QString::fromUtf8(info_.speedBar.data(), static_cast<int>(info_.speedBar.size())),
                    5, 195, 1, [this] { speedBarChanged(); });
}

void SimWindow::addHelpButton(QToolBar* bar)
{
    addToolButton(bar,
                  QString::fromUtf8(info_.helpButton.data(), static_cast<int>(info_.helpButton.size())),
                  2, 4, [this] { showHelp(); });
}

void SimWindow::setPosition(const QString& name, int position)
{
    Control* c = control(name);
    if (!c)
        return;
    if (auto* s = qobject_cast<QSlider*>(c->widget)) {
        const QSignalBlocker block(s);
        s->setValue(position);
    }
}

int SimWindow::position(const QString& name)
{
    Control* c = control(name);
    if (c)
        if (auto* s = qobject_cast<QSlider*>(c->widget))
            return s->value();
    return 0;
}

void SimWindow::setDown(const QString& name, bool down)
{
    Control* c = control(name);
    if (!c)
        return;
    c->down = down;
    if (auto* b = qobject_cast<QToolButton*>(c->widget)) {
        const QSignalBlocker block(b);
        b->setChecked(down);
    }
}

bool SimWindow::isDown(const QString& name)
{
    Control* c = control(name);
    return c && c->down;
}

void SimWindow::setHintHandler(std::function<void(const QString& hint)> handler, HintPart part)
{
    HintDispatcher::instance();
    hintHandler_ = std::move(handler);
    hintPart_ = part;
}

QToolButton* SimWindow::addReturnKeySign(QWidget* panel, const QString& name, int top)
{
    QToolButton* sign = addSpeedButton(panel, name, QStringLiteral("invio"), 0, false, false, -1);
    sign->setAutoRaise(false);
    sign->setFixedSize(globals::ControlHeight + 4, globals::ControlHeight + 2);
    sign->move(0, top);
    sign->setCursor(Qt::ArrowCursor);
    sign->hide();
    return sign;
}

void SimWindow::showHintWithKey(QLabel* line, QWidget* keySign, const QString& hint, bool withKey)
{
    line->setText(hint);
    line->adjustSize();
    keySign->move(line->x() + line->width() + 5, keySign->y());
    withKey = withKey && !hint.isEmpty();
    keySign->setVisible(withKey);
    if (withKey) {
        line->setText(hint + QString::fromStdString(texts::CaptionTexts[39]));
        line->adjustSize();
    }
}

void SimWindow::setHint(Control& c, const QString& hint)
{
    c.hint = hint;
    applyHints();
}

void SimWindow::applyHints()
{
    for (auto& c : controls_) {
        const std::string full = c->hint.toStdString();
        c->widget->setToolTip(showHints_ ? QString::fromStdString(std::string(texts::shortHint(full)))
                                         : QString());
    }
}

Timer& SimWindow::addTimer(const QString& name, int intervalMs, bool enabled,
                           std::function<void()> handler)
{
    timers_.push_back(std::make_unique<Timer>(name.toStdString(), intervalMs, enabled, std::move(handler)));
    return *timers_.back();
}

Timer& SimWindow::addAnimationTimer(std::function<void()> handler)
{
    return addTimer(QString::fromUtf8(info_.timerName.data(), static_cast<int>(info_.timerName.size())),
                    info_.timerDesignInterval, info_.timerOnAtDesign, std::move(handler));
}

void SimWindow::setSpeed(int position, int intervalMs)
{
    setPosition(QString::fromUtf8(info_.speedBar.data(), static_cast<int>(info_.speedBar.size())), position);
    if (Timer* t = animationTimer())
        t->setInterval(intervalMs);
}

void SimWindow::speedBarChanged()
{
    const QString bar = QString::fromUtf8(info_.speedBar.data(), static_cast<int>(info_.speedBar.size()));
    if (Timer* t = animationTimer())
        t->setInterval(200 - position(bar));
}

void SimWindow::showHelp() { emit helpRequested(info_.helpContext); }

Control* SimWindow::clickTarget(const QString& name)
{
    if (Control* c = control(name))
        return c;
    for (const QLatin1String arrow : {QLatin1String(".up"), QLatin1String(".down")})
        if (name.endsWith(arrow))
            if (Control* c = control(name.chopped(arrow.size()));
                c && (c->kind == ControlKind::UpDown || c->kind == ControlKind::Spin))
                return c;
    return nullptr;
}

bool SimWindow::click(const QString& name)
{
    Control* c = clickTarget(name);
    if (!c || !c->widget->isEnabled())
        return false;
    if (c->kind == ControlKind::UpDown || c->kind == ControlKind::Spin) {
        // Only an arrow of these can be clicked: the first button is up, the second down.
        const auto arrows = c->widget->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
        if (name == c->name || arrows.size() != 2)
            return false;
        arrows[name.endsWith(QLatin1String(".up")) ? 0 : 1]->click();
        return true;
    }
    auto* b = qobject_cast<QAbstractButton*>(c->widget);
    if (!b)
        return false;
    b->click();
    return true;
}

bool SimWindow::setValue(const QString& name, const QString& value)
{
    Control* c = control(name);
    if (!c)
        return false;
    bool ok = false;
    const int v = value.toInt(&ok);
    if (!c->widget->isEnabled())
        return false;
    if (auto* s = qobject_cast<QSlider*>(c->widget)) {
        if (!ok || v < s->minimum() || v > s->maximum())
            return false;
        s->setValue(v);
        return true;
    }
    if (c->kind == ControlKind::UpDown) {
        if (!ok || v < c->minimum || v > c->maximum)
            return false;
        stepUpDown(*c, v - c->position);
        return true;
    }
    if (auto* combo = qobject_cast<QComboBox*>(c->widget)) {
        if (!ok || v < 0 || v >= combo->count())
            return false;
        if (combo->currentIndex() == v)
            changed(name);   // choosing the same item again still counts as a choice
        else
            combo->setCurrentIndex(v);
        return true;
    }
    if (auto* e = qobject_cast<QLineEdit*>(c->widget)) {
        if (e->isReadOnly())
            return false;
        e->setText(value);
        return true;
    }
    return false;
}

void SimWindow::pressKey(int qtKey)
{
    if (qtKey != Qt::Key_F1 && classroomKey(qtKey))
        return;
    if (qtKey == Qt::Key_F1)
        help::showTopic(info_.f1Context, info_, this);   // a context two windows share leads to this one's topic
    else
        keyPressed(qtKey);
}

Control* SimWindow::pauseButton()
{
    for (auto& c : controls_)
        if (c->kind == ControlKind::Check && c->hintRow == 0)
            return c.get();
    return nullptr;
}

bool SimWindow::classroomKey(int qtKey)
{
    if (previewedKeys_.contains(qtKey))
        return false;   // the window's own
    switch (qtKey) {
    case Qt::Key_Space:
        if (Control* pause = pauseButton(); pause && pause->widget->isEnabled())
            click(pause->name);
        return true;
    case Qt::Key_Plus:
    case Qt::Key_Minus: {
        const QString name = QString::fromUtf8(info_.speedBar.data(), static_cast<int>(info_.speedBar.size()));
        Control* bar = name.isEmpty() ? nullptr : control(name);
        auto* slider = bar ? qobject_cast<QSlider*>(bar->widget) : nullptr;
        if (slider && slider->isEnabled()) {
            const int step = qtKey == Qt::Key_Plus ? kSpeedKeyStep : -kSpeedKeyStep;
            slider->setValue(std::clamp(slider->value() + step, slider->minimum(), slider->maximum()));
        }
        return true;
    }
    case Qt::Key_Period: {
        // One tick of the running window, and the window stays paused.
        Control* pause = pauseButton();
        Timer* t = animationTimer();
        if (!pause || !pause->down || !t || !t->enabled())
            return true;
        const QString name = pause->name;
        const QPointer<SimWindow> alive(this);
        setDown(name, false);
        t->fire();
        if (alive && !closing_)
            setDown(name, true);
        return true;
    }
    default:
        return false;
    }
}

void SimWindow::paintEvent(QPaintEvent* event)
{
    // A paint that no refresh asked for: the window was uncovered, and its own paint handler
    // draws its picture anew. A refresh's paint only shows what the window drew.
    if (!rendering_) {
        if (!presentPending_ && shownOnce_)
            formPaint();
        presentPending_ = false;
    }
    QPainter p(this);
    const int w = clientWidth(), h = clientHeight();
    QImage view;
    if (!packedSurface_.packed()) {
        view = QImage(reinterpret_cast<const uchar*>(surface_.canvas().bits()), w, h,
                      surface_.canvas().stride() * 4, QImage::Format_RGB32);
    }
    if (scaleHalves_ == picture::kOne) {
        // Only the rectangles asked for: a tick that changed a small part costs that part alone.
        for (const QRect& asked : event->region()) {
            const QRect r = asked & QRect(0, 0, w, h);
            if (r.isEmpty())
                continue;
            if (view.isNull()) {
                // An inactive window uncovered: its rectangles from the packed picture, which
                // stays packed.
                QImage part(r.size(), QImage::Format_RGB32);
                packedSurface_.copyTo({r.left(), r.top(), r.right() + 1, r.bottom() + 1},
                                      reinterpret_cast<std::uint32_t*>(part.bits()), int(part.bytesPerLine() / 4));
                p.drawImage(r.topLeft(), part);
            } else {
                p.drawImage(r, view, r);
            }
        }
    } else {
        if (view.isNull()) {
            view = QImage(w, h, QImage::Format_RGB32);
            packedSurface_.copyTo({0, 0, w, h}, reinterpret_cast<std::uint32_t*>(view.bits()),
                                  int(view.bytesPerLine() / 4));
        }
        // The picture enlarged: whole scales repeat each pixel, 150 % blends smoothly. What the
        // truncated picture leaves at the right and the bottom edge stays black. The paint's own
        // clip keeps a partial refresh to its part.
        const QRect shown = scaledCover(QRect(0, 0, w, h), scaleHalves_);
        p.setRenderHint(QPainter::SmoothPixmapTransform, scaleHalves_ % 2 != 0);
        p.drawImage(shown, view);
        p.fillRect(QRect(shown.right() + 1, 0, width() - shown.width(), height()), Qt::black);
        p.fillRect(QRect(0, shown.bottom() + 1, shown.width(), height() - shown.height()), Qt::black);
    }
    p.end();
    if (!rendering_)
        emit presented();
}

void SimWindow::refresh(const QRect& surfaceRect)
{
    const QRect r = surfaceRect & QRect(0, 0, clientWidth(), clientHeight());
    if (r.isEmpty())
        return;
    presentPending_ = true;
    // The smooth enlargement at 150 % rounds a clipped part differently from the whole picture
    // (by one level here and there): at that size the whole client is shown again, so that a
    // partial refresh shows exactly what a full one would.
    if (scaleHalves_ % 2 != 0)
        update();
    else
        update(toWidget(r));
}

void SimWindow::refresh(const raster::Rect& surfaceRect)
{
    if (surfaceRect.right <= surfaceRect.left || surfaceRect.bottom <= surfaceRect.top)
        return;
    refresh(QRect(QPoint(surfaceRect.left, surfaceRect.top), QPoint(surfaceRect.right - 1, surfaceRect.bottom - 1)));
}

void SimWindow::closeEvent(QCloseEvent* event)
{
    if (closing_) {
        event->accept();
        return;
    }
    closing_ = true;
    for (auto& t : timers_)
        t->setEnabled(false);
    formClose();
    surface_ = raster::Bitmap();
    packedSurface_ = PackedPicture();
    globals::WindowClosedFlags[static_cast<std::size_t>(info_.flag)] = true;
    event->accept();
    emit closed(this);
}

void SimWindow::keyPressEvent(QKeyEvent* event)
{
    // Space, "+", "-" and "." with Ctrl or Alt are not the classroom keys.
    const QList<int> shared{Qt::Key_Space, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Period};
    if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
        shared.contains(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    pressKey(event->key());
    event->accept();
}

void SimWindow::setKeyPreview(const QList<int>& qtKeys)
{
    previewedKeys_ = qtKeys;
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool SimWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched != this) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        if (previewedKeys_.contains(key)) {
            pressKey(key);
            return true;
        }
        // The classroom keys, unless they are typed into an edit or come with Ctrl or Alt.
        const auto* edit = qobject_cast<QLineEdit*>(watched);
        const bool typing = edit && !edit->isReadOnly();
        const bool plain = !(keyEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (!typing && plain && classroomKey(key))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SimWindow::resizeEvent(QResizeEvent*) { relayout(); }

}  // namespace orb
