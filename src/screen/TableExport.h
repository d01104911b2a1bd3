#pragma once

#include "StringGrid.h"
#include "TableFile.h"

#include <functional>

class QAction;
class QWidget;

// What a grid shows: its visible columns (the fixed first column when its header is shown), the
// header row and the data rows; rows with nothing in them (the empty row of an empty grid) are
// left out.
ExportTable GridExportTable(const StringGrid& grid);

// Gives a view the actions "导出Excel…" (Ctrl+E) and "导出CSV…" (Ctrl+Shift+E) in its context
// menu: each asks for a file and writes table() to it; a failure goes to the export failure
// report below.
// Every StringGrid has them; the report preview offers them for the report's rows.
// Returns the two actions (a window may show them elsewhere too, as the preview's tool bar does).
QList<QAction*> AddExportActions(QWidget* view, std::function<ExportTable()> table);

// Where a failed export is told: the window and the text ("导出失败: " and the reason). The
// program's context points it at its prompt service (AppContext); without one the text goes to
// the log.
using ExportFailureReport = std::function<void(QWidget* window, const QString& text)>;
void SetExportFailureReport(ExportFailureReport report);
