#include "dismissalhistory.h"

#include <numeric>

namespace desk {

void DismissalHistory::push(DismissedMessage dismissal) {
    m_dismissals.push_back(std::move(dismissal));
    const auto keptSize = [this] {
        return std::accumulate(
            m_dismissals.cbegin(), std::prev(m_dismissals.cend()), qsizetype{0},
            [](qsizetype sum, const DismissedMessage& kept) { return sum + kept.message.size(); });
    };
    while (m_dismissals.size() > levels || (m_dismissals.size() > 1 && keptSize() > keptCharacters))
        m_dismissals.pop_front();
}

std::optional<DismissedMessage> DismissalHistory::take(const QString& database,
                                                       const QString& station) {
    for (auto dismissal = m_dismissals.rbegin(); dismissal != m_dismissals.rend(); ++dismissal) {
        if (dismissal->database != database ||
            (!station.isEmpty() && dismissal->station != station))
            continue;
        DismissedMessage taken = std::move(*dismissal);
        m_dismissals.erase(std::next(dismissal).base());
        return taken;
    }
    return std::nullopt;
}

} // namespace desk
