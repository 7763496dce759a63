#include "hotkey/pages/DispatchPropertyTarget.h"

#include "platform/component/Container.h"

namespace quorvex::hotkey {

using namespace quorvex::platform::component;

namespace {

QVariant toQVariant(const Variant& value)
{
    switch (value.type()) {
    case VarType::Int16: return QVariant(static_cast<int>(value.asInt16()));
    case VarType::Int32: return QVariant(static_cast<int>(value.asInt32()));
    case VarType::UInt32: return QVariant(static_cast<uint>(value.asUInt32()));
    case VarType::Double: return QVariant(value.asDouble());
    case VarType::Bool: return QVariant(value.asBool());
    case VarType::String: return QVariant(QString::fromStdU16String(value.asString()));
    default: return {};
    }
}

std::optional<Variant> toVariant(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool: return Variant::boolean(value.toBool());
    case QMetaType::Int: return Variant(static_cast<std::int32_t>(value.toInt()));
    case QMetaType::Double: return Variant(value.toDouble());
    case QMetaType::QString: return Variant(value.toString().toStdU16String());
    default: return std::nullopt;
    }
}

} // namespace

QString DispatchPropertyTarget::errorText(HResult status)
{
    switch (status) {
    case kTypeMismatch: return QStringLiteral("Type mismatch");
    case kOverflow: return QStringLiteral("Overflow");
    case kUnknownName:
    case kMemberNotFound: return QStringLiteral("Object doesn't support this property or method");
    default:
        return QStringLiteral("Error 0x%1").arg(static_cast<std::uint32_t>(status), 8, 16, QLatin1Char('0'));
    }
}

QVariant DispatchPropertyTarget::property(const QString& name) const
{
    Variant value;
    if (!m_object || failed(getProperty(m_object.get(), name.toStdString(), &value)))
        return {};
    return toQVariant(value);
}

std::optional<QString> DispatchPropertyTarget::setProperty(const QString& name, const QVariant& value)
{
    const auto converted = toVariant(value);
    if (!converted)
        return errorText(kTypeMismatch);
    if (!m_object)
        return errorText(kPointer);
    const HResult status = quorvex::platform::component::setProperty(m_object.get(), name.toStdString(), *converted);
    if (failed(status))
        return errorText(status);
    return std::nullopt;
}

} // namespace quorvex::hotkey
