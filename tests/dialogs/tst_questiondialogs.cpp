#include "modalwatcher.h"
#include "windowdriving.h"

#include "dialogs/filedialogue.h"
#include "dialogs/yesno.h"

#include "ui/windowregistry.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// A click on the named button, the close control (empty), or Escape: the
// close control and Escape both give the answer that changes nothing.
ModalWatcher::Answer answerBy(const QByteArray& how) {
    if (how == "Escape")
        return [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); };
    return clickAnswer(how.constData());
}

} // namespace

class TestQuestionDialogs : public QObject {
    Q_OBJECT

private slots:
    // Each test starts from the windows' design, whatever ran before it.
    void init() {
        ui::unloadWindow<YesNo>();
        ui::unloadWindow<FileDialogue>();
    }
    void yesNoAnswers_data();
    void yesNoAnswers();
    void yesNoShowsTheQuestionAsWritten();
    void yesNoTabSkipsTheQuestion();
    void fileDialogueAnswers();
};

void TestQuestionDialogs::yesNoAnswers_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("answer");
    QTest::newRow("yes then no") << "Command1" << "Command2" << false;
    QTest::newRow("no then yes") << "Command2" << "Command1" << true;
    QTest::newRow("yes then close") << "Command1" << "" << false;
    QTest::newRow("yes then Escape") << "Command1"
                                     << "Escape" << false;
}

void TestQuestionDialogs::yesNoAnswers() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, answer);
    ModalWatcher watcher;
    watcher.answerNext(answerBy(first.toLatin1()));
    QCOMPARE(askYesNo(QStringLiteral("First?")), first == QLatin1String("Command1"));
    watcher.answerNext(answerBy(second.toLatin1()));
    QCOMPARE(askYesNo(QStringLiteral("Second?")), answer);
    QVERIFY(ui::isLoaded<YesNo>());
    QVERIFY(!ui::loadedWindow<YesNo>().isVisible());
}

void TestQuestionDialogs::yesNoShowsTheQuestionAsWritten() {
    ModalWatcher watcher;
    const QString question = QStringLiteral("Announcer DB is /home/gala/a rather long folder name/announcer.mdb\nline two");
    QString shown;
    watcher.answerNext([&](QWidget* modal) {
        shown = modal->findChild<QPlainTextEdit*>(QStringLiteral("Question"))->toPlainText();
        clickButton(modal, "Command1");
    });
    QVERIFY(askYesNo(question));
    QCOMPARE(shown, question);
}

void TestQuestionDialogs::yesNoTabSkipsTheQuestion() {
    YesNo& window = ui::loadedWindow<YesNo>();
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* yes = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    auto* no = window.findChild<QPushButton*>(QStringLiteral("Command2"));
    yes->setFocus();
    QTRY_VERIFY(yes->hasFocus());
    QTest::keyClick(yes, Qt::Key_Tab);
    QTRY_VERIFY(no->hasFocus());
    QTest::keyClick(no, Qt::Key_Tab);
    QTRY_VERIFY(yes->hasFocus());
    window.hide();
}

// Continue answers the option set, even none; the option stays for the next
// showing; Cancel, the close control and Escape answer nothing.
void TestQuestionDialogs::fileDialogueAnswers() {
    ModalWatcher watcher;
    FileDialogue& window = ui::loadedWindow<FileDialogue>();
    watcher.answerNext(clickAnswer("Command1"));
    QCOMPARE(window.ask(), std::optional(FileDialogue::Choice::None));
    watcher.answerNext([](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QRadioButton*>(QStringLiteral("OverWriteButton")), Qt::LeftButton);
        clickButton(modal, "Command1");
    });
    QCOMPARE(window.ask(), std::optional(FileDialogue::Choice::Overwrite));
    watcher.answerNext(clickAnswer("Command2"));
    QCOMPARE(window.ask(), std::nullopt);
    QCOMPARE(window.choice(), FileDialogue::Choice::Overwrite);
    for (const QByteArray how : {"", "Escape"}) {
        watcher.answerNext(answerBy(how));
        QCOMPARE(window.ask(), std::nullopt);
    }
}

QTEST_MAIN(TestQuestionDialogs)
#include "tst_questiondialogs.moc"
