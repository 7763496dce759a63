#pragma once

#include <cstdint>
#include <stdexcept>

namespace quorvex::shape {

// Thrown by WorkBudget::spend once a computation has used up its budget.
class WorkBudgetExceeded final : public std::runtime_error {
public:
    WorkBudgetExceeded() : std::runtime_error("shape outline needs more work than allowed") { }
};

// A count of elementary steps a computation may take (a scan line, an edge
// stepped on a scan line, a rectangle read or written by a combination). It
// stands in for a time limit: the same input is accepted or refused on every
// machine, whatever its load.
class WorkBudget {
public:
    explicit WorkBudget(std::uint64_t units) : m_left(units) { }

    // Takes `units` steps from the budget; throws WorkBudgetExceeded, before
    // the work is done, when they are not there.
    void spend(std::uint64_t units)
    {
        if (units > m_left)
            throw WorkBudgetExceeded();
        m_left -= units;
    }

    std::uint64_t left() const { return m_left; }

private:
    std::uint64_t m_left;
};

} // namespace quorvex::shape
