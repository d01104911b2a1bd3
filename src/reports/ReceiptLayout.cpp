// The receipt slip of a sale or sales return, printed on an 80 mm or 58 mm roll: the shop, the
// document's number and date, each line as goods, quantity × price and amount, then the totals,
// the amount received and the change or the amount still owed. The page is as long as the slip.
#include "FormLayouts.h"
#include "LayoutParts.h"
#include "ReportForms.h"

using namespace LayoutParts;

namespace {

constexpr double RollTopMargin = 3;
constexpr double RollBottomMargin = 6;

LayoutLine Pair(const QString& captionLabel, const QString& valueLabel, bool bold = false)
{
    LayoutCell value = Label(valueLabel, 1, Right);
    value.bold = bold;
    return Line({Label(captionLabel), value});
}

double BandHeight(const ReportLayout& layout, BandKind kind)
{
    const LayoutBand* band = layout.band(kind);
    if (!band)
        return 0;
    double h = band->gapAbove;
    for (const LayoutLine& line : band->lines)
        h += line.height;
    return h;
}

}  // namespace

ReportLayout ReceiptLayout()
{
    ReportLayout layout{QStringLiteral("TBB_XSXPForm"), {}};
    layout.bands << TitleBand(QStringLiteral("TitleQRLabel"),
                              {Line({Label(QStringLiteral("SlipQRLabel"), 1, Centre)}),
                               Line({Caption(QStringLiteral("单号:")), Label(QStringLiteral("DHQRLabel"), 1)}),
                               Line({Caption(QStringLiteral("日期:")), Label(QStringLiteral("DateQRLabel"), 1)})});
    layout.bands << LayoutBand{BandKind::ColumnHeader,
                               {Line({Caption(QStringLiteral("商品  数量×单价")), Caption(QStringLiteral("金额"), 1, Right)},
                                     RuleAbove | RuleBelow)},
                               0};
    layout.bands << LayoutBand{BandKind::Detail,
                               {Line({Field(QStringLiteral("pinpai")), Field(QStringLiteral("chanpin"), 1)}),
                                Line({Field(QStringLiteral("guige"), 1)}),
                                Line({Blank(0.15), Field(QStringLiteral("shuliang")), Caption(QStringLiteral("×")),
                                      Field(QStringLiteral("danjia")), Number(QStringLiteral("jinE"), 1)})},
                               1};
    LayoutLine quantity = Pair(QStringLiteral("SumSLCaptionQRLabel"), QStringLiteral("SumSLQRLabel"));
    quantity.rules = RuleAbove;
    LayoutLine thanks = Line({Caption(QStringLiteral("谢谢惠顾，欢迎再次光临!"), 1, Centre)});
    thanks.height = 8;
    layout.bands << LayoutBand{BandKind::Summary,
                               {quantity, Pair(QStringLiteral("SumJECaptionQRLabel"), QStringLiteral("SumJEQRLabel"), true),
                                Pair(QStringLiteral("SSCaptionQRLabel"), QStringLiteral("SSQRLabel")),
                                Pair(QStringLiteral("BalanceCaptionQRLabel"), QStringLiteral("BalanceQRLabel")), thanks},
                               2};
    return layout;
}

ReportPageSetup ReceiptPageSetup(int rollWidthMm, int lineCount)
{
    const ReportLayout& layout = ReportFormLayout(ReportForm::XSXP);
    ReportPageSetup page;
    page.paperSize = CustomPaperSize;
    page.width = rollWidthMm == 58 ? 58 : 80;
    // The printable width of the usual print heads: 72 mm of an 80 mm roll, 48 mm of a 58 mm roll.
    page.leftMargin = page.rightMargin = page.width == 58 ? 5 : 4;
    page.topMargin = RollTopMargin;
    page.bottomMargin = RollBottomMargin;
    page.length = RollTopMargin + BandHeight(layout, BandKind::Title) + BandHeight(layout, BandKind::ColumnHeader)
                + qMax(0, lineCount) * BandHeight(layout, BandKind::Detail) + BandHeight(layout, BandKind::Summary)
                + RollBottomMargin;
    page.orientation = 0;
    return page;
}
