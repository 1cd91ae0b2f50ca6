#include "kelvaneerror.h"

#include <cstring>
#include <new>

namespace store {

KelvaneError::KelvaneError(ErrorNumber number, const QString& description)
    : std::runtime_error(description.toStdString())
    , m_number(static_cast<int>(number))
    , m_description(description) {}

KelvaneError errorFrom(const std::exception& caught) {
    if (const auto* error = dynamic_cast<const KelvaneError*>(&caught))
        return *error;
    if (dynamic_cast<const std::bad_alloc*>(&caught))
        return KelvaneError(ErrorNumber::OutOfMemory, QStringLiteral("Out of memory"));
    return KelvaneError(ErrorNumber::DatabaseOperationFailed,
                        QString::fromLocal8Bit(caught.what()));
}

QString systemErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

} // namespace store
