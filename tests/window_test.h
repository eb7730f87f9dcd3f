// A base for tests that drive the program's windows through the scripted driver, in process.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <algorithm>
#include <initializer_list>
#include <memory>

#include "raster/canvas.h"
#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/driver.h"
#include "shell/ui/simwindow.h"

// A pixel that a picture must show.
struct Pixel {
    int x, y;
    raster::Color colour;
};

// Whether the picture shows every listed pixel; the first that it does not is named.
inline ::testing::AssertionResult hasPixels(const raster::Canvas& c, std::initializer_list<Pixel> pixels)
{
    for (const Pixel& p : pixels)
        if (c.pixel(p.x, p.y) != p.colour)
            return ::testing::AssertionFailure() << "pixel " << p.x << "," << p.y << " is " << std::hex
                                                 << c.pixel(p.x, p.y) << ", not " << p.colour;
    return ::testing::AssertionSuccess();
}

// The box round every pixel that is not `background` (right and bottom excluded); {0, 0, 0, 0}
// when there is none.
inline raster::Rect boxBeside(const raster::Canvas& c, raster::Color background)
{
    raster::Rect box{c.width(), c.height(), 0, 0};
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.pixel(x, y) != background)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), y + 1};
    return box.right == 0 ? raster::Rect{0, 0, 0, 0} : box;
}

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
