#include "list_examiner.h"

#include <QThread>

#include <algorithm>

namespace orva {

ListExaminer::ListExaminer(QObject *parent)
    : QObject(parent), m_threads(qMax(1, QThread::idealThreadCount())), m_running(m_threads.size(), 0)
{}

ListExaminer::~ListExaminer()
{
    Stop();
    for (std::thread &thread : m_threads) {
        if (thread.joinable())
            thread.join();
    }
}

void ListExaminer::Load(const QString &folder, const QList<ListRow> &rows)
{
    Stop();
    std::lock_guard lock(m_mutex);
    m_folder = folder;
    m_rows = rows;
    m_state.assign(rows.size(), State::Waiting);
    for (qsizetype id = 0; id < rows.size(); ++id) {
        if (rows.at(id).examined)
            m_state[id] = State::Taken;
    }
    m_order.clear();
    m_next = 0;
    m_finished.clear();
    m_notified = false;
}

void ListExaminer::Start(const QList<int> &order)
{
    std::vector<std::size_t> slots;
    {
        std::lock_guard lock(m_mutex);
        m_order = order;
        m_next = 0;
        qsizetype waiting = std::count_if(order.cbegin(), order.cend(), [this](int id) {
            return id >= 0 && id < qsizetype(m_state.size()) && m_state[id] == State::Waiting;
        });
        for (std::size_t slot = 0; slot < m_running.size() && waiting > 0; ++slot) {
            if (!m_running[slot]) {
                m_running[slot] = 1;
                ++m_workers;
                slots.push_back(slot);
                --waiting;
            }
        }
    }
    for (std::size_t slot : slots) {
        // The slot's earlier worker has ended (it cleared the slot last): the join does not wait.
        if (m_threads[slot].joinable())
            m_threads[slot].join();
        m_threads[slot] = std::thread([this, slot] { RunWorker(slot); });
    }
}

void ListExaminer::Add(const QList<ListRow> &rows)
{
    QList<int> order;
    {
        std::lock_guard lock(m_mutex);
        const int first = int(m_rows.size());
        m_rows.append(rows);
        order = m_order.mid(m_next);
        for (qsizetype i = 0; i < rows.size(); ++i) {
            m_state.push_back(rows.at(i).examined ? State::Taken : State::Waiting);
            order.append(first + int(i));
        }
    }
    Start(order);
}

void ListExaminer::Reorder(const QList<int> &order)
{
    std::lock_guard lock(m_mutex);
    m_order = order;
    m_next = 0;
}

void ListExaminer::WaitForWorkers(std::unique_lock<std::mutex> &lock)
{
    m_workerEnded.wait(lock, [this] { return m_workers == 0; });
}

void ListExaminer::Stop()
{
    std::unique_lock lock(m_mutex);
    ++m_generation;
    m_order.clear();
    m_next = 0;
    WaitForWorkers(lock);
    for (State &state : m_state) {
        if (state == State::Running)
            state = State::Waiting;
    }
}

void ListExaminer::WaitForDone()
{
    std::unique_lock lock(m_mutex);
    WaitForWorkers(lock);
}

QList<ListExaminer::Examined> ListExaminer::TakeFinished()
{
    std::lock_guard lock(m_mutex);
    QList<Examined> finished;
    finished.swap(m_finished);
    for (const Examined &examined : std::as_const(finished))
        m_state[examined.first] = State::Taken;
    m_notified = false;
    return finished;
}

ListRow ListExaminer::ExamineNow(int id, T_Command_DEVICE &model)
{
    std::unique_lock lock(m_mutex);
    Q_ASSERT(id >= 0 && id < qsizetype(m_state.size()));
    for (;;) {
        switch (m_state[id]) {
        case State::Running:
            m_rowFinished.wait(lock);
            continue;
        case State::Finished: {
            const auto it = std::find_if(m_finished.cbegin(), m_finished.cend(),
                                         [id](const Examined &examined) { return examined.first == id; });
            ListRow row = it->second;
            m_finished.erase(it);
            m_state[id] = State::Taken;
            return row;
        }
        case State::Waiting:
        case State::Taken: {
            m_state[id] = State::Taken;
            ListRow row = m_rows.at(id);
            const QString folder = m_folder;
            lock.unlock();
            ExamineListRow(folder, row, model);
            return row;
        }
        }
    }
}

int ListExaminer::ClaimNext()
{
    while (m_next < m_order.size()) {
        const int id = m_order.at(m_next++);
        if (id >= 0 && id < qsizetype(m_state.size()) && m_state[id] == State::Waiting) {
            m_state[id] = State::Running;
            return id;
        }
    }
    return -1;
}

void ListExaminer::RunWorker(std::size_t slot)
{
    T_Command_DEVICE model; // this worker's own list model
    std::unique_lock lock(m_mutex);
    const int generation = m_generation;
    for (;;) {
        const int id = generation == m_generation ? ClaimNext() : -1;
        if (id < 0)
            break;
        ListRow row = m_rows.at(id);
        const QString folder = m_folder;
        lock.unlock();
        ExamineListRow(folder, row, model);
        lock.lock();
        if (generation != m_generation)
            break; // stopped meanwhile: Stop puts the row back to waiting
        m_state[id] = State::Finished;
        m_finished.append({id, std::move(row)});
        m_rowFinished.notify_all();
        if (!m_notified) {
            m_notified = true;
            lock.unlock();
            Q_EMIT FinishedWaiting();
            lock.lock();
        }
    }
    m_running[slot] = 0;
    --m_workers;
    // A row stopped meanwhile stays running until Stop, which waits for this, puts it back.
    m_workerEnded.notify_all();
}

} // namespace orva
