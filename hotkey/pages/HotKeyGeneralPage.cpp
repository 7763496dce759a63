#include "hotkey/pages/HotKeyGeneralPage.h"

#include "hotkey/pages/MaskKeyList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace quorvex::hotkey {

HotKeyGeneralPage::HotKeyGeneralPage(ModifierRule rule, QWidget* parent)
    : PropertyPage(QStringLiteral("General"), parent)
{
    if (rule == ModifierRule::Exact) {
        m_chkAltKey = addCheckBox("chkAltKey", "AltKey");
        m_chkCtrlKey = addCheckBox("chkCtrlKey", "CtrlKey");
        m_chkShiftKey = addCheckBox("chkShiftKey", "ShiftKey");
    }

    m_cboMaskKey = new QComboBox(this);
    m_cboMaskKey->setObjectName(QStringLiteral("cboMaskKey"));
    for (const MaskKeyItem& item : maskKeyList())
        m_cboMaskKey->addItem(item.text, QVariant(static_cast<int>(item.virtualKey)));
    // A fresh list has no selection until a control's key is shown.
    m_cboMaskKey->setCurrentIndex(-1);
    connect(m_cboMaskKey, &QComboBox::activated, this, [this] { markChanged(); });

    m_chkEnabled = addCheckBox("chkEnabled", "Enabled");

    m_txtInterval = new QLineEdit(this);
    m_txtInterval->setObjectName(QStringLiteral("txtInterval"));
    connect(m_txtInterval, &QLineEdit::textEdited, this, [this] { markChanged(); });

    m_label1 = new QLabel(QStringLiteral("MaskKey:"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setBuddy(m_cboMaskKey);
    m_lblInterval = new QLabel(QStringLiteral("Interval:"), this);
    m_lblInterval->setObjectName(QStringLiteral("lblInterval"));
    m_lblInterval->setBuddy(m_txtInterval);

    auto* grid = new QGridLayout(this);
    int row = 0;
    for (QCheckBox* box : {m_chkAltKey, m_chkCtrlKey, m_chkShiftKey}) {
        if (box)
            grid->addWidget(box, row++, 0, 1, 2);
    }
    grid->addWidget(m_label1, row, 0);
    grid->addWidget(m_cboMaskKey, row++, 1);
    grid->addWidget(m_chkEnabled, row++, 0, 1, 2);
    grid->addWidget(m_lblInterval, row, 0);
    grid->addWidget(m_txtInterval, row++, 1);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    // Focusing the page focuses its first control.
    setFocusProxy(hasModifiers() ? static_cast<QWidget*>(m_chkAltKey) : m_cboMaskKey);
}

QCheckBox* HotKeyGeneralPage::addCheckBox(const char* name, const char* caption)
{
    auto* box = new QCheckBox(QLatin1String(caption), this);
    box->setObjectName(QLatin1String(name));
    // clicked, not toggled: showing a control's values is not a change.
    connect(box, &QCheckBox::clicked, this, [this] { markChanged(); });
    return box;
}

void HotKeyGeneralPage::showFlag(QCheckBox* box, const QVariant& value)
{
    // Automation booleans are -1 or 0; only the lowest bit makes the tick.
    const int flag = value.typeId() == QMetaType::Bool ? (value.toBool() ? -1 : 0) : value.toInt();
    box->setChecked((flag & 1) != 0);
}

void HotKeyGeneralPage::selectionChanged(PropertyTarget& first)
{
    if (hasModifiers()) {
        showFlag(m_chkAltKey, first.property(QStringLiteral("AltKey")));
        showFlag(m_chkCtrlKey, first.property(QStringLiteral("CtrlKey")));
        showFlag(m_chkShiftKey, first.property(QStringLiteral("ShiftKey")));
    }
    showFlag(m_chkEnabled, first.property(QStringLiteral("Enabled")));
    m_txtInterval->setText(first.property(QStringLiteral("Interval")).toString());

    const int maskKey = first.property(QStringLiteral("MaskKey")).toInt();
    const int index = m_cboMaskKey->findData(QVariant(maskKey));
    if (index >= 0)
        m_cboMaskKey->setCurrentIndex(index);
}

std::optional<QString> HotKeyGeneralPage::apply(PropertyTarget& first)
{
    auto setFlag = [&first](const char* name, const QCheckBox* box) {
        return first.setProperty(QLatin1String(name), QVariant(box->isChecked()));
    };
    if (hasModifiers()) {
        if (auto error = setFlag("AltKey", m_chkAltKey))
            return error;
        if (auto error = setFlag("CtrlKey", m_chkCtrlKey))
            return error;
        if (auto error = setFlag("ShiftKey", m_chkShiftKey))
            return error;
    }
    if (auto error = setFlag("Enabled", m_chkEnabled))
        return error;
    if (auto error = first.setProperty(QStringLiteral("Interval"), QVariant(m_txtInterval->text())))
        return error;
    // With nothing chosen there is no key to apply; MaskKey stays as it is.
    if (m_cboMaskKey->currentIndex() >= 0)
        return first.setProperty(QStringLiteral("MaskKey"), m_cboMaskKey->currentData());
    return std::nullopt;
}

} // namespace quorvex::hotkey
