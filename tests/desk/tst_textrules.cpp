#include "desk/fileprobe.h"
#include "desk/hiddenmessages.h"
#include "desk/messagelines.h"
#include "desk/textsplit.h"

#include "store/announcerschema.h"
#include "store/kelvaneerror.h"
#include "store/snapshotrecordset.h"

#include "specialfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTextRules : public QObject {
    Q_OBJECT

private slots:
    void splitIntoItems_data();
    void splitIntoItems();
    void listLine_data();
    void listLine();
    void lineBreaks_data();
    void lineBreaks();
    void sequenceRules_data();
    void sequenceRules();
    void nullMessageIsEmpty();
    void fileExists_data();
    void fileExists();
    void hiddenMessageIsKnownByFileAndRow_data();
    void hiddenMessageIsKnownByFileAndRow();
};

void TestTextRules::splitIntoItems_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("delimiter");
    QTest::addColumn<QStringList>("pieces");
    const QString crlf = QStringLiteral("\r\n");
    QTest::newRow("empty text") << QString() << crlf << QStringList();
    QTest::newRow("no delimiter") << "one line" << crlf << QStringList{"one line"};
    QTest::newRow("ends with delimiter") << "a\r\nb\r\n" << crlf << QStringList{"a", "b"};
    QTest::newRow("leading and doubled delimiters")
        << "\r\n\r\na\r\n\r\nb" << crlf << QStringList{"a", "b"};
    QTest::newRow("colon first") << ":abc"
                                 << ":" << QStringList{"abc"};
    QTest::newRow("lone CR and LF stay inside")
        << "a\rb\nc\r\nd" << crlf << QStringList{"a\rb\nc", "d"};
    QTest::newRow("CR before the closing delimiter") << "a\r" << crlf << QStringList{"a\r"};
    QTest::newRow("empty delimiter means space") << " x  y "
                                                 << "" << QStringList{"x", "y"};
    QTest::newRow("only delimiters") << "\r\n\r\n" << crlf << QStringList();
    QTest::newRow("delimiter matched exactly") << "aXb xc"
                                               << "x" << QStringList{"aXb ", "c"};
    QTest::newRow("non-ASCII") << QString::fromUtf8("Zoë Ødegård\r\nçà") << crlf
                               << QStringList{QString::fromUtf8("Zoë Ødegård"),
                                              QString::fromUtf8("çà")};
    const QString head(40000, QLatin1Char('x'));
    QTest::newRow("delimiter far into the text")
        << head + "\r\ntail" << crlf << QStringList{head, "tail"};
    QStringList many;
    for (int i = 1; i <= 1500; ++i)
        many << QString::number(i);
    QTest::newRow("at most a thousand pieces") << many.join(crlf) << crlf << many.mid(0, 1000);
}

void TestTextRules::splitIntoItems() {
    QFETCH(QString, text);
    QFETCH(QString, delimiter);
    QFETCH(QStringList, pieces);
    QCOMPARE(desk::Split_Into_Items(text, delimiter), pieces);
}

void TestTextRules::listLine_data() {
    QTest::addColumn<QVariant>("sequence");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("more");
    QTest::addColumn<QString>("line");
    QTest::newRow("two lines") << QVariant(12) << "Event 3\r\nresults" << false << "12:Event 3";
    QTest::newRow("empty message") << QVariant(4) << "" << false << "4:";
    QTest::newRow("line breaks only") << QVariant(4) << "\r\n\r\n" << false << "4:";
    QTest::newRow("leading empty lines") << QVariant(5) << "\r\n\r\nHello" << false << "5:Hello";
    QTest::newRow("lone LF kept") << QVariant(6) << "a\nb\r\nc" << false << "6:a\nb";
    QTest::newRow("sent: no number, no colon")
        << QVariant(0) << "From Referee: lane 4" << false << "From Referee: lane 4";
    QTest::newRow("sent urgent") << QVariant(-1) << "From Referee: now" << false
                                 << "From Referee: now";
    QTest::newRow("negative") << QVariant(-3) << "x" << false << "-3:x";
    QTest::newRow("null sequence") << QVariant() << "x" << false << ":x";
    QTest::newRow("no group separators") << QVariant(32767) << "x" << false << "32767:x";
    const QString thousand(1000, QLatin1Char('a'));
    QTest::newRow("first line of a thousand characters whole")
        << QVariant(1) << thousand + "\r\nb" << true << "1:" + thousand;
    QTest::newRow("longer first line cut and marked")
        << QVariant(1) << thousand + "bc\r\nd" << false << "1:" + thousand + "\u2026";
    QTest::newRow("first line running on past what was read")
        << QVariant(2) << "Event 2 res" << true << "2:Event 2 res\u2026";
    QTest::newRow("later lines past what was read")
        << QVariant(2) << "Event 2\r\nres" << true << "2:Event 2";
}

void TestTextRules::listLine() {
    QFETCH(QVariant, sequence);
    QFETCH(QString, message);
    QFETCH(bool, more);
    QFETCH(QString, line);
    QCOMPARE(desk::listLine(sequence, message, more, desk::lineKind(sequence, {})), line);
}

// Every line break, whichever way a writer or a browser made it, is one
// line break: CR LF in a Message, LF in a text box.
void TestTextRules::lineBreaks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("LF") << "a\nb"
                        << "a\r\nb"
                        << "a\nb";
    QTest::newRow("CR LF") << "a\r\nb"
                           << "a\r\nb"
                           << "a\nb";
    QTest::newRow("lone CR") << "a\rb"
                             << "a\r\nb"
                             << "a\nb";
    QTest::newRow("LF CR is two") << "a\n\rb"
                                  << "a\r\n\r\nb"
                                  << "a\n\nb";
    QTest::newRow("mixed") << "a\n\r\nb\n"
                           << "a\r\n\r\nb\r\n"
                           << "a\n\nb\n";
}

void TestTextRules::lineBreaks() {
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(store::announcer::withLineBreaks(text), stored);
    QCOMPARE(desk::displayText(text), shown);
}

// The Sequence as the list shows it and as the read-out log keeps it: a
// row another program wrote may hold anything there.
void TestTextRules::sequenceRules_data() {
    QTest::addColumn<QVariant>("sequence");
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QVariant>("logged");
    QTest::newRow("plain") << QVariant(12) << "12" << QVariant(qint16(12));
    QTest::newRow("zero") << QVariant(0) << "" << QVariant(qint16(0));
    QTest::newRow("lowest") << QVariant(-32768) << "-32768" << QVariant(qint16(-32768));
    QTest::newRow("none") << QVariant() << "" << QVariant();
    QTest::newRow("beyond 16 bits") << QVariant(40000) << "40000?" << QVariant("40000");
    QTest::newRow("text") << QVariant("abc") << "abc?" << QVariant("abc");
    QTest::newRow("a number between line breaks")
        << QVariant("\r\n2\r\n") << "2" << QVariant(qint16(2));
}

void TestTextRules::sequenceRules() {
    QFETCH(QVariant, sequence);
    QFETCH(QString, listed);
    QFETCH(QVariant, logged);
    QCOMPARE(desk::sequenceText(sequence), listed);
    QCOMPARE(desk::loggedSequence(sequence), logged);
}

void TestTextRules::nullMessageIsEmpty() {
    QCOMPARE(desk::messageText(QVariant()), QString());
}

void TestTextRules::fileExists_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("exists");
    QTest::newRow("empty file") << "empty" << true;
    QTest::newRow("file with content") << "content" << true;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("empty path") << "emptypath" << false;
    QTest::newRow("named pipe") << "fifo" << false;
    QTest::newRow("socket") << "socket" << false;
    QTest::newRow("link to a device") << "device" << false;
    QTest::newRow("link to a file") << "link" << true;
    QTest::newRow("path through a file") << "throughfile" << false;
}

void TestTextRules::fileExists() {
    QFETCH(QString, kind);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("probe"));
    if (kind == QLatin1String("empty") || kind == QLatin1String("content")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (kind == QLatin1String("content"))
            file.write("x");
    } else if (kind == QLatin1String("emptypath")) {
        path.clear();
    } else if (kind == QLatin1String("link")) {
        QFile file(dir.filePath(QStringLiteral("target")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.link(path));
    } else if (kind == QLatin1String("throughfile")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        path += QStringLiteral("/inside");
    } else if (kind != QLatin1String("missing")) {
        QVERIFY(makeSpecialFile(kind, path));
    }
    QCOMPARE(desk::File_Exists(path), exists);
}

void TestTextRules::hiddenMessageIsKnownByFileAndRow_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QVariant>("key");
    QTest::addColumn<bool>("hidden");
    const QString gala = QStringLiteral("/gala/announcer.mdb");
    const QVariant event12 = store::valuesKey({12, QStringLiteral("Event 12\r\nGirls")});
    QTest::newRow("the dismissed row") << gala << event12 << true;
    QTest::newRow("new message reusing the number")
        << gala << store::valuesKey({12, QStringLiteral("Event 14")}) << false;
    QTest::newRow("same text, other number")
        << gala << store::valuesKey({13, QStringLiteral("Event 12\r\nGirls")}) << false;
    QTest::newRow("same row in another file") << "/other/announcer.mdb" << event12 << false;
    QTest::newRow("a key column's value") << gala << QVariant(7) << true;
    QTest::newRow("another key column value") << gala << QVariant(70) << false;
    QTest::newRow("the same key handed out as another type")
        << gala << QVariant(qlonglong(7)) << true;
}

void TestTextRules::hiddenMessageIsKnownByFileAndRow() {
    QFETCH(QString, file);
    QFETCH(QVariant, key);
    QFETCH(bool, hidden);
    desk::HiddenMessages messages;
    QVERIFY(messages.isEmpty());
    messages.hide(QStringLiteral("/gala/announcer.mdb"),
                  store::RowKey(store::valuesKey({12, QStringLiteral("Event 12\r\nGirls")})));
    messages.hide(QStringLiteral("/gala/announcer.mdb"), store::RowKey(QVariant(7)));
    QCOMPARE(messages.isHidden(file, store::RowKey(key)), hidden);
    QVERIFY(messages.tellOnce());
    QVERIFY(!messages.tellOnce());
}

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
