#pragma once

#include <optional>

namespace launcher {

// Where the window is and how large the screen is, in twips. The window's
// left keeps its fraction while it is dragged; its top is whole twips.
struct DragFrame {
    float leftTwips = 0;
    int topTwips = 0;
    int widthTwips = 0;
    int heightTwips = 0;
    long screenWidthTwips = 0;
    long screenHeightTwips = 0;
};

// The new window position of one drag step.
struct DragPosition {
    float leftTwips = 0;
    int topTwips = 0;
    friend bool operator==(const DragPosition&, const DragPosition&) = default;
};

// Dragging the borderless window by its background or its shade strip. The
// window follows the pointer and snaps flush to a screen edge once it comes
// within ten pixels of it, unless Ctrl is held. An edge only pulls while the
// pointer is at or beyond the position recorded at the previous step in that
// edge's direction, so the window is never held at an edge it is being
// dragged away from; while it is held, the recorded position does not
// advance, so the window leaves the edge only once the pointer comes back
// past the point where it was caught. The record is kept relative to the
// window where each step leaves it. Pointer positions are twips on the
// screen, as the window system reports them with each event: a window
// position worked out from the pointer's place within the window would carry
// over every step the window system did not carry out. Buttons and shift are
// the launcher's pointer codes.
class WindowDrag {
public:
    // The snap distance is ten pixels across, for every edge.
    explicit WindowDrag(int twipsPerPixelX = 15);

    // Only the left button starts a drag.
    void press(int button, const DragFrame& window, float screenXTwips, float screenYTwips);
    // The new position while a drag is in progress; nothing otherwise (the
    // window then undoes a drag-over highlight instead). Either way the
    // caller stops the dwell timer.
    [[nodiscard]] std::optional<DragPosition> move(int shift, const DragFrame& window, float screenXTwips,
                                                   float screenYTwips);
    // Ends the drag; true when the release asks for the Splash window (any
    // button but the left). Where the window was left is for the window
    // system to say (see PositionMemory).
    bool release(int button);

    bool isMoving() const { return m_moving; }
    int lastDragX() const { return m_lastDragX; }
    int lastDragY() const { return m_lastDragY; }

private:
    int m_twipsPerPixelX;
    bool m_moving = false;
    float m_oldLeft = 0;
    float m_oldTop = 0;
    float m_oldX = 0;
    float m_oldY = 0;
    // The pointer at the previous step relative to the window, after the
    // edges held it.
    int m_lastDragX = 0;
    int m_lastDragY = 0;
};

inline constexpr int kSnapDistancePx = 10;
inline constexpr const char* kUserSettingsSection = "UserSettings";
inline constexpr const char* kStartupLeftKey = "StartupLeft";
inline constexpr const char* kStartupTopKey = "StartupTop";

} // namespace launcher
