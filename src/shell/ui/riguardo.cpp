// The information window: title, subject, credits, the note about the program and a contact link.
#include "shell/ui/riguardo.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <QToolButton>

#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/glyphs.h"
#include "shell/ui/platform.h"

namespace orb {

namespace {
// The contact link opens a new message in the user's mail program; its recipient is left for the
// user to fill in.
const QString kContactLink = QStringLiteral("mailto:?subject=Orbicola");

QLabel* whiteLabel(QWidget* parent, const QString& text, int pixelSize = 0)
{
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    if (pixelSize > 0)
        f.setPixelSize(pixelSize);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
    l->adjustSize();
    return l;
}
// The note's font: a bold, narrow sans-serif at 11 px (8 points on a 96-dpi screen), or smaller
// where the system's face is too wide, so that the widest line of the note in every built-in
// language fits the memo without wrapping. Longer lines of a language file still wrap.
QFont noteFont(const QPlainTextEdit* memo)
{
    QFont font = memo->font();
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow")});
    font.setStyleHint(QFont::SansSerif);
    font.setStretch(QFont::Condensed);
    font.setBold(true);
    const int frame = 2 * memo->frameWidth();
    const int scrollBar = memo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, memo);
    const int margin = 2 * static_cast<int>(std::ceil(memo->document()->documentMargin()));
    const int room = memo->width() - frame - scrollBar - margin;
    for (int pixels = 11; pixels > 8; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (int slot = 0; slot < texts::kSlots; ++slot)
            if (slot != 4)
                for (int i = 0; i < texts::InfoTexts.rows(); ++i)
                    widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(
                                                  texts::InfoTexts.text(i, slot))));
        if (widest <= room)
            break;
    }
    return font;
}

}  // namespace

Tinfo::Tinfo(QWidget* owner) : QDialog(owner), owner_(owner)
{
    setObjectName(QStringLiteral("info"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(413, 305);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(128, 128, 0));
    setPalette(p);

    auto* Panel1 = new QFrame(this);
    Panel1->setGeometry(17, 8, 385, 121);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    QPalette blue = Panel1->palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 255));
    Panel1->setPalette(blue);

    auto* Image1 = new QLabel(Panel1);
    Image1->setPixmap(QIcon(QStringLiteral(":/pictures/orbicola.png")).pixmap(32, 32));
    Image1->setGeometry(16, 8, 32, 32);
    auto* SpeedButton1 = new QToolButton(Panel1);
    SpeedButton1->setIcon(glyph(30));
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setEnabled(false);
    SpeedButton1->resize(25, 25);
    SpeedButton1->move(Panel1->width() - static_cast<int>(std::nearbyint(2.5 * SpeedButton1->width())), 8);

    ProductName = whiteLabel(Panel1, QString::fromStdString(texts::CaptionTexts[32]), 16);
    Version = whiteLabel(Panel1, QStringLiteral("The Orbicola developers"));
    Label2 = whiteLabel(Panel1, QString::fromStdString(texts::CaptionTexts[33]));
    Label3 = whiteLabel(Panel1, QString::fromStdString(texts::CaptionTexts[38]));
    auto centre = [Panel1](QLabel* l, int top) { l->move((Panel1->width() - l->width()) / 2, top); };
    centre(ProductName, 12);
    centre(Version, 40);
    centre(Label2, 64);
    centre(Label3, Panel1->height() - Label3->height() - 10);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setGeometry(16, 128, 385, 105);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setFont(noteFont(Memo1));
    QPalette memoPalette = Memo1->palette();
    memoPalette.setColor(QPalette::Base, QColor(200, 200, 200));
    memoPalette.setColor(QPalette::Text, Qt::black);
    Memo1->setPalette(memoPalette);
    QStringList lines;
    if (globals::LanguageIndex == 4) {
        // A custom language shows the first 83 lines of its own file.
        for (std::size_t i = 0; i < 83 && i < globals::LanguageStrings.size(); ++i)
            lines << QString::fromStdString(globals::LanguageStrings[i]);
    } else {
        for (int i = 0; i < 83; ++i)
            lines << QString::fromStdString(texts::InfoTexts[i]);
    }
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));

    auto* Panel2 = new QFrame(this);
    Panel2->setGeometry(16, 232, 385, 24);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label1 = new QLabel(QStringLiteral("\u2709 e-mail"), Panel2);
    QPalette link = Label1->palette();
    link.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label1->setPalette(link);
    QFont linkFont = Label1->font();
    linkFont.setBold(true);
    Label1->setFont(linkFont);
    Label1->adjustSize();
    Label1->move((Panel2->width() - Label1->width()) / 2, (Panel2->height() - Label1->height()) / 2);
    Label1->setCursor(Qt::PointingHandCursor);
    for (QWidget* w : std::initializer_list<QWidget*>{this, Panel1, Memo1->viewport(), Panel2, Label1}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setCursor(Qt::PointingHandCursor);
    ok->setGeometry(168, 266, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

QStringList Tinfo::texts() const
{
    return {ProductName->text(), Version->text(), Label2->text(), Label3->text(), Label1->text()};
}

QStringList Tinfo::noteLines() const { return Memo1->toPlainText().split(QLatin1Char('\n')); }

void Tinfo::mousePressEvent(QMouseEvent* event)
{
    platform::beep();
    QDialog::mousePressEvent(event);
}

bool Tinfo::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Label1) {
            linkClicked();
            return true;
        }
        platform::beep();
    } else if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        // The link underlines itself while the pointer is on it.
        QFont f = Label1->font();
        f.setBold(true);
        f.setUnderline(watched == Label1);
        Label1->setFont(f);
    }
    return QDialog::eventFilter(watched, event);
}

void Tinfo::linkClicked()
{
    accept();
    platform::openLink(kContactLink);
    if (owner_ && !platform::scripted())
        owner_->showMinimized();
}

void Tinfo::showInfo(QWidget* owner)
{
    Tinfo dialog(owner);
    if (platform::scripted()) {
        QStringList quoted;
        for (const QString& t : dialog.texts())
            quoted << platform::jsonString(t);
        QStringList note;
        for (const QString& t : dialog.noteLines())
            note << platform::jsonString(t);
        platform::report(QStringLiteral("{\"event\":\"window\",\"class\":\"Tinfo\",\"texts\":[%1],\"note\":[%2]}")
                             .arg(quoted.join(QLatin1Char(',')), note.join(QLatin1Char(','))));
        return;
    }
    dialog.exec();
}

}  // namespace orb
