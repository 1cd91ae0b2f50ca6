#pragma once

#include <QSet>
#include <QString>

#include "store/rowkey.h"

#include <utility>

namespace desk {

// Messages dismissed from a file that this computer can only read: they
// stay in the file but are kept off the list for the rest of the run. A
// message is known by its file and its row's key, which for such a file is
// made of the row's values (Sequence and text), so a new message that
// reuses a dismissed Sequence still shows.
class HiddenMessages {
public:
    void hide(const QString& file, const store::RowKey& rowKey);
    // Undo of a dismissal: the message is listed again.
    void unhide(const QString& file, const store::RowKey& rowKey) {
        m_hidden.remove(key(file, rowKey));
    }
    [[nodiscard]] bool isHidden(const QString& file, const store::RowKey& rowKey) const;
    [[nodiscard]] bool isEmpty() const { return m_hidden.isEmpty(); }
    // True only the first time it is asked in a run: the announcer is told
    // once why dismissed messages are only hidden.
    bool tellOnce() { return !std::exchange(m_told, true); }

private:
    static QString key(const QString& file, const store::RowKey& rowKey);

    QSet<QString> m_hidden;
    bool m_told = false;
};

} // namespace desk
