#include "changerefresh.h"

namespace desk {

ChangeRefresh::ChangeRefresh(std::function<void()> refresh, std::function<Clock::time_point()> now)
    : m_refresh(std::move(refresh))
    , m_now(std::move(now)) {
    m_delay.setSingleShot(true);
    m_delay.setInterval(delayMs);
    QObject::connect(&m_delay, &QTimer::timeout, &m_delay, [this] { gathered(); });
}

// A report during the delay joins the refresh already due; restarting the
// delay instead would let a steady writer put the refresh off for ever.
void ChangeRefresh::changed() {
    const Clock::time_point now = m_now();
    const bool afterQuiet =
        !m_lastReport || now - *m_lastReport >= std::chrono::milliseconds(delayMs);
    m_lastReport = now;
    if (m_delay.isActive())
        return;
    if (afterQuiet)
        m_refresh();
    else
        m_delay.start();
}

void ChangeRefresh::gathered() {
    m_delay.stop();
    m_refresh();
}

} // namespace desk
