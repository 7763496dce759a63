#pragma once

#include "platform/copy/CopyService.h"
#include "platform/desktop/MessageBox.h"

#include <optional>
#include <string>
#include <vector>

namespace platform {

inline constexpr const char* kCopyAbortedMessage = "Copy operation aborted...";
inline constexpr const char* kCopyFailedMessage = "Copy operation Failed";

// The message the launcher shows after a copy: a copy stopped by a file
// error reads "aborted...", one the user cancelled reads "Failed"; a
// completed copy (skipped files included) shows nothing. The copy service
// has already explained a file error itself.
std::optional<std::string> copyResultMessage(const CopyOutcome& outcome);

// Copies the files into `destination` (one trailing separator is ignored)
// and shows the result message, with `caption` as the message box caption.
CopyOutcome CopyFilesToFolder(CopyService& copier, MessageBox& messages, const std::vector<std::string>& files,
                              std::string destination, const std::string& caption = "Quorvex");

} // namespace platform
