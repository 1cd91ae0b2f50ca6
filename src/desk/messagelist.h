#pragma once

#include "store/rowkey.h"

#include <QAbstractListModel>
#include <QDateTime>
#include <QHash>

#include <functional>
#include <vector>

namespace desk {

class Arrivals;

// The pending messages as the desk lists them, one line a row, for any
// view: the announcer screen's list, a browser station. A view draws a new
// line in bold from NewRole, marks an urgent one from UrgentRole, and asks
// Qt::ToolTipRole when it arrived.
// A new listing changes the rows in place (rows gone are removed, new ones
// inserted, changed ones reported, a new order is a layout change), so a
// view's cursor and scroll position stay with the rows they were on.
class MessageList : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role {
        KeyRole = Qt::UserRole + 1, // store::RowKey
        SequenceRole,               // the Sequence as stored
        MoreRole,                   // the line is cut: the message goes on past it
        NewRole,                    // arrived since the announcer last looked
        ArrivedRole,                // when it arrived (the writer's time where there is one)
        UrgentRole,                 // sent as urgent from a send page
    };

    struct Line {
        store::RowKey key;
        QVariant sequence;
        QString text;
        bool more = false;
        // The writer's creation time; invalid when the row source has none.
        QDateTime created;
        bool urgent = false;
    };

    MessageList(const Arrivals& arrivals, std::function<QDateTime()> clock,
                QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index,
                                int role = Qt::DisplayRole) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

    [[nodiscard]] const Line* line(int row) const;
    // The row listing key (the first of rows that share it); -1 when none does.
    [[nodiscard]] int rowOf(const store::RowKey& key) const;

private:
    // Only the desk lists, and knows when what is new changed.
    friend class AnnouncerDesk;
    void setLines(std::vector<Line> lines);
    void newnessChanged();

    [[nodiscard]] QDateTime arrived(const Line& line) const;
    void findPlaces(const std::vector<Line>& lines, std::vector<int>& places) const;
    void updateChanged(const std::vector<int>& places, std::vector<Line>& lines);
    bool removeUnlisted(std::vector<int>& places);
    bool sortAsListed(std::vector<int>& places, size_t count);
    bool insertNew(const std::vector<int>& places, std::vector<Line>& lines);
    void moveGapTo(size_t row);
    void indexKeys();

    const Arrivals& m_arrivals;
    std::function<QDateTime()> m_clock;
    // The lines in list order. While a listing is merged in, m_gapSize
    // slots from m_gapAt on hold no row, so that rows removed and inserted
    // all through the list move each line once.
    std::vector<Line> m_lines;
    size_t m_gapAt = 0;
    size_t m_gapSize = 0;
    // The row of each key, kept for the list as it stands between listings.
    QHash<store::RowKey, int> m_rowOf;
    // Where a new listing has each row while it is merged in; kept, so
    // that a listing allocates nothing for it.
    std::vector<int> m_places;
};

} // namespace desk
