// The printed sales and purchase documents: the document's header in the title band, its lines
// as a ruled list, the totals and the enterprise's contacts at the foot of every page.
#include "FormLayouts.h"
#include "LayoutParts.h"
#include "ReportForms.h"

using namespace LayoutParts;

namespace {

QVector<LayoutBand> DocumentLineTable()
{
    return TableBands({
        {QStringLiteral("序号"), Count(5)},
        {QStringLiteral("品牌"), Field(QStringLiteral("pinpai"), 12)},
        {QStringLiteral("产品"), Field(QStringLiteral("chanpin"), 12)},
        {QStringLiteral("规格"), Field(QStringLiteral("guige"), 14)},
        {QStringLiteral("单价"), Number(QStringLiteral("danjia"), 9)},
        {QStringLiteral("数量"), Number(QStringLiteral("shuliang"), 7)},
        {QStringLiteral("金额"), Number(QStringLiteral("jinE"), 10)},
    });
}

LayoutBand DocumentSummary()
{
    return TotalsBand({{QStringLiteral("合计数量:"), QStringLiteral("SumSLQRLabel")},
                       {QStringLiteral("合计金额:"), QStringLiteral("SumJEQRLabel")}},
                      {Line({Label(QStringLiteral("RemarkQRLabel"), 1)})});
}

QVector<LayoutCell> EnterpriseContacts()
{
    return {Caption(QStringLiteral("电话")), Label(QStringLiteral("QYPhoneQRLabel"), 2),
            Caption(QStringLiteral("传真")), Label(QStringLiteral("QYFaxQRLabel"), 2),
            Caption(QStringLiteral("地址")), Label(QStringLiteral("QYAddressQRLabel"), 5)};
}

ReportLayout DocumentLayout(const QString& name, const QString& titleLabel, const QString& dateCaption,
                            const QString& partnerCaption, const QString& partnerLabel,
                            QVector<LayoutLine> footerLines)
{
    ReportLayout layout{name, {}};
    layout.bands << TitleBand(titleLabel,
                              {Line({Caption(QStringLiteral("单号:")), Label(QStringLiteral("DHQRLabel"), 3),
                                     Caption(dateCaption), Label(QStringLiteral("DateQRLabel"), 2),
                                     Caption(partnerCaption), Label(partnerLabel, 4)}),
                               Line({Caption(QStringLiteral("地址:")), Label(QStringLiteral("AddressQRLabel"), 6),
                                     Caption(QStringLiteral("电话:")), Label(QStringLiteral("PhoneQRLabel"), 3)})});
    layout.bands << DocumentLineTable();
    layout.bands << DocumentSummary();
    layout.bands << FooterBand(EnterpriseContacts(), std::move(footerLines));
    return layout;
}

}  // namespace

ReportLayout SalesDocumentLayout()
{
    LayoutCell memo{CellKind::Memo, QString::fromLatin1(ProfileMemo), 0, Left, false};
    LayoutLine memoLine = Line({memo});
    memoLine.height = 4.5;
    return DocumentLayout(QStringLiteral("TBB_XSDJForm"), QStringLiteral("CaptionQRLabel"),
                          QStringLiteral("日期:"), QStringLiteral("客户:"), QStringLiteral("KHQRLabel"),
                          {memoLine});
}

ReportLayout SalesDocumentLayoutWithNumberBarcode()
{
    ReportLayout layout = SalesDocumentLayout();
    LayoutCell number = Label(QStringLiteral("DHQRLabel"), 2);
    number.barcode = true;
    LayoutLine line = Line({Blank(4), number});
    line.height = 14;
    for (LayoutBand& band : layout.bands)
        if (band.kind == BandKind::Title)
            band.lines.insert(1, line);
    return layout;
}

ReportLayout PurchaseDocumentLayout()
{
    return DocumentLayout(QStringLiteral("TBB_CGDJForm"), QStringLiteral("TitleQRLabel"),
                          QStringLiteral("采购日期:"), QStringLiteral("供应商:"), QStringLiteral("GYSQRLabel"),
                          {});
}
