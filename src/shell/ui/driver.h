// The scripted driver: runs the real windows headless on the virtual clock, drives their controls
// and saves their pictures. The orbicola-shot tool and the end-to-end tests both use it.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "shell/picture_size.h"
#include "shell/timer.h"

namespace orb {

class TOrbicola;
class SimWindow;

class Driver {
public:
    struct Options {
        QSize size{1916, 1000};     // client size of a window opened without the main window
        QSize screen{1920, 1080};   // the screen the program sees
        std::optional<std::uint32_t> seed;
        int locale = 0;             // 0: the system's
        std::optional<picture::Size> zoom;   // the picture size of this run; none: as stored
    };
    using Sink = std::function<void(const QString& line)>;

    Driver(Options options, Sink out, Sink err);
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // Runs actions in order; returns 0, or 2 at the first action that cannot be done (after
    // writing why to err).
    int run(const QStringList& actions);

    // Parses the command line of orbicola-shot (without the program name) and runs it.
    static int main(const QStringList& args, Sink out, Sink err);
    static QString usage();

    TOrbicola* mainWindow() const { return main_.get(); }
    SimWindow* target() const;
    VirtualClock& clock() { return clock_; }

private:
    struct Failure { QString message; };
    void ensureMain(bool alone);
    SimWindow& requireTarget();
    void action(const QString& verb, QStringList& rest);
    QString take(QStringList& rest, const QString& what);
    void printState();
    void openAll();
    void printFrame();
    void save(const QString& file, bool whole);

    Options options_;
    Sink out_;
    Sink err_;
    VirtualClock clock_;
    TimerBackend* previousBackend_;
    std::unique_ptr<TOrbicola> main_;
    int targetFlag_ = -1;
};

}  // namespace orb
