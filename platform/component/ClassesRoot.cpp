#include "platform/component/ClassesRoot.h"

#include "platform/component/TextFile.h"

#include <algorithm>
#include <cstdlib>
#include <strings.h>

namespace quorvex::platform::component {

namespace {

// An empty view may hold no pointer at all, which strncasecmp must not get.
bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && (a.empty() || strncasecmp(a.data(), b.data(), a.size()) == 0);
}

// True when `key` is `ancestor` or lies below it.
bool isWithin(std::string_view key, std::string_view ancestor)
{
    if (key.size() < ancestor.size()
        || (!ancestor.empty() && strncasecmp(key.data(), ancestor.data(), ancestor.size()) != 0))
        return false;
    return key.size() == ancestor.size() || key[ancestor.size()] == '\\';
}

std::string_view trimSeparators(std::string_view key)
{
    while (!key.empty() && key.front() == '\\')
        key.remove_prefix(1);
    while (!key.empty() && key.back() == '\\')
        key.remove_suffix(1);
    return key;
}

// Line breaks cannot live in a one-line profile value.
std::string singleLine(std::string_view text)
{
    std::string out(text);
    std::replace(out.begin(), out.end(), '\n', ' ');
    std::replace(out.begin(), out.end(), '\r', ' ');
    return out;
}

} // namespace

std::string ClassesRoot::defaultPath()
{
    if (const char* overridden = std::getenv("QUORVEX_CLASSES_ROOT"); overridden && *overridden)
        return overridden;
    std::string dataHome;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        dataHome = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        dataHome = std::string(home) + "/.local/share";
    else
        dataHome = ".";
    return dataHome + "/quorvex/classes-root.ini";
}

ClassesRoot::ClassesRoot(std::string path)
    : m_path(std::move(path))
{
}

bool ClassesRoot::load(std::string* error)
{
    m_keys.clear();
    std::optional<std::string> text = readTextFile(m_path);
    if (!text)
        return true;
    std::string message;
    if (!fromText(*text, &message)) {
        if (error)
            *error = m_path + ": " + message;
        return false;
    }
    return true;
}

bool ClassesRoot::save(std::string* error) const
{
    if (m_path.empty()) {
        if (error)
            *error = "the classes root has no file";
        return false;
    }
    return writeTextFileAtomically(m_path, toText(), error);
}

bool ClassesRoot::update(const std::function<void(ClassesRoot&)>& change, std::string* error)
{
    if (m_path.empty()) {
        if (error)
            *error = "the classes root has no file";
        return false;
    }
    return updateTextFile(m_path, [&](const std::optional<std::string>& current, std::string& replacement) {
        std::string message;
        m_keys.clear();
        if (current && !fromText(*current, &message))
            return m_path + ": " + message;
        change(*this);
        replacement = toText();
        return std::string();
    }, error);
}

ClassesRoot::Key* ClassesRoot::find(std::string_view key)
{
    key = trimSeparators(key);
    for (Key& k : m_keys) {
        if (sameName(k.path, key))
            return &k;
    }
    return nullptr;
}

const ClassesRoot::Key* ClassesRoot::find(std::string_view key) const
{
    return const_cast<ClassesRoot*>(this)->find(key);
}

bool ClassesRoot::hasKey(std::string_view key) const
{
    key = trimSeparators(key);
    if (key.empty())
        return false;
    return std::any_of(m_keys.begin(), m_keys.end(), [&](const Key& k) { return isWithin(k.path, key); });
}

void ClassesRoot::createKey(std::string_view key)
{
    key = trimSeparators(key);
    if (key.empty())
        return;
    for (size_t at = key.find('\\'); at != std::string_view::npos; at = key.find('\\', at + 1)) {
        if (!find(key.substr(0, at)))
            m_keys.push_back({ std::string(key.substr(0, at)), {} });
    }
    if (!find(key))
        m_keys.push_back({ std::string(key), {} });
}

std::optional<std::string> ClassesRoot::value(std::string_view key, std::string_view name) const
{
    const Key* k = find(key);
    if (!k)
        return std::nullopt;
    for (const auto& [valueName, value] : k->values) {
        if (sameName(valueName, name))
            return value;
    }
    return std::nullopt;
}

void ClassesRoot::setValue(std::string_view key, std::string_view name, std::string_view value)
{
    createKey(key);
    Key* k = find(key);
    if (!k)
        return;
    std::string cleanName = singleLine(name);
    std::replace(cleanName.begin(), cleanName.end(), '=', '_');
    for (auto& [valueName, stored] : k->values) {
        if (sameName(valueName, cleanName)) {
            stored = singleLine(value);
            return;
        }
    }
    k->values.emplace_back(cleanName, singleLine(value));
}

bool ClassesRoot::removeTree(std::string_view key)
{
    key = trimSeparators(key);
    if (key.empty())
        return false;
    auto removed = std::remove_if(m_keys.begin(), m_keys.end(), [&](const Key& k) { return isWithin(k.path, key); });
    bool any = removed != m_keys.end();
    m_keys.erase(removed, m_keys.end());
    return any;
}

std::vector<std::string> ClassesRoot::keys() const
{
    std::vector<std::string> out;
    for (const Key& k : m_keys)
        out.push_back(k.path);
    return out;
}

std::vector<std::pair<std::string, std::string>> ClassesRoot::values(std::string_view key) const
{
    const Key* k = find(key);
    return k ? k->values : std::vector<std::pair<std::string, std::string>> {};
}

std::string ClassesRoot::toText() const
{
    std::string out;
    for (const Key& k : m_keys) {
        out += "[" + k.path + "]\n";
        for (const auto& [name, value] : k.values)
            out += (name.empty() ? std::string("@") : name) + "=" + value + "\n";
    }
    return out;
}

bool ClassesRoot::fromText(std::string_view text, std::string* error)
{
    m_keys.clear();
    std::string current;
    bool inKey = false;
    auto fail = [&](size_t number, const char* what) {
        if (error)
            *error = "line " + std::to_string(number) + ": " + what;
        return false;
    };
    return forEachTrimmedLine(text, [&](size_t number, std::string_view line) {
        if (line.empty() || line.front() == ';')
            return true;
        if (line.front() == '[') {
            size_t close = line.rfind(']');
            std::string_view key = close == std::string_view::npos ? std::string_view() : trimSeparators(line.substr(1, close - 1));
            if (key.empty())
                return fail(number, "malformed key");
            createKey(key);
            current = std::string(key);
            inKey = true;
            return true;
        }
        size_t equals = line.find('=');
        if (!inKey || equals == std::string_view::npos)
            return fail(number, "value outside a key or without '='");
        std::string_view name = trimBlanks(line.substr(0, equals));
        if (name == "@")
            name = {};
        setValue(current, name, trimBlanks(line.substr(equals + 1)));
        return true;
    });
}

} // namespace quorvex::platform::component
