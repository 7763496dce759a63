#include "platform/shortcuts/UnicodeText.h"

#include "platform/profile/ProfileEncoding.h"

namespace platform {

std::string textAsUtf8(std::string_view bytes)
{
    return decodeProfileBytes(std::string(bytes)).text;
}

} // namespace platform
