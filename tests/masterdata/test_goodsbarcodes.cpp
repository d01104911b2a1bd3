// The barcodes of the goods items: which codes are accepted, one goods item per code, codes that
// follow their goods item through renames and deletions, and what the price labels show.

#include "AuditLog.h"
#include "BarcodeText.h"
#include "GoodsBarcodes.h"
#include "GoodsLabels.h"
#include "GoodsStore.h"
#include "TestDb.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<BarcodeKind>)

namespace {

const GoodsKey Aircon{"海安", "空调", "KFR-35GW"};
const GoodsKey Fridge{"海安", "冰箱", "BCD-216"};

void Catalogue(Database& db)
{
    InsertPinPai(db, "海安");
    InsertChanPin(db, "海安", "空调", "大家电");
    InsertChanPin(db, "海安", "冰箱", "大家电");
    InsertGuiGe(db, "海安", "空调", "KFR-35GW", 2100, 5, {"4006381333931", "KFR35-BOX"});
    InsertGuiGe(db, "海安", "冰箱", "BCD-216", 1800, 3, {"036000291452"});
}

QString Holder(Database& db, const QString& code)
{
    const std::optional<GoodsKey> key = GoodsBarcodes::find(db, code);
    return key ? key->text() : QString();
}

}  // namespace

class TestGoodsBarcodes : public QObject {
    Q_OBJECT
private slots:
    void codesAreCheckedOnEntry_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<std::optional<BarcodeKind>>("kind");
        QTest::addColumn<QString>("reason");  // a part of the message when refused
        const std::optional<BarcodeKind> none;
        QTest::newRow("EAN-13") << "4006381333931" << std::optional(BarcodeKind::Ean13) << "";
        QTest::newRow("EAN-13 check digit") << "4006381333932" << none << "EAN-13条码的最后一位应为1";
        QTest::newRow("UPC-A") << "036000291452" << std::optional(BarcodeKind::UpcA) << "";
        QTest::newRow("UPC-A check digit") << "036000291450" << none << "UPC-A条码的最后一位应为2";
        QTest::newRow("EAN-8") << "96385074" << std::optional(BarcodeKind::Ean8) << "";
        QTest::newRow("EAN-8 check digit") << "96385073" << none << "EAN-8条码的最后一位应为4";
        QTest::newRow("Code 128 letters") << "KFR-35GW/A" << std::optional(BarcodeKind::Code128) << "";
        QTest::newRow("Code 128 of 11 digits") << "12345678901" << std::optional(BarcodeKind::Code128) << "";
        QTest::newRow("empty") << "" << none << "条码不能为空";
        QTest::newRow("blank inside") << "AB 12" << none << "不能用于条码的字符“ ”";
        QTest::newRow("Chinese") << "条码12" << none << "不能用于条码的字符“条”";
        QTest::newRow("too long") << QString(41, u'7') << none << "最多40个字符";
    }
    void codesAreCheckedOnEntry()
    {
        QFETCH(QString, code);
        QFETCH(std::optional<BarcodeKind>, kind);
        QFETCH(QString, reason);
        QString problem;
        QCOMPARE(BarcodeKindOf(code, &problem), kind);
        QVERIFY2(kind ? problem.isEmpty() : problem.contains(reason), qPrintable(problem));
    }

    // A scanned code finds its goods item whatever the letter case; each code has one goods item,
    // and the message names the goods item that holds it. Refused codes leave nothing written.
    void oneGoodsItemPerCode()
    {
        TestDb t;
        Catalogue(t.db);
        QCOMPARE(Holder(t.db, " 4006381333931 "), Aircon.text());
        QCOMPARE(Holder(t.db, "kfr35-box"), Aircon.text());
        QCOMPARE(Holder(t.db, "KFR-35GW"), QString());  // a model number is no barcode
        QCOMPARE(GoodsBarcodes::of(t.db, Aircon), (QStringList{"4006381333931", "KFR35-BOX"}));
        QCOMPARE(GoodsBarcodes::problem(t.db, Aircon, {"4006381333931", "036000291452"}),
                 QStringLiteral("条码“036000291452”已属于商品 海安/冰箱/BCD-216，一个条码只能属于一个商品。"));
        QCOMPARE(GoodsBarcodes::problem(t.db, Aircon, {"96385074", "96385074"}),
                 QStringLiteral("条码“96385074”输入了两次。"));
        QVERIFY_THROWS_EXCEPTION(DbError, GoodsBarcodes::set(t.db, Fridge, {"96385074", "KFR35-box"}));
        QVERIFY_THROWS_EXCEPTION(DbError, InsertGuiGe(t.db, "海安", "冰箱", "BCD-300", 0, 0, {"4006381333932"}));
        QVERIFY(!ShangPinExists(t.db, "海安", "冰箱", "BCD-300"));
        QCOMPARE(GoodsBarcodes::of(t.db, Fridge), QStringList{"036000291452"});
        GoodsBarcodes::set(t.db, Aircon, {"KFR35-BOX", "96385074"});  // its own codes stay its own
        QCOMPARE(GoodsBarcodes::of(t.db, Aircon), (QStringList{"KFR35-BOX", "96385074"}));
        QCOMPARE(Holder(t.db, "4006381333931"), QString());
        const QVector<AuditEntry> log = ReadAudit(t.db);
        QCOMPARE(log.last().action, QStringLiteral("修改条码"));
        QCOMPARE(log.last().before, QStringLiteral("4006381333931, KFR35-BOX"));
        QCOMPARE(GoodsBarcodes::split(" 123\r\nABC；x,y，z;;\n"), (QStringList{"123", "ABC", "x", "y", "z"}));
    }

    // Renaming a brand, product or goods item carries its codes along; deleting removes them.
    void codesFollowTheirGoodsItem()
    {
        TestDb t;
        Catalogue(t.db);
        RenamePinPai(t.db, "海安", "海安电器");
        UpdateChanPin(t.db, "海安电器", "空调", "变频空调", "大家电");
        UpdateGuiGe(t.db, "海安电器", "变频空调", "KFR-35GW", 2100, 5, "KFR-35GW/A");
        QCOMPARE(Holder(t.db, "4006381333931"), QStringLiteral("海安电器/变频空调/KFR-35GW/A"));
        QCOMPARE(Holder(t.db, "036000291452"), QStringLiteral("海安电器/冰箱/BCD-216"));
        UpdateGuiGe(t.db, "海安电器", "变频空调", "KFR-35GW/A", 2100, 5, "KFR-35GW/A", QStringList{"96385074"});
        QCOMPARE(GoodsBarcodes::of(t.db, {"海安电器", "变频空调", "KFR-35GW/A"}), QStringList{"96385074"});
        DeleteGuiGe(t.db, "海安电器", "变频空调", "KFR-35GW/A");
        QCOMPARE(Holder(t.db, "96385074"), QString());
        InsertGuiGe(t.db, "海安电器", "冰箱", "BCD-300", 0, 0, {"KFR35-BOX"});
        DeleteChanPin(t.db, "海安电器", "冰箱");
        QCOMPARE(t.count("Base_TiaoMa"), 0);
        InsertChanPin(t.db, "海安电器", "冰箱", "大家电");
        InsertGuiGe(t.db, "海安电器", "冰箱", "BCD-216", 0, 0, {"036000291452"});
        DeletePinPai(t.db, "海安电器");
        QCOMPARE(t.count("Base_TiaoMa"), 0);
    }

    // What a price label shows: the price of the latest sale (returns not counted; none when never
    // sold), the first barcode or else the model number; each goods item as many times as asked.
    void labelTexts()
    {
        TestDb t;
        Catalogue(t.db);
        InsertGuiGe(t.db, "海安", "冰箱", "BCD-300", 0, 0);
        t.db.exec("insert into Log_XiaoShou(dh,PinPai,chanpin,guige,danjia,shuliang,jinE,in_date) values"
                  "('xs260301001','海安','空调','KFR-35GW',2999,1,2999,'2026-03-01'),"
                  "('xs260201001','海安','空调','KFR-35GW',3100,1,3100,'2026-02-01'),"
                  "('XT260302001','海安','空调','KFR-35GW',2500,-1,-2500,'2026-03-02')");
        const auto texts = [](const RowSet& rows) {
            QVector<QStringList> out;
            for (int r = 0; r < rows.rowCount(); ++r)
                out.append({rows.value(r, "GuiGe").toString(), rows.value(r, "priceText").toString(),
                            rows.value(r, "barcode").toString()});
            return out;
        };
        QCOMPARE(texts(GoodsLabels::items(t.db, "海安")),
                 (QVector<QStringList>{{"KFR-35GW", "￥2999", "4006381333931"},
                                       {"BCD-216", "", "036000291452"},
                                       {"BCD-300", "", "BCD-300"}}));
        RowSet chosen = GoodsLabels::items(t.db, "海安", "冰箱", "BCD-300");
        QCOMPARE(chosen.rowCount(), 1);
        chosen.columns << "count";
        chosen.rows[0] << 3;
        QCOMPARE(GoodsLabels::repeated(chosen).rowCount(), 3);
    }
};

QTEST_GUILESS_MAIN(TestGoodsBarcodes)
#include "test_goodsbarcodes.moc"
