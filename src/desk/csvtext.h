#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// CSV as a spreadsheet opens it (RFC 4180, UTF-8, CR LF), kept safe from
// formulas: a text field that begins with = + - @, a tab, a CR or an
// apostrophe is written after one more apostrophe, so a spreadsheet never
// takes it for a formula; reading takes that apostrophe off again.
namespace desk::csv {

QString guarded(const QString& field);
QString unguarded(const QString& field);

// One record, ending in CR LF. Fields marked in quote are always quoted;
// any other field is quoted when it needs it.
QByteArray record(const QStringList& fields, const QList<bool>& quote = {});

// Splits CSV text into records of fields (a lone LF ends a record too).
// An unterminated quote at the end is a record cut short and left out.
std::vector<QStringList> parse(const QString& text);

} // namespace desk::csv
