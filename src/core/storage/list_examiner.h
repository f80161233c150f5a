#pragma once

#include "file_list.h"

#include <QList>
#include <QObject>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace orva {

// Examines the files of the configuration file list on worker threads (one per core), each worker
// with its own list model and lexer. The rows are taken in an order the owner gives and may change
// while the work goes on (the list's order, also after a sort); the owner collects the examined rows on
// its own thread. A row's id is its index in the rows given to Load. Every member function is called
// on the owner's thread. The workers are plain standard threads guarded by a standard mutex, which
// ThreadSanitizer sees through (it cannot see into Qt's own thread pool and wait conditions).
class ListExaminer : public QObject
{
    Q_OBJECT
public:
    using Examined = std::pair<int, ListRow>; // id and the examined row

    explicit ListExaminer(QObject *parent = nullptr);
    ~ListExaminer() override; // stops, waiting for the files being examined

    // Forgets all earlier work and takes the rows of `folder`; rows already examined are left alone.
    // No worker starts yet.
    void Load(const QString &folder, const QList<ListRow> &rows);
    // Adds rows after the loaded ones (their ids follow on) at the end of the order, and starts workers
    // for them if none runs: a folder's containers are added while its plain files are examined.
    void Add(const QList<ListRow> &rows);
    // Starts the workers on the rows of `order` that wait for examination, in that order.
    void Start(const QList<int> &order);
    // From now on the workers take the waiting rows in this order.
    void Reorder(const QList<int> &order);
    // The waiting rows stay unexamined; returns once the files being examined are done (their results
    // are dropped: those rows wait again).
    void Stop();
    // Blocks until every row of the order is examined or the work is stopped.
    void WaitForDone();

    // The rows examined by the workers and not taken yet, in the order they were finished.
    QList<Examined> TakeFinished();
    // The row with this id examined: taken from the finished rows, waited for while a worker has it, or
    // examined now on the calling thread with `model` if no worker took it yet.
    ListRow ExamineNow(int id, T_Command_DEVICE &model);

Q_SIGNALS:
    // An examined row waits to be taken. Emitted from a worker thread, once until the next TakeFinished.
    void FinishedWaiting();

private:
    enum class State : quint8 { Waiting, Running, Finished, Taken };

    void RunWorker(std::size_t slot);
    // The next waiting id of the order, marked as running; -1 when none is left. Needs the lock.
    int ClaimNext();
    // Blocks until no worker runs.
    void WaitForWorkers(std::unique_lock<std::mutex> &lock);

    std::mutex m_mutex;
    std::condition_variable m_rowFinished;
    std::condition_variable m_workerEnded;
    // One slot per core: its thread (started and joined only by the owner) and whether a worker runs
    // there (under the lock). A slot's ended thread is joined when the slot is used again.
    std::vector<std::thread> m_threads;
    std::vector<char> m_running;
    QString m_folder;
    QList<ListRow> m_rows; // by id, as loaded
    std::vector<State> m_state;
    QList<int> m_order;
    qsizetype m_next = 0; // the first place of m_order that may still hold a waiting id
    QList<Examined> m_finished;
    int m_workers = 0;    // slots whose worker runs
    int m_generation = 0; // changed by Load and Stop: workers of an earlier generation drop their rows
    bool m_notified = false;
};

} // namespace orva
