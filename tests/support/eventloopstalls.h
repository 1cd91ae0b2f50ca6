#pragma once

#include <QElapsedTimer>
#include <QTimer>

// Measures how long the window's thread goes without handling events: a
// 10 ms timer notes the longest gap between two of its ticks while this
// lives.
class EventLoopStalls {
public:
    EventLoopStalls() {
        m_clock.start();
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_clock.restart());
        });
        m_timer.start(10);
    }
    [[nodiscard]] qint64 longestMs() const { return std::max(m_longest, m_clock.elapsed()); }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};
