#pragma once

#include <QAbstractTableModel>

namespace desk {

class PlannedSheet;

// The running sheet as a table for the desk's window: not before, not
// after, repeat, urgent, the text's first line and the state, worked out
// when asked so that its times and ages are current. IdRole gives the
// message's id, by which the sheet changes it.
class PlannedModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NotBefore, NotAfter, Repeat, Urgent, Text, State, ColumnCount };
    static constexpr int IdRole = Qt::UserRole + 1;

    explicit PlannedModel(PlannedSheet& sheet, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index,
                                int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;
    // The row of the message with this id; -1 when none.
    [[nodiscard]] int rowOf(int id) const;
    // The states' ages changed with the time.
    void timePassed();

private:
    [[nodiscard]] QString stateText(int row) const;

    PlannedSheet& m_sheet;
};

} // namespace desk
