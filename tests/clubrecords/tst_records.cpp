#include "clubfixture.h"
#include "modalwatcher.h"

#include "clubrecords/cardprinter.h"
#include "clubrecords/records.h"

#include "print/recordingprinter.h"
#include "ui/fonts.h"
#include "ui/windowregistry.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

template <class Control>
Control* control(Records& window, const char* name) {
    return window.findChild<Control*>(QLatin1String(name));
}
QRadioButton* option(Records& window, const char* name) { return control<QRadioButton>(window, name); }
QLineEdit* dateBox(Records& window, const char* name) { return control<QLineEdit>(window, name); }
void click(Records& window, const char* name) {
    QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton);
}

// The printer of the window shown last.
print::RecordingPrinter* recording = nullptr;

print::RecordingPrinter& printer() {
    return *recording;
}

// The window on the book, printing to a recording printer.
Records& shownWindow(RecordBook book = {}) {
    auto printer = std::make_unique<print::RecordingPrinter>();
    recording = printer.get();
    Records& window = ui::loadedWindow<Records>(std::move(book), std::move(printer));
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("the window did not become active");
    return window;
}

// The fixture's club with D ACR cards and 4 x P + Q + R overall cards a
// sex; card i has the distance i, so the printed distances name the
// printed cards.
ClubSetup cardsSetup(const ClubFixture& fixture, qint16 d, qint16 p, qint16 q, qint16 r) {
    ClubSetup setup = fixture.setup();
    setup.acrCardCount = d;
    setup.overallCountP = p;
    setup.overallCountQ = q;
    setup.overallCountR = r;
    setup.cardKeys.clear();
    const int count = d + 2 * (4 * p + q + r);
    for (int i = 1; i <= count; ++i)
        setup.cardKeys.push_back(
            {i > d + (count - d) / 2 ? "M" : "F", "Ov", "FS", QString::number(i)});
    return setup;
}

RecordBook cardsBook(const ClubFixture& fixture, qint16 d, qint16 p, qint16 q, qint16 r) {
    return fixture.book(cardsSetup(fixture, d, p, q, r));
}

// The cards printed, by their distances.
QList<int> printedCards() {
    QList<int> cards;
    for (const auto& printed : printer().printed()) {
        if (printed.text.endsWith('m') && printed.y > 0)
            cards << printed.text.chopped(1).toInt();
    }
    return cards;
}

QList<int> range(int first, int last) {
    QList<int> cards;
    for (int i = first; i <= last; ++i)
        cards << i;
    return cards;
}

// Types into a date box and leaves it with Tab, as a user does.
void typeDate(Records& window, const char* box, const QString& typed) {
    QLineEdit* edit = dateBox(window, box);
    edit->setFocus(Qt::TabFocusReason);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Tab);
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::registerFontSubstitutes(); }
    void cleanup();
    void framesGroupTheirOwnOptions();
    void noSexPrintsNothing();
    void printsTheChosenBlock_data();
    void printsTheChosenBlock();
    void previewShowsTheLastCard();
    void dateBoxesAreNormalisedOnLeaving_data();
    void dateBoxesAreNormalisedOnLeaving();
    void datesBoundTheCardsExclusively();
    void failingPrintSaysWhyAndKeepsTheWindow_data();
    void failingPrintSaysWhyAndKeepsTheWindow();
    void exitUnloadsAndEscapeDoesNothing();
    void paperNoticeOnce_data();
    void paperNoticeOnce();
};

void TestRecords::cleanup() {
    ui::unloadWindow<Records>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestRecords::framesGroupTheirOwnOptions() {
    Records& window = shownWindow();
    click(window, "MaleOption");
    QVERIFY(option(window, "ACROption")->isChecked());
    click(window, "Option1");
    QVERIFY(option(window, "MaleOption")->isChecked());
    QVERIFY(!option(window, "ACROption")->isChecked());
    click(window, "FemaleOption");
    QVERIFY(!option(window, "MaleOption")->isChecked());
    QVERIFY(option(window, "Option1")->isChecked());
}

void TestRecords::noSexPrintsNothing() {
    ClubFixture fixture;
    Records& window = shownWindow(cardsBook(fixture, 6, 3, 2, 3));
    ModalWatcher watcher;
    click(window, "PrintCommand");
    click(window, "Option1");
    click(window, "PrintCommand");
    QVERIFY(watcher.messages().isEmpty());
    QVERIFY(printer().calls().isEmpty());
}

void TestRecords::printsTheChosenBlock_data() {
    QTest::addColumn<QString>("sex");
    QTest::addColumn<bool>("acr");
    QTest::addColumn<qint16>("d");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QList<int>>("cards");
    const QString blue = QStringLiteral("Load Blue Cards"), pink = QStringLiteral("Load Pink Cards");
    QTest::newRow("boys ACRs, D 6") << "MaleOption" << true << qint16(6) << blue << range(4, 6);
    QTest::newRow("girls ACRs, D 6") << "FemaleOption" << true << qint16(6) << pink << range(1, 3);
    QTest::newRow("girls overall") << "FemaleOption" << false << qint16(6) << pink << range(7, 23);
    QTest::newRow("boys overall") << "MaleOption" << false << qint16(6) << blue << range(24, 40);
    QTest::newRow("boys ACRs, D 7 shares card 4") << "MaleOption" << true << qint16(7) << blue << range(4, 7);
    QTest::newRow("girls ACRs, D 7 shares card 4") << "FemaleOption" << true << qint16(7) << pink << range(1, 4);
    QTest::newRow("boys ACRs, D 0: none") << "MaleOption" << true << qint16(0) << blue << QList<int>();
}

void TestRecords::printsTheChosenBlock() {
    QFETCH(QString, sex);
    QFETCH(bool, acr);
    QFETCH(qint16, d);
    QFETCH(QString, message);
    QFETCH(QList<int>, cards);
    ClubFixture fixture;
    Records& window = shownWindow(cardsBook(fixture, d, 3, 2, 3));
    click(window, sex.toLatin1());
    click(window, acr ? "ACROption" : "Option1");
    control<QCheckBox>(window, "UndatedRecs")->setChecked(true);
    ModalWatcher watcher;
    click(window, "PrintCommand");
    QCOMPARE(watcher.messages(), QStringList({message}));
    QCOMPARE(printedCards(), cards);
    QCOMPARE(printer().jobsEnded(), 1);
    QVERIFY(window.isVisible());
}

// A card whose key is held twice is left out, and the user is told.
void TestRecords::previewShowsTheLastCard() {
    ClubFixture fixture;
    fixture.addRecord(recordRow("F", "Ov", "FS", "1", "Ellie Walsh", "30.01", QDate(2004, 12, 25)));
    fixture.addRecord(
        recordRow("F", "Ov", "FS", "1", "Jessica Ford", "30.02", QDate(2004, 12, 25)));
    fixture.addRecord(recordRow("F", "Ov", "FS", "2", "Lucy Wright", "29.01", QDate(2004, 12, 25)));
    fixture.addRecord(recordRow("F", "Ov", "FS", "3", "Amy Hartley", "28.50", QDate(2005, 1, 2)));
    Records& window = shownWindow(cardsBook(fixture, 6, 0, 0, 0));
    click(window, "FemaleOption");
    ModalWatcher watcher;
    click(window, "PrintCommand");
    QCOMPARE(
        watcher.messages(),
        QStringList({"Load Pink Cards", "Multiple records exist for F Ov FS 1 - Cannot continue"}));
    QCOMPARE(printedCards(), QList<int>({2, 3}));
    QCOMPARE(control<QPlainTextEdit>(window, "Text1")->toPlainText(),
             QStringLiteral("Sex       F\nOverall Club Record\nStroke    FS\nDist      3\nRec:Name  Amy Hartley\n"
                            "    Time  28.50\n    Date  02/01/05\nYear:Name \n     Time \n     Date "));
}

void TestRecords::dateBoxesAreNormalisedOnLeaving_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("invalid");
    QTest::newRow("short start date") << "StartDate" << "1/9/04" << "01/09/04" << false;
    QTest::newRow("compact finish date") << "FinishDate" << "31aug05" << "31/08/05" << false;
    QTest::newRow("four-digit year") << "FinishDate" << "1 Sep 2005" << "01/09/05" << false;
    QTest::newRow("empty box") << "StartDate" << "" << "" << true;
    QTest::newRow("no such day") << "StartDate" << "31/09/05" << "" << true;
    QTest::newRow("words") << "FinishDate" << "abc" << "" << true;
}

void TestRecords::dateBoxesAreNormalisedOnLeaving() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, invalid);
    Records& window = shownWindow();
    ModalWatcher watcher;
    typeDate(window, box.toLatin1(), typed);
    QTRY_COMPARE(dateBox(window, box.toLatin1())->text(), shown);
    QCOMPARE(watcher.messages(), invalid ? QStringList({"Invalid Date"}) : QStringList());
}

void TestRecords::datesBoundTheCardsExclusively() {
    ClubFixture fixture;
    const QDate dates[] = {QDate(2004, 9, 1), QDate(2004, 9, 2), QDate(2005, 8, 30), QDate(2005, 8, 31)};
    for (int card = 1; card <= 4; ++card)
        fixture.addRecord(recordRow("F", "Ov", "FS", QString::number(card), "Holder", "1:00.00", dates[card - 1]));
    Records& window = shownWindow(cardsBook(fixture, 6, 0, 0, 0));
    ModalWatcher watcher;
    typeDate(window, "StartDate", "1/9/04");
    typeDate(window, "FinishDate", "31/08/05");
    click(window, "FemaleOption");
    click(window, "PrintCommand");
    QCOMPARE(printedCards(), QList<int>({2, 3}));

    // Both boxes empty: every dated card of the block.
    dateBox(window, "StartDate")->clear();
    dateBox(window, "FinishDate")->clear();
    click(window, "PrintCommand");
    QCOMPARE(printedCards(), QList<int>({2, 3, 1, 2, 3}));
    QCOMPARE(watcher.messages(), QStringList({"Load Pink Cards", "Load Pink Cards"}));
}

void TestRecords::failingPrintSaysWhyAndKeepsTheWindow_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QList<int>>("cards");
    QTest::addColumn<int>("jobsEnded");
    QTest::newRow("card count beyond 16 bits, before any message")
        << "overflow" << QStringList{"Printing stopped (error 6).\n\nOverflow"} << QList<int>()
        << 0;
    // The cards printed so far go out, so the next Print starts a new sheet.
    QTest::newRow("a record date that is no date, after the first card")
        << "date"
        << QStringList{"Load Pink Cards",
                       "Printing stopped (error 13).\n\nType mismatch: 'Record Date' holds "
                       "'last summer', which is not a date."}
        << QList<int>{1} << 1;
}

void TestRecords::failingPrintSaysWhyAndKeepsTheWindow() {
    QFETCH(QString, fault);
    QFETCH(QStringList, messages);
    QFETCH(QList<int>, cards);
    QFETCH(int, jobsEnded);
    ClubFixture fixture;
    ClubSetup setup = cardsSetup(fixture, 6, 0, 0, 0);
    if (fault == QLatin1String("overflow"))
        setup.overallCountP = 8192;
    fixture.addRecord(recordRow("F", "Ov", "FS", "1", "Lucy Wright", "29.01", QDate(2004, 12, 25)));
    fixture.exec(
        QStringLiteral("INSERT INTO \"Club Records\" (Sex, Age, Stroke, Distance, \"Record Date\")"
                       " VALUES ('F', 'Ov', 'FS', '2', 'last summer')"));
    Records& window = shownWindow(fixture.book(setup));
    click(window, "FemaleOption");
    ModalWatcher watcher;
    click(window, "PrintCommand");
    QCOMPARE(watcher.messages(), messages);
    QCOMPARE(printedCards(), cards);
    QCOMPARE(printer().jobsEnded(), jobsEnded);
    QVERIFY(window.isVisible());
}

void TestRecords::exitUnloadsAndEscapeDoesNothing() {
    Records& window = shownWindow();
    click(window, "MaleOption");
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QPointer<Records> first(&window);
    click(window, "Command3");
    QVERIFY(!window.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(!option(ui::loadedWindow<Records>(), "MaleOption")->isChecked());

    Records& second = shownWindow();
    QPointer<Records> reopened(&second);
    second.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(reopened.isNull());
}

void TestRecords::paperNoticeOnce_data() {
    QTest::addColumn<QPageSize>("paper");
    QTest::addColumn<QStringList>("messages");
    const QString letter = "The printer's paper is Letter / ANSI A, not A4. The record cards are printed as A4 "
                           "pages: load the A4 card sheets, or the last card of a page is cut off.";
    QTest::newRow("A4: nothing to say") << QPageSize(QPageSize::A4) << QStringList();
    QTest::newRow("Letter: said before the first job only") << QPageSize(QPageSize::Letter)
                                                             << QStringList({letter});
    QTest::newRow("a paper the printer does not name") << QPageSize() << QStringList();
}

// Run as each of two jobs begins.
void TestRecords::paperNoticeOnce() {
    QFETCH(QPageSize, paper);
    QFETCH(QStringList, messages);
    ModalWatcher watcher;
    const std::function<void()> notice = paperNotice(paper);
    for (int job = 0; job < 2 && notice; ++job)
        notice();
    QCOMPARE(watcher.messages(), messages);
}

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
