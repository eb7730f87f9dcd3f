// The warning window that names a language file which could not be loaded.
#include "shell/ui/avviso.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

#include "shell/language.h"
#include "shell/texts.h"
#include "shell/ui/platform.h"

namespace orb {

Tversione::Tversione(const QString& fileName, QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("versione"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QString::fromStdString(texts::CaptionTexts[0]));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(p);

    auto* image = new QLabel(this);
    image->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    image->setGeometry(0, 0, 34, 39);
    QFont bold = font();
    bold.setBold(true);
    Label1 = new QLabel(QString::fromStdString(texts::HintTexts[73]), this);
    Label2 = new QLabel(fileName, this);
    Label1->setFont(bold);
    Label2->setFont(bold);
    Label1->adjustSize();
    Label2->adjustSize();
    // A long file name widens the window rather than being cut off.
    const int width = std::max({309, Label1->width() + 24, Label2->width() + 24});
    setFixedSize(width, 134);
    Label1->move((width - Label1->width()) / 2, 40);
    Label2->move((width - Label2->width()) / 2, 64);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setCursor(Qt::PointingHandCursor);
    ok->setGeometry((width - 75) / 2, 96, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QStringList Tversione::texts() const { return {Label1->text(), Label2->text()}; }

void Tversione::mousePressEvent(QMouseEvent* event)
{
    platform::beep();
    QDialog::mousePressEvent(event);
}

void Tversione::warn(const QString& path, QWidget* owner)
{
    Tversione dialog(QString::fromStdString(language::fileNamePart(path.toStdString())), owner);
    if (platform::scripted()) {
        QStringList quoted;
        for (const QString& t : dialog.texts())
            quoted << platform::jsonString(t);
        platform::report(QStringLiteral("{\"event\":\"window\",\"class\":\"Tversione\",\"caption\":%1,\"texts\":[%2]}")
                             .arg(platform::jsonString(dialog.windowTitle()), quoted.join(QLatin1Char(','))));
        return;
    }
    dialog.exec();
}

}  // namespace orb
