#include "messagelist.h"

#include "arrivals.h"

#include <algorithm>

namespace desk {

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

// A view shows the two lines alike.
bool sameLine(const MessageList::Line& a, const MessageList::Line& b) {
    return a.text == b.text && a.sequence == b.sequence && a.more == b.more &&
           a.created == b.created && a.urgent == b.urgent;
}

std::vector<MessageList::Line>::iterator at(std::vector<MessageList::Line>& lines, size_t row) {
    return lines.begin() + static_cast<std::ptrdiff_t>(row);
}

} // namespace

MessageList::MessageList(const Arrivals& arrivals, std::function<QDateTime()> clock,
                         QObject* parent)
    : QAbstractListModel(parent)
    , m_arrivals(arrivals)
    , m_clock(std::move(clock)) {}

int MessageList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size() - m_gapSize);
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

void MessageList::newnessChanged() {
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), {NewRole});
}

const MessageList::Line* MessageList::line(int row) const {
    if (row < 0 || row >= rowCount())
        return nullptr;
    const auto place = static_cast<size_t>(row);
    return &m_lines[place < m_gapAt ? place : place + m_gapSize];
}

int MessageList::rowOf(const store::RowKey& key) const {
    return m_rowOf.value(key, -1);
}

QDateTime MessageList::arrived(const Line& line) const {
    return line.created.isValid() ? line.created : m_arrivals.firstSeen(line.key);
}

// A new listing is merged in step by step, each step told to the views as
// it is made: lines changed, lines gone, a new order, new lines. Each step
// is one pass over the list, so a listing costs in proportion to its size
// however much changed.
void MessageList::setLines(std::vector<Line> lines) {
    std::vector<int>& places = m_places;
    findPlaces(lines, places);
    updateChanged(places, lines);
    const bool removed = removeUnlisted(places);
    const bool sorted = sortAsListed(places, lines.size());
    const bool inserted = insertNew(places, lines);
    if (removed || sorted || inserted)
        indexKeys();
}

// Where the new listing has each row; -1 where it has it no more. Most
// listings keep most rows where they were, so rows are matched in place
// from both ends, and by key only in between. Identical rows of a row
// source without a key column share their key: between the ends only the
// first of them is matched, the others go and come in again.
void MessageList::findPlaces(const std::vector<Line>& lines, std::vector<int>& places) const {
    places.assign(m_lines.size(), -1);
    const size_t both = std::min(m_lines.size(), lines.size());
    size_t head = 0;
    while (head < both && m_lines[head].key == lines[head].key) {
        places[head] = static_cast<int>(head);
        ++head;
    }
    size_t tail = 0;
    for (; tail < both - head; ++tail) {
        const size_t row = m_lines.size() - 1 - tail;
        const size_t place = lines.size() - 1 - tail;
        if (!(m_lines[row].key == lines[place].key))
            break;
        places[row] = static_cast<int>(place);
    }
    for (size_t place = head; place < lines.size() - tail; ++place) {
        const int row = rowOf(lines[place].key);
        if (row >= 0 && places[static_cast<size_t>(row)] < 0)
            places[static_cast<size_t>(row)] = static_cast<int>(place);
    }
}

// A row listed again takes its new text, Sequence and time; each run of
// changed rows is reported at once.
void MessageList::updateChanged(const std::vector<int>& places, std::vector<Line>& lines) {
    int first = -1;
    const auto reportRun = [&](int end) {
        if (first >= 0)
            emit dataChanged(index(first), index(end - 1));
        first = -1;
    };
    for (size_t row = 0; row < m_lines.size(); ++row) {
        const int place = places[row];
        if (place < 0 || sameLine(m_lines[row], lines[static_cast<size_t>(place)])) {
            reportRun(static_cast<int>(row));
            continue;
        }
        m_lines[row] = std::move(lines[static_cast<size_t>(place)]);
        if (first < 0)
            first = static_cast<int>(row);
    }
    reportRun(rowCount());
}

// Each run of rows no longer listed goes at once; the gap collects them,
// so each row that stays moves down only once.
bool MessageList::removeUnlisted(std::vector<int>& places) {
    const size_t count = m_lines.size();
    for (size_t row = 0; row < count;) {
        if (places[row] >= 0) {
            ++row;
            continue;
        }
        size_t end = row + 1;
        while (end < count && places[end] < 0)
            ++end;
        const size_t first = row - m_gapSize;
        moveGapTo(first);
        beginRemoveRows({}, static_cast<int>(first), static_cast<int>(first + end - row - 1));
        m_gapSize += end - row;
        endRemoveRows();
        row = end;
    }
    const bool removed = m_gapSize > 0;
    moveGapTo(count - m_gapSize);
    m_lines.resize(m_gapAt);
    m_gapAt = 0;
    m_gapSize = 0;
    std::erase(places, -1);
    return removed;
}

// Rows the new listing has in another order (a changed Sequence sorts a
// row elsewhere) take it in one layout change; the indexes views keep
// (their cursor) go with their rows.
bool MessageList::sortAsListed(std::vector<int>& places, size_t count) {
    if (std::is_sorted(places.cbegin(), places.cend()))
        return false;
    std::vector<int> rowAt(count, -1);
    for (size_t row = 0; row < places.size(); ++row)
        rowAt[static_cast<size_t>(places[row])] = static_cast<int>(row);
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> sortedRow(places.size());
    std::vector<Line> sorted;
    sorted.reserve(m_lines.size());
    places.clear();
    for (size_t place = 0; place < count; ++place) {
        const int row = rowAt[place];
        if (row < 0)
            continue;
        sortedRow[static_cast<size_t>(row)] = static_cast<int>(sorted.size());
        sorted.push_back(std::move(m_lines[static_cast<size_t>(row)]));
        places.push_back(static_cast<int>(place));
    }
    m_lines = std::move(sorted);
    const QModelIndexList kept = persistentIndexList();
    QModelIndexList moved;
    moved.reserve(kept.size());
    for (const QModelIndex& index : kept)
        moved.append(this->index(sortedRow[static_cast<size_t>(index.row())]));
    changePersistentIndexList(kept, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    return true;
}

// Each run of new rows comes in at once at its place. The rows listed
// before wait at the end, behind a gap as long as all new rows, and each
// moves up only once.
bool MessageList::insertNew(const std::vector<int>& places, std::vector<Line>& lines) {
    const size_t kept = m_lines.size();
    const size_t count = lines.size();
    if (kept == count)
        return false;
    m_lines.resize(count);
    std::move_backward(m_lines.begin(), at(m_lines, kept), m_lines.end());
    m_gapSize = count - kept;
    auto listed = places.cbegin();
    const auto isListed = [&](size_t row) {
        return listed != places.cend() && static_cast<size_t>(*listed) == row;
    };
    for (size_t row = 0; row < count;) {
        if (isListed(row)) {
            ++listed;
            ++row;
            continue;
        }
        size_t end = row + 1;
        while (end < count && !isListed(end))
            ++end;
        moveGapTo(row);
        beginInsertRows({}, static_cast<int>(row), static_cast<int>(end - 1));
        std::move(at(lines, row), at(lines, end), at(m_lines, row));
        m_gapAt = end;
        m_gapSize -= end - row;
        endInsertRows();
        row = end;
    }
    m_gapAt = 0;
    return true;
}

// The rows after the gap move down into it until it starts at row.
void MessageList::moveGapTo(size_t row) {
    if (m_gapSize > 0)
        std::move(at(m_lines, m_gapAt + m_gapSize), at(m_lines, row + m_gapSize),
                  at(m_lines, m_gapAt));
    m_gapAt = row;
}

// The first row of each key is the one that counts.
void MessageList::indexKeys() {
    m_rowOf.clear();
    m_rowOf.reserve(static_cast<qsizetype>(m_lines.size()));
    for (size_t row = m_lines.size(); row-- > 0;)
        m_rowOf.insert(m_lines[row].key, static_cast<int>(row));
}

} // namespace desk
