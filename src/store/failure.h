#pragma once

#include <QString>

#include <optional>

namespace store {

// Why an operation failed or was refused, in words for the person; or
// none, when it did what it was asked. Returned where the reason is the
// only news, so the compiler warns of every call that drops it: a dropped
// reason is a failure reported as success. Reading the reason of none
// throws std::bad_optional_access.
class [[nodiscard]] Failure {
public:
    // None: the operation did what it was asked.
    Failure() = default;
    explicit Failure(QString reason)
        : m_reason(std::move(reason)) {}

    explicit operator bool() const { return m_reason.has_value(); }
    [[nodiscard]] const QString& reason() const { return m_reason.value(); }

private:
    std::optional<QString> m_reason;
};

} // namespace store
