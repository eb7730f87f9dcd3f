// orbicola-e2e: the real program on a real display, every window in turn opened from its menu
// item, started, at its fastest speed for a few seconds of real time: the ticks its timer
// delivered, their spacing, the time of their model work and of their paint, and the memory.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <map>

#include "raster/qt/qt_font.h"
#include "shell/ui/forms.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/platform.h"
#include "shell/ui/qt_timers.h"
#include "shell/ui/simwindow.h"
#include "shell/window_table.h"
#include "../start_run.h"
#include "tick_log.h"

namespace {

QElapsedTimer gClock;
double nowMs() { return static_cast<double>(gClock.nsecsElapsed()) * 1e-6; }

// Qt timers as the program runs them, with the ticks of one watched timer logged.
class LoggingTimers : public orb::QtTimerBackend {
public:
    orb::Timer* watched = nullptr;
    e2e::TickLog* log = nullptr;
    std::function<void()> afterTick;

protected:
    void tick(orb::Timer& timer) override
    {
        if (&timer != watched || !log) {
            timer.fire();
            return;
        }
        log->tickStarted(nowMs());
        timer.fire();
        log->tickEnded(nowMs());
        if (afterTick)
            afterTick();
    }
};

// Logs the start of the watched window's paint events.
class PaintWatch : public QObject {
public:
    e2e::TickLog* log = nullptr;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && log)
            log->paintStarted(nowMs());
        return false;
    }
};

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

QString name(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

double mib(std::size_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbicola"));
    raster::qt::installFontEngine();
    gClock.start();

    int seconds = 5;
    bool wholeRepaints = false;
    QStringList only;
    QStringList args = QApplication::arguments();
    args.removeFirst();
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--seconds") && !args.isEmpty())
            seconds = std::max(1, args.takeFirst().toInt());
        else if (a == QLatin1String("--whole"))
            wholeRepaints = true;   // every tick repaints the whole client, as before partial repaints
        else if (a.startsWith(QLatin1Char('T')))
            only << a;
        else {
            std::fprintf(stderr, "usage: orbicola-e2e [--seconds N] [--whole] [CLASS...]\n");
            return 2;
        }
    }

    LoggingTimers timers;
    orb::setTimerBackend(&timers);
    int rc = 0;
    {
        orb::TOrbicola main;
        main.formCreate();
        main.show();
        // The start-up sequence, on its own timers, up to the maximized frame.
        for (int i = 0; i < 500 && !main.inFrameState(); ++i)
            wait(20);
        wait(300);
        std::printf("client %dx%d of a %dx%d screen, platform %s\n", globals::ChildAreaWidth, globals::ChildAreaHeight,
                    orb::platform::screenSize().width(), orb::platform::screenSize().height(),
                    qPrintable(QApplication::platformName()));
        std::printf("| Window | requested | delivered | ratio | p50 ms | p95 ms | p99 ms | model ms | paint ms | "
                    "paint event ms | RSS MiB |\n|---|---|---|---|---|---|---|---|---|---|---|\n");
        const double baseline = mib(orb::platform::residentBytes());
        for (const orb::WindowInfo& info : orb::windowTable()) {
            const QString cls = name(info.className);
            if (!orb::formFactory(info.flag) || (!only.isEmpty() && !only.contains(cls)))
                continue;
            const orb::MenuItem* item = main.menuItem(name(info.menuItem));
            if (!item) {
                std::printf("| %s | no menu item |\n", qPrintable(cls));
                rc = 1;
                continue;
            }
            item->action->trigger();
            orb::SimWindow* w = main.form(info.flag);
            if (!w || !w->animationTimer()) {
                std::printf("| %s | did not open |\n", qPrintable(cls));
                rc = 1;
                continue;
            }
            wait(200);   // shown and painted once
            const double rss = mib(orb::platform::residentBytes());
            orb::Timer* timer = w->animationTimer();
            if (!timer->enabled())
                bench::startRun(*w);
            if (!info.speedBar.empty())
                w->setValue(name(info.speedBar), QStringLiteral("195"));

            e2e::TickLog log;
            PaintWatch watch;
            watch.log = &log;
            w->installEventFilter(&watch);
            const auto painted = QObject::connect(w, &orb::SimWindow::presented, [&log] { log.paintEnded(nowMs()); });
            timers.watched = timer;
            timers.log = &log;
            int restarts = 0;
            timers.afterTick = [w, timer, wholeRepaints, &restarts] {
                if (wholeRepaints)
                    w->update();
                // A run that ended is started again, as a user would.
                if (!timer->enabled()) {
                    ++restarts;
                    QTimer::singleShot(0, w, [w] { bench::startRun(*w); });
                }
            };
            const int period = orb::timerPeriod(timer->interval());
            const double from = nowMs();
            wait(seconds * 1000);
            const double ran = nowMs() - from;
            timers.watched = nullptr;
            timers.log = nullptr;
            timers.afterTick = {};
            QObject::disconnect(painted);
            w->removeEventFilter(&watch);

            const e2e::TickLog::Figures f = log.figures();
            const long requested = e2e::requestedTicks(ran, period);
            std::printf("| %s%s | %ld | %ld | %.2f | %.1f | %.1f | %.1f | %.3f | %.3f | %.3f | %.0f |\n", qPrintable(cls),
                        restarts > 0 ? qPrintable(QStringLiteral(" (%1 runs)").arg(restarts + 1)) : "", requested,
                        f.delivered, requested > 0 ? double(f.delivered) / double(requested) : 0.0, f.p50, f.p95, f.p99,
                        f.model, f.paint, f.paintEvent, rss);
            std::fflush(stdout);
            main.closeWindow(w);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            wait(100);
        }
        std::printf("\nresident memory: %.0f MiB after start-up, peak %.0f MiB\n", baseline,
                    mib(orb::platform::peakResidentBytes()));
        main.close();
    }
    orb::setTimerBackend(nullptr);
    return rc;
}
