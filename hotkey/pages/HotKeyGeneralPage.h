#pragma once

#include "hotkey/control/HotKeyReceiverCore.h"
#include "hotkey/pages/PropertyPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace quorvex::hotkey {

// The "General" page of both hot-key controls. With ModifierRule::Exact it
// carries the three modifier check boxes as well.
class HotKeyGeneralPage : public PropertyPage {
    Q_OBJECT
public:
    explicit HotKeyGeneralPage(ModifierRule rule, QWidget* parent = nullptr);

    bool hasModifiers() const { return m_chkAltKey != nullptr; }
    QCheckBox* chkAltKey() const { return m_chkAltKey; }
    QCheckBox* chkCtrlKey() const { return m_chkCtrlKey; }
    QCheckBox* chkShiftKey() const { return m_chkShiftKey; }
    QComboBox* cboMaskKey() const { return m_cboMaskKey; }
    QCheckBox* chkEnabled() const { return m_chkEnabled; }
    QLineEdit* txtInterval() const { return m_txtInterval; }

protected:
    void selectionChanged(PropertyTarget& first) override;
    std::optional<QString> apply(PropertyTarget& first) override;

private:
    QCheckBox* addCheckBox(const char* name, const char* caption);
    void showFlag(QCheckBox* box, const QVariant& value);

    QCheckBox* m_chkAltKey = nullptr;
    QCheckBox* m_chkCtrlKey = nullptr;
    QCheckBox* m_chkShiftKey = nullptr;
    QComboBox* m_cboMaskKey = nullptr;
    QCheckBox* m_chkEnabled = nullptr;
    QLineEdit* m_txtInterval = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_lblInterval = nullptr;
};

// The page of HotKeyCoReceiver.
class GeneralCo final : public HotKeyGeneralPage {
    Q_OBJECT
public:
    explicit GeneralCo(QWidget* parent = nullptr)
        : HotKeyGeneralPage(ModifierRule::Exact, parent)
    {
        setObjectName(QStringLiteral("GeneralCo"));
    }
};

// The page of HotKeyReciver.
class General final : public HotKeyGeneralPage {
    Q_OBJECT
public:
    explicit General(QWidget* parent = nullptr)
        : HotKeyGeneralPage(ModifierRule::Ignore, parent)
    {
        setObjectName(QStringLiteral("General"));
    }
};

} // namespace quorvex::hotkey
