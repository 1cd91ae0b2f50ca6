#include "store/jetquery.h"
#include "store/kelvaneerror.h"

#include <QDateTime>
#include <QTest>

using store::JetQueryRow;
using store::KelvaneError;

namespace {

// A stored definition written one clause a line: attribute|flag|name1|name2|expression.
std::vector<JetQueryRow> definition(const QString& text) {
    std::vector<JetQueryRow> rows;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QStringList parts = line.split(QLatin1Char('|'));
        rows.push_back({parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2), parts.value(3),
                        parts.value(4)});
    }
    return rows;
}

// "table: name=source, ...; order column [desc], ..." with "*" first for all columns.
QString described(const store::JetSelect& select) {
    QStringList columns;
    if (select.allColumns)
        columns << QStringLiteral("*");
    for (const auto& column : select.columns)
        columns << column.name + QLatin1Char('=') + column.source;
    QStringList order;
    for (const auto& key : select.order)
        order << key.column + (key.descending ? QStringLiteral(" desc") : QString());
    return select.table + QStringLiteral(": ") + columns.join(QStringLiteral(", ")) + QStringLiteral("; order ") +
           order.join(QStringLiteral(", "));
}

const QString start = QStringLiteral("0|0\n1|1\n3|0\n");
const QString fromAnnouncements = QStringLiteral("5||Announcements\n");

} // namespace

class TestJetQuery : public QObject {
    Q_OBJECT

private slots:
    void readsPlainSelects_data();
    void readsPlainSelects();
    void refusesOtherQueries_data();
    void refusesOtherQueries();
    void ordersLikeAnOrderBy_data();
    void ordersLikeAnOrderBy();
};

void TestJetQuery::readsPlainSelects_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ascending by one column")
        << start + fromAnnouncements +
               "6||||Announcements.Message\n6||||Announcements.Sequence\n11||||Announcements.Sequence\n255"
        << "Announcements: Message=Message, Sequence=Sequence; order Sequence";
    QTest::newRow("descending, marked D in name1")
        << start + fromAnnouncements + "6||||Announcements.Sequence\n11||D||Announcements.Sequence"
        << "Announcements: Sequence=Sequence; order Sequence desc";
    QTest::newRow("bracketed names with spaces")
        << start + "5||Gala Messages\n6||||[Gala Messages].[Message Text]\n11||||[Gala Messages].[Seq No]"
        << "Gala Messages: Message Text=Message Text; order Seq No";
    QTest::newRow("column alias in name1")
        << start + fromAnnouncements + "6||Message||Announcements.Text"
        << "Announcements: Message=Text; order ";
    QTest::newRow("table alias qualifies columns")
        << start + "5||Announcements|A\n6||||A.Message\n11||||a.Sequence"
        << "Announcements: Message=Message; order Sequence";
    QTest::newRow("unqualified columns") << start + fromAnnouncements + "6||||Message\n11||||[Sequence]"
                                         << "Announcements: Message=Message; order Sequence";
    QTest::newRow("select-star flag") << "1|1\n3|1\n" + fromAnnouncements + "11||||Sequence"
                                      << "Announcements: *; order Sequence";
    QTest::newRow("table.* column") << start + fromAnnouncements + "6||||Announcements.*"
                                    << "Announcements: *; order ";
    QTest::newRow("owner-access flag is harmless") << "1|1\n3|4\n" + fromAnnouncements + "6||||Message"
                                                   << "Announcements: Message=Message; order ";
    QTest::newRow("two order keys keep their order")
        << start + fromAnnouncements + "6||||Message\n11||D||Sequence\n11||||Message"
        << "Announcements: Message=Message; order Sequence desc, Message";
}

void TestJetQuery::readsPlainSelects() {
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    QCOMPARE(described(store::readJetSelect(QStringLiteral("Sorted Announcements"), definition(stored))), expected);
}

void TestJetQuery::refusesOtherQueries_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("reason");
    const QString columns = QStringLiteral("6||||Message\n");
    QTest::newRow("where") << start + fromAnnouncements + columns + "8||||Sequence > 3" << "WHERE";
    QTest::newRow("join") << start + fromAnnouncements + "5||Clubs\n" + columns +
                                 "7||Announcements|Clubs|Announcements.Club = Clubs.Code"
                          << "joins";
    QTest::newRow("group by") << start + fromAnnouncements + columns + "9||||Message" << "groups";
    QTest::newRow("having") << start + fromAnnouncements + columns + "10||||Count(*) > 1" << "groups";
    QTest::newRow("parameter") << start + "2|10|Enter Sex\n" + fromAnnouncements + columns << "parameters";
    QTest::newRow("distinct") << "1|1\n3|2\n" + fromAnnouncements + columns << "DISTINCT";
    QTest::newRow("top") << "1|1\n3|16\n" + fromAnnouncements + columns << "TOP";
    QTest::newRow("update query") << "1|4\n" + fromAnnouncements + columns << "not a select";
    QTest::newRow("union query") << "1|9\n3|1\n5|||X7YZ_____1|Select 1" << "not a select";
    QTest::newRow("no kind") << fromAnnouncements + columns << "no query kind";
    QTest::newRow("two tables") << start + fromAnnouncements + "5||Clubs\n" + columns << "2 tables";
    QTest::newRow("subquery as table") << start + "5|||S|Select * From Announcements\n" + columns << "subquery";
    QTest::newRow("calculated column") << start + fromAnnouncements + "6||M||UCase(Message)" << "UCase(Message)";
    QTest::newRow("constant column") << start + fromAnnouncements + "6||M||\"hello\"" << "\"hello\"";
    QTest::newRow("column of another table") << start + fromAnnouncements + "6||||Clubs.Name" << "Clubs.Name";
    QTest::newRow("three-part name") << start + fromAnnouncements + "6||||db.Announcements.Message" << "computes";
    QTest::newRow("order by expression") << start + fromAnnouncements + columns + "11||||Len(Message)"
                                         << "Len(Message)";
    QTest::newRow("no columns") << start + fromAnnouncements + "11||||Sequence" << "no columns";
    QTest::newRow("empty brackets") << start + fromAnnouncements + "6||||[]" << "computes";
    QTest::newRow("unclosed bracket") << start + fromAnnouncements + "6||||[Message" << "computes";
}

void TestJetQuery::refusesOtherQueries() {
    QFETCH(QString, stored);
    QFETCH(QString, reason);
    try {
        store::readJetSelect(QStringLiteral("Odd Query"), definition(stored));
        QFAIL("the query was accepted");
    } catch (const KelvaneError& error) {
        QVERIFY2(error.description().contains(QStringLiteral("'Odd Query'")) && error.description().contains(reason),
                 qPrintable(error.description()));
    }
}

void TestJetQuery::ordersLikeAnOrderBy_data() {
    QTest::addColumn<QVariant>("lower");
    QTest::addColumn<QVariant>("higher");
    QTest::newRow("null before a number") << QVariant() << QVariant(-32768);
    QTest::newRow("null before empty text") << QVariant() << QVariant(QString());
    QTest::newRow("numbers by value, not as text") << QVariant(9) << QVariant(10);
    QTest::newRow("negative numbers") << QVariant(-5) << QVariant(-1);
    QTest::newRow("whole and fractional") << QVariant(2) << QVariant(2.5);
    QTest::newRow("text ignores case") << QVariant(QStringLiteral("apple")) << QVariant(QStringLiteral("Banana"));
    QTest::newRow("dates by time") << QVariant(QDateTime(QDate(2005, 9, 1), QTime(23, 0)))
                                   << QVariant(QDateTime(QDate(2005, 9, 2), QTime(1, 0)));
}

void TestJetQuery::ordersLikeAnOrderBy() {
    QFETCH(QVariant, lower);
    QFETCH(QVariant, higher);
    QVERIFY(store::compareJetValues(lower, higher) < 0);
    QVERIFY(store::compareJetValues(higher, lower) > 0);
    QCOMPARE(store::compareJetValues(lower, lower), 0);
    QCOMPARE(store::compareJetValues(QVariant(QStringLiteral("ABC")), QVariant(QStringLiteral("abc"))), 0);
}

QTEST_GUILESS_MAIN(TestJetQuery)
#include "tst_jetquery.moc"
