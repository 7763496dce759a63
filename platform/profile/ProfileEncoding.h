#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// How a profile file's bytes encode its text. Files are edited as UTF-8 and
// written back in the encoding they came in, byte-order mark included, so an
// edit never leaves a file of mixed encodings.
enum class TextEncoding { Utf8, Utf8WithBom, Utf16LittleEndian, Utf16BigEndian };

struct DecodedProfile {
    std::string text; // UTF-8, without a byte-order mark
    TextEncoding encoding = TextEncoding::Utf8;
    // Why the text must not be written back (it would not give the same
    // bytes for the unchanged lines), or empty.
    std::string notWritable;
};

DecodedProfile decodeProfileBytes(std::string bytes);

// The bytes of `text` (UTF-8) in `encoding`; nullopt when the text is not
// valid UTF-8 and so has no UTF-16 form.
std::optional<std::string> encodeProfileText(std::string_view text, TextEncoding encoding);

} // namespace platform
