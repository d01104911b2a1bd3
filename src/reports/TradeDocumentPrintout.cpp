#include "TradeDocumentPrintout.h"

#include "WrapText.h"

ReportRequest TradeDocumentPrintout(const TGsInfo& shop, ReportForm form, const QString& word,
                                    const TradeDocumentHead& head)
{
    const bool sales = form == ReportForm::XSDJ;
    ReportRequest r;
    r.form = form;
    r.labels = {{sales ? QStringLiteral("CaptionQRLabel") : QStringLiteral("TitleQRLabel"), shop.GSName + word + u'单'},
                {QStringLiteral("DHQRLabel"), head.dh},
                {QStringLiteral("DateQRLabel"), head.date},
                {sales ? QStringLiteral("KHQRLabel") : QStringLiteral("GYSQRLabel"), head.party},
                {QStringLiteral("AddressQRLabel"), head.address},
                {QStringLiteral("PhoneQRLabel"), head.phone},
                {QStringLiteral("RemarkQRLabel"), head.remark.isEmpty() ? QString() : QStringLiteral("备注:") + head.remark},
                {QStringLiteral("SumSLQRLabel"), head.quantity},
                {QStringLiteral("SumJEQRLabel"), head.amount},
                {QStringLiteral("QYPhoneQRLabel"), shop.GSPhone},
                {QStringLiteral("QYFaxQRLabel"), shop.GSFax},
                {QStringLiteral("QYAddressQRLabel"), shop.GSAddress}};
    if (sales)
        r.memo = WrapText(shop.GSJianJie, 90);
    return r;
}
