#include "modalwatcher.h"

#include "dialogs/dialoganswer.h"
#include "dialogs/filedialogue.h"
#include "dialogs/yesno.h"

#include "ui/windowregistry.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

void click(QWidget* window, const char* name) {
    QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
}

// Answers the next modal window with a click on the named button, or by
// closing it when name is empty.
void answerWith(ModalWatcher& watcher, const char* name) {
    watcher.answerNext([name](QWidget* modal) {
        if (*name)
            click(modal, name);
        else
            modal->close();
    });
}

} // namespace

class TestQuestionDialogs : public QObject {
    Q_OBJECT

private slots:
    void yesNoAnswers_data();
    void yesNoAnswers();
    void yesNoShowsTheQuestionAsWritten();
    void yesNoTabSkipsTheQuestion();
    void fileDialogueContinueWithoutAChoice();
    void fileDialogueKeepsTheChoice();
    void fileDialogueCloseIsCancel();
};

void TestQuestionDialogs::yesNoAnswers_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("answer");
    QTest::newRow("yes then no") << "Command1" << "Command2" << false;
    QTest::newRow("no then yes") << "Command2" << "Command1" << true;
    QTest::newRow("yes then close") << "Command1" << "" << false;
}

void TestQuestionDialogs::yesNoAnswers() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, answer);
    ModalWatcher watcher;
    const QByteArray firstName = first.toLatin1();
    const QByteArray secondName = second.toLatin1();
    answerWith(watcher, firstName.constData());
    QCOMPARE(askYesNo(QStringLiteral("First?")), first == QLatin1String("Command1"));
    answerWith(watcher, secondName.constData());
    QCOMPARE(askYesNo(QStringLiteral("Second?")), answer);
    QCOMPARE(Dialog_Answer, answer);
    QVERIFY(ui::isLoaded<YesNo>());
    QVERIFY(!ui::loadedWindow<YesNo>().isVisible());
}

void TestQuestionDialogs::yesNoShowsTheQuestionAsWritten() {
    ModalWatcher watcher;
    const QString question = QStringLiteral("Announcer DB is /home/gala/a rather long folder name/announcer.mdb\nline two");
    QString shown;
    watcher.answerNext([&](QWidget* modal) {
        shown = modal->findChild<QPlainTextEdit*>(QStringLiteral("Question"))->toPlainText();
        click(modal, "Command1");
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

void TestQuestionDialogs::fileDialogueContinueWithoutAChoice() {
    ModalWatcher watcher;
    FileDialogue& window = ui::loadedWindow<FileDialogue>();
    answerWith(watcher, "Command1");
    window.exec();
    QVERIFY(File_Choice_Continue);
    QCOMPARE(window.choice(), FileDialogue::Choice::None);
}

void TestQuestionDialogs::fileDialogueKeepsTheChoice() {
    ModalWatcher watcher;
    FileDialogue& window = ui::loadedWindow<FileDialogue>();
    watcher.answerNext([](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QRadioButton*>(QStringLiteral("OverWriteButton")), Qt::LeftButton);
        click(modal, "Command1");
    });
    window.exec();
    answerWith(watcher, "Command2");
    window.exec();
    QVERIFY(!File_Choice_Continue);
    QCOMPARE(ui::loadedWindow<FileDialogue>().choice(), FileDialogue::Choice::Overwrite);
}

void TestQuestionDialogs::fileDialogueCloseIsCancel() {
    ModalWatcher watcher;
    File_Choice_Continue = true;
    answerWith(watcher, "");
    ui::loadedWindow<FileDialogue>().exec();
    QVERIFY(!File_Choice_Continue);
}

QTEST_MAIN(TestQuestionDialogs)
#include "tst_questiondialogs.moc"
