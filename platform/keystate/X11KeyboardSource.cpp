#include "platform/keystate/X11KeyboardSource.h"

#include "platform/keystate/KeyStateService.h"
#include "platform/keystate/X11Keysyms.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace quorvex::platform {

namespace {

// Several queries belong to one poll (modifiers, then the key); they share a
// keymap snapshot when they come this close together, which keeps an idle
// poller at one round trip to the server per tick.
constexpr auto kSnapshotLifetime = std::chrono::milliseconds(2);

std::atomic<bool> g_reportedNoDisplay{false};
std::atomic<bool> g_reportedNoRawEvents{false};
std::atomic<bool> g_reportedWayland{false};

// A Wayland compositor shows an X11 client the keys only while one of that
// client's windows has the focus: polling sees nothing otherwise.
// A program running as a Wayland client has said itself what does not
// work there, the hot key among it.
bool runsAsWaylandClient()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return platform && std::strncmp(platform, "wayland", 7) == 0;
}

void warnOnceIfKeysAreNotGlobal()
{
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (!wayland || !*wayland || runsAsWaylandClient() || g_reportedWayland.exchange(true))
        return;
    std::fprintf(stderr, "quorvex: this is a Wayland session; the hot key only works while the launcher "
                         "has the focus. Bind \"quorvex --raise\" to a key in the desktop's keyboard "
                         "settings to reach it from anywhere.\n");
}

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

X11KeyboardSource::X11KeyboardSource(const std::string& displayName)
{
    m_display = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
    if (!m_display) {
        if (!runsAsWaylandClient() && !g_reportedNoDisplay.exchange(true))
            std::fprintf(stderr, "quorvex: cannot open the X11 display; global hot keys are not "
                                 "available and every key reads as up\n");
        return;
    }
    warnOnceIfKeysAreNotGlobal();
    selectRawKeyEvents();
    if (!seesTransitions() && !g_reportedNoRawEvents.exchange(true))
        std::fprintf(stderr, "quorvex: the X server has no XInput 2; a hot key pressed and released "
                             "between two polls can go unnoticed\n");
}

X11KeyboardSource::~X11KeyboardSource()
{
    if (m_display)
        XCloseDisplay(m_display);
}

void X11KeyboardSource::selectRawKeyEvents()
{
    int opcode = 0;
    int firstEvent = 0;
    int firstError = 0;
    if (!XQueryExtension(m_display, "XInputExtension", &opcode, &firstEvent, &firstError))
        return;
    // From 2.1 on, raw events reach every client that selected them, even
    // while another client holds a grab.
    int major = 2;
    int minor = 2;
    if (XIQueryVersion(m_display, &major, &minor) != Success || major < 2 || (major == 2 && minor < 1))
        return;
    std::array<unsigned char, XIMaskLen(XI_LASTEVENT)> bits{};
    XISetMask(bits.data(), XI_RawKeyPress);
    XISetMask(bits.data(), XI_RawKeyRelease);
    XIEventMask mask;
    // The master keyboard alone: its slaves would report every key twice.
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = static_cast<int>(bits.size());
    mask.mask = bits.data();
    if (XISelectEvents(m_display, DefaultRootWindow(m_display), &mask, 1) != Success)
        return;
    XFlush(m_display);
    m_inputOpcode = opcode;
}

void X11KeyboardSource::drainEvents(std::vector<KeyTransition>& transitions)
{
    // MappingNotify reaches every client unasked; the raw key events are the
    // only ones selected.
    while (XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        if (event.type == MappingNotify) {
            XRefreshKeyboardMapping(&event.xmapping);
            m_keycodes.clear();
            continue;
        }
        XGenericEventCookie* cookie = &event.xcookie;
        if (event.type != GenericEvent || cookie->extension != m_inputOpcode || !XGetEventData(m_display, cookie))
            continue;
        if (cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease) {
            const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
            transitions.push_back({raw->detail, cookie->evtype == XI_RawKeyPress});
        }
        XFreeEventData(m_display, cookie);
    }
}

void X11KeyboardSource::update(Keymap& keymap, std::vector<KeyTransition>& transitions)
{
    if (!m_display)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (!m_haveKeymap || now - m_keymapTime > kSnapshotLifetime) {
        // The keymap first, then the events: every transition that the
        // keymap already shows has arrived by the time its reply has.
        std::array<char, 32> bytes{};
        XQueryKeymap(m_display, bytes.data());
        m_keymap.reset();
        for (std::size_t code = 0; code < m_keymap.size(); ++code) {
            if ((static_cast<unsigned char>(bytes[code / 8]) & (1u << (code % 8))) != 0)
                m_keymap.set(code);
        }
        m_keymapTime = now;
        m_haveKeymap = true;
        drainEvents(transitions);
    }
    keymap = m_keymap;
}

const std::vector<int>& X11KeyboardSource::keycodesFor(int virtualKey)
{
    auto found = m_keycodes.find(virtualKey);
    if (found != m_keycodes.end())
        return found->second;
    std::vector<int> codes;
    const auto wanted = keysymsForVirtualKey(virtualKey);
    if (m_display && !wanted.empty()) {
        int minCode = 0;
        int maxCode = 0;
        XDisplayKeycodes(m_display, &minCode, &maxCode);
        int perCode = 0;
        KeySym* map = XGetKeyboardMapping(m_display, static_cast<KeyCode>(minCode), maxCode - minCode + 1, &perCode);
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
    return m_keycodes.emplace(virtualKey, std::move(codes)).first->second;
}

std::optional<bool> X11KeyboardSource::pointerButtonDown(int virtualKey)
{
    const unsigned mask = pointerMaskFor(virtualKey);
    if (mask == 0)
        return std::nullopt;
    if (!m_display)
        return false;
    const auto now = std::chrono::steady_clock::now();
    if (!m_havePointer || now - m_pointerTime > kSnapshotLifetime) {
        Window root = 0;
        Window child = 0;
        int rootX = 0, rootY = 0, winX = 0, winY = 0;
        m_pointerMask = 0;
        XQueryPointer(m_display, DefaultRootWindow(m_display), &root, &child, &rootX, &rootY, &winX, &winY,
                      &m_pointerMask);
        m_pointerTime = now;
        m_havePointer = true;
    }
    return (m_pointerMask & mask) != 0;
}

} // namespace quorvex::platform
