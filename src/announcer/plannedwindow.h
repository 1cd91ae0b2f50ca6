#pragma once

#include <QDialog>
#include <QTimer>

namespace desk {
class PlannedModel;
class PlannedSheet;
namespace planned {
struct Message;
}
} // namespace desk
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTableView;
class QTimeEdit;

// "Planned messages" (F8 on the announcer screen): the announcer's own
// running sheet of today, a table with the state of each, and the form
// that plans one. It stays open beside the screen while the announcer
// works; the desk adds each message when it is due.
class PlannedWindow : public QDialog {
    Q_OBJECT

public:
    explicit PlannedWindow(desk::PlannedSheet& sheet, QWidget* parent = nullptr);

private:
    void addShortcuts();
    void showChosen();
    void showSheetState();
    [[nodiscard]] int chosenId() const;
    [[nodiscard]] desk::planned::Message formMessage() const;
    void addFromForm();
    void saveForm();
    void duplicateChosen();
    void removeChosen();
    void importCsv();
    void exportCsv();
    void choose(int id);
    void tell(const QString& text);

    desk::PlannedSheet& m_sheet;
    desk::PlannedModel* m_model;
    QTableView* m_table;
    QLabel* m_state;
    QPlainTextEdit* m_text;
    QTimeEdit* m_notBefore;
    QCheckBox* m_hasNotAfter;
    QTimeEdit* m_notAfter;
    QSpinBox* m_repeat;
    QCheckBox* m_urgent;
    // The states' ages move on with the clock.
    QTimer m_ages;
    // The message the form shows; it stays chosen while the sheet changes.
    int m_chosen = 0;
};
