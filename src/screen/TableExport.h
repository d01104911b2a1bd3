#pragma once

#include "StringGrid.h"
#include "TableFile.h"

#include <functional>

class QAction;
class QWidget;

// What a grid shows: its visible columns (the fixed first column when its header is shown and it
// holds anything), the header row and the data rows; rows with nothing in them (the empty row of
// an empty grid) are left out.
ExportTable GridExportTable(const StringGrid& grid);

// Gives a view the actions "导出Excel…" (Ctrl+E) and "导出CSV…" (Ctrl+Shift+E) in its context
// menu: each asks for a file and writes table() to it; a failure is shown in a message box.
// Every StringGrid has them; the report preview offers them for the report's rows.
// Returns the two actions (a window may show them elsewhere too, as the preview's tool bar does).
QList<QAction*> AddExportActions(QWidget* view, std::function<ExportTable()> table);
