#pragma once

#include "RowSet.h"
#include "StringGrid.h"

#include <QString>
#include <QVector>

// One column of a list grid: what its header says, how wide it is, which field of the row set it
// shows and in what form. A window describes its grid once as a table of these:
//     const QVector<GridColumn> KuCunColumns = {
//         {"序号", 40, {}, GridFormat::RowNumber}, {"品牌", 90, "PinPai"}, ...,
//         {"平均成本", 80, "PJCB", GridFormat::Money}};
struct GridColumn {
    QString header;
    int width = 64;
    QString field{};  // column of the row set (letter case ignored); empty: no field
    GridFormat format = GridFormat::Text;
};

// Lays out a grid for its columns (in setupUi): column count, header row, widths and kinds.
void SetGridColumns(StringGrid& grid, const QVector<GridColumn>& columns);

// A one-column list of names to choose from, of a fixed width: no fixed column, no row numbers,
// its caption in the header row, its column as wide as the list; setupUi names it.
StringGrid* MakeNameList(QWidget* parent, const QString& caption, int width);

// Shows a row set in a grid, one grid row per row: the header row stays (rewritten from the
// columns), an empty row set leaves one empty data row, a field the row set lacks and a null
// value show as empty cells. The columns are sized to the texts shown (StringGrid::fitColumns).
// The grid takes the row set in one move and makes each cell's text when it is shown or read, so
// a list of a hundred thousand rows is filled at once.
void FillGrid(StringGrid& grid, const RowSet& rows, const QVector<GridColumn>& columns);

// A row set with the fields and forms of the grid columns (what FillGrid hands the grid).
GridRowSource GridSource(const RowSet& rows, const QVector<GridColumn>& columns);

// The texts FillGrid shows for a row set, one list per row (for a GridFilter, say).
QVector<QStringList> GridTexts(const RowSet& rows, const QVector<GridColumn>& columns);

// The text of one value in a column's form (row is the 1-based data row, for RowNumber).
QString GridCellText(const QVariant& value, GridFormat format, int row);

// Selects the first data row whose cell in col reads text (trimmed); false, the selection left as
// it is, when there is none.
bool SelectRowWith(StringGrid& grid, int col, const QString& text);

// The sum of a column over data rows 1 to the last, read from the cells as shown; empty cells
// and texts that are not numbers count as 0 (StringGridModel::cellNumber).
double ColumnSum(const StringGrid& grid, int col);
// The same for a money column: each cell to the cent, summed in cents.
Money MoneyColumnSum(const StringGrid& grid, int col);
