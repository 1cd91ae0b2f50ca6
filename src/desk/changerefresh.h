#pragma once

#include <QTimer>

#include <functional>

// Turns a burst of change reports from the database into one refresh, a
// moment after the first report. The refresh runs from the event loop like
// a timer tick, so it never cuts into a choice or a dismissal.
class ChangeRefresh {
public:
    explicit ChangeRefresh(std::function<void()> refresh);

    // A report that the rows may have changed.
    void changed();

    // Long enough to gather the writes of one commit (log, index, file),
    // short enough that a message still appears at once.
    static constexpr int delayMs = 60;

private:
    QTimer m_delay;
};
