#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace quorvex::hotkey {

struct MaskKeyItem {
    QString text;
    std::int32_t virtualKey = 0;
};

// The keys offered for MaskKey on the property pages, in list order. The
// texts are kept exactly as saved projects know them, trailing blank
// included.
const std::vector<MaskKeyItem>& maskKeyList();

} // namespace quorvex::hotkey
