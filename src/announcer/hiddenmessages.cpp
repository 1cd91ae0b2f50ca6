#include "hiddenmessages.h"

void HiddenMessages::hide(const QString& file, const QVariant& sequence, const QString& message) {
    m_hidden.insert(key(file, sequence, message));
}

bool HiddenMessages::isHidden(const QString& file, const QVariant& sequence, const QString& message) const {
    return m_hidden.contains(key(file, sequence, message));
}

// A null Sequence and the Sequence 0 are different messages; the parts are
// joined with a character that cannot occur in a path or a number.
QString HiddenMessages::key(const QString& file, const QVariant& sequence, const QString& message) {
    const QString number = sequence.isNull() ? QStringLiteral("null") : sequence.toString();
    return file + QChar(0) + number + QChar(0) + message;
}
