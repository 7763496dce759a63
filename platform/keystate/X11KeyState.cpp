#include "platform/keystate/X11KeyState.h"

#include "platform/keystate/KeyEdgeTracker.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <unordered_map>

namespace quorvex::platform {

std::vector<unsigned long> keysymsForVirtualKey(int virtualKey)
{
    if (virtualKey >= vk::kA && virtualKey < vk::kA + 26)
        return {static_cast<unsigned long>(XK_a + (virtualKey - vk::kA))};
    if (virtualKey >= vk::k0 && virtualKey < vk::k0 + 10)
        return {static_cast<unsigned long>(XK_0 + (virtualKey - vk::k0))};
    if (virtualKey >= vk::kNumpad0 && virtualKey < vk::kNumpad0 + 10)
        return {static_cast<unsigned long>(XK_KP_0 + (virtualKey - vk::kNumpad0))};
    if (virtualKey >= vk::kF1 && virtualKey < vk::kF1 + 16)
        return {static_cast<unsigned long>(XK_F1 + (virtualKey - vk::kF1))};

    switch (virtualKey) {
    case vk::kCancel: return {XK_Cancel, XK_Break};
    case vk::kBack: return {XK_BackSpace};
    case vk::kTab: return {XK_Tab, XK_ISO_Left_Tab};
    case vk::kClear: return {XK_Clear};
    case vk::kReturn: return {XK_Return, XK_KP_Enter};
    // The generic modifier codes stand for either the left or the right key.
    case vk::kShift: return {XK_Shift_L, XK_Shift_R};
    case vk::kControl: return {XK_Control_L, XK_Control_R};
    case vk::kMenu: return {XK_Alt_L, XK_Alt_R};
    case vk::kPause: return {XK_Pause};
    case vk::kCapital: return {XK_Caps_Lock};
    case vk::kEscape: return {XK_Escape};
    case vk::kSpace: return {XK_space};
    case vk::kPrior: return {XK_Prior};
    case vk::kNext: return {XK_Next};
    case vk::kEnd: return {XK_End};
    case vk::kHome: return {XK_Home};
    case vk::kLeft: return {XK_Left};
    case vk::kUp: return {XK_Up};
    case vk::kRight: return {XK_Right};
    case vk::kDown: return {XK_Down};
    case vk::kSelect: return {XK_Select};
    // X has a single print key; both print codes read it.
    case vk::kPrint: return {XK_Print};
    case vk::kExecute: return {XK_Execute};
    case vk::kSnapshot: return {XK_Print};
    case vk::kInsert: return {XK_Insert};
    case vk::kDelete: return {XK_Delete};
    case vk::kHelp: return {XK_Help};
    case vk::kMultiply: return {XK_KP_Multiply};
    case vk::kAdd: return {XK_KP_Add};
    case vk::kSeparator: return {XK_KP_Separator};
    case vk::kSubtract: return {XK_KP_Subtract};
    case vk::kDecimal: return {XK_KP_Decimal};
    case vk::kDivide: return {XK_KP_Divide};
    case vk::kNumLock: return {XK_Num_Lock};
    case vk::kScroll: return {XK_Scroll_Lock};
    default: return {};
    }
}

namespace {

// Several queries belong to one poll (modifiers, then the key); they share a
// keymap snapshot when they come this close together, which keeps an idle
// poller at one round trip to the server per tick.
constexpr auto kSnapshotLifetime = std::chrono::milliseconds(2);

std::atomic<bool> g_reportedNoDisplay{false};

unsigned pointerMaskFor(int virtualKey)
{
    switch (virtualKey) {
    case vk::kLButton: return Button1Mask;
    case vk::kMButton: return Button2Mask;
    case vk::kRButton: return Button3Mask;
    default: return 0;
    }
}

} // namespace

struct X11KeyState::Impl {
    Display* display = nullptr;
    KeyEdgeTracker tracker;
    // Keycodes per virtual-key code, filled on first use and dropped when the
    // server announces a new keyboard mapping.
    std::unordered_map<int, std::vector<int>> keycodes;
    std::array<char, 32> keymap{};
    std::chrono::steady_clock::time_point keymapTime{};
    bool haveKeymap = false;
    unsigned pointerMask = 0;
    std::chrono::steady_clock::time_point pointerTime{};
    bool havePointer = false;

    void drainEvents()
    {
        // MappingNotify reaches every client unasked; nothing else is selected.
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MappingNotify) {
                XRefreshKeyboardMapping(&event.xmapping);
                keycodes.clear();
            }
        }
    }

    const std::vector<int>& keycodesFor(int virtualKey)
    {
        auto found = keycodes.find(virtualKey);
        if (found != keycodes.end())
            return found->second;
        std::vector<int> codes;
        const auto wanted = keysymsForVirtualKey(virtualKey);
        if (!wanted.empty()) {
            int minCode = 0;
            int maxCode = 0;
            XDisplayKeycodes(display, &minCode, &maxCode);
            int perCode = 0;
            KeySym* map = XGetKeyboardMapping(display, static_cast<KeyCode>(minCode),
                                              maxCode - minCode + 1, &perCode);
            if (map) {
                // Any level counts: the keypad digits sit on the second level.
                for (int code = minCode; code <= maxCode; ++code) {
                    const KeySym* row = map + static_cast<long>(code - minCode) * perCode;
                    bool match = false;
                    for (int level = 0; level < perCode && !match; ++level)
                        for (unsigned long keysym : wanted)
                            match = match || row[level] == keysym;
                    if (match)
                        codes.push_back(code);
                }
                XFree(map);
            }
        }
        return keycodes.emplace(virtualKey, std::move(codes)).first->second;
    }

    bool keyDown(int virtualKey)
    {
        const auto now = std::chrono::steady_clock::now();
        if (const unsigned mask = pointerMaskFor(virtualKey)) {
            if (!havePointer || now - pointerTime > kSnapshotLifetime) {
                Window root = 0, child = 0;
                int rootX = 0, rootY = 0, winX = 0, winY = 0;
                pointerMask = 0;
                XQueryPointer(display, DefaultRootWindow(display), &root, &child,
                              &rootX, &rootY, &winX, &winY, &pointerMask);
                pointerTime = now;
                havePointer = true;
            }
            return (pointerMask & mask) != 0;
        }
        if (!haveKeymap || now - keymapTime > kSnapshotLifetime) {
            drainEvents();
            XQueryKeymap(display, keymap.data());
            keymapTime = now;
            haveKeymap = true;
        }
        for (int code : keycodesFor(virtualKey)) {
            if (code >= 0 && code < 256 && (keymap[code / 8] & (1 << (code % 8))) != 0)
                return true;
        }
        return false;
    }
};

X11KeyState::X11KeyState(const std::string& displayName)
    : m_impl(std::make_unique<Impl>())
{
    m_impl->display = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
    if (!m_impl->display && !g_reportedNoDisplay.exchange(true)) {
        std::fprintf(stderr,
                     "quorvex: cannot open the X11 display; global hot keys are not "
                     "available and every key reads as up\n");
    }
}

X11KeyState::~X11KeyState()
{
    if (m_impl->display)
        XCloseDisplay(m_impl->display);
}

bool X11KeyState::isConnected() const
{
    return m_impl->display != nullptr;
}

std::int16_t X11KeyState::asyncKeyState(int virtualKey)
{
    if (!m_impl->display)
        return 0;
    return m_impl->tracker.sample(virtualKey, m_impl->keyDown(virtualKey));
}

} // namespace quorvex::platform
