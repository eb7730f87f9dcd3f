// The help service: shows a topic by context number, or the contents, in the program's help window.
#pragma once

#include <QMainWindow>
#include <QString>
#include <vector>

#include "shell/ui/help_topics.h"

class QLineEdit;
class QTextBrowser;
class QUrl;

namespace orb {

struct WindowInfo;

namespace help {

// The help file of the current language: the product title followed by ".hlp".
QString helpFileName();
void showTopic(int context, QWidget* parent = nullptr);
// From a window: a context of the window's own leads to the window's own topic.
void showTopic(int context, const WindowInfo& window, QWidget* parent = nullptr);
void showContents(QWidget* parent = nullptr);

class HelpWindow;
// The help window once a topic or the contents were shown in it, else nullptr.
HelpWindow* window();
// Where the help window was left in an earlier run (QWidget::saveGeometry), used when it is first
// opened; and where it is now, or that earlier place while it has not been opened.
void setSavedGeometry(const QByteArray& geometry);
QByteArray savedGeometry();

// The help window: an ordinary top-level window with Back, Forward, Contents and a search field.
// Its pages are always shown in the program's current language.
class HelpWindow : public QMainWindow {
public:
    struct Page {
        enum Kind { Contents, Topic, Search } kind = Contents;
        TopicRef topic;   // Topic
        QString query;    // Search
        bool operator==(const Page&) const = default;
    };

    explicit HelpWindow(QWidget* owner = nullptr);
    // Shows a page and makes it the newest of the history (the forward pages are dropped).
    void go(const Page& page);
    void back();
    void forward();
    // Follows a link of the page shown: "topic:NAME", "topic:NAME#anchor" or "#anchor".
    void follow(const QUrl& url);
    const Page& page() const { return history_[static_cast<std::size_t>(index_)]; }
    bool canGoBack() const { return index_ > 0; }
    bool canGoForward() const { return index_ + 1 < static_cast<int>(history_.size()); }
    QTextBrowser* browser() const { return view_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The page's HTML in the current language.
    QString pageHtml() const;
    // Shows the page: at its anchor, or where the reader was (after a change of width).
    void render(bool keepPlace = false);

    QTextBrowser* view_;
    QAction* back_;
    QAction* forward_;
    QAction* contents_;
    QLineEdit* search_;
    std::vector<Page> history_;
    int index_ = -1;
    int renderedWidth_ = 0;
};

}  // namespace help
}  // namespace orb
