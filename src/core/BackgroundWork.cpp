#include "BackgroundWork.h"

#include "AppContext.h"
#include "ProgressWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <QUuid>
#include <atomic>
#include <exception>
#include <memory>

#include <sqlite3.h>

namespace {

// What the worker and this thread share.
struct Shared {
    std::atomic<bool> cancelled{false};
    std::atomic<bool> done{false};
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

bool CanWorkAside(Database& db)
{
    sqlite3* h = db.sqliteHandle();
    if (!h || !sqlite3_get_autocommit(h))
        return false;
    const char* file = sqlite3_db_filename(h, "main");
    return file && *file;
}

void Work(Shared& shared, const QString& path, const std::function<void(Database&)>& work)
{
    try {
        Database worker(QStringLiteral("worker-") + QUuid::createUuid().toString(QUuid::Id128));
        worker.open(path);
        sqlite3* h = worker.sqliteHandle();
        sqlite3_progress_handler(h, 1000, &StopWhenCancelled, &shared);
        sqlite3_busy_handler(h, &WaitUnlessCancelled, &shared);
        worker.exec(QStringLiteral("pragma query_only = 1"));
        work(worker);
    } catch (...) {
        shared.error = std::current_exception();
    }
    shared.done = true;
}

// The busy cursor for as long as the object lives.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

bool RunInBackground(AppContext& context, QWidget* parent, const QString& text,
                     const std::function<void(Database& db)>& work)
{
    Database& db = context.db();
    if (!CanWorkAside(db)) {
        work(db);
        return true;
    }
    Shared shared;
    const QString path = QString::fromUtf8(sqlite3_db_filename(db.sqliteHandle(), "main"));
    std::unique_ptr<QThread> thread(QThread::create([&shared, &path, &work] { Work(shared, path, work); }));
    {
        QEventLoop loop;
        QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
        thread->start();
        // A short routine ends before anything is shown; meanwhile the window takes no input.
        QTimer::singleShot(BusyDelayMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        if (!shared.done) {
            const BusyCursor cursor;
            ProgressWindow window(parent, text, [&shared] { shared.cancelled = true; });
            window.show();
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
