// The help service: shows a topic by context number, or the contents, in the program's own viewer.
#include "shell/ui/help.h"

#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/platform.h"
#include "shell/window_table.h"

namespace orb::help {

namespace {
const char* const kLanguageFolders[] = {"it", "en", "fr", "es", "custom", "de"};

QString languageFolder()
{
    const int slot = globals::LanguageIndex < 6 ? globals::LanguageIndex : 1;
    return QString::fromLatin1(kLanguageFolders[slot]);
}

QString caption(int row)
{
    return QString::fromStdString(texts::CaptionTexts[row]).toHtmlEscaped();
}

class Viewer : public QTextBrowser {
public:
    Viewer()
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setOpenLinks(false);
        resize(640, 520);
        connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
            if (url.scheme() == QLatin1String("topic"))
                showPage(url.path().toInt());
            else if (url.scheme() == QLatin1String("contents"))
                showPage(0);
        });
    }
    void showPage(int context)
    {
        setWindowTitle(QString::fromStdString(texts::CaptionTexts[0]) + QStringLiteral(" - ") +
                       helpFileName());
        setHtml(context == 0 ? contentsHtml() : topicHtml(context));
        show();
        raise();
        activateWindow();
    }
};

QPointer<Viewer> g_viewer;

void open(int context, QWidget* parent)
{
    (void)parent;
    if (platform::scripted())
        return;
    if (!g_viewer)
        g_viewer = new Viewer;
    g_viewer->showPage(context);
}
}  // namespace

QString helpFileName() { return QString::fromStdString(texts::CaptionTexts[0]) + QStringLiteral(".hlp"); }

QString topicHtml(int context)
{
    QFile file(QStringLiteral(":/help/%1/%2.html").arg(languageFolder()).arg(context));
    if (file.open(QIODevice::ReadOnly))
        return QString::fromUtf8(file.readAll());
    // A topic without its own page names the windows that use it.
    QString html = QStringLiteral("<h2>%1</h2><ul>").arg(caption(0));
    for (const WindowInfo& w : windowTable())
        if ((w.helpContext == context || w.f1Context == context) && w.captionRow >= 0)
            html += QStringLiteral("<li>%1</li>").arg(caption(w.captionRow));
    html += QStringLiteral("</ul><p><a href=\"contents:\">&#8962;</a> &nbsp; %1</p>").arg(context);
    return html;
}

QString contentsHtml()
{
    QString html = QStringLiteral("<h2>%1</h2><ul>").arg(caption(0));
    for (const WindowInfo& w : windowTable()) {
        if (w.captionRow < 0)
            continue;
        html += QStringLiteral("<li><a href=\"topic:%1\">%2</a></li>").arg(w.helpContext).arg(caption(w.captionRow));
    }
    html += QStringLiteral("</ul>");
    return html;
}

void showTopic(int context, QWidget* parent)
{
    platform::report(QStringLiteral("{\"event\":\"help\",\"file\":%1,\"context\":%2}")
                         .arg(platform::jsonString(helpFileName()))
                         .arg(context));
    open(context, parent);
}

void showContents(QWidget* parent)
{
    platform::report(QStringLiteral("{\"event\":\"help\",\"file\":%1,\"contents\":true}")
                         .arg(platform::jsonString(helpFileName())));
    open(0, parent);
}

}  // namespace orb::help
