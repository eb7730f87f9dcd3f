// The classroom features of every window: the picture size, the keys, saving and copying the
// picture, and the settings file that remembers the picture size.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>

#include "shell/picture_size.h"
#include "shell/ui/forms.h"
#include "shell/ui/ini_settings.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/platform.h"
#include "window_test.h"

namespace {

// A window of the framework alone: a known picture, a label and a bevel over it, and a key of
// its own when asked for one.
class PictureProbe : public orb::SimWindow {
public:
    using SimWindow::SimWindow;
    static inline bool ownsSpace = false;
    QList<int> keys;

protected:
    void formCreate() override
    {
        addTimer(QStringLiteral("tempo"), 15, true, [this] {
            if (!isDown(QStringLiteral("pausa")))
                surface().setPixel(ticks++, 0, raster::rgb(255, 0, 0));
        });
        addStandardControls(addToolBar());
        addHelpButton(addToolBar());
        for (int y = 0; y < clientHeight(); ++y)
            for (int x = 0; x < clientWidth(); ++x)
                surface().setPixel(x, y, raster::rgb(x % 256, y % 256, (x * y) % 256));
        addLabel(this, QStringLiteral("mark"), QString())->setGeometry(100, 60, 40, 20);
        addBevel(this, QStringLiteral("Bevel1"), QRect(10, 30, 50, 30));
        if (ownsSpace)
            setKeyPreview({Qt::Key_Space});
    }
    void keyPressed(int qtKey) override { keys << qtKey; }
    int ticks = 0;
};

orb::SimWindow* makePictureProbe(const orb::WindowInfo& info, QWidget* parent) { return new PictureProbe(info, parent); }

QImage shownPicture(orb::SimWindow& w)
{
    QImage image(w.size(), QImage::Format_RGB32);
    w.render(&image);
    return image;
}

// The probe stands in for the window of flag 1 (menu item H1).
struct Pictures : WindowTest {
    Pictures() { options.size = QSize(640, 400); }
    void SetUp() override
    {
        orb::overrideFormFactory(1, &makePictureProbe);
        WindowTest::SetUp();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        orb::overrideFormFactory(1, nullptr);
        PictureProbe::ownsSpace = false;
    }
    // A fresh driver (and fresh unit state) with the given options.
    void restart(QSize size, std::optional<picture::Size> zoom, QSize screen = {1920, 1080})
    {
        driver.reset();
        globals::reset();
        options.size = size;
        options.zoom = zoom;
        options.screen = screen;
        driver = std::make_unique<orb::Driver>(options, [this](const QString& l) { out << l; },
                                               [this](const QString& l) { err << l; });
    }
    QAction* item(const char* name) { return driver->mainWindow()->menuItem(QString::fromLatin1(name))->action; }
};

TEST(PictureSize, AutomaticTakesTheLargestScaleThatLeavesEnoughPicture)
{
    EXPECT_EQ(picture::automaticHalves(1916, 990), 4);    // a 1920 x 1080 screen: 958 x 495
    EXPECT_EQ(picture::automaticHalves(1020, 700), 2);    // 1024 x 768: 680 x 466 at 150 % is too small
    EXPECT_EQ(picture::automaticHalves(1276, 760), 3);    // 1280 x 800: 850 x 506
    EXPECT_EQ(picture::automaticHalves(3836, 2070), 6);   // 3840 x 2160: 1278 x 690
    EXPECT_EQ(picture::automaticHalves(600, 400), 2);     // smaller than any: as drawn
    EXPECT_EQ(picture::halvesFor(picture::Size::P150, 3836, 2070), 3);
    for (picture::Size s : {picture::Size::P100, picture::Size::P150, picture::Size::P200, picture::Size::P300,
                            picture::Size::Automatic})
        EXPECT_EQ(picture::parse(picture::name(s)), s);
    EXPECT_FALSE(picture::parse("250"));
}

// At 200 % a window opened on 1916 x 1000 draws exactly what it draws at 100 % on 958 x 500.
TEST_F(Pictures, AtTwiceTheSizeTheWindowDrawsTheHalfSizePicture)
{
    restart({1916, 1000}, picture::Size::P200);
    ASSERT_EQ(run(QStringLiteral("open Tondep tick 7")), 0);
    const QImage zoomed = w().picture();
    restart({958, 500}, picture::Size::P100);
    ASSERT_EQ(run(QStringLiteral("open Tondep tick 7")), 0);
    EXPECT_EQ(zoomed.size(), QSize(958, 500));
    EXPECT_TRUE(zoomed == w().picture());
}

// The picture is shown enlarged, each pixel a 2 x 2 block; a control over the picture keeps its
// size and lands centred where the enlarged picture has it, a bevel grows with the picture; the
// Automatic choice on a real 1920 x 1080 frame.
TEST_F(Pictures, TheShownPictureAndTheControlsOverIt)
{
    restart({1916, 990}, picture::Size::Automatic);
    ASSERT_EQ(run(QStringLiteral("start menu H1")), 0);
    orb::SimWindow& probe = w();
    EXPECT_EQ(probe.pictureScale(), 4);
    EXPECT_EQ(probe.clientWidth(), probe.width() / 2);
    EXPECT_EQ(probe.clientHeight(), probe.height() / 2);
    const QImage shown = shownPicture(probe);
    const QImage picture = probe.picture();
    const int top = probe.controlBar()->height() / 2 + 1;   // below the control bar
    for (int y = top; y < top + 40; y += 7)
        for (int x = 200; x < picture.width(); x += 13)
            for (QPoint at : {QPoint(2 * x, 2 * y), QPoint(2 * x + 1, 2 * y + 1)})
                ASSERT_EQ(shown.pixel(at), picture.pixel(x, y)) << x << "," << y;
    // Centre (120, 70) of the picture is (240, 140) in the window.
    EXPECT_EQ(probe.control(QStringLiteral("mark"))->widget->geometry(), QRect(220, 130, 40, 20));
    EXPECT_EQ(probe.control(QStringLiteral("Bevel1"))->widget->geometry(), QRect(20, 60, 100, 60));
    EXPECT_EQ(probe.toWidget(QRect(5, 6, 3, 2)), QRect(10, 12, 6, 4));

    // On a 1024 x 768 screen Automatic keeps the picture as drawn.
    restart({}, picture::Size::Automatic, {1024, 768});
    ASSERT_EQ(run(QStringLiteral("start menu H1")), 0);
    EXPECT_EQ(w().pictureScale(), 2);
    EXPECT_EQ(w().clientWidth(), w().width());
}

// Choosing a size closes every window; the windows opened afterwards take it.
TEST_F(Pictures, ChoosingASizeClosesTheWindowsAndAppliesToTheNextOnes)
{
    ASSERT_EQ(run(QStringLiteral("start menu H1 menu B44")), 0);
    EXPECT_TRUE(driver->mainWindow()->openWindows().empty());
    EXPECT_TRUE(item("B44")->isChecked());
    EXPECT_FALSE(item("B41")->isChecked());
    ASSERT_EQ(run(QStringLiteral("menu H1")), 0);
    EXPECT_EQ(w().pictureScale(), 6);
    EXPECT_EQ(w().clientWidth(), w().width() / 3);
}

TEST_F(Pictures, SpacePlusMinusAndFullStop)
{
    ASSERT_EQ(run(QStringLiteral("open Tfcen")), 0);
    auto* speed = qobject_cast<QSlider*>(c("cadenza").widget);
    speed->setValue(100);
    ASSERT_EQ(run(QStringLiteral("key Space")), 0);
    EXPECT_TRUE(w().isDown(QStringLiteral("pausa")));
    ASSERT_EQ(run(QStringLiteral("key + key +")), 0);
    EXPECT_EQ(speed->value(), 120);
    EXPECT_EQ(w().animationTimer()->interval(), 80);
    ASSERT_EQ(run(QStringLiteral("set cadenza 190 key + key - key -")), 0);
    EXPECT_EQ(speed->value(), 175);   // 195 at most, then two steps back
    EXPECT_EQ(w().animationTimer()->interval(), 25);
    // A paused window moves one tick per full stop and stays paused.
    ASSERT_EQ(run(QStringLiteral("tick 3 key . key .")), 0);
    EXPECT_TRUE(w().isDown(QStringLiteral("pausa")));
    EXPECT_EQ(w().picture().pixel(1, 0), qRgb(255, 0, 0));
    EXPECT_NE(w().picture().pixel(2, 0), qRgb(255, 0, 0));
    ASSERT_EQ(run(QStringLiteral("key Space key .")), 0);   // running: the full stop does nothing
    EXPECT_FALSE(w().isDown(QStringLiteral("pausa")));
    EXPECT_NE(w().picture().pixel(2, 0), qRgb(255, 0, 0));
    // A disabled pause button is not pressed.
    c("pausa").widget->setEnabled(false);
    ASSERT_EQ(run(QStringLiteral("key Space")), 0);
    EXPECT_FALSE(w().isDown(QStringLiteral("pausa")));
}

// A window that uses Space itself keeps it, and Return keeps its meaning; the weight window,
// without pause button or speed bar, is left as it was by the keys.
TEST_F(Pictures, KeysAWindowUsesOrLacks)
{
    PictureProbe::ownsSpace = true;
    ASSERT_EQ(run(QStringLiteral("open Tfcen key Space key Return")), 0);
    EXPECT_FALSE(w().isDown(QStringLiteral("pausa")));
    EXPECT_EQ(static_cast<PictureProbe&>(w()).keys, (QList<int>{Qt::Key_Space, Qt::Key_Return}));
    ASSERT_EQ(run(QStringLiteral("open Tvarpeso tick 3")), 0);
    const QImage before = w().picture();
    const int interval = w().animationTimer()->interval();
    ASSERT_EQ(run(QStringLiteral("key Space key + key - key .")), 0);
    EXPECT_TRUE(before == w().picture());
    EXPECT_EQ(w().animationTimer()->interval(), interval);
}

// The full stop gives the picture of one more tick of the running window.
TEST_F(Pictures, FullStopDrawsTheNextTicksPicture)
{
    ASSERT_EQ(run(QStringLiteral("open Tkuno tick 5 click pausa tick 2 key .")), 0);
    const QImage stepped = w().picture();
    EXPECT_TRUE(w().isDown(QStringLiteral("pausa")));
    restart(options.size, std::nullopt);
    ASSERT_EQ(run(QStringLiteral("open Tkuno tick 5")), 0);
    EXPECT_FALSE(stepped == w().picture());
    ASSERT_EQ(run(QStringLiteral("tick")), 0);
    EXPECT_TRUE(stepped == w().picture());
}

// Saving and copying the picture: disabled with no window; the picture at its own size; a file
// that cannot be written named in a warning, with nothing lost.
TEST_F(Pictures, SaveAndCopyThePicture)
{
    QTemporaryDir dir;
    ASSERT_EQ(run(QStringLiteral("start")), 0);
    EXPECT_FALSE(item("A6")->isEnabled());
    EXPECT_FALSE(item("A7")->isEnabled());
    EXPECT_EQ(item("A6")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    driver->mainWindow()->setPictureSizeForRun(picture::Size::P200);
    const QString file = dir.filePath(QStringLiteral("kepler.png"));
    ASSERT_EQ(run(QStringLiteral("menu G1 tick 3 answer ") + file + QStringLiteral(" menu A6")), 0);
    const QString suggested = QStringLiteral("Kepler's first law ") + QDate::currentDate().toString(Qt::ISODate) +
                              QStringLiteral(".png");
    EXPECT_TRUE(out.join(QString()).contains(QStringLiteral("\"suggested\":\"") + suggested + QLatin1Char('"')));
    const QImage saved(file);
    EXPECT_EQ(saved.size(), QSize(w().clientWidth(), w().clientHeight()));
    EXPECT_TRUE(saved.convertToFormat(QImage::Format_RGB32) == w().picture());
    ASSERT_EQ(run(QStringLiteral("menu A7")), 0);
    EXPECT_TRUE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32) == w().picture());

    // A folder that cannot be written: here a file stands where the folder should be.
    QFile blocker(dir.filePath(QStringLiteral("notes")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("keep me");
    blocker.close();
    const QString bad = dir.filePath(QStringLiteral("notes/kepler.png"));
    out.clear();
    ASSERT_EQ(run(QStringLiteral("answer ") + bad + QStringLiteral(" menu A6")), 0);
    EXPECT_TRUE(out.join(QString()).contains(
        QStringLiteral("\"class\":\"message\",\"caption\":\"Orbicola\",\"texts\":[\"The picture cannot be saved to:\",%1]")
            .arg(orb::platform::jsonString(bad))));
    ASSERT_TRUE(blocker.open(QIODevice::ReadOnly));
    EXPECT_EQ(blocker.readAll(), QByteArray("keep me"));
    ASSERT_EQ(run(QStringLiteral("close")), 0);
    EXPECT_FALSE(item("A6")->isEnabled());
}

// The picture size is remembered in Orbicola.ini; a damaged file gives 100 % and is made whole at
// close, and the configuration record is not written for it.
TEST_F(Pictures, TheSettingsFileRemembersThePictureSize)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QFile ini(QStringLiteral("Orbicola.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("\x01\xff[Picture\nSize=\"2\x00" "00\n=\n", 16);
    ini.close();
    ASSERT_EQ(run(QStringLiteral("start")), 0);
    EXPECT_EQ(driver->mainWindow()->pictureSize(), picture::Size::P100);
    EXPECT_TRUE(item("B41")->isChecked());
    ASSERT_EQ(run(QStringLiteral("menu B43 quit")), 0);
    EXPECT_EQ(orb::ini::read(QStringLiteral("Orbicola.ini")).settings.pictureSize, picture::Size::P200);
    EXPECT_FALSE(QFile::exists(QStringLiteral("Orbicola.cfg")));
    restart({640, 400}, std::nullopt);
    ASSERT_EQ(run(QStringLiteral("start")), 0);
    EXPECT_TRUE(item("B43")->isChecked());
    ASSERT_EQ(run(QStringLiteral("menu H1")), 0);
    EXPECT_EQ(w().pictureScale(), 4);
    QDir::setCurrent(previous);
}

}  // namespace
