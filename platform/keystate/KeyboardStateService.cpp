#include "platform/keystate/KeyboardStateService.h"

namespace quorvex::platform {

KeyboardStateService::KeyboardStateService(KeyboardSource& source)
    : m_source(source)
{
}

std::int16_t KeyboardStateService::asyncKeyState(int virtualKey)
{
    const KeyActivity activity = keyActivity(virtualKey);
    std::uint16_t state = activity.downNow ? kKeyDownNow : 0;
    if (activity.pressedSince)
        state |= kKeyWentDown;
    return static_cast<std::int16_t>(state);
}

void KeyboardStateService::update()
{
    m_transitions.clear();
    m_source.update(m_keymap, m_transitions);
    for (const KeyTransition& transition : m_transitions) {
        if (transition.keycode < 0 || transition.keycode >= static_cast<int>(m_counts.size()))
            continue;
        Counts& counts = m_counts[static_cast<std::size_t>(transition.keycode)];
        ++(transition.pressed ? counts.presses : counts.releases);
    }
}

KeyboardStateService::Counts KeyboardStateService::countsFor(const std::vector<int>& keycodes) const
{
    Counts sum;
    for (int code : keycodes) {
        if (code < 0 || code >= static_cast<int>(m_counts.size()))
            continue;
        sum.presses += m_counts[static_cast<std::size_t>(code)].presses;
        sum.releases += m_counts[static_cast<std::size_t>(code)].releases;
    }
    return sum;
}

// Each code's memory starts empty, so its first query reports what happened
// since the service began. A press counted while the keymap shows the key up
// is only taken for a tap once its release has been counted as well: the
// keymap is read before the events are drained, so a press that came in
// between is still down in truth. It stays uncounted, and the next query
// reports it, as a fresh press or as a tap.
KeyActivity KeyboardStateService::keyActivity(int virtualKey)
{
    if (!m_source.isConnected())
        return {};
    update();
    bool downNow = false;
    Counts counts;
    if (const std::optional<bool> button = m_source.pointerButtonDown(virtualKey)) {
        downNow = *button;
    } else {
        const std::vector<int>& keycodes = m_source.keycodesFor(virtualKey);
        for (int code : keycodes) {
            if (code >= 0 && code < static_cast<int>(m_keymap.size()))
                downNow = downNow || m_keymap.test(static_cast<std::size_t>(code));
        }
        counts = countsFor(keycodes);
    }

    Seen& before = m_seen[virtualKey];
    const bool pressEvents = counts.presses != before.counts.presses;
    const bool releaseEvents = counts.releases != before.counts.releases;
    KeyActivity activity;
    activity.downNow = downNow;
    if (downNow) {
        activity.pressedSince = pressEvents || !before.down;
        activity.releasedSince = releaseEvents;
    } else {
        activity.pressedSince = pressEvents && releaseEvents;
        activity.releasedSince = releaseEvents || before.down;
    }
    if (!downNow && pressEvents && !releaseEvents)
        counts.presses = before.counts.presses;
    before.counts = counts;
    before.down = downNow;
    return activity;
}

} // namespace quorvex::platform
