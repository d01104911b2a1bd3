#pragma once

#include "GridFormat.h"
#include "RowSet.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <QVector>
#include <functional>
#include <memory>

// The data rows of a grid as a row set: grid column c shows field fields[c] of each row (-1: none)
// in the form formats[c] (GridCellText). The texts are made as cells are asked for.
struct GridRowSource {
    RowSet rows;
    QVector<int> fields;
    QVector<GridFormat> formats;

    // Of data row r (from 0): the value of grid column col (invalid where none), its text, the
    // texts of the whole row.
    QVariant value(int col, int r) const;
    QString text(int col, int r) const;
    QStringList texts(int r) const;
};

// Rows of text behind a StringGrid. Row 0 is the header row; data rows start at 1. The data rows
// are either texts or a row set whose texts are made when a cell is shown or read (a long list
// is handed over in one move); changing a cell or the number of rows turns a row set into texts.
class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StringGridModel(QObject* parent = nullptr);

    int rowCountAll() const { return m_source ? 1 + std::max(1, m_source->rows.rowCount()) : int(m_rows.size()); }
    int colCount() const { return m_colCount; }
    void setRowCountAll(int rows);
    void setColCount(int cols);
    void setFixedCols(int fixedCols);
    int fixedCols() const { return m_fixedCols; }
    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);
    // True when every shown cell of the data row is empty (the row an empty list keeps).
    bool isBlankRow(int row) const;
    // Replaces every data row at once (row 0 stays); an empty list leaves one empty data row.
    void setDataRows(QVector<QStringList> rows);
    void setRowSource(GridRowSource source);
    // The number a cell shows, as CellNumber reads it from the text (0 for an empty cell or a
    // text that is no number); a row set's integers and money are taken from the value without
    // making the text.
    double cellNumber(int col, int row) const;
    // Columns whose cells are aligned to the right (numbers).
    void setRightAligned(QVector<bool> right);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // The row set's texts made once, so that cells can be changed.
    void makeTexts();

    QVector<QStringList> m_rows;  // m_rows[0] is the header row; the data rows unless m_source
    std::shared_ptr<const GridRowSource> m_source;
    int m_colCount = 5;
    int m_fixedCols = 1;
    QVector<bool> m_right;
};

// The list grid of every window: a header row (row 0), an optional fixed first column shown as
// the row header, text cells, whole-row selection. An empty grid keeps one empty data row.
// Rows and columns are addressed as (col, row) with data rows from 1.
class StringGrid : public QTableView {
    Q_OBJECT
public:
    explicit StringGrid(QWidget* parent = nullptr);

    int rowCount() const { return m_model->rowCountAll(); }  // header row included
    void setRowCount(int rows) { m_model->setRowCountAll(rows); }
    int colCount() const { return m_model->colCount(); }
    void setColCount(int cols) { m_model->setColCount(cols); }
    int fixedCols() const { return m_model->fixedCols(); }
    void setFixedCols(int n) { m_model->setFixedCols(n); }
    QString cell(int col, int row) const { return m_model->cell(col, row); }
    void setCell(int col, int row, const QString& text) { m_model->setCell(col, row, text); }
    void setHeader(const QStringList& captions);
    // The width a window gives a column (its documented width); the column keeps it until rows
    // are shown and sized to their texts.
    void setColWidth(int col, int width);
    // Replaces every data row at once and sizes the columns to the texts (see fitColumns).
    void setDataRows(QVector<QStringList> rows);
    // The same for a row set, whose texts are made as its cells are shown (FillGrid).
    void setRowSource(GridRowSource source);

    // Sizes each column to the widest of its header and its texts in rows (data rows only, in the
    // grid's columns): never narrower than the width the window gave it, nor wider than about
    // thirty characters unless given so; a column without any text narrows to its header. A text
    // still cut shows in full as its tool tip. Lists of names of a fixed width turn it off.
    void fitColumns(const QVector<QStringList>& rows);
    // The same for rows given as their number and the text of each cell (col, row from 0).
    void fitColumns(qsizetype rowCount, const std::function<QString(int col, qsizetype row)>& text);
    void setFitColumns(bool fit) { m_fit = fit; }
    bool fitsColumns() const { return m_fit; }

    // The selected data row (1 based; 0 when nothing is selected).
    int row() const;
    void setRow(int row);

    StringGridModel* gridModel() const { return m_model; }

    // The kind of each column (Text when not given); set by SetGridColumns and FillGrid. Columns
    // of numbers (Integer, Money, Number) show their cells aligned to the right.
    GridFormat columnFormat(int col) const { return m_formats.value(col, GridFormat::Text); }
    void setColumnFormats(QVector<GridFormat> formats);

signals:
    void rowSelected(int row);

protected:
    // A cell whose text is cut off shows the whole text as its tool tip.
    bool viewportEvent(QEvent* event) override;

private:
    int viewColumn(int col) const { return col - fixedCols(); }
    // The room the style leaves either side of a cell's text.
    int textMargin() const;
    StringGridModel* m_model;
    QVector<GridFormat> m_formats;
    QVector<int> m_givenWidths;  // by grid column; 0 where the window gave none
    bool m_fit = true;
};

// Resets a grid to its header row and one empty data row (row 1 emptied, column 0 included).
void ClearGrid(StringGrid& grid);

// Removes data row r: the rows below move up in columns 1 to the last (column 0 stays); the last
// data row of a two-row grid is emptied instead. Row 0 is never removed.
void DeleteGridRow(int r, StringGrid& grid);
