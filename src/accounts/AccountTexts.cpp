#include "AccountTexts.h"

#include "NumberText.h"

namespace {

QString DateText(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

const DocumentColumn Number{QStringLiteral("单号"), 100, [](const OpenDocument& d) { return d.dh; }};
const DocumentColumn Date{QStringLiteral("日期"), 86, [](const OpenDocument& d) { return DateText(d.in_date); }};
const DocumentColumn Quantity{QStringLiteral("数量"), 46, [](const OpenDocument& d) { return QString::number(d.shuliang); }};
const DocumentColumn Amount{QStringLiteral("金额"), 76, [](const OpenDocument& d) { return MoneyText(d.jinE); }};
const DocumentColumn Owed{QStringLiteral("欠款"), 76, [](const OpenDocument& d) { return MoneyText(d.QK); }};
const DocumentColumn Remark{QStringLiteral("备注"), 110, [](const OpenDocument& d) { return d.Remark; }};

}  // namespace

QString MoneyText(double x)
{
    return FormatGeneral(RoundFloat(2, x));
}

const AccountTexts& TextsOf(AccountSide side)
{
    static const AccountTexts receivable{
        QStringLiteral("XSYSKForm"), QStringLiteral("销售应收款"), QStringLiteral("应收款客户列表"),
        QStringLiteral("应收款销售单"), QStringLiteral("销售单明细"), QStringLiteral("核消应收款"),
        QStringLiteral("冲减应收款"), QStringLiteral("收款过程"), QStringLiteral("SKGCButton"),
        QStringLiteral("确定要核消当前此笔应收款吗?"), QStringLiteral("销售应收款报表"), 130,
        {Number,
         {QStringLiteral("客户"), 100, [](const OpenDocument& d) { return d.party; }},
         Date, Quantity, Amount, Owed,
         {QStringLiteral("业务员"), 60, [](const OpenDocument& d) { return d.yewuyuan; }},
         {QStringLiteral("客户电话"), 110, [](const OpenDocument& d) { return d.phone; }},
         {QStringLiteral("客户地址"), 150, [](const OpenDocument& d) { return d.address; }},
         Remark},
        QStringLiteral("CJYSKForm"), QStringLiteral("收款日期"), QStringLiteral("本次收款"),
        QStringLiteral("请输入此次收款金额!"), QStringLiteral("SKGCForm"), QStringLiteral("收款过程"),
        QStringLiteral("收款金额")};
    static const AccountTexts payable{
        QStringLiteral("CGYFKForm"), QStringLiteral("采购应付款"), QStringLiteral("应付款供应商列表"),
        QStringLiteral("应付款采购单"), QStringLiteral("采购单明细"), QStringLiteral("核消应付款"),
        QStringLiteral("冲减应付款"), QStringLiteral("付款过程"), QStringLiteral("FKGCButton"),
        QStringLiteral("确定要核消当前此笔应付款吗?"), QStringLiteral("采购应付款报表"), 150,
        {Number,
         {QStringLiteral("供应商"), 130, [](const OpenDocument& d) { return d.party; }},
         Date, Quantity, Amount, Owed, Remark},
        QStringLiteral("CJYFKForm"), QStringLiteral("付款日期"), QStringLiteral("本次付款"),
        QStringLiteral("请输入此次付款金额!"), QStringLiteral("FKGCForm"), QStringLiteral("还款过程"),
        QStringLiteral("付款金额")};
    return side == AccountSide::Receivable ? receivable : payable;
}
