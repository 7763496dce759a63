#include "platform/files/CaseInsensitivePath.h"

#include <algorithm>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

std::string toLowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return lower;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && toLowerAscii(a) == toLowerAscii(b);
}

fs::path resolveCaseInsensitive(const fs::path& path)
{
    std::error_code error;
    if (path.empty() || fs::exists(path, error))
        return path;

    fs::path resolved = path.root_path();
    for (const fs::path& part : path.relative_path()) {
        fs::path candidate = resolved / part;
        if (part == "." || part == ".." || fs::exists(candidate, error)) {
            resolved = candidate;
            continue;
        }
        bool found = false;
        const std::string wanted = part.string();
        for (fs::directory_iterator it(resolved.empty() ? fs::path(".") : resolved, error), end;
             !error && it != end; it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (equalsIgnoringCase(name, wanted)) {
                resolved /= name;
                found = true;
                break;
            }
        }
        if (!found)
            return path;
    }
    return resolved;
}

} // namespace platform
