// The statement handed to a customer: the shop and the customer at the top, the open documents
// with their receipts and the running balance as a ruled list, the totals and a line for the
// customer's signature.
#include "FormLayouts.h"
#include "LayoutParts.h"

using namespace LayoutParts;

ReportLayout StatementLayout()
{
    ReportLayout layout{QStringLiteral("TBB_KHDZDForm"), {}};
    layout.bands << TitleBand(
        QStringLiteral("TitleQRLabel"),
        {Line({Caption(QStringLiteral("地址:")), Label(QStringLiteral("QYAddressQRLabel"), 6),
               Caption(QStringLiteral("电话:")), Label(QStringLiteral("QYPhoneQRLabel"), 3)},
              RuleBelow),
         Line({Caption(QStringLiteral("客户:")), Label(QStringLiteral("KHQRLabel"), 6),
               Caption(QStringLiteral("电话:")), Label(QStringLiteral("PhoneQRLabel"), 3)}),
         Line({Caption(QStringLiteral("地址:")), Label(QStringLiteral("AddressQRLabel"), 6),
               Caption(QStringLiteral("日期:")), Label(QStringLiteral("DateQRLabel"), 3)})});
    layout.bands << TableBands({
        {QStringLiteral("序号"), Count(5)},
        {QStringLiteral("日期"), Field(QStringLiteral("in_date"), 11)},
        {QStringLiteral("单号"), Field(QStringLiteral("dh"), 13)},
        {QStringLiteral("摘要"), Field(QStringLiteral("ZY"), 7, Centre)},
        {QStringLiteral("金额"), Number(QStringLiteral("jinE"), 11)},
        {QStringLiteral("收款"), Number(QStringLiteral("SK"), 11)},
        {QStringLiteral("余额"), Number(QStringLiteral("YE"), 11)},
    });
    LayoutLine signature = Line({Caption(QStringLiteral("以上款项请核对，如有疑问请与本店联系。")), Blank(1),
                                 Caption(QStringLiteral("客户签字:")), Blank(0.3)});
    signature.height = 10;
    LayoutBand totals = TotalsBand({{QStringLiteral("合计金额:"), QStringLiteral("SumJEQRLabel")},
                                    {QStringLiteral("合计收款:"), QStringLiteral("SumSKQRLabel")},
                                    {QStringLiteral("欠款余额:"), QStringLiteral("SumQKQRLabel")}});
    totals.lines << signature;
    layout.bands << totals;
    layout.bands << FooterBand();
    return layout;
}
