#include "platform/component/TextFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

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

namespace {

bool reportedFailure(const std::string& failure, std::string* error)
{
    if (failure.empty())
        return true;
    if (error)
        *error = failure;
    return false;
}

bool makeFolderOf(const std::string& path, std::string* error)
{
    if (path.empty())
        return reportedFailure("no file name given", error);
    const std::filesystem::path target(path);
    std::error_code ignored; // a folder that cannot be made fails the write
    if (target.has_parent_path())
        std::filesystem::create_directories(target.parent_path(), ignored);
    return true;
}

} // namespace

bool writeTextFileAtomically(const std::string& path, std::string_view text, std::string* error)
{
    return makeFolderOf(path, error) && reportedFailure(::platform::writeFile(path, text), error);
}

bool updateTextFile(const std::string& path, const ::platform::FileChange& change, std::string* error)
{
    return makeFolderOf(path, error) && reportedFailure(::platform::updateFile(path, change), error);
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
