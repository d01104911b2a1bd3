#pragma once

#include "PageModel.h"
#include "ReportRows.h"

#include <QStringList>

// Small hand-made datasets and helpers for looking into page models.
namespace ReportSamples {

// Stock rows (PinPai, ChanPin, GuiGe, ShuLiang, PJCB, NewCB, zcb).
RowSet StockRows(int count);
// Sales document lines (autoid, dh, in_date, PinPai, chanpin, guige, danjia, CB, shuliang, jinE).
RowSet SalesLines(const QString& dh, int count);
// Sales document headers (dh, in_date, shuliang, jinE, KeHu, yewuyuan, KeHuPhone, KeHuAddress, QK, Remark).
RowSet SalesHeaders(int count);

// The texts of a page that come from a source (field, label, "COUNT", "PAGENUMBER").
QStringList SourceTexts(const ReportPage& page, const QString& source);
// The texts of a page printed in a band.
QStringList BandTexts(const ReportPage& page, BandKind band);

}  // namespace ReportSamples
