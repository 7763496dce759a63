#pragma once

#include <string>
#include <vector>

namespace launcher {

// Sorts names ascending by their lower-cased text, compared byte by byte;
// names that differ only in letter case follow their own text (upper case
// first). Section folders, shortcut files and skins all appear in this order.
void SortByNameOrder(std::vector<std::string>& names);

// True when `a` sorts before `b` in that order.
bool ComesFirstInNameOrder(const std::string& a, const std::string& b);

} // namespace launcher
