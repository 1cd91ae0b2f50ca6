#include "rowkey.h"

namespace store {

RowKey::RowKey(const QVariant& value)
    : m_value(value)
    , m_text(value.typeId() == QMetaType::QByteArray
                 ? QString::fromLatin1(value.toByteArray().toHex())
                 : value.toString()) {}

} // namespace store
