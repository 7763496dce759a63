#pragma once

#include <string>
#include <vector>

namespace launcher {

// Sorts names ascending by their lower-cased text, compared byte by byte.
// Section folders, shortcut files and skins all appear in this order; names
// that differ only in letter case keep no particular order among themselves.
void SortByNameOrder(std::vector<std::string>& names);

} // namespace launcher
