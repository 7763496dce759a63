#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace quorvex::hotkey {

// A control as a property page sees it: properties read and written by name.
// setProperty converts the value the way the property does and returns the
// reason when it refuses it.
class PropertyTarget {
public:
    virtual ~PropertyTarget() = default;
    // An invalid QVariant for a name the object does not have.
    virtual QVariant property(const QString& name) const = 0;
    virtual std::optional<QString> setProperty(const QString& name, const QVariant& value) = 0;
};

} // namespace quorvex::hotkey
