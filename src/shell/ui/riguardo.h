// The information window: title, subject, credits, the note about the program and a contact link.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace orb {

class Tinfo : public QDialog {
    Q_OBJECT
public:
    explicit Tinfo(QWidget* owner);
    QStringList texts() const;       // the labels
    QStringList noteLines() const;   // the memo's lines
    QPlainTextEdit* memo() const { return Memo1; }
    // Shows the window modally (under the driver: reports it and answers OK).
    static void showInfo(QWidget* owner);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void linkClicked();
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label1;
    QPlainTextEdit* Memo1;
    QWidget* owner_;
};

}  // namespace orb
