// The main frame window: start screen, menus, start picture, clock, and the simulation windows.
#include "shell/ui/mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QSaveFile>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTime>

#include "shell/language.h"
#include "shell/texts.h"
#include "shell/ui/avviso.h"
#include "shell/ui/forms.h"
#include "shell/ui/riguardo.h"
#include "shell/ui/glyphs.h"
#include "shell/ui/help.h"
#include "shell/ui/ini_settings.h"
#include "shell/ui/platform.h"
#include "shell/ui/simwindow.h"
#include "shell/window_table.h"

// The pictures are compiled into the Qt layer's library, which must register them.
static void initResources() { Q_INIT_RESOURCE(orbicola); }

namespace orb {

namespace {
TOrbicola* g_main = nullptr;

// A simulation window: single border, caption with a close box only.
constexpr Qt::WindowFlags kChildFlags = Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                        Qt::WindowCloseButtonHint;

QString text(int menuRow) { return QString::fromStdString(texts::MenuTexts[menuRow]); }

QLabel* titleLabel(QWidget* parent, const QColor& colour, int pixelHeight, bool italic,
                   const QString& family = QStringLiteral("Arial"))
{
    auto* l = new QLabel(parent);
    QFont f(family);
    f.setBold(true);
    f.setItalic(italic);
    f.setPixelSize(pixelHeight);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}
}  // namespace

TOrbicola* Orbicola() { return g_main; }

TOrbicola::TOrbicola()
{
    g_main = this;
    initResources();
    setObjectName(QStringLiteral("Orbicola"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/orbicola.png")));
}

TOrbicola::~TOrbicola()
{
    // The frame's children (the windows still open among them) are destroyed after this body,
    // when this object is only a QMainWindow: their last activation signals and events must not
    // reach it any more.
    if (mdi_) {
        disconnect(mdi_, nullptr, this, nullptr);
        mdi_->removeEventFilter(this);
    }
    active_ = nullptr;
    if (g_main == this)
        g_main = nullptr;
}

void TOrbicola::formCreate()
{
    // The bits per pixel of the screen.
    globals::ColourDepth = QApplication::primaryScreen() ? QApplication::primaryScreen()->depth() : 32;
    tickCounter_ = 0;

    // The start screen: a borderless 445 x 280 window, centred and a little above the middle.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    const QSize screen = platform::screenSize();
    setGeometry((screen.width() - 445) / 2, ((screen.height() - 280) * 5) / 12, 445, 280);

    stack_ = new QStackedWidget(this);
    setCentralWidget(stack_);
    startScreen_ = new QWidget;
    imlibreda_ = new QLabel(startScreen_);
    imlibreda_->setPixmap(QPixmap(QStringLiteral(":/pictures/logo.png")));
    imlibreda_->setScaledContents(true);
    imlibreda_->setCursor(Qt::BlankCursor);
    imlibreda_->setGeometry(0, 0, 445, 280);
    startScreen_->setStyleSheet(QStringLiteral("background: rgb(0,48,255);"));
    Label1 = titleLabel(startScreen_, QColor(255, 255, 0), 37, false);
    Label2 = titleLabel(startScreen_, QColor(255, 0, 0), 21, false);
    Label3 = titleLabel(startScreen_, QColor(0, 0, 128), 19, true);
    Label4 = titleLabel(startScreen_, QColor(0, 0, 128), 19, true);
    Label3->setText(QStringLiteral("Orbicola"));
    Label4->setText(QStringLiteral("Scienze della Terra e astronomia"));
    Label3->hide();
    Label4->hide();
    stack_->addWidget(startScreen_);

    mdi_ = new QMdiArea;
    mdi_->setBackground(QColor(0, 48, 255));
    mdi_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    mdi_->installEventFilter(this);
    stack_->addWidget(mdi_);
    stack_->setCurrentWidget(startScreen_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &TOrbicola::childActivated);

    firstPanel_ = new QLabel;
    clockPanel_ = new QLabel;
    clockPanel_->setFrameStyle(QFrame::NoFrame);
    statusBar()->addWidget(firstPanel_, 1);
    statusBar()->addPermanentWidget(clockPanel_);
    statusBar()->hide();

    Timer1 = std::make_unique<Timer>("Timer1", 1, false, [this] { Timer1Timer(); });
    Timer2 = std::make_unique<Timer>("Timer2", 1, false, [this] { Timer2Timer(); });
    Timer3 = std::make_unique<Timer>("Timer3", 1, false, [this] { Timer3Timer(); });

    readSettings();
    buildMenus();
    ApplyLanguage();

    Label1->setText(QString::fromStdString(texts::CaptionTexts[32]));
    Label2->setText(QString::fromStdString(texts::CaptionTexts[33]));
    Label1->adjustSize();
    Label2->adjustSize();
    Label1->move((445 - Label1->width()) / 2, (280 - Label1->height()) / 2 - 20);
    Label2->move((445 - Label2->width()) / 2, Label1->y() + Label1->height() + 20);
    Timer3->setEnabled(true);
}

void TOrbicola::Timer3Timer()
{
    ++tickCounter_;
    if (tickCounter_ > 40) {
        Label3->adjustSize();
        Label4->adjustSize();
        Label3->move((445 - Label3->width()) / 2, Label3->height() / 2);
        Label4->move((445 - Label4->width()) / 2, 280 - (Label4->height() * 3) / 2);
        Label3->show();
        Label4->show();
        Timer3->setEnabled(false);   // its part of the sequence is over
        Timer2->setEnabled(true);
    }
}

void TOrbicola::Timer2Timer()
{
    ++tickCounter_;
    if (tickCounter_ > 65)
        enterFrameState(false, {});
}

void TOrbicola::enterFrameAlone(QSize clientSize)
{
    Timer3->setEnabled(false);
    enterFrameState(true, clientSize);
}

void TOrbicola::enterFrameState(bool alone, QSize clientSize)
{
    if (frameState_)
        return;
    frameState_ = true;
    Timer2->setEnabled(false);
    Timer3->setEnabled(false);
    hide();
    stack_->setCurrentWidget(mdi_);
    stack_->removeWidget(startScreen_);
    startScreen_->deleteLater();
    startScreen_ = nullptr;
    setWindowFlags(Qt::Window);
    mdi_->setBackground(Qt::black);

    const QFontMetrics metrics(font());
    globals::BarHeight = 2 * metrics.height();
    globals::ControlHeight = metrics.height() + 4;
    globals::ControlInset = (globals::BarHeight - globals::ControlHeight) / 2;
    statusBar()->setFixedHeight(globals::BarHeight);
    for (QMenu* m : topMenus_)
        m->menuAction()->setVisible(true);

    show();
    {
        // A probe child measures what the frame of a child window takes around its client.
        auto* probe = new QMdiSubWindow;
        probe->setWindowFlags(kChildFlags);
        auto* inner = new QWidget;
        probe->setWidget(inner);
        mdi_->addSubWindow(probe);
        probe->show();
        probe->resize(400, 300);
        if (probe->layout())
            probe->layout()->activate();
        decoration_ = probe->size() - inner->size();
        mdi_->removeSubWindow(probe);
        delete probe;
    }
    if (alone) {
        // The frame is made just large enough for a window of the asked client size.
        const QSize decoration = decoration_;
        globals::ChildAreaWidth = clientSize.width() + decoration.width();
        globals::ChildAreaHeight = clientSize.height() + decoration.height();
        resize(globals::ChildAreaWidth + 4, globals::ChildAreaHeight + 4 + menuBar()->sizeHint().height());
        if (layout())
            layout()->activate();
    } else if (platform::scripted()) {
        setGeometry(QRect(QPoint(0, 0), platform::screenSize()));
        show();
        if (layout())
            layout()->activate();
        globals::ChildAreaWidth = mdi_->width() - 4;
        globals::ChildAreaHeight = mdi_->height() - 4;
    } else {
        showMaximized();
        // Let the window manager's maximizing arrive before the child area is measured.
        QElapsedTimer waited;
        waited.start();
        QSize last;
        while (waited.elapsed() < 300) {
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
            if (mdi_->size() == last && isMaximized())
                break;
            last = mdi_->size();
        }
        // Without a window manager that maximizes, the frame takes the screen's free area itself.
        if (QScreen* screen = this->screen()) {
            const QRect free = screen->availableGeometry();
            if (frameGeometry().width() < free.width() * 9 / 10 ||
                frameGeometry().height() < free.height() * 9 / 10) {
                setGeometry(free);
                QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
            }
        }
        globals::ChildAreaWidth = mdi_->width() - 4;
        globals::ChildAreaHeight = mdi_->height() - 4;
    }
    // Panel 0 takes all but the width of "aa/aa/aaa"; the clock's panel gets at least what
    // today's long time formats need, so the time is never cut.
    const QFontMetrics panelMetrics(font());
    const QString sample = QLocale::system().toString(QTime(23, 59, 59), QLocale::LongFormat);
    const int clockWidth = std::max(panelMetrics.horizontalAdvance(QStringLiteral("aa/aa/aaa")),
                                    panelMetrics.horizontalAdvance(sample) + 16);
    firstPanel_->setFixedWidth(std::max(0, width() - clockWidth));
    // A stored language file that was malformed is reported once, now.
    if (!globals::LanguageFileValid)
        Tversione::warn(QString::fromStdString(globals::LanguageFilePath), this);
    platform::movePointer(this, width() / 2, height() / 10);
    ShowStartScreen();
}

void TOrbicola::ShowStartScreen()
{
    for (bool closed : globals::WindowClosedFlags)
        if (!closed)
            return;
    startPicture_ = true;
    if (frameState_)
        statusBar()->show();
    Timer1->setEnabled(true);
    Timer1Timer();
    updateBackground();
}

void TOrbicola::HideStartScreen()
{
    statusBar()->hide();
    startPicture_ = false;
    updateBackground();
}

bool TOrbicola::clockVisible() const { return frameState_ && !statusBar()->isHidden(); }
QString TOrbicola::clockText() const { return clockPanel_ ? clockPanel_->text() : QString(); }

void TOrbicola::Timer1Timer()
{
    const QString now = QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat);
    if (clockPanel_->text() != now)
        clockPanel_->setText(now);
}

void TOrbicola::updateBackground()
{
    if (!frameState_ || !mdi_)
        return;
    if (!startPicture_) {
        mdi_->setBackground(Qt::black);
        return;
    }
    // The Earth, centred at the top of the black client area.
    const QSize area = mdi_->viewport()->size().isEmpty() ? mdi_->size() : mdi_->viewport()->size();
    QPixmap background(area.expandedTo(QSize(1, 1)));
    background.fill(Qt::black);
    QPixmap earth(QStringLiteral(":/pictures/earth.png"));
    if (!earth.isNull()) {
        const int side = std::min(area.width(), area.height() - globals::BarHeight + 1);
        if (side > 0) {
            const QPixmap scaled = earth.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            QPainter p(&background);
            p.drawPixmap((area.width() - scaled.width()) / 2, 0, scaled);
        }
    }
    mdi_->setBackground(background);
}

bool TOrbicola::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mdi_ && event->type() == QEvent::Resize)
        updateBackground();
    if (event->type() == QEvent::KeyPress && qobject_cast<QMenu*>(watched)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && hoveredItem_) {
            for (const MenuItem& item : menuItems_)
                if (item.action == hoveredItem_ && item.helpContext != 0) {
                    help::showTopic(item.helpContext, this);
                    return true;
                }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QMenu* TOrbicola::addMenu(QMenu* parent, const QString& name, int row, int ctx)
{
    auto* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
    menu->setObjectName(name);
    menu->installEventFilter(this);
    connect(menu, &QMenu::hovered, this, [this](QAction* a) { hoveredItem_ = a; });
    menuItems_.push_back({name, menu->menuAction(), row, ctx, parent == nullptr});
    if (!parent) {
        topMenus_.push_back(menu);
        menu->menuAction()->setVisible(false);   // hidden until the frame state
    }
    return menu;
}

QAction* TOrbicola::addItem(QMenu* menu, const QString& name, int row, int ctx, int glyphIndex)
{
    QAction* a = menu->addAction(QString());
    a->setObjectName(name);
    if (glyphIndex >= 0)
        a->setIcon(glyph(glyphIndex));
    menuItems_.push_back({name, a, row, ctx, false});
    return a;
}

void TOrbicola::buildMenus()
{
    // Archivio: hints, languages, language file, default language, exit.
    QMenu* A = addMenu(nullptr, QStringLiteral("A"), 0);
    QAction* A1 = addItem(A, QStringLiteral("A1"), 1, 0, -1);
    A1->setCheckable(true);
    A1->setChecked(globals::ShowHints);
    connect(A1, &QAction::triggered, this, [A1] {
        globals::ShowHints = !globals::ShowHints;
        A1->setChecked(globals::ShowHints);
    });
    A->addSeparator();
    QMenu* A2 = addMenu(A, QStringLiteral("A2"), 2, 4);
    struct Lang { const char* item; const char* defaultItem; int row; int glyph; bool hidden; };
    const Lang langs[] = {{"A21", "A51", 3, 35, false}, {"A22", "A52", 4, 33, false},
                          {"A23", "A53", 5, 34, false}, {"A24", "A54", 6, 38, false},
                          {"A25", "A55", 7, 39, true},  {"A26", "A57", 55, 36, true}};
    const std::uint8_t langSlots[] = {2, 1, 0, 3, 5, 4};
    int slot = 0;
    for (const Lang& l : langs) {
        QAction* a = addItem(A2, QString::fromLatin1(l.item), l.row, 0, l.glyph);
        a->setVisible(!l.hidden);
        const std::uint8_t target = langSlots[slot++];
        connect(a, &QAction::triggered, this, [this, target] { selectLanguage(target); });
    }
    QAction* A3 = addItem(A, QStringLiteral("A3"), 8, 4, -1);
    connect(A3, &QAction::triggered, this, &TOrbicola::loadLanguageFile);
    QMenu* A5 = addMenu(A, QStringLiteral("A5"), 54, 4);
    auto* defaults = new QActionGroup(this);
    defaults->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    slot = 0;
    for (const Lang& l : langs) {
        QAction* a = addItem(A5, QString::fromLatin1(l.defaultItem), l.row, 0, l.glyph);
        const std::uint8_t target = langSlots[slot++];
        a->setCheckable(true);
        a->setChecked(globals::DefaultLanguageFlags[target]);
        a->setVisible(!l.hidden);
        defaults->addAction(a);
        connect(a, &QAction::triggered, this, [this, target] { selectDefaultLanguage(target); });
    }
    if (!globals::LanguageStrings.empty() && globals::LanguageFileValid)
        showCustomLanguageItems(true);
    A->addSeparator();
    QAction* A6 = addItem(A, QStringLiteral("A6"), 57, 0, -1);
    A6->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(A6, &QAction::triggered, this, &TOrbicola::savePicture);
    QAction* A7 = addItem(A, QStringLiteral("A7"), 58, 0, -1);
    A7->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(A7, &QAction::triggered, this, &TOrbicola::copyPicture);
    A->addSeparator();
    QAction* A4 = addItem(A, QStringLiteral("A4"), 9, 1, -1);
    connect(A4, &QAction::triggered, this, &QWidget::close);

    // The simulation menus.
    struct Sub { const char* menu; const char* item; int row; int ctx; int glyph; bool separator; };
    const Sub subs[] = {
        {"D", "D1", 18, 101, 21, false}, {"D", "D2", 19, 102, 21, false}, {"D", "D3", 20, 103, 21, false},
        {"D", "D4", 21, 104, 21, false}, {"D", "D5", 22, 105, -1, true},  {"D", "D6", 23, 106, -1, true},
        {"E", "E1", 25, 111, 25, false}, {"E", "E2", 26, 112, 28, false}, {"E", "E3", 27, 113, 22, false},
        {"E", "E4", 28, 114, -1, true},  {"E", "E5", 29, 115, 31, false}, {"E", "E6", 30, 116, -1, true},
        {"F", "F1", 32, 121, -1, false}, {"F", "F2", 33, 122, 23, true},  {"F", "F3", 34, 123, -1, true},
        {"G", "G1", 36, 131, 30, false}, {"G", "G2", 37, 132, 32, false}, {"G", "G3", 38, 133, 30, false},
        {"G", "G4", 39, 134, -1, true},  {"G", "G5", 40, 135, -1, true},  {"G", "G6", 41, 136, -1, true},
        {"H", "H1", 43, 141, 24, false}, {"H", "H2", 44, 142, -1, true},  {"H", "H3", 45, 143, 29, true},
        {"H", "H4", 46, 144, 27, false}, {"H", "H5", 47, 145, -1, true},
        {"H", "H6", 56, 700, -1, true},
        {"I", "I1", 49, 153, -1, false}, {"I", "I2", 50, 154, -1, true},
        {"I3", "I31", 52, 152, -1, false}, {"I3", "I32", 53, 151, -1, false},
    };
    const std::pair<const char*, int> tops[] = {{"D", 17}, {"E", 24}, {"F", 31}, {"G", 35}, {"H", 42}, {"I", 48}};
    std::map<QString, QMenu*> menus;
    for (const auto& [name, row] : tops)
        menus[QString::fromLatin1(name)] = addMenu(nullptr, QString::fromLatin1(name), row);
    for (const Sub& s : subs) {
        const QString menuName = QString::fromLatin1(s.menu);
        if (menuName == QLatin1String("I3") && !menus.count(menuName)) {
            menus[QStringLiteral("I")]->addSeparator();
            QMenu* I3 = addMenu(menus[QStringLiteral("I")], QStringLiteral("I3"), 51);
            I3->setIcon(glyph(26));
            menus[menuName] = I3;
        }
        QMenu* menu = menus[menuName];
        if (s.separator)
            menu->addSeparator();
        QAction* a = addItem(menu, QString::fromLatin1(s.item), s.row, s.ctx, s.glyph);
        const WindowInfo* info = findWindowByMenu(s.item);
        a->setEnabled(info && formFactory(info->flag));
        connect(a, &QAction::triggered, this, [this, info] {
            if (info)
                openWindow(*info);
        });
    }

    // Finestre: previous, next, close all.
    QMenu* B = addMenu(nullptr, QStringLiteral("B"), 10);
    connect(addItem(B, QStringLiteral("B1"), 11, 0, 14), &QAction::triggered, this,
            [this] { mdi_->activatePreviousSubWindow(); });
    connect(addItem(B, QStringLiteral("B2"), 12, 0, 15), &QAction::triggered, this,
            [this] { mdi_->activateNextSubWindow(); });
    connect(addItem(B, QStringLiteral("B3"), 13, 0, -1), &QAction::triggered, this, &TOrbicola::closeAll);
    B->addSeparator();
    QMenu* B4 = addMenu(B, QStringLiteral("B4"), 59);
    auto* sizes = new QActionGroup(this);
    const std::pair<const char*, picture::Size> sizeItems[] = {
        {"B41", picture::Size::P100}, {"B42", picture::Size::P150}, {"B43", picture::Size::P200},
        {"B44", picture::Size::P300}, {"B45", picture::Size::Automatic}};
    int sizeRow = 60;
    for (const auto& [item, size] : sizeItems) {
        QAction* a = addItem(B4, QString::fromLatin1(item), sizeRow++, 0, -1);
        a->setCheckable(true);
        sizes->addAction(a);
        connect(a, &QAction::triggered, this, [this, size] { choosePictureSize(size); });
    }
    checkPictureSize();
    updatePictureItems();

    // Help: contents and the information window.
    QMenu* C = addMenu(nullptr, QStringLiteral("C"), 14);
    connect(addItem(C, QStringLiteral("C1"), 15, 0, 13), &QAction::triggered, this,
            [this] { help::showContents(this); });
    C->addSeparator();
    connect(addItem(C, QStringLiteral("C2"), 16, 0, -1), &QAction::triggered, this,
            [this] { Tinfo::showInfo(this); });
}

void TOrbicola::ApplyLanguage()
{
    const QString title = QString::fromStdString(texts::CaptionTexts[0]);
    setWindowTitle(title);
    QApplication::setApplicationDisplayName(title);
    for (const MenuItem& item : menuItems_)
        item.action->setText(text(item.textRow));
}

const MenuItem* TOrbicola::menuItem(const QString& name) const
{
    for (const MenuItem& item : menuItems_)
        if (item.name == name)
            return &item;
    return nullptr;
}

SimWindow* TOrbicola::form(int flag) const
{
    if (flag < 0 || flag >= globals::kWindows || globals::WindowClosedFlags[static_cast<std::size_t>(flag)])
        return nullptr;
    return forms_[static_cast<std::size_t>(flag)].data();
}

SimWindow* TOrbicola::openWindow(const WindowInfo& info)
{
    if (SimWindow* open = form(info.flag)) {
        activateWindow(open);
        return open;
    }
    FormFactory factory = formFactory(info.flag);
    if (!factory)
        return nullptr;
    SimWindow* w = factory(info, nullptr);
    auto* sub = new QMdiSubWindow;
    sub->setWindowFlags(kChildFlags);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWidget(w);
    sub->setWindowIcon(windowIcon());
    mdi_->addSubWindow(sub);
    forms_[static_cast<std::size_t>(info.flag)] = w;
    connect(w, &SimWindow::closed, this, &TOrbicola::windowClosed);
    connect(w, &SimWindow::helpRequested, this, &TOrbicola::helpRequested);

    // FormCreate: bounds (0, 0, ChildAreaWidth, ChildAreaHeight); the client is what the frame
    // of a child window leaves inside.
    sub->setGeometry(0, 0, globals::ChildAreaWidth, globals::ChildAreaHeight);
    const QSize client = QSize(globals::ChildAreaWidth, globals::ChildAreaHeight) - decoration_;
    // Automatic judges the client that the frame would give on its screen alone: what the
    // desktop takes from a maximized frame (panels, the frame's title bar) is given back, so that
    // a 1920 x 1080 screen gets 200 % whatever the desktop around the program.
    const QSize desktop = isMaximized() ? (platform::screenSize() - size()).expandedTo({0, 0}) : QSize(0, 0);
    w->setPictureScale(picture::halvesFor(pictureSize_, client.width() + desktop.width(),
                                          client.height() + desktop.height()));
    w->create(client);
    sub->setWindowTitle(w->windowTitle());
    subWindows_[w] = sub;
    // FormShow, then the activation.
    HideStartScreen();
    sub->show();
    activateWindow(w);
    updatePictureItems();
    return w;
}

std::vector<SimWindow*> TOrbicola::openWindows() const
{
    std::vector<SimWindow*> list;
    for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (auto* w = qobject_cast<SimWindow*>(sub->widget()); w && subWindows_.count(w))
            list.push_back(w);
    return list;
}

SimWindow* TOrbicola::activeWindow() const { return active_; }

void TOrbicola::activateWindow(SimWindow* window)
{
    QMdiSubWindow* sub = nullptr;
    if (window) {
        auto it = subWindows_.find(window);
        if (it == subWindows_.end())
            return;
        sub = it->second;
    }
    mdi_->setActiveSubWindow(sub);
    // Headless, the MDI area may not report the change: keep the protocol in step ourselves.
    childActivated(sub);
}

void TOrbicola::childActivated(QMdiSubWindow* sub)
{
    SimWindow* next = sub ? qobject_cast<SimWindow*>(sub->widget()) : nullptr;
    if (next && !subWindows_.count(next))
        next = nullptr;
    if (!sub && active_ && mdi_->activeSubWindow() && subWindows_.count(active_) &&
        subWindows_[active_] == mdi_->activeSubWindow())
        return;
    if (next == active_)
        return;
    SimWindow* previous = active_;
    active_ = next;
    if (previous)
        previous->deactivate();
    if (next)
        next->activate();
}

void TOrbicola::closeWindow(SimWindow* window)
{
    auto it = subWindows_.find(window);
    if (it != subWindows_.end())
        it->second->close();
}

void TOrbicola::closeAll()
{
    const auto subs = mdi_->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow* sub : subs)
        sub->close();
    ShowStartScreen();
}

void TOrbicola::windowClosed(SimWindow* window)
{
    if (active_ == window) {
        active_ = nullptr;
        window->deactivate();
    }
    subWindows_.erase(window);
    ShowStartScreen();
    updatePictureItems();
}

void TOrbicola::choosePictureSize(picture::Size size)
{
    closeAll();
    pictureSize_ = size;
    savedPictureSize_ = size;
    checkPictureSize();
}

void TOrbicola::setPictureSizeForRun(picture::Size size)
{
    pictureSize_ = size;
    checkPictureSize();
}

void TOrbicola::checkPictureSize()
{
    const char* items[] = {"B41", "B42", "B43", "B44", "B45"};   // in the order of picture::Size
    for (int i = 0; i < 5; ++i)
        if (const MenuItem* item = menuItem(QString::fromLatin1(items[i])))
            item->action->setChecked(static_cast<int>(pictureSize_) == i);
}

void TOrbicola::updatePictureItems()
{
    const bool any = !subWindows_.empty();
    for (const char* name : {"A6", "A7"})
        if (const MenuItem* item = menuItem(QString::fromLatin1(name)))
            item->action->setEnabled(any);
}

SimWindow* TOrbicola::pictureWindow() const
{
    if (active_)
        return active_;
    // The frame itself is active: the window that was active last.
    const auto subs = mdi_->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = subs.rbegin(); it != subs.rend(); ++it)
        if (auto* w = qobject_cast<SimWindow*>((*it)->widget()); w && subWindows_.count(w))
            return w;
    return nullptr;
}

QString TOrbicola::suggestedPictureName(const QString& caption, const QDate& date)
{
    // Characters that some file systems refuse become dashes.
    QString name = caption.simplified();
    for (QChar& c : name)
        if (QStringLiteral("\\/:*?\"<>|").contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('-');
    if (name.isEmpty())
        name = QString::fromStdString(texts::CaptionTexts[0]);
    return name + QLatin1Char(' ') + date.toString(Qt::ISODate) + QStringLiteral(".png");
}

void TOrbicola::savePicture()
{
    SimWindow* w = pictureWindow();
    if (!w)
        return;
    // The picture as it is when the user asks, before the dialog lets time pass.
    const QImage image = w->picture();
    const std::optional<QString> chosen = platform::saveFile(
        this, QStringLiteral("PNG (*.png)"), suggestedPictureName(w->windowTitle(), QDate::currentDate()),
        QStringLiteral("png"));
    if (!chosen)
        return;
    // Written beside the target and renamed over it only when whole: a failure leaves any file
    // of that name as it was.
    QSaveFile file(*chosen);
    const bool saved = file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
    if (!saved)
        platform::warn(this, QString::fromStdString(texts::CaptionTexts[0]),
                       {QString::fromStdString(texts::HintTexts[96]), *chosen});
}

void TOrbicola::copyPicture()
{
    if (SimWindow* w = pictureWindow())
        platform::copyPicture(w->picture());
}

void TOrbicola::helpRequested(int context) { help::showTopic(context, this); }

void TOrbicola::closeEvent(QCloseEvent* event)
{
    closeAll();
    Timer1->setEnabled(false);
    writeSettings();
    event->accept();
}

void TOrbicola::readSettings()
{
    // The settings before the file is read; they stand where the file gives nothing.
    config::Settings initial;
    initial.showHints = globals::ShowHints;
    // A language byte that is ignored keeps the language the program starts in.
    initial.language = globals::LanguageIndex;
    initial.defaults = globals::DefaultLanguageFlags;
    globals::LanguageFileValid = true;
    const std::optional<config::Settings> read = config::readFile(config::kFileName, initial);
    language::StartChoice choice;
    if (read) {
        stored_ = *read;
        globals::ShowHints = read->showHints;
        globals::LanguageFilePath = read->path;
        globals::DefaultLanguageFlags = read->defaults;
        choice.configRead = true;
        choice.storedLanguage = read->language;
    } else {
        stored_ = initial;
        stored_.language = 0;   // with no file, the record in memory holds language byte 0
    }
    if (language::hasLanguageExtension(globals::LanguageFilePath))
        choice.customLoaded = readLanguageFile(QString::fromStdString(globals::LanguageFilePath));
    choice.localeId = platform::localeId();
    choice.fileValid = globals::LanguageFileValid;
    choice.defaults = globals::DefaultLanguageFlags;
    globals::LanguageIndex = language::chooseStartLanguage(choice);
    const ini::ReadResult more = ini::read(QString::fromLatin1(ini::kFileName));
    iniSound_ = more.sound;
    pictureSize_ = savedPictureSize_ = more.settings.pictureSize;
    help::setSavedGeometry(more.settings.helpGeometry);
}

bool TOrbicola::readLanguageFile(const QString& path)
{
    std::vector<std::string> lines;
    switch (language::readFile(path.toStdString(), lines)) {
    case language::Result::Missing:
        return false;
    case language::Result::Malformed:
        globals::LanguageFileValid = false;
        return false;
    case language::Result::Valid:
        break;
    }
    globals::LanguageStrings = std::move(lines);
    language::copyIntoTables(globals::LanguageStrings);
    // The flag picture beside the file; one that cannot be read counts as missing.
    const QString picture = path.left(path.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".bmp");
    const QImage flag(picture);
    customFlag_ = flag.isNull() ? QIcon() : QIcon(QPixmap::fromImage(flag));
    return true;
}

void TOrbicola::showCustomLanguageItems(bool defaultItemToo)
{
    if (const MenuItem* a26 = menuItem(QStringLiteral("A26"))) {
        a26->action->setVisible(true);
        a26->action->setIcon(customFlag_.isNull() ? glyph(36) : customFlag_);
    }
    if (const MenuItem* a57 = menuItem(QStringLiteral("A57"))) {
        a57->action->setIcon(customFlag_.isNull() ? glyph(36) : customFlag_);
        if (defaultItemToo)
            a57->action->setVisible(true);
    }
}

void TOrbicola::selectLanguage(std::uint8_t slot)
{
    globals::LanguageIndex = slot;
    closeAll();
    ApplyLanguage();
}

void TOrbicola::selectDefaultLanguage(std::uint8_t slot)
{
    globals::DefaultLanguageFlags.fill(false);
    globals::DefaultLanguageFlags[slot] = true;
    const char* items[] = {"A53", "A52", "A51", "A54", "A57", "A55"};   // by slot
    for (std::uint8_t s = 0; s < 6; ++s)
        if (const MenuItem* item = menuItem(QString::fromLatin1(items[s])))
            item->action->setChecked(s == slot);
}

void TOrbicola::loadLanguageFile()
{
    const std::optional<QString> chosen =
        platform::openFile(this, QStringLiteral("Textfile (*.lng)"), QStringLiteral("lng"));
    if (!chosen)
        return;
    const QString path = chosen->left(static_cast<int>(language::kMaxPathChars));
    globals::LanguageFilePath = path.toStdString();
    globals::LanguageFileValid = true;
    // A file that is not a language file, cannot be read or is malformed is named in the warning;
    // nothing of it is copied.
    if (!language::hasLanguageExtension(globals::LanguageFilePath) || !readLanguageFile(path)) {
        globals::LanguageFileValid = false;
        Tversione::warn(path, this);
        return;
    }
    // A valid file completes the switch, flag picture or not.
    showCustomLanguageItems(true);
    selectLanguage(4);
}

void TOrbicola::writeSettings()
{
    // The picture size goes to its own file, written at every close so that a missing or
    // damaged one is made whole again.
    if (ini::write(QString::fromLatin1(ini::kFileName), ini::Settings{savedPictureSize_, help::savedGeometry()}, iniSound_))
        iniSound_ = true;
    if (!config::changed(stored_, globals::ShowHints, globals::LanguageFilePath,
                         globals::DefaultLanguageFlags))
        return;
    config::Settings now;
    now.showHints = globals::ShowHints;
    now.language = globals::LanguageIndex;
    now.path = config::cutToBytes(globals::LanguageFilePath, config::kPathBytes);
    now.defaults = globals::DefaultLanguageFlags;
    // A file that cannot be written (read-only folder, full disk) leaves the old one as it was;
    // the program still closes.
    if (config::writeFile(config::kFileName, now))
        stored_ = now;
}

}  // namespace orb
