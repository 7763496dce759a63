#pragma once

// A shell script for launch tests: when run it writes its working folder and
// then each argument in brackets, one per line, to a marker file (renamed
// into place when complete, so a reader never sees half of it).

#include "support/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <thread>

namespace testsupport {

class RecordingProgram {
public:
    RecordingProgram(const TempFolder& folder, const std::string& relativePath)
        : m_folder(folder)
        , m_marker(folder.str() + "marker.txt")
    {
        m_path = folder
                     .write(relativePath, "#!/bin/sh\n{ pwd; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; } > \"" +
                                              m_marker + ".part\" && mv \"" + m_marker + ".part\" \"" + m_marker + "\"\n")
                     .string();
        ::chmod(m_path.c_str(), 0755);
    }

    const std::string& path() const { return m_path; }

    // What the program recorded; gives up after ten seconds.
    std::string waitForRecord() const
    {
        for (int attempt = 0; attempt < 1000; ++attempt) {
            if (std::filesystem::exists(m_marker))
                return m_folder.read("marker.txt");
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return "(the program never ran)";
    }

private:
    const TempFolder& m_folder;
    std::string m_marker;
    std::string m_path;
};

} // namespace testsupport
