#include "PageModel.h"

#include <QMap>

QString BandName(BandKind kind)
{
    switch (kind) {
    case BandKind::Title: return QStringLiteral("Title");
    case BandKind::ColumnHeader: return QStringLiteral("ColumnHeader");
    case BandKind::Detail: return QStringLiteral("Detail");
    case BandKind::SubDetail: return QStringLiteral("SubDetail");
    case BandKind::Summary: return QStringLiteral("Summary");
    case BandKind::PageFooter: return QStringLiteral("PageFooter");
    }
    return {};
}

namespace {

QString Mm(double v)
{
    return QString::number(v, 'f', 1);
}

QString AlignName(Qt::Alignment a)
{
    if (a & Qt::AlignHCenter)
        return QStringLiteral("C");
    if (a & Qt::AlignRight)
        return QStringLiteral("R");
    return QStringLiteral("L");
}

}  // namespace

double ContentBottom(const ReportPage& page)
{
    double bottom = 0;
    for (const PageText& t : page.texts)
        bottom = qMax(bottom, t.rect.bottom());
    for (const PageRule& r : page.rules)
        bottom = qMax(bottom, qMax(r.line.y1(), r.line.y2()));
    for (const PageBarcode& b : page.barcodes)
        bottom = qMax(bottom, b.rect.bottom());
    return bottom;
}

QString DescribePages(const PageModel& model)
{
    QString out;
    const QSizeF page = model.setup.pageSizeMm();
    out += QStringLiteral("pages %1, page %2 x %3 mm, margins %4 %5 %6 %7\n")
               .arg(model.pageCount())
               .arg(Mm(page.width()), Mm(page.height()), Mm(model.setup.topMargin),
                    Mm(model.setup.bottomMargin), Mm(model.setup.leftMargin),
                    Mm(model.setup.rightMargin));
    for (int p = 0; p < model.pages.size(); ++p) {
        const ReportPage& pg = model.pages[p];
        out += QStringLiteral("\n== page %1\n").arg(p + 1);
        for (const PageText& t : pg.texts) {
            out += QStringLiteral("%1 %2,%3 w%4 %5%6 %7 \"%8\"\n")
                       .arg(BandName(t.band), -12)
                       .arg(Mm(t.rect.x()), Mm(t.rect.y()), Mm(t.rect.width()), AlignName(t.align),
                            (t.bold ? QStringLiteral("b") : QString())
                                + (t.scale < 1 ? QStringLiteral("@") + QString::number(t.scale, 'f', 2) : QString()),
                            t.source.isEmpty() ? QStringLiteral("-") : t.source, t.text);
        }
        for (const PageBarcode& b : pg.barcodes)
            out += QStringLiteral("%1 %2,%3 w%4 h%5 barcode %6 \"%7\"\n")
                       .arg(BandName(b.band), -12)
                       .arg(Mm(b.rect.x()), Mm(b.rect.y()), Mm(b.rect.width()), Mm(b.rect.height()),
                            b.source.isEmpty() ? QStringLiteral("-") : b.source, b.code);
        QMap<int, int> rules;
        for (const PageRule& r : pg.rules)
            ++rules[int(r.band)];
        QStringList parts;
        for (auto it = rules.cbegin(); it != rules.cend(); ++it)
            parts << QStringLiteral("%1 %2").arg(BandName(BandKind(it.key()))).arg(it.value());
        out += QStringLiteral("rules: %1\n").arg(parts.isEmpty() ? QStringLiteral("none") : parts.join(", "));
    }
    return out;
}
