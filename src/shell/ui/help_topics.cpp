// The help topics: contexts, the pages in every language, their text, the search and the contents.
#include "shell/ui/help_topics.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>
#include <map>

#include "shell/texts.h"
#include "shell/ui/mainwindow.h"
#include "shell/window_table.h"

namespace orb::help {

namespace {
QString fromView(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

// The main menu's items that open no window but have a help context of their own.
struct MenuContext {
    int context;
    const char* topic;
    const char* anchor;
};
constexpr MenuContext kMenuContexts[] = {
    {1, "program", "menus"},   // "Exit"
    {4, "languages", ""},      // "Language", "Load another version", "Default language"
};

// A menu text as the contents shows it: without its accelerator marks.
QString menuText(int row, int slot)
{
    QString s = QString::fromStdString(texts::MenuTexts.text(row, slot));
    s.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return s.trimmed().toHtmlEscaped();
}

// Letter case and accents aside: the text folded, its marks dropped.
QString folded(const QString& s)
{
    const QString d = s.normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString out;
    out.reserve(d.size());
    for (QChar c : d)
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    return out;
}

QString link(const QString& topic, const QString& text)
{
    return QStringLiteral("<a href=\"topic:%1\">%2</a>").arg(topic, text);
}
}  // namespace

const QStringList& generalTopics()
{
    static const QStringList names{QStringLiteral("program"), QStringLiteral("languages"),
                                   QStringLiteral("configuration")};
    return names;
}

QStringList topicNames()
{
    QStringList names;
    for (const WindowInfo& w : windowTable())
        names << fromView(w.unit);
    return names + generalTopics();
}

std::optional<TopicRef> resolve(int context, const WindowInfo* window)
{
    auto own = [context](const WindowInfo& w) -> std::optional<TopicRef> {
        if (w.helpContext == context)
            return TopicRef{fromView(w.unit), QString()};
        if (w.f1Context == context)
            return TopicRef{fromView(w.unit), QStringLiteral("use")};
        return std::nullopt;
    };
    if (window)
        if (auto ref = own(*window))
            return ref;
    // Help contexts first, so that a window's F1 context never takes another window's topic.
    for (const WindowInfo& w : windowTable())
        if (w.helpContext == context)
            return own(w);
    for (const WindowInfo& w : windowTable())
        if (w.f1Context == context)
            return own(w);
    for (const MenuContext& m : kMenuContexts)
        if (m.context == context)
            return TopicRef{QString::fromLatin1(m.topic), QString::fromLatin1(m.anchor)};
    return std::nullopt;
}

QString languageFolder(int slot)
{
    static const char* const folders[] = {"it", "en", "fr", "es", "en", "de"};
    return QString::fromLatin1(slot >= 0 && slot < 6 ? folders[slot] : "en");
}

QString topicHtml(const QString& name, int slot)
{
    QFile file(QStringLiteral(":/help/%1/%2.html").arg(languageFolder(slot), name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString titleOf(const QString& html)
{
    static const QRegularExpression h1(QStringLiteral("<h1[^>]*>(.*?)</h1>"),
                                       QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = h1.match(html);
    if (!m.hasMatch())
        return {};
    return QTextDocumentFragment::fromHtml(m.captured(1)).toPlainText().simplified();
}

QString plainText(const QString& html)
{
    QTextDocument doc;
    doc.setHtml(html);
    QString text = doc.toPlainText();
    text.remove(QChar::ObjectReplacementCharacter);
    // One line a paragraph: no spaces at the ends of lines, and no line that a picture alone left.
    static const QRegularExpression blanks(QStringLiteral("[ \t]*\n[ \t\n]*"));
    text.replace(blanks, QStringLiteral("\n"));
    return text.trimmed();
}

QStringList search(const QString& words, int slot)
{
    const QStringList wanted = folded(words).split(QRegularExpression(QStringLiteral("\\s+")),
                                                   Qt::SkipEmptyParts);
    if (wanted.isEmpty())
        return {};
    std::vector<std::pair<qsizetype, QString>> hits;
    for (const QString& name : topicNames()) {
        const QString html = topicHtml(name, slot);
        if (html.isEmpty())
            continue;
        const QString text = folded(plainText(html));
        qsizetype count = 0;
        bool all = true;
        for (const QString& w : wanted) {
            const qsizetype n = text.count(w);
            all = all && n > 0;
            count += n;
        }
        if (all)
            hits.emplace_back(count, name);
    }
    std::stable_sort(hits.begin(), hits.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    QStringList names;
    for (const auto& h : hits)
        names << h.second;
    return names;
}

QString contentsHtml(const std::vector<MenuItem>& menu, int slot)
{
    auto title = [slot](const QString& name) {
        const QString t = titleOf(topicHtml(name, slot)).toHtmlEscaped();
        return t.isEmpty() ? name : t;
    };
    QString html = QStringLiteral("<h1>%1</h1><ul>")
                       .arg(QString::fromStdString(texts::CaptionTexts.text(0, slot)).toHtmlEscaped());
    for (const QString& name : generalTopics())
        html += QStringLiteral("<li>%1</li>").arg(link(name, title(name)));
    html += QStringLiteral("</ul>");

    std::map<QString, const MenuItem*> items;
    for (const MenuItem& item : menu)
        items[item.name] = &item;
    auto itemText = [&](const QString& name, const QString& fallback) {
        const auto it = items.find(name);
        const QString t = it == items.end() ? QString() : menuText(it->second->textRow, slot);
        return t.isEmpty() ? fallback : t;
    };
    if (menu.empty()) {
        html += QStringLiteral("<ul>");
        for (const WindowInfo& w : windowTable())
            html += QStringLiteral("<li>%1</li>").arg(link(fromView(w.unit), title(fromView(w.unit))));
        return html + QStringLiteral("</ul>");
    }
    // The windows by menu item ("D1", "I31"): the letter names the menu, a third character a
    // submenu named by the first two.
    std::vector<const WindowInfo*> windows;
    for (const WindowInfo& w : windowTable())
        if (!w.menuItem.empty())
            windows.push_back(&w);
    std::sort(windows.begin(), windows.end(),
              [](const WindowInfo* a, const WindowInfo* b) { return a->menuItem < b->menuItem; });
    for (const MenuItem& top : menu) {
        if (!top.topLevel)
            continue;
        QString list;
        QString submenu;
        for (const WindowInfo* w : windows) {
            const QString item = fromView(w->menuItem);
            if (item.left(1) != top.name)
                continue;
            const QString sub = item.size() > 2 ? item.left(2) : QString();
            if (sub != submenu) {
                if (!submenu.isEmpty())
                    list += QStringLiteral("</ul></li>");
                if (!sub.isEmpty())
                    list += QStringLiteral("<li>%1<ul>").arg(itemText(sub, sub));
                submenu = sub;
            }
            const QString unit = fromView(w->unit);
            list += QStringLiteral("<li>%1</li>").arg(link(unit, itemText(item, title(unit))));
        }
        if (!submenu.isEmpty())
            list += QStringLiteral("</ul></li>");
        if (!list.isEmpty())
            html += QStringLiteral("<h2>%1</h2><ul>%2</ul>").arg(itemText(top.name, top.name), list);
    }
    return html;
}

}  // namespace orb::help
