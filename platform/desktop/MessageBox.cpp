#include "platform/desktop/MessageBox.h"

#include <QMessageBox>
#include <QString>

#include <cstdio>

namespace platform {

void QtMessageBox::show(const std::string& text, const std::string& caption)
{
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok);
    // Messages quote names of files and skins, shown as they are written.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace platform
