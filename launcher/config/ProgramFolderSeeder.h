#pragma once

#include <string>

namespace launcher {

// Fills a per-user program folder from the installed data by copying. On
// first use (the folder has no skins/ yet) it gets the bundled skins,
// nothumb.bmp and SKINS.TXT; later only bundled skins the user does not have
// yet are added (a newer install may bring more). Nothing that is there is
// ever replaced.
class ProgramFolderSeeder {
public:
    // "" when the folder is usable, otherwise one line per thing that could
    // not be copied. A missing installed data folder is not an error: the
    // folder is then used as it is.
    static std::string seed(const std::string& installedData, const std::string& programFolder);
};

} // namespace launcher
