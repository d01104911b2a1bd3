#pragma once

#include "ReportLayout.h"
#include "ReportRows.h"
#include "TableFile.h"

// The rows of a report as a table for the spreadsheet export: one column per field (and the row
// number "序号") of the detail band, in print order, headed by the caption printed over it (the
// column header band), before it ("单号:") or above it (a caption line); one row per row of the
// report's main row set. Numbers stay numbers (money to the cent), yyyy-MM-dd texts are dates.
ExportTable ReportExportTable(const ReportLayout& layout, const RowSet& rows);
