#pragma once

#include <string>
#include <vector>

namespace launcher {

// Sorts names ascending by their lower-cased text, compared byte by byte;
// names that differ only in letter case follow their own text (upper case
// first). Section folders, shortcut files and skins all appear in this order.
void SortByNameOrder(std::vector<std::string>& names);

} // namespace launcher
