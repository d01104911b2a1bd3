#include "ReportPageSetup.h"

#include "Records.h"

#include <QPageSize>

namespace {

struct PaperSize {
    int code;
    double width;
    double length;
};

constexpr PaperSize PaperSizes[] = {
    {8, 297, 420}, {9, 210, 297}, {10, 210, 297}, {11, 148, 210}, {12, 250, 354}, {13, 182, 257},
};

}  // namespace

QSizeF ReportPageSetup::paperSizeMm() const
{
    for (const PaperSize& p : PaperSizes)
        if (p.code == paperSize)
            return {p.width, p.length};
    return {width, length};
}

QSizeF ReportPageSetup::pageSizeMm() const
{
    const QSizeF paper = paperSizeMm();
    return orientation != 0 ? paper.transposed() : paper;
}

QSizeF ReportPageSetup::printableSizeMm() const
{
    const QSizeF page = pageSizeMm();
    return {page.width() - leftMargin - rightMargin, page.height() - topMargin - bottomMargin};
}

bool ReportPageSetup::isUsable() const
{
    const QSizeF printable = printableSizeMm();
    return topMargin >= 0 && bottomMargin >= 0 && leftMargin >= 0 && rightMargin >= 0
        && printable.width() >= 20 && printable.height() >= 20;
}

QPageLayout ReportPageSetup::pageLayout() const
{
    const QPageSize size(paperSizeMm(), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    return QPageLayout(size, orientation != 0 ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

ReportPageSetup ReportPageSetup::fromPrintSet(const TXSDPrintSet& set)
{
    ReportPageSetup s;
    s.paperSize = set.PaperSize;
    s.width = set.Width;
    s.length = set.Length;
    s.orientation = set.Orientation;
    s.topMargin = set.TopMargin;
    s.bottomMargin = set.BottomMargin;
    s.leftMargin = set.LeftMargin;
    s.rightMargin = set.RightMargin;
    return s;
}
