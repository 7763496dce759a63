#include "platform/keystate/ScriptedKeyboard.h"

namespace quorvex::platform {

void ScriptedKeyboard::change(int keycode, bool down)
{
    if (keycode >= 0 && keycode < static_cast<int>(m_keymap.size()))
        m_keymap.set(static_cast<std::size_t>(keycode), down);
    if (m_seesTransitions)
        m_pending.push_back({keycode, down});
}

void ScriptedKeyboard::update(Keymap& keymap, std::vector<KeyTransition>& transitions)
{
    ++m_updates;
    keymap = m_keymap;
    transitions.insert(transitions.end(), m_pending.begin(), m_pending.end());
    m_pending.clear();
}

const std::vector<int>& ScriptedKeyboard::keycodesFor(int virtualKey)
{
    auto found = m_keycodes.find(virtualKey);
    if (found == m_keycodes.end()) {
        std::vector<int> codes;
        if (virtualKey >= 0 && virtualKey < static_cast<int>(m_keymap.size()))
            codes.push_back(virtualKey);
        found = m_keycodes.emplace(virtualKey, std::move(codes)).first;
    }
    return found->second;
}

} // namespace quorvex::platform
