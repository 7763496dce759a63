#include "launcher/controls/PlainText.h"

#include <QLabel>
#include <QTextDocumentFragment>

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

QString toolTipText(const QString& toolTip)
{
    const QString text =
        Qt::mightBeRichText(toolTip) ? QTextDocumentFragment::fromHtml(toolTip).toPlainText() : toolTip;
    return text.trimmed();
}

QString literalCaption(const QString& text)
{
    QString caption = text;
    return caption.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace controls
