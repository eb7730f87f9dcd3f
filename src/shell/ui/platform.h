// The thin layer between the program and the desktop: screen, pointer, cursor, beeps, locale,
// and a report channel that the scripted driver reads instead of real dialogs.
#pragma once

#include <QSize>
#include <QString>
#include <functional>

class QWidget;

namespace orb::platform {

// Under the scripted driver the program runs headless: dialogs are answered, not shown, and
// what the user would see or hear besides the pictures is reported as JSON lines.
bool scripted();
void setScripted(bool scripted);

// Where reports go (standard output under the driver).
void setReportSink(std::function<void(const QString& jsonLine)> sink);
// Reports one event as a JSON object line, e.g. {"event":"help","context":101}.
void report(const QString& jsonLine);

QSize screenSize();
void setScreenSize(QSize size);   // the driver's --screen

// Moves the mouse pointer to a point of the screen (not done headless).
void movePointer(QWidget* relativeTo, int x, int y);
// The hourglass cursor while a window precomputes.
void setBusyCursor(bool busy);
void beep();

// The user's locale as a Windows-style locale identifier (e.g. 0x0410 Italian), or the
// driver's --locale.
int localeId();
void setLocaleId(int id);   // 0: the system's

QString jsonString(const QString& s);

}  // namespace orb::platform
