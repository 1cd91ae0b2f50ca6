#include "messagebox.h"

#include <QApplication>
#include <QMessageBox>

#include <memory>

namespace ui {

namespace {

QMessageBox* messageBox(const QString& text, const QString& title, QWidget* parent) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("kelvaneMessage"));
    return box;
}

} // namespace

void showMessage(const QString& text, const QString& title) {
    const std::unique_ptr<QMessageBox> box(messageBox(text, title, QApplication::activeWindow()));
    box->exec();
}

void postMessage(const QString& text, QWidget* parent) {
    QMessageBox* box = messageBox(text, programTitle, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace ui
