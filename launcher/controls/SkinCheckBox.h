#pragma once

#include <QCheckBox>

namespace controls {

// The option boxes of the skin chooser. The launcher reads and writes the
// state as a number (0 clear, 1 set) and stores it in skin files as such.
class SkinCheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit SkinCheckBox(QWidget* parent = nullptr);

    int value() const { return isChecked() ? 1 : 0; }

    // Any non-zero number sets the box, so a skin file value of -1 or 5 reads
    // as "on". Setting the value from code does not emit valueClicked: only
    // the user changes a setting.
    void setValue(int value);

    // Shown as written: an "&" in a skin's name is no keyboard mnemonic.
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

signals:
    // The user toggled the box; `value` is the new state, 0 or 1.
    void valueClicked(int value);

private:
    QString m_caption;
};

} // namespace controls
