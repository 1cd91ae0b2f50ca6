#include "settingsfile.h"

#include "store/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

constexpr qint64 longestSettingsFile = qint64{64} * 1024;

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// The file's text in the system's 8-bit encoding, or nothing for a file
// that holds no text (NUL bytes, invalid encoding) or cannot be read.
std::optional<QString> readText(const QString& path) {
    QFile file;
    if (store::openRegularFile(file, path))
        return std::nullopt;
    const QByteArray bytes = file.read(longestSettingsFile);
    if (bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder decode(QStringDecoder::System);
    const QString text = decode(bytes);
    if (decode.hasError())
        return std::nullopt;
    return text;
}

} // namespace

QString settingsFilePath() { return QDir::homePath() + QStringLiteral("/kelvane.ini"); }

QString defaultDatabasePath() { return QDir::homePath() + QStringLiteral("/announcer.mdb"); }

QString readSettingsField(const QString& settingsPath) {
    const std::optional<QString> text = readText(settingsPath);
    if (!text)
        return QString();
    qsizetype start = 0;
    while (start < text->size() && isBlank(text->at(start)))
        ++start;
    const auto endOfLine = [&](qsizetype from) {
        qsizetype end = from;
        while (end < text->size() && text->at(end) != QLatin1Char('\r') && text->at(end) != QLatin1Char('\n'))
            ++end;
        return end;
    };
    if (start < text->size() && text->at(start) == QLatin1Char('"')) {
        const qsizetype lineEnd = endOfLine(start + 1);
        qsizetype quote = text->indexOf(QLatin1Char('"'), start + 1);
        if (quote < 0 || quote > lineEnd)
            quote = lineEnd;
        return text->mid(start + 1, quote - start - 1);
    }
    qsizetype end = endOfLine(start);
    const qsizetype comma = text->indexOf(QLatin1Char(','), start);
    if (comma >= 0 && comma < end)
        end = comma;
    while (end > start && isBlank(text->at(end - 1)))
        --end;
    return text->mid(start, end - start);
}

store::Failure unstorablePathReason(const QString& databasePath) {
    if (databasePath.contains(QLatin1Char('"')))
        return store::Failure(
            QCoreApplication::translate("SettingsFile", "it contains a double quote"));
    if (databasePath.contains(QLatin1Char('\r')) || databasePath.contains(QLatin1Char('\n')))
        return store::Failure(
            QCoreApplication::translate("SettingsFile", "it contains a line break"));
    return {};
}

store::Failure writeSettings(const QString& settingsPath, const QString& databasePath) {
    QSaveFile file(settingsPath);
    if (!file.open(QIODevice::WriteOnly))
        return store::Failure(file.errorString());
    const QByteArray line = '"' + databasePath.toLocal8Bit() + "\"\r\n";
    // The explicit flush is what notices a full disk: commit() alone would
    // report success and put an empty file in place of the old settings.
    // Returning without commit() leaves the old file as it was.
    if (file.write(line) != line.size() || !file.flush() || !file.commit())
        return store::Failure(file.errorString());
    return {};
}
