// A one-dimensional table with fixed bounds, read and written by index as the element
// tables are: Table(i). An index outside the bounds is a run-time error that stops the
// program; it never reads or writes outside the table.
#pragma once

#include <array>
#include <cstdint>

#include "forms/runtime_error.h"

template <typename T, int Lower, int Upper>
class FixedTable {
    static_assert(Lower <= Upper);

public:
    // name: the table's name, used in the message of an out-of-bounds error.
    explicit constexpr FixedTable(const char* name) : name_(name) {}

    // Precondition: Lower <= index <= Upper; otherwise the program stops with a message.
    T& operator()(int index) { return cells_[offset(index)]; }
    const T& operator()(int index) const { return cells_[offset(index)]; }

private:
    std::size_t offset(int index) const {
        if (index < Lower || index > Upper) {
            forms::RaiseRuntimeError(forms::RuntimeErrorNumber::SubscriptOutOfRange,
                                     QStringLiteral("%1(%2)").arg(QLatin1String(name_)).arg(index));
        }
        return static_cast<std::size_t>(index - Lower);
    }

    const char* name_;
    std::array<T, Upper - Lower + 1> cells_{};
};
