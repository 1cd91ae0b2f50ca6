#include "jetfixture.h"

#include <QDir>
#include <QFile>

QString jetSamplePath(const QString& sample) { return QStringLiteral(KELVANE_FIXTURES "/jet/") + sample; }

QString copyJetSample(const QString& sample, const QString& folder, const QString& as) {
    QString target = QDir(folder).filePath(as.isEmpty() ? sample : as);
    if (!QFile::copy(jetSamplePath(sample), target))
        return {};
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

QByteArray missingSampleMessage(const QString& sample) {
    return QStringLiteral("sample Jet file missing or unreadable: %1").arg(jetSamplePath(sample)).toUtf8();
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

qint64 bytesReadSoFar() {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = io.readLine(); !line.isEmpty(); line = io.readLine()) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}
