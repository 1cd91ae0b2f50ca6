#include "dismissalhistory.h"

void DismissalHistory::push(DismissedMessage dismissal) {
    m_dismissals.push_back(std::move(dismissal));
    if (m_dismissals.size() > levels)
        m_dismissals.pop_front();
}

std::optional<DismissedMessage> DismissalHistory::take(const QString& database) {
    for (auto dismissal = m_dismissals.rbegin(); dismissal != m_dismissals.rend(); ++dismissal) {
        if (dismissal->database != database)
            continue;
        DismissedMessage taken = std::move(*dismissal);
        m_dismissals.erase(std::next(dismissal).base());
        return taken;
    }
    return std::nullopt;
}
