#pragma once

#include <QFile>

// A memory figure of this process in KiB (VmRSS: resident now, VmHWM: the
// most resident since the start or the last resetPeakResident()), -1 when
// it cannot be read.
inline qint64 memoryKiB(const QByteArray& field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

inline qint64 residentKiB() {
    return memoryKiB("VmRSS");
}

inline void resetPeakResident() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}
