#pragma once

#include "APIError.h"

#include <utility>
#include <variant>

// A value or the APIError that prevented it. Failures travel as values: nothing throws across the event loop.
template <typename T>
class ServiceResult {
public:
    ServiceResult(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    ServiceResult(APIError error) : m_state(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<0>(m_state); }
    T& value() & { return std::get<0>(m_state); }
    T&& value() && { return std::get<0>(std::move(m_state)); }
    const APIError& error() const { return std::get<1>(m_state); }

private:
    std::variant<T, APIError> m_state;
};
