#pragma once

#include "GridColumns.h"
#include "PrintReport.h"
#include "ReportLayout.h"
#include "RowSet.h"

// The printout of a list that has no form of its own (stock card, ageing, audit log, ...): the
// title and the date, the grid's columns as a ruled table with the captions on every page, page
// numbers. The columns' widths give the table's proportions; numbers are right-aligned.
ReportLayout GridListLayout(const QVector<GridColumn>& columns);

// Prints or previews rows through such a layout; nothing happens for an empty row set.
bool PrintGridList(AppContext& context, QWidget* parent, const QString& title, const RowSet& rows,
                   const QVector<GridColumn>& columns, ReportOutput output);
