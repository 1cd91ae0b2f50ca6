#include "messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {

void showMessage(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("kelvaneMessage"));
    box.exec();
}

} // namespace ui
