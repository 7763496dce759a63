#pragma once

#include <cstdint>

namespace quorvex::platform {

// Virtual-key codes understood by the key-state service. The numbers are the
// ones stored in saved hot-key data, so they must never change.
namespace vk {
inline constexpr int kLButton = 1;
inline constexpr int kRButton = 2;
inline constexpr int kCancel = 3;
inline constexpr int kMButton = 4;
inline constexpr int kBack = 8;
inline constexpr int kTab = 9;
inline constexpr int kClear = 12;
inline constexpr int kReturn = 13;
inline constexpr int kShift = 16;
inline constexpr int kControl = 17;
inline constexpr int kMenu = 18; // Alt
inline constexpr int kPause = 19;
inline constexpr int kCapital = 20;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPrior = 33;
inline constexpr int kNext = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kSelect = 41;
inline constexpr int kPrint = 42;
inline constexpr int kExecute = 43;
inline constexpr int kSnapshot = 44;
inline constexpr int kInsert = 45;
inline constexpr int kDelete = 46;
inline constexpr int kHelp = 47;
inline constexpr int k0 = 48; // '0'..'9' are 48..57
inline constexpr int kA = 65; // 'A'..'Z' are 65..90
inline constexpr int kNumpad0 = 96; // ..kNumpad0 + 9
inline constexpr int kMultiply = 106;
inline constexpr int kAdd = 107;
inline constexpr int kSeparator = 108;
inline constexpr int kSubtract = 109;
inline constexpr int kDecimal = 110;
inline constexpr int kDivide = 111;
inline constexpr int kF1 = 112; // ..kF1 + 15 (F16)
inline constexpr int kNumLock = 144;
inline constexpr int kScroll = 145;
} // namespace vk

// Key-state bits of asyncKeyState().
inline constexpr std::uint16_t kKeyDownNow = 0x8000;
inline constexpr std::uint16_t kKeyWentDown = 0x0001;

// What a key did since the previous query of that same key.
struct KeyActivity {
    bool downNow = false;
    bool pressedSince = false;
    bool releasedSince = false;

    // Down at some moment since the previous query, or now.
    bool heldSince() const { return downNow || pressedSince || releasedSince; }
};

// The asynchronous, system-wide key-state query. The result is a 16-bit
// state: bit 15 set while the key is down, bit 0 set when the key went down
// since the previous query of that same key. Any code is accepted; a code
// with no key behind it reads as up (0).
class KeyStateService {
public:
    virtual ~KeyStateService() = default;
    virtual std::int16_t asyncKeyState(int virtualKey) = 0;
    // The same query with the releases as well. Like asyncKeyState, it
    // starts the key's next "since". A service that sees no releases reports
    // none.
    virtual KeyActivity keyActivity(int virtualKey)
    {
        const std::int16_t state = asyncKeyState(virtualKey);
        return {state < 0, (state & kKeyWentDown) != 0, false};
    }
};

// Reports every key up. For hosts without a keyboard to watch.
class NullKeyState final : public KeyStateService {
public:
    std::int16_t asyncKeyState(int) override { return 0; }
};

} // namespace quorvex::platform
