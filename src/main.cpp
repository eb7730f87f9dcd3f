// Orbicola's entry point: the application, its timers on Qt, and the main window.
#include <QApplication>
#include <QIcon>

#include "raster/qt/qt_font.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/qt_timers.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbicola"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/orbicola.png")));
    raster::qt::installFontEngine();
    orb::QtTimerBackend timers;
    orb::setTimerBackend(&timers);
    int rc = 0;
    {
        orb::TOrbicola window;
        window.formCreate();
        window.show();
        rc = QApplication::exec();
    }
    orb::setTimerBackend(nullptr);
    return rc;
}
