#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quorvex::hotkey {

// The about box of the hot-key controls.
class frmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* image1() const { return m_image1; }
    QLabel* label1() const { return m_label1; }
    QLabel* label2() const { return m_label2; }
    QPushButton* command1() const { return m_command1; }

    // Shows a new about box modally and destroys it when it closes.
    static void showModal(QWidget* parent = nullptr);

private:
    QLabel* m_image1;
    QLabel* m_label2;
    QLabel* m_label1;
    QPushButton* m_command1;
};

} // namespace quorvex::hotkey
