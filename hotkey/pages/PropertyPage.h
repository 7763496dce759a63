#pragma once

#include "hotkey/pages/PropertyTarget.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

namespace quorvex::hotkey {

// A page of properties a host shows for the selected controls. The host
// sets the selection (the page then shows the first object's values), calls
// applyChanges() when the user confirms, and enables its Apply button while
// isChanged() is true. The page does no validation: the properties do.
class PropertyPage : public QWidget {
    Q_OBJECT
public:
    explicit PropertyPage(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }

    // The objects stay owned by the host and must outlive the selection.
    void setSelectedControls(std::vector<PropertyTarget*> controls);
    const std::vector<PropertyTarget*>& selectedControls() const { return m_selected; }

    // Writes the page to the first selected object. Stops at the first
    // property that refuses its value and returns the reason; properties
    // written before it keep their new values. The page stays marked as
    // changed after a failure.
    std::optional<QString> applyChanges();

    bool isChanged() const { return m_changed; }
    void setChanged(bool changed);

signals:
    void changedStateChanged(bool changed);

protected:
    virtual void selectionChanged(PropertyTarget& first) = 0;
    virtual std::optional<QString> apply(PropertyTarget& first) = 0;
    // For the edit controls' user-action signals.
    void markChanged() { setChanged(true); }

private:
    QString m_caption;
    std::vector<PropertyTarget*> m_selected;
    bool m_changed = false;
};

} // namespace quorvex::hotkey
