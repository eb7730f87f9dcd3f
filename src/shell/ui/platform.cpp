// The thin layer between the program and the desktop.
#include "shell/ui/platform.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QWidget>

namespace orb::platform {

namespace {
bool g_scripted = false;
std::function<void(const QString&)> g_sink;
QSize g_screen;
int g_locale = 0;
}

bool scripted() { return g_scripted; }
void setScripted(bool s) { g_scripted = s; }
void setReportSink(std::function<void(const QString&)> sink) { g_sink = std::move(sink); }

void report(const QString& line)
{
    if (g_sink)
        g_sink(line);
}

QSize screenSize()
{
    if (g_screen.isValid())
        return g_screen;
    if (QScreen* s = QGuiApplication::primaryScreen())
        return s->size();
    return {1920, 1080};
}

void setScreenSize(QSize size) { g_screen = size; }

void movePointer(QWidget* relativeTo, int x, int y)
{
    if (g_scripted || !relativeTo)
        return;
    QCursor::setPos(relativeTo->mapToGlobal(QPoint(x, y)));
}

void setBusyCursor(bool busy)
{
    if (g_scripted)
        return;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void beep()
{
    report(QStringLiteral("{\"event\":\"beep\"}"));
    if (!g_scripted)
        QApplication::beep();
}

int localeId()
{
    if (g_locale != 0)
        return g_locale;
    // Mapping of the system locale to identifiers comes with the language selection.
    return 0x0409;
}

void setLocaleId(int id) { g_locale = id; }

QString jsonString(const QString& s)
{
    QString out = QStringLiteral("\"");
    for (QChar c : s) {
        switch (c.unicode()) {
        case '"': out += QStringLiteral("\\\""); break;
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

}  // namespace orb::platform
