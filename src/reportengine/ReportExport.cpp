#include "ReportExport.h"

#include "NumberText.h"

#include <QRegularExpression>

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

}  // namespace

ExportTable ReportExportTable(const ReportLayout& layout, const RowSet& rows)
{
    ExportTable t;
    const LayoutBand* detail = layout.band(BandKind::Detail);
    if (!detail)
        return t;
    struct Column {
        bool rowNumber;
        int field;
    };
    QVector<Column> columns;
    for (int l = 0; l < detail->lines.size(); ++l)
        for (int i = 0; i < detail->lines[l].cells.size(); ++i) {
            const LayoutCell& cell = detail->lines[l].cells[i];
            if (cell.kind != CellKind::Field && cell.kind != CellKind::RowNumber)
                continue;
            columns.append({cell.kind == CellKind::RowNumber, rows.columnIndex(cell.text)});
            t.header << HeaderOf(layout, l, i);
            t.formats << (cell.kind == CellKind::RowNumber ? GridFormat::RowNumber : GridFormat::Text);
        }
    static const QRegularExpression Date(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    for (int r = 0; r < rows.rowCount(); ++r) {
        QStringList line;
        for (int c = 0; c < columns.size(); ++c) {
            if (columns[c].rowNumber) {
                line << QString::number(r + 1);
                continue;
            }
            const QVariant v = columns[c].field >= 0 ? rows.rows[r].value(columns[c].field) : QVariant();
            if (v.isNull()) {
                line << QString();
            } else if (IsNumber(v)) {
                const bool whole = v.typeId() != QMetaType::Double;
                line << (whole ? QString::number(v.toLongLong()) : FormatMoney(v.toDouble()));
                if (t.formats[c] == GridFormat::Text)
                    t.formats[c] = GridFormat::Number;
            } else {
                line << v.toString();
                if (t.formats[c] == GridFormat::Text && Date.match(line.last()).hasMatch())
                    t.formats[c] = GridFormat::Date;
            }
        }
        t.rows.append(std::move(line));
    }
    return t;
}
