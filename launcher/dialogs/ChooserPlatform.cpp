#include "launcher/dialogs/ChooserPlatform.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QProcess>

namespace launcher {

std::string QtTextInput::ask(QWidget* owner, const std::string& title, const std::string& prompt,
                             const std::string& preset)
{
    QInputDialog dialog(owner);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setTextValue(QString::fromStdString(preset));
    // The prompt names a skin by its folder name, which is not markup.
    for (QLabel* label : dialog.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue().toStdString() : std::string();
}

QtProgramControl::QtProgramControl(std::function<void()> closeLauncher)
    : m_closeLauncher(std::move(closeLauncher))
{
}

void QtProgramControl::startNewInstance(const std::string& workingFolder)
{
    // A failed start is not reported: the running launcher closes either way.
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kRestartArgument)},
                            QString::fromStdString(workingFolder));
}

void QtProgramControl::endProgram()
{
    if (m_closeLauncher)
        m_closeLauncher();
    QCoreApplication::exit(0);
}

} // namespace launcher
