#include "messagelist.h"

#include "arrivals.h"

namespace {

// A lone CR or LF belongs to the first line but would break its row on the
// screen: it is drawn as a visible mark there, the text itself unchanged.
QString oneRow(QString line) {
    for (QChar& c : line) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QChar(0x21B5);
    }
    return line;
}

} // namespace

MessageList::MessageList(const Arrivals& arrivals, std::function<QDateTime()> clock,
                         QObject* parent)
    : QAbstractListModel(parent)
    , m_arrivals(arrivals)
    , m_clock(std::move(clock)) {}

int MessageList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant MessageList::data(const QModelIndex& index, int role) const {
    const Line* shown = line(index.row());
    if (!shown || index.parent().isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return oneRow(shown->text);
    case Qt::ToolTipRole: {
        // Worked out when asked, so the age is current.
        const QDateTime when = arrived(*shown);
        return when.isValid() ? arrivalText(when, m_clock()) : QVariant();
    }
    case KeyRole:
        return QVariant::fromValue(shown->key);
    case SequenceRole:
        return shown->sequence;
    case MoreRole:
        return shown->more;
    case NewRole:
        return m_arrivals.isNew(shown->key);
    case ArrivedRole:
        return arrived(*shown);
    case UrgentRole:
        return shown->urgent;
    default:
        return {};
    }
}

QHash<int, QByteArray> MessageList::roleNames() const {
    return {{Qt::DisplayRole, "line"}, {Qt::ToolTipRole, "arrivalText"},
            {KeyRole, "key"},          {SequenceRole, "sequence"},
            {MoreRole, "more"},        {NewRole, "isNew"},
            {ArrivedRole, "arrived"},  {UrgentRole, "urgent"}};
}

void MessageList::setLines(std::vector<Line> lines) {
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

void MessageList::newnessChanged() {
    if (!m_lines.empty())
        emit dataChanged(index(0), index(rowCount() - 1), {NewRole});
}

const MessageList::Line* MessageList::line(int row) const {
    return row >= 0 && static_cast<size_t>(row) < m_lines.size()
               ? &m_lines[static_cast<size_t>(row)]
               : nullptr;
}

int MessageList::rowOf(const store::RowKey& key) const {
    const auto found =
        std::find_if(m_lines.cbegin(), m_lines.cend(), [&](const Line& l) { return l.key == key; });
    return found == m_lines.cend() ? -1 : static_cast<int>(found - m_lines.cbegin());
}

QDateTime MessageList::arrived(const Line& line) const {
    return line.created.isValid() ? line.created : m_arrivals.firstSeen(line.key);
}
