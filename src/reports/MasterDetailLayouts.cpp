// The document lists: per document its header (captions and values), then its lines.
#include "FormLayouts.h"
#include "LayoutParts.h"

using namespace LayoutParts;

namespace {

constexpr double DocumentGap = 2.5;  // millimetres between two documents

LayoutBand DocumentBand(QVector<LayoutLine> lines)
{
    return {BandKind::Detail, std::move(lines), DocumentGap};
}

LayoutLine RemarkLine()
{
    return Line({Caption(QStringLiteral("备注:")), Field(QStringLiteral("Remark"), 1)});
}

// Purchase header as caption:value pairs on one line, the row number first.
LayoutLine PurchaseHeaderLine(bool withOwed)
{
    QVector<LayoutCell> cells{Count(), Caption(QStringLiteral("单号:")), Field(QStringLiteral("dh"), 3),
                              Caption(QStringLiteral("供应商:")), Field(QStringLiteral("GYS"), 4),
                              Caption(QStringLiteral("采购日期:")), Field(QStringLiteral("in_date"), 2.2),
                              Caption(QStringLiteral("数量:")), Field(QStringLiteral("shuliang"), 1.2),
                              Caption(QStringLiteral("金额:")), Field(QStringLiteral("jinE"), 2)};
    if (withOwed)
        cells << Caption(QStringLiteral("欠款:")) << Field(QStringLiteral("QK"), 2);
    cells.first().bold = true;
    return Line(cells, RuleAbove);
}

LayoutBand QuantityAmountTotals()
{
    return TotalsBand({{QStringLiteral("合计数量:"), QStringLiteral("SumSLQRLabel")},
                       {QStringLiteral("合计金额:"), QStringLiteral("SumJEQRLabel")}});
}

LayoutBand AmountOwedTotals()
{
    return TotalsBand({{QStringLiteral("合计金额:"), QStringLiteral("SumJEQRLabel")},
                       {QStringLiteral("合计欠款:"), QStringLiteral("SumQKQRLabel")}});
}

}  // namespace

LayoutBand ProfitTotals()
{
    return TotalsBand({{QStringLiteral("合计成本:"), QStringLiteral("SumCBQRLabel")},
                       {QStringLiteral("合计金额:"), QStringLiteral("SumJEQRLabel")},
                       {QStringLiteral("合计利润:"), QStringLiteral("SumLRQRLabel")},
                       {QStringLiteral("合计利率:"), QStringLiteral("SumLRRQRLabel")}});
}

ReportLayout SalesListLayout()
{
    ReportLayout layout{QStringLiteral("TBB_CXXSForm"), {}};
    layout.bands << TitleBand(QStringLiteral("TitleQRLabel"), {DateLine()});
    layout.bands << DocumentBand({
        CaptionRow({Count(4), Caption(QStringLiteral("单号"), 10), Caption(QStringLiteral("销售日期"), 8),
                    Caption(QStringLiteral("数量"), 5), Caption(QStringLiteral("金额"), 7),
                    Caption(QStringLiteral("客户"), 10), Caption(QStringLiteral("业务员"), 6),
                    Caption(QStringLiteral("客户电话"), 11), Caption(QStringLiteral("客户地址"), 12)}),
        ValueRow({Blank(4), Field(QStringLiteral("dh"), 10), Field(QStringLiteral("in_date"), 8),
                  Number(QStringLiteral("shuliang"), 5), Number(QStringLiteral("jinE"), 7),
                  Field(QStringLiteral("KeHu"), 10), Field(QStringLiteral("yewuyuan"), 6),
                  Field(QStringLiteral("KeHuPhone"), 11), Field(QStringLiteral("KeHuAddress"), 12)}),
        RemarkLine(),
        LineCaptionRow(),
    });
    layout.bands << LineBand() << QuantityAmountTotals() << FooterBand();
    return layout;
}

ReportLayout PurchaseListLayout()
{
    ReportLayout layout{QStringLiteral("TBB_CXCGForm"), {}};
    layout.bands << TitleBand(QStringLiteral("TitleQRLabel"), {DateLine()});
    layout.bands << DocumentBand({PurchaseHeaderLine(false), RemarkLine(), LineCaptionRow()});
    layout.bands << LineBand() << QuantityAmountTotals() << FooterBand();
    return layout;
}

ReportLayout ProfitByDocumentLayout()
{
    ReportLayout layout{QStringLiteral("TBB_CXXSLR_XSDForm"), {}};
    layout.bands << TitleBand(QStringLiteral("TitleQRLabel"), {SubtitleLine(QStringLiteral("(根据销售单统计)"))});
    layout.bands << DocumentBand({
        CaptionRow({Blank(4), Caption(QStringLiteral("单号"), 11), Caption(QStringLiteral("销售日期"), 8),
                    Caption(QStringLiteral("客户"), 11), Caption(QStringLiteral("业务员"), 6),
                    Caption(QStringLiteral("数量"), 5), Caption(QStringLiteral("成本"), 8),
                    Caption(QStringLiteral("金额"), 8), Caption(QStringLiteral("利润"), 8),
                    Caption(QStringLiteral("毛利率"), 7)}),
        ValueRow({Count(4), Field(QStringLiteral("dh"), 11), Field(QStringLiteral("in_date"), 8),
                  Field(QStringLiteral("KeHu"), 11), Field(QStringLiteral("yewuyuan"), 6),
                  Number(QStringLiteral("shuliang"), 5), Number(QStringLiteral("CB"), 8),
                  Number(QStringLiteral("jinE"), 8), Number(QStringLiteral("LR"), 8),
                  Number(QStringLiteral("LRR"), 7)}),
        CaptionRow({Caption(QStringLiteral("品牌"), 10), Caption(QStringLiteral("产品"), 10),
                    Caption(QStringLiteral("规格"), 11), Caption(QStringLiteral("单价"), 7),
                    Caption(QStringLiteral("数量"), 5), Caption(QStringLiteral("成本"), 8),
                    Caption(QStringLiteral("金额"), 8), Caption(QStringLiteral("利润"), 8),
                    Caption(QStringLiteral("毛利率"), 7)}),
    });
    layout.bands << LayoutBand{BandKind::SubDetail,
                               {ValueRow({Field(QStringLiteral("pinpai"), 10), Field(QStringLiteral("chanpin"), 10),
                                          Field(QStringLiteral("guige"), 11), Number(QStringLiteral("danjia"), 7),
                                          Number(QStringLiteral("shuliang"), 5), Number(QStringLiteral("ZCB"), 8),
                                          Number(QStringLiteral("jinE"), 8), Number(QStringLiteral("LR"), 8),
                                          Number(QStringLiteral("LRR"), 7)})},
                               0};
    layout.bands << ProfitTotals() << FooterBand();
    return layout;
}

ReportLayout ReceivablesLayout()
{
    ReportLayout layout{QStringLiteral("TBB_XSYSKForm"), {}};
    layout.bands << TitleBand(QStringLiteral("TitleQRLabel"), {DateLine()});
    layout.bands << DocumentBand({
        CaptionRow({Blank(4), Caption(QStringLiteral("单号"), 10), Caption(QStringLiteral("客户"), 10),
                    Caption(QStringLiteral("销售日期"), 8), Caption(QStringLiteral("数量"), 5),
                    Caption(QStringLiteral("金额"), 7), Caption(QStringLiteral("欠款"), 7),
                    Caption(QStringLiteral("业务员"), 6), Caption(QStringLiteral("客户电话"), 11),
                    Caption(QStringLiteral("客户地址"), 10)}),
        ValueRow({Count(4), Field(QStringLiteral("dh"), 10), Field(QStringLiteral("KeHu"), 10),
                  Field(QStringLiteral("in_date"), 8), Number(QStringLiteral("shuliang"), 5),
                  Number(QStringLiteral("jinE"), 7), Number(QStringLiteral("QK"), 7),
                  Field(QStringLiteral("yewuyuan"), 6), Field(QStringLiteral("KeHuPhone"), 11),
                  Field(QStringLiteral("KeHuAddress"), 10)}),
        LineCaptionRow(),
    });
    layout.bands << LineBand() << AmountOwedTotals() << FooterBand();
    return layout;
}

ReportLayout PayablesLayout()
{
    ReportLayout layout{QStringLiteral("TBB_CGYFKForm"), {}};
    layout.bands << TitleBand(QStringLiteral("TitleQRLabel"), {DateLine()});
    layout.bands << DocumentBand({PurchaseHeaderLine(true), LineCaptionRow()});
    layout.bands << LineBand() << AmountOwedTotals() << FooterBand();
    return layout;
}
