#include "modalwatcher.h"

#include "swimtime/conversion.h"
#include "swimtime/entryrules.h"
#include "swimtime/timerules.h"
#include "ui/fonts.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

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

// Shows the one window modally as an opener does, runs whileOpen in it and
// returns the answer.
Conversion::Answer ask(const std::function<void(Conversion&)>& whileOpen) {
    Conversion& window = ui::loadedWindow<Conversion>();
    QTimer::singleShot(0, &window, [&window, &whileOpen] {
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the window did not become active");
        whileOpen(window);
    });
    return window.ask();
}

} // namespace

Q_DECLARE_METATYPE(Conversion::Answer)

class TestConversion : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::registerFontSubstitutes(); }
    void cleanup();
    void answers_data();
    void answers();
    void newTimeIsNormalisedOnLeaving_data();
    void newTimeIsNormalisedOnLeaving();
    void openerReadsTheOverride();
    void rulesShowTheirMessages();
};

void TestConversion::cleanup() {
    ui::unloadWindow<Conversion>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestConversion::answers_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<Conversion::Answer>("answer");
    QTest::addColumn<bool>("staysLoaded");
    QTest::newRow("Accept This Conversion") << "Command1" << Conversion::Answer::AcceptThis << true;
    QTest::newRow("Override") << "Command2" << Conversion::Answer::Override << true;
    QTest::newRow("Accept All Conversions") << "Command3" << Conversion::Answer::AcceptAll << false;
    QTest::newRow("close box") << "close" << Conversion::Answer::Closed << false;
    QTest::newRow("Enter from NewTime") << "Enter" << Conversion::Answer::AcceptThis << true;
}

// Escape does nothing. A window that stays loaded keeps its fields for the
// next showing; one that is unloaded starts from its design.
void TestConversion::answers() {
    QFETCH(QString, how);
    QFETCH(Conversion::Answer, answer);
    QFETCH(bool, staysLoaded);
    ModalWatcher watcher;
    QPointer<Conversion> shown = &ui::loadedWindow<Conversion>();
    shown->setConversion(QStringLiteral("1:05.30"), QStringLiteral("100"),
                         QStringLiteral("1:12.00"), QStringLiteral("110"));
    const auto answered = ask([&](Conversion& window) {
        QTest::keyClick(field(window, "OrigDist"), Qt::Key_Escape);
        QVERIFY(window.isVisible());
        // Enter accepts without reading the override time, which the
        // accepted conversion does not use: no message, the text untouched.
        QLineEdit* newTime = field(window, "NewTime");
        newTime->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(newTime, QStringLiteral("7000"));
        if (how == QLatin1String("Enter"))
            QTest::keyClick(newTime, Qt::Key_Return);
        else if (how == QLatin1String("close"))
            QVERIFY(window.close());
        else
            QTest::mouseClick(button(window, how.toLatin1()), Qt::LeftButton);
    });
    QCOMPARE(answered, answer);
    QCOMPARE(ui::isLoaded<Conversion>(), staysLoaded);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(shown.isNull(), !staysLoaded);
    QCOMPARE(field(ui::loadedWindow<Conversion>(), "ConvTime")->text(),
             staysLoaded ? QStringLiteral("1:12.00") : QString());
    if (how == QLatin1String("Enter")) {
        QCOMPARE(watcher.messages(), QStringList());
        QCOMPARE(shown->overrideTime(), QStringLiteral("7000"));
    }
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

// An opener reads the override fields once the window is hidden; a click
// on a button normalises the time typed last.
void TestConversion::openerReadsTheOverride() {
    bool wasModal = false;
    const auto answered = ask([&](Conversion& window) {
        wasModal = QApplication::activeModalWidget() == &window;
        field(window, "NewDist")->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(field(window, "NewDist"), QStringLiteral("105"));
        field(window, "NewTime")->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(field(window, "NewTime"), QStringLiteral("1:1"));
        QTest::mouseClick(button(window, "Command2"), Qt::LeftButton);
    });
    QVERIFY(wasModal);
    QCOMPARE(answered, Conversion::Answer::Override);
    QCOMPARE(ui::loadedWindow<Conversion>().overrideTime(), QStringLiteral("1:01.00"));
    QCOMPARE(ui::loadedWindow<Conversion>().overrideDistance(), QStringLiteral("105"));
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
