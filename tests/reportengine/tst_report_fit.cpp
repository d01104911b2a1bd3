// Every report form (and the grid list) laid out with long values on A4 and A5 paper: every text
// is printed whole and inside its cell, and no two texts overlap.
// Look at the pages: QL_REPORT_PNG_DIR=/some/folder ./tst_report_fit (one PNG per page).
#include "BandedReport.h"
#include "FieldText.h"
#include "GridList.h"
#include "PagePainter.h"
#include "ReportFont.h"
#include "ReportForms.h"

#include <QDir>
#include <QtTest>

namespace {

const QString Address = QStringLiteral("山东省济南市历下区泉城路与经十路交叉口东北角新世纪商业广场东区三号楼二单元十八层一八零六室家电城售后服务部");
const QString Name = QStringLiteral("济南市历下区晴岚家用电器销售有限责任公司泉城路第一分店");
const QString Model = QStringLiteral("KFR-72LW/BP2DN1Y-YA100(A1)XQ8888PLUSMAXW");
const QString Phone = QStringLiteral("0531-88886666-80012345");

// A long value for a field, by its name; money alternates between a large profit and a loss.
QVariant LongValue(const QString& field, int row)
{
    const QString f = field.toLower();
    static const QStringList money{"danjia", "jine", "zcb", "pjcb", "newcb", "cb", "lr", "zje", "xse",
                                   "xslr", "other_sr", "other_zc", "benqilr", "qk"};
    if (money.contains(f))
        return row % 2 ? -98765432.10 : 123456789.01;
    if (f == "shuliang" || f == "zsl")
        return row % 2 ? -1234567 : 12345678;
    if (f == "lrr")
        return row % 2 ? QStringLiteral("-9876.54%") : QStringLiteral("12345.67%");
    if (f == "guige")
        return Model;
    if (f.contains("address"))
        return Address;
    if (f.contains("phone") || f == "fax")
        return Phone;
    if (f == "dh")
        return QStringLiteral("xs20240301000123");
    if (f == "in_date" || f == "indate")
        return QDate(2024, 3, 1);
    if (f == "email")
        return QStringLiteral("customer.service.department@example-shop.com");
    if (f == "id")
        return QStringLiteral("37010219900101123X");
    if (f == "age")
        return 123;
    if (f == "yb")
        return QStringLiteral("250000");
    if (f == "sex")
        return QStringLiteral("男");
    if (f == "jqm1")
        return QStringLiteral("2024");
    if (f == "jqm2")
        return QStringLiteral("03");
    if (f == "remark")
        return Address;
    return Name;
}

// A long text for a placeholder label, by its name.
QString LongLabel(const QString& label)
{
    if (label == "DateQRLabel")
        return QStringLiteral("2024-03-31");
    if (label.contains("Caption") && label != "CaptionQRLabel")
        return QStringLiteral("合计金额:");
    if (label == "SumSLQRLabel")
        return QStringLiteral("12,345,678");
    if (label == "SumLRRQRLabel")
        return QStringLiteral("-9876.54 %");
    if (label.startsWith("Sum", Qt::CaseInsensitive) || label == "SSQRLabel" || label == "BalanceQRLabel")
        return QStringLiteral("-98,765,432.10 元");
    if (label.contains("Phone") || label.contains("Fax"))
        return Phone;
    if (label.contains("Address") || label == "RemarkQRLabel")
        return Address;
    if (label == "DHQRLabel")
        return QStringLiteral("xs20240301000123");
    return Name;
}

struct FieldUse {
    QStringList master;
    QStringList lines;
};

// The fields a layout prints from the master rows and from the lines.
FieldUse Fields(const ReportLayout& layout)
{
    FieldUse use;
    for (const LayoutBand& b : layout.bands)
        for (const LayoutLine& line : b.lines)
            for (const LayoutCell& c : line.cells)
                if (c.kind == CellKind::Field)
                    (b.kind == BandKind::SubDetail ? use.lines : use.master) << c.text;
    use.master.removeDuplicates();
    use.lines.removeDuplicates();
    return use;
}

RowSet LongRows(const QStringList& fields, int count)
{
    RowSet rows;
    rows.columns = fields;
    for (int r = 0; r < count; ++r) {
        QVector<QVariant> row;
        for (const QString& f : fields)
            row << LongValue(f, r);
        rows.rows.append(row);
    }
    return rows;
}

ReportLayout GridLayout()
{
    return GridListLayout({{QStringLiteral("序号"), 40, {}, GridFormat::RowNumber},
                           {QStringLiteral("日期"), 80, QStringLiteral("in_date"), GridFormat::Date},
                           {QStringLiteral("单号"), 100, QStringLiteral("dh")},
                           {QStringLiteral("客户"), 120, QStringLiteral("KeHu")},
                           {QStringLiteral("规格"), 100, QStringLiteral("guige")},
                           {QStringLiteral("数量"), 50, QStringLiteral("shuliang"), GridFormat::Integer},
                           {QStringLiteral("金额"), 70, QStringLiteral("jinE"), GridFormat::Money},
                           {QStringLiteral("欠款"), 70, QStringLiteral("QK"), GridFormat::Money},
                           {QStringLiteral("地址"), 150, QStringLiteral("KeHuAddress")}});
}

ReportPageSetup Paper(const QString& paper, const ReportLayout& layout, int rows)
{
    const bool a5 = paper == "A5";
    if (layout.name == "TBB_XSXPForm")
        return ReceiptPageSetup(a5 ? 58 : 80, rows);
    ReportPageSetup page;
    if (a5) {
        page.paperSize = 11;
        page.width = 148;
        page.length = 210;
    }
    return page;
}

QString WithoutBlanks(QString s)
{
    return s.remove(QRegularExpression(QStringLiteral("\\s")));
}

// Whether a text is one or more of the values one after the other (the cells of a column in
// consecutive rows read as one when their lines touch).
bool ComposedOf(const QString& text, const QStringList& values)
{
    if (text.isEmpty())
        return true;
    for (const QString& v : values)
        if (!v.isEmpty() && text.startsWith(v) && ComposedOf(text.mid(v.size()), values))
            return true;
    return false;
}

}  // namespace

class TestReportFit : public QObject {
    Q_OBJECT
private slots:
    void longValuesPrintWhole_data()
    {
        QTest::addColumn<int>("form");  // -1: the grid list
        QTest::addColumn<QString>("paper");
        QVector<int> forms{-1};
        for (ReportForm f : AllReportForms())
            forms << int(f);
        for (int f : forms)
            for (const QString paper : {"A4", "A5"}) {
                const QString name = f < 0 ? QStringLiteral("GridList") : ReportFormLayout(ReportForm(f)).name;
                QTest::newRow(qPrintable(name + " " + paper)) << f << paper;
            }
    }

    void longValuesPrintWhole()
    {
        QFETCH(int, form);
        QFETCH(QString, paper);
        const ReportLayout layout = form < 0 ? GridLayout() : ReportFormLayout(ReportForm(form));
        const FieldUse fields = Fields(layout);
        const RowSet master = LongRows(fields.master, 4);
        const RowSet lines = LongRows(fields.lines, 3);
        ReportData data{master, {}};
        if (!fields.lines.isEmpty())
            data.details = [&lines](int) { return lines; };

        BandedReport report(layout, Paper(paper, layout, master.rowCount()));
        // Whole texts each source may print.
        QHash<QString, QStringList> whole;
        for (const LayoutBand& b : layout.bands)
            for (const LayoutLine& line : b.lines)
                for (const LayoutCell& c : line.cells)
                    if (c.kind == CellKind::Label) {
                        report.setLabel(c.text, LongLabel(c.text));
                        whole[c.text] << LongLabel(c.text);
                    } else if (c.kind == CellKind::Field) {
                        whole[c.text] << FieldText(LongValue(c.text, 0)) << FieldText(LongValue(c.text, 1));
                    } else if (c.kind == CellKind::Memo) {
                        const QStringList memo{"    " + Address + Address, Name};
                        report.setMemoLines(c.text, memo);
                        whole[c.text] << memo;
                    }

        const bool roll = layout.name == "TBB_XSXPForm";
        const PageModel model = roll ? report.layOutOnRoll(data) : report.layOut(data);
        if (roll)
            QCOMPARE(model.pageCount(), 1);
        if (qEnvironmentVariableIsSet("QL_REPORT_FIT_DUMP"))
            qDebug().noquote() << DescribePages(model);
        const ReportPageSetup& s = model.setup;
        const QRectF area(s.leftMargin, s.topMargin, s.pageSizeMm().width() - s.leftMargin - s.rightMargin,
                          s.pageSizeMm().height() - s.topMargin - s.bottomMargin);
        int fieldTexts = 0;
        for (int p = 0; p < model.pageCount(); ++p) {
            const QVector<PageText>& texts = model.pages[p].texts;
            for (int i = 0; i < texts.size(); ++i) {
                const PageText& t = texts[i];
                const QString where = QStringLiteral("page %1 %2 \"%3\"").arg(p + 1).arg(t.source, t.text);
                QVERIFY2(area.adjusted(-0.01, -0.01, 0.01, 0.01).contains(t.rect), qPrintable(where));
                QVERIFY2(t.scale >= ReportFont::MinScale - 1e-9, qPrintable(where));
                QVERIFY2(ReportFont::textWidthMm(t.text.trimmed()) * t.scale
                             <= t.rect.width() - 2 * ReportFont::InsetMm + 1e-6,
                         qPrintable(where));
                for (int j = i + 1; j < texts.size(); ++j) {
                    const QRectF overlap = t.rect.intersected(texts[j].rect);
                    QVERIFY2(overlap.width() < 0.01 || overlap.height() < 0.01,
                             qPrintable(where + " overlaps \"" + texts[j].text + "\""));
                }
                // A text broken into lines continues in the same cell right below; the lines
                // together are the whole value.
                if (!whole.contains(t.source) || t.text.isEmpty())
                    continue;
                const bool continued = i > 0 && texts[i - 1].source == t.source && texts[i - 1].rect.x() == t.rect.x()
                                    && qAbs(texts[i - 1].rect.bottom() - t.rect.top()) < 1e-6;
                if (continued)
                    continue;
                QString joined = t.text;
                for (int j = i + 1; j < texts.size() && texts[j].source == t.source && texts[j].rect.x() == t.rect.x()
                                    && qAbs(texts[j - 1].rect.bottom() - texts[j].rect.top()) < 1e-6;
                     ++j)
                    joined += texts[j].text;
                QStringList expected;
                for (const QString& w : whole[t.source])
                    expected << WithoutBlanks(w);
                QVERIFY2(ComposedOf(WithoutBlanks(joined), expected), qPrintable(where + " printed as " + joined));
                ++fieldTexts;
            }
        }
        QVERIFY(fieldTexts > 0);

        if (const QString dir = qEnvironmentVariable("QL_REPORT_PNG_DIR"); !dir.isEmpty()) {
            QDir().mkpath(dir);
            for (int p = 0; p < model.pageCount(); ++p)
                QVERIFY(RenderPageImage(model, p)
                            .save(QStringLiteral("%1/%2-%3-%4.png").arg(dir, layout.name, paper).arg(p + 1)));
        }
    }
};

QTEST_MAIN(TestReportFit)
#include "tst_report_fit.moc"
