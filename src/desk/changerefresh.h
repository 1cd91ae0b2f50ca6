#pragma once

#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

namespace desk {

// Turns change reports from the database into refreshes. The first report
// after a quiet spell refreshes at once, so a single commit is listed
// without delay; the reports that follow it are gathered into one refresh
// a moment after the first of them, as a burst of writes would otherwise
// cost a refresh each: a burst costs two refreshes, and a steady writer one
// per gathering. Every refresh runs from the event loop, as a timer tick
// does, so it never cuts into a choice or a dismissal.
class ChangeRefresh {
public:
    using Clock = std::chrono::steady_clock;

    explicit ChangeRefresh(std::function<void()> refresh,
                           std::function<Clock::time_point()> now = Clock::now);

    // A report that the rows may have changed.
    void changed();
    // The end of a gathering: the refresh of what was gathered (the
    // timer's tick).
    void gathered();
    [[nodiscard]] bool isGathering() const { return m_delay.isActive(); }

    // Long enough to gather a burst of commits into one refresh, short
    // enough that the last of them still appears at once. A report this
    // long after the one before it is listed at once again.
    static constexpr int delayMs = 60;

private:
    std::function<void()> m_refresh;
    std::function<Clock::time_point()> m_now;
    std::optional<Clock::time_point> m_lastReport;
    QTimer m_delay;
};

} // namespace desk
