#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum class ReplaceAnswer { Replace, Skip, Cancel };

// The user's side of a copy: the question asked when a target exists, the
// progress shown while bytes move, and the errors they are told about.
class CopyInteraction {
public:
    virtual ~CopyInteraction() = default;

    // `target` exists already; `source` would replace it.
    virtual ReplaceAnswer askReplace(const std::string& target, const std::string& source) = 0;

    // Called once before anything is written, with what the copy will move.
    virtual void begin(std::uint64_t totalBytes, std::size_t fileCount) = 0;
    // Called as the copy advances; returning false cancels it.
    virtual bool progress(const std::string& currentFile, std::uint64_t bytesDone) = 0;
    // Called once after the last step, whatever the outcome.
    virtual void end() = 0;

    // A file or folder could not be copied; the copy stops after this.
    virtual void reportError(const std::string& message) = 0;
};

struct CopyOutcome {
    enum class Status {
        Completed, // everything copied or deliberately skipped
        Cancelled, // the user cancelled the progress or a replace question
        Failed,    // a file error stopped the copy
    };

    Status status = Status::Completed;
    std::vector<std::string> copied;  // final paths of the files written
    std::vector<std::string> skipped; // targets the user chose to keep
    std::string error;                // what stopped a failed copy
};

// Copies files and whole folders into a folder.
class CopyService {
public:
    virtual ~CopyService() = default;

    // Every source (file or folder, copied recursively) lands in
    // `targetFolder` under its own name. Files copied before a cancel or a
    // failure stay; no file ever appears half-written under its final name.
    virtual CopyOutcome copy(const std::vector<std::string>& sources, const std::string& targetFolder) = 0;
};

} // namespace platform
