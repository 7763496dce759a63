#pragma once

#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>

namespace quorvex::hotkey {

// The outcome of converting a value handed to a property: the value, or the
// reason it was refused ("Type mismatch", "Overflow").
template <typename T>
struct Coerced {
    std::optional<T> value;
    QString error;
    explicit operator bool() const { return value.has_value(); }
};

// Integers pass as they are; fractions round half to even; booleans give -1
// or 0; text is trimmed and read as a decimal number. Anything else, or a
// number outside the 32-bit range, is refused.
Coerced<std::int32_t> coerceToInt32(const QVariant& value);

// Numbers are true when not 0; text may be "True"/"False" (any case) or a
// number.
Coerced<bool> coerceToBool(const QVariant& value);

} // namespace quorvex::hotkey
