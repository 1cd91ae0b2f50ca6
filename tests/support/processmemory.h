#pragma once

#include <QFile>

// A field of /proc/self/status in KiB ("VmRSS:"), -1 when it cannot be read.
inline qint64 statusKiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Resident memory of this process in KiB, -1 when it cannot be read.
inline qint64 residentKiB() {
    return statusKiB("VmRSS:");
}

// The most resident memory since the process started or since
// resetPeakResident(), in KiB.
inline qint64 peakResidentKiB() {
    return statusKiB("VmHWM:");
}

// Starts the peak afresh from what the process holds now.
inline void resetPeakResident() {
    QFile references(QStringLiteral("/proc/self/clear_refs"));
    if (references.open(QIODevice::WriteOnly))
        references.write("5");
}
