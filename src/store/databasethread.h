#pragma once

#include "database.h"
#include "kelvaneerror.h"
#include "outcome.h"

#include <QObject>

#include <functional>
#include <memory>

class QThread;

namespace store {

// The half of a DatabaseThread that lives on the thread: it owns the open
// database and carries results back.
class DatabaseWorker : public QObject {
    Q_OBJECT

public:
    std::unique_ptr<Database> database;

signals:
    // Runs deliver on the thread that posted the operation.
    void delivered(const std::function<void()>& deliver);
};

// A database that lives on a thread of its own. Every operation runs
// there, one at a time in the order posted, and hands its outcome back to
// this (the window's) thread as an event, so the window never waits for a
// lock, a slow network or a large file.
class DatabaseThread {
public:
    DatabaseThread();
    // Closes the database on its thread and waits a moment for that;
    // outcomes not yet handed back are dropped. A thread stuck on a network
    // call is left to finish by itself, so the window never waits for it.
    ~DatabaseThread();
    DatabaseThread(const DatabaseThread&) = delete;
    DatabaseThread& operator=(const DatabaseThread&) = delete;

    // Opens the database at path on the thread; done learns whether its
    // rows can be deleted.
    void open(const QString& path, const QString& purpose, const OpenOptions& options,
              std::function<void(Outcome<bool>)> done);

    // Runs work with the open database on the thread, then done with its
    // outcome here. Work must not touch anything but the database and what
    // it owns: it runs on another thread.
    template <class Result>
    void call(std::function<Result(Database&)> work, std::function<void(Outcome<Result>)> done) {
        ++*m_pendingShared;
        post([work = std::move(work), done = std::move(done), pending = m_pendingShared](DatabaseWorker& worker) {
            // Shared, not copied: a list of ten thousand rows crosses over.
            auto outcome = std::make_shared<const Outcome<Result>>(attempt<Result>([&] {
                if (!worker.database)
                    throw KelvaneError(ErrorNumber::ObjectClosed,
                                       Texts::tr("The database is closed."));
                return work(*worker.database);
            }));
            emit worker.delivered([done, outcome, pending] {
                --*pending;
                done(*outcome);
            });
        });
    }

    // From now on calls changed here whenever the database reports that
    // its rows may have changed.
    void watchChanges(std::function<void()> changed);

    // Operations posted whose outcome has not been handed back yet.
    [[nodiscard]] int pending() const { return *m_pendingShared; }

    // Threads still running after their DatabaseThread was destroyed (a
    // network call that has not returned yet).
    static int stillRunning();

private:
    void post(std::function<void(DatabaseWorker&)> job);

    template <class Result, class Work> static Outcome<Result> attempt(Work work) {
        try {
            return Outcome<Result>(work());
        } catch (const std::exception& error) {
            return Outcome<Result>(errorFrom(error));
        }
    }

    QThread* m_thread;
    DatabaseWorker* m_worker;
    // Lives on this thread and hands outcomes over while open is true; the
    // database thread may end from inside one of them.
    QObject* m_receiver;
    std::shared_ptr<bool> m_open = std::make_shared<bool>(true);
    // Counted here; the outcomes on their way back hold it too.
    std::shared_ptr<int> m_pendingShared = std::make_shared<int>(0);
};

} // namespace store
