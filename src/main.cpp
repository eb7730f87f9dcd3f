// Orbicola's entry point: the command line, the application, its timers on Qt, and the main window.
#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <string>
#include <vector>

#include "raster/qt/qt_font.h"
#include "shell/command_line.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/qt_timers.h"

#ifndef ORBICOLA_VERSION
#define ORBICOLA_VERSION "unknown"
#endif

namespace {

std::vector<std::string> argumentsOf(int argc, char** argv)
{
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

// Prints what a Help or Version request asks for; false for the other requests.
bool answered(const orb::cmdline::Outcome& outcome)
{
    using orb::cmdline::Request;
    if (outcome.request == Request::Help)
        std::fputs(orb::cmdline::helpText().c_str(), stdout);
    else if (outcome.request == Request::Version)
        std::fputs(orb::cmdline::versionText(ORBICOLA_VERSION).c_str(), stdout);
    else
        return false;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    // --help and --version answer before the application starts, so that they work without a
    // display; anything else is judged once Qt has taken its own options out.
    if (answered(orb::cmdline::parse(argumentsOf(argc, argv))))
        return 0;
    QApplication app(argc, argv);
    const orb::cmdline::Outcome outcome = orb::cmdline::parse(argumentsOf(argc, argv));
    if (answered(outcome))
        return 0;
    if (outcome.request == orb::cmdline::Request::Error) {
        std::fputs(orb::cmdline::errorText(outcome.argument).c_str(), stderr);
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("Orbicola"));
    QApplication::setApplicationVersion(QStringLiteral(ORBICOLA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orbicola.Orbicola"));
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
