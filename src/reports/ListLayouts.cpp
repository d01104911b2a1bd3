// The single-dataset lists: a ruled table with the column captions on every page.
#include "FormLayouts.h"
#include "LayoutParts.h"

#include <optional>

using namespace LayoutParts;

namespace {

ReportLayout ListLayout(const QString& name, LayoutBand title, const QVector<Column>& columns,
                        std::optional<LayoutBand> summary)
{
    ReportLayout layout{name, {std::move(title)}};
    layout.bands << TableBands(columns);
    if (summary)
        layout.bands << *summary;
    layout.bands << FooterBand();
    return layout;
}

// Grouped profit: the group columns, then quantity, cost, amount, profit and margin.
ReportLayout ProfitLayout(const QString& name, const QString& subtitle, const QVector<Column>& groups)
{
    QVector<Column> columns{{QStringLiteral("序号"), Count(5)}};
    columns << groups;
    columns << Column{QStringLiteral("数量"), Number(QStringLiteral("ZSL"), 7)}
            << Column{QStringLiteral("成本"), Number(QStringLiteral("ZCB"), 10)}
            << Column{QStringLiteral("金额"), Number(QStringLiteral("ZJE"), 10)}
            << Column{QStringLiteral("利润"), Number(QStringLiteral("LR"), 10)}
            << Column{QStringLiteral("毛利率"), Number(QStringLiteral("LRR"), 9)};
    return ListLayout(name, TitleBand(QStringLiteral("TitleQRLabel"), {SubtitleLine(subtitle)}), columns,
                      ProfitTotals());
}

LayoutBand DatedTitle()
{
    return TitleBand(QStringLiteral("TitleQRLabel"), {DateLine()});
}

LayoutBand IncomeExpenseTotals()
{
    return TotalsBand({{QStringLiteral("合计收入:"), QStringLiteral("SUMSRQRLabel")},
                       {QStringLiteral("合计支出:"), QStringLiteral("SUMZCQRLabel")}});
}

Column Text(const QString& caption, const QString& field, double weight)
{
    return {caption, Field(field, weight)};
}

Column Amount(const QString& caption, const QString& field, double weight)
{
    return {caption, Number(field, weight)};
}

Column RowNumber()
{
    return {QStringLiteral("序号"), Count(5)};
}

}  // namespace

ReportLayout StockListLayout()
{
    return ListLayout(QStringLiteral("TBB_CXKCForm"), DatedTitle(),
                      {RowNumber(), Text(QStringLiteral("品牌"), QStringLiteral("pinpai"), 13),
                       Text(QStringLiteral("产品"), QStringLiteral("chanpin"), 13),
                       Text(QStringLiteral("规格"), QStringLiteral("guige"), 16),
                       Amount(QStringLiteral("数量"), QStringLiteral("shuliang"), 7),
                       Amount(QStringLiteral("平均成本"), QStringLiteral("PJCB"), 10),
                       Amount(QStringLiteral("总成本"), QStringLiteral("zcb"), 11)},
                      TotalsBand({{QStringLiteral("合计数量:"), QStringLiteral("SumSLQRLabel")},
                                  {QStringLiteral("合计成本:"), QStringLiteral("SumJEQRLabel")}}));
}

ReportLayout ProfitByGoodsLayout()
{
    return ProfitLayout(QStringLiteral("TBB_CXXSLR_SPForm"), QStringLiteral("(根据商品统计)"),
                        {Text(QStringLiteral("品牌"), QStringLiteral("PinPai"), 11),
                         Text(QStringLiteral("产品"), QStringLiteral("chanpin"), 11),
                         Text(QStringLiteral("型号"), QStringLiteral("guige"), 13)});
}

ReportLayout ProfitByBrandLayout()
{
    return ProfitLayout(QStringLiteral("TBB_CXXSLR_PPForm"), QStringLiteral("(根据品牌统计)"),
                        {Text(QStringLiteral("品牌"), QStringLiteral("PinPai"), 20)});
}

ReportLayout ProfitByProductLayout()
{
    return ProfitLayout(QStringLiteral("TBB_CXXSLR_CPForm"), QStringLiteral("(根据产品统计)"),
                        {Text(QStringLiteral("产品"), QStringLiteral("chanpin"), 20)});
}

ReportLayout ProfitBySpecLayout()
{
    return ProfitLayout(QStringLiteral("TBB_CXXSLR_GGForm"), QStringLiteral("(根据规格统计)"),
                        {Text(QStringLiteral("型号"), QStringLiteral("guige"), 20)});
}

ReportLayout ProfitByCustomerLayout()
{
    return ProfitLayout(QStringLiteral("TBB_CXXSLR_KHForm"), QStringLiteral("(根据客户统计)"),
                        {Text(QStringLiteral("客户"), QStringLiteral("KeHu"), 20)});
}

ReportLayout EmployeePerformanceLayout()
{
    return ListLayout(QStringLiteral("TBB_YGYJForm"), TitleBand(QStringLiteral("TitleQRLabel")),
                      {RowNumber(), Text(QStringLiteral("员工"), QStringLiteral("yewuyuan"), 9),
                       Text(QStringLiteral("产品类型"), QStringLiteral("CPType"), 10),
                       Amount(QStringLiteral("销售数量"), QStringLiteral("ZSL"), 8),
                       Amount(QStringLiteral("成本"), QStringLiteral("ZCB"), 10),
                       Amount(QStringLiteral("销售金额"), QStringLiteral("ZJE"), 10),
                       Amount(QStringLiteral("销售利润"), QStringLiteral("LR"), 10),
                       Amount(QStringLiteral("毛利率"), QStringLiteral("LRR"), 9)},
                      ProfitTotals());
}

ReportLayout CustomerListLayout()
{
    return ListLayout(QStringLiteral("TBB_CXKHForm"), DatedTitle(),
                      {RowNumber(), Text(QStringLiteral("客户"), QStringLiteral("KeHu"), 13),
                       Text(QStringLiteral("联系人"), QStringLiteral("lxr"), 7),
                       Text(QStringLiteral("电话"), QStringLiteral("phone"), 10),
                       Text(QStringLiteral("传真"), QStringLiteral("FAX"), 10),
                       Text(QStringLiteral("Email"), QStringLiteral("Email"), 12),
                       Text(QStringLiteral("邮编"), QStringLiteral("YB"), 6),
                       Text(QStringLiteral("地址"), QStringLiteral("address"), 18)},
                      std::nullopt);
}

ReportLayout SupplierListLayout()
{
    return ListLayout(QStringLiteral("TBB_CXGYSForm"), DatedTitle(),
                      {RowNumber(), Text(QStringLiteral("供应商"), QStringLiteral("GYS"), 15),
                       Text(QStringLiteral("联系人"), QStringLiteral("lxr"), 7),
                       Text(QStringLiteral("电话"), QStringLiteral("phone"), 11),
                       Text(QStringLiteral("传真"), QStringLiteral("FAX"), 11),
                       Text(QStringLiteral("邮编"), QStringLiteral("YB"), 6),
                       Text(QStringLiteral("地址"), QStringLiteral("address"), 22)},
                      std::nullopt);
}

ReportLayout EmployeeListLayout()
{
    return ListLayout(QStringLiteral("TBB_CXYGForm"), DatedTitle(),
                      {RowNumber(), Text(QStringLiteral("姓名"), QStringLiteral("Name"), 7),
                       Text(QStringLiteral("性别"), QStringLiteral("Sex"), 4),
                       Amount(QStringLiteral("年龄"), QStringLiteral("Age"), 4),
                       Text(QStringLiteral("电话"), QStringLiteral("phone"), 11),
                       Text(QStringLiteral("住址"), QStringLiteral("address"), 18),
                       Text(QStringLiteral("身份证"), QStringLiteral("ID"), 15),
                       Text(QStringLiteral("上岗日期"), QStringLiteral("InDate"), 9)},
                      std::nullopt);
}

ReportLayout IncomeExpenseListLayout()
{
    return ListLayout(QStringLiteral("TBB_CXSZForm"), TitleBand(QStringLiteral("TitleQRLabel")),
                      {RowNumber(), Text(QStringLiteral("单号"), QStringLiteral("dh"), 11),
                       Text(QStringLiteral("日期"), QStringLiteral("in_date"), 9),
                       Text(QStringLiteral("收支类型"), QStringLiteral("type"), 7),
                       Text(QStringLiteral("收支项目"), QStringLiteral("item"), 11),
                       Amount(QStringLiteral("收支金额"), QStringLiteral("jine"), 9),
                       Text(QStringLiteral("备注"), QStringLiteral("remark"), 18)},
                      IncomeExpenseTotals());
}

ReportLayout MonthlyClosingLayout()
{
    return ListLayout(QStringLiteral("TBB_JieQunForm"), TitleBand(QStringLiteral("TitleQRLabel")),
                      {RowNumber(), Text(QStringLiteral("年份"), QStringLiteral("JQM1"), 6),
                       Text(QStringLiteral("月份"), QStringLiteral("JQM2"), 5),
                       Amount(QStringLiteral("销售额"), QStringLiteral("XSE"), 10),
                       Amount(QStringLiteral("销售利润"), QStringLiteral("XSLR"), 10),
                       Amount(QStringLiteral("营业收入"), QStringLiteral("Other_SR"), 10),
                       Amount(QStringLiteral("营业支出"), QStringLiteral("Other_ZC"), 10),
                       Amount(QStringLiteral("本期利润"), QStringLiteral("BenQiLR"), 10)},
                      IncomeExpenseTotals());
}
