#include "launcher/window/PositionMemory.h"

namespace launcher {

void PositionMemory::dragEnded(std::optional<PixelPoint> placed)
{
    m_asking = true;
    m_questions = 0;
    m_placed = placed;
    // Every release writes its position once, whatever the file held.
    m_stored.reset();
}

PositionMemory::Step PositionMemory::answered(std::optional<PixelPoint> where)
{
    if (!m_asking)
        return {};
    Step step;
    if (where && where != m_stored) {
        step.store = where;
        m_stored = where;
    }
    ++m_questions;
    const bool arrived = !m_placed || (where && *where == *m_placed);
    step.askAgain = where && !arrived && m_questions < kMaxQuestions;
    m_asking = step.askAgain;
    return step;
}

} // namespace launcher
