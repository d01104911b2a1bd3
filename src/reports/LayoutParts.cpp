#include "LayoutParts.h"

namespace LayoutParts {

LayoutCell Caption(const QString& text, double weight, Qt::Alignment align)
{
    return {CellKind::Caption, text, weight, align, false};
}

LayoutCell Field(const QString& name, double weight, Qt::Alignment align)
{
    return {CellKind::Field, name, weight, align, false};
}

LayoutCell Number(const QString& name, double weight)
{
    return {CellKind::Field, name, weight, Right, false};
}

LayoutCell Label(const QString& name, double weight, Qt::Alignment align)
{
    return {CellKind::Label, name, weight, align, false};
}

LayoutCell Count(double weight)
{
    return {CellKind::RowNumber, {}, weight, Centre, false};
}

LayoutCell Blank(double weight)
{
    return {CellKind::Blank, {}, weight, Left, false};
}

LayoutLine Line(QVector<LayoutCell> cells, int rules)
{
    LayoutLine line;
    line.cells = std::move(cells);
    line.rules = rules;
    return line;
}

LayoutLine CaptionRow(QVector<LayoutCell> cells)
{
    for (LayoutCell& c : cells) {
        c.bold = true;
        if (c.kind == CellKind::Caption)
            c.align = Centre;
    }
    LayoutLine line = Line(std::move(cells), RuleAbove | RuleBelow | RuleCells);
    line.height = 6;
    return line;
}

LayoutLine ValueRow(QVector<LayoutCell> cells)
{
    LayoutLine line = Line(std::move(cells), RuleBelow | RuleCells);
    line.height = 6;
    return line;
}

LayoutBand TitleBand(const QString& titleLabel, QVector<LayoutLine> more)
{
    LayoutCell title = Label(titleLabel, 1, Centre);
    title.bold = true;
    LayoutLine first = Line({title});
    first.height = 8;
    LayoutBand band{BandKind::Title, {first}, 0};
    band.lines += more;
    if (!band.lines.isEmpty())
        band.lines.last().height += 1.5;  // room before the table
    return band;
}

LayoutLine DateLine()
{
    return Line({Blank(1), Caption(QStringLiteral("日期:")), Label(QStringLiteral("DateQRLabel"), 0.22)});
}

LayoutLine SubtitleLine(const QString& caption)
{
    return Line({Caption(caption, 1, Centre)});
}

QVector<LayoutBand> TableBands(const QVector<Column>& columns)
{
    QVector<LayoutCell> captions;
    QVector<LayoutCell> values;
    for (const Column& c : columns) {
        captions << Caption(c.caption, c.cell.weight, Centre);
        values << c.cell;
    }
    return {LayoutBand{BandKind::ColumnHeader, {CaptionRow(captions)}, 0},
            LayoutBand{BandKind::Detail, {ValueRow(values)}, 0}};
}

LayoutBand TotalsBand(const QVector<std::pair<QString, QString>>& totals, QVector<LayoutLine> before)
{
    QVector<LayoutCell> cells{Blank(1)};
    for (const auto& [caption, label] : totals)
        cells << Caption(caption) << Label(label, 0.3);
    LayoutBand band{BandKind::Summary, std::move(before), 2};
    band.lines << Line(cells);
    return band;
}

LayoutBand FooterBand(QVector<LayoutCell> contacts, QVector<LayoutLine> before)
{
    LayoutCell page = {CellKind::PageNumber, {}, 0, Right, false};
    contacts << Blank(contacts.isEmpty() ? 1 : 0.5) << page;
    LayoutBand band{BandKind::PageFooter, std::move(before), 2};
    band.lines << Line(contacts);
    band.lines.first().rules |= RuleAbove;
    return band;
}

LayoutLine LineCaptionRow()
{
    return CaptionRow({Caption(QStringLiteral("品牌"), 12), Caption(QStringLiteral("产品"), 12),
                       Caption(QStringLiteral("规格"), 14), Caption(QStringLiteral("单价"), 9),
                       Caption(QStringLiteral("数量"), 7), Caption(QStringLiteral("金额"), 10)});
}

LayoutBand LineBand()
{
    return {BandKind::SubDetail,
            {ValueRow({Field(QStringLiteral("pinpai"), 12), Field(QStringLiteral("chanpin"), 12),
                       Field(QStringLiteral("guige"), 14), Number(QStringLiteral("danjia"), 9),
                       Number(QStringLiteral("shuliang"), 7), Number(QStringLiteral("jinE"), 10)})},
            0};
}

}  // namespace LayoutParts
