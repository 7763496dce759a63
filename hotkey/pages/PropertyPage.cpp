#include "hotkey/pages/PropertyPage.h"

namespace quorvex::hotkey {

PropertyPage::PropertyPage(const QString& caption, QWidget* parent)
    : QWidget(parent)
    , m_caption(caption)
{
    setWindowTitle(caption);
}

void PropertyPage::setSelectedControls(std::vector<PropertyTarget*> controls)
{
    m_selected = std::move(controls);
    if (!m_selected.empty() && m_selected.front())
        selectionChanged(*m_selected.front());
}

std::optional<QString> PropertyPage::applyChanges()
{
    if (m_selected.empty() || !m_selected.front())
        return std::nullopt;
    auto error = apply(*m_selected.front());
    if (!error)
        setChanged(false);
    return error;
}

void PropertyPage::setChanged(bool changed)
{
    if (changed == m_changed)
        return;
    m_changed = changed;
    emit changedStateChanged(changed);
}

} // namespace quorvex::hotkey
