// Data routines of the goods catalogue and the product classes on a fresh database.

#include "RowTexts.h"
#include "AuditLog.h"
#include "CPTypeStore.h"
#include "GoodsLists.h"
#include "GoodsStore.h"
#include "TestDb.h"
#include "TestFaults.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <functional>

using Operation = std::function<void(Database&)>;
Q_DECLARE_METATYPE(Operation)

namespace {

const QString Undefined = QString::fromUtf8(NoCPType);

// Every row of the catalogue tables as text, to compare before and after an operation.
QString Snapshot(Database& db)
{
    QString out;
    for (const char* sql : {"select PinPai from Base_PinPai order by autoid",
                            "select PinPai,ChanPin,CPType from Base_ChanPin order by autoid",
                            "select PinPai,ChanPin,GuiGe,ShuLiang,PJCB from Log_KuCun order by autoid",
                            "select TypeName from Base_CPType order by rowid"}) {
        QSqlQuery q = db.exec(QString::fromLatin1(sql));
        while (q.next()) {
            for (int i = 0; i < q.record().count(); ++i)
                out += q.value(i).toString() + u'|';
            out += u'\n';
        }
        out += QStringLiteral("--\n");
    }
    return out;
}

// Two brands with products and goods items, and classes.
void Catalogue(Database& db)
{
    InsertPinPai(db, "海安");
    InsertPinPai(db, "美悦");
    InsertChanPin(db, "海安", "空调", "大家电");
    InsertChanPin(db, "海安", "冰箱", "大家电");
    InsertChanPin(db, "美悦", "空调", "小家电");
    InsertGuiGe(db, "海安", "空调", "KFR-35GW", 2100, 5);
    InsertGuiGe(db, "海安", "空调", "KFR-50LW", 3300.5, 2);
    InsertGuiGe(db, "海安", "冰箱", "BCD-216", 1800, 3);
    InsertGuiGe(db, "美悦", "空调", "KFR-26GW", 1700, 4);
}

}  // namespace

class TestGoodsStore : public QObject {
    Q_OBJECT
private slots:
    void newGoodsItemKeepsOpeningStockAndCost()
    {
        TestDb t;
        Catalogue(t.db);
        QCOMPARE(Texts(GuiGeRows(t.db, "海安", "空调")),
                 (QVector<QStringList>{{"KFR-35GW", "2100", "5"}, {"KFR-50LW", "3300.5", "2"}}));
        QVERIFY(t.db.scalar("select NewCB from Log_KuCun where GuiGe='KFR-35GW'").isNull());
        QVERIFY(ShangPinExists(t.db, "海安", "空调", "kfr-35gw"));  // letter case ignored
        QVERIFY(!ShangPinExists(t.db, "美悦", "空调", "KFR-35GW"));
        InsertGuiGe(t.db, "海安", "冰箱", "零库存", 0, 0);
        QCOMPARE(Texts(GuiGeRows(t.db, "海安", "冰箱")).last(), (QStringList{"零库存", "0", "0"}));
    }

    void renamesReachProductsAndGoodsItemsButNotDocuments()
    {
        TestDb t;
        Catalogue(t.db);
        t.db.exec("insert into Log_XiaoShou(dh,PinPai,chanpin,guige,danjia,CB,shuliang,jinE,in_date) "
                  "values('xs240501001','海安','空调','KFR-35GW',2500,2100,1,2500,'2024-05-01')");
        RenamePinPai(t.db, "海安", "海安电器");
        UpdateChanPin(t.db, "海安电器", "空调", "变频空调", "空调类");
        UpdateGuiGe(t.db, "海安电器", "变频空调", "KFR-35GW", 1999.99, 7, "KFR-35GW/A");

        QCOMPARE(PinPaiNames(t.db), (QStringList{"海安电器", "美悦"}));
        QCOMPARE(Texts(ChanPinRows(t.db, "海安电器")),
                 (QVector<QStringList>{{"变频空调", "空调类"}, {"冰箱", "大家电"}}));
        QCOMPARE(Texts(GuiGeRows(t.db, "海安电器", "变频空调")).first(), (QStringList{"KFR-35GW/A", "1999.99", "7"}));
        QCOMPARE(Texts(GuiGeRows(t.db, "美悦", "空调")).size(), 1);
        QCOMPARE(t.db.scalar("select PinPai||chanpin||guige from Log_XiaoShou").toString(),
                 QStringLiteral("海安空调KFR-35GW"));
    }

    void deletesTakeTheLevelsBelow()
    {
        TestDb t;
        Catalogue(t.db);
        DeleteGuiGe(t.db, "海安", "空调", "KFR-50LW");
        QCOMPARE(Texts(GuiGeRows(t.db, "海安", "空调")).size(), 1);
        DeleteChanPin(t.db, "海安", "空调");
        QVERIFY(!ChanPinExists(t.db, "海安", "空调"));
        QCOMPARE(t.count("Log_KuCun"), 2);
        DeletePinPai(t.db, " 海安 ");  // trimmed inside
        QCOMPARE(PinPaiNames(t.db), QStringList{"美悦"});
        QCOMPARE(t.count("Base_ChanPin"), 1);
        QCOMPARE(t.count("Log_KuCun"), 1);
    }

    void namesWithQuotesAndWildcardsAreTheirOwn()
    {
        TestDb t;
        for (const char* b : {"It's", "50%", "a_b", "axb"}) {
            InsertPinPai(t.db, b);
            InsertChanPin(t.db, b, "O'Neil 空调", Undefined);
            InsertGuiGe(t.db, b, "O'Neil 空调", "x'%_", 10, 1);
        }
        QCOMPARE(Texts(ChanPinRows(t.db, "50%")), (QVector<QStringList>{{"O'Neil 空调", Undefined}}));
        QCOMPARE(Texts(GuiGeRows(t.db, "It's", "O'Neil 空调")).size(), 1);
        RenamePinPai(t.db, "a_b", "a'b");
        DeletePinPai(t.db, "50%");
        QCOMPARE(PinPaiNames(t.db), (QStringList{"It's", "a'b", "axb"}));
        QCOMPARE(GuiGeNames(t.db, "axb", "O'Neil 空调"), QStringList{"x'%_"});
        QCOMPARE(GuiGeNames(t.db, "a'b", "O'Neil 空调"), QStringList{"x'%_"});
        QCOMPARE(t.count("Log_KuCun"), 3);
    }

    void productClassIsKeptWithTheProduct_data()
    {
        QTest::addColumn<QString>("CPType");
        QTest::addColumn<QStringList>("classes");
        QTest::newRow("new class added") << "厨卫" << QStringList{"大家电", "小家电", "厨卫"};
        QTest::newRow("known class once") << "小家电" << QStringList{"大家电", "小家电"};
        QTest::newRow("no class") << Undefined << QStringList{"大家电", "小家电"};
    }
    void productClassIsKeptWithTheProduct()
    {
        QFETCH(QString, CPType);
        QFETCH(QStringList, classes);
        TestDb t;
        Catalogue(t.db);
        InsertChanPin(t.db, "美悦", "热水器", CPType);
        QCOMPARE(CPTypeNames(t.db), classes);
        UpdateChanPin(t.db, "海安", "冰箱", "冰箱", CPType);
        QCOMPARE(CPTypeNames(t.db), classes);
        QCOMPARE(Texts(ChanPinRows(t.db, "海安")).last(), (QStringList{"冰箱", CPType}));
    }

    void classRenameAndDeleteReachProducts()
    {
        TestDb t;
        Catalogue(t.db);
        RenameCPType(t.db, "大家电", "白电");
        QCOMPARE(Texts(ChanPinRows(t.db, "海安")), (QVector<QStringList>{{"空调", "白电"}, {"冰箱", "白电"}}));
        DeleteCPType(t.db, "白电");
        QCOMPARE(CPTypeNames(t.db), QStringList{"小家电"});
        QCOMPARE(Texts(ChanPinRows(t.db, "海安")), (QVector<QStringList>{{"空调", Undefined}, {"冰箱", Undefined}}));
        QCOMPARE(Texts(ChanPinRows(t.db, "美悦")), (QVector<QStringList>{{"空调", "小家电"}}));
    }

    // Renames, deletions and hand edits of stock and cost leave their old and new figures in the
    // audit log.
    void auditLog()
    {
        TestDb t;
        Catalogue(t.db);
        UpdateGuiGe(t.db, "海安", "空调", "KFR-50LW", 3000, 9, "KFR-50LW");
        DeleteGuiGe(t.db, "海安", "空调", "KFR-50LW");
        RenamePinPai(t.db, "海安", "海安电器");
        UpdateChanPin(t.db, "海安电器", "冰箱", "冰箱", "白电");
        DeleteChanPin(t.db, "海安电器", "冰箱");
        DeletePinPai(t.db, "海安电器");
        DeleteCPType(t.db, "小家电");
        RenameCPType(t.db, "大家电", "白电家电");
        QStringList entries;
        for (const AuditEntry& e : ReadAudit(t.db))
            entries << e.action + u'|' + e.object + u'|' + e.before + u'|' + e.after;
        QCOMPARE(entries, (QStringList{
                              "修改商品|海安/空调/KFR-50LW|KFR-50LW, 库存2, 成本3300.5|KFR-50LW, 库存9, 成本3000",
                              "删除商品|海安/空调/KFR-50LW|KFR-50LW, 库存9, 成本3000|",
                              "修改品牌|海安|海安|海安电器",
                              "修改产品|海安电器/冰箱|冰箱, 分类大家电|冰箱, 分类白电",
                              "删除产品|海安电器/冰箱|1个商品, 库存3|",
                              "删除品牌|海安电器|1个产品, 1个商品, 库存5|",
                              "删除产品分类|小家电|1个产品|1个产品归入*未定义*",
                              "修改产品分类|大家电|大家电|白电家电",
                          }));
    }

    // A failure in the last statement of a cascade leaves every table as it was.
    void failedCascadeChangesNothing_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("event");
        QTest::addColumn<Operation>("operation");
        QTest::newRow("rename brand") << "Log_KuCun" << "update"
                                      << Operation([](Database& db) { RenamePinPai(db, "海安", "新"); });
        QTest::newRow("delete brand") << "Log_KuCun" << "delete"
                                      << Operation([](Database& db) { DeletePinPai(db, "海安"); });
        QTest::newRow("rename product") << "Log_KuCun" << "update"
                                        << Operation(
                                               [](Database& db) { UpdateChanPin(db, "海安", "空调", "新", "x"); });
        QTest::newRow("delete product") << "Log_KuCun" << "delete"
                                        << Operation(
                                               [](Database& db) { DeleteChanPin(db, "海安", "空调"); });
        QTest::newRow("product with new class") << "Base_CPType" << "insert"
                                                << Operation(
                                                       [](Database& db) { InsertChanPin(db, "美悦", "洗衣机", "新类"); });
        QTest::newRow("rename class") << "Base_ChanPin" << "update"
                                      << Operation(
                                             [](Database& db) { RenameCPType(db, "大家电", "白电"); });
        QTest::newRow("delete class") << "Base_ChanPin" << "update"
                                      << Operation([](Database& db) { DeleteCPType(db, "大家电"); });
    }
    void failedCascadeChangesNothing()
    {
        QFETCH(QString, table);
        QFETCH(QString, event);
        QFETCH(Operation, operation);
        TestDb t;
        Catalogue(t.db);
        const QString before = Snapshot(t.db);
        RefuseWrites(t.db, table, event, QStringLiteral("disk full"));
        QVERIFY_THROWS_EXCEPTION(DbError, operation(t.db));
        QCOMPARE(Snapshot(t.db), before);
    }

    void listsForTheSelectors_data()
    {
        QTest::addColumn<QString>("PinPai");
        QTest::addColumn<QString>("ChanPin");
        QTest::addColumn<QStringList>("specs");
        QTest::newRow("brand and product") << "海安" << "空调" << QStringList{"KFR-35GW", "KFR-50LW"};
        QTest::newRow("all brands, one product") << "所有品牌" << "空调" << QStringList{"KFR-35GW", "KFR-50LW", "KFR-26GW"};
        QTest::newRow("one brand, all products") << "海安" << "所有产品" << QStringList{"KFR-35GW", "KFR-50LW", "BCD-216"};
        QTest::newRow("all of both") << "all" << "ALL" << QStringList{"KFR-35GW", "KFR-50LW", "BCD-216", "KFR-26GW"};
        QTest::newRow("unknown") << "歌乐" << "空调" << QStringList{};
    }
    void listsForTheSelectors()
    {
        QFETCH(QString, PinPai);
        QFETCH(QString, ChanPin);
        QFETCH(QStringList, specs);
        TestDb t;
        Catalogue(t.db);
        QCOMPARE(GuiGeNames(t.db, PinPai, ChanPin), specs);
        QCOMPARE(ChanPinNames(t.db, "所有品牌"), (QStringList{"空调", "冰箱", "空调"}));
        QCOMPARE(ChanPinNames(t.db, "All"), ChanPinNames(t.db, "所有品牌"));
        QCOMPARE(ChanPinNames(t.db, "美悦"), QStringList{"空调"});
    }
};

QTEST_GUILESS_MAIN(TestGoodsStore)
#include "test_goodsstore.moc"
