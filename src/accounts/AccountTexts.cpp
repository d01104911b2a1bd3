#include "AccountTexts.h"

namespace {

const GridColumn Fixed{QString(), 24};
const GridColumn Number{QStringLiteral("单号"), 100, QStringLiteral("dh")};
const GridColumn Date{QStringLiteral("日期"), 86, QStringLiteral("in_date"), GridFormat::Date};
const GridColumn Quantity{QStringLiteral("数量"), 46, QStringLiteral("shuliang"), GridFormat::Integer};
const GridColumn Amount{QStringLiteral("金额"), 76, QStringLiteral("jinE"), GridFormat::Money};
const GridColumn Owed{QStringLiteral("欠款"), 76, QStringLiteral("QK"), GridFormat::Money};
const GridColumn Remark{QStringLiteral("备注"), 110, QStringLiteral("Remark")};

QVector<GridColumn> LineColumns(int specWidth)
{
    return {Fixed,
            {QStringLiteral("品牌"), 70, QStringLiteral("PinPai")},
            {QStringLiteral("产品"), 130, QStringLiteral("chanpin")},
            {QStringLiteral("型号/规格"), specWidth, QStringLiteral("guige")},
            {QStringLiteral("单价"), 70, QStringLiteral("danjia"), GridFormat::Money},
            {QStringLiteral("数量"), 50, QStringLiteral("shuliang"), GridFormat::Integer},
            {QStringLiteral("金额"), 80, QStringLiteral("jinE"), GridFormat::Money}};
}

QVector<GridColumn> HistoryColumns(const QString& date, const QString& amount)
{
    return {Fixed, {date, 100, QStringLiteral("in_date"), GridFormat::Date},
            {amount, 80, QStringLiteral("JinE"), GridFormat::Money}};
}

QVector<GridColumn> AgeingColumns(const QString& party)
{
    return {{party, 150, QStringLiteral("party")},
            {QStringLiteral("0-30天"), 90, QStringLiteral("B1"), GridFormat::Money},
            {QStringLiteral("31-60天"), 90, QStringLiteral("B2"), GridFormat::Money},
            {QStringLiteral("61-90天"), 90, QStringLiteral("B3"), GridFormat::Money},
            {QStringLiteral("90天以上"), 90, QStringLiteral("B4"), GridFormat::Money},
            {QStringLiteral("合计"), 90, QStringLiteral("total"), GridFormat::Money}};
}

}  // namespace

const AccountTexts& TextsOf(AccountSide side)
{
    static const AccountTexts receivable{
        QStringLiteral("XSYSKForm"), QStringLiteral("销售应收款"), QStringLiteral("应收款客户列表"),
        QStringLiteral("应收款销售单"), QStringLiteral("销售单明细"), QStringLiteral("核消应收款"),
        QStringLiteral("冲减应收款"), QStringLiteral("收款过程"), QStringLiteral("SKGCButton"),
        QStringLiteral("确定要核消当前此笔应收款吗?"), QStringLiteral("销售应收款报表"),
        {Fixed, Number, {QStringLiteral("客户"), 100, QStringLiteral("KeHu")}, Date, Quantity, Amount, Owed,
         {QStringLiteral("业务员"), 60, QStringLiteral("yewuyuan")},
         {QStringLiteral("客户电话"), 110, QStringLiteral("KeHuPhone")},
         {QStringLiteral("客户地址"), 150, QStringLiteral("KeHuAddress")}, Remark},
        LineColumns(130),
        QStringLiteral("CJYSKForm"), QStringLiteral("收款日期"), QStringLiteral("本次收款"),
        QStringLiteral("请输入此次收款金额!"), QStringLiteral("SKGCForm"), QStringLiteral("收款过程"),
        HistoryColumns(QStringLiteral("收款日期"), QStringLiteral("收款金额")), AgeingColumns(QStringLiteral("客户"))};
    static const AccountTexts payable{
        QStringLiteral("CGYFKForm"), QStringLiteral("采购应付款"), QStringLiteral("应付款供应商列表"),
        QStringLiteral("应付款采购单"), QStringLiteral("采购单明细"), QStringLiteral("核消应付款"),
        QStringLiteral("冲减应付款"), QStringLiteral("付款过程"), QStringLiteral("FKGCButton"),
        QStringLiteral("确定要核消当前此笔应付款吗?"), QStringLiteral("采购应付款报表"),
        {Fixed, Number, {QStringLiteral("供应商"), 130, QStringLiteral("GYS")}, Date, Quantity, Amount, Owed, Remark},
        LineColumns(150),
        QStringLiteral("CJYFKForm"), QStringLiteral("付款日期"), QStringLiteral("本次付款"),
        QStringLiteral("请输入此次付款金额!"), QStringLiteral("FKGCForm"), QStringLiteral("还款过程"),
        HistoryColumns(QStringLiteral("付款日期"), QStringLiteral("付款金额")), AgeingColumns(QStringLiteral("供应商"))};
    return side == AccountSide::Receivable ? receivable : payable;
}
