// The thin layer between the program and the desktop.
#include "shell/ui/platform.h"

#include <QApplication>
#include <QFile>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QClipboard>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QWidget>

namespace orb::platform {

namespace {
bool g_scripted = false;
std::function<void(const QString&)> g_sink;
QSize g_screen;
int g_locale = 0;
}

bool scripted() { return g_scripted; }
void setScripted(bool s) { g_scripted = s; }
void setReportSink(std::function<void(const QString&)> sink) { g_sink = std::move(sink); }

void report(const QString& line)
{
    if (g_sink)
        g_sink(line);
}

QSize screenSize()
{
    if (g_screen.isValid())
        return g_screen;
    if (QScreen* s = QGuiApplication::primaryScreen())
        return s->size();
    return {1920, 1080};
}

void setScreenSize(QSize size) { g_screen = size; }

void movePointer(QWidget* relativeTo, int x, int y)
{
    if (g_scripted || !relativeTo)
        return;
    QCursor::setPos(relativeTo->mapToGlobal(QPoint(x, y)));
}

void setBusyCursor(bool busy)
{
    if (g_scripted)
        return;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void beep()
{
    report(QStringLiteral("{\"event\":\"beep\"}"));
    if (!g_scripted)
        QApplication::beep();
}

int localeId()
{
    if (g_locale != 0)
        return g_locale;
    return localeIdFor(QLocale::system());
}

int localeIdFor(const QLocale& locale)
{
    using L = QLocale;
    const L::Territory t = locale.territory();
    struct Entry { L::Territory territory; int id; };
    auto pick = [t](std::initializer_list<Entry> entries, int main) {
        for (const Entry& e : entries)
            if (e.territory == t)
                return e.id;
        return main;
    };
    switch (locale.language()) {
    case L::Italian:
        return pick({{L::Switzerland, 0x0810}}, 0x0410);
    case L::English:
        return pick({{L::UnitedKingdom, 0x0809}, {L::Australia, 0x0C09}, {L::Canada, 0x1009},
                     {L::NewZealand, 0x1409}, {L::Ireland, 0x1809}, {L::SouthAfrica, 0x1C09}},
                    0x0409);
    case L::French:
        return pick({{L::Belgium, 0x080C}, {L::Canada, 0x0C0C}, {L::Switzerland, 0x100C},
                     {L::Luxembourg, 0x140C}},
                    0x040C);
    case L::Spanish:
        return pick({{L::Mexico, 0x080A}, {L::Guatemala, 0x100A}, {L::CostaRica, 0x140A},
                     {L::Panama, 0x180A}, {L::DominicanRepublic, 0x1C0A}, {L::Venezuela, 0x200A},
                     {L::Colombia, 0x240A}, {L::Peru, 0x280A}, {L::Argentina, 0x2C0A},
                     {L::Ecuador, 0x300A}, {L::Chile, 0x340A}, {L::Uruguay, 0x380A},
                     {L::Paraguay, 0x3C0A}, {L::Bolivia, 0x400A}, {L::ElSalvador, 0x440A},
                     {L::Honduras, 0x480A}, {L::Nicaragua, 0x4C0A}, {L::PuertoRico, 0x500A}},
                    0x0C0A);
    case L::German:
        return pick({{L::Switzerland, 0x0807}, {L::Austria, 0x0C07}, {L::Luxembourg, 0x1007},
                     {L::Liechtenstein, 0x1407}},
                    0x0407);
    default:
        return 0;
    }
}

namespace {
std::optional<QString> g_fileAnswer;
}

std::optional<QString> openFile(QWidget* parent, const QString& filter, const QString& defaultSuffix)
{
    if (g_scripted) {
        std::optional<QString> answer = g_fileAnswer;
        g_fileAnswer.reset();
        report(QStringLiteral("{\"event\":\"openFile\",\"answer\":%1}")
                   .arg(answer ? jsonString(*answer) : QStringLiteral("null")));
        return answer;
    }
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

void setNextFileAnswer(std::optional<QString> answer) { g_fileAnswer = std::move(answer); }

std::optional<QString> saveFile(QWidget* parent, const QString& filter, const QString& suggestedName,
                                const QString& defaultSuffix)
{
    if (g_scripted) {
        std::optional<QString> answer = g_fileAnswer;
        g_fileAnswer.reset();
        report(QStringLiteral("{\"event\":\"saveFile\",\"suggested\":%1,\"answer\":%2}")
                   .arg(jsonString(suggestedName), answer ? jsonString(*answer) : QStringLiteral("null")));
        return answer;
    }
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

void warn(QWidget* parent, const QString& caption, const QStringList& lines)
{
    if (g_scripted) {
        QStringList quoted;
        for (const QString& line : lines)
            quoted << jsonString(line);
        report(QStringLiteral("{\"event\":\"window\",\"class\":\"message\",\"caption\":%1,\"texts\":[%2]}")
                   .arg(jsonString(caption), quoted.join(QLatin1Char(','))));
        return;
    }
    QMessageBox::warning(parent, caption, lines.join(QLatin1Char('\n')));
}

void copyPicture(const QImage& image)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setImage(image);
    report(QStringLiteral("{\"event\":\"clipboard\",\"width\":%1,\"height\":%2}")
               .arg(image.width())
               .arg(image.height()));
}

void openLink(const QString& url)
{
    report(QStringLiteral("{\"event\":\"link\",\"url\":%1}").arg(jsonString(url)));
    if (!g_scripted)
        QDesktopServices::openUrl(QUrl(url));
}

void setLocaleId(int id) { g_locale = id; }

QString jsonString(const QString& s)
{
    QString out = QStringLiteral("\"");
    for (QChar c : s) {
        switch (c.unicode()) {
        case '"': out += QStringLiteral("\\\""); break;
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

namespace {
// A "Vm...:  N kB" line of /proc/self/status.
std::size_t statusKiB(const char* field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    const QByteArray key = QByteArray(field) + ':';
    for (QByteArray line = f.readLine(); !line.isEmpty(); line = f.readLine())
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toULongLong();
    return 0;
}
}  // namespace

std::size_t residentBytes() { return statusKiB("VmRSS") * 1024; }
std::size_t peakResidentBytes() { return statusKiB("VmHWM") * 1024; }

}  // namespace orb::platform
