#pragma once

#include "store/rowkey.h"

#include <QAbstractListModel>
#include <QDateTime>

#include <functional>
#include <vector>

class Arrivals;

// The pending messages as the desk lists them, one line a row, for any
// view: the announcer screen's list, a browser station. A view draws a new
// line in bold from NewRole and asks Qt::ToolTipRole when it arrived.
class MessageList : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role {
        KeyRole = Qt::UserRole + 1, // store::RowKey
        SequenceRole,               // the Sequence as stored
        MoreRole,                   // the line is cut: the message goes on past it
        NewRole,                    // arrived since the announcer last looked
        ArrivedRole,                // when it arrived (the writer's time where there is one)
    };

    struct Line {
        store::RowKey key;
        QVariant sequence;
        QString text;
        bool more = false;
        // The writer's creation time; invalid when the row source has none.
        QDateTime created;
    };

    MessageList(const Arrivals& arrivals, std::function<QDateTime()> clock,
                QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index,
                                int role = Qt::DisplayRole) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

    void setLines(std::vector<Line> lines);
    // The arrivals changed what is new.
    void newnessChanged();

    [[nodiscard]] const Line* line(int row) const;
    // The row listing key; -1 when none does.
    [[nodiscard]] int rowOf(const store::RowKey& key) const;

private:
    [[nodiscard]] QDateTime arrived(const Line& line) const;

    const Arrivals& m_arrivals;
    std::function<QDateTime()> m_clock;
    std::vector<Line> m_lines;
};
