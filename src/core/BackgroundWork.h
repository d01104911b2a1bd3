#pragma once

#include "Database.h"

#include <QString>
#include <functional>
#include <optional>
#include <type_traits>

struct AppContext;
class QWidget;

// Runs a reading data routine on a worker thread, on a read-only connection of its own to the
// program's database file, while this thread's event loop goes on: the window repaints, timers
// fire. For the first moment (BusyDelayMs) the window takes no input; after it the busy cursor
// and a progress window with "取消" (modal to parent, captioned with text) are shown. "取消"
// stops the routine's statements at once.
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

// How long work runs before the busy cursor and the progress window are shown.
inline constexpr int BusyDelayMs = 200;
