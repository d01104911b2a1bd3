#include "GridList.h"

#include "AppContext.h"
#include "LayoutParts.h"

#include <QDate>

using namespace LayoutParts;

ReportLayout GridListLayout(const QVector<GridColumn>& columns)
{
    QVector<Column> table;
    for (const GridColumn& c : columns) {
        if (c.format == GridFormat::RowNumber) {
            table.append({c.header, Count(c.width)});
            continue;
        }
        if (c.field.isEmpty())
            continue;  // the fixed column of a grid
        const bool number = c.format == GridFormat::Integer || c.format == GridFormat::Money
                            || c.format == GridFormat::Number || c.format == GridFormat::Percent;
        table.append({c.header, number ? Number(c.field, c.width) : Field(c.field, c.width)});
    }
    ReportLayout layout{QStringLiteral("GridList"), {TitleBand(QStringLiteral("TitleQRLabel"), {DateLine()})}};
    layout.bands << TableBands(table) << FooterBand();
    return layout;
}

bool PrintGridList(AppContext& context, QWidget* parent, const QString& title, const RowSet& rows,
                   const QVector<GridColumn>& columns, ReportOutput output)
{
    ReportRequest r;
    r.layout = GridListLayout(columns);
    r.prepare = [&rows] { return ReportData{rows, {}}; };
    r.labels = {{QStringLiteral("TitleQRLabel"), title},
                {QStringLiteral("DateQRLabel"), context.today().toString(QStringLiteral("yyyy-MM-dd"))}};
    return PrintReport(context, parent, !rows.isEmpty(), r, output);
}
