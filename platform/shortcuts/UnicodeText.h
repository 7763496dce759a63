#pragma once

#include <string>
#include <string_view>

namespace platform {

// The text of a small file as UTF-8, by its byte-order mark: a UTF-8 mark is
// dropped, UTF-16 (little- or big-endian, with its mark) is converted, and
// anything without a mark is returned as it is. Unpaired surrogates and a
// trailing odd byte become U+FFFD.
std::string textAsUtf8(std::string_view bytes);

} // namespace platform
