#include "kelvaneerror.h"

namespace store {

KelvaneError::KelvaneError(ErrorNumber number, const QString& description)
    : std::runtime_error(description.toStdString())
    , m_number(static_cast<int>(number))
    , m_description(description) {}

} // namespace store
