#include "clicklist.h"

#include <QSignalBlocker>

ClickList::ClickList(QWidget* parent)
    : QListWidget(parent) {
    connect(this, &QAbstractItemView::clicked, this, &ClickList::entryClicked);
}

QString ClickList::key(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(KeyRole).toString() : QString();
}

QStringList ClickList::keys() const {
    QStringList result;
    result.reserve(count());
    for (int row = 0; row < count(); ++row)
        result.append(key(row));
    return result;
}

QString ClickList::currentKey() const {
    return key(selectedRow());
}

// The focus alone can make an entry current without highlighting it, so
// the highlight is the selection, not the current row.
int ClickList::selectedRow() const {
    const QModelIndexList selected = selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ClickList::setCurrentKey(const QString& wanted) {
    for (int row = 0; row < count(); ++row) {
        if (key(row) == wanted) {
            const QSignalBlocker quiet(this);
            setCurrentRow(row);
            return;
        }
    }
}

void ClickList::keyPressEvent(QKeyEvent* event) {
    const int before = selectedRow();
    QListWidget::keyPressEvent(event);
    if (selectedRow() != before && selectedRow() >= 0)
        emit entryClicked();
}

void ClickList::setEntries(const QStringList& keys, const QStringList& texts) {
    setUpdatesEnabled(false);
    clear();
    addItems(texts);
    for (int row = 0; row < count(); ++row)
        item(row)->setData(KeyRole, keys[row]);
    setUpdatesEnabled(true);
}
