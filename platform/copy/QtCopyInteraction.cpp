#include "platform/copy/QtCopyInteraction.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

namespace platform {

namespace {

constexpr int kProgressSteps = 1000;
const char* const kCaption = "Copying";

} // namespace

QtCopyInteraction::QtCopyInteraction(QWidget* owner)
    : m_owner(owner)
{
}

QtCopyInteraction::~QtCopyInteraction()
{
    end();
}

ReplaceAnswer QtCopyInteraction::askReplace(const std::string& target, const std::string& source)
{
    // The question must not wait behind a progress dialog that hides it.
    if (m_dialog)
        m_dialog->hide();
    QMessageBox box(QMessageBox::Question, kCaption,
                    QString("This folder already contains a file named \"%1\".\n\n"
                            "Would you like to replace it with\n%2?")
                        .arg(QFileInfo(QString::fromStdString(target)).fileName(),
                             QString::fromStdString(source)),
                    QMessageBox::NoButton, m_owner);
    box.setTextFormat(Qt::PlainText); // file names are not markup
    QPushButton* replace = box.addButton("&Replace", QMessageBox::AcceptRole);
    QPushButton* skip = box.addButton("&Skip", QMessageBox::RejectRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(skip);
    box.exec();
    if (m_dialog)
        m_dialog->show();
    if (box.clickedButton() == replace)
        return ReplaceAnswer::Replace;
    if (box.clickedButton() == skip)
        return ReplaceAnswer::Skip;
    return ReplaceAnswer::Cancel;
}

void QtCopyInteraction::begin(std::uint64_t totalBytes, std::size_t fileCount)
{
    m_totalBytes = totalBytes;
    m_fileCount = fileCount;
    m_elapsed.start();
}

bool QtCopyInteraction::progress(const std::string& currentFile, std::uint64_t bytesDone)
{
    if (!m_dialog && m_elapsed.isValid() && m_elapsed.elapsed() >= kShowAfterMs) {
        m_dialog = new QProgressDialog(m_owner);
        m_dialog->setWindowTitle(kCaption);
        // The label names the file being copied, which is not markup.
        auto* label = new QLabel(m_dialog);
        label->setTextFormat(Qt::PlainText);
        m_dialog->setLabel(label);
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setRange(0, kProgressSteps);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->show();
    }
    if (m_dialog) {
        const double share = m_totalBytes == 0 ? 1.0 : static_cast<double>(bytesDone) / m_totalBytes;
        m_dialog->setLabelText(QString("Copying %1 file(s)\n%2")
                                   .arg(m_fileCount)
                                   .arg(QFileInfo(QString::fromStdString(currentFile)).fileName()));
        m_dialog->setValue(static_cast<int>(share * kProgressSteps));
        QCoreApplication::processEvents();
        return !m_dialog->wasCanceled();
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return true;
}

void QtCopyInteraction::end()
{
    delete m_dialog;
    m_dialog = nullptr;
    m_elapsed.invalidate();
}

void QtCopyInteraction::reportError(const std::string& message)
{
    if (m_dialog)
        m_dialog->hide();
    QMessageBox box(QMessageBox::Warning, kCaption, QString::fromStdString(message), QMessageBox::Ok, m_owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace platform
