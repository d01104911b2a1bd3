#include "BackgroundWork.h"

#include "AppContext.h"
#include "ProgressWindow.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <QUuid>
#include <atomic>
#include <exception>
#include <memory>

#include <sqlite3.h>

namespace {

// Work this short runs as if in the window's thread: the event loop does not run meanwhile.
constexpr int QuietMs = 50;

// What the worker and this thread share.
struct Shared {
    std::atomic<bool> cancelled{false};
    std::atomic<bool> done{false};
    std::atomic<qint64> serverProcess{0};  // on a server, the reading connection's process once open
    std::atomic<int> stepsDone{0}, steps{0};
    std::exception_ptr error;
};

// Called by the engine every so many steps of a statement: a non-zero answer stops it.
int StopWhenCancelled(void* shared)
{
    return static_cast<Shared*>(shared)->cancelled.load() ? 1 : 0;
}

// While another program holds the file locked: waits as the program's connection does (5 s),
// but gives up at once when cancelled.
int WaitUnlessCancelled(void* shared, int tries)
{
    if (static_cast<Shared*>(shared)->cancelled.load() || tries >= 500)
        return 0;
    QThread::msleep(10);
    return 1;
}

// "取消" on a server: the server stops the reading connection's statement itself (through the
// program's connection, as another session may), and the reading ends with the server's
// query_canceled. Sent again while the worker runs, as a statement may begin just after it.
void CancelOnServer(Database& via, const Shared& shared) noexcept
{
    if (const qint64 process = shared.serverProcess.load()) {
        try {
            via.exec(QStringLiteral("select pg_cancel_backend(%1)").arg(process));
        } catch (const DbError&) {
            // The program's connection is gone: the reading ends with its statement, as it would anyway.
        }
    }
}

// A worker's connection sees what this one does only when this one is not inside a transaction
// and the data is somewhere a second connection reaches (a file, not an in-memory database).
bool CanWorkAside(Database& db)
{
    if (!db.isOpen() || db.inTransaction())
        return false;
    if (db.engine() == Engine::Postgres)
        return true;
    const char* file = sqlite3_db_filename(db.sqliteHandle(), "main");
    return file && *file;
}

// The busy cursor for as long as the object lives.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

enum class Access { Reading, Maintenance };

// The worker's side: a connection of its own on the same file, the routine, the connection closed.
// A cancelled reading stops at once: on a file through SQLite's progress handler, on a server
// through CancelOnServer.
void Work(Shared& shared, Access access, const DatabaseTarget& target, const QString& operatorName,
          const std::function<void(Database&)>& work)
{
    try {
        Database worker(QStringLiteral("worker-") + QUuid::createUuid().toString(QUuid::Id128));
        worker.open(target);
        worker.setOperator(operatorName);
        if (sqlite3* h = worker.sqliteHandle()) {
            sqlite3_busy_handler(h, &WaitUnlessCancelled, &shared);
            if (access == Access::Reading) {
                sqlite3_progress_handler(h, 1000, &StopWhenCancelled, &shared);
                worker.exec(QStringLiteral("pragma query_only = 1"));
            }
        } else if (access == Access::Reading) {
            worker.exec(QStringLiteral("set default_transaction_read_only = on"));
            shared.serverProcess = worker.scalar(QStringLiteral("select pg_backend_pid()")).toLongLong();
        }
        work(worker);
    } catch (...) {
        shared.error = std::current_exception();
    }
    shared.done = true;
}

// This thread's side: the event loop runs until the worker is done; after BusyDelayMs the busy
// cursor and the progress window. Returns false when cancelled.
bool RunAside(AppContext& context, QWidget* parent, const QString& text, Access access, Shared& shared,
              const std::function<void(Database&)>& work)
{
    Database& db = context.db();
    DatabaseTarget target = db.target();
    if (sqlite3* h = db.sqliteHandle())
        target.path = QString::fromUtf8(sqlite3_db_filename(h, "main"));
    const QString operatorName = db.operatorName();
    std::unique_ptr<QThread> thread(QThread::create(
        [&shared, access, &target, &operatorName, &work] { Work(shared, access, target, operatorName, work); }));
    {
        QEventLoop loop;
        QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
        thread->start();
        // A short routine ends before anything is shown, most before the event loop runs at all;
        // meanwhile the window takes no input.
        if (!thread->wait(QDeadlineTimer(QuietMs))) {
            QTimer::singleShot(BusyDelayMs - QuietMs, &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        if (!shared.done) {
            const BusyCursor cursor;
            std::optional<ProgressWindow> window;
            QTimer steps;
            if (access == Access::Reading) {
                window.emplace(parent, text, [&shared, &db, &steps] {
                    shared.cancelled = true;
                    CancelOnServer(db, shared);
                    QObject::connect(&steps, &QTimer::timeout, [&shared, &db] { CancelOnServer(db, shared); });
                    steps.start(100);
                });
            } else {
                window.emplace(parent, text);
                QObject::connect(&steps, &QTimer::timeout, [&] { window->progress()(shared.stepsDone, shared.steps); });
                steps.start(50);
            }
            window->show();
            QEventLoop rest;
            QObject::connect(thread.get(), &QThread::finished, &rest, &QEventLoop::quit);
            if (!shared.done)
                rest.exec();
        }
        thread->wait();
    }
    if (shared.cancelled)
        return false;
    if (shared.error)
        std::rethrow_exception(shared.error);
    return true;
}

}  // namespace

bool RunInBackground(AppContext& context, QWidget* parent, const QString& text,
                     const std::function<void(Database& db)>& work)
{
    if (!CanWorkAside(context.db())) {
        work(context.db());
        return true;
    }
    Shared shared;
    return RunAside(context, parent, text, Access::Reading, shared, work);
}

void RunMaintenance(AppContext& context, QWidget* parent, const QString& text,
                    const std::function<void(Database& db, const Progress& progress)>& work)
{
    if (!CanWorkAside(context.db())) {
        ProgressWindow window(parent, text);
        work(context.db(), window.progress());
        return;
    }
    Shared shared;
    const Progress progress = [&shared](int done, int total) {
        shared.steps = total;
        shared.stepsDone = done;
    };
    RunAside(context, parent, text, Access::Maintenance, shared, [&](Database& db) { work(db, progress); });
}

// The window shown while the steps go on.
struct BusySteps::Shown {
    Shown(QWidget* parent, const QString& text, std::function<void()> cancel) : window(parent, text, std::move(cancel))
    {
        window.show();
    }
    BusyCursor cursor;
    ProgressWindow window;
};

BusySteps::BusySteps(QWidget* parent, QString text) : m_parent(parent), m_text(std::move(text))
{
    QElapsedTimer clock;
    clock.start();
    m_started = m_lastTurn = clock.msecsSinceReference();
}

BusySteps::~BusySteps() = default;

void BusySteps::step()
{
    // The event loop's first turn comes after QuietMs, the next every 25 ms; the clock is read on
    // every step, which is cheap.
    constexpr qint64 TurnMs = 25;
    QElapsedTimer clock;
    clock.start();
    const qint64 now = clock.msecsSinceReference();
    if (now - m_started < QuietMs || now - m_lastTurn < TurnMs)
        return;
    m_lastTurn = now;
    if (!m_shown && now - m_started >= BusyDelayMs) {
        m_shown = std::make_unique<Shown>(m_parent, m_text, [this] { m_cancelled = true; });
    }
    QCoreApplication::processEvents(m_shown ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    if (m_cancelled)
        throw WorkCancelled();
}
