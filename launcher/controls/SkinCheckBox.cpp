#include "launcher/controls/SkinCheckBox.h"

#include "launcher/controls/PlainText.h"

namespace controls {

SkinCheckBox::SkinCheckBox(QWidget* parent)
    : QCheckBox(parent)
{
    // `clicked` fires for user toggles only (mouse or keyboard), never for
    // setChecked, which is exactly the split between the user's changes and
    // the chooser filling in a skin's stored options.
    connect(this, &QAbstractButton::clicked, this, [this](bool checked) {
        emit valueClicked(checked ? 1 : 0);
    });
}

void SkinCheckBox::setValue(int value)
{
    setChecked(value != 0);
}

void SkinCheckBox::setCaption(const QString& caption)
{
    m_caption = caption;
    setText(literalCaption(caption));
}

} // namespace controls
