#include "StringGrid.h"

#include "GridColumns.h"
#include "NumberText.h"
#include "TableExport.h"

#include <QFontMetrics>
#include <QHash>
#include <QHelpEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QToolTip>
#include <algorithm>
#include <cmath>

StringGridModel::StringGridModel(QObject* parent) : QAbstractTableModel(parent)
{
    m_rows.resize(2);
}

QVariant GridRowSource::value(int col, int r) const
{
    const int f = fields.value(col, -1);
    return f >= 0 && r >= 0 && r < rows.rowCount() ? rows.rows[r].value(f) : QVariant();
}

QString GridRowSource::text(int col, int r) const
{
    return col < fields.size() ? GridCellText(value(col, r), formats.value(col), r + 1) : QString();
}

QStringList GridRowSource::texts(int r) const
{
    QStringList line;
    line.reserve(fields.size());
    for (int c = 0; c < fields.size(); ++c)
        line << text(c, r);
    return line;
}

void StringGridModel::makeTexts()
{
    if (!m_source)
        return;
    const std::shared_ptr<const GridRowSource> source = std::move(m_source);
    m_rows.resize(1);
    m_rows.reserve(1 + source->rows.rowCount());
    for (int r = 0; r < source->rows.rowCount(); ++r)
        m_rows.append(source->texts(r));
}

void StringGridModel::setRowCountAll(int rows)
{
    makeTexts();
    rows = std::max(rows, 1);
    const int old = rowCountAll();
    if (rows == old)
        return;
    if (rows > old) {
        beginInsertRows({}, old - 1, rows - 2);
        m_rows.resize(rows);
        endInsertRows();
    } else {
        beginRemoveRows({}, rows - 1, old - 2);
        m_rows.resize(rows);
        endRemoveRows();
    }
}

void StringGridModel::setColCount(int cols)
{
    beginResetModel();
    m_colCount = std::max(cols, 1);
    endResetModel();
}

void StringGridModel::setFixedCols(int fixedCols)
{
    beginResetModel();
    m_fixedCols = std::clamp(fixedCols, 0, 1);
    endResetModel();
}

QString StringGridModel::cell(int col, int row) const
{
    if (row < 0 || row >= rowCountAll() || col < 0)
        return {};
    if (m_source && row > 0)
        return m_source->text(col, row - 1);
    const QStringList& r = m_rows[row];
    return col < r.size() ? r[col] : QString();
}

bool StringGridModel::isBlankRow(int row) const
{
    for (int c = m_fixedCols; c < m_colCount; ++c)
        if (!cell(c, row).isEmpty())
            return false;
    return true;
}

void StringGridModel::setCell(int col, int row, const QString& text)
{
    if (row < 0 || col < 0 || col >= m_colCount)
        return;
    if (row > 0)
        makeTexts();
    if (row >= rowCountAll())
        setRowCountAll(row + 1);
    QStringList& r = m_rows[row];
    while (r.size() <= col)
        r.append(QString());
    r[col] = text;
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, col - m_fixedCols, col - m_fixedCols);
    } else if (m_fixedCols && col == 0) {
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
    } else {
        const QModelIndex i = index(row - 1, col - m_fixedCols);
        emit dataChanged(i, i);
    }
}

void StringGridModel::setDataRows(QVector<QStringList> rows)
{
    beginResetModel();
    QStringList header = m_rows.value(0);
    if (rows.isEmpty())
        rows.append(QStringList());
    rows.prepend(std::move(header));
    m_rows = std::move(rows);
    m_source.reset();
    endResetModel();
}

void StringGridModel::setRowSource(GridRowSource source)
{
    if (source.rows.isEmpty()) {
        setDataRows(QVector<QStringList>());
        return;
    }
    beginResetModel();
    m_rows.resize(1);
    m_source = std::make_shared<const GridRowSource>(std::move(source));
    endResetModel();
}

double StringGridModel::cellNumber(int col, int row) const
{
    if (m_source && row > 0) {
        const QVariant value = m_source->value(col, row - 1);
        const GridFormat format = m_source->formats.value(col);
        if (format == GridFormat::Integer)
            return value.isNull() ? 0 : double(value.toLongLong());
        if (format == GridFormat::Money) {
            // The text is the value to the cent in its shortest form, which reads back as the same double.
            const double cents = value.isNull() ? 0 : RoundFloat(2, value.toDouble());
            return std::isfinite(cents) ? cents : 0;
        }
    }
    return CellNumber(cell(col, row));
}

void StringGridModel::setRightAligned(QVector<bool> right)
{
    m_right = std::move(right);
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::TextAlignmentRole});
}

int StringGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rowCountAll() - 1;
}

int StringGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_colCount - m_fixedCols;
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int col = index.column() + m_fixedCols;
    if (role == Qt::TextAlignmentRole)
        return col < m_right.size() && m_right[col] ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    return cell(col, index.row() + 1);
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex& index) const
{
    // The blank row an empty list keeps can be current but shows no highlighted bar.
    if (!index.isValid() || isBlankRow(index.row() + 1))
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return cell(section + m_fixedCols, 0);
    return m_fixedCols ? cell(0, section + 1) : QVariant();
}

void StringGrid::setColumnFormats(QVector<GridFormat> formats)
{
    QVector<bool> right;
    for (GridFormat f : formats)
        right << (f == GridFormat::Integer || f == GridFormat::Money || f == GridFormat::Number
                  || f == GridFormat::Percent);
    // A last column of text takes the spare width; figures stay beside their neighbours instead of
    // drifting to the far edge of a wide column.
    horizontalHeader()->setStretchLastSection(right.isEmpty() || !right.last());
    m_model->setRightAligned(std::move(right));
    m_formats = std::move(formats);
}

StringGrid::StringGrid(QWidget* parent) : QTableView(parent), m_model(new StringGridModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);  // rows are chosen with the arrows; Tab goes on to the next control
    setAlternatingRowColors(true);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumWidth(36);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    AddExportActions(this, [this] { return GridExportTable(*this); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    emit rowSelected(current.row() + 1);
            });
}

void StringGrid::setHeader(const QStringList& captions)
{
    if (captions.size() > colCount())
        setColCount(int(captions.size()));
    for (int c = 0; c < captions.size(); ++c)
        setCell(c, 0, captions[c]);
}

void StringGrid::setColWidth(int col, int width)
{
    if (col < 0)
        return;
    if (col < fixedCols()) {
        verticalHeader()->setFixedWidth(width);
        return;
    }
    if (m_givenWidths.size() <= col)
        m_givenWidths.resize(col + 1);
    m_givenWidths[col] = width;
    setColumnWidth(viewColumn(col), width);
}

void StringGrid::setDataRows(QVector<QStringList> rows)
{
    if (m_fit)
        fitColumns(rows);
    m_model->setDataRows(std::move(rows));
}

void StringGrid::setRowSource(GridRowSource source)
{
    m_model->setRowSource(std::move(source));
    if (m_fit)
        fitColumns(rowCount() - 1, [this](int col, qsizetype row) { return cell(col, int(row) + 1); });
}

int StringGrid::textMargin() const
{
    return 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
}

void StringGrid::fitColumns(const QVector<QStringList>& rows)
{
    fitColumns(rows.size(), [&rows](int col, qsizetype row) { return rows[row].value(col); });
}

void StringGrid::fitColumns(qsizetype rowCount, const std::function<QString(int col, qsizetype row)>& text)
{
    const QFontMetrics cells = viewport()->fontMetrics();
    // Long lists are measured on their first rows: a text further down that is wider is cut and
    // shows its tool tip.
    const qsizetype measured = std::min<qsizetype>(rowCount, 2000);
    const int widest = 30 * cells.horizontalAdvance(QStringLiteral("汉"));  // thirty characters
    QStringList longest(colCount());  // by column, the text that takes the most room
    QVector<int> advances(colCount());
    QHash<QString, int> measuredTexts;  // a text met again (a name, a date) is measured once
    for (int col = fixedCols(); col < colCount(); ++col)
        for (qsizetype r = 0; r < measured; ++r) {
            const QString cell = text(col, r);
            if (cell.isEmpty())
                continue;
            auto known = measuredTexts.constFind(cell);
            if (known == measuredTexts.constEnd())
                known = measuredTexts.insert(cell, cells.horizontalAdvance(cell));
            if (*known > advances[col]) {
                advances[col] = *known;
                longest[col] = cell;
            }
        }
    // An empty list keeps the widths given, so that its header reads as the window was laid out.
    const bool empty = std::all_of(advances.cbegin(), advances.cend(), [](int w) { return w == 0; });
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    const int gridLine = showGrid() ? 1 : 0;
    for (int col = fixedCols(); col < colCount(); ++col) {
        const int given = m_givenWidths.value(col) > 0 ? m_givenWidths[col] : horizontalHeader()->defaultSectionSize();
        const int header = horizontalHeader()->fontMetrics().horizontalAdvance(cell(col, 0)) + 2 * textMargin();
        int width = given;
        if (advances[col] == 0 && !empty) {
            width = std::min(given, header);
        } else if (advances[col] > 0) {
            // The room the style takes for the text, as it lays out a cell.
            option.text = longest[col];
            const int text = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).width() + gridLine;
            width = std::clamp(std::max(text, header), given, std::max(given, widest));
        }
        setColumnWidth(viewColumn(col), width);
    }
}

bool StringGrid::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QTableView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString text = index.data().toString();
    const QRect cell = visualRect(index);
    if (!text.isEmpty() && viewport()->fontMetrics().horizontalAdvance(text) + textMargin() > cell.width())
        QToolTip::showText(help->globalPos(), text, viewport(), cell);
    else
        QToolTip::hideText();
    return true;
}

int StringGrid::row() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : 0;
}

void StringGrid::setRow(int row)
{
    if (row < 1 || row >= rowCount())
        return;
    const QModelIndex i = m_model->index(row - 1, 0);
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(i);
}

void ClearGrid(StringGrid& grid)
{
    grid.setDataRows({});
}

void DeleteGridRow(int r, StringGrid& grid)
{
    if (r <= 0 || r >= grid.rowCount())
        return;
    for (int row = r; row < grid.rowCount(); ++row)
        for (int c = 1; c < grid.colCount(); ++c)
            grid.setCell(c, row, grid.cell(c, row + 1));
    if (grid.rowCount() == 2) {
        for (int c = 1; c < grid.colCount(); ++c)
            grid.setCell(c, 1, QString());
    } else {
        grid.setRowCount(grid.rowCount() - 1);
    }
}
