#pragma once

#include <cstdint>
#include <unordered_map>

namespace quorvex::platform {

// Turns "is the key down right now" samples into the 16-bit asynchronous
// key state. The went-down bit is emulated per key: it is set when a key is
// down now but was not down at the previous query of that key, so each key
// keeps its own memory and querying one key never clears another's bit.
class KeyEdgeTracker {
public:
    std::int16_t sample(int virtualKey, bool downNow);
    void forget() { m_wasDown.clear(); }

private:
    std::unordered_map<int, bool> m_wasDown;
};

} // namespace quorvex::platform
