// The scripted driver: runs the real windows headless on the virtual clock.
#include "shell/ui/driver.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSlider>
#include <QWidget>

#include "shell/globals.h"
#include "shell/random.h"
#include "shell/texts.h"
#include "shell/ui/help_topics.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/platform.h"
#include "shell/ui/simwindow.h"
#include "shell/window_table.h"

namespace orb {

namespace {
QString jsonBool(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }

QSize parseSize(const QString& s, bool* ok)
{
    const QStringList parts = s.split(QLatin1Char('x'));
    bool a = false;
    bool b = false;
    QSize size;
    if (parts.size() == 2)
        size = QSize(parts[0].toInt(&a), parts[1].toInt(&b));
    *ok = a && b && size.width() > 0 && size.height() > 0 && size.width() <= 16000 &&
          size.height() <= 16000;
    return size;
}

// Writes a picture as a binary PPM (P6).
bool writePpm(const QImage& image, const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    f.write(QStringLiteral("P6\n%1 %2\n255\n").arg(rgb.width()).arg(rgb.height()).toLatin1());
    for (int y = 0; y < rgb.height(); ++y)
        f.write(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 3);
    return f.error() == QFile::NoError;
}
}  // namespace

Driver::Driver(Options options, Sink out, Sink err)
    : options_(options), out_(std::move(out)), err_(std::move(err)), previousBackend_(timerBackend())
{
    setTimerBackend(&clock_);
    platform::setScripted(true);
    platform::setScreenSize(options_.screen);
    platform::setLocaleId(options_.locale);
    platform::setReportSink(out_);
    if (options_.seed)
        seedRandom(*options_.seed);
}

Driver::~Driver()
{
    main_.reset();   // the windows and their timers go before the clock they run on
    platform::setReportSink({});
    setTimerBackend(previousBackend_);
}

QString Driver::usage()
{
    return QStringLiteral(
        "usage: orbicola-shot [--size WxH] [--screen WxH] [--zoom S] [--seed N] [--locale HEX] ACTION...\n"
        "  --size WxH    client size of a window opened without the main window (default 1916x1000)\n"
        "  --screen WxH  screen size the program sees (default 1920x1080)\n"
        "  --zoom S      picture size of the windows opened in this run: 1, 1.5, 2, 3 or auto (a window\n"
        "                of client WxH then draws a picture of W/S x H/S and shows it enlarged)\n"
        "  --seed N      seed of the program's random numbers\n"
        "  --locale HEX  the user's locale identifier the program sees, e.g. 0407\n"
        "actions, in order:\n"
        "  start            create the main window and run its start-up sequence to the frame state\n"
        "  open CLASS       open window CLASS (e.g. Tondep) as its menu item does\n"
        "  menu ITEM        choose main-menu item ITEM (A1, D1, B3, ...) as a click would\n"
        "  activate | deactivate\n"
        "  uncover          the target window is uncovered: the system asks it to paint itself\n"
        "  advance MS       advance the virtual clock by MS ms, firing every enabled timer when due\n"
        "  tick [N]         N ticks (default 1) of the target window's animation timer\n"
        "  click NAME       click the target window's control NAME (NAME.up, NAME.down: an arrow of\n"
        "                   an up-down or a spin button)\n"
        "  set NAME VALUE   position of a track bar or up-down, index of a drop-down, text of an edit\n"
        "  key KEY          press KEY in the target window (Return, F1, Space, +, -, ., ...)\n"
        "  save FILE        the target window's picture at its own size (.png or .ppm)\n"
        "  grab FILE        the whole window as a user sees it, enlarged picture and child controls\n"
        "                   included\n"
        "                   (the main window when no window is open)\n"
        "  state            the target window's controls and timers, one JSON object per line\n"
        "  frame            the main menu's items and the frame's state, one JSON object per line\n"
        "  answer FILE      the file that the next open-file or save-file dialog returns (answer\n"
        "                   cancel: none); menu A6 saves the active window's picture through it\n"
        "  close            close the target window as its close box does\n"
        "  open-all         open every window from its menu item, one after the other, each\n"
        "                   activated once; one JSON line a window with the process's resident\n"
        "                   memory after it opened and its share, then the peak\n"
        "  quit             close the main window as its close box does\n"
        "  topic N          the help topic that context N leads to, in the current language, as one\n"
        "                   JSON line {\"context\",\"language\",\"title\",\"text\"}: language is the\n"
        "                   language slot (0 it, 1 en, 2 fr, 3 es, 4 custom, 5 de), text the whole\n"
        "                   topic as a reader sees it; 401 (two windows' F1 context) leads to the\n"
        "                   Doppler simulation's topic, the first window of the table that has it\n");
}

int Driver::main(const QStringList& args, Sink out, Sink err)
{
    Options options;
    QStringList rest = args;
    while (!rest.isEmpty() && rest.first().startsWith(QLatin1String("--"))) {
        const QString opt = rest.takeFirst();
        if (opt == QLatin1String("--help")) {
            out(usage());
            return 0;
        }
        if (rest.isEmpty()) {
            err(QStringLiteral("orbicola-shot: %1 needs a value").arg(opt));
            return 2;
        }
        const QString value = rest.takeFirst();
        bool ok = false;
        if (opt == QLatin1String("--size")) {
            options.size = parseSize(value, &ok);
        } else if (opt == QLatin1String("--screen")) {
            options.screen = parseSize(value, &ok);
        } else if (opt == QLatin1String("--zoom")) {
            const std::pair<const char*, picture::Size> zooms[] = {
                {"1", picture::Size::P100}, {"1.5", picture::Size::P150}, {"2", picture::Size::P200},
                {"3", picture::Size::P300}, {"auto", picture::Size::Automatic}};
            for (const auto& [text, size] : zooms)
                if (value == QLatin1String(text)) {
                    options.zoom = size;
                    ok = true;
                }
        } else if (opt == QLatin1String("--seed")) {
            options.seed = value.toUInt(&ok);
        } else if (opt == QLatin1String("--locale")) {
            options.locale = value.toInt(&ok, 16);
            ok = ok && options.locale > 0 && options.locale <= 0xFFFF;
        } else {
            err(QStringLiteral("orbicola-shot: unknown option %1\n").arg(opt) + usage());
            return 2;
        }
        if (!ok) {
            err(QStringLiteral("orbicola-shot: bad value '%1' for %2").arg(value, opt));
            return 2;
        }
    }
    if (rest.isEmpty()) {
        err(usage());
        return 2;
    }
    Driver driver(options, out, err);
    return driver.run(rest);
}

int Driver::run(const QStringList& actions)
{
    QStringList rest = actions;
    try {
        while (!rest.isEmpty()) {
            const QString verb = rest.takeFirst();
            action(verb, rest);
        }
    } catch (const Failure& f) {
        err_(QStringLiteral("orbicola-shot: ") + f.message);
        return 2;
    }
    return 0;
}

QString Driver::take(QStringList& rest, const QString& what)
{
    if (rest.isEmpty())
        throw Failure{QStringLiteral("missing %1").arg(what)};
    return rest.takeFirst();
}

SimWindow* Driver::target() const
{
    if (!main_ || targetFlag_ < 0)
        return nullptr;
    return main_->form(targetFlag_);
}

SimWindow& Driver::requireTarget()
{
    SimWindow* w = target();
    if (!w)
        throw Failure{QStringLiteral("no window is open to act on")};
    return *w;
}

void Driver::ensureMain(bool alone)
{
    if (!main_) {
        main_ = std::make_unique<TOrbicola>();
        main_->formCreate();
        if (options_.zoom)
            main_->setPictureSizeForRun(*options_.zoom);
        main_->show();
    }
    if (alone && !main_->inFrameState())
        main_->enterFrameAlone(options_.size);
}

void Driver::action(const QString& verb, QStringList& rest)
{
    if (verb == QLatin1String("start")) {
        if (main_)
            throw Failure{QStringLiteral("start: the main window already exists")};
        ensureMain(false);
        // The start-up sequence runs on the main window's timers: 66 ticks of 10 ms.
        for (int i = 0; i < 1000 && !main_->inFrameState(); ++i)
            clock_.advance(10);
        return;
    }
    if (verb == QLatin1String("open") || verb == QLatin1String("menu")) {
        const QString name = take(rest, verb == QLatin1String("open") ? QStringLiteral("window class")
                                                                        : QStringLiteral("menu item"));
        const WindowInfo* info = verb == QLatin1String("open") ? findWindowByClass(name.toStdString())
                                                                : findWindowByMenu(name.toStdString());
        if (verb == QLatin1String("open") && !info)
            throw Failure{QStringLiteral("unknown window %1").arg(name)};
        ensureMain(true);
        if (verb == QLatin1String("menu")) {
            const MenuItem* item = main_->menuItem(name);
            if (!item || item->action->menu())
                throw Failure{QStringLiteral("unknown menu item %1").arg(name)};
            if (!item->action->isEnabled() || !item->action->isVisible())
                throw Failure{QStringLiteral("menu item %1 is not enabled").arg(name)};
            item->action->trigger();
            if (info)
                targetFlag_ = info->flag;
            return;
        }
        if (!main_->openWindow(*info))
            throw Failure{QStringLiteral("window %1 is not available yet").arg(name)};
        targetFlag_ = info->flag;
        return;
    }
    if (verb == QLatin1String("open-all")) {
        openAll();
        return;
    }
    if (verb == QLatin1String("activate")) {
        main_->activateWindow(&requireTarget());
        return;
    }
    if (verb == QLatin1String("uncover")) {
        requireTarget().repaintWindow();
        return;
    }
    if (verb == QLatin1String("deactivate")) {
        requireTarget();
        main_->activateWindow(nullptr);
        return;
    }
    if (verb == QLatin1String("advance")) {
        bool ok = false;
        const QString value = take(rest, QStringLiteral("milliseconds"));
        const qint64 ms = value.toLongLong(&ok);
        if (!ok || ms < 0 || ms > 24LL * 3600 * 1000)
            throw Failure{QStringLiteral("bad milliseconds '%1'").arg(value)};
        clock_.advance(ms);
        return;
    }
    if (verb == QLatin1String("tick")) {
        int n = 1;
        if (!rest.isEmpty()) {
            bool ok = false;
            const int v = rest.first().toInt(&ok);
            if (ok) {
                if (v < 0 || v > 10000000)
                    throw Failure{QStringLiteral("bad tick count %1").arg(rest.first())};
                n = v;
                rest.removeFirst();
            }
        }
        SimWindow& w = requireTarget();
        for (int i = 0; i < n; ++i) {
            Timer* t = w.animationTimer();
            if (!t || !t->enabled()) {
                err_(QStringLiteral("orbicola-shot: tick: the animation timer of %1 is disabled")
                         .arg(QString::fromUtf8(w.info().className.data(), int(w.info().className.size()))));
                break;
            }
            t->fire();
            if (!target())
                break;
        }
        return;
    }
    if (verb == QLatin1String("click")) {
        const QString name = take(rest, QStringLiteral("control name"));
        SimWindow& w = requireTarget();
        if (!w.clickTarget(name))
            throw Failure{QStringLiteral("unknown control %1").arg(name)};
        if (!w.click(name))
            throw Failure{QStringLiteral("control %1 cannot be clicked (disabled or not a button)").arg(name)};
        return;
    }
    if (verb == QLatin1String("set")) {
        const QString name = take(rest, QStringLiteral("control name"));
        const QString value = take(rest, QStringLiteral("value"));
        SimWindow& w = requireTarget();
        if (!w.control(name))
            throw Failure{QStringLiteral("unknown control %1").arg(name)};
        if (!w.setValue(name, value))
            throw Failure{QStringLiteral("bad value '%1' for %2").arg(value, name)};
        return;
    }
    if (verb == QLatin1String("key")) {
        const QString name = take(rest, QStringLiteral("key"));
        // "+" separates the keys of a sequence, so the single keys are named here.
        if (name == QLatin1String("+") || name == QLatin1String("-") || name == QLatin1String(".")) {
            requireTarget().pressKey(name == QLatin1String("+")   ? Qt::Key_Plus
                                     : name == QLatin1String("-") ? Qt::Key_Minus
                                                                  : Qt::Key_Period);
            return;
        }
        const QKeySequence seq = QKeySequence::fromString(name == QLatin1String("Return")
                                                              ? QStringLiteral("Return") : name);
        if (seq.isEmpty() || seq.count() != 1)
            throw Failure{QStringLiteral("unknown key %1").arg(name)};
        requireTarget().pressKey(seq[0].key());
        return;
    }
    if (verb == QLatin1String("save") || verb == QLatin1String("grab")) {
        save(take(rest, QStringLiteral("file name")), verb == QLatin1String("grab"));
        return;
    }
    if (verb == QLatin1String("answer")) {
        const QString value = take(rest, QStringLiteral("file name or cancel"));
        if (value == QLatin1String("cancel"))
            platform::setNextFileAnswer(std::nullopt);
        else
            platform::setNextFileAnswer(value);
        return;
    }
    if (verb == QLatin1String("state")) {
        printState();
        return;
    }
    if (verb == QLatin1String("frame")) {
        ensureMain(true);
        printFrame();
        return;
    }
    if (verb == QLatin1String("close")) {
        main_->closeWindow(&requireTarget());
        return;
    }
    if (verb == QLatin1String("topic")) {
        const QString value = take(rest, QStringLiteral("context number"));
        bool ok = false;
        const int context = value.toInt(&ok);
        const std::optional<help::TopicRef> ref = ok ? help::resolve(context) : std::nullopt;
        if (!ref)
            throw Failure{QStringLiteral("topic: no help topic has context %1").arg(value)};
        ensureMain(true);   // the language is the program's own: configuration, locale, menu
        const int slot = globals::LanguageIndex;
        const QString html = help::topicHtml(ref->name, slot);
        if (html.isEmpty())
            throw Failure{QStringLiteral("topic: the topic %1 of context %2 is missing in language %3")
                              .arg(ref->name, value, help::languageFolder(slot))};
        out_(QStringLiteral("{\"context\":%1,\"language\":%2,\"title\":%3,\"text\":%4}")
                 .arg(context)
                 .arg(slot)
                 .arg(platform::jsonString(help::titleOf(html)), platform::jsonString(help::plainText(html))));
        return;
    }
    if (verb == QLatin1String("quit")) {
        if (main_)
            main_->close();
        return;
    }
    throw Failure{QStringLiteral("unknown action %1").arg(verb)};
}

void Driver::save(const QString& file, bool whole)
{
    QImage image;
    if (whole && !target() && main_) {
        // With no window open, the main window itself.
        image = main_->grab().toImage();
    } else if (whole) {
        image = requireTarget().grabShown();
    } else {
        image = requireTarget().picture();
    }
    bool ok = false;
    if (file.endsWith(QLatin1String(".ppm"), Qt::CaseInsensitive))
        ok = writePpm(image, file);
    else if (file.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        ok = image.save(file, "PNG");
    else
        throw Failure{QStringLiteral("save: %1 is neither .png nor .ppm").arg(file)};
    if (!ok)
        throw Failure{QStringLiteral("cannot write %1").arg(file)};
}

void Driver::openAll()
{
    ensureMain(true);
    const auto mib = [](std::size_t bytes) { return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1); };
    std::size_t before = platform::residentBytes();
    out_(QStringLiteral("{\"start\":true,\"rss\":%1}").arg(mib(before)));
    for (const WindowInfo& info : windowTable()) {
        const MenuItem* item = main_->menuItem(QString::fromUtf8(info.menuItem.data(), int(info.menuItem.size())));
        if (!item || !item->action->isEnabled())
            continue;
        item->action->trigger();
        if (!main_->form(info.flag))
            throw Failure{QStringLiteral("open-all: %1 did not open")
                              .arg(QString::fromUtf8(info.className.data(), int(info.className.size())))};
        targetFlag_ = info.flag;
        const std::size_t now = platform::residentBytes();
        out_(QStringLiteral("{\"window\":%1,\"rss\":%2,\"share\":%3,\"bitmaps\":%4}")
                 .arg(platform::jsonString(QString::fromUtf8(info.className.data(), int(info.className.size()))),
                      mib(now), mib(now > before ? now - before : 0), mib(main_->form(info.flag)->bitmapBytes())));
        before = now;
    }
    // What each window holds with all of them open (the inactive ones packed).
    for (SimWindow* w : main_->openWindows())
        out_(QStringLiteral("{\"held\":%1,\"bitmaps\":%2}")
                 .arg(platform::jsonString(QString::fromUtf8(w->info().className.data(), int(w->info().className.size()))),
                      mib(w->bitmapBytes())));
    out_(QStringLiteral("{\"open\":%1,\"peakRss\":%2}")
             .arg(main_->openWindows().size())
             .arg(mib(platform::peakResidentBytes())));
}

void Driver::printState()
{
    SimWindow& w = requireTarget();
    for (const auto& c : w.controls()) {
        const int position = w.controlPosition(*c);
        const QString textValue = w.controlText(*c);
        const std::string full = c->hint.toStdString();
        // A bevel's place in client coordinates, whatever panel holds it.
        QString geometry;
        if (c->kind == ControlKind::Bevel) {
            const QPoint at = c->widget->mapTo(&w, QPoint(0, 0));
            geometry = QStringLiteral(",\"left\":%1,\"top\":%2,\"width\":%3,\"height\":%4")
                           .arg(at.x())
                           .arg(at.y())
                           .arg(c->widget->width())
                           .arg(c->widget->height());
        }
        out_(QStringLiteral("{\"control\":%1,\"kind\":\"%2\",\"enabled\":%3,\"visible\":%4,"
                            "\"down\":%5,\"position\":%6,\"text\":%7,\"hint\":%8%9}")
                 .arg(platform::jsonString(c->name), QLatin1String(controlKindName(c->kind)),
                      jsonBool(c->widget->isEnabled()), jsonBool(c->widget->isVisibleTo(&w)),
                      jsonBool(c->down))
                 .arg(position)
                 .arg(platform::jsonString(textValue),
                      platform::jsonString(QString::fromStdString(std::string(texts::shortHint(full)))),
                      geometry));
    }
    for (const auto& t : w.timers())
        out_(QStringLiteral("{\"timer\":%1,\"enabled\":%2,\"interval\":%3}")
                 .arg(platform::jsonString(QString::fromStdString(t->name())), jsonBool(t->enabled()))
                 .arg(t->interval()));
}

void Driver::printFrame()
{
    for (const MenuItem& item : main_->menuItems()) {
        QAction* a = item.action;
        out_(QStringLiteral("{\"item\":%1,\"caption\":%2,\"enabled\":%3,\"visible\":%4,\"checked\":%5}")
                 .arg(platform::jsonString(item.name), platform::jsonString(a->text()),
                      jsonBool(a->isEnabled()), jsonBool(a->isVisible()), jsonBool(a->isChecked())));
    }
    QStringList windows;
    for (SimWindow* w : main_->openWindows())
        windows << platform::jsonString(QString::fromUtf8(w->info().className.data(), int(w->info().className.size())));
    QStringList closed;
    for (bool c : globals::WindowClosedFlags)
        closed << jsonBool(c);
    SimWindow* active = main_->activeWindow();
    out_(QStringLiteral("{\"windows\":[%1],\"active\":%2,\"closed\":[%3],\"startPicture\":%4,"
                        "\"clock\":%5,\"language\":%6,\"showHints\":%7}")
             .arg(windows.join(QLatin1Char(',')),
                  active ? platform::jsonString(QString::fromUtf8(active->info().className.data(),
                                                                  int(active->info().className.size())))
                         : QStringLiteral("null"),
                  closed.join(QLatin1Char(',')), jsonBool(main_->startPictureVisible()),
                  jsonBool(main_->clockVisible()))
             .arg(int(globals::LanguageIndex))
             .arg(jsonBool(globals::ShowHints)));
}

}  // namespace orb
