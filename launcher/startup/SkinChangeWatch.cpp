#include "launcher/startup/SkinChangeWatch.h"

#include "platform/files/CaseInsensitivePath.h"

#include <algorithm>
#include <array>

namespace launcher {

namespace fs = std::filesystem;

bool IsSkinFileName(std::string_view name)
{
    if (name.empty() || name.front() == '.')
        return false;
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    const std::string extension = platform::toLowerAscii(std::string(name.substr(dot + 1)));
    constexpr std::array<std::string_view, 4> kSkinExtensions = {"ini", "bmp", "wav", "ttf"};
    return std::find(kSkinExtensions.begin(), kSkinExtensions.end(), extension) != kSkinExtensions.end();
}

SkinChangeWatch::SkinChangeWatch(platform::FolderWatcher& watcher, platform::ProfileStore& profiles,
                                 std::function<bool()> reload, int settleMs)
    : m_watcher(watcher)
    , m_profiles(profiles)
    , m_reload(std::move(reload))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMs);
    QObject::connect(&m_settle, &QTimer::timeout, [this] { settled(); });
    m_watcher.setChangeHandler([this](const std::string& name) { changed(name); });
    m_profiles.setWriteObserver(
        [this](const std::string& file, platform::ProfileStore::WritePhase phase) { ownWrite(file, phase); });
}

SkinChangeWatch::~SkinChangeWatch()
{
    m_profiles.setWriteObserver({});
    m_watcher.setChangeHandler({});
    m_watcher.watchFolder({});
}

std::string SkinChangeWatch::watch(const fs::path& skinFolder)
{
    m_folder = platform::resolveCaseInsensitive(skinFolder);
    if (m_folder.filename().empty())
        m_folder = m_folder.parent_path();
    m_loaded = snapshot();
    m_editUnderOwnWrite = false;
    return m_watcher.watchFolder(m_folder.string());
}

platform::FolderSnapshot SkinChangeWatch::snapshot() const
{
    return platform::FolderSnapshot::of(m_folder, [](const std::string& name) { return IsSkinFileName(name); });
}

void SkinChangeWatch::changed(const std::string& name)
{
    // An empty name: the folder as a whole changed.
    if (name.empty() || IsSkinFileName(name))
        m_settle.start();
}

void SkinChangeWatch::settled()
{
    platform::FolderSnapshot now = snapshot();
    if (now == m_loaded && !m_editUnderOwnWrite)
        return;
    if (!m_reload()) {
        m_settle.start();
        return;
    }
    // What was just loaded (or found unloadable) is the state to compare
    // with: a change made while loading reports itself and differs from it.
    m_loaded = std::move(now);
    m_editUnderOwnWrite = false;
}

void SkinChangeWatch::ownWrite(const std::string& file, platform::ProfileStore::WritePhase phase)
{
    const fs::path path = platform::resolveCaseInsensitive(file);
    const std::string name = path.filename().string();
    if (m_folder.empty() || path.parent_path() != m_folder || !IsSkinFileName(name))
        return;
    const auto known = m_loaded.files.find(name);
    const std::optional<std::uint64_t> hash = platform::FolderSnapshot::hashOf(path);
    if (phase == platform::ProfileStore::WritePhase::Before) {
        const bool existed = known != m_loaded.files.end();
        if (existed ? known->second != hash : hash.has_value())
            m_editUnderOwnWrite = true;
        return;
    }
    std::error_code error;
    if (fs::exists(path, error))
        m_loaded.files[name] = hash;
    else
        m_loaded.files.erase(name);
}

} // namespace launcher
