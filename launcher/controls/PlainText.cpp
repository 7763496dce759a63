#include "launcher/controls/PlainText.h"

#include <QLabel>

namespace controls {

QLabel& makePlainText(QLabel& label)
{
    label.setTextFormat(Qt::PlainText);
    return label;
}

QString plainToolTip(const QString& text)
{
    if (text.isEmpty())
        return text;
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

} // namespace controls
