#pragma once

#include <QStringList>

class QTextStream;

// Unattended work for scripts (a nightly job), without any window:
//   --backup FILE          consistent snapshot of the database into FILE
//   --restore FILE         checked restore of FILE (the old file kept as db.data.before-restore)
//   --check                integrity and document totals
//   --close-month YYYY-MM  closes the month (again, while it is not cleared)
//   --help                 the list above
// The first argument (the program) is skipped. Exit codes: 0 done, 1 refused or failed (the
// reason on err), 2 unknown or incomplete options.

// True when the arguments ask for unattended work rather than the windows.
bool IsCommandLine(const QStringList& arguments);

int RunCommandLine(const QStringList& arguments, const QString& programDir, QTextStream& out, QTextStream& err);
