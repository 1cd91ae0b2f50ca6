#include "plannedmodel.h"

#include "plannedsheet.h"
#include "timetexts.h"

namespace desk {

PlannedModel::PlannedModel(PlannedSheet& sheet, QObject* parent)
    : QAbstractTableModel(parent)
    , m_sheet(sheet) {
    // The sheet is small (200 messages at most): each change is shown whole.
    connect(&m_sheet, &PlannedSheet::changed, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int PlannedModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_sheet.messages().size());
}

int PlannedModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PlannedModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const planned::Message& message = m_sheet.messages()[static_cast<size_t>(index.row())];
    if (role == IdRole)
        return message.id;
    if (role == Qt::ToolTipRole && index.column() == Text)
        return message.text;
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case NotBefore:
        return timeOfDayText(message.notBefore);
    case NotAfter:
        return message.notAfter.isValid() ? timeOfDayText(message.notAfter) : QString();
    case Repeat:
        return message.repeatMinutes > 0 ? tr("every %n min", nullptr, message.repeatMinutes)
                                         : tr("once");
    case Urgent:
        return message.urgent ? tr("urgent") : QString();
    case Text:
        return message.text.section(QLatin1Char('\n'), 0, 0);
    case State:
        return stateText(index.row());
    default:
        return {};
    }
}

QVariant PlannedModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NotBefore:
        return tr("Not before");
    case NotAfter:
        return tr("Not after");
    case Repeat:
        return tr("Repeat");
    case Urgent:
        return tr("Urgent");
    case Text:
        return tr("Message");
    case State:
        return tr("State");
    default:
        return {};
    }
}

int PlannedModel::rowOf(int id) const {
    const auto& messages = m_sheet.messages();
    for (size_t row = 0; row < messages.size(); ++row) {
        if (messages[row].id == id)
            return static_cast<int>(row);
    }
    return -1;
}

void PlannedModel::timePassed() {
    if (rowCount() > 0)
        emit dataChanged(index(0, State), index(rowCount() - 1, State), {Qt::DisplayRole});
}

QString PlannedModel::stateText(int row) const {
    const planned::Message& message = m_sheet.messages()[static_cast<size_t>(row)];
    const QDateTime now = m_sheet.now();
    const QDateTime due = planned::dueAt(message, m_sheet.day());
    switch (planned::stateAt(message, m_sheet.day(), now)) {
    case planned::State::Waiting:
        return tr("waiting (due at %1)").arg(timeOfDayText(due.time()));
    case planned::State::Listed:
        return tr("on the list (since %1)").arg(timeOfDayText(message.listedAt.time()));
    case planned::State::ReadOut: {
        const int minutes = static_cast<int>(message.readAt.secsTo(now) / 60);
        const QString readOut = tr("read out at %1 (%n minute(s) ago)", nullptr, minutes)
                                    .arg(timeOfDayText(message.readAt.time()));
        return due.isValid() ? tr("%1, due again at %2").arg(readOut, timeOfDayText(due.time()))
                             : readOut;
    }
    case planned::State::Expired:
        return tr("expired");
    case planned::State::Done:
        return tr("done");
    }
    return {};
}

} // namespace desk
