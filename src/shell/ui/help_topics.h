// The help topics: which topic a help context leads to, the topic pages compiled into the program
// in every language, their titles and plain text, the search by words and the contents page.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace orb {

struct MenuItem;
struct WindowInfo;

namespace help {

// A place in the help: a topic (a window's unit name or a general topic's name) and a section
// anchor in it (empty: the top).
struct TopicRef {
    QString name;
    QString anchor;
    bool operator==(const TopicRef&) const = default;
};

// The general topics, in the order the contents lists them.
const QStringList& generalTopics();
// Every topic: one per window of the window table, in its order, then the general topics.
QStringList topicNames();

// The topic that a help context leads to; nothing for a context that leads nowhere. A window's
// help context leads to its topic, an F1 context of its own that differs from it to the topic's
// "use" section. When `window` is given, a context of that window leads to that window's topic
// even where another window has the same context; otherwise the first window of the window table
// that has it wins.
std::optional<TopicRef> resolve(int context, const WindowInfo* window = nullptr);

// The folder of a language slot's topics: the custom language reads the English ones.
QString languageFolder(int slot);
// A topic's page in a language slot, as its file holds it; empty when there is none.
QString topicHtml(const QString& name, int slot);
// The text of a page's <h1>, without markup.
QString titleOf(const QString& html);
// The text a reader sees, without markup and without the pictures.
QString plainText(const QString& html);

// The topics of a language slot that hold every word of `words` (letter case and accents aside),
// those that hold them most often first.
QStringList search(const QString& words, int slot);

// The contents page of a language slot: the general topics, then the window topics grouped as the
// menus group the windows. `menu` is the main window's menu tree (empty: the windows in the order
// of the window table, under their captions).
QString contentsHtml(const std::vector<MenuItem>& menu, int slot);

}  // namespace help
}  // namespace orb
