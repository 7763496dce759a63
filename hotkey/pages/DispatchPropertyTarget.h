#pragma once

#include "hotkey/pages/PropertyTarget.h"
#include "platform/component/Dispatch.h"

namespace quorvex::hotkey {

// A component seen through its dispatch interface, for the property pages:
// Qt values become variants on the way in and back on the way out, and a
// failing property put becomes its message.
class DispatchPropertyTarget final : public PropertyTarget {
public:
    explicit DispatchPropertyTarget(platform::component::IDispatch* object)
        : m_object(object)
    {
    }

    QVariant property(const QString& name) const override;
    std::optional<QString> setProperty(const QString& name, const QVariant& value) override;

    static QString errorText(platform::component::HResult status);

private:
    platform::component::Ref<platform::component::IDispatch> m_object;
};

} // namespace quorvex::hotkey
