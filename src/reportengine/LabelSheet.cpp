#include "LabelSheet.h"

#include "BandedReport.h"

namespace {

constexpr double A4Width = 210, A4Length = 297;

void Shift(ReportPage& page, const QPointF& by, ReportPage& onto)
{
    for (PageText t : page.texts) {
        t.rect.translate(by);
        onto.texts << t;
    }
    for (PageRule r : page.rules) {
        r.line.translate(by);
        onto.rules << r;
    }
    for (PageBarcode b : page.barcodes) {
        b.rect.translate(by);
        onto.barcodes << b;
    }
}

}  // namespace

QSizeF LabelSheetSetup::labelSizeMm() const
{
    if (roll)
        return {labelWidth, labelHeight};
    const int c = qMax(1, columns), r = qMax(1, rows);
    return {(A4Width - leftMargin - rightMargin - (c - 1) * columnGap) / c,
            (A4Length - topMargin - bottomMargin - (r - 1) * rowGap) / r};
}

ReportPageSetup LabelSheetSetup::page() const
{
    ReportPageSetup page;
    page.paperSize = roll ? CustomPaperSize : 9;
    page.width = roll ? labelWidth : A4Width;
    page.length = roll ? labelHeight : A4Length;
    page.topMargin = page.bottomMargin = page.leftMargin = page.rightMargin = 0;
    return page;
}

QString LabelSheetSetup::problem() const
{
    if (!roll && (rows < 1 || columns < 1))
        return QStringLiteral("每页的行数和列数至少为1。");
    const QSizeF label = labelSizeMm();
    if (roll && (labelWidth > 300 || labelHeight > 300))
        return QStringLiteral("标签的宽和高最多为300毫米。");
    if (label.width() < 20 || label.height() < 10)
        return QStringLiteral("标签太小（%1×%2毫米），至少要20×10毫米，请减少行数、列数或边距。")
            .arg(QString::number(label.width(), 'f', 1), QString::number(label.height(), 'f', 1));
    return {};
}

PageModel LayOutLabels(const ReportLayout& label, const RowSet& labels, const LabelSheetSetup& sheet)
{
    const QSizeF size = sheet.labelSizeMm();
    ReportPageSetup labelPage;
    labelPage.paperSize = CustomPaperSize;
    labelPage.width = size.width();
    labelPage.length = size.height();
    labelPage.topMargin = labelPage.bottomMargin = labelPage.leftMargin = labelPage.rightMargin = LabelInsetMm;
    // A label is laid out on a page longer than any label, so that none of it moves to a next
    // page; its last line then takes the room the others leave.
    constexpr double Unrolled = 1000;
    labelPage.length = Unrolled;
    const BandedReport measured(label, labelPage);

    PageModel model;
    model.setup = sheet.page();
    const int perPage = sheet.roll ? 1 : qMax(1, sheet.rows) * qMax(1, sheet.columns);
    const int columns = sheet.roll ? 1 : qMax(1, sheet.columns);
    for (int i = 0; i < labels.rowCount(); ++i) {
        ReportData data;
        data.master.columns = labels.columns;
        data.master.rows = {labels.rows[i]};
        ReportLayout grown = label;
        LayoutLine& last = grown.bands.last().lines.last();
        const double room = size.height() - LabelInsetMm - ContentBottom(measured.layOut(data).pages.first());
        last.height = qMax(last.height, last.height + room);
        PageModel laid = BandedReport(grown, labelPage).layOut(data);
        const int at = i % perPage;
        if (at == 0)
            model.pages.append(ReportPage());
        const QPointF origin = sheet.roll ? QPointF(0, 0)
                                          : QPointF(sheet.leftMargin + (at % columns) * (size.width() + sheet.columnGap),
                                                    sheet.topMargin + (at / columns) * (size.height() + sheet.rowGap));
        Shift(laid.pages.first(), origin, model.pages.last());
    }
    return model;
}
