#include "ReportExport.h"

#include "NumberText.h"


namespace {

QString Unsuffixed(QString caption)
{
    while (caption.endsWith(u':') || caption.endsWith(u'：'))
        caption.chop(1);
    return caption.trimmed();
}

const LayoutCell* CellAt(const LayoutBand* band, int line, int index)
{
    if (!band || line < 0 || line >= band->lines.size() || index < 0 || index >= band->lines[line].cells.size())
        return nullptr;
    return &band->lines[line].cells[index];
}

QString HeaderOf(const ReportLayout& layout, int line, int index)
{
    const LayoutBand* detail = layout.band(BandKind::Detail);
    const LayoutCell& cell = detail->lines[line].cells[index];
    if (cell.kind == CellKind::RowNumber)
        return QStringLiteral("序号");
    for (const LayoutCell* c : {CellAt(layout.band(BandKind::ColumnHeader), line, index),
                                CellAt(detail, line, index - 1), CellAt(detail, line - 1, index)})
        if (c && c->kind == CellKind::Caption && !c->text.isEmpty())
            return Unsuffixed(c->text);
    return cell.text;
}

bool IsNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::LongLong: case QMetaType::UInt: case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

// "yyyy-MM-dd": four digits, a dash, two digits, a dash, two digits.
bool IsDateText(const QString& text)
{
    if (text.size() != 10)
        return false;
    for (int i = 0; i < 10; ++i) {
        const char16_t c = text[i].unicode();
        if (i == 4 || i == 7 ? c != u'-' : c < u'0' || c > u'9')
            return false;
    }
    return true;
}

}  // namespace

ReportRowExport::ReportRowExport(const ReportLayout& layout)
{
    const LayoutBand* detail = layout.band(BandKind::Detail);
    if (!detail)
        return;
    for (int l = 0; l < detail->lines.size(); ++l)
        for (int i = 0; i < detail->lines[l].cells.size(); ++i) {
            const LayoutCell& cell = detail->lines[l].cells[i];
            if (cell.kind != CellKind::Field && cell.kind != CellKind::RowNumber)
                continue;
            m_columns.append({cell.kind == CellKind::RowNumber, cell.text});
            m_header << HeaderOf(layout, l, i);
        }
}

void ReportRowExport::forEachRow(const RowSet& rows, int firstNumber, const RowTaker& take) const
{
    QVector<int> fields;  // per column the row set's column
    for (const Column& column : m_columns)
        fields << (column.rowNumber ? -1 : rows.columnIndex(column.field));
    QStringList line;
    QVector<GridFormat> formats;
    for (int r = 0; r < rows.rowCount(); ++r) {
        line.clear();
        formats.clear();
        for (int c = 0; c < fields.size(); ++c) {
            if (m_columns[c].rowNumber) {
                line << QString::number(firstNumber + r);
                formats << GridFormat::RowNumber;
                continue;
            }
            const QVariant v = fields[c] >= 0 ? rows.rows[r].value(fields[c]) : QVariant();
            if (v.isNull()) {
                line << QString();
                formats << GridFormat::Text;
            } else if (IsNumber(v)) {
                const bool whole = v.typeId() != QMetaType::Double;
                line << (whole ? QString::number(v.toLongLong()) : FormatMoney(v.toDouble()));
                formats << GridFormat::Number;
            } else {
                line << v.toString();
                formats << (IsDateText(line.last()) ? GridFormat::Date : GridFormat::Text);
            }
        }
        take(line, formats);
    }
}

ExportTable ReportExportTable(const ReportLayout& layout, const RowSet& rows)
{
    // A column holds numbers (dates) when any of its values is one.
    const ReportRowExport exporter(layout);
    ExportTable t;
    t.header = exporter.header();
    t.formats.fill(GridFormat::Text, t.header.size());
    exporter.forEachRow(rows, 1, [&t](const QStringList& cells, const QVector<GridFormat>& formats) {
        for (int c = 0; c < formats.size(); ++c)
            if (t.formats[c] == GridFormat::Text)
                t.formats[c] = formats[c];
        t.rows.append(cells);
    });
    return t;
}
