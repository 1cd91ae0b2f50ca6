#pragma once

#include <QListWidget>

// A list box whose entries each carry a key (a name or a path) beside the
// text shown, and which reports a person's choice of entry, by a click or
// by the arrow keys, but not the program's.
class ClickList : public QListWidget {
    Q_OBJECT

public:
    static constexpr int KeyRole = Qt::UserRole;

    explicit ClickList(QWidget* parent = nullptr);

    [[nodiscard]] QString key(int row) const;
    [[nodiscard]] QStringList keys() const;
    // The key of the highlighted entry, empty when none is.
    [[nodiscard]] QString currentKey() const;
    [[nodiscard]] int selectedRow() const;
    // Highlights the entry with key, if there is one. Raises no entryClicked.
    void setCurrentKey(const QString& key);

signals:
    void entryClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Replaces the entries by one per key, shown as the text beside it,
    // with nothing highlighted.
    void setEntries(const QStringList& keys, const QStringList& texts);
};
