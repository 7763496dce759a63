#include "launcher/dialogs/Message.h"

#include "launcher/controls/PlainText.h"
#include "launcher/controls/WindowRole.h"

#include <QLabel>

namespace launcher {

Message::Message(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint)
{
    setObjectName("Message");
    controls::giveWindowsTheirRole();
    setWindowTitle(" Quorvex");
    setFixedSize(kWidthPx, kHeightPx);

    auto* label = &controls::makePlainText(*new QLabel(kRefreshingShortcutsText, this));
    label->setObjectName("Label1");
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setGeometry(0, 0, kWidthPx, kHeightPx);
}

} // namespace launcher
