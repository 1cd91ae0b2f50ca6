#include "plannedwindow.h"

#include "desk/plannedmodel.h"
#include "desk/plannedsheet.h"
#include "store/ownfile.h"
#include "store/regularfile.h"
#include "ui/messagebox.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

constexpr int agesMs = 30000;
const QString timeFormat = QStringLiteral("HH:mm");

QPushButton* button(const QString& name, const QString& text, QWidget* parent) {
    auto* made = new QPushButton(text, parent);
    made->setObjectName(name);
    made->setAutoDefault(false);
    return made;
}

QTimeEdit* timeEdit(const QString& name, QWidget* parent) {
    auto* edit = new QTimeEdit(parent);
    edit->setObjectName(name);
    edit->setDisplayFormat(timeFormat);
    return edit;
}

} // namespace

PlannedWindow::PlannedWindow(desk::PlannedSheet& sheet, QWidget* parent)
    : QDialog(parent)
    , m_sheet(sheet)
    , m_model(new desk::PlannedModel(sheet, this))
    , m_table(new QTableView(this))
    , m_state(new QLabel(this))
    , m_text(new QPlainTextEdit(this))
    , m_notBefore(timeEdit(QStringLiteral("NotBefore"), this))
    , m_hasNotAfter(new QCheckBox(tr("Not after"), this))
    , m_notAfter(timeEdit(QStringLiteral("NotAfter"), this))
    , m_repeat(new QSpinBox(this))
    , m_urgent(new QCheckBox(tr("Urgent"), this)) {
    setObjectName(QStringLiteral("PlannedMessages"));
    setWindowTitle(tr("Planned messages \u2013 kelvane"));
    m_state->setObjectName(QStringLiteral("SheetState"));
    m_state->setWordWrap(true);
    m_table->setObjectName(QStringLiteral("PlannedTable"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(desk::PlannedModel::Text,
                                                      QHeaderView::Stretch);
    m_text->setObjectName(QStringLiteral("PlannedText"));
    m_text->setTabChangesFocus(true);
    m_text->setFixedHeight(m_text->fontMetrics().lineSpacing() * 4);
    m_hasNotAfter->setObjectName(QStringLiteral("HasNotAfter"));
    m_notBefore->setTime(QTime(9, 0));
    m_notAfter->setTime(QTime(12, 0));
    m_notAfter->setEnabled(false);
    m_repeat->setObjectName(QStringLiteral("RepeatMinutes"));
    m_repeat->setRange(0, desk::planned::longestRepeatMinutes);
    m_repeat->setSpecialValueText(tr("once"));
    m_repeat->setSuffix(tr(" min"));
    m_urgent->setObjectName(QStringLiteral("Urgent"));
    connect(m_hasNotAfter, &QCheckBox::toggled, m_notAfter, &QWidget::setEnabled);

    auto* times = new QHBoxLayout;
    times->addWidget(new QLabel(tr("Not before"), this));
    times->addWidget(m_notBefore);
    times->addSpacing(12);
    times->addWidget(m_hasNotAfter);
    times->addWidget(m_notAfter);
    times->addSpacing(12);
    times->addWidget(new QLabel(tr("Repeat every"), this));
    times->addWidget(m_repeat);
    times->addSpacing(12);
    times->addWidget(m_urgent);
    times->addStretch(1);
    auto* form = new QGroupBox(tr("Message"), this);
    auto* formLayout = new QVBoxLayout(form);
    formLayout->addWidget(m_text);
    formLayout->addLayout(times);

    QPushButton* add = button(QStringLiteral("AddPlanned"), tr("&Add"), this);
    QPushButton* save = button(QStringLiteral("SavePlanned"), tr("&Save Changes"), this);
    QPushButton* duplicate = button(QStringLiteral("DuplicatePlanned"), tr("D&uplicate"), this);
    QPushButton* remove = button(QStringLiteral("RemovePlanned"), tr("&Remove"), this);
    QPushButton* import = button(QStringLiteral("ImportPlanned"), tr("&Import\u2026"), this);
    QPushButton* exportButton = button(QStringLiteral("ExportPlanned"), tr("&Export\u2026"), this);
    QPushButton* close = button(QStringLiteral("ClosePlanned"), tr("Close"), this);
    connect(add, &QPushButton::clicked, this, &PlannedWindow::addFromForm);
    connect(save, &QPushButton::clicked, this, &PlannedWindow::saveForm);
    connect(duplicate, &QPushButton::clicked, this, &PlannedWindow::duplicateChosen);
    connect(remove, &QPushButton::clicked, this, &PlannedWindow::removeChosen);
    connect(import, &QPushButton::clicked, this, &PlannedWindow::importCsv);
    connect(exportButton, &QPushButton::clicked, this, &PlannedWindow::exportCsv);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* each : {add, save, duplicate, remove})
        buttons->addWidget(each);
    buttons->addStretch(1);
    for (QPushButton* each : {import, exportButton, close})
        buttons->addWidget(each);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_state);
    layout->addWidget(m_table, 1);
    layout->addWidget(form);
    layout->addLayout(buttons);
    resize(900, 520);

    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &PlannedWindow::showChosen);
    connect(&m_sheet, &desk::PlannedSheet::changed, this, &PlannedWindow::showSheetState);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { choose(m_chosen); });
    m_ages.setInterval(agesMs);
    connect(&m_ages, &QTimer::timeout, m_model, &desk::PlannedModel::timePassed);
    m_ages.start();
    addShortcuts();
    showSheetState();
    m_table->setFocus();
}

// The table's own keys: Insert plans the form's message, Delete removes
// the chosen one, Ctrl+D duplicates it; Ctrl+S saves the form's changes.
void PlannedWindow::addShortcuts() {
    const auto onKey = [this](const QKeySequence& key, auto action, QWidget* where) {
        auto* shortcut = new QShortcut(key, where);
        shortcut->setContext(where == this ? Qt::WindowShortcut : Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    onKey(Qt::Key_Insert, &PlannedWindow::addFromForm, m_table);
    onKey(Qt::Key_Delete, &PlannedWindow::removeChosen, m_table);
    onKey(Qt::CTRL | Qt::Key_D, &PlannedWindow::duplicateChosen, this);
    onKey(QKeySequence::Save, &PlannedWindow::saveForm, this);
}

// Whether the desk adds anything, and whether the sheet is kept.
void PlannedWindow::showSheetState() {
    QStringList says;
    if (const store::Failure refusal = m_sheet.refusal())
        says << tr("Nothing is added to the list now. %1").arg(refusal.reason());
    if (m_sheet.saveFailure())
        says << tr("The sheet cannot be kept for the next run: %1")
                    .arg(m_sheet.saveFailure().reason());
    m_state->setText(says.isEmpty() ? tr("Each message is added to the list when it is due.")
                                    : says.join(QLatin1Char('\n')));
    m_state->setStyleSheet(says.isEmpty() ? QString() : QStringLiteral("color: #a00000;"));
}

int PlannedWindow::chosenId() const {
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? current.data(desk::PlannedModel::IdRole).toInt() : 0;
}

// The form is filled from the sheet only when another message is chosen,
// so a change of state while the announcer types never undoes the typing.
void PlannedWindow::showChosen() {
    const desk::planned::Message* message = m_sheet.message(chosenId());
    if (!message || message->id == m_chosen)
        return;
    m_chosen = message->id;
    m_text->setPlainText(message->text);
    m_notBefore->setTime(message->notBefore);
    m_hasNotAfter->setChecked(message->notAfter.isValid());
    if (message->notAfter.isValid())
        m_notAfter->setTime(message->notAfter);
    m_repeat->setValue(message->repeatMinutes);
    m_urgent->setChecked(message->urgent);
}

desk::planned::Message PlannedWindow::formMessage() const {
    desk::planned::Message message;
    message.text = m_text->toPlainText();
    message.notBefore = m_notBefore->time();
    message.notAfter = m_hasNotAfter->isChecked() ? m_notAfter->time() : QTime();
    message.repeatMinutes = m_repeat->value();
    message.urgent = m_urgent->isChecked();
    return message;
}

void PlannedWindow::addFromForm() {
    if (const store::Failure refused = m_sheet.add(formMessage())) {
        tell(refused.reason());
        return;
    }
    choose(m_sheet.messages().back().id);
}

void PlannedWindow::saveForm() {
    const int id = chosenId();
    if (id == 0) {
        addFromForm();
        return;
    }
    if (const store::Failure refused = m_sheet.change(id, formMessage()))
        tell(refused.reason());
    choose(id);
}

void PlannedWindow::duplicateChosen() {
    if (const int id = chosenId(); id != 0) {
        if (const store::Failure refused = m_sheet.duplicate(id))
            tell(refused.reason());
        else
            choose(m_sheet.messages().back().id);
    }
}

void PlannedWindow::removeChosen() {
    const int row = m_table->currentIndex().row();
    if (const int id = chosenId(); id != 0)
        m_sheet.remove(id);
    if (m_model->rowCount() > 0)
        m_table->selectRow(std::min(row, m_model->rowCount() - 1));
}

void PlannedWindow::importCsv() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Import planned messages"), {},
                                                      tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    QFile file;
    if (const store::Failure failure = store::openRegularFile(file, path)) {
        tell(failure.reason());
        return;
    }
    if (file.size() > desk::planned::longestCsv) {
        tell(tr("The file is larger than 1 MiB: it holds no running sheet."));
        return;
    }
    if (const store::Failure refused = m_sheet.importCsv(file.read(desk::planned::longestCsv)))
        tell(refused.reason());
}

void PlannedWindow::exportCsv() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export planned messages"),
        QStringLiteral("planned-%1.csv").arg(m_sheet.day().toString(Qt::ISODate)),
        tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (const store::Failure failure = store::replaceAtomically(path, m_sheet.exportCsv()))
        tell(failure.reason());
}

void PlannedWindow::choose(int id) {
    const int row = m_model->rowOf(id);
    if (row >= 0)
        m_table->selectRow(row);
}

void PlannedWindow::tell(const QString& text) {
    ui::postMessage(text, this);
}
