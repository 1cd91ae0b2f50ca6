#include "readouttoday.h"

#include "desk/messagelines.h"
#include "desk/timetexts.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ReadOutToday::ReadOutToday(std::vector<desk::readoutlog::ReadOut> readOuts,
                           const desk::SentSequences& sent, QWidget* parent)
    : QDialog(parent)
    , m_readOuts(std::move(readOuts))
    , m_list(new QListWidget(this))
    , m_text(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("ReadOutToday"));
    setWindowTitle(tr("Read out today \u2013 kelvane"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_list->setObjectName(QStringLiteral("ReadOutList"));
    m_list->setFont(fixed);
    for (const desk::readoutlog::ReadOut& readOut : m_readOuts)
        m_list->addItem(line(readOut, sent));
    m_text->setObjectName(QStringLiteral("ReadOutText"));
    m_text->setFont(fixed);
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(tr("Copy Text"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("CopyText"));
    copy->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, &ReadOutToday::copyChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::currentRowChanged, this, &ReadOutToday::showChosen);

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(m_readOuts.empty() ? tr("Nothing has been dismissed today.")
                                                  : tr("Dismissed today, newest first:"),
                               this);
    layout->addWidget(heading);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);
    resize(640, 480);
    if (!m_readOuts.empty())
        m_list->setCurrentRow(0);
    m_list->setFocus();
}

QString ReadOutToday::line(const desk::readoutlog::ReadOut& readOut,
                           const desk::SentSequences& sent) {
    // The undo mark goes before the message, whose first line may be long.
    QString text = desk::timeWithSecondsText(readOut.time.time()) + QStringLiteral("  ");
    if (readOut.undone.isValid())
        text += tr("(undone %1)").arg(desk::timeWithSecondsText(readOut.undone.time())) +
                QStringLiteral("  ");
    return text + desk::listLine(readOut.sequence, readOut.message, false,
                                 desk::lineKind(readOut.sequence, sent));
}

void ReadOutToday::showChosen() {
    const int row = m_list->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= m_readOuts.size()) {
        m_text->clear();
        return;
    }
    m_text->setPlainText(desk::displayText(m_readOuts[row].message));
}

void ReadOutToday::copyChosen() {
    const int row = m_list->currentRow();
    if (row >= 0 && static_cast<size_t>(row) < m_readOuts.size())
        QApplication::clipboard()->setText(desk::displayText(m_readOuts[row].message));
}
