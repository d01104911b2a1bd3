// Importing a goods catalogue from a sheet: checks row by row, all or nothing.

#include "RowTexts.h"
#include "CPTypeStore.h"
#include "CsvFile.h"
#include "GoodsBarcodes.h"
#include "GoodsImport.h"
#include "GoodsStore.h"
#include "TableFile.h"
#include "TestDb.h"
#include "TestFaults.h"

#include <QFile>
#include <QStringEncoder>
#include <QTest>

namespace {

const QStringList Header{"品牌", "产品", "产品类型", "规格/型号", "初始库存量", "初始成本"};

QVector<QStringList> Sheet(const QVector<QStringList>& rows)
{
    return QVector<QStringList>{Header} + rows;
}

}  // namespace

class TestGoodsImport : public QObject {
    Q_OBJECT
private slots:
    void acceptedSheetIsWritten()
    {
        TestDb t;
        InsertPinPai(t.db, "海安");
        InsertChanPin(t.db, "海安", "空调", "大家电");
        const auto check = CheckGoodsImport(
            t.db, Sheet({{" 海安 ", "空调", "别的类", "KFR-26GW", "3", "1500.5"},
                         {"", "", "", "", "", ""},  // blank rows are skipped
                         {"O'Neil", "电风扇", "", "FS-40", "0", "0"},
                         {"HAIAN", "冰箱", "冰箱", "BCD-216", "12.0", ".5"}}));
        QCOMPARE(check.errors, QStringList{});
        QVERIFY(check.ok());
        QCOMPARE(check.rows.size(), 3);
        QCOMPARE(check.rows[1].line, 4);
        ImportGoods(t.db, check.rows);
        QCOMPARE(PinPaiNames(t.db), (QStringList{"海安", "O'Neil", "HAIAN"}));
        // a product already in the catalogue keeps its class
        QCOMPARE(Texts(ChanPinRows(t.db, "海安")), (QVector<QStringList>{{"空调", "大家电"}}));
        QCOMPARE(Texts(ChanPinRows(t.db, "O'Neil")), (QVector<QStringList>{{"电风扇", "*未定义*"}}));
        QCOMPARE(CPTypeNames(t.db), (QStringList{"大家电", "冰箱"}));
        QCOMPARE(Texts(GuiGeRows(t.db, "海安", "空调")), (QVector<QStringList>{{"KFR-26GW", "1500.5", "3"}}));
        QCOMPARE(Texts(GuiGeRows(t.db, "HAIAN", "冰箱")), (QVector<QStringList>{{"BCD-216", "0.5", "12"}}));
    }

    void refusedRowsAreReportedAndNothingIsWritten_data()
    {
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<QString>("error");
        QTest::newRow("no brand") << QStringList{" ", "空调", "", "X", "1", "1"} << "第3行：“品牌”为空。";
        QTest::newRow("no spec") << QStringList{"歌乐", "空调", "", "", "1", "1"} << "第3行：“规格/型号”为空。";
        QTest::newRow("lone point") << QStringList{"歌乐", "空调", "", "X", "1", "."}
                                    << "第3行：“初始成本”应为0或正数（现为“.”）。";
        QTest::newRow("negative stock") << QStringList{"歌乐", "空调", "", "X", "-1", "1"}
                                        << "第3行：“初始库存量”应为0或正整数（现为“-1”）。";
        QTest::newRow("fraction of stock") << QStringList{"歌乐", "空调", "", "X", "1.5", "1"}
                                           << "第3行：“初始库存量”应为0或正整数（现为“1.5”）。";
        QTest::newRow("in the catalogue") << QStringList{"海安", "空调", "", "kfr-35gw", "1", "1"}
                                          << "第3行：系统中已存在该商品。";
        QTest::newRow("twice in the sheet") << QStringList{"歌乐", "空调", "", "KFR-72LW", "1", "1"}
                                            << "第3行：与第2行的商品重复。";
    }
    void refusedRowsAreReportedAndNothingIsWritten()
    {
        QFETCH(QStringList, row);
        QFETCH(QString, error);
        TestDb t;
        InsertPinPai(t.db, "海安");
        InsertChanPin(t.db, "海安", "空调", "大家电");
        InsertGuiGe(t.db, "海安", "空调", "KFR-35GW", 2000, 1);
        const auto check = CheckGoodsImport(t.db, Sheet({{"歌乐", "空调", "", "KFR-72LW", "1", "1"}, row}));
        QCOMPARE(check.errors, QStringList{error});
        QVERIFY(!check.ok());
    }

    // The optional barcode column: several codes a cell, each checked like a code typed in the
    // goods dialog, none held by a goods item of the catalogue or of an earlier row.
    void barcodeColumn()
    {
        TestDb t;
        InsertPinPai(t.db, "海安");
        InsertChanPin(t.db, "海安", "空调", "大家电");
        InsertGuiGe(t.db, "海安", "空调", "KFR-35GW", 2000, 1, {"96385074"});
        const QStringList header = Header + QStringList{"条码"};
        auto check = CheckGoodsImport(t.db, {header,
                                             {"歌乐", "空调", "", "A1", "1", "1", "4006381333931；KFR-A1 ,036000291452"},
                                             {"歌乐", "空调", "", "A2", "1", "1", "4006381333932"},
                                             {"歌乐", "空调", "", "A3", "1", "1", "96385074"},
                                             {"歌乐", "空调", "", "A4", "1", "1", "kfr-a1"},
                                             {"歌乐", "空调", "", "A5", "1", "1", ""}});
        QCOMPARE(check.errors,
                 (QStringList{"第3行：条码“4006381333932”的校验位不对：EAN-13条码的最后一位应为1，请核对后重新输入。",
                              "第4行：条码“96385074”已属于商品 海安/空调/KFR-35GW。",
                              "第5行：条码“kfr-a1”与第2行的条码重复。"}));
        check.rows.removeIf([](const GoodsImportRow& r) { return r.GuiGe != "A1" && r.GuiGe != "A5"; });
        ImportGoods(t.db, check.rows);
        QCOMPARE(GoodsBarcodes::of(t.db, {"歌乐", "空调", "A1"}), (QStringList{"4006381333931", "KFR-A1", "036000291452"}));
        QCOMPARE(GoodsBarcodes::of(t.db, {"歌乐", "空调", "A5"}), QStringList{});
    }

    void headerNamesItsMissingColumns()
    {
        TestDb t;
        const auto check = CheckGoodsImport(t.db, {{"品牌", "型号", "成本"}, {"a", "b", "1"}});
        QCOMPARE(check.errors, (QStringList{"第1行（表头）缺少“产品”列。", "第1行（表头）缺少“初始库存量”列。"}));
        QCOMPARE(CheckGoodsImport(t.db, {}).errors, QStringList{"表格中没有内容。"});
        QCOMPARE(CheckGoodsImport(t.db, {Header}).errors, QStringList{"表格中没有商品。"});
    }

    void largeSheetWithOneBadRow()
    {
        TestDb t;
        QVector<QStringList> rows;
        for (int i = 0; i < 2000; ++i)
            rows.append({QStringLiteral("品牌%1").arg(i % 40), QStringLiteral("产品%1").arg(i % 200),
                         QStringLiteral("类%1").arg(i % 7), QStringLiteral("型号-%1").arg(i), "5", "99.9"});
        rows[1233][5] = "12,5";
        auto check = CheckGoodsImport(t.db, Sheet(rows));
        QCOMPARE(check.errors, QStringList{"第1235行：“初始成本”应为0或正数（现为“12,5”）。"});
        QCOMPARE(t.count("Log_KuCun"), 0);

        rows[1233][5] = "12.5";
        check = CheckGoodsImport(t.db, Sheet(rows));
        QVERIFY(check.ok());
        ImportGoods(t.db, check.rows);
        QCOMPARE(t.count("Log_KuCun"), 2000);
        QCOMPARE(t.count("Base_ChanPin"), 200);
        QCOMPARE(t.count("Base_PinPai"), 40);
        QCOMPARE(CPTypeNames(t.db).size(), 7);
    }

    void failedImportWritesNothing()
    {
        TestDb t;
        const auto check = CheckGoodsImport(t.db, Sheet({{"歌乐", "空调", "新类", "A", "1", "1"},
                                                         {"美悦", "空调", "新类", "B", "1", "1"}}));
        QVERIFY(check.ok());
        RefuseWrites(t.db, "Log_KuCun", "insert", "disk full", "new.GuiGe='B'");
        QVERIFY_THROWS_EXCEPTION(DbError, ImportGoods(t.db, check.rows));
        QCOMPARE(t.count("Base_PinPai") + t.count("Base_ChanPin") + t.count("Log_KuCun") + t.count("Base_CPType"), 0);
    }

    void workbookSheetIsImported()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("goods.xlsx");
        ExportTable table{Header, {{"北辰", "北辰挂机空调", "空调", "KFR-35GW/BC1", "12", "1850.5"}}, {}, {}};
        QString error;
        QVERIFY2(WriteXlsx(table, path, &error), qPrintable(error));
        TestDb t;
        const GoodsImportCheck check = CheckGoodsImport(t.db, ReadTableFile(path));
        QVERIFY(check.ok());
        ImportGoods(t.db, check.rows);
        QCOMPARE(Texts(GuiGeRows(t.db, "北辰", "北辰挂机空调")), (QVector<QStringList>{{"KFR-35GW/BC1", "1850.5", "12"}}));
    }

    void csvFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString text = QStringLiteral("品牌,规格\r\n\"海安, 青岛\",\"KFR \"\"35\"\"\"\n美悦,\"两\n行\"");
        QTest::newRow("utf-8") << text.toUtf8();
        QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
        QTest::newRow("chinese code page") << QByteArray(QStringEncoder("GB18030")(text));
    }
    void csvFiles()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QFile f(dir.filePath("goods.csv"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        QCOMPARE(ReadCsvFile(f.fileName()), (QVector<QStringList>{{"品牌", "规格"},
                                                                    {"海安, 青岛", "KFR \"35\""},
                                                                    {"美悦", "两\n行"}}));
    }
};

QTEST_GUILESS_MAIN(TestGoodsImport)
#include "test_goodsimport.moc"
