// The soak harness: drives the real windows through the scripted driver with seeded random use
// and checks, after every action, what the window protocol promises.
#include "soak.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QSlider>
#include <QToolButton>
#include <algorithm>
#include <atomic>
#include <cfenv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>
#include <malloc.h>
#include <memory>
#include <mutex>
#include <random>
#include <sstream>
#include <thread>
#include <unistd.h>

#include "shell/globals.h"
#include "shell/picture_size.h"
#include "shell/texts.h"
#include "shell/ui/driver.h"
#include "shell/ui/forms.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/simwindow.h"
#include "shell/window_table.h"

#if defined(__SANITIZE_ADDRESS__)
#define SOAK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOAK_ASAN 1
#endif
#endif
#ifdef SOAK_ASAN
// From the sanitizer runtime (declared here: not every compiler ships their header).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
extern "C" void __sanitizer_set_death_callback(void (*callback)());
#endif

namespace soak {

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// ---- Where the soak is: printed when it hangs, crashes or meets a sanitizer finding. ----

std::mutex gWhereMutex;
char gWhere[1024] = "";                    // read by the crash handlers without locking
std::atomic<std::int64_t> gActionStart{0}; // steady-clock nanoseconds; 0: no action under way

void setWhere(const std::string& where)
{
    const std::lock_guard<std::mutex> lock(gWhereMutex);
    const std::size_t n = std::min(where.size(), sizeof gWhere - 1);
    std::memcpy(gWhere, where.data(), n);
    gWhere[n] = '\0';
    gActionStart = Clock::now().time_since_epoch().count();
}

// Async-signal-safe: no allocation.
void writeWhere()
{
    static const char head[] = "\nsoak: stopped in ";
    [[maybe_unused]] const ssize_t written[] = {write(2, head, sizeof head - 1),
                                                write(2, gWhere, std::strlen(gWhere)), write(2, "\n", 1)};
}

QString className(const orb::WindowInfo& info)
{
    return QString::fromUtf8(info.className.data(), static_cast<int>(info.className.size()));
}

std::string sizeText(QSize s) { return std::to_string(s.width()) + "x" + std::to_string(s.height()); }

void dropDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

bool closedFlag(const orb::WindowInfo& info) { return globals::WindowClosedFlags[static_cast<std::size_t>(info.flag)]; }

struct Failure { std::string what; };

// A NaN made from numbers, or a number converted to an integer type that cannot hold it, raises
// the invalid-operation flag: that is how a NaN or an infinite coordinate would reach the canvas,
// which takes whole numbers only. A finite number divided by zero raises the division flag. With
// SOAK_TRAP_FLOATS set, the operation itself stops the program (SIGFPE), for a debugger to show
// where it is.
constexpr int kWatched = FE_INVALID | FE_DIVBYZERO;
const bool gTrapFloats = std::getenv("SOAK_TRAP_FLOATS") != nullptr;

// ---- One round: a main window at one size, the window opened, used, closed. ----

class Round {
public:
    Round(const orb::WindowInfo& info, QSize size, std::uint32_t seed, const Settings& settings,
          Totals& totals)
        : info_(info), size_(size), seed_(seed), rng_(seed), settings_(settings), totals_(totals)
    {
    }
    ~Round() { finish(); }

    // Creates the main window in its frame state for windows of the round's size, and picks the
    // language and the hints option the window will be created with.
    void start()
    {
        orb::Driver::Options options;
        options.size = size_;
        options.screen = QSize(size_.width() + 4, size_.height() + 80);
        options.seed = seed_;
        // Half of the rounds show the picture enlarged.
        const picture::Size sizes[] = {picture::Size::P150, picture::Size::P200, picture::Size::P300};
        const picture::Size pictureSize = chance(50) ? sizes[pick(0, 2)] : picture::Size::P100;
        options.zoom = pictureSize;
        halves_ = picture::halvesFor(pictureSize, size_.width(), size_.height());
        driver_ = std::make_unique<orb::Driver>(
            options, [](const QString&) {}, [this](const QString& line) { errors_ << line; });
        drive("frame", {QStringLiteral("frame")});
        // Qt paints only when the event loop would (see processEvents): its own painting
        // raises floating-point flags that are not the program's.
        driver_->mainWindow()->setUpdatesEnabled(false);
        const int slot = pick(0, texts::kSlots - 1);
        globals::LanguageIndex = static_cast<std::uint8_t>(slot);
        if (slot == texts::Custom)
            fillCustomSlot();
        globals::ShowHints = chance(50);
    }

    // The first activation has run: the control bar shows, and the timer runs unless the window
    // remembers a stopped one.
    void openWindow()
    {
        drive("opening", {QStringLiteral("open"), className(info_)});
        window_ = driver_->target();
        expect(window_, "opening left no window to act on");
        expectOpen_ = active_ = true;
        ++totals_.opens;
        checkOpen("opening");
        expect(window_->controlBar()->isVisibleTo(window_), "the control bar is hidden after the first activation");
        if (!window_->animationTimer())
            fail("the window has no timer named " + std::string(info_.timerName));
        expect(window_->remembersRunning() || window_->animationTimer()->enabled(),
               "the animation timer is stopped after the first activation");
    }

    void closeWindow()
    {
        QPointer<orb::SimWindow> closing = window_;
        drive("closing", {QStringLiteral("close")});
        orb::TOrbicola* main = driver_->mainWindow();
        expect(closedFlag(info_), "the window's closed flag is false after closing");
        expect(!main->form(info_.flag), "the main window still hands out the closed window");
        expect(main->startPictureVisible(), "the start picture is hidden with no window open");
        expect(!main->activeWindow(), "a window is still active after the last one closed");
        dropDeferredDeletes();
        expect(!closing, "the closed window was not destroyed");
        window_ = nullptr;
        expectOpen_ = active_ = false;
    }

    // One random user action, then the checks.
    void act(int index)
    {
        index_ = index;
        ++totals_.actions;
        const int r = pick(0, 99);
        using K = orb::ControlKind;
        const K kind = r < 67 ? K::TrackBar : r < 75 ? K::UpDown : r < 80 ? K::DropDown : K::Edit;
        const bool done = r < 28   ? advance(pick(1, 250))
                          : r < 36 ? tickBurst(pick(1, 20))
                          : r < 56 ? click({K::Button, K::Check, K::Speed})
                          : r < 60 ? click({K::Check}, true)
                          : r < 82 ? setControl(kind)
                          : r < 87 ? pressKey()
                          : r < 93 ? awayAndBack(r >= 91)
                          : r < 96 ? processEvents()
                          : r < 98 ? closeAndReopen()
                                   : advance(pick(250, 2000));
        if (!done)   // nothing to act on: the time passes instead
            advance(pick(1, 100));
        checkOpen(recent_.empty() ? "" : recent_.back());
    }

    // Lets the clock run `ms` virtual milliseconds, one at a time so that each tick is timed.
    bool advance(int ms)
    {
        note("advance " + std::to_string(ms));
        for (int i = 0; i < ms; ++i, ++totals_.virtualMs)
            timedTicks([&] { return driver_->clock().advance(1); });
        return true;
    }

    void finish()
    {
        if (!driver_)
            return;
        driver_.reset();
        dropDeferredDeletes();
        window_ = nullptr;
        // With the main window gone no window is open, even one that a failed round left open
        // (a window destroyed with the main window is not closed and keeps its flag).
        globals::WindowClosedFlags.fill(true);
    }

    std::string recentActions() const
    {
        std::string s;
        for (const std::string& a : recent_)
            s += (s.empty() ? "" : ", ") + a;
        return s;
    }
    int actionIndex() const { return index_; }

private:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(int percent) { return pick(0, 99) < percent; }
    template <typename T>
    T* pickOf(const std::vector<T*>& v)
    {
        return v.empty() ? nullptr : v[static_cast<std::size_t>(pick(0, int(v.size()) - 1))];
    }

    [[noreturn]] void fail(const std::string& what) { throw Failure{what}; }
    void expect(bool holds, const char* what, const std::string& when = "")
    {
        if (!holds)
            fail(what + when);
    }

    void note(const std::string& action)
    {
        recent_.push_back(action);
        if (recent_.size() > 12)
            recent_.pop_front();
        setWhere(std::string(info_.className) + " at " + sizeText(size_) + ", round seed " +
                 std::to_string(seed_) + ", action " + std::to_string(index_) + ": " + action);
    }

    // Runs f with the watched floating-point flags cleared and fails when it leaves one raised,
    // or, with `floats` false, clears what it raised (Qt's painting raises them itself, so the
    // event loop's work is not checked).
    template <typename F>
    auto watched(const std::string& what, F f, bool floats = true)
    {
        std::feclearexcept(kWatched);
        if (gTrapFloats && floats)
            feenableexcept(kWatched);
        const auto result = f();
        if (gTrapFloats && floats)
            fedisableexcept(kWatched);
        const int raised = floats ? std::fetestexcept(kWatched) : 0;
        std::feclearexcept(kWatched);
        if (raised & FE_INVALID)
            fail("an invalid floating-point operation (a NaN made, or a number out of an "
                 "integer's range converted) during " + what);
        if (raised & FE_DIVBYZERO)
            fail("a floating-point division by zero during " + what);
        return result;
    }

    // One action that must end within the action limit and leave no floating-point flag raised.
    bool timed(const std::string& what, const std::function<void()>& f, bool floats = true)
    {
        const auto start = Clock::now();
        watched(what, [&] { return f(), 0; }, floats);
        if (const double took = secondsSince(start); took > settings_.actionLimitSeconds)
            fail(what + " took " + std::to_string(took) + " s");
        return true;
    }

    // Driver actions as one user action, which the driver must accept.
    void drive(const std::string& what, const QStringList& actions)
    {
        const std::string script = actions.join(QLatin1Char(' ')).toStdString();
        note(script);
        errors_.clear();
        timed(what, [&] {
            if (driver_->run(actions) != 0)
                fail("the driver refused '" + script + "': " + errors_.join(QLatin1Char(' ')).toStdString());
        });
    }

    // Timer ticks fired by `run`, each within the tick limit and leaving the window open.
    void timedTicks(const std::function<std::int64_t()>& run)
    {
        const auto start = Clock::now();
        gActionStart = start.time_since_epoch().count();
        const std::int64_t fired = watched("a timer tick", run);
        const double took = secondsSince(start);
        if (fired <= 0)
            return;
        totals_.ticks += fired;
        totals_.slowestTickSeconds = std::max(totals_.slowestTickSeconds, took / double(fired));
        if (took > settings_.tickLimitSeconds * double(fired))
            fail(std::to_string(fired) + " timer tick(s) took " + std::to_string(took) + " s");
        expect(!expectOpen_ || stillOpen(), "the window went away during a timer tick");
    }

    // The controls a user can reach now: enabled and shown.
    std::vector<orb::Control*> usable(std::initializer_list<orb::ControlKind> kinds)
    {
        std::vector<orb::Control*> list;
        for (const auto& c : window_->controls())
            if (std::find(kinds.begin(), kinds.end(), c->kind) != kinds.end() &&
                c->widget->isEnabled() && c->widget->isVisibleTo(window_))
                list.push_back(c.get());
        return list;
    }

    // A click on a button, or on the pause button alone.
    bool click(std::initializer_list<orb::ControlKind> kinds, bool pause = false)
    {
        std::vector<orb::Control*> list = usable(kinds);
        if (pause)
            std::erase_if(list, [](orb::Control* c) { return c->name != "pausa" && c->name != "paus"; });
        orb::Control* c = pickOf(list);
        if (c)
            drive(pause ? "pausing" : "a click", {QStringLiteral("click"), c->name});
        return c;
    }

    // A track bar, an up-down, a drop-down or an edit set to a value it must take (an edit may
    // refuse its text), or an up-down's arrow clicked.
    bool setControl(orb::ControlKind kind)
    {
        // Spin buttons are clicked as up-downs are, and have no value to set.
        std::vector<orb::Control*> list =
            kind == orb::ControlKind::UpDown ? usable({kind, orb::ControlKind::Spin}) : usable({kind});
        std::erase_if(list, [](orb::Control* c) {
            const auto* e = qobject_cast<QLineEdit*>(c->widget);
            return c->kind == orb::ControlKind::Edit && (!e || e->isReadOnly());
        });
        orb::Control* c = pickOf(list);
        const auto* combo = c ? qobject_cast<QComboBox*>(c->widget) : nullptr;
        if (!c || (combo && combo->count() == 0))
            return false;
        QString value;
        if (kind == orb::ControlKind::TrackBar) {
            const auto* slider = qobject_cast<QSlider*>(c->widget);
            // The ends of the range often, any position otherwise.
            const int r = pick(0, 9);
            value = QString::number(r == 0 ? slider->minimum() : r == 1 ? slider->maximum()
                                                                        : pick(slider->minimum(), slider->maximum()));
        } else if (c->kind == orb::ControlKind::UpDown && chance(25)) {
            value = QString::number(pick(c->minimum, c->maximum));
        } else if (kind == orb::ControlKind::UpDown) {
            // Its arrows, as a user clicks them: up first, down second.
            const auto arrows = c->widget->findChildren<QToolButton*>();
            expect(arrows.size() == 2, "an up-down without its two arrows");
            const bool up = chance(50);
            note(std::string(up ? "up " : "down ") + c->name.toStdString());
            return timed("an up-down arrow", [&] { arrows[up ? 0 : 1]->click(); });
        } else if (combo) {
            value = QString::number(pick(0, combo->count() - 1));
        } else {
            static const char* const kTexts[] = {"", "0", "1", "-1", "7", "12", "3.5", "3,5", "1e308",
                                                 "99999999999", "-2147483648", "abc", " 4 ", "+"};
            value = QString::fromLatin1(kTexts[pick(0, int(std::size(kTexts)) - 1)]);
        }
        note("set " + c->name.toStdString() + " '" + value.toStdString() + "'");
        return timed("setting " + c->name.toStdString(), [&] {
            expect(window_->setValue(c->name, value) || kind == orb::ControlKind::Edit,
                   "a control refused a value within its range");
        });
    }

    bool pressKey()
    {
        static const int kKeys[] = {Qt::Key_F1,    Qt::Key_Escape, Qt::Key_Space, Qt::Key_Left,
                                    Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Plus,
                                    Qt::Key_Minus, Qt::Key_A,      Qt::Key_P,     Qt::Key_Tab,
                                    Qt::Key_Period};
        const int key = chance(60) ? int(Qt::Key_Return) : kKeys[pick(0, int(std::size(kKeys)) - 1)];
        note("key " + std::to_string(key));
        return timed("a key", [&] { window_->pressKey(key); });
    }

    // The frame, or another built window opened in front (only at the smaller sizes, where two
    // windows' pictures fit easily in memory), comes to the front; the clock runs; the window
    // comes back and takes up its timer as it was.
    bool awayAndBack(bool otherWindow)
    {
        std::vector<const orb::WindowInfo*> others = registeredWindows();
        std::erase_if(others, [&](const orb::WindowInfo* w) {
            return w->flag == info_.flag || !otherWindow || size_.width() * size_.height() > 1916 * 1000;
        });
        const orb::WindowInfo* other = pickOf(others);
        const bool wasRunning = window_->animationTimer()->enabled();
        drive("going behind", other ? QStringList{QStringLiteral("open"), className(*other)}
                                    : QStringList{QStringLiteral("deactivate")});
        expect(!other || (driver_->target() && driver_->target() != window_.data()), "the other window did not open");
        active_ = false;
        checkOpen("going behind");
        advance(pick(0, 300));
        checkOpen("the clock running behind");
        if (other) {
            drive("closing the other window", {QStringLiteral("close")});
            dropDeferredDeletes();
            expect(closedFlag(*other), "the other window's closed flag is false after closing it");
        }
        drive("coming back", other ? QStringList{QStringLiteral("open"), className(info_)}
                                   : QStringList{QStringLiteral("activate")});
        expect(!other || driver_->target() == window_.data(), "choosing an open window's menu item made a new window");
        active_ = true;
        checkOpen("coming back");
        const bool running = window_->animationTimer()->enabled();
        if (window_->remembersRunning() && running != wasRunning)
            fail(std::string("the timer is ") + (running ? "running" : "stopped") +
                 " after reactivation, but was " + (wasRunning ? "running" : "stopped"));
        expect(window_->remembersRunning() || running, "the animation timer is stopped after reactivation");
        return true;
    }

    // What the program's event loop would do between ticks: repaints, layouts, deletions.
    bool processEvents()
    {
        note("events");
        return timed("processing events", [&] {
            driver_->mainWindow()->setUpdatesEnabled(true);
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            if (chance(30))
                (void)window_->grab();
            driver_->mainWindow()->setUpdatesEnabled(false);
        }, false);
    }

    bool closeAndReopen()
    {
        closeWindow();
        advance(pick(0, 200));
        openWindow();
        return true;
    }

    bool tickBurst(int n)
    {
        orb::Timer* t = window_->animationTimer();
        if (!t->enabled())
            return false;
        note("tick " + std::to_string(n));
        for (int i = 0; i < n && t->enabled(); ++i)
            timedTicks([&] { return t->fire(), std::int64_t{1}; });
        return true;
    }

    bool stillOpen() const
    {
        return window_ && driver_->mainWindow()->form(info_.flag) == window_.data();
    }

    // What holds whenever the window is open: its closed flag is false, the start picture is
    // hidden, its surface keeps the client size (divided by the picture's scale), and it is active
    // (timer as the window wants) or inactive (timer stopped, but in a window that keeps running
    // in the background).
    void checkOpen(const std::string& after)
    {
        const std::string when = " (after " + after + ")";
        expect(window_, "the window was destroyed", when);
        orb::TOrbicola* main = driver_->mainWindow();
        expect(stillOpen(), "the main window no longer hands out the window", when);
        expect(!closedFlag(info_), "the closed flag is true while the window is open", when);
        expect(!main->startPictureVisible(), "the start picture shows while a window is open", when);
        if (window_->clientWidth() != std::max(picture::pictureExtent(size_.width(), halves_), 1) ||
            window_->clientHeight() != std::max(picture::pictureExtent(size_.height(), halves_), 1))
            fail("the surface is " + std::to_string(window_->clientWidth()) + "x" +
                 std::to_string(window_->clientHeight()) + when);
        expect(!active_ || (window_->isActiveChild() && main->activeWindow() == window_),
               "the window is not the active child", when);
        expect(active_ || !window_->isActiveChild(), "the window believes it is active behind another", when);
        expect(active_ || window_->keepsRunningWhenInactive() || !window_->animationTimer()->enabled(),
               "the animation timer runs while the window is inactive", when);
    }

    // A language file's texts: up to the 100 characters a text may have, accents included.
    void fillCustomSlot()
    {
        static const char* const kPieces[] = {"a", "Wm", "é", "ß", "€", " ", "|", "—", "日", "0"};
        for (texts::TextTable* table : {&texts::HintTexts, &texts::CaptionTexts, &texts::MenuTexts})
            for (int row = 0; row < table->rows(); ++row) {
                std::string s;
                for (int i = pick(0, 100); i > 0; --i)
                    s += kPieces[pick(0, int(std::size(kPieces)) - 1)];
                table->set(row, texts::Custom, s);
            }
    }

    const orb::WindowInfo& info_;
    QSize size_;
    int halves_ = picture::kOne;   // the picture's scale in halves
    std::uint32_t seed_;
    std::mt19937 rng_;
    const Settings& settings_;
    Totals& totals_;
    std::unique_ptr<orb::Driver> driver_;
    QPointer<orb::SimWindow> window_;
    bool active_ = false;
    bool expectOpen_ = false;
    QStringList errors_;
    std::deque<std::string> recent_;
    int index_ = -1;
};

// A number from the environment, or the fallback when it is unset or not a number.
template <typename T>
T envNumber(const char* name, T fallback)
{
    const char* v = std::getenv(name);
    std::istringstream in(v ? v : "");
    T value{};
    return in >> value ? value : fallback;
}

}  // namespace

Settings settingsFromEnvironment()
{
    Settings s;
    s.secondsPerWindow = envNumber("SOAK_SECONDS", s.secondsPerWindow);
    s.seed = envNumber<std::uint32_t>("SOAK_SEED", s.seed);
    // Longer runs use longer rounds: more use between opening and closing.
    s.actionsPerRound = envNumber("SOAK_ACTIONS", s.secondsPerWindow >= 60 ? 200 : s.actionsPerRound);
    if (const int rounds = envNumber("SOAK_ROUNDS", 0); rounds > 0)
        s.rounds = rounds;
    s.tickLimitSeconds = envNumber("SOAK_TICK_LIMIT", s.tickLimitSeconds);
    return s;
}

std::vector<const orb::WindowInfo*> registeredWindows()
{
    std::vector<const orb::WindowInfo*> list;
    for (const orb::WindowInfo& info : orb::windowTable())
        if (orb::formFactory(info.flag))
            list.push_back(&info);
    return list;
}

Totals soakWindow(const orb::WindowInfo& info, const Settings& settings,
                  std::vector<std::string>& failures)
{
    Totals totals;
    const auto start = Clock::now();
    const int sizes = static_cast<int>(settings.sizes.size());
    for (int r = 0; failures.size() < 3; ++r) {
        if (settings.rounds ? r >= *settings.rounds
                            : r >= sizes && secondsSince(start) >= settings.secondsPerWindow)
            break;
        const QSize size = settings.sizes[static_cast<std::size_t>(r % sizes)];
        // Every round's seed from the base seed, the window and the round (a splitmix64 step).
        std::uint64_t x = ((std::uint64_t{settings.seed} << 32) ^ (std::uint64_t(info.flag) << 20) ^
                           std::uint64_t(r)) + 0x9E3779B97F4A7C15ull;
        x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
        x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
        const auto seed = static_cast<std::uint32_t>(x ^ (x >> 31));
        ++totals.rounds;
        Round round(info, size, seed, settings, totals);
        try {
            round.start();
            round.openWindow();
            for (int i = 0; i < settings.actionsPerRound; ++i)
                round.act(i);
            round.closeWindow();
        } catch (const Failure& f) {
            std::ostringstream m;
            m << info.className << " at " << sizeText(size) << ", round " << r << " (round seed "
              << seed << "), action " << round.actionIndex() << ": " << f.what << "\n  last actions: "
              << round.recentActions() << "\n  replay: SOAK_SEED=" << settings.seed
              << " SOAK_ROUNDS=" << r + 1 << " SOAK_ACTIONS=" << settings.actionsPerRound
              << " tests_soak --gtest_filter='Windows/RandomUse.*/" << info.className << "'";
            failures.push_back(m.str());
            std::fprintf(stderr, "soak: finding: %s\n", m.str().c_str());
        }
        round.finish();
        texts::resetTables();
        globals::LanguageIndex = 1;
    }
    setWhere("between rounds");
    gActionStart = 0;
    return totals;
}

MemoryResult openCloseMemory(const orb::WindowInfo& info, QSize size, int warmup, int cycles,
                             std::uint32_t seed)
{
    MemoryResult result;
    Settings settings;
    Totals totals;
    Round round(info, size, seed, settings, totals);
    std::size_t before = 0;
    try {
        round.start();
        globals::LanguageIndex = 1;
        for (int i = 0; i < warmup + cycles; ++i) {
            if (i == warmup) {
                dropDeferredDeletes();
                before = allocatedBytes();
            }
            round.openWindow();
            round.advance(300);
            round.closeWindow();
            // What the event loop does between a user's clicks: the events the opening and
            // the closing posted (layouts, repaints) are delivered, not left to pile up.
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        dropDeferredDeletes();
        result.growth = static_cast<std::int64_t>(allocatedBytes()) - static_cast<std::int64_t>(before);
    } catch (const Failure& f) {
        result.failure = std::string(info.className) + ": " + f.what;
    }
    round.finish();
    texts::resetTables();
    gActionStart = 0;
    return result;
}

#ifdef SOAK_ASAN
std::size_t allocatedBytes() { return __sanitizer_get_current_allocated_bytes(); }
bool allocatedBytesExact() { return true; }
#else
std::size_t allocatedBytes() { return mallinfo2().uordblks; }
bool allocatedBytesExact() { return false; }
#endif

void installWatchdog(double hangSeconds)
{
    static std::once_flag once;
    std::call_once(once, [hangSeconds] {
#ifdef SOAK_ASAN
        __sanitizer_set_death_callback(&writeWhere);
#else
        for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
            std::signal(sig, [](int s) {
                writeWhere();
                std::signal(s, SIG_DFL);
                std::raise(s);
            });
#endif
        std::thread([hangSeconds] {
            for (;;) {
                std::this_thread::sleep_for(std::chrono::milliseconds(500));
                const std::int64_t began = gActionStart.load();
                const double took = std::chrono::duration<double>(Clock::now().time_since_epoch() -
                                                                  Clock::duration(began)).count();
                if (began != 0 && took > hangSeconds) {
                    const std::lock_guard<std::mutex> lock(gWhereMutex);
                    std::fprintf(stderr, "\nsoak: no progress for %.0f s in %s\n", took, gWhere);
                    std::abort();
                }
            }
        }).detach();
    });
}

}  // namespace soak

#ifdef SOAK_ASAN
// Every finding of the undefined-behaviour sanitizer stops the soak, with its stack.
extern "C" const char* __ubsan_default_options() { return "halt_on_error=1:print_stacktrace=1"; }
#endif
