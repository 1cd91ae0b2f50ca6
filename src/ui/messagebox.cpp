#include "messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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

bool confirm(const QString& text, const QString& doIt, const QString& keep, QWidget* parent) {
    QMessageBox box(QMessageBox::NoIcon, programTitle, text, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("kelvaneQuestion"));
    const QPushButton* yes = box.addButton(doIt, QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(keep, QMessageBox::RejectRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace ui
