#include "modalwatcher.h"

#include "dialogs/dialoganswer.h"
#include "swimtime/conversion.h"
#include "swimtime/entryrules.h"
#include "swimtime/timerules.h"
#include "ui/fonts.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QLineEdit* field(Conversion& window, const char* name) { return window.findChild<QLineEdit*>(QLatin1String(name)); }
QPushButton* button(Conversion& window, const char* name) {
    return window.findChild<QPushButton*>(QLatin1String(name));
}

// The window as an opener shows it, with the keyboard in it.
Conversion& shownWindow() {
    Conversion& window = ui::loadedWindow<Conversion>();
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("the window did not become active");
    return window;
}

// Types into NewTime and leaves it with Tab, as a user does.
void typeNewTime(Conversion& window, const QString& typed) {
    QLineEdit* newTime = field(window, "NewTime");
    newTime->setFocus(Qt::TabFocusReason);
    newTime->clear();
    QTest::keyClicks(newTime, typed);
    QTest::keyClick(newTime, Qt::Key_Tab);
}

} // namespace

class TestConversion : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::registerFontSubstitutes(); }
    void init();
    void cleanup();
    void look();
    void firstFieldHasFocusAndTabGoesInOrder();
    void enterAcceptsAndEscapeDoesNothing();
    void newTimeIsNormalisedOnLeaving_data();
    void newTimeIsNormalisedOnLeaving();
    void clickingAButtonNormalisesFirst();
    void acceptThisHidesAndKeepsFields();
    void overrideKeepsAcceptAll();
    void acceptAllUnloads();
    void closeBoxChangesNeitherFlag_data();
    void closeBoxChangesNeitherFlag();
    void openerReadsTheAnswer();
    void rulesShowTheirMessages();
};

void TestConversion::init() {
    Dialog_Answer = false;
    Accept_All_Conversions = false;
}

void TestConversion::cleanup() {
    ui::unloadWindow<Conversion>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestConversion::look() {
    Conversion& window = ui::loadedWindow<Conversion>();
    QCOMPARE(window.windowTitle(), QStringLiteral("Accept Time Conversion?"));
    QCOMPARE(window.minimumSize(), QSize(489, 165));
    QCOMPARE(window.maximumSize(), QSize(489, 165));
    QCOMPARE(window.font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(window.font().pointSizeF(), 8.25);
    QVERIFY(window.font().bold());
    const QList<QWidget*> controls = window.findChildren<QWidget*>();
    QCOMPARE(controls.size(), 15);
    for (QWidget* control : controls)
        QCOMPARE(control->font(), window.font());
    QCOMPARE(button(window, "Command3")->geometry(), QRect(2520 / 15, 1680 / 15, 2295 / 15, 495 / 15));
}

void TestConversion::firstFieldHasFocusAndTabGoesInOrder() {
    Conversion& window = shownWindow();
    QTRY_COMPARE(QApplication::focusWidget(), field(window, "OrigTime"));
    QStringList order;
    for (int i = 0; i < 9; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({"OrigTime", "OrigDist", "ConvTime", "ConvDist", "NewTime", "NewDist", "Command1",
                                 "Command2", "Command3"}));
    QCOMPARE(QApplication::focusWidget(), field(window, "OrigTime"));
}

void TestConversion::enterAcceptsAndEscapeDoesNothing() {
    Conversion& window = shownWindow();
    QVERIFY(button(window, "Command1")->isDefault());
    QVERIFY(!button(window, "Command2")->isDefault());
    QVERIFY(!button(window, "Command3")->isDefault());
    QTest::keyClick(field(window, "OrigDist"), Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QVERIFY(!Dialog_Answer);

    // Enter from NewTime accepts without reading the override time, which
    // the accepted conversion does not use: no message, the text untouched.
    ModalWatcher watcher;
    QLineEdit* newTime = field(window, "NewTime");
    newTime->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(newTime, QStringLiteral("7000"));
    QTest::keyClick(newTime, Qt::Key_Return);
    QVERIFY(Dialog_Answer);
    QVERIFY(!window.isVisible());
    QCoreApplication::processEvents();
    QVERIFY(watcher.messages().isEmpty());
    QCOMPARE(window.overrideTime(), QStringLiteral("7000"));
}

void TestConversion::newTimeIsNormalisedOnLeaving_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("messages");
    const QStringList none;
    const QStringList invalidTime{QStringLiteral("Invalid Time")};
    QTest::newRow("2:3") << "2:3" << "2:03.00" << none;
    QTest::newRow("65.3") << "65.3" << "1:05.30" << none;
    QTest::newRow("1.05.3") << "1.05.3" << "1:05.30" << none;
    QTest::newRow("1:5.3") << "1:5.3" << "1:05.30" << none;
    QTest::newRow("3600") << "3600" << "60:00.00" << none;
    QTest::newRow("3600.01") << "3600.01" << "" << invalidTime;
    QTest::newRow("overflowing exponent") << "1e400" << "" << invalidTime;
    QTest::newRow("no digits") << "abc" << "" << none;
    QTest::newRow("empty") << "" << "" << none;
}

void TestConversion::newTimeIsNormalisedOnLeaving() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QStringList, messages);
    ModalWatcher watcher;
    Conversion& window = shownWindow();
    field(window, "NewDist")->setText(QStringLiteral(" 100m "));
    typeNewTime(window, typed);
    QCOMPARE(field(window, "NewTime")->text(), shown);
    QCOMPARE(watcher.messages(), messages);
    if (!messages.isEmpty())
        QCOMPARE(watcher.titles().first(), QStringLiteral("kelvane"));
    QVERIFY(window.isVisible());
    QCOMPARE(field(window, "NewDist")->text(), QStringLiteral(" 100m "));
}

void TestConversion::clickingAButtonNormalisesFirst() {
    Conversion& window = shownWindow();
    QLineEdit* newTime = field(window, "NewTime");
    newTime->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(newTime, QStringLiteral("2:3"));
    QTest::mouseClick(button(window, "Command2"), Qt::LeftButton);
    QCOMPARE(window.overrideTime(), QStringLiteral("2:03.00"));
    QVERIFY(!Dialog_Answer);
}

void TestConversion::acceptThisHidesAndKeepsFields() {
    Conversion& window = shownWindow();
    window.setConversion(QStringLiteral("1:05.30"), QStringLiteral("100"), QStringLiteral("1:12.00"),
                         QStringLiteral("110"));
    field(window, "NewDist")->setText(QStringLiteral("120"));
    QTest::mouseClick(button(window, "Command1"), Qt::LeftButton);
    QVERIFY(Dialog_Answer);
    QVERIFY(!Accept_All_Conversions);
    QVERIFY(!window.isVisible());
    QVERIFY(ui::isLoaded<Conversion>());
    Conversion& again = shownWindow();
    QCOMPARE(&again, &window);
    QCOMPARE(field(again, "ConvTime")->text(), QStringLiteral("1:12.00"));
    QCOMPARE(again.overrideDistance(), QStringLiteral("120"));
}

void TestConversion::overrideKeepsAcceptAll() {
    Accept_All_Conversions = true;
    Dialog_Answer = true;
    Conversion& window = shownWindow();
    QTest::mouseClick(button(window, "Command2"), Qt::LeftButton);
    QVERIFY(!Dialog_Answer);
    QVERIFY(Accept_All_Conversions);
    QVERIFY(!window.isVisible());
    QVERIFY(ui::isLoaded<Conversion>());
}

void TestConversion::acceptAllUnloads() {
    Conversion& window = shownWindow();
    window.setConversion(QStringLiteral("1:05.30"), QStringLiteral("100"), QStringLiteral("1:12.00"),
                         QStringLiteral("110"));
    QTest::mouseClick(button(window, "Command3"), Qt::LeftButton);
    QVERIFY(Dialog_Answer);
    QVERIFY(Accept_All_Conversions);
    QVERIFY(!window.isVisible());
    QVERIFY(!ui::isLoaded<Conversion>());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(field(ui::loadedWindow<Conversion>(), "OrigTime")->text().isEmpty());
}

void TestConversion::closeBoxChangesNeitherFlag_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("acceptAll");
    QTest::newRow("both false") << false << false;
    QTest::newRow("answer true") << true << false;
    QTest::newRow("accept all true") << false << true;
}

void TestConversion::closeBoxChangesNeitherFlag() {
    QFETCH(bool, answer);
    QFETCH(bool, acceptAll);
    Dialog_Answer = answer;
    Accept_All_Conversions = acceptAll;
    Conversion& window = shownWindow();
    window.setConversion(QStringLiteral("1:05.30"), {}, {}, {});
    QVERIFY(window.close());
    QCOMPARE(Dialog_Answer, answer);
    QCOMPARE(Accept_All_Conversions, acceptAll);
    QVERIFY(!ui::isLoaded<Conversion>());
}

// An opener fills the display fields, shows the window modally and reads
// the answer and the override fields once it is hidden.
void TestConversion::openerReadsTheAnswer() {
    Conversion& window = ui::loadedWindow<Conversion>();
    window.setConversion(QStringLiteral("1:05.30"), QStringLiteral("100"), QStringLiteral("1:12.00"),
                         QStringLiteral("110"));
    bool wasModal = false;
    bool wasActive = false;
    QTimer::singleShot(0, &window, [&] {
        wasModal = QApplication::activeModalWidget() == &window;
        wasActive = QTest::qWaitForWindowActive(&window);
        typeNewTime(window, QStringLiteral("1:1"));
        QTest::keyClicks(field(window, "NewDist"), QStringLiteral("105"));
        QTest::mouseClick(button(window, "Command2"), Qt::LeftButton);
    });
    window.exec();
    QVERIFY(wasModal);
    QVERIFY(wasActive);
    QVERIFY(!Dialog_Answer);
    QCOMPARE(window.overrideTime(), QStringLiteral("1:01.00"));
    QCOMPARE(window.overrideDistance(), QStringLiteral("105"));
}

void TestConversion::rulesShowTheirMessages() {
    ModalWatcher watcher;
    QCOMPARE(Validate_Date(QStringLiteral("01sep05")), QStringLiteral("01/09/05"));
    QCOMPARE(Seconds_To_Time(Time_To_Seconds(u"0:00")), QString());
    QVERIFY(watcher.messages().isEmpty());

    QCOMPARE(Validate_Date(QStringLiteral("31/09/05")), QString());
    QCOMPARE(Validate_Date(QString()), QString());
    QCOMPARE(Seconds_To_Time(Time_To_Seconds(u"61:00")), QString());
    QCOMPARE(watcher.messages(), QStringList({"Invalid Date", "Invalid Date", "Invalid Time"}));
    QCOMPARE(watcher.titles(), QStringList({"kelvane", "kelvane", "kelvane"}));
}

QTEST_MAIN(TestConversion)
#include "tst_conversion.moc"
