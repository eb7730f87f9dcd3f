// Runs the program's timers on Qt timers, at the platform's floor of 10 ms.
#include "shell/ui/qt_timers.h"

#include <QTimer>

namespace orb {

namespace {
QTimer* qtTimer(Timer& timer)
{
    return static_cast<QTimer*>(timer.backendData);
}
}  // namespace

QtTimerBackend::~QtTimerBackend() = default;

void QtTimerBackend::start(Timer& timer, int periodMs)
{
    QTimer* q = qtTimer(timer);
    if (!q) {
        q = new QTimer;
        q->setTimerType(Qt::PreciseTimer);
        QObject::connect(q, &QTimer::timeout, [this, &timer] { tick(timer); });
        timer.backendData = q;
    }
    q->start(periodMs);
}

void QtTimerBackend::stop(Timer& timer)
{
    if (QTimer* q = qtTimer(timer))
        q->stop();
}

void QtTimerBackend::forget(Timer& timer)
{
    if (QTimer* q = qtTimer(timer)) {
        q->stop();
        QObject::disconnect(q, nullptr, nullptr, nullptr);
        q->deleteLater();
        timer.backendData = nullptr;
    }
}

}  // namespace orb
