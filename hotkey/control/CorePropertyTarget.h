#pragma once

#include "hotkey/control/HotKeyReceiverCore.h"
#include "hotkey/control/PropertyTarget.h"

namespace quorvex::hotkey {

// The properties of a hot-key control by name (letter case ignored), with
// the conversions its automation interface applies. The modifier properties
// exist only on a core that checks modifiers.
class CorePropertyTarget final : public PropertyTarget {
public:
    explicit CorePropertyTarget(HotKeyReceiverCore& core)
        : m_core(core)
    {
    }

    QVariant property(const QString& name) const override;
    std::optional<QString> setProperty(const QString& name, const QVariant& value) override;

private:
    HotKeyReceiverCore& m_core;
};

} // namespace quorvex::hotkey
