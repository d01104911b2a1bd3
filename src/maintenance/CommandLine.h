#pragma once

#include <QStringList>

class QTextStream;

// Unattended work for scripts (a nightly job), without any window:
//   --backup FILE          consistent snapshot of the database into FILE
//   --restore FILE         checked restore of FILE (the old file kept as db.data.before-restore)
//   --check                integrity and document totals
//   --close-month YYYY-MM  closes the month (again, while it is not cleared)
//   --export REPORT [--from DATE --to DATE] [--brand B] [--product P] --out FILE.pdf|.xlsx|.csv
//                          one report of ExportableReports() into a file: its pages (PDF) or
//                          its rows (a workbook or CSV)
//   --help                 the list above
// The first argument (the program) is skipped. Exit codes: 0 done, 1 refused or failed (the
// reason on err), 2 unknown or incomplete options.

// True when the arguments ask for unattended work rather than the windows.
bool IsCommandLine(const QStringList& arguments);

// True when the work paints pages (a PDF), which needs a (windowless) graphical application object;
// the rest needs only the core one.
bool CommandLinePaints(const QStringList& arguments);

int RunCommandLine(const QStringList& arguments, const QString& programDir, QTextStream& out, QTextStream& err);
