// The help: every context leads to a topic in every language, no link or picture points nowhere,
// every window's topic speaks its window's language and names each control by its hint, and the
// help window follows links, goes back and forward and finds topics by words.
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>

#include "shell/texts.h"
#include "shell/ui/help.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/platform.h"
#include "shell/window_table.h"
#include "window_test.h"

namespace orb::help {
void PrintTo(const TopicRef& r, std::ostream* os) { *os << r.name.toStdString() << "#" << r.anchor.toStdString(); }
}  // namespace orb::help

namespace {

using orb::help::TopicRef;

QString unitOf(const orb::WindowInfo& w) { return QString::fromUtf8(w.unit.data(), int(w.unit.size())); }
// A text as a reader finds it in a page: spaces, letter case and accelerator marks aside.
QString plain(QString s) { return s.remove(QLatin1Char('&')).simplified().toCaseFolded(); }
bool hasAnchor(const QString& html, const QString& anchor)
{
    return anchor.isEmpty() || html.contains(QStringLiteral("name=\"%1\"").arg(anchor));
}

class Help : public WindowTest {
protected:
    // The driver anew, on a system of the given locale (the program's language follows it).
    void restart(int locale)
    {
        TearDown();
        options.locale = locale;
        options.size = QSize(800, 500);
        SetUp();
    }
};

TEST_F(Help, EveryContextOfTheWindowsAndTheMenusLeadsToATopicInEveryLanguage)
{
    ASSERT_EQ(run(QStringLiteral("frame")), 0);
    std::vector<std::pair<int, TopicRef>> expected;   // a context, and where it must lead
    for (const orb::WindowInfo& w : orb::windowTable()) {
        expected.push_back({w.helpContext, {unitOf(w), {}}});
        // F1 from the window itself: its own topic, at "use" when the context is not its help's.
        const auto f1 = orb::help::resolve(w.f1Context, &w);
        ASSERT_TRUE(f1) << w.f1Context;
        EXPECT_EQ(*f1, (TopicRef{unitOf(w), w.f1Context == w.helpContext ? QString() : QStringLiteral("use")}));
        expected.push_back({w.f1Context, *f1});
    }
    for (const orb::MenuItem& item : driver->mainWindow()->menuItems()) {
        if (item.helpContext == 0)
            continue;
        const orb::WindowInfo* w = orb::findWindowByMenu(item.name.toStdString());
        const auto ref = orb::help::resolve(item.helpContext);
        ASSERT_TRUE(ref) << item.name.toStdString();
        expected.push_back({item.helpContext, w ? TopicRef{unitOf(*w), {}} : *ref});
    }
    QStringList faults;
    for (const auto& [context, where] : expected) {
        if (context != 401) {   // shared: resolved from the window itself above
            EXPECT_EQ(orb::help::resolve(context), where) << context;
        }
        for (int slot = 0; slot < texts::kSlots; ++slot) {
            const QString html = orb::help::topicHtml(where.name, slot);
            if (html.isEmpty() || !hasAnchor(html, where.anchor))
                faults << QStringLiteral("%1: %2#%3 in slot %4").arg(context).arg(where.name, where.anchor).arg(slot);
        }
    }
    faults.removeDuplicates();
    EXPECT_TRUE(faults.isEmpty()) << "contexts that lead nowhere:\n" << faults.join(QLatin1Char('\n')).toStdString();
    // Alone, the shared F1 context leads to the first window of the table that has it.
    EXPECT_EQ(orb::help::resolve(401)->name, QStringLiteral("simuldopbis"));
    EXPECT_FALSE(orb::help::resolve(0) || orb::help::resolve(999));
}

TEST_F(Help, TheAngularMomentumWindowAsksForItsOwnTopic)
{
    ASSERT_EQ(run(QStringLiteral("open Tmomento click aiuto")), 0);
    ASSERT_EQ(out.size(), 1);
    EXPECT_TRUE(out[0].contains(QStringLiteral("\"context\":700"))) << out[0].toStdString();
    EXPECT_EQ(driver->mainWindow()->menuItem(QStringLiteral("H6"))->helpContext, 700);
    EXPECT_EQ(orb::help::resolve(700)->name, QStringLiteral("duecorpiellit"));
}

TEST_F(Help, TheDriverPrintsTheWholeTopicOfAContextInTheProgramsLanguage)
{
    restart(0x0410);
    ASSERT_EQ(run(QStringLiteral("topic 1")), 0);
    ASSERT_EQ(out.size(), 1);
    const QString html = orb::help::topicHtml(QStringLiteral("program"), 0);
    EXPECT_EQ(out[0], QStringLiteral("{\"context\":1,\"language\":0,\"title\":%1,\"text\":%2}")
                          .arg(orb::platform::jsonString(orb::help::titleOf(html)),
                               orb::platform::jsonString(orb::help::plainText(html))));
    EXPECT_FALSE(out[0].contains(QLatin1Char('<')));
    EXPECT_EQ(run(QStringLiteral("topic 999")), 2);
    EXPECT_EQ(run(QStringLiteral("topic one")), 2);
    EXPECT_EQ(err.size(), 2);
}

TEST_F(Help, EveryLinkAndPictureOfEveryPagePointsSomewhere)
{
    const QStringList topics = orb::help::topicNames();
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\"")), src(QStringLiteral("src=\"([^\"]*)\""));
    static const QRegularExpression topicLink(QStringLiteral("^topic:([a-z0-9]+)(?:#([a-z0-9_-]+))?$"));
    static const QRegularExpression forbidden(QStringLiteral("<(html|head|body|style|script)\\b"));
    for (const int slot : {0, 1, 2, 3, 5}) {
        for (const QString& name : topics) {
            const QString html = orb::help::topicHtml(name, slot);
            const std::string where = (orb::help::languageFolder(slot) + QLatin1Char('/') + name).toStdString();
            EXPECT_FALSE(html.contains(forbidden)) << where;
            for (auto it = href.globalMatch(html); it.hasNext();) {
                const QRegularExpressionMatch link = topicLink.match(it.next().captured(1));
                ASSERT_TRUE(link.hasMatch() && topics.contains(link.captured(1))) << where << ": " << link.captured(0).toStdString();
                EXPECT_TRUE(hasAnchor(orb::help::topicHtml(link.captured(1), slot), link.captured(2)))
                    << where << " links to " << link.captured(0).toStdString();
            }
            for (auto it = src.globalMatch(html); it.hasNext();) {
                const QString picture = it.next().captured(1);
                EXPECT_TRUE(picture.startsWith(QLatin1String("pictures/")) &&
                            QFile::exists(QStringLiteral(":/help/") + picture))
                    << where << ": " << picture.toStdString();
            }
        }
    }
}

TEST_F(Help, GeneralTopicsNameTheMenusInTheirLanguage)
{
    // The program's topic names every menu, the others the items they explain.
    const std::pair<const char*, std::vector<int>> rows[] = {
        {"program", {0, 1, 10, 15, 17, 24, 31, 35, 42, 48}}, {"languages", {2, 8, 54}}, {"configuration", {1, 54}}};
    for (const int slot : {0, 1, 2, 3, 5})
        for (const auto& [name, menuRows] : rows) {
            const QString text = plain(orb::help::plainText(orb::help::topicHtml(QString::fromLatin1(name), slot)));
            for (const int row : menuRows)
                EXPECT_TRUE(text.contains(plain(QString::fromStdString(texts::MenuTexts.text(row, slot)))))
                    << name << " in slot " << slot << " lacks menu text " << row;
        }
}

TEST_F(Help, EveryWindowTopicSpeaksItsLanguageAndNamesEachControlByItsHint)
{
    const std::pair<int, int> languages[] = {{0, 0x0410}, {1, 0x0409}, {2, 0x040C}, {3, 0x040A}, {5, 0x0407}};
    QStringList faults;
    for (const auto& [slot, locale] : languages) {
        restart(locale);
        for (const orb::WindowInfo& info : orb::windowTable()) {
            ASSERT_EQ(run(QStringLiteral("open ") + QString::fromUtf8(info.className.data(), int(info.className.size()))), 0);
            const QString html = orb::help::topicHtml(unitOf(info), slot);
            const QString where = orb::help::languageFolder(slot) + QLatin1Char('/') + unitOf(info) + QStringLiteral(": ");
            const QString text = orb::help::plainText(html);
            if (html.isEmpty())
                faults << where + QStringLiteral("missing");
            else if (orb::help::titleOf(html) != w().windowTitle().simplified())
                faults << where + QStringLiteral("title is not \"%1\"").arg(w().windowTitle().simplified());
            if (!html.isEmpty() && text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size() < 250)
                faults << where + QStringLiteral("fewer than 250 words");
            for (const char* anchor : {"shows", "use", "try", "simplifies"})
                if (!html.isEmpty() && !hasAnchor(html, QString::fromLatin1(anchor)))
                    faults << where + QStringLiteral("no section ") + QLatin1String(anchor);
            for (const auto& c : w().controls()) {
                // The text of the hint's table row in this language, when the control shows it;
                // else the window's own hint as it stands (a key named after it aside).
                const QString own = plain(QString::fromStdString(std::string(texts::shortHint(c->hint.toStdString()))));
                const QString row = c->hintRow < 0 ? QString() : plain(QString::fromStdString(std::string(
                                        texts::shortHint(texts::HintTexts.text(c->hintRow, slot)))));
                const QString hint = !row.isEmpty() && own.startsWith(row) ? row : own;
                const QString bare = hint == row ? hint : QString(hint).remove(QRegularExpression(QStringLiteral(" \\([^()]*\\)$")));
                if (!html.isEmpty() && !hint.isEmpty() && !plain(text).contains(hint) && !plain(text).contains(bare))
                    faults << where + QStringLiteral("control %1 not named by \"%2\"").arg(c->name, hint);
            }
            ASSERT_EQ(run(QStringLiteral("close")), 0);
        }
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Help, TheHelpWindowFollowsLinksGoesBackAndForwardAndFindsTopics)
{
    orb::platform::setScripted(false);   // the window itself, as a user sees it
    const int status = run(QStringLiteral("open Tciclon key F1"));
    orb::platform::setScripted(true);
    ASSERT_EQ(status, 0);
    orb::help::HelpWindow* help = orb::help::window();
    ASSERT_TRUE(help && help->isVisible());
    using Page = orb::help::HelpWindow::Page;
    EXPECT_EQ(help->page(), (Page{Page::Topic, {QStringLiteral("ciclone"), QStringLiteral("use")}, {}}));
    // The title ends with the product's name, which the desktop would otherwise add a second time.
    EXPECT_TRUE(help->windowTitle().endsWith(QApplication::applicationDisplayName())) << help->windowTitle().toStdString();
    help->follow(QUrl(QStringLiteral("topic:program#menus")));
    EXPECT_EQ(help->page().topic, (TopicRef{QStringLiteral("program"), QStringLiteral("menus")}));
    help->back();
    EXPECT_EQ(help->page().topic.name, QStringLiteral("ciclone"));
    help->forward();
    EXPECT_EQ(help->page().topic.name, QStringLiteral("program"));
    EXPECT_FALSE(help->canGoForward());
    // The words of a topic's title find it; a word no topic holds finds nothing.
    const QString title = orb::help::titleOf(orb::help::topicHtml(QStringLiteral("configuration"), 1));
    help->go(Page{Page::Search, {}, title.toUpper()});
    EXPECT_TRUE(help->browser()->toHtml().contains(QStringLiteral("topic:configuration")));
    EXPECT_TRUE(orb::help::search(title + QStringLiteral(" zqxv"), 1).isEmpty());
}

// The help window opens where the user left it when the program last closed; a place that is not
// one in the settings file opens it centred, and the picture size beside it is kept.
TEST_F(Help, TheHelpWindowOpensWhereItWasLeftInTheLastRun)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const auto openHelp = [this] {
        EXPECT_EQ(run(QStringLiteral("start")), 0);
        orb::platform::setScripted(false);
        orb::help::showContents();
        orb::platform::setScripted(true);
        return orb::help::window();
    };
    const QRect left(40, 50, 600, 380);
    openHelp()->setGeometry(left);
    ASSERT_EQ(run(QStringLiteral("menu B43 quit")), 0);
    restart(0x0409);
    ASSERT_FALSE(orb::help::window()) << "the window of the last run is gone";
    EXPECT_EQ(openHelp()->geometry(), left);
    ASSERT_EQ(run(QStringLiteral("quit")), 0);

    QSettings ini(QStringLiteral("Orbicola.ini"), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Help/Geometry"), QStringLiteral("nowhere"));
    ini.sync();
    restart(0x0409);
    EXPECT_NE(openHelp()->geometry(), left);
    EXPECT_TRUE(driver->mainWindow()->menuItem(QStringLiteral("B43"))->action->isChecked());
    ASSERT_EQ(run(QStringLiteral("quit")), 0);
    QDir::setCurrent(previous);
}

}  // namespace
