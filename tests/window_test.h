// A base for tests that drive the program's windows through the scripted driver, in process.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <memory>

#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/driver.h"
#include "shell/ui/simwindow.h"

class WindowTest : public ::testing::Test {
protected:
    QStringList out, err;
    std::unique_ptr<orb::Driver> driver;
    // The driver's options; a fixture may change them in its constructor.
    orb::Driver::Options options;

    void SetUp() override
    {
        globals::reset();
        texts::resetTables();
        driver = std::make_unique<orb::Driver>(options, [this](const QString& l) { out << l; },
                                               [this](const QString& l) { err << l; });
    }
    void TearDown() override
    {
        driver.reset();
        texts::resetTables();
        globals::reset();
    }
    // Runs a script of driver actions separated by spaces; 0 when every action was done.
    int run(const QString& script) { return driver->run(script.split(QLatin1Char(' '), Qt::SkipEmptyParts)); }
    orb::SimWindow& w() { return *driver->target(); }
    orb::Control& c(const char* name) { return *w().control(QString::fromLatin1(name)); }
    bool enabled(const char* name) { return c(name).widget->isEnabled(); }
    bool shown(const char* name) { return c(name).widget->isVisibleTo(&w()); }
    QString text(const char* name) { return w().controlText(c(name)); }
};
