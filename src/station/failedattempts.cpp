#include "failedattempts.h"

#include <algorithm>

namespace station {

std::chrono::milliseconds FailedAttempts::waitFor(const QHostAddress& address,
                                                  Clock::time_point now) const {
    const auto found = m_failures.constFind(address);
    if (found == m_failures.cend() || now - found->last >= forgetAfter)
        return std::chrono::milliseconds(0);
    const int doublings = std::min(found->count - 1, 16);
    const auto wait =
        std::min<std::chrono::milliseconds>(firstWait * (1 << doublings), longestWait);
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(now - found->last);
    return std::max(wait - waited, std::chrono::milliseconds(0));
}

void FailedAttempts::failed(const QHostAddress& address, Clock::time_point now) {
    auto found = m_failures.find(address);
    if (found == m_failures.end()) {
        if (m_failures.size() >= remembered) {
            const auto quietest = std::min_element(
                m_failures.begin(), m_failures.end(),
                [](const Failures& a, const Failures& b) { return a.last < b.last; });
            m_failures.erase(quietest);
        }
        found = m_failures.insert(address, {});
    } else if (now - found->last >= forgetAfter) {
        found->count = 0;
    }
    ++found->count;
    found->last = now;
}

} // namespace station
