#pragma once

#include "Database.h"
#include "Progress.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <type_traits>

struct AppContext;
class QWidget;

// Runs a reading data routine on a worker thread, on a read-only connection of its own to the
// program's database file. A routine done within 50 ms returns before the event loop runs at all;
// a longer one lets this thread's event loop go on: the window repaints, timers fire. Until
// BusyDelayMs the window takes no input; then the busy cursor and a progress window with "取消"
// (modal to parent, captioned with text) are shown. "取消" stops the routine's statements at once.
//
// Returns false when the operator cancelled; the caller then leaves its window as it was. An
// exception the routine throws is thrown again here, in the caller's thread, so the caller's
// guard (GuardedConnect, RunGuarded) shows it through the prompts.
//
// The routine sees what the program's connection has committed. When that connection is inside a
// transaction, or is not on a file, the routine runs here, on that connection, as before.
bool RunInBackground(AppContext& context, QWidget* parent, const QString& text,
                     const std::function<void(Database& db)>& work);

// The same for a routine that returns its rows (RowSet, ReportData, ...): nothing when cancelled.
//     if (auto rows = RunInBackground(m_ctx, this, text, [&](Database& db) { return ListX(db, from, to); }))
//         Show(*rows);
template <class Work>
auto RunInBackground(AppContext& context, QWidget* parent, const QString& text, Work&& work)
    -> std::optional<std::invoke_result_t<Work&, Database&>>
    requires(!std::is_void_v<std::invoke_result_t<Work&, Database&>>)
{
    std::optional<std::invoke_result_t<Work&, Database&>> result;
    if (!RunInBackground(context, parent, text, std::function<void(Database&)>([&](Database& db) {
            result.emplace(std::invoke(work, db));
        })))
        result.reset();
    return result;
}

// Maintenance work that may write (clearing a month, initialising, a backup) on a worker thread on
// a connection of its own to the same file, as one unit: after the first moment the busy cursor
// and a progress window with the routine's steps (Progress) come up, without "取消". The audit log
// records the operator of the program's connection. An error is thrown again here. Inside a
// transaction of the program's connection the routine runs in place, as before.
void RunMaintenance(AppContext& context, QWidget* parent, const QString& text,
                    const std::function<void(Database& db, const Progress& progress)>& work);

// Long work that stays in the window's thread (laying out pages) lets the event loop run now and
// then through step(), called often: the window repaints; for the first moment it takes no input,
// then the busy cursor and a progress window with "取消" come up. After "取消" step() throws
// WorkCancelled, which the caller catches to leave everything as it was.
class BusySteps {
public:
    BusySteps(QWidget* parent, QString text);
    ~BusySteps();
    BusySteps(const BusySteps&) = delete;
    BusySteps& operator=(const BusySteps&) = delete;
    void step();

private:
    struct Shown;
    QWidget* m_parent;
    QString m_text;
    qint64 m_started = 0, m_lastTurn = 0;
    bool m_cancelled = false;
    std::unique_ptr<Shown> m_shown;
};

struct WorkCancelled : std::runtime_error {
    WorkCancelled() : std::runtime_error("cancelled") {}
};

// How long work runs before the busy cursor and the progress window are shown.
inline constexpr int BusyDelayMs = 200;
