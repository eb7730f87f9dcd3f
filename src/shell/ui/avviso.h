// The warning window that names a language file which could not be loaded.
#pragma once

#include <QDialog>

class QLabel;

namespace orb {

class Tversione : public QDialog {
    Q_OBJECT
public:
    Tversione(const QString& fileName, QWidget* owner);
    QStringList texts() const;
    // Shows the warning modally (under the driver: reports it and answers OK).
    static void warn(const QString& path, QWidget* owner);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* Label1;
    QLabel* Label2;
};

}  // namespace orb
