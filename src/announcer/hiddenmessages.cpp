#include "hiddenmessages.h"

void HiddenMessages::hide(const QString& file, const QVariant& rowKey) { m_hidden.insert(key(file, rowKey)); }

bool HiddenMessages::isHidden(const QString& file, const QVariant& rowKey) const {
    return m_hidden.contains(key(file, rowKey));
}

// Joined with a character that cannot occur in a path.
QString HiddenMessages::key(const QString& file, const QVariant& rowKey) {
    return file + QChar(0) + QString::fromLatin1(rowKey.toByteArray().toHex());
}
