// The thin layer between the program and the desktop: screen, pointer, cursor, beeps, locale,
// and a report channel that the scripted driver reads instead of real dialogs.
#pragma once

#include <QSize>
#include <cstddef>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QImage;
class QLocale;


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

// The Windows-style locale identifier of a Qt locale (the table of the program's languages:
// e.g. Italian in Switzerland 0x0810, German in Austria 0x0C07; other countries of those
// languages take the language's main identifier; other languages 0).
int localeIdFor(const QLocale& locale);

// The file-open dialog: the chosen file, or nothing when cancelled. Under the driver the answer
// comes from setNextFileAnswer (cancel when none was given).
std::optional<QString> openFile(QWidget* parent, const QString& filter, const QString& defaultSuffix);
void setNextFileAnswer(std::optional<QString> answer);
// The file-save dialog, offering `suggestedName`: the chosen file, or nothing when cancelled.
// Under the driver the answer comes from setNextFileAnswer as for the open-file dialog.
std::optional<QString> saveFile(QWidget* parent, const QString& filter, const QString& suggestedName,
                                const QString& defaultSuffix);
// A modal warning with the given lines, reported as a window under the driver.
void warn(QWidget* parent, const QString& caption, const QStringList& lines);
// Puts a picture on the clipboard (reported under the driver).
void copyPicture(const QImage& image);

// Opens a link with the desktop's handler (reported, not opened, under the driver).
void openLink(const QString& url);

QString jsonString(const QString& s);

// The process's resident memory in bytes: now, or the most it has held (0 where the system does
// not tell).
std::size_t residentBytes();
std::size_t peakResidentBytes();

}  // namespace orb::platform
