#include "platform/copy/CopyFilesToFolder.h"

namespace platform {

std::optional<std::string> copyResultMessage(const CopyOutcome& outcome)
{
    switch (outcome.status) {
    case CopyOutcome::Status::Completed:
        return std::nullopt;
    case CopyOutcome::Status::Failed:
        return kCopyAbortedMessage;
    case CopyOutcome::Status::Cancelled:
        return kCopyFailedMessage;
    }
    return std::nullopt;
}

CopyOutcome CopyFilesToFolder(CopyService& copier, MessageBox& messages, const std::vector<std::string>& files,
                              std::string destination, const std::string& caption)
{
    if (destination.size() > 1 && destination.back() == '/')
        destination.pop_back();
    CopyOutcome outcome = copier.copy(files, destination);
    if (std::optional<std::string> message = copyResultMessage(outcome))
        messages.show(*message, caption);
    return outcome;
}

} // namespace platform
