#include "jetfixture.h"

#include <QDir>
#include <QFile>

QString copyJetSample(const QString& sample, const QString& folder, const QString& as) {
    QString target = QDir(folder).filePath(as.isEmpty() ? sample : as);
    if (!QFile::copy(QStringLiteral(KELVANE_FIXTURES "/jet/") + sample, target))
        return {};
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
