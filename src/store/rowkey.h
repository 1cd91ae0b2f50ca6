#pragma once

#include <QHashFunctions>
#include <QMetaType>
#include <QString>
#include <QVariant>

namespace store {

// What tells a row of a row source apart from every other row for as long
// as it exists (RecordSet::key()): its key column's value where the engine
// has one, otherwise a digest of all its values. Two keys are equal when
// their texts are, whatever type the engine handed the value out as, so
// the read-out log, the hidden messages and the arrivals agree on a row.
class RowKey {
public:
    RowKey() = default;
    explicit RowKey(const QVariant& value);

    [[nodiscard]] bool isNull() const { return m_value.isNull(); }
    // The value as the engine handed it out, to look the row up by.
    [[nodiscard]] const QVariant& value() const { return m_value; }
    // The one text form: the number, or the hex digits of a digest.
    [[nodiscard]] const QString& text() const { return m_text; }

    bool operator==(const RowKey& other) const {
        return m_text == other.m_text && isNull() == other.isNull();
    }

private:
    QVariant m_value;
    QString m_text;
};

inline size_t qHash(const RowKey& key, size_t seed = 0) {
    return qHash(key.text(), seed);
}

} // namespace store

Q_DECLARE_METATYPE(store::RowKey)
