// The help service and the help window: topics by context number, links, history and search.
#include "shell/ui/help.h"

#include <QAction>
#include <QGuiApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/glyphs.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/platform.h"
#include "shell/window_table.h"

namespace orb::help {

namespace {
constexpr int kPageMargin = 32;   // room beside a picture scaled to the page's width

// A magnifying glass: the search field's sign, the same in every language.
QIcon searchIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 70), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QRectF(5, 5, 15, 15));
    p.drawLine(QPointF(18.5, 18.5), QPointF(27, 27));
    return QIcon(pixmap);
}

// A page's pictures ("pictures/UNIT.png") from the resources, no wider than the page.
QString withPictures(QString html, int width)
{
    static const QRegularExpression img(QStringLiteral("<img\\s+src=\"pictures/([^\"]+)\"[^>]*>"));
    QString out;
    qsizetype from = 0;
    for (auto it = img.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString path = QStringLiteral(":/help/pictures/") + m.captured(1);
        const int natural = QImageReader(path).size().width();
        const int shown = natural > 0 ? std::min(natural, std::max(width - kPageMargin, 64)) : 0;
        out += html.mid(from, m.capturedStart() - from);
        out += QStringLiteral("<img src=\"qrc%1\"%2>")
                   .arg(path, shown > 0 ? QStringLiteral(" width=\"%1\"").arg(shown) : QString());
        from = m.capturedEnd();
    }
    return out + html.mid(from);
}

QString searchHtml(const QString& query, int slot)
{
    QString html = QStringLiteral("<h1>&ldquo;%1&rdquo;</h1>").arg(query.toHtmlEscaped());
    const QStringList found = search(query, slot);
    if (found.isEmpty())
        return html + QStringLiteral("<p>&mdash;</p>");
    html += QStringLiteral("<ul>");
    for (const QString& name : found)
        html += QStringLiteral("<li><a href=\"topic:%1\">%2</a></li>")
                    .arg(name, titleOf(topicHtml(name, slot)).toHtmlEscaped());
    return html + QStringLiteral("</ul>");
}

QPointer<HelpWindow> g_window;
QByteArray g_savedGeometry;

void open(const HelpWindow::Page& page, QWidget* parent)
{
    if (platform::scripted())
        return;
    if (!g_window) {
        // Owned by the main window, so that it closes with the program; a window of its own on
        // the desktop all the same.
        QWidget* owner = Orbicola() ? static_cast<QWidget*>(Orbicola()) : parent ? parent->window() : nullptr;
        g_window = new HelpWindow(owner);
        // Where the user left it in an earlier run (kept on a screen that is there); the first
        // time, about two thirds of the screen, centred.
        if (g_savedGeometry.isEmpty() || !g_window->restoreGeometry(g_savedGeometry)) {
            QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
            const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
            g_window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                                      area.size() * 2 / 3, area));
        }
    }
    // Shown before the page is laid out, so that the page finds its anchor at the final width.
    g_window->setWindowState(g_window->windowState() & ~Qt::WindowMinimized);
    g_window->show();
    g_window->go(page);
    g_window->raise();
    g_window->activateWindow();
}

void report(int context)
{
    platform::report(QStringLiteral("{\"event\":\"help\",\"file\":%1,\"context\":%2}")
                         .arg(platform::jsonString(helpFileName()))
                         .arg(context));
}

HelpWindow::Page topicPage(std::optional<TopicRef> ref)
{
    // A context that leads nowhere opens the contents.
    return ref ? HelpWindow::Page{HelpWindow::Page::Topic, *ref, {}} : HelpWindow::Page{};
}
}  // namespace

void setSavedGeometry(const QByteArray& geometry) { g_savedGeometry = geometry; }

QByteArray savedGeometry() { return g_window ? g_window->saveGeometry() : g_savedGeometry; }

HelpWindow::HelpWindow(QWidget* owner) : QMainWindow(owner, Qt::Window)
{
    view_ = new QTextBrowser(this);
    view_->setOpenLinks(false);
    view_->document()->setDocumentMargin(12);
    setCentralWidget(view_);
    connect(view_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { follow(url); });

    QToolBar* bar = addToolBar(QString());
    bar->setMovable(false);
    bar->setFloatable(false);
    back_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QString(), this, [this] { back(); });
    back_->setShortcut(QKeySequence::Back);
    forward_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QString(), this,
                              [this] { forward(); });
    forward_->setShortcut(QKeySequence::Forward);
    contents_ = bar->addAction(glyph(13), QString(), this, [this] { go(Page{}); });
    bar->addSeparator();
    search_ = new QLineEdit(bar);
    search_->setClearButtonEnabled(true);
    search_->addAction(searchIcon(), QLineEdit::LeadingPosition);
    search_->setMaximumWidth(320);
    bar->addWidget(search_);
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        const QString query = search_->text().simplified();
        if (!query.isEmpty())
            go(Page{Page::Search, {}, query});
    });
    history_.push_back(Page{});
    index_ = 0;
}

void HelpWindow::go(const Page& page)
{
    if (page != this->page()) {
        history_.resize(static_cast<std::size_t>(index_) + 1);
        history_.push_back(page);
        ++index_;
    }
    render();
}

void HelpWindow::back()
{
    if (canGoBack()) {
        --index_;
        render();
    }
}

void HelpWindow::forward()
{
    if (canGoForward()) {
        ++index_;
        render();
    }
}

void HelpWindow::follow(const QUrl& url)
{
    if (url.scheme() == QLatin1String("topic")) {
        go(Page{Page::Topic, TopicRef{url.path(), url.fragment()}, {}});
    } else if (url.scheme().isEmpty() && url.path().isEmpty() && url.hasFragment()) {
        view_->scrollToAnchor(url.fragment());
    }
    // Nothing else is a link of the help.
}

QString HelpWindow::pageHtml() const
{
    const int slot = globals::LanguageIndex;
    const Page& p = page();
    switch (p.kind) {
    case Page::Contents:
        break;
    case Page::Topic: {
        const QString html = topicHtml(p.topic.name, slot);
        return html.isEmpty() ? QStringLiteral("<h1>%1</h1>").arg(p.topic.name.toHtmlEscaped()) : html;
    }
    case Page::Search:
        return searchHtml(p.query, slot);
    }
    return contentsHtml(Orbicola() ? Orbicola()->menuItems() : std::vector<MenuItem>{}, slot);
}

void HelpWindow::render(bool keepPlace)
{
    QScrollBar* bar = view_->verticalScrollBar();
    const double at = bar->maximum() > 0 ? double(bar->value()) / bar->maximum() : 0.0;
    const QString html = pageHtml();
    renderedWidth_ = view_->viewport()->width();
    // Room for the scroll bar that a long page brings.
    view_->setHtml(withPictures(html, renderedWidth_ - style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
    if (keepPlace)
        bar->setValue(int(at * bar->maximum()));
    else if (page().kind == Page::Topic && !page().topic.anchor.isEmpty())
        view_->scrollToAnchor(page().topic.anchor);
    const QString product = QString::fromStdString(texts::CaptionTexts[0]);
    const QString title = titleOf(html);
    // The product's name last: the desktop shows the application's name after a title that does
    // not end with it, which would show it twice.
    setWindowTitle(title.isEmpty() ? product : title + QStringLiteral(" - ") + product);
    contents_->setToolTip(QString::fromStdString(texts::MenuTexts[15]).remove(QLatin1Char('&')).trimmed());
    back_->setEnabled(canGoBack());
    forward_->setEnabled(canGoForward());
}

void HelpWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // Pictures follow the page's width: the page is laid out anew where it kept its place.
    if (std::abs(view_->viewport()->width() - renderedWidth_) > 8)
        render(true);
}

HelpWindow* window() { return g_window.data(); }

QString helpFileName() { return QString::fromStdString(texts::CaptionTexts[0]) + QStringLiteral(".hlp"); }

void showTopic(int context, QWidget* parent)
{
    report(context);
    open(topicPage(resolve(context)), parent);
}

void showTopic(int context, const WindowInfo& window, QWidget* parent)
{
    report(context);
    open(topicPage(resolve(context, &window)), parent);
}

void showContents(QWidget* parent)
{
    platform::report(QStringLiteral("{\"event\":\"help\",\"file\":%1,\"contents\":true}")
                         .arg(platform::jsonString(helpFileName())));
    open(HelpWindow::Page{}, parent);
}

}  // namespace orb::help
