#pragma once

#include "ReportLayout.h"
#include "ReportRows.h"
#include "TableFile.h"

#include <functional>

// The rows of a report as a table for the spreadsheet export: one column per field (and the row
// number "序号") of the detail band, in print order, headed by the caption printed over it (the
// column header band), before it ("单号:") or above it (a caption line); one row per row of the
// report's main row set. Numbers stay numbers (money to the cent), yyyy-MM-dd texts are dates.
ExportTable ReportExportTable(const ReportLayout& layout, const RowSet& rows);

// The same columns row by row, for rows that come in pieces (a long range written to a file as
// it is read): each row's cell texts with the format of each cell.
class ReportRowExport {
public:
    using RowTaker = std::function<void(const QStringList& cells, const QVector<GridFormat>& formats)>;

    explicit ReportRowExport(const ReportLayout& layout);
    const QStringList& header() const { return m_header; }
    // The rows of rows, numbered ("序号") from firstNumber.
    void forEachRow(const RowSet& rows, int firstNumber, const RowTaker& take) const;

private:
    struct Column {
        bool rowNumber;
        QString field;
    };
    QStringList m_header;
    QVector<Column> m_columns;
};
