#include "platform/sound/SkinSoundPlayer.h"

#include "platform/files/CaseInsensitivePath.h"

#include <algorithm>
#include <string>

namespace platform {

std::filesystem::path SkinSoundPlayer::soundFile(std::string_view name) const
{
    std::string relative(name);
    std::replace(relative.begin(), relative.end(), '\\', '/');
    const auto first = relative.find_first_not_of('/');
    relative.erase(0, first == std::string::npos ? relative.size() : first);
    return resolveCaseInsensitive(m_skinFolder / relative);
}

void SkinSoundPlayer::PlaySkinSound(std::string_view name) const
{
    if (shouldPlay(name))
        m_sounds.playAsync(soundFile(name));
}

void SkinSoundPlayer::PlaySkinSoundNoStop(std::string_view name) const
{
    if (shouldPlay(name))
        m_sounds.playNoStop(soundFile(name));
}

void SkinSoundPlayer::PlaySkinSoundAndWait(std::string_view name) const
{
    if (shouldPlay(name))
        m_sounds.playAndWait(soundFile(name));
}

} // namespace platform
