#include "kelvaneerror.h"

#include <cstring>

namespace store {

KelvaneError::KelvaneError(ErrorNumber number, const QString& description)
    : std::runtime_error(description.toStdString())
    , m_number(static_cast<int>(number))
    , m_description(description) {}

QString systemErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

} // namespace store
