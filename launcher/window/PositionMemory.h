#pragma once

#include "launcher/window/PixelGeometry.h"

#include <optional>

namespace launcher {

// Keeps the skin file's record of where the window was left truthful: a
// position is written only once the window system has reported the window
// there, never because the program asked for it. Where the program moved
// the window itself, the window system may still be catching up when the
// button comes up, so it is asked again, a few times, until it shows the
// window where the program put it; each answer on the way is a place the
// window really had. Where the window system did the moving, its first
// answer after the release stands. Where it never answers (a Wayland
// compositor tells no program where its windows are), nothing is written.
class PositionMemory {
public:
    // How often the window system is asked after one release at most, and
    // how long apart: a window manager takes well under a second.
    static constexpr int kMaxQuestions = 10;
    static constexpr int kQuestionIntervalMs = 100;

    // What to do with one answer.
    struct Step {
        std::optional<PixelPoint> store;
        bool askAgain = false;
        friend bool operator==(const Step&, const Step&) = default;
    };

    // A drag, or a click on the window's background, ended. `placed` is
    // where the program itself last put the window; nothing when the window
    // system moved it.
    void dragEnded(std::optional<PixelPoint> placed);
    // The window system's answer to "where is the window?" after the drag
    // ended: nothing when it cannot say.
    Step answered(std::optional<PixelPoint> where);

private:
    bool m_asking = false;
    int m_questions = 0;
    std::optional<PixelPoint> m_placed;
    std::optional<PixelPoint> m_stored;
};

} // namespace launcher
