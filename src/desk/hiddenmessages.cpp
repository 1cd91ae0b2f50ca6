#include "hiddenmessages.h"

namespace desk {

void HiddenMessages::hide(const QString& file, const store::RowKey& rowKey) {
    m_hidden.insert(key(file, rowKey));
}

bool HiddenMessages::isHidden(const QString& file, const store::RowKey& rowKey) const {
    return m_hidden.contains(key(file, rowKey));
}

// Joined with a character that cannot occur in a path.
QString HiddenMessages::key(const QString& file, const store::RowKey& rowKey) {
    return file + QChar(0) + rowKey.text();
}

} // namespace desk
