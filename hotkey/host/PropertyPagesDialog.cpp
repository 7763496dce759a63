#include "hotkey/host/PropertyPagesDialog.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quorvex::hotkey {

PropertyPagesDialog::PropertyPagesDialog(const QString& title, std::vector<PropertyPage*> pages,
                                         std::function<void()> saved, QWidget* parent)
    : QDialog(parent)
    , m_pages(std::move(pages))
    , m_saved(std::move(saved))
    , m_tabs(new QTabWidget(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this))
    , m_apply(m_buttons->button(QDialogButtonBox::Apply))
{
    setWindowTitle(title);
    for (PropertyPage* page : m_pages) {
        m_tabs->addTab(page, page->caption());
        connect(page, &PropertyPage::changedStateChanged, this, [this] { updateApply(); });
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, [this] {
        if (applyAll())
            accept();
    });
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_apply, &QPushButton::clicked, this, [this] { applyAll(); });
    updateApply();
    if (!m_pages.empty())
        m_pages.front()->setFocus();
}

bool PropertyPagesDialog::applyAll()
{
    for (PropertyPage* page : m_pages) {
        if (!page->isChanged())
            continue;
        if (auto error = page->applyChanges()) {
            m_tabs->setCurrentWidget(page);
            QMessageBox::warning(this, windowTitle(), *error);
            return false;
        }
    }
    if (m_saved)
        m_saved();
    return true;
}

void PropertyPagesDialog::updateApply()
{
    bool changed = false;
    for (const PropertyPage* page : m_pages)
        changed = changed || page->isChanged();
    m_apply->setEnabled(changed);
}

} // namespace quorvex::hotkey
