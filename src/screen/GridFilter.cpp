#include "GridFilter.h"

#include "PinyinInitials.h"
#include "StringGrid.h"

#include <QLineEdit>
#include <QSignalBlocker>

GridFilter::GridFilter(StringGrid* grid, QLineEdit* box, QList<int> columns, QObject* parent)
    : QObject(parent ? parent : grid), m_grid(grid), m_box(box), m_columns(std::move(columns))
{
    m_box->setClearButtonEnabled(true);
    m_box->setPlaceholderText(QStringLiteral("查找：名称或拼音首字母"));
    connect(m_box, &QLineEdit::textChanged, this, [this] {
        show();
        emit filtered();
    });
}

void GridFilter::setRows(QVector<QStringList> rows)
{
    m_rows = std::move(rows);
    m_initials.clear();
    m_initials.reserve(m_rows.size());
    const int first = m_columns.value(0);
    for (const QStringList& row : m_rows)
        m_initials.append(PinyinInitials(row.value(first)));
    // The columns fit every row, so that they keep their widths while the operator types.
    if (m_grid->fitsColumns())
        m_grid->fitColumns(m_rows);
    show();
}

bool GridFilter::matches(qsizetype row, const QString& typed) const
{
    for (int c : m_columns)
        if (m_rows[row].value(c).contains(typed, Qt::CaseInsensitive))
            return true;
    return m_initials[row].contains(typed, Qt::CaseInsensitive);
}

void GridFilter::show()
{
    const QString typed = m_box->text().trimmed();
    QVector<QStringList> shown;
    if (typed.isEmpty()) {
        shown = m_rows;
    } else {
        for (qsizetype r = 0; r < m_rows.size(); ++r)
            if (matches(r, typed))
                shown.append(m_rows[r]);
    }
    const QSignalBlocker quiet(m_grid);
    m_grid->gridModel()->setDataRows(std::move(shown));
    m_grid->setRow(m_selectLast ? m_grid->rowCount() - 1 : 1);
}
