#include "MarginText.h"
#include "ReportData.h"
#include "ReportFixture.h"
#include "ReportQuery.h"

#include <QTest>

namespace {

const QDate First = FixtureMonthFirst;
const QDate Last = FixtureMonthLast;

// One column of every row as text.
QStringList Column(const RowSet& d, const QString& column)
{
    QStringList values;
    for (int r = 0; r < d.rowCount(); ++r)
        values << d.value(r, column).toString();
    return values;
}

// Each row as its group columns joined by "/", then its amount and its margin.
QStringList Groups(const RowSet& d, const QStringList& groupColumns)
{
    QStringList rows;
    for (int r = 0; r < d.rowCount(); ++r) {
        QStringList key;
        for (const QString& c : groupColumns)
            key << d.value(r, c).toString();
        rows << key.join(u'/') + u' ' + d.value(r, QStringLiteral("ZJE")).toString() + u' '
                    + d.value(r, QStringLiteral("lrr")).toString();
    }
    return rows;
}

QString U(const char* s)
{
    return QString::fromUtf8(s);
}

}  // namespace

class TestReportData : public QObject {
    Q_OBJECT
private slots:
    void marginText_data()
    {
        QTest::addColumn<double>("profit");
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("text");
        QTest::newRow("half a per cent") << 9.0 << 1809.0 << ".50%";
        QTest::newRow("under one") << 0.5 << 100.0 << ".50%";
        QTest::newRow("half rounds up") << 12.345 << 100.0 << "12.35%";
        QTest::newRow("binary noise") << 1.005 << 100.0 << "1.01%";
        QTest::newRow("negative") << -3.2 << 100.0 << "-3.20%";
        QTest::newRow("loss on a half") << -12.345 << 100.0 << "-12.35%";
        QTest::newRow("negative over negative") << -700.0 << -3500.0 << "20.00%";
        QTest::newRow("no profit") << 0.0 << 6000.0 << ".00%";
        QTest::newRow("tiny loss") << -0.001 << 100.0 << ".00%";
        QTest::newRow("large") << 123456.0 << 1000.0 << "12345.60%";
        QTest::newRow("amount 0") << -300.0 << 0.0 << "100.00%";
    }
    void marginText()
    {
        QFETCH(double, profit);
        QFETCH(double, amount);
        QFETCH(QString, text);
        QCOMPARE(MarginText(profit, amount), text);
    }

    // A return prints positive figures in kind 2 and its stored figures in kind 1.
    void salesDocumentLines_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("shuliang");
        QTest::addColumn<double>("jinE");
        QTest::newRow("return kind") << int(ReturnKind) << 2 << 5000.0;
        QTest::newRow("forward kind") << int(ForwardKind) << -2 << -5000.0;
    }
    void salesDocumentLines()
    {
        QFETCH(int, kind);
        QFETCH(int, shuliang);
        QFETCH(double, jinE);
        ReportFixture f;
        const RowSet d = PrepareBB_XSDJ(f.db, QStringLiteral("xt240320001"), DanKind(kind));
        QCOMPARE(d.rowCount(), 1);
        QCOMPARE(d.value(0, QStringLiteral("guige")).toString(), QStringLiteral("KFR-26GW/BC1"));
        QCOMPARE(d.value(0, QStringLiteral("danjia")).toDouble(), 2500.0);
        QCOMPARE(d.value(0, QStringLiteral("shuliang")).toInt(), shuliang);
        QCOMPARE(d.value(0, QStringLiteral("jinE")).toDouble(), jinE);
        QCOMPARE(d.value(0, QStringLiteral("CB")).toDouble(), 2000.0);
    }

    void purchaseDocumentReturn()
    {
        ReportFixture f;
        const RowSet d = PrepareBB_CGDJ(f.db, QStringLiteral("ct240325001"), ReturnKind);
        QCOMPARE(Column(d, QStringLiteral("shuliang")), QStringList{QStringLiteral("1")});
        QCOMPARE(Column(d, QStringLiteral("jinE")), QStringList{QStringLiteral("3000")});
    }

    void salesList_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("documents");
        QTest::newRow("returns, name or phone") << "13" << int(ReturnKind)
                                                << QStringList{"xt240320001", "xt240321001"};
        QTest::newRow("filter trimmed") << U(" 明湖 ") << int(ReturnKind) << QStringList{"xt240322001"};
        QTest::newRow("every kind, phone") << "0531-" << int(ForwardKind)
                                           << QStringList{"xs240315001", "xs240316001", "xt240321001", "xt240322001"};
        QTest::newRow("quote in the name") << U("老周'") << int(ForwardKind) << QStringList{"xs240310001"};
        QTest::newRow("whole month") << "" << int(ForwardKind)
                                     << QStringList{"xs240301001", "xs240305001", "xs240310001", "xs240315001",
                                                    "xs240316001", "xt240320001", "xt240321001", "xt240322001"};
    }
    void salesList()
    {
        QFETCH(QString, filter);
        QFETCH(int, kind);
        QFETCH(QStringList, documents);
        ReportFixture f;
        const ReportData d = PrepareBB_CXXS(f.db, filter, DanKind(kind), First, Last);
        QCOMPARE(Column(d.master, QStringLiteral("dh")), documents);
        QVERIFY(d.details);
    }

    // Kind 2 shows returns positive in the header and in the lines of each document.
    void salesListReturnFigures()
    {
        ReportFixture f;
        const ReportData d = PrepareBB_CXXS(f.db, QString(), ReturnKind, First, Last);
        QCOMPARE(Column(d.master, QStringLiteral("shuliang")), (QStringList{"2", "1", "1"}));
        QCOMPARE(Column(d.master, QStringLiteral("jinE")), (QStringList{"5000", "2600", "3500"}));
        QCOMPARE(Column(d.master, QStringLiteral("QK")), (QStringList{"0", "0", "-3500"}));
        const RowSet lines = d.details(2);
        QCOMPARE(Column(lines, QStringLiteral("guige")), QStringList{"BC-55U7"});
        QCOMPARE(Column(lines, QStringLiteral("shuliang")), QStringList{"1"});
        QCOMPARE(Column(lines, QStringLiteral("jinE")), QStringList{"3500"});
    }

    void purchaseList()
    {
        ReportFixture f;
        const ReportData all = PrepareBB_CXCG(f.db, ForwardKind, First, Last);
        QCOMPARE(Column(all.master, QStringLiteral("dh")), (QStringList{"cg240302001", "cg240306001", "ct240325001"}));
        QCOMPARE(Column(all.master, QStringLiteral("jinE")), (QStringList{"16000", "9000", "-3000"}));
        QCOMPARE(Column(all.details(0), QStringLiteral("guige")), (QStringList{"KFR-26GW/BC1", "BC-55U7"}));
        const ReportData returns = PrepareBB_CXCG(f.db, ReturnKind, First, Last);
        QCOMPARE(Column(returns.master, QStringLiteral("jinE")), QStringList{"3000"});
        QCOMPARE(Column(returns.details(0), QStringLiteral("shuliang")), QStringList{"1"});
    }

    void stock_data()
    {
        QTest::addColumn<QString>("PinPai");
        QTest::addColumn<QString>("ChanPin");
        QTest::addColumn<QString>("GuiGe");
        QTest::addColumn<QString>("orderBy");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("all, by spec")
            << U("所有品牌") << U("所有产品") << U("所有型号") << U("规格")
            << QStringList{U("北辰 BC-55U7"), U("北辰 BC-JS01"), U("雪峰 BCD-256TF"), U("北辰 BD-200"),
                           U("雪峰 BD-200"), U("北辰 KFR-26GW/BC1"), U("北辰 KFR-35GW/BC1")};
        QTest::newRow("one brand, by product")
            << U("雪峰") << U("所有产品") << U("所有型号") << U("产品")
            << QStringList{U("雪峰 BD-200"), U("雪峰 BCD-256TF")};  // 冷柜 before 三门冰箱
        QTest::newRow("spec of two brands, any other order")
            << QString() << QString() << U("bd-200") << U("数量")
            << QStringList{U("北辰 BD-200"), U("雪峰 BD-200")};
        QTest::newRow("all three set")
            << U("北辰") << U("北辰挂机空调") << U("KFR-26GW/BC1") << U("品牌")
            << QStringList{U("北辰 KFR-26GW/BC1")};
    }
    void stock()
    {
        QFETCH(QString, PinPai);
        QFETCH(QString, ChanPin);
        QFETCH(QString, GuiGe);
        QFETCH(QString, orderBy);
        QFETCH(QStringList, rows);
        ReportFixture f;
        const RowSet d = PrepareBB_CXKC(f.db, PinPai, ChanPin, GuiGe, orderBy);
        QStringList got;
        for (int r = 0; r < d.rowCount(); ++r)
            got << d.value(r, QStringLiteral("PinPai")).toString() + u' ' + d.value(r, QStringLiteral("GuiGe")).toString();
        QCOMPARE(got, rows);
    }

    void stockTotalCost()
    {
        ReportFixture f;
        const RowSet d = PrepareBB_CXKC(f.db, U("北辰"), U("北辰挂机空调"), U("KFR-26GW/BC1"), U("品牌"));
        QCOMPARE(d.value(0, QStringLiteral("ShuLiang")).toInt(), 24);
        QCOMPARE(d.value(0, QStringLiteral("zcb")).toDouble(), 48000.0);
        QCOMPARE(d.value(0, QStringLiteral("NewCB")).toDouble(), 2000.0);
    }

    // Each document and each line prints its own margin; amount 0 prints "100.00%".
    void profitByDocument()
    {
        ReportFixture f;
        const ReportData d = PrepareBB_CXXSLR_XSD(f.db, First, Last);
        QCOMPARE(Column(d.master, QStringLiteral("dh")),
                 (QStringList{"xs240301001", "xs240305001", "xs240310001", "xs240315001", "xs240316001",
                              "xt240320001", "xt240321001", "xt240322001"}));
        QCOMPARE(Column(d.master, QStringLiteral("cb")),
                 (QStringList{"10000", "1800", "5100", "4000", "200", "-4000", "-2000", "-3000"}));
        QCOMPARE(Column(d.master, QStringLiteral("LR")),
                 (QStringList{"2000", "9", "900", "1200", "-200", "-1000", "-600", "-500"}));
        QCOMPARE(Column(d.master, QStringLiteral("lrr")),
                 (QStringList{"16.67%", ".50%", "15.00%", "23.08%", "100.00%", "20.00%", "23.08%", "14.29%"}));
        const RowSet lines = d.details(2);
        QCOMPARE(Column(lines, QStringLiteral("zcb")), (QStringList{"5000", "100"}));
        QCOMPARE(Column(lines, QStringLiteral("LR")), (QStringList{"1000", "-100"}));
        QCOMPARE(Column(lines, QStringLiteral("lrr")), (QStringList{"16.67%", "100.00%"}));
    }

    // A goods group with amount 0 prints "100.00%"; every other group keeps its own margin.
    void groupedProfit_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("goods item") << "SP" << ""
            << QStringList{U("北辰/北辰挂机空调/KFR-26GW/BC1 2600 23.08%"), U("北辰/北辰挂机空调/KFR-35GW/BC1 6000 16.67%"),
                           U("北辰/北辰加湿器/BC-JS01 0 100.00%"), U("北辰/北辰液晶电视/BC-55U7 3500 14.29%"),
                           U("雪峰/雪峰三门冰箱/BCD-256TF 1809 .50%")};
        QTest::newRow("brand of a product") << "PP" << U("北辰挂机空调") << QStringList{U("北辰 8600 18.60%")};
        QTest::newRow("product of a brand") << "CP" << U("北辰")
            << QStringList{U("北辰挂机空调 8600 18.60%"), U("北辰加湿器 0 100.00%"), U("北辰液晶电视 3500 14.29%")};
        QTest::newRow("spec") << "GG" << U("北辰挂机空调")
            << QStringList{U("KFR-26GW/BC1 2600 23.08%"), U("KFR-35GW/BC1 6000 16.67%")};
        const QStringList customers{U("13号商铺 2600 23.08%"), U("老周's电器行 6000 15.00%"), U("李秀英 1809 .50%"),
                                    U("明湖宾馆 -3500 20.00%"), U("张建国 7000 14.29%")};
        QTest::newRow("customer, no filter") << "KH" << "" << customers;
        QTest::newRow("customer, all") << "KH" << U("全部") << customers;
        QTest::newRow("customer, quote") << "KH" << U(" 周's ") << QStringList{U("老周's电器行 6000 15.00%")};
        QTest::newRow("customer, wildcards are letters") << "KH" << "_%" << QStringList{};
        const QStringList zhao{U("赵丽/冰箱 1809 .50%"), U("赵丽/电视 -3500 14.29%"), U("赵丽/空调 2600 23.08%"),
                               U("赵丽/小家电 0 100.00%")};
        QTest::newRow("employees, all") << "YG" << U("所有")
            << QStringList{U("王磊/电视 7000 14.29%"), U("王磊/空调 6000 16.67%"), U("王磊/小家电 0 100.00%")} + zhao;
        QTest::newRow("one employee") << "YG" << U("赵丽") << zhao;
    }
    void groupedProfit()
    {
        QFETCH(QString, report);
        QFETCH(QString, filter);
        QFETCH(QStringList, rows);
        ReportFixture f;
        RowSet d;
        QStringList groups;
        if (report == "SP") {
            d = PrepareBB_CXXSLR_SP(f.db, First, Last);
            groups = QStringList{"PinPai", "chanpin", "guige"};
        } else if (report == "PP") {
            d = PrepareBB_CXXSLR_PP(f.db, filter, First, Last);
            groups = QStringList{"PinPai"};
        } else if (report == "CP") {
            d = PrepareBB_CXXSLR_CP(f.db, filter, First, Last);
            groups = QStringList{"chanpin"};
        } else if (report == "GG") {
            d = PrepareBB_CXXSLR_GG(f.db, U("北辰"), filter, First, Last);
            groups = QStringList{"guige"};
        } else if (report == "KH") {
            d = PrepareBB_CXXSLR_KH(f.db, filter, First, Last);
            groups = QStringList{"KeHu"};
        } else {
            d = PrepareBB_YGYJ(f.db, filter, First, Last);
            groups = QStringList{"yewuyuan", "CPType"};
        }
        QCOMPARE(Groups(d, groups), rows);
    }

    void groupedProfitFigures()
    {
        ReportFixture f;
        const RowSet d = PrepareBB_CXXSLR_SP(f.db, First, Last);
        QCOMPARE(d.value(2, QStringLiteral("guige")).toString(), U("BC-JS01"));
        QCOMPARE(d.value(2, QStringLiteral("ZSL")).toInt(), 3);
        QCOMPARE(d.value(2, QStringLiteral("ZCB")).toDouble(), 300.0);
        QCOMPARE(d.value(2, QStringLiteral("LR")).toDouble(), -300.0);
    }

    void receivables_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("documents");
        QTest::addColumn<QStringList>("owed");
        QTest::newRow("all") << U("所有") << QStringList{"xs240305001", "xs240310001", "xs240315001", "xt240322001"}
                             << QStringList{"809", "3000", "5200", "-3500"};
        QTest::newRow("no name") << QString() << QStringList{"xs240305001", "xs240310001", "xs240315001", "xt240322001"}
                                 << QStringList{"809", "3000", "5200", "-3500"};
        QTest::newRow("quote in the name") << U("老周's电器行") << QStringList{"xs240310001"} << QStringList{"3000"};
        QTest::newRow("settled customer") << U("张建国") << QStringList{} << QStringList{};
    }
    void receivables()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, documents);
        QFETCH(QStringList, owed);
        ReportFixture f;
        const ReportData d = PrepareBB_XSYSK(f.db, name);
        QCOMPARE(Column(d.master, QStringLiteral("dh")), documents);
        QCOMPARE(Column(d.master, QStringLiteral("QK")), owed);
        if (!documents.isEmpty())
            QVERIFY(d.details(0).rowCount() > 0);
    }

    void receivableLines()
    {
        ReportFixture f;
        const ReportData d = PrepareBB_XSYSK(f.db, U("老周's电器行"));
        const RowSet lines = d.details(0);
        QCOMPARE(Column(lines, QStringLiteral("guige")), (QStringList{"KFR-35GW/BC1", "BC-JS01"}));
        QCOMPARE(Column(lines, QStringLiteral("jinE")), (QStringList{"6000", "0"}));
    }

    void payables()
    {
        ReportFixture f;
        const ReportData all = PrepareBB_CGYFK(f.db, U("所有"));
        QCOMPARE(Column(all.master, QStringLiteral("dh")), (QStringList{"cg240302001", "ct240325001"}));
        QCOMPARE(Column(all.master, QStringLiteral("QK")), (QStringList{"6000", "-3000"}));
        QCOMPARE(Column(all.details(1), QStringLiteral("ShuLiang")), QStringList{"-1"});
        QVERIFY(PrepareBB_CGYFK(f.db, U("雪峰家电省代理")).master.isEmpty());
    }

    // The lines of the documents a query window lists, read at once, are each document's own.
    void listedDocumentLines_data()
    {
        QTest::addColumn<bool>("sales");
        QTest::addColumn<int>("kind");
        QTest::newRow("sales") << true << int(ForwardKind);
        QTest::newRow("sales returns") << true << int(ReturnKind);
        QTest::newRow("purchases") << false << int(ForwardKind);
        QTest::newRow("purchase returns") << false << int(ReturnKind);
    }
    void listedDocumentLines()
    {
        QFETCH(bool, sales);
        QFETCH(int, kind);
        ReportFixture f;
        const DanKind k = DanKind(kind);
        const RowSet documents =
            (sales ? PrepareBB_CXXS(f.db, QString(), k, First, Last) : PrepareBB_CXCG(f.db, k, First, Last)).master;
        QVERIFY(documents.rowCount() > 0);
        const ReportData d = sales ? PrepareBB_XSDJLines(f.db, documents, k) : PrepareBB_CGDJLines(f.db, documents, k);
        QCOMPARE(d.master.rows, documents.rows);
        for (int r = 0; r < documents.rowCount(); ++r) {
            const QString dh = documents.value(r, QStringLiteral("dh")).toString();
            const RowSet one = sales ? PrepareBB_XSDJ(f.db, dh, k) : PrepareBB_CGDJ(f.db, dh, k);
            QVERIFY(!one.isEmpty());
            QCOMPARE(d.details(r).columns, one.columns);
            QCOMPARE(d.details(r).rows, one.rows);
        }
    }

    // The main rows of the long lists handed over piece by piece are the rows the list reads.
    void listsInPieces_data()
    {
        QTest::addColumn<QString>("report");
        QTest::newRow("sales") << "sales";
        QTest::newRow("sales returns") << "sales returns";
        QTest::newRow("purchases") << "purchases";
        QTest::newRow("profit by document") << "profit";
    }
    void listsInPieces()
    {
        QFETCH(QString, report);
        ReportFixture f;
        RowSet streamed;
        const RowPieces take = [&streamed](const RowSet& piece) {
            streamed.columns = piece.columns;
            streamed.rows += piece.rows;
        };
        RowSet read;
        if (report == "sales") {
            StreamBB_CXXS(f.db, QString(), ForwardKind, First, Last, take);
            read = PrepareBB_CXXS(f.db, QString(), ForwardKind, First, Last).master;
        } else if (report == "sales returns") {
            StreamBB_CXXS(f.db, QString(), ReturnKind, First, Last, take);
            read = PrepareBB_CXXS(f.db, QString(), ReturnKind, First, Last).master;
        } else if (report == "purchases") {
            StreamBB_CXCG(f.db, ForwardKind, First, Last, take);
            read = PrepareBB_CXCG(f.db, ForwardKind, First, Last).master;
        } else {
            StreamBB_CXXSLR_XSD(f.db, First, Last, take);
            read = PrepareBB_CXXSLR_XSD(f.db, First, Last).master;
        }
        QVERIFY(read.rowCount() > 0);
        QCOMPARE(streamed.columns, read.columns);
        QCOMPARE(streamed.rows, read.rows);
    }

    // Pieces end where pieceRows says, and together hold every row once, the texts intact.
    void rowPieces()
    {
        ReportFixture f;
        const QString sql = QStringLiteral("select dh,KeHu,jinE from Log_XiaoShouDan order by autoid");
        QVector<int> sizes;
        RowSet all;
        ReadRowPieces(f.db, sql, {}, [&](RowSet& piece) {
            sizes << piece.rowCount();
            all.columns = piece.columns;
            all.rows += piece.rows;
        }, 4);
        const RowSet read = ReadRows(f.db, sql);
        QCOMPARE(read.rowCount(), 9);
        QCOMPARE(sizes, (QVector<int>{4, 4, 1}));
        QCOMPARE(all.columns, read.columns);
        QCOMPARE(all.rows, read.rows);
    }
};

QTEST_GUILESS_MAIN(TestReportData)
#include "test_reportdata.moc"
