#include "fuzzsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

void require(bool holds, const char* property, const QString& detail) {
    if (holds)
        return;
    QString shown = detail;
    shown.replace(QChar(0), QStringLiteral("\\0"));
    std::fprintf(stderr, "Property broken: %s\n  %s\n", property, qUtf8Printable(shown));
    std::abort();
}

void silenceQtMessages() {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

void startApplication(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    silenceQtMessages();
}

QString scratchPath(const QString& name) {
    static const QTemporaryDir folder;
    require(folder.isValid(), "the scratch folder exists", folder.errorString());
    return folder.filePath(name);
}

void writeScratchFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    require(written, "the scratch file is written", file.errorString());
}
