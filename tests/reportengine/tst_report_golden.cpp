// Text renderings of the report forms over the report fixture database, kept as golden
// files under golden/. A layout change shows up as a readable diff.
// Regenerate: QL_UPDATE_GOLDEN=1 ./tst_report_golden
// Look at the pages: QL_REPORT_PNG_DIR=/some/folder ./tst_report_golden (one PNG per page).
#include "BandedReport.h"
#include "PagePainter.h"
#include "ReportData.h"
#include "ReportFixture.h"
#include "ReportForms.h"
#include "PrintReport.h"
#include "NumberText.h"
#include "WrapText.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <functional>

namespace {

using Labels = QHash<QString, QString>;

struct GoldenCase {
    ReportForm form;
    std::function<ReportData(Database&)> data;
    Labels labels;
    QString memo;
    int rollWidth = 0;  // the receipt slip: the roll it is printed on (mm); 0 for the form's own page
};

const QString Company = QStringLiteral("晴岚家电商行");
const QString Today = QStringLiteral("2024-03-31");

ReportData Single(RowSet rows)
{
    return ReportData{std::move(rows), {}};
}

// The rows a list window's last query leaves for printing.
ReportData ListRows(Database& db, const QString& sql)
{
    QSqlQuery q = db.exec(sql, {{QStringLiteral(":from"), QStringLiteral("2024-03-01")},
                                {QStringLiteral(":to"), QStringLiteral("2024-03-31")}});
    return Single(RowSet::fromQuery(q));
}

// Profit totals as the window shows them, summed from the rows: "=column" sums money, "#column"
// sums a quantity, "%" is the margin of the summed profit and amount.
Labels ProfitTotals(const QString& title, const QString& cost, const QString& amount)
{
    return {{"TitleQRLabel", title}, {"SumCBQRLabel", "=" + cost}, {"SumJEQRLabel", "=" + amount},
            {"SumLRQRLabel", "=LR"}, {"SumLRRQRLabel", "%" + amount}};
}

double Sum(const RowSet& rows, const QString& column)
{
    double sum = 0;
    for (int r = 0; r < rows.rowCount(); ++r)
        sum += rows.value(r, column).toDouble();
    return sum;
}

// Replaces the computed label texts by the totals of the master rows.
void FillTotals(Labels& labels, const RowSet& rows)
{
    for (auto it = labels.begin(); it != labels.end(); ++it) {
        const QString rule = it.value();
        if (rule.startsWith('='))
            *it = YuanText(Sum(rows, rule.mid(1)));
        else if (rule.startsWith('#'))
            *it = FormatGeneral(Sum(rows, rule.mid(1)));
        else if (rule.startsWith('%')) {
            const double amount = Sum(rows, rule.mid(1));
            *it = FormatGeneral(amount == 0 ? 100 : RoundFloat(2, Sum(rows, "LR") / amount * 100)) + " %";
        }
    }
}

// The receipt slip of a sale of two lines, partly paid, on a roll of the given width.
GoldenCase ReceiptCase(int rollWidth)
{
    return {ReportForm::XSXP, [](Database& db) { return Single(PrepareBB_XSDJ(db, "xs240310001", ForwardKind)); },
            {{"TitleQRLabel", Company}, {"SlipQRLabel", "销售小票"}, {"DHQRLabel", "xs240310001"},
             {"DateQRLabel", "2024-03-10"}, {"SumSLCaptionQRLabel", "合计数量:"}, {"SumSLQRLabel", "#shuliang"},
             {"SumJECaptionQRLabel", "合计金额:"}, {"SumJEQRLabel", "#jinE"}, {"SSCaptionQRLabel", "实收金额:"},
             {"SSQRLabel", "2000"}, {"BalanceCaptionQRLabel", "欠款:"}, {"BalanceQRLabel", "4000"}},
            {}, rollWidth};
}

QString CaseName(const GoldenCase& c)
{
    const QString form = ReportFormLayout(c.form).name;
    return c.rollWidth ? QStringLiteral("%1-%2mm").arg(form).arg(c.rollWidth) : form;
}

QVector<GoldenCase> Cases()
{
    const QDate from = FixtureMonthFirst, to = FixtureMonthLast;
    const QString range = QStringLiteral("2024-03-01至2024-03-31");
    return {
        {ReportForm::XSDJ, [](Database& db) { return Single(PrepareBB_XSDJ(db, "xs240301001", ForwardKind)); },
         {{"CaptionQRLabel", Company + "销售单"}, {"DHQRLabel", "xs240301001"}, {"DateQRLabel", "2024-03-01"},
          {"KHQRLabel", "张建国"}, {"AddressQRLabel", "济南市历下区泉城路12号"}, {"PhoneQRLabel", "13905310211"},
          {"RemarkQRLabel", "备注:送货上门"}, {"SumSLQRLabel", "#shuliang"}, {"SumJEQRLabel", "#jinE"},
          {"QYPhoneQRLabel", "0531-88886666"}, {"QYFaxQRLabel", "0531-88886667"},
          {"QYAddressQRLabel", "济南市历下区经十路100号"}},
         WrapText(QStringLiteral("本店主营各类品牌空调、冰箱、洗衣机、电视机及小家电，所售商品均为正品行货，"
                                 "享受厂家全国联保，市区免费送货安装。"), 90)},
        {ReportForm::CGDJ, [](Database& db) { return Single(PrepareBB_CGDJ(db, "ct240325001", ReturnKind)); },
         {{"TitleQRLabel", Company + "采购退货单"}, {"DHQRLabel", "ct240325001"}, {"DateQRLabel", "2024-03-25"},
          {"GYSQRLabel", "北辰电器销售公司"}, {"AddressQRLabel", "青岛市崂山区海安路1号"},
          {"PhoneQRLabel", "0532-80000001"}, {"RemarkQRLabel", ""}, {"SumSLQRLabel", "#shuliang"},
          {"SumJEQRLabel", "#jinE"}, {"QYPhoneQRLabel", "0531-88886666"}, {"QYFaxQRLabel", "0531-88886667"},
          {"QYAddressQRLabel", "济南市历下区经十路100号"}}, {}},
        {ReportForm::CXXS, [=](Database& db) { return PrepareBB_CXXS(db, "", ForwardKind, from, to); },
         {{"TitleQRLabel", Company + "销售查询"}, {"DateQRLabel", Today}, {"SumSLQRLabel", "#shuliang"},
          {"SumJEQRLabel", "=jinE"}}, {}},
        {ReportForm::CXCG, [=](Database& db) { return PrepareBB_CXCG(db, ForwardKind, from, to); },
         {{"TitleQRLabel", Company + "采购查询"}, {"DateQRLabel", Today}, {"SumSLQRLabel", "#shuliang"},
          {"SumJEQRLabel", "=jinE"}}, {}},
        {ReportForm::CXKC, [](Database& db) { return Single(PrepareBB_CXKC(db, "所有品牌", "所有产品", "所有型号", "品牌")); },
         {{"TitleQRLabel", Company + "库存查询"}, {"DateQRLabel", Today}, {"SumSLQRLabel", "#ShuLiang"},
          {"SumJEQRLabel", "=zcb"}}, {}},
        {ReportForm::CXXSLR_XSD, [=](Database& db) { return PrepareBB_CXXSLR_XSD(db, from, to); },
         ProfitTotals(range + "销售利润报表", "cb", "jinE"), {}},
        {ReportForm::CXXSLR_SP, [=](Database& db) { return Single(PrepareBB_CXXSLR_SP(db, from, to)); },
         ProfitTotals(range + "销售利润报表", "ZCB", "ZJE"), {}},
        {ReportForm::CXXSLR_PP, [=](Database& db) { return Single(PrepareBB_CXXSLR_PP(db, "北辰挂机空调", from, to)); },
         ProfitTotals(range + "北辰挂机空调销售利润报表", "ZCB", "ZJE"), {}},
        {ReportForm::CXXSLR_CP, [=](Database& db) { return Single(PrepareBB_CXXSLR_CP(db, "北辰", from, to)); },
         ProfitTotals(range + "北辰销售利润报表", "ZCB", "ZJE"), {}},
        {ReportForm::CXXSLR_GG, [=](Database& db) { return Single(PrepareBB_CXXSLR_GG(db, "北辰", "北辰挂机空调", from, to)); },
         ProfitTotals(range + "北辰北辰挂机空调销售利润报表", "ZCB", "ZJE"), {}},
        {ReportForm::CXXSLR_KH, [=](Database& db) { return Single(PrepareBB_CXXSLR_KH(db, "全部", from, to)); },
         ProfitTotals(range + "销售利润报表", "ZCB", "ZJE"), {}},
        {ReportForm::YGYJ, [=](Database& db) { return Single(PrepareBB_YGYJ(db, "所有", from, to)); },
         ProfitTotals(range + "员工业绩报表", "ZCB", "ZJE"), {}},
        {ReportForm::XSYSK, [](Database& db) { return PrepareBB_XSYSK(db, "所有"); },
         {{"TitleQRLabel", "销售应收款报表"}, {"DateQRLabel", Today}, {"SumJEQRLabel", "=jinE"},
          {"SumQKQRLabel", "=QK"}}, {}},
        {ReportForm::CGYFK, [](Database& db) { return PrepareBB_CGYFK(db, "所有"); },
         {{"TitleQRLabel", "采购应付款报表"}, {"DateQRLabel", Today}, {"SumJEQRLabel", "=jinE"},
          {"SumQKQRLabel", "=QK"}}, {}},
        {ReportForm::CXKH, [](Database& db) { return ListRows(db, "select * from Base_KeHu order by KeHu"); },
         {{"TitleQRLabel", Company + "客户查询"}, {"DateQRLabel", Today}}, {}},
        {ReportForm::CXGYS, [](Database& db) { return ListRows(db, "select * from Base_GongYingShang order by GYS"); },
         {{"TitleQRLabel", Company + "供应商查询"}, {"DateQRLabel", Today}}, {}},
        {ReportForm::CXYG, [](Database& db) { return ListRows(db, "select * from Base_YeYuYuan order by Name"); },
         {{"TitleQRLabel", Company + "员工查询"}, {"DateQRLabel", Today}}, {}},
        {ReportForm::CXSZ,
         [](Database& db) {
             return ListRows(db, "select dh,in_date,type,item,jine,remark from Log_ShouZhi "
                                 "where in_date>=:from and in_date<=:to order by dh");
         },
         {{"TitleQRLabel", range + "收支查询"}, {"SUMSRQRLabel", "200 元"}, {"SUMZCQRLabel", "3000 元"}}, {}},
        {ReportForm::JieQun,
         [](Database& db) {
             return ListRows(db, "select substr(JQM,1,4) as JQM1,substr(JQM,5,2) as JQM2,XSE,XSLR,Other_SR,"
                                 "Other_ZC,BenQiLR from Log_JieQun order by JQM");
         },
         {{"TitleQRLabel", "2024年1月 至 2024年3月 结存数据"}, {"SUMSRQRLabel", "=Other_SR"}, {"SUMZCQRLabel", "=Other_ZC"}}, {}},
        {ReportForm::KHDZD, [](Database& db) { return Single(PrepareBB_KHDZD(db, "老周's电器行")); },
         {{"TitleQRLabel", Company + "客户对账单"}, {"QYAddressQRLabel", "济南市历下区经十路100号"},
          {"QYPhoneQRLabel", "0531-88886666"}, {"KHQRLabel", "老周's电器行"}, {"PhoneQRLabel", "15900002468"},
          {"AddressQRLabel", "城西区经七路9号"}, {"DateQRLabel", Today}, {"SumJEQRLabel", "=jinE"},
          {"SumSKQRLabel", "=SK"}, {"SumQKQRLabel", "3000 元"}}, {}},
        ReceiptCase(80),
        ReceiptCase(58),
    };
}

QString GoldenPath(const QString& form)
{
    return QStringLiteral(QL_GOLDEN_DIR "/%1.txt").arg(form);
}

}  // namespace

class TestReportGolden : public QObject {
    Q_OBJECT
private slots:
    void layouts_data()
    {
        QTest::addColumn<int>("index");
        const QVector<GoldenCase> cases = Cases();
        for (int i = 0; i < cases.size(); ++i)
            QTest::newRow(qPrintable(CaseName(cases[i]))) << i;
    }

    void layouts()
    {
        QFETCH(int, index);
        const GoldenCase c = Cases()[index];
        ReportFixture fixture;
        const ReportLayout& layout = ReportFormLayout(c.form);
        BandedReport report(layout);
        const ReportData data = c.data(fixture.db);
        if (c.rollWidth)
            report.setPageSetup(ReceiptPageSetup(c.rollWidth, data.master.rowCount()));
        if (!c.memo.isEmpty())
            report.setMemoLines(QString::fromLatin1(ProfileMemo), MemoLines(c.memo));
        Labels labels = c.labels;
        FillTotals(labels, data.master);
        for (auto it = labels.cbegin(); it != labels.cend(); ++it)
            report.setLabel(it.key(), it.value());
        const PageModel model = report.layOut(data);
        const QString name = CaseName(c);
        const QString text = layout.name + "\n" + DescribePages(model);

        if (const QString dir = qEnvironmentVariable("QL_REPORT_PNG_DIR"); !dir.isEmpty()) {
            QDir().mkpath(dir);
            for (int p = 0; p < model.pageCount(); ++p)
                QVERIFY(RenderPageImage(model, p).save(QStringLiteral("%1/%2-%3.png").arg(dir, name).arg(p + 1)));
        }

        QFile file(GoldenPath(name));
        if (qEnvironmentVariableIsSet("QL_UPDATE_GOLDEN")) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(text.toUtf8());
            return;
        }
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable("missing golden file " + file.fileName()));
        const QStringList expected = QString::fromUtf8(file.readAll()).split('\n');
        const QStringList actual = text.split('\n');
        for (int i = 0; i < qMin(expected.size(), actual.size()); ++i)
            if (expected[i] != actual[i])
                QFAIL(qPrintable(QStringLiteral("%1 line %2\n  expected: %3\n  actual:   %4")
                                     .arg(file.fileName()).arg(i + 1).arg(expected[i], actual[i])));
        QCOMPARE(actual.size(), expected.size());
    }
};

QTEST_MAIN(TestReportGolden)
#include "tst_report_golden.moc"
