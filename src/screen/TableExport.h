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
// menu: each asks for a file and writes table() to it; a failure ("导出失败：无法写入文件 …：磁盘空间不足")
// is handed to failure, or, when none is given, to the export failure handler.
// Every StringGrid has them; the report preview offers them for the report's rows.
// Returns the two actions (a window may show them elsewhere too, as the preview's tool bar does).
QList<QAction*> AddExportActions(QWidget* view, std::function<ExportTable()> table,
                                 std::function<void(const QString&)> failure = {});

// Where the failed export of a view without a failure of its own (every StringGrid) is told, with
// the view: start-up points it at the prompt service (a grid knows no context). Without a handler
// the failure goes to the log.
void SetExportFailureHandler(std::function<void(QWidget* view, const QString& text)> handler);
