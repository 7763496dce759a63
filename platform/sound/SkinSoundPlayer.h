#pragma once

#include "platform/sound/SoundSystem.h"

#include <filesystem>
#include <string_view>

namespace platform {

// Plays the sounds a skin names. Names are relative to the skin's folder, may
// use "\" between folders, and are matched without regard to letter case
// (skins are written on systems whose file names ignore it). Nothing is
// played, and nothing waited for, when the name is empty or the skin's sounds
// are switched off.
class SkinSoundPlayer {
public:
    explicit SkinSoundPlayer(SoundSystem& sounds) : m_sounds(sounds) { }

    void setSkinFolder(std::filesystem::path folder) { m_skinFolder = std::move(folder); }
    void setSoundEnabled(bool enabled) { m_soundEnabled = enabled; }
    bool soundEnabled() const { return m_soundEnabled; }

    void PlaySkinSound(std::string_view name) const;
    void PlaySkinSoundNoStop(std::string_view name) const;
    void PlaySkinSoundAndWait(std::string_view name) const;

    // The file a sound name stands for in the current skin folder. A leading
    // separator does not lead out of the skin folder.
    std::filesystem::path soundFile(std::string_view name) const;

private:
    bool shouldPlay(std::string_view name) const { return m_soundEnabled && !name.empty(); }

    SoundSystem& m_sounds;
    std::filesystem::path m_skinFolder;
    bool m_soundEnabled = true;
};

} // namespace platform
