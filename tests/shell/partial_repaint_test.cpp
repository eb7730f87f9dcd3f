// The windows whose ticks show only the part of the picture they changed: after a run of ticks,
// what the screen shows is what a full repaint of the surface would show.
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QWindow>
#include <optional>

#include "shell/picture_size.h"
#include "window_test.h"

namespace {

struct TickRun {
    const char* window;
    const char* start;    // driver actions after opening
    int ticks;
    const char* midway;   // driver actions after half the ticks
    std::optional<picture::Size> zoom = std::nullopt;
};

void PrintTo(const TickRun& r, std::ostream* os) { *os << r.window; }

class PartialRepaint : public WindowTest, public ::testing::WithParamInterface<TickRun> {
protected:
    void SetUp() override
    {
        options.zoom = GetParam().zoom;
        WindowTest::SetUp();
    }
    // The window's client as the screen shows it: what its paints have put there.
    QImage presented()
    {
        QApplication::processEvents();
        QWidget* top = w().window();
        const QPoint at = w().mapTo(top, QPoint(0, 0));
        return top->windowHandle()
            ->screen()
            ->grabWindow(top->winId(), at.x(), at.y(), w().width(), w().height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
};

TEST_P(PartialRepaint, ScreenShowsTheWholeSurfaceAfterTicks)
{
    const TickRun& r = GetParam();
    ASSERT_EQ(run(QStringLiteral("open %1 %2").arg(QLatin1String(r.window), QLatin1String(r.start))), 0)
        << err.join(QLatin1Char('\n')).toStdString();
    const QImage before = presented();
    // Ticks one at a time and in twos, so that some paints show the changes of two ticks.
    for (int i = 0; i < r.ticks; ++i) {
        ASSERT_EQ(run(QLatin1String(i == r.ticks / 2 ? r.midway : "") + QStringLiteral(" tick")), 0);
        if (i % 3 != 1)
            QApplication::processEvents();
    }
    const QImage shown = presented();
    ASSERT_EQ(shown.size(), w().size());
    ASSERT_NE(shown, before) << "the ticks changed nothing on the screen";

    // Compared with the whole window rendered from its surface, where the window's controls and
    // panels do not cover it; at 100 % that is the surface itself.
    QImage whole = w().grabShown();
    if (QWidget* frame = w().parentWidget())
        whole = whole.copy(QRect(w().mapTo(frame, QPoint(0, 0)), w().size()));
    whole = whole.convertToFormat(QImage::Format_RGB32);
    QRegion open(w().rect());
    for (QObject* child : w().children())
        if (auto* c = qobject_cast<QWidget*>(child); c && c->isVisible())
            open -= c->geometry();
    const raster::Canvas& surface = w().surfaceBitmap().canvas();
    const bool enlarged = surface.width() != w().width();
    for (const QRect& rect : open)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) {
                ASSERT_EQ(shown.pixel(x, y), whole.pixel(x, y)) << "stale pixel at " << x << "," << y << std::hex << " " << shown.pixel(x, y) << " " << whole.pixel(x, y);
                if (!enlarged)
                    ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFFu, surface.pixel(x, y)) << x << "," << y;
            }
}

INSTANTIATE_TEST_SUITE_P(TickDamage, PartialRepaint,
                         ::testing::Values(TickRun{"Tespanduni", "", 40, "click pausa"},
                                           TickRun{"Tpendol", "", 40, "click mobile"},
                                           TickRun{"Tcaduta", "click traiet click via", 60, ""},
                                           TickRun{"Ttema", "click visione", 60, "click visione"},
                                           TickRun{"Tkdue", "", 60, ""},
                                           TickRun{"Tktres", "", 40, "click orbite"},
                                           TickRun{"Tmomento", "", 60, "click pulisce"},
                                           TickRun{"Tkdue", "", 60, "", picture::Size::P200},
                                           TickRun{"Tpendol", "", 40, "click mobile", picture::Size::P150}));

}  // namespace
