#include "launcher/dialogs/ChooserPlatform.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QProcess>

namespace launcher {

std::string QtTextInput::ask(QWidget* owner, const std::string& title, const std::string& prompt,
                             const std::string& preset)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(owner, QString::fromStdString(title), QString::fromStdString(prompt),
                                               QLineEdit::Normal, QString::fromStdString(preset), &accepted);
    return accepted ? text.toStdString() : std::string();
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
