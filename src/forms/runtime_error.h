// Run-time errors of the platform: the program's own code traps none of them.
// A raised error ends the program with a message naming the error and where it struck.
#pragma once

#include <QString>
#include <cstdint>

namespace forms {

enum class RuntimeErrorNumber {
    Overflow = 6,            // arithmetic overflow of a 16-bit counter
    SubscriptOutOfRange = 9  // an index outside a table's or a control array's bounds
};

// Writes the message to standard error (and, on a real screen, shows it in a message box),
// then stops the program. Never returns.
[[noreturn]] void RaiseRuntimeError(RuntimeErrorNumber number, const QString& where);

// counter + step in 16-bit signed arithmetic; a result outside -32768..32767 is an overflow
// error naming the counter.
std::int16_t Add16(std::int16_t counter, int step, const char* name);

}  // namespace forms
