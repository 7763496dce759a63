#include "platform/component/TextFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace quorvex::platform::component {

std::optional<std::string> readTextFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool writeTextFileAtomically(const std::string& path, std::string_view text, std::string* error)
{
    auto fail = [&](std::string message) {
        if (error)
            *error = std::move(message);
        return false;
    };
    if (path.empty())
        return fail("no file name given");
    std::error_code ec;
    std::filesystem::path target(path);
    if (target.has_parent_path())
        std::filesystem::create_directories(target.parent_path(), ec);
    std::string temporary = path + ".tmp" + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush())
            return fail("cannot write " + temporary);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return fail("cannot replace " + path);
    }
    return true;
}

std::string_view trimBlanks(std::string_view text)
{
    size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos)
        return {};
    size_t end = text.find_last_not_of(" \t\r");
    return text.substr(begin, end - begin + 1);
}

bool forEachTrimmedLine(std::string_view text, const std::function<bool(size_t, std::string_view)>& line)
{
    size_t number = 0;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view current = trimBlanks(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line(++number, current))
            return false;
    }
    return true;
}

} // namespace quorvex::platform::component
