#pragma once

#include "GridColumns.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class QLineEdit;
class StringGrid;

// Find as you type: a box above a list grid narrows the grid to the rows whose searched columns
// contain the typed text (letter case ignored) or whose first searched column's pinyin initials
// match it ("kt" finds 空调). With an empty box the grid shows every row, as without a filter.
//
// The list's window hands every row to setRows() instead of filling the grid itself; the grid
// then shows the matching rows with row 1 (or, for lists that select their last row, the last
// row) selected (the grid's rowSelected is not emitted for that). Typing refilters and emits filtered(), so the window can follow the new selection.
class GridFilter : public QObject {
    Q_OBJECT
public:
    GridFilter(StringGrid* grid, QLineEdit* box, QList<int> columns = {0}, QObject* parent = nullptr);

    void setRows(QVector<QStringList> rows);
    // A data routine's rows in the grid's columns (as FillGrid shows them).
    void setRows(const RowSet& rows, const QVector<GridColumn>& columns) { setRows(GridTexts(rows, columns)); }
    const QVector<QStringList>& rows() const { return m_rows; }
    // Selects the last shown row instead of the first.
    void setSelectLast(bool last) { m_selectLast = last; }

signals:
    void filtered();

private:
    void show();
    bool matches(qsizetype row, const QString& typed) const;

    StringGrid* m_grid;
    QLineEdit* m_box;
    QList<int> m_columns;
    QVector<QStringList> m_rows;
    QStringList m_initials;  // per row, of its first searched column
    bool m_selectLast = false;
};
