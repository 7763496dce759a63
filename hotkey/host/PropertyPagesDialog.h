#pragma once

#include "hotkey/pages/PropertyPage.h"

#include <QDialog>

#include <functional>
#include <vector>

class QDialogButtonBox;
class QPushButton;
class QTabWidget;

namespace quorvex::hotkey {

// A frame around property pages, as a form designer shows them: one tab per
// page, with OK, Cancel and Apply. Apply is enabled while a page has
// unapplied changes; OK and Apply write every changed page and then call
// `saved`, so OK saves even when nothing changed.
// A page whose property refuses its value shows the reason and stays open.
class PropertyPagesDialog final : public QDialog {
    Q_OBJECT
public:
    PropertyPagesDialog(const QString& title, std::vector<PropertyPage*> pages, std::function<void()> saved,
                        QWidget* parent = nullptr);

    QPushButton* applyButton() const { return m_apply; }
    // Applies every changed page; false when one refused.
    bool applyAll();

private:
    void updateApply();

    std::vector<PropertyPage*> m_pages;
    std::function<void()> m_saved;
    QTabWidget* m_tabs;
    QDialogButtonBox* m_buttons;
    QPushButton* m_apply;
};

} // namespace quorvex::hotkey
