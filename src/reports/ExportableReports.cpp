#include "ExportableReports.h"

#include "DocumentSide.h"
#include "Database.h"
#include "DocumentStore.h"
#include "GongYingShangStore.h"
#include "NumberText.h"
#include "ReportData.h"
#include "TradeDocumentPrintout.h"

namespace {

const QString Day = QStringLiteral("yyyy-MM-dd");

QString QuantityText(const RowSet& rows, const QString& column)
{
    qint64 sum = 0;
    for (int r = 0; r < rows.rowCount(); ++r)
        sum += rows.value(r, column).toLongLong();
    return QString::number(sum);
}

// Cost, amount, profit and margin of the profit and performance reports: the margin is profit over
// amount in per cent to two decimals, 100 when the amount is 0.
void ProfitTotals(ReportRequest& r, const RowSet& rows, const QString& cost, const QString& amount)
{
    const Money costSum = MoneySum(rows, cost);
    const Money amountSum = MoneySum(rows, amount);
    const Money profit = MoneySum(rows, QStringLiteral("LR"));
    const double margin = amountSum != Money() ? RoundFloat(2, profit.yuan() / amountSum.yuan() * 100) : 100;
    r.labels.insert(QStringLiteral("SumCBQRLabel"), YuanText(costSum));
    r.labels.insert(QStringLiteral("SumJEQRLabel"), YuanText(amountSum));
    r.labels.insert(QStringLiteral("SumLRQRLabel"), YuanText(profit));
    r.labels.insert(QStringLiteral("SumLRRQRLabel"), FormatGeneral(margin) + QStringLiteral(" %"));
}

QString RangeText(const ReportArguments& a)
{
    return a.from.toString(Day) + QStringLiteral("至") + a.to.toString(Day);
}

ReportData Prepare(Database& db, ReportForm form, DanKind kind, const ReportArguments& a)
{
    switch (form) {
    case ReportForm::CXXS: return PrepareBB_CXXS(db, QString(), kind, a.from, a.to);
    case ReportForm::CXCG: return PrepareBB_CXCG(db, kind, a.from, a.to);
    case ReportForm::CXKC: return {PrepareBB_CXKC(db, a.brand, a.product, QString(), QString()), {}};
    case ReportForm::CXXSLR_XSD: return PrepareBB_CXXSLR_XSD(db, a.from, a.to);
    case ReportForm::CXXSLR_SP: return {PrepareBB_CXXSLR_SP(db, a.from, a.to), {}};
    case ReportForm::CXXSLR_PP: return {PrepareBB_CXXSLR_PP(db, a.product, a.from, a.to), {}};
    case ReportForm::CXXSLR_CP: return {PrepareBB_CXXSLR_CP(db, a.brand, a.from, a.to), {}};
    case ReportForm::CXXSLR_GG: return {PrepareBB_CXXSLR_GG(db, a.brand, a.product, a.from, a.to), {}};
    case ReportForm::CXXSLR_KH: return {PrepareBB_CXXSLR_KH(db, QString(), a.from, a.to), {}};
    case ReportForm::YGYJ: return {PrepareBB_YGYJ(db, QString(), a.from, a.to), {}};
    case ReportForm::XSYSK: return PrepareBB_XSYSK(db, QString());
    case ReportForm::CGYFK: return PrepareBB_CGYFK(db, QString());
    default: return {};
    }
}

// The printout of one saved sales (purchase) document, its figures shown as its query list shows
// them: a return's as positive numbers.
ReportRequest DocumentRequest(Database& db, const TGsInfo& info, ReportForm form, const QString& dh)
{
    const auto missing = [&dh] { return DbError(QStringLiteral("单据 %1 不存在。").arg(dh)); };
    const auto head = [](const auto& d, DanKind kind, const QString& party, const QString& address,
                         const QString& phone) {
        const int sign = kind == ReturnKind ? -1 : 1;
        return TradeDocumentHead{d.dh,  d.in_date.toString(Day), party, address, phone, d.Remark,
                                 QString::number(sign * d.shuliang), FormatMoney(d.jinE * sign)};
    };
    ReportRequest r;
    RowSet lines;
    if (form == ReportForm::XSDJ) {
        const std::optional<TXiaoShouDan> d = GetXiaoShouDan(db, dh);
        if (!d)
            throw missing();
        const DanKind kind = SalesSide().kindOf(d->dh);
        r = TradeDocumentPrintout(info, form, SalesSide().captionOf(kind),
                                  head(*d, kind, d->KeHu, d->KeHuAddress, d->KeHuPhone));
        lines = PrepareBB_XSDJ(db, d->dh, kind);
    } else {
        const std::optional<TCaiGouDan> d = GetCaiGouDan(db, dh);
        if (!d)
            throw missing();
        const DanKind kind = PurchaseSide().kindOf(d->dh);
        const TGongYingShang supplier = GetGYS(db, d->GYS);
        r = TradeDocumentPrintout(info, form, PurchaseSide().captionOf(kind),
                                  head(*d, kind, d->GYS, supplier.address, supplier.phone));
        lines = PrepareBB_CGDJ(db, d->dh, kind);
    }
    r.prepare = [lines] { return ReportData{lines, {}}; };
    return r;
}

}  // namespace

const QVector<ExportableReport>& ExportableReports()
{
    // name, what it lists, form, kind, dated, needs a brand, a product, a document number
    static const QVector<ExportableReport> reports{
        {"stock", "库存查询", ReportForm::CXKC, ForwardKind, false, false, false, false},
        {"sales", "销售查询", ReportForm::CXXS, ForwardKind, true, false, false, false},
        {"sales-returns", "销售退货查询", ReportForm::CXXS, ReturnKind, true, false, false, false},
        {"purchases", "采购查询", ReportForm::CXCG, ForwardKind, true, false, false, false},
        {"purchase-returns", "采购退货查询", ReportForm::CXCG, ReturnKind, true, false, false, false},
        {"profit-documents", "销售利润(根据销售单统计)", ReportForm::CXXSLR_XSD, ForwardKind, true, false, false, false},
        {"profit-goods", "销售利润(根据商品统计)", ReportForm::CXXSLR_SP, ForwardKind, true, false, false, false},
        {"profit-brands", "一个产品的销售利润(根据品牌统计)", ReportForm::CXXSLR_PP, ForwardKind, true, false, true, false},
        {"profit-products", "一个品牌的销售利润(根据产品统计)", ReportForm::CXXSLR_CP, ForwardKind, true, true, false, false},
        {"profit-specs", "一个品牌及产品的销售利润(根据规格统计)", ReportForm::CXXSLR_GG, ForwardKind, true, true, true, false},
        {"profit-customers", "销售利润(根据客户统计)", ReportForm::CXXSLR_KH, ForwardKind, true, false, false, false},
        {"performance", "员工业绩", ReportForm::YGYJ, ForwardKind, true, false, false, false},
        {"receivables", "销售应收款", ReportForm::XSYSK, ForwardKind, false, false, false, false},
        {"payables", "采购应付款", ReportForm::CGYFK, ForwardKind, false, false, false, false},
        {"sales-document", "一张销售单或销售退货单", ReportForm::XSDJ, ForwardKind, false, false, false, true},
        {"purchase-document", "一张采购单或采购退货单", ReportForm::CGDJ, ForwardKind, false, false, false, true},
    };
    return reports;
}

const ExportableReport* FindExportableReport(const QString& name)
{
    for (const ExportableReport& report : ExportableReports())
        if (name.compare(QLatin1String(report.name), Qt::CaseInsensitive) == 0)
            return &report;
    return nullptr;
}

ReportRequest ExportableRowsRequest(Database& db, const TGsInfo& info, const ExportableReport& report,
                                    const ReportArguments& args)
{
    if (report.needsNumber)
        return DocumentRequest(db, info, report.form, args.number);
    ReportRequest r;
    r.form = report.form;
    using Take = std::function<void(const RowSet&)>;
    switch (report.form) {
    case ReportForm::CXXS:
        r.streamRows = [&db, &report, args](const Take& take) {
            StreamBB_CXXS(db, QString(), report.kind, args.from, args.to, take);
        };
        break;
    case ReportForm::CXCG:
        r.streamRows = [&db, &report, args](const Take& take) { StreamBB_CXCG(db, report.kind, args.from, args.to, take); };
        break;
    case ReportForm::CXXSLR_XSD:
        r.streamRows = [&db, args](const Take& take) { StreamBB_CXXSLR_XSD(db, args.from, args.to, take); };
        break;
    default:
        r.prepare = [&db, &report, args] { return Prepare(db, report.form, report.kind, args); };
    }
    return r;
}

ReportRequest ExportableReportRequest(Database& db, const TGsInfo& info, const ExportableReport& report,
                                      const ReportArguments& args)
{
    if (report.needsNumber)
        return DocumentRequest(db, info, report.form, args.number);
    const ReportData data = Prepare(db, report.form, report.kind, args);
    ReportRequest r;
    r.form = report.form;
    r.prepare = [data] { return data; };
    const QString today = db.clock().today().toString(Day);
    const RowSet& rows = data.master;
    const auto title = [&r](const QString& text) { r.labels.insert(QStringLiteral("TitleQRLabel"), text); };
    switch (report.form) {
    case ReportForm::CXKC:
        title(info.GSName + QStringLiteral("库存查询"));
        r.labels.insert(QStringLiteral("DateQRLabel"), today);
        r.labels.insert(QStringLiteral("SumSLQRLabel"), QuantityText(rows, QStringLiteral("shuliang")));
        r.labels.insert(QStringLiteral("SumJEQRLabel"), FormatMoney(MoneySum(rows, QStringLiteral("zcb"))));
        break;
    case ReportForm::CXXS:
    case ReportForm::CXCG:
        title(info.GSName + QString::fromUtf8(report.caption));
        r.labels.insert(QStringLiteral("DateQRLabel"), today);
        r.labels.insert(QStringLiteral("SumSLQRLabel"), QuantityText(rows, QStringLiteral("shuliang")));
        r.labels.insert(QStringLiteral("SumJEQRLabel"), YuanText(MoneySum(rows, QStringLiteral("jinE"))));
        break;
    case ReportForm::XSYSK:
    case ReportForm::CGYFK:
        title(report.form == ReportForm::XSYSK ? QStringLiteral("销售应收款报表") : QStringLiteral("采购应付款报表"));
        r.labels.insert(QStringLiteral("DateQRLabel"), today);
        r.labels.insert(QStringLiteral("SumJEQRLabel"), YuanText(MoneySum(rows, QStringLiteral("jinE"))));
        r.labels.insert(QStringLiteral("SumQKQRLabel"), YuanText(MoneySum(rows, QStringLiteral("QK"))));
        break;
    case ReportForm::YGYJ:
        title(RangeText(args) + QStringLiteral("员工业绩报表"));
        ProfitTotals(r, rows, QStringLiteral("ZCB"), QStringLiteral("ZJE"));
        break;
    default: {
        // The profit reports: the selection is the product, the brand, or both.
        QString selection;
        if (report.form == ReportForm::CXXSLR_PP)
            selection = args.product;
        else if (report.form == ReportForm::CXXSLR_CP)
            selection = args.brand;
        else if (report.form == ReportForm::CXXSLR_GG)
            selection = args.brand + args.product;
        title(RangeText(args) + selection + QStringLiteral("销售利润报表"));
        const bool byDocument = report.form == ReportForm::CXXSLR_XSD;
        ProfitTotals(r, rows, byDocument ? QStringLiteral("cb") : QStringLiteral("ZCB"),
                     byDocument ? QStringLiteral("jinE") : QStringLiteral("ZJE"));
    }
    }
    return r;
}
