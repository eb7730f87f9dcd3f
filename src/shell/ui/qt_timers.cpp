// Runs the program's timers on Qt timers, at the platform's floor of 10 ms.
#include "shell/ui/qt_timers.h"

#include <QTimer>

namespace orb {

namespace {
QTimer* qtTimer(Timer& timer, bool create)
{
    auto* q = static_cast<QTimer*>(timer.backendData);
    if (!q && create) {
        q = new QTimer;
        q->setTimerType(Qt::PreciseTimer);
        QObject::connect(q, &QTimer::timeout, [&timer] { timer.fire(); });
        timer.backendData = q;
    }
    return q;
}
}  // namespace

QtTimerBackend::~QtTimerBackend() = default;

void QtTimerBackend::start(Timer& timer, int periodMs)
{
    QTimer* q = qtTimer(timer, true);
    q->start(periodMs);
}

void QtTimerBackend::stop(Timer& timer)
{
    if (QTimer* q = qtTimer(timer, false))
        q->stop();
}

void QtTimerBackend::forget(Timer& timer)
{
    if (QTimer* q = qtTimer(timer, false)) {
        q->stop();
        QObject::disconnect(q, nullptr, nullptr, nullptr);
        q->deleteLater();
        timer.backendData = nullptr;
    }
}

}  // namespace orb
