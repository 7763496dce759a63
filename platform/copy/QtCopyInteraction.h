#pragma once

#include "platform/copy/CopyService.h"

#include <QElapsedTimer>
#include <QPointer>

class QProgressDialog;
class QWidget;

namespace platform {

// Qt dialogs for a copy on the window thread: a progress dialog that
// appears only when the copy has run for kShowAfterMs (short copies show
// nothing), a replace question, and error messages. Events are dispatched
// while the copy runs, so the windows stay painted and Cancel works.
class QtCopyInteraction final : public CopyInteraction {
public:
    explicit QtCopyInteraction(QWidget* owner = nullptr);
    ~QtCopyInteraction() override;

    static constexpr int kShowAfterMs = 500;

    ReplaceAnswer askReplace(const std::string& target, const std::string& source) override;
    void begin(std::uint64_t totalBytes, std::size_t fileCount) override;
    bool progress(const std::string& currentFile, std::uint64_t bytesDone) override;
    void end() override;
    void reportError(const std::string& message) override;

private:
    QPointer<QWidget> m_owner;
    QProgressDialog* m_dialog = nullptr;
    QElapsedTimer m_elapsed;
    std::uint64_t m_totalBytes = 0;
    std::size_t m_fileCount = 0;
};

} // namespace platform
