#pragma once

#include "kelvaneerror.h"

#include <utility>
#include <variant>

namespace store {

// What an operation came to: its result, or the error it raised, and
// always exactly one of the two. Reading the one it does not hold throws
// std::bad_variant_access rather than reading nothing.
template <class Result> class Outcome {
public:
    explicit Outcome(Result value)
        : m_held(std::in_place_index<0>, std::move(value)) {}
    explicit Outcome(KelvaneError error)
        : m_held(std::in_place_index<1>, std::move(error)) {}

    [[nodiscard]] bool ok() const { return m_held.index() == 0; }
    [[nodiscard]] const Result& value() const { return std::get<0>(m_held); }
    [[nodiscard]] const KelvaneError& error() const { return std::get<1>(m_held); }

private:
    std::variant<Result, KelvaneError> m_held;
};

} // namespace store
