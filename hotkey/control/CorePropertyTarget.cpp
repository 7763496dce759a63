#include "hotkey/control/CorePropertyTarget.h"

#include "hotkey/control/PropertyCoercion.h"

namespace quorvex::hotkey {

namespace {

bool is(const QString& name, const char* wanted)
{
    return name.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0;
}

const QString kNoSuchProperty = QStringLiteral("Object doesn't support this property or method");

} // namespace

QVariant CorePropertyTarget::property(const QString& name) const
{
    if (is(name, "Interval"))
        return QVariant(static_cast<int>(m_core.interval()));
    if (is(name, "Enabled"))
        return QVariant(m_core.enabled());
    if (is(name, "MaskKey"))
        return QVariant(static_cast<int>(m_core.maskKey()));
    if (m_core.modifierRule() == ModifierRule::Exact) {
        if (is(name, "ShiftKey"))
            return QVariant(m_core.shiftKey());
        if (is(name, "CtrlKey"))
            return QVariant(m_core.ctrlKey());
        if (is(name, "AltKey"))
            return QVariant(m_core.altKey());
    }
    return {};
}

std::optional<QString> CorePropertyTarget::setProperty(const QString& name, const QVariant& value)
{
    if (is(name, "Interval") || is(name, "MaskKey")) {
        const auto number = coerceToInt32(value);
        if (!number)
            return number.error;
        if (is(name, "Interval"))
            m_core.setInterval(*number.value);
        else
            m_core.setMaskKey(*number.value);
        return std::nullopt;
    }
    using Setter = void (HotKeyReceiverCore::*)(bool);
    Setter setter = nullptr;
    if (is(name, "Enabled"))
        setter = &HotKeyReceiverCore::setEnabled;
    else if (m_core.modifierRule() == ModifierRule::Exact && is(name, "ShiftKey"))
        setter = &HotKeyReceiverCore::setShiftKey;
    else if (m_core.modifierRule() == ModifierRule::Exact && is(name, "CtrlKey"))
        setter = &HotKeyReceiverCore::setCtrlKey;
    else if (m_core.modifierRule() == ModifierRule::Exact && is(name, "AltKey"))
        setter = &HotKeyReceiverCore::setAltKey;
    if (!setter)
        return kNoSuchProperty;
    const auto flag = coerceToBool(value);
    if (!flag)
        return flag.error;
    (m_core.*setter)(*flag.value);
    return std::nullopt;
}

} // namespace quorvex::hotkey
