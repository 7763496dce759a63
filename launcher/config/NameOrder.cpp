#include "launcher/config/NameOrder.h"

#include "platform/files/CaseInsensitivePath.h"

#include <algorithm>

namespace launcher {

bool ComesFirstInNameOrder(const std::string& a, const std::string& b)
{
    // Names that differ only in letter case ("Games", "games") are ordered
    // by their own text, so that every listing of the same folder gives the
    // same order whatever order the file system lists them in.
    const std::string lowerA = platform::toLowerAscii(a);
    const std::string lowerB = platform::toLowerAscii(b);
    return lowerA != lowerB ? lowerA < lowerB : a < b;
}

void SortByNameOrder(std::vector<std::string>& names)
{
    std::sort(names.begin(), names.end(), ComesFirstInNameOrder);
}

} // namespace launcher
