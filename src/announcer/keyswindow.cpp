#include "keyswindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

std::vector<std::pair<QString, QString>> deskKeys() {
    return {
        {QStringLiteral("Up, Down"), QStringLiteral("Move through the list and show that message")},
        {QStringLiteral("Enter, Space"), QStringLiteral("Show the message at the list's cursor")},
        {QStringLiteral("Delete"),
         QStringLiteral("Dismiss the message on display (marked in the list)")},
        {QStringLiteral("Ctrl+Z"), QStringLiteral("Undo the last dismissal (several times)")},
        {QStringLiteral("In the message"),
         QStringLiteral("Delete and Ctrl+Z edit the text once you have typed or selected there")},
        {QStringLiteral("Ctrl+H"), QStringLiteral("Read out today: the messages dismissed today")},
        {QStringLiteral("F5"), QStringLiteral("Read the list again now")},
        {QStringLiteral("F9"), QStringLiteral("Browser station: the desk on tablets and phones")},
        {QStringLiteral("Ctrl+Plus, Ctrl+Minus"), QStringLiteral("Larger or smaller text")},
        {QStringLiteral("Ctrl+0"), QStringLiteral("Text at its usual size")},
        {QStringLiteral("Ctrl+B"), QStringLiteral("Sound on a new message: on or off")},
        {QStringLiteral("Tab"),
         QStringLiteral("Move between the message, the list and the buttons")},
        {QStringLiteral("Alt+X"), QStringLiteral("Exit to the intro screen")},
        {QStringLiteral("F1"), QStringLiteral("This list of keys")},
        {QStringLiteral("Intro screen: Enter"),
         QStringLiteral("Open the database named (Alt+E as well)")},
        {QStringLiteral("Intro screen: Alt+B, Alt+X"), QStringLiteral("Browse, Exit")},
    };
}

KeysWindow::KeysWindow(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Keys"));
    setWindowTitle(QStringLiteral("Keys \u2013 kelvane"));
    const auto keys = deskKeys();
    auto* table = new QTableWidget(static_cast<int>(keys.size()), 2, this);
    table->setObjectName(QStringLiteral("KeyList"));
    table->setHorizontalHeaderLabels({QStringLiteral("Key"), QStringLiteral("What it does")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    for (int row = 0; row < static_cast<int>(keys.size()); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(keys[row].first));
        table->setItem(row, 1, new QTableWidgetItem(keys[row].second));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setMinimumSize(table->horizontalHeader()->length() + 4,
                          table->verticalHeader()->length() + table->horizontalHeader()->height() +
                              4);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
