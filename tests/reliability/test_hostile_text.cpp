// Hostile text: values that break naive statements, naive ini files and naive layouts are saved by
// every save routine and read back unchanged, and pass through the grid fillers and every report
// layout without harm.

#include "CPTypeStore.h"
#include "DocumentQuery.h"
#include "DocumentStore.h"
#include "GoodsStore.h"
#include "GongYingShangStore.h"
#include "GridColumns.h"
#include "GridList.h"
#include "KeHuStore.h"
#include "BandedReport.h"
#include "ReportForms.h"
#include "Settings.h"
#include "ShouZhiStore.h"
#include "TestDb.h"
#include "UserStore.h"
#include "WellFormedText.h"
#include "WrapText.h"
#include "YuanGongStore.h"

#include <QTest>

namespace {

QString U(const char* s)
{
    return QString::fromUtf8(s);
}

QString Surrogates()
{
    QString s = U("孤");
    s += QChar(0xD800);          // a high surrogate without its pair
    s += U("立");
    s += QChar(0xDC00);          // a low surrogate without its pair
    s += QChar(0xDE00);
    s += QChar(0xD83D);          // a pair in the wrong order
    return s;
}

// The table of hostile values: each is used for every text field at once.
void HostileTexts()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("quotes") << U("老周's \"电器\" 行 ''; \"\"");
    QTest::newRow("percent and underscore") << U("100% 满_减 %_% 20%%");
    QTest::newRow("backslashes") << U("C:\\数据\\ \\\\ \\' \\\" \\n \\%");
    QTest::newRow("sql keywords") << U("'); drop table Base_KeHu; -- select * from SYS_User where ''='' or 1=1");
    QTest::newRow("10000 characters") << QString(10000 / 4, QChar()).fill(u'x').replace(u'x', U("家电a1"));
    QTest::newRow("control characters") << U("制\t表\x01\x07\x1b[31m\x7f\b[Basic]\r\nGSName=x\n;注释\r末");
    QTest::newRow("nul") << U("前") + QChar(0) + U("后");
    QTest::newRow("invalid surrogates") << Surrogates();
    QTest::newRow("right-to-left") << U("\u202E电器\u202C \u200F\u200Eمرحبا שלום \u2067x\u2069");
    QTest::newRow("emoji") << U("😀 👨‍👩‍👧‍👦 🇨🇳 ❄️ 家电");
    QTest::newRow("full-width digits") << U("１２３．４５ ０５３１－８６１１２２３３ ～！＠＃");
    QTest::newRow("blanks only") << U("   ");
    QTest::newRow("ini syntax") << U("=[x]=;#<<<END");
}

QStringList Texts(const RowSet& rows, int row = 0)
{
    QStringList values;
    for (const QVariant& v : rows.rows.value(row))
        values << v.toString();
    return values;
}

QStringList Column(const RowSet& rows, const QString& column)
{
    QStringList values;
    for (int r = 0; r < rows.rowCount(); ++r)
        values << rows.value(r, column).toString();
    return values;
}

const QDate Day{2024, 3, 5};

}  // namespace

class TestHostileText : public QObject {
    Q_OBJECT

private slots:
    void contacts_data() { HostileTexts(); }
    void contacts()
    {
        QFETCH(QString, text);
        const QString kept = StoredText(text);  // a broken pair reads back as U+FFFD, a NUL goes
        TestDb t;
        const TKeHu k{text, text, text, text, text, text, text, text};
        InsertKeHu(t.db, k);
        QCOMPARE(Texts(KeHuRows(t.db)), QStringList(8, kept));
        QVERIFY(KeHuExists(t.db, text));
        QCOMPARE(KeHuNames(t.db), QStringList{kept});

        const TGongYingShang g{text, text, text, text, text, text, text, text, text, text, text, text};
        InsertGYS(t.db, g);
        QCOMPARE(Texts(GYSRows(t.db)), QStringList(12, kept));
        UpdateGYS(t.db, text, g);
        QCOMPARE(GYSNames(t.db), QStringList{kept});

        const TYuanGong y{text, text, text, text, text, text, Day, text};
        InsertYuanGong(t.db, y);
        const RowSet employees = YuanGongRows(t.db);
        QStringList expected(employees.columns.size(), kept);
        expected[employees.columnIndex(QStringLiteral("InDate"))] = SqlDate(Day);
        QCOMPARE(Texts(employees), expected);
        DeleteYuanGong(t.db, text);
        QVERIFY(!YuanGongExists(t.db, text));
    }

    void goods_data() { HostileTexts(); }
    void goods()
    {
        QFETCH(QString, text);
        const QString kept = StoredText(text);  // a broken pair reads back as U+FFFD, a NUL goes
        TestDb t;
        InsertPinPai(t.db, text);
        InsertChanPin(t.db, text, text, text);
        InsertGuiGe(t.db, text, text, text, 12.5, 3);
        QCOMPARE(PinPaiNames(t.db), QStringList{kept.trimmed()});  // brand names are kept trimmed
        QCOMPARE(Texts(ChanPinRows(t.db, text)), (QStringList{kept, kept}));
        QCOMPARE(Column(GuiGeRows(t.db, text, text), QStringLiteral("GuiGe")), QStringList{kept});
        QCOMPARE(CPTypeNames(t.db), QStringList{kept});
        QVERIFY(ShangPinExists(t.db, text, text, text));
        RenameCPType(t.db, text, text + u'2');
        QCOMPARE(Column(ChanPinRows(t.db, text), QStringLiteral("CPType")), QStringList{kept + u'2'});
    }

    void incomeAndExpense_data() { HostileTexts(); }
    void incomeAndExpense()
    {
        QFETCH(QString, text);
        const QString kept = StoredText(text);  // a broken pair reads back as U+FFFD, a NUL goes
        TestDb t;
        InsertBaseShouZhi(t.db, text);
        QCOMPARE(ShouZhiItems(t.db), QStringList{kept});
        InsertShouZhi(t.db, TShouZhi{QStringLiteral("sz240305001"), IncomeType(), Day, text, 200_yuan, text});
        const RowSet rows = ShouZhiRows(t.db, Day, Day);
        QCOMPARE(Column(rows, QStringLiteral("item")), QStringList{kept});
        QCOMPARE(Column(rows, QStringLiteral("remark")), QStringList{kept});
    }

    void users_data() { HostileTexts(); }
    void users()
    {
        QFETCH(QString, text);
        const QString kept = StoredText(text);  // a broken pair reads back as U+FFFD, a NUL goes
        TestDb t;
        TUser user;
        user.UserName = text;
        user.UserPassword = text;
        user.QX_XSDJ = 1;
        InsertUser(t.db, user);
        TUser read;
        QVERIFY(GetUser(t.db, text, read));
        QCOMPARE(read.UserName, kept);
        QCOMPARE(read.UserPassword, kept);
        QVERIFY(CheckUser(t.db, text, text));
        QVERIFY(UpdatePassword(t.db, text, text + text));
        QVERIFY(CheckUser(t.db, text, text + text));
    }

    void documents_data() { HostileTexts(); }
    void documents()
    {
        QFETCH(QString, text);
        const QString kept = StoredText(text);  // a broken pair reads back as U+FFFD, a NUL goes
        TestDb t;
        t.addGoods(text, text, text, 10, 100);
        TXiaoShouDan sale{QStringLiteral("xs240305001"), 2, 300_yuan, text, text, Day, text, text, 100_yuan, text};
        QVERIFY(SaveXiaoShouDocument(t.db, sale, {TestDb::line(text, text, text, 2, 150)}, ForwardKind));
        const RowSet sales = ListXiaoShouDan(t.db, ForwardKind, QString(), Day, Day);
        for (const char* column : {"KeHu", "yewuyuan", "KeHuPhone", "KeHuAddress", "Remark"})
            QCOMPARE(Column(sales, QLatin1String(column)), QStringList{kept});
        const TShangPinItem line = XiaoShouLines(t.db, sale.dh).value(0);
        QCOMPARE((QStringList{line.PinPai, line.chanpin, line.guige}), QStringList(3, kept));

        TCaiGouDan purchase{QStringLiteral("cg240305001"), 1, 100_yuan, 0_yuan, text, Day, text};
        QVERIFY(SaveCaiGouDocument(t.db, purchase, {TestDb::line(text, text, text, 1, 100)}, ForwardKind));
        const RowSet purchases = ListCaiGouDan(t.db, ForwardKind, Day, Day);
        QCOMPARE(Column(purchases, QStringLiteral("GYS")), QStringList{kept});
        QCOMPARE(Column(purchases, QStringLiteral("Remark")), QStringList{kept});
        QCOMPARE(CaiGouLines(t.db, purchase.dh).value(0).guige, kept);
    }

    // The enterprise information lives in Set.ini: one line per value, so line breaks become
    // blanks; everything else comes back as written.
    void enterprise_data() { HostileTexts(); }
    void enterprise()
    {
        QFETCH(QString, text);
        QTemporaryDir dir;
        const TGsInfo info{text, text, text, text, text, text, text, text, text};
        QVERIFY(WriteGsInfo(dir.path(), info));
        const TGsInfo kept = StoredGsInfo(info);
        const TGsInfo read = ReadSettings(dir.path()).GsInfo;
        for (const QString* field : {&read.GSName, &read.GSAddress, &read.GSPhone, &read.GSFax, &read.GSYouBian,
                                     &read.GSKaiHuHan, &read.GSZhanHao, &read.GSShuiHao, &read.GSJianJie})
            QCOMPARE(*field, kept.GSName);
        QVERIFY(WriteBriefHelp(dir.path(), 0));  // a later writer keeps the values
        QCOMPARE(ReadSettings(dir.path()).GsInfo.GSJianJie, kept.GSJianJie);
    }

    void gridFillers_data() { HostileTexts(); }
    void gridFillers()
    {
        QFETCH(QString, text);
        const QVector<GridColumn> columns = {
            {U("序号"), 40, {}, GridFormat::RowNumber}, {text, 90, QStringLiteral("a")},
            {U("数量"), 60, QStringLiteral("a"), GridFormat::Integer},
            {U("金额"), 60, QStringLiteral("a"), GridFormat::Money},
            {U("单价"), 60, QStringLiteral("a"), GridFormat::Number},
            {U("日期"), 60, QStringLiteral("a"), GridFormat::Date}};
        RowSet rows{{QStringLiteral("a")}, {{text}, {text}}};
        StringGrid grid;
        SetGridColumns(grid, columns);
        FillGrid(grid, rows, columns);
        QCOMPARE(grid.cell(1, 0), text);
        QCOMPARE(grid.cell(1, 2), text);
        QCOMPARE(GridTexts(rows, columns).value(1).value(1), text);
        QCOMPARE(ColumnSum(grid, 3), 0.0);
    }

    // Every form laid out with the value in every field, label and memo, and a list printout
    // with it as caption and value: the pages come out and hold the value.
    void reportLayouts_data() { HostileTexts(); }
    void reportLayouts()
    {
        QFETCH(QString, text);
        for (ReportForm form : AllReportForms()) {
            const ReportLayout& layout = ReportFormLayout(form);
            QStringList fields[2];
            BandedReport report(layout);
            for (const LayoutBand& band : layout.bands)
                for (const LayoutLine& line : band.lines)
                    for (const LayoutCell& cell : line.cells) {
                        if (cell.kind == CellKind::Field)
                            fields[band.kind == BandKind::SubDetail] << cell.text;
                        else if (cell.kind == CellKind::Label)
                            report.setLabel(cell.text, text);
                        else if (cell.kind == CellKind::Memo)
                            report.setMemoLines(cell.text, MemoLines(WrapText(text, 60)));
                    }
            const auto rows = [&](const QStringList& columns) {
                return RowSet{columns, QVector<QVector<QVariant>>(3, QVector<QVariant>(columns.size(), text))};
            };
            ReportData data{rows(fields[0]), {}};
            if (IsMasterDetailForm(form))
                data.details = [&](int) { return rows(fields[1]); };
            const PageModel pages = report.layOut(data);
            QVERIFY2(pages.pageCount() > 0, qPrintable(layout.name));
        }
        const QVector<GridColumn> columns = {{text, 90, QStringLiteral("a")},
                                             {text, 60, QStringLiteral("a"), GridFormat::Money}};
        BandedReport list(GridListLayout(columns));
        list.setLabel(QStringLiteral("Title"), text);
        const PageModel pages = list.layOut(ReportData{RowSet{{QStringLiteral("a")}, {{text}}}, {}});
        bool shown = false;
        for (const ReportPage& page : pages.pages)
            for (const PageText& t : page.texts)
                shown = shown || (t.band == BandKind::Detail && !t.text.isEmpty() && text.startsWith(t.text));
        QVERIFY(shown);
    }
};

QTEST_MAIN(TestHostileText)
#include "test_hostile_text.moc"
