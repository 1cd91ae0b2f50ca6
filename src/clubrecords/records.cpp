#include "records.h"

#include "cardblocks.h"
#include "clubrecordtexts.h"
#include "recordcards.h"

#include "store/kelvaneerror.h"
#include "swimtime/daterules.h"
#include "swimtime/entryrules.h"
#include "ui/flatstyle.h"
#include "ui/fonts.h"
#include "ui/messagebox.h"
#include "ui/windowregistry.h"
#include "ui_records.h"

#include <QCloseEvent>
#include <QFocusEvent>

namespace {

// An empty box sends its open-bound marker; anything else must be a date.
QString boundText(const QString& boxText, const QString& openMarker, const QString& what) {
    if (boxText.isEmpty())
        return openMarker;
    return shortDateText(dateOfText(boxText, what));
}

} // namespace

Records::Records(RecordBook book, std::unique_ptr<print::Printer> printer, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::Records>())
    , m_book(std::move(book))
    , m_printer(std::move(printer)) {
    m_ui->setupUi(this);
    ui::applyDesignedFonts(this);
    ui::makeFlat(this);
    m_ui->StartDate->installEventFilter(this);
    m_ui->FinishDate->installEventFilter(this);
    connect(m_ui->PrintCommand, &QPushButton::clicked, this, &Records::print);
    connect(m_ui->Command3, &QPushButton::clicked, this, &Records::exitWindow);
}

Records::~Records() = default;

void Records::closeEvent(QCloseEvent* event) {
    event->accept();
    exitWindow();
}

bool Records::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Only a move to another control of this window leaves the box;
        // switching to another window or a menu does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (isVisible() && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            leaveDateBox(static_cast<QLineEdit*>(watched));
    }
    return QDialog::eventFilter(watched, event);
}

void Records::leaveDateBox(QLineEdit* box) { box->setText(Validate_Date(box->text())); }

// A print that fails says why and leaves the window as it was, so the user
// can put the matter right and print again.
void Records::print() {
    try {
        printChosenBlocks();
    } catch (const std::exception& caught) {
        const store::KelvaneError error = store::errorFrom(caught);
        ui::showMessage(tr("Printing stopped (error %1).").arg(error.number()) +
                        QStringLiteral("\n\n") + error.description());
    }
}

void Records::printChosenBlocks() {
    const ClubSetup& setup = m_book.setup();
    const qint16 overallPerSex =
        overallCardsPerSex(setup.overallCountP, setup.overallCountQ, setup.overallCountR);
    const QString startText =
        boundText(m_ui->StartDate->text(), openStartMarker, ClubRecordTexts::tr("the start date"));
    const QString finishText = boundText(m_ui->FinishDate->text(), openFinishMarker,
                                         ClubRecordTexts::tr("the finish date"));
    // Boys before girls; the options exclude each other, so one Print
    // prints one block on one colour of card.
    if (m_ui->MaleOption->isChecked())
        printBlock(true, overallPerSex, startText, finishText);
    if (m_ui->FemaleOption->isChecked())
        printBlock(false, overallPerSex, startText, finishText);
}

void Records::printBlock(bool boys, qint16 overallPerSex, const QString& startText, const QString& finishText) {
    ui::showMessage(boys ? tr("Load Blue Cards") : tr("Load Pink Cards"));
    const qint16 includeUndated = m_ui->UndatedRecs->isChecked() ? 1 : 0;
    const qint16 acrCards = m_book.setup().acrCardCount;
    const CardBlock block = m_ui->ACROption->isChecked()
                                ? acrBlock(boys, acrCards)
                                : overallBlock(boys, acrCards, overallPerSex);
    const CardProgress progress{
        [this](const QString& preview) { m_ui->Text1->setPlainText(preview); },
        [](const CardKey& key) { ui::showMessage(severalRecordsText(key)); },
    };
    Print_Record_Cards(printer(), m_book, block.first, block.last, startText, finishText,
                       includeUndated, progress);
}

print::Printer& Records::printer() {
    if (!m_printer)
        throw store::KelvaneError(
            store::ErrorNumber::PrinterError,
            ClubRecordTexts::tr("Printer error: no printer has been set up."));
    return *m_printer;
}

void Records::exitWindow() {
    hide();
    if (ui::windowSlot<Records>() == this)
        ui::unloadWindow<Records>();
}
