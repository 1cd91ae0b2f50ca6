#include "selectedrecordset.h"

#include "kelvaneerror.h"

#include <algorithm>

namespace store {

qint64 RecordSet::wholeLength(const QString& field) const { return value(field).toString().size(); }

std::unique_ptr<RecordSet> Database::openRows(const QString& rowSource, const RowSelection& selection) {
    return std::make_unique<SelectedRecordSet>(openRecordset(rowSource), selection);
}

qsizetype leadingBreaks(const QString& text) {
    const auto notABreak = std::find_if(text.cbegin(), text.cend(), [](QChar c) {
        return c != QLatin1Char('\r') && c != QLatin1Char('\n');
    });
    return notABreak - text.cbegin();
}

std::optional<QString> Database::wholeText(const QString& rowSource, const QVariant& key, const QString& field) {
    std::optional<QString> text;
    forEachRow(openRows(rowSource, {key, {}, 0, false}),
               [&](const RecordSet& row) { text = row.value(field).toString(); });
    return text;
}

QVariant Database::ensureRow(const QString& rowSource, const QVariantMap& /*values*/) {
    throw KelvaneError(ErrorNumber::DatabaseOperationFailed,
                       Texts::tr("Rows cannot be added to '%1' on this computer.").arg(rowSource));
}

SelectedRecordSet::SelectedRecordSet(std::unique_ptr<RecordSet> rows, RowSelection selection)
    : m_rows(std::move(rows))
    , m_selection(std::move(selection)) {
    if (m_rows->recordCount() <= 0)
        return;
    for (m_rows->moveFirst(); !m_rows->eof(); m_rows->moveNext())
        m_count += selected() ? 1 : 0;
    m_rows->moveFirst();
    skipUnselected();
}

int SelectedRecordSet::recordCount() const { return m_count; }

void SelectedRecordSet::moveFirst() {
    m_rows->moveFirst();
    skipUnselected();
}

void SelectedRecordSet::moveNext() {
    m_rows->moveNext();
    skipUnselected();
}

bool SelectedRecordSet::eof() const { return m_rows->eof(); }

QVariant SelectedRecordSet::value(const QString& field) const {
    QVariant value = m_rows->value(field);
    if (field == m_selection.limitedField && !value.isNull()) {
        const QString text = value.toString();
        qsizetype limit = m_selection.limit;
        if (m_selection.pastLeadingBreaks && leadingBreaks(text.left(limit)) >= std::min(limit, text.size()))
            limit += std::min(leadingBreaks(text), leadingBreaksRead);
        value = text.left(limit);
    }
    return value;
}

qint64 SelectedRecordSet::wholeLength(const QString& field) const {
    return field == m_selection.limitedField && !m_selection.measureWhole ? value(field).toString().size()
                                                                          : m_rows->wholeLength(field);
}

bool SelectedRecordSet::selected() const { return m_selection.key.isNull() || m_rows->key() == m_selection.key; }

void SelectedRecordSet::skipUnselected() {
    while (!m_rows->eof() && !selected())
        m_rows->moveNext();
}

} // namespace store
