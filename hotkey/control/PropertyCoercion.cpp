#include "hotkey/control/PropertyCoercion.h"

#include <cmath>
#include <limits>

namespace quorvex::hotkey {

namespace {

const QString kTypeMismatch = QStringLiteral("Type mismatch");
const QString kOverflow = QStringLiteral("Overflow");

Coerced<std::int32_t> fromDouble(double number)
{
    if (!std::isfinite(number))
        return {std::nullopt, kOverflow};
    const double rounded = std::nearbyint(number); // default mode: half to even
    if (rounded < std::numeric_limits<std::int32_t>::min()
        || rounded > std::numeric_limits<std::int32_t>::max())
        return {std::nullopt, kOverflow};
    return {static_cast<std::int32_t>(rounded), {}};
}

std::optional<double> parseNumber(const QString& text)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

} // namespace

Coerced<std::int32_t> coerceToInt32(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return {value.toBool() ? -1 : 0, {}};
    case QMetaType::Int:
        return {value.toInt(), {}};
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return {static_cast<std::int32_t>(value.toInt()), {}};
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        bool ok = false;
        const qlonglong wide = value.toLongLong(&ok);
        if (!ok || wide < std::numeric_limits<std::int32_t>::min()
            || wide > std::numeric_limits<std::int32_t>::max())
            return {std::nullopt, kOverflow};
        return {static_cast<std::int32_t>(wide), {}};
    }
    case QMetaType::Float:
    case QMetaType::Double:
        return fromDouble(value.toDouble());
    case QMetaType::QString: {
        const auto number = parseNumber(value.toString());
        if (!number)
            return {std::nullopt, kTypeMismatch};
        return fromDouble(*number);
    }
    default:
        return {std::nullopt, kTypeMismatch};
    }
}

Coerced<bool> coerceToBool(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return {value.toBool(), {}};
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return {true, {}};
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return {false, {}};
        const auto number = parseNumber(text);
        if (!number)
            return {std::nullopt, kTypeMismatch};
        return {*number != 0.0, {}};
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !value.isValid())
        return {std::nullopt, kTypeMismatch};
    return {number != 0.0, {}};
}

} // namespace quorvex::hotkey
