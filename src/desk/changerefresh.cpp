#include "changerefresh.h"

ChangeRefresh::ChangeRefresh(std::function<void()> refresh) {
    m_delay.setSingleShot(true);
    m_delay.setInterval(delayMs);
    QObject::connect(&m_delay, &QTimer::timeout, &m_delay, std::move(refresh));
}

// A report during the delay joins the refresh already due; restarting the
// delay instead would let a steady writer put the refresh off for ever.
void ChangeRefresh::changed() {
    if (!m_delay.isActive())
        m_delay.start();
}
