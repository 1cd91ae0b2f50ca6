#include "keyswindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

AccessKeys accessKeys() {
    return {QKeySequence(KeysWindow::tr("Alt+E", "the intro screen's Enter button")),
            QKeySequence(KeysWindow::tr("Alt+B", "the intro screen's Browse button")),
            QKeySequence(KeysWindow::tr("Alt+X", "the intro screen's Exit button")),
            QKeySequence(KeysWindow::tr("Alt+X", "the announcer screen's Exit button"))};
}

std::vector<std::pair<QString, QString>> deskKeys() {
    const AccessKeys keys = accessKeys();
    const auto shown = [](const QKeySequence& key) {
        return key.toString(QKeySequence::NativeText);
    };
    return {
        {KeysWindow::tr("Up, Down"), KeysWindow::tr("Move through the list and show that message")},
        {KeysWindow::tr("Enter, Space"), KeysWindow::tr("Show the message at the list's cursor")},
        {KeysWindow::tr("Delete"),
         KeysWindow::tr("Dismiss the message on display (marked in the list)")},
        {KeysWindow::tr("Ctrl+Z"), KeysWindow::tr("Undo the last dismissal (several times)")},
        {KeysWindow::tr("In the message"),
         KeysWindow::tr("Delete and Ctrl+Z edit the text once you have typed or selected there")},
        {KeysWindow::tr("Ctrl+H"), KeysWindow::tr("Read out today: the messages dismissed today")},
        {KeysWindow::tr("F5"), KeysWindow::tr("Read the list again now")},
        {KeysWindow::tr("F8"), KeysWindow::tr("Planned messages: your own, added when due")},
        {KeysWindow::tr("F9"), KeysWindow::tr("Browser station: the desk on tablets and phones")},
        {KeysWindow::tr("F7"),
         KeysWindow::tr("Hold the message on display back from the caption screen, or show it")},
        {KeysWindow::tr("F6"), KeysWindow::tr("Blank the caption screen, or bring it back")},
        {KeysWindow::tr("Ctrl+Plus, Ctrl+Minus"), KeysWindow::tr("Larger or smaller text")},
        {KeysWindow::tr("Ctrl+0"), KeysWindow::tr("Text at its usual size")},
        {KeysWindow::tr("Ctrl+B"), KeysWindow::tr("Sound on a new message: on or off")},
        {KeysWindow::tr("Tab"),
         KeysWindow::tr("Move between the message, the list and the buttons")},
        {shown(keys.screenExit), KeysWindow::tr("Exit to the intro screen")},
        {KeysWindow::tr("F1"), KeysWindow::tr("This list of keys")},
        {KeysWindow::tr("Intro screen: Enter"),
         KeysWindow::tr("Open the database named (%1 as well)").arg(shown(keys.enter))},
        {KeysWindow::tr("Intro screen: %1, %2").arg(shown(keys.browse), shown(keys.exit)),
         KeysWindow::tr("Browse, Exit")},
    };
}

KeysWindow::KeysWindow(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Keys"));
    setWindowTitle(tr("Keys \u2013 kelvane"));
    const auto keys = deskKeys();
    auto* table = new QTableWidget(static_cast<int>(keys.size()), 2, this);
    table->setObjectName(QStringLiteral("KeyList"));
    table->setHorizontalHeaderLabels({tr("Key"), tr("What it does")});
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
