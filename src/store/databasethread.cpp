#include "databasethread.h"

#include <QThread>

#include <atomic>

namespace store {

namespace {

// A normal close (a file, a server that answers) takes milliseconds; a
// thread still busy after this is waiting on the network.
constexpr unsigned long closeWaitMs = 250;

std::atomic<int> runningThreads{0};

} // namespace

DatabaseThread::DatabaseThread()
    : m_thread(new QThread)
    , m_worker(new DatabaseWorker)
    , m_receiver(new QObject) {
    m_worker->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    QObject::connect(
        m_worker, &DatabaseWorker::delivered, m_receiver,
        [open = m_open](const std::function<void()>& deliver) {
            if (*open)
                deliver();
        },
        Qt::QueuedConnection);
    ++runningThreads;
    QObject::connect(m_thread, &QThread::finished, m_thread, [] { --runningThreads; }, Qt::DirectConnection);
    m_thread->start();
}

DatabaseThread::~DatabaseThread() {
    *m_open = false;
    m_receiver->deleteLater();
    post([](DatabaseWorker& worker) {
        if (worker.database)
            worker.database->close();
        worker.database.reset();
        QThread::currentThread()->quit();
    });
    if (m_thread->wait(closeWaitMs)) {
        delete m_thread;
        return;
    }
    // Still on the network: the thread object goes once the thread ends.
    QObject::connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
}

void DatabaseThread::open(const QString& path, const QString& purpose, const OpenOptions& options,
                          std::function<void(Outcome<bool>)> done) {
    ++*m_pendingShared;
    post([=, done = std::move(done), pending = m_pendingShared](DatabaseWorker& worker) {
        Outcome<bool> outcome = attempt<bool>([&] {
            worker.database = openDatabase(path, purpose, options);
            return worker.database->canDeleteRows();
        });
        emit worker.delivered([done, outcome, pending] {
            --*pending;
            done(outcome);
        });
    });
}

void DatabaseThread::watchChanges(std::function<void()> changed) {
    post([changed = std::move(changed)](DatabaseWorker& worker) {
        if (worker.database)
            worker.database->watchChanges([&worker, changed] { emit worker.delivered(changed); });
    });
}

int DatabaseThread::stillRunning() { return runningThreads; }

void DatabaseThread::post(std::function<void(DatabaseWorker&)> job) {
    DatabaseWorker* worker = m_worker;
    QMetaObject::invokeMethod(worker, [worker, job = std::move(job)] { job(*worker); }, Qt::QueuedConnection);
}

} // namespace store
