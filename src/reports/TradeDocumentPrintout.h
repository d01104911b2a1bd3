#pragma once

#include "PrintReport.h"
#include "Records.h"

#include <QString>

// What the printout of one sales or purchase document shows above and below its lines, as the
// document window or a query list holds it.
struct TradeDocumentHead {
    QString dh;
    QString date;     // yyyy-MM-dd
    QString party;    // the customer or the supplier
    QString address;  // the party's
    QString phone;    // the party's
    QString remark;
    QString quantity;  // the totals as shown
    QString amount;
};

// The request for the printout of a sales document (ReportForm::XSDJ) or a purchase document
// (ReportForm::CGDJ), without its rows: the title (the shop's name, then word, "销售" or
// "采购退货" and so on, then "单"), the head's texts (the remark after "备注:" when there is one)
// and the shop's phone, fax and address; a sales document also carries the shop's profile.
ReportRequest TradeDocumentPrintout(const TGsInfo& shop, ReportForm form, const QString& word,
                                    const TradeDocumentHead& head);
