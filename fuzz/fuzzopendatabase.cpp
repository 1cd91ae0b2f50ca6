// Opening any file as the announcer database, and reading its messages as
// the announcer screen does when it opened: the engine chosen from the
// content, and every failure an error the program reports, never a crash.

#include "fuzzsupport.h"

#include "store/database.h"
#include "store/kelvaneerror.h"

#include <QFile>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

const QString rowSource = QStringLiteral("Sorted Announcements");

void removeDatabaseFiles(const QString& path) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
}

void readMessages(store::Database& database) {
    const std::unique_ptr<store::RecordSet> rows = database.openRecordset(rowSource);
    const int count = rows->recordCount();
    int seen = 0;
    if (count > 0) {
        for (rows->moveFirst(); !rows->eof(); rows->moveNext()) {
            ++seen;
            rows->value(QStringLiteral("Message")).toString();
            rows->value(QStringLiteral("Sequence")).toString();
        }
    }
    require(seen == count, "the record count is the number of rows walked",
            QStringLiteral("%1 of %2").arg(seen).arg(count));
    rows->close();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = scratchPath(QStringLiteral("announcer.db"));
    removeDatabaseFiles(path);
    writeScratchFile(path, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    try {
        const std::unique_ptr<store::Database> database =
            store::openDatabase(path, QStringLiteral("announcer database"));
        try {
            readMessages(*database);
        } catch (const store::KelvaneError&) {
            // A file without the row source, or with rows of the wrong shape.
        }
        database->close();
    } catch (const store::KelvaneError&) {
        // Not a database the program can open: reported to the announcer.
    }
    return 0;
}
