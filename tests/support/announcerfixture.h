#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <vector>

// A temporary announcer database for one test, filled the way the
// meet-management program fills it.
class AnnouncerFixture {
public:
    AnnouncerFixture();

    [[nodiscard]] QString path() const { return m_path; }
    [[nodiscard]] QString dir() const { return m_dir.path(); }

    // Adds a row exactly as given (no line-break rewriting); a null
    // sequence or message is stored as NULL.
    void addRow(const QVariant& sequence, const QVariant& message) const;
    // (Sequence, Message) of every row in listing order.
    [[nodiscard]] std::vector<std::pair<QVariant, QString>> rows() const;
    [[nodiscard]] int rowCount() const { return static_cast<int>(rows().size()); }
    // The first value a statement yields (PRAGMAs and the like).
    [[nodiscard]] QVariant firstValue(const QString& sql) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// Path of a built program handed in by CTest (KELVANE_FEED, KELVANE_BIN).
QString builtProgram(const char* variable);
