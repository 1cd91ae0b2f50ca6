#include "announcerfixture.h"

#include "kelvaneversion.h"
#include "programinfo.h"

#include <QProcess>
#include <QTest>

#include <vector>

Q_DECLARE_METATYPE(cli::InfoRequest)

class TestProgramInfo : public QObject {
    Q_OBJECT

private slots:
    void recognisesOnlyTheFirstArgument_data();
    void recognisesOnlyTheFirstArgument();
    void programsAnswer_data();
    void programsAnswer();
};

void TestProgramInfo::recognisesOnlyTheFirstArgument_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<cli::InfoRequest>("expected");
    using R = cli::InfoRequest;
    QTest::newRow("no arguments") << QStringList{} << R::None;
    QTest::newRow("--help") << QStringList{"--help"} << R::Help;
    QTest::newRow("-h") << QStringList{"-h"} << R::Help;
    QTest::newRow("--version") << QStringList{"--version"} << R::Version;
    QTest::newRow("--version with more after it") << QStringList{"--version", "x"} << R::Version;
    QTest::newRow("message text that reads --help")
        << QStringList{"add", "gala.mdb", "1", "--help"} << R::None;
    QTest::newRow("a longer word is not the option") << QStringList{"--helpme"} << R::None;
    QTest::newRow("-v is not short for --version") << QStringList{"-v"} << R::None;
    QTest::newRow("a command") << QStringList{"list", "gala.mdb"} << R::None;
}

void TestProgramInfo::recognisesOnlyTheFirstArgument() {
    QFETCH(QStringList, args);
    QFETCH(cli::InfoRequest, expected);
    std::vector<QByteArray> storage{"program"};
    for (const QString& arg : args)
        storage.push_back(arg.toUtf8());
    std::vector<const char*> argv;
    argv.reserve(storage.size());
    for (const QByteArray& arg : storage)
        argv.push_back(arg.constData());
    QCOMPARE(cli::infoRequest(static_cast<int>(argv.size()), argv.data()), expected);
}

void TestProgramInfo::programsAnswer_data() {
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<QString>("arg");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString version = QStringLiteral(KELVANE_VERSION);
    QTest::newRow("feed --version") << QByteArray("KELVANE_FEED") << "--version" << 0
                                    << "kelvane-feed " + version + "\n" << QString();
    QTest::newRow("feed --help") << QByteArray("KELVANE_FEED") << "--help" << 0
                                 << "usage: kelvane-feed init FILE" << QString();
    QTest::newRow("feed unknown command: usage is an error")
        << QByteArray("KELVANE_FEED") << "--frobnicate" << 2 << QString()
        << "usage: kelvane-feed init FILE";
    QTest::newRow("club tool --version") << QByteArray("KELVANE_CLUBDB") << "--version" << 0
                                         << "kelvane-clubdb " + version + "\n" << QString();
    QTest::newRow("club tool -h") << QByteArray("KELVANE_CLUBDB") << "-h" << 0
                                  << "usage: kelvane-clubdb init FILE" << QString();
    QTest::newRow("club tool unknown command: usage is an error")
        << QByteArray("KELVANE_CLUBDB") << "nonsense" << 2 << QString()
        << "usage: kelvane-clubdb init FILE";
    QTest::newRow("windowed program --version needs no display")
        << QByteArray("KELVANE_BIN") << "--version" << 0 << "kelvane " + version + "\n"
        << QString();
    QTest::newRow("windowed program --help names its option")
        << QByteArray("KELVANE_BIN") << "--help" << 0 << "usage: kelvane [--display-only] [--station [ADDRESS][:PORT]]\n" << QString();
    QTest::newRow("served desk: an unknown option is an error")
        << QByteArray("KELVANE_BIN") << "serve --frobnicate" << 2 << QString()
        << "kelvane: unknown argument --frobnicate\nusage: kelvane";
    QTest::newRow("served desk: one database only")
        << QByteArray("KELVANE_BIN") << "serve a.mdb b.mdb" << 2 << QString()
        << "kelvane: unknown argument b.mdb\n";
    QTest::newRow("served desk: a station address that is none")
        << QByteArray("KELVANE_BIN") << "serve --station 300.1.2.3:8088 a.mdb" << 2 << QString()
        << "kelvane: 300.1.2.3 is no IP address\n";
}

// Output is compared from its start: the first line is what a reader or a
// script sees first, the rest of the usage may grow.
void TestProgramInfo::programsAnswer() {
    QFETCH(QByteArray, program);
    QFETCH(QString, arg); // the arguments, separated by blanks
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(builtProgram(program.constData()), arg.split(QLatin1Char(' ')));
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    const QString stdOut = QString::fromUtf8(process.readAllStandardOutput());
    const QString stdErr = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
    QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.startsWith(err), qPrintable(stdErr));
}

QTEST_GUILESS_MAIN(TestProgramInfo)
#include "tst_programinfo.moc"
