#pragma once

#include "platform/copy/CopyFileOps.h"
#include "platform/copy/FileCopyService.h"
#include "platform/copy/QtCopyInteraction.h"

namespace platform {

// The copy service the launcher uses on the desktop: the file system with
// Qt's progress dialog and questions, owned by `owner`'s window.
class QtFileCopyService final : public CopyService {
public:
    explicit QtFileCopyService(QWidget* owner = nullptr)
        : m_interaction(owner)
        , m_service(m_interaction, m_fileOps)
    {
    }

    CopyOutcome copy(const std::vector<std::string>& sources, const std::string& targetFolder) override
    {
        return m_service.copy(sources, targetFolder);
    }

private:
    QtCopyInteraction m_interaction;
    CopyFileOps m_fileOps;
    FileCopyService m_service;
};

} // namespace platform
