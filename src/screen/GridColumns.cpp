#include "GridColumns.h"

#include "NumberText.h"

#include <QDate>
#include <QDateTime>
#include <QHeaderView>

namespace {

void SetHeaderAndFormats(StringGrid& grid, const QVector<GridColumn>& columns)
{
    if (grid.colCount() != columns.size())
        grid.setColCount(int(columns.size()));
    QStringList header;
    QVector<GridFormat> formats;
    for (const GridColumn& c : columns) {
        header << c.header;
        formats << c.format;
    }
    grid.setHeader(header);
    grid.setColumnFormats(std::move(formats));
}

}  // namespace

void SetGridColumns(StringGrid& grid, const QVector<GridColumn>& columns)
{
    SetHeaderAndFormats(grid, columns);
    for (int c = 0; c < columns.size(); ++c)
        grid.setColWidth(c, columns[c].width);
}

StringGrid* MakeNameList(QWidget* parent, const QString& caption, int width)
{
    auto* grid = new StringGrid(parent);
    grid->setFixedCols(0);
    SetGridColumns(*grid, {{caption, width}});
    grid->verticalHeader()->hide();
    grid->setAlternatingRowColors(false);
    grid->setFitColumns(false);
    grid->setFixedWidth(width + 2 * grid->frameWidth());
    return grid;
}

QString GridCellText(const QVariant& value, GridFormat format, int row)
{
    if (format == GridFormat::RowNumber)
        return QString::number(row);
    if (value.isNull())
        return {};
    switch (format) {
    case GridFormat::Integer:
        return QString::number(value.toLongLong());
    case GridFormat::Money:
        return FormatMoney(value.toDouble());
    case GridFormat::Number:
        return FormatGeneral(value.toDouble());
    case GridFormat::Percent:
        return FormatGeneral(value.toDouble()) + u'%';
    case GridFormat::Date:
        if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime)
            return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
        return value.toString();
    default:
        return value.toString();
    }
}

GridRowSource GridSource(const RowSet& rows, const QVector<GridColumn>& columns)
{
    GridRowSource source{rows, {}, {}};
    for (const GridColumn& c : columns) {
        source.fields << (c.field.isEmpty() ? -1 : rows.columnIndex(c.field));
        source.formats << c.format;
    }
    return source;
}

QVector<QStringList> GridTexts(const RowSet& rows, const QVector<GridColumn>& columns)
{
    const GridRowSource source = GridSource(rows, columns);
    QVector<QStringList> cells;
    cells.reserve(rows.rowCount());
    for (int r = 0; r < rows.rowCount(); ++r)
        cells.append(source.texts(r));
    return cells;
}

void FillGrid(StringGrid& grid, const RowSet& rows, const QVector<GridColumn>& columns)
{
    SetHeaderAndFormats(grid, columns);
    grid.setRowSource(GridSource(rows, columns));
}

bool SelectRowWith(StringGrid& grid, int col, const QString& text)
{
    for (int r = 1; r < grid.rowCount(); ++r)
        if (!text.isEmpty() && grid.cell(col, r).trimmed() == text) {
            grid.setRow(r);
            return true;
        }
    return false;
}

double ColumnSum(const StringGrid& grid, int col)
{
    double sum = 0;
    for (int r = 1; r < grid.rowCount(); ++r)
        sum += grid.gridModel()->cellNumber(col, r);
    return sum;
}

Money MoneyColumnSum(const StringGrid& grid, int col)
{
    Money sum;
    for (int r = 1; r < grid.rowCount(); ++r)
        sum += Money::fromYuan(grid.gridModel()->cellNumber(col, r));
    return sum;
}
