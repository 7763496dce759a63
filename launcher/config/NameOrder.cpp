#include "launcher/config/NameOrder.h"

#include "platform/files/CaseInsensitivePath.h"

#include <algorithm>

namespace launcher {

void SortByNameOrder(std::vector<std::string>& names)
{
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return platform::toLowerAscii(a) < platform::toLowerAscii(b);
    });
}

} // namespace launcher
