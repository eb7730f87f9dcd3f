// orbicola-shot: opens the program's windows headless, drives them and saves their pictures.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "raster/qt/qt_font.h"
#include "shell/ui/driver.h"

int main(int argc, char** argv)
{
    // Headless unless the caller chose a platform.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    raster::qt::installFontEngine();
    QStringList args = QApplication::arguments();
    args.removeFirst();
    return orb::Driver::main(
        args,
        [](const QString& line) {
            std::fputs(line.toUtf8().constData(), stdout);
            if (!line.endsWith(QLatin1Char('\n')))
                std::fputc('\n', stdout);
            std::fflush(stdout);
        },
        [](const QString& line) {
            std::fputs(line.toUtf8().constData(), stderr);
            if (!line.endsWith(QLatin1Char('\n')))
                std::fputc('\n', stderr);
        });
}
