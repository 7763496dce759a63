#include "launcher/dialogs/ChooserPlatform.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QScreen>
#include <QProcess>

#include <algorithm>

namespace launcher {

namespace {

constexpr int kDialogWidthPx = 420;
constexpr int kMinimumDialogWidthPx = 200;
constexpr int kScreenMarginPx = 16;

} // namespace

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
    // A long prompt on one line would make the dialog wider than the
    // screen, with its buttons off it: the prompt wraps at the usual width
    // of a dialog, or the screen's where that is narrower.
    if (auto* label = dialog.findChild<QLabel*>())
        label->setWordWrap(true);
    const QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    const int available = screen ? screen->availableGeometry().width() - 2 * kScreenMarginPx : kDialogWidthPx;
    dialog.setFixedWidth(std::max(kMinimumDialogWidthPx, std::min(kDialogWidthPx, available)));
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
