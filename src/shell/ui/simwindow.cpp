// The simulation-window framework: surface, tool bar controls, timers and activation protocol.
#include "shell/ui/simwindow.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/glyphs.h"
#include "shell/ui/platform.h"

namespace orb {

namespace {
// The system's button-face colour, the background of a window before anything is drawn.
constexpr raster::Color kButtonFace = raster::rgb(240, 240, 240);
}

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
}

SimWindow::~SimWindow() = default;

void SimWindow::create(QSize clientSize)
{
    // Common steps: the closed flag, the size, the caption; then the window's own steps.
    globals::WindowClosedFlags[static_cast<std::size_t>(info_.flag)] = false;
    surface_ = raster::Bitmap();
    surface_.canvas().brush.color = kButtonFace;
    surface_.setSize(std::max(clientSize.width(), 1), std::max(clientSize.height(), 1));
    surface_.canvas().brush.color = raster::rgb(255, 255, 255);
    resize(clientSize);
    if (info_.captionRow >= 0)
        setWindowTitle(QString::fromStdString(texts::CaptionTexts[info_.captionRow]));
    else
        setWindowTitle(QStringLiteral("  Momento angolare"));
    formCreate();
    if (bool* first = firstActivationFlag(); first && *first)
        barrasotto_->hide();
    barrasotto_->adjustSize();
    barrasotto_->setGeometry(0, 0, width(), barrasotto_->sizeHint().height());
}

void SimWindow::activate()
{
    if (active_)
        return;
    active_ = true;
    showHints_ = globals::ShowHints;
    applyHints();
    Timer* t = animationTimer();
    bool* first = firstActivationFlag();
    if (first && *first) {
        *first = false;
        platform::movePointer(this, clientWidth() / 2, clientHeight() / 10);
        platform::setBusyCursor(true);
        QElapsedTimer clock;
        clock.start();
        firstActivation();
        firstActivationNs_ = clock.nsecsElapsed();
        barrasotto_->show();
        platform::setBusyCursor(false);
        if (t)
            t->setEnabled(true);
        update();
    } else if (t) {
        if (bool* running = runningFlag())
            t->setEnabled(*running);
        else
            t->setEnabled(true);
    }
}

void SimWindow::deactivate()
{
    if (!active_)
        return;
    active_ = false;
    Timer* t = animationTimer();
    if (!t || !stopsOnDeactivate())
        return;
    if (bool* running = runningFlag())
        *running = t->enabled();
    t->setEnabled(false);
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
    controls_.push_back(std::move(c));
    return *controls_.back();
}

QToolButton* SimWindow::addToolButton(QToolBar* bar, const QString& name, int glyphIndex,
                                      int hintRow, std::function<void()> onClick)
{
    auto* b = new QToolButton(bar);
    b->setIcon(glyph(glyphIndex));
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

QToolButton* SimWindow::addCheckButton(QToolBar* bar, const QString& name, int glyphIndex,
                                       int hintRow, std::function<void()> onClick)
{
    auto* b = new QToolButton(bar);
    b->setIcon(glyph(glyphIndex));
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

QToolButton* SimWindow::addSpeedButton(QToolBar* bar, const QString& name, const QString& glyphName,
                                       int group, bool allowAllUp, bool down, int hintRow,
                                       std::function<void()> onClick)
{
    auto* b = new QToolButton(bar);
    b->setIcon(buttonGlyph(glyphName));
    b->setAutoRaise(true);
    b->setCheckable(group != 0);
    b->setChecked(down && group != 0);
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
    if (c.onClick)
        c.onClick();
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

void SimWindow::speedBarChanged()
{
    const QString bar = QString::fromUtf8(info_.speedBar.data(), static_cast<int>(info_.speedBar.size()));
    if (Timer* t = animationTimer())
        t->setInterval(200 - position(bar));
}

void SimWindow::showHelp() { emit helpRequested(info_.helpContext); }

bool SimWindow::click(const QString& name)
{
    Control* c = control(name);
    if (!c || !c->widget->isEnabled())
        return false;
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
    if (auto* s = qobject_cast<QSlider*>(c->widget)) {
        if (!ok || v < s->minimum() || v > s->maximum())
            return false;
        s->setValue(v);
        return true;
    }
    return false;
}

void SimWindow::pressKey(int qtKey)
{
    if (qtKey == Qt::Key_F1)
        emit helpRequested(info_.f1Context);
    else
        keyPressed(qtKey);
}

void SimWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QImage view(reinterpret_cast<const uchar*>(surface_.canvas().bits()), surface_.width(),
                      surface_.height(), surface_.canvas().stride() * 4, QImage::Format_RGB32);
    p.drawImage(0, 0, view);
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
    globals::WindowClosedFlags[static_cast<std::size_t>(info_.flag)] = true;
    event->accept();
    emit closed(this);
}

void SimWindow::keyPressEvent(QKeyEvent* event)
{
    pressKey(event->key());
    event->accept();
}

void SimWindow::resizeEvent(QResizeEvent*)
{
    barrasotto_->setGeometry(0, 0, width(), barrasotto_->sizeHint().height());
}

}  // namespace orb
