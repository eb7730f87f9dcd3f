// Languages, language files and the configuration file as a user meets them through the menus.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/driver.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/simwindow.h"

namespace {

// A valid language file: the note, "menu", the names, and recognisable captions and hints.
QByteArray languageFile(int lines = 280, const char* marker = "menu", const char* eol = "\n")
{
    QByteArray text;
    for (int i = 0; i < lines; ++i) {
        QByteArray line;
        if (i < 82)
            line = "Note " + QByteArray::number(i);
        else if (i == 82)
            line = marker;
        else if (i < 89)
            line = "Sardu " + QByteArray::number(i - 83);
        else if (i < 144)
            line = "&M" + QByteArray::number(i - 89);
        else if (i >= 145 && i < 185)
            line = "C" + QByteArray::number(i - 145);
        else if (i >= 186)
            line = "H" + QByteArray::number(i - 186) + "|";
        text += line + eol;
    }
    return text;
}

struct Languages : ::testing::Test {
    QTemporaryDir dir;
    QString previous;
    QStringList out, err;
    std::unique_ptr<orb::Driver> driver;

    void SetUp() override
    {
        globals::reset();
        texts::resetTables();
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void TearDown() override
    {
        driver.reset();
        QDir::setCurrent(previous);
        globals::reset();
        texts::resetTables();
    }
    int run(const QString& script, int locale = 0x0409)
    {
        if (!driver) {
            orb::Driver::Options options;
            options.locale = locale;
            options.size = QSize(700, 450);
            driver = std::make_unique<orb::Driver>(options, [this](const QString& l) { out << l; },
                                                   [this](const QString& l) { err << l; });
        }
        return driver->run(script.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }
    QString caption(const char* item) { return driver->mainWindow()->menuItem(QString::fromLatin1(item))->action->text(); }
    void write(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray configBytes()
    {
        QFile f(dir.filePath(QStringLiteral("Orbicola.cfg")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray record(bool hints, int lang, const QByteArray& path, int defaultSlot = -1)
    {
        QByteArray r(209, '\0');
        r[0] = hints ? 1 : 0;
        r[1] = char(lang);
        r[2] = char(path.size());
        for (int i = 0; i < path.size(); ++i)
            r[3 + i] = path[i];
        if (defaultSlot >= 0)
            r[203 + defaultSlot] = 1;
        return r;
    }
};

// The locale chooses German, a stored default overrides it, the stored language stands where
// neither applies, and a stored custom default whose file is gone falls back to the locale.
TEST_F(Languages, TheStartUpLanguage)
{
    struct Case {
        QByteArray cfg;
        int locale;
        int language;
        QString d1;
    };
    const Case cases[] = {{{}, 0x0C07, 5, QStringLiteral("Primarwellen  (&P-Wellen)")},
                          {record(false, 0, {}, 2), 0x0C07, 2, QStringLiteral("Ondes primaires &P")},
                          {record(true, 3, {}), 0x0411, 3, QStringLiteral("Ondas primarias &P")},
                          {record(false, 1, "gone.lng", 4), 0x0410, 0, QStringLiteral("Onde primarie &P")}};
    for (const Case& c : cases) {
        driver.reset();
        globals::reset();
        QFile::remove(dir.filePath(QStringLiteral("Orbicola.cfg")));
        if (!c.cfg.isEmpty())
            write(QStringLiteral("Orbicola.cfg"), c.cfg);
        ASSERT_EQ(run(QStringLiteral("start"), c.locale), 0);
        EXPECT_EQ(globals::LanguageIndex, c.language);
        EXPECT_EQ(caption("D1"), c.d1);
        // The hints and the default language as stored, in the menus too.
        const bool hints = !c.cfg.isEmpty() && c.cfg[0] == 1;
        EXPECT_EQ(globals::ShowHints, hints);
        EXPECT_EQ(driver->mainWindow()->menuItem(QStringLiteral("A1"))->action->isChecked(), hints);
        EXPECT_EQ(driver->mainWindow()->menuItem(QStringLiteral("A51"))->action->isChecked(),
                  !c.cfg.isEmpty() && c.cfg[203 + 2] == 1);
    }
}

TEST_F(Languages, AFirstRunWithoutChangesWritesNoFileAndHintsAreRemembered)
{
    ASSERT_EQ(run(QStringLiteral("start quit")), 0);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Orbicola.cfg"))));
    driver.reset();
    globals::reset();
    ASSERT_EQ(run(QStringLiteral("start menu A21 menu A1 quit")), 0);
    const QByteArray bytes = configBytes();
    ASSERT_EQ(bytes.size(), 209);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1], 2);   // the language in use: French
}

TEST_F(Languages, ALanguageChangeAloneWritesNothing)
{
    const QByteArray stored = record(true, 1, {});
    write(QStringLiteral("Orbicola.cfg"), stored);
    ASSERT_EQ(run(QStringLiteral("start menu A23 quit")), 0);
    EXPECT_EQ(globals::LanguageIndex, 0);
    EXPECT_EQ(configBytes(), stored);
}

TEST_F(Languages, ChoosingALanguageClosesEveryWindowAndRelabels)
{
    ASSERT_EQ(run(QStringLiteral("start menu D1 menu A24")), 0);
    EXPECT_TRUE(driver->mainWindow()->openWindows().empty());
    EXPECT_TRUE(driver->mainWindow()->startPictureVisible());
    EXPECT_EQ(caption("D"), QStringLiteral("&Terremotos"));
    ASSERT_EQ(run(QStringLiteral("menu D1")), 0);
    EXPECT_EQ(driver->target()->windowTitle(), QStringLiteral("Ondas primarias"));
}

TEST_F(Languages, AMalformedFileIsNamedInTheWarningAndNothingIsCopied)
{
    write(QStringLiteral("bad.lng"), languageFile(281));
    const QString path = dir.filePath(QStringLiteral("bad.lng"));
    ASSERT_EQ(run(QStringLiteral("start answer ") + path + QStringLiteral(" menu A3")), 0);
    const QString all = out.join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(QStringLiteral("\"class\":\"Tversione\""))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("\"bad.lng\"")));
    EXPECT_FALSE(all.contains(dir.path() + QStringLiteral("/bad.lng\"]")));   // the name alone
    EXPECT_FALSE(globals::LanguageFileValid);
    EXPECT_EQ(globals::LanguageIndex, 1);
    EXPECT_TRUE(texts::MenuTexts.text(18, 4).empty());
    EXPECT_FALSE(driver->mainWindow()->menuItem(QStringLiteral("A26"))->action->isVisible());
    // The path is kept and saved; the next start warns once the start screen has ended.
    ASSERT_EQ(run(QStringLiteral("quit")), 0);
    driver.reset();
    globals::reset();
    out.clear();
    ASSERT_EQ(run(QStringLiteral("start")), 0);
    EXPECT_TRUE(out.join(QLatin1Char('\n')).contains(QStringLiteral("\"class\":\"Tversione\"")));
}

TEST_F(Languages, AValidFileBecomesTheCustomLanguage)
{
    write(QStringLiteral("sardu.lng"), languageFile(280, "menu", "\r\n"));
    const QString path = dir.filePath(QStringLiteral("sardu.lng"));
    ASSERT_EQ(run(QStringLiteral("start menu D1 answer ") + path + QStringLiteral(" menu A3")), 0);
    EXPECT_EQ(globals::LanguageIndex, 4);
    EXPECT_TRUE(driver->mainWindow()->openWindows().empty());
    EXPECT_EQ(caption("D1"), QStringLiteral("&M18"));
    EXPECT_EQ(caption("A26"), QStringLiteral("Sardu 4"));
    // The items that no language file carries are shown in English.
    EXPECT_EQ(caption("A6"), QStringLiteral("&Save picture..."));
    EXPECT_EQ(caption("B45"), QStringLiteral("&Automatic"));
    EXPECT_TRUE(driver->mainWindow()->menuItem(QStringLiteral("A26"))->action->isVisible());
    EXPECT_TRUE(driver->mainWindow()->menuItem(QStringLiteral("A57"))->action->isVisible());
    out.clear();
    ASSERT_EQ(run(QStringLiteral("menu C2")), 0);
    const QString info = out.join(QLatin1Char('\n'));
    EXPECT_TRUE(info.contains(QStringLiteral("\"class\":\"Tinfo\"")));
    EXPECT_TRUE(info.contains(QStringLiteral("\"Note 81\",\"menu\"]")));   // 83 lines, ending in the marker
    ASSERT_EQ(run(QStringLiteral("menu D1")), 0);
    EXPECT_EQ(driver->target()->windowTitle(), QStringLiteral("C1"));
    // The pause button's hint: the file's text, and the names of its keys in English.
    EXPECT_EQ(driver->target()->control(QStringLiteral("pausa"))->hint,
              QStringLiteral("H0 (Space; full stop: one step)|"));
}

TEST_F(Languages, ADamagedLanguageByteKeepsEnglishWhereTheLocaleIsNotInTheTable)
{
    QByteArray r(209, '\x05');
    r[0] = 7;
    r[1] = char(200);
    r[2] = char(250);
    write(QStringLiteral("Orbicola.cfg"), r);
    ASSERT_EQ(run(QStringLiteral("start"), 0x0411), 0);
    EXPECT_EQ(globals::LanguageIndex, 1);
    EXPECT_EQ(caption("D1"), QStringLiteral("Primary waves &P"));
}

TEST_F(Languages, CancellingTheFileDialogChangesNothing)
{
    ASSERT_EQ(run(QStringLiteral("start answer cancel menu A3 quit")), 0);
    EXPECT_TRUE(globals::LanguageFilePath.empty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Orbicola.cfg"))));
}

}  // namespace
