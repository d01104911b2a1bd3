// The goods drop-down lists and their chaining, with and without all-entries.

#include "AppContext.h"
#include "GoodsSelector.h"
#include "GoodsStore.h"
#include "Schema.h"
#include "TestServer.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList Items(const QComboBox& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

void Catalogue(Database& db)
{
    for (const char* b : {"海安", "美悦"})
        InsertPinPai(db, b);
    InsertChanPin(db, "海安", "空调", "大家电");
    InsertChanPin(db, "海安", "冰箱", "大家电");
    InsertChanPin(db, "美悦", "空调", "大家电");
    InsertGuiGe(db, "海安", "空调", "KFR-35GW", 2100, 5);
    InsertGuiGe(db, "海安", "冰箱", "BCD-216", 1800, 3);
    InsertGuiGe(db, "美悦", "空调", "KFR-26GW", 1700, 4);
    InsertGuiGe(db, "美悦", "空调", "KFR-35GW", 1750, 1);
}

struct Boxes {
    QComboBox brand, product, spec;
};

// A new database of this system in a context whose prompts are recorded.
struct Shop {
    QTemporaryDir dir;
    std::optional<ServerDatabase> server;
    RecordingPrompts prompts;
    AppContext ctx{dir.path()};
    Database& db = ctx.db();

    Shop()
    {
        ctx.prompts = &prompts;
        if (const auto s = TestServer()) {
            server.emplace(*s);
            db.open(server->target);
        } else {
            db.open(dir.filePath(QStringLiteral("db.data")));
        }
        CreateSchema(db);
    }
};

}  // namespace

class TestGoodsSelector : public QObject {
    Q_OBJECT
private slots:
    void addItemDialogsPickEachLevel()
    {
        Shop t;
        Catalogue(t.db);
        Boxes b;
        GoodsSelector s(t.ctx, &b.brand, &b.product, &b.spec, GoodsSelector::NoAllEntries);
        QCOMPARE(Items(b.brand), (QStringList{"海安", "美悦"}));
        QCOMPARE(b.brand.currentIndex(), -1);
        QCOMPARE(b.product.count(), 0);
        QCOMPARE(b.spec.count(), 0);

        QSignalSpy changed(&s, &GoodsSelector::changed);
        b.brand.setCurrentIndex(1);
        QCOMPARE(Items(b.product), QStringList{"空调"});
        QCOMPARE(b.product.currentIndex(), -1);
        QCOMPARE(b.spec.count(), 0);
        b.product.setCurrentIndex(0);
        QCOMPARE(Items(b.spec), (QStringList{"KFR-26GW", "KFR-35GW"}));
        QCOMPARE(b.spec.currentIndex(), -1);
        b.spec.setCurrentIndex(1);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(s.PinPai() + s.ChanPin() + s.GuiGe(), QStringLiteral("美悦空调KFR-35GW"));

        b.brand.setCurrentIndex(0);  // a new brand empties the specs again
        QCOMPARE(Items(b.product), (QStringList{"空调", "冰箱"}));
        QCOMPARE(b.spec.count(), 0);

        s.pick("海安", "冰箱", "BCD-216");
        QCOMPARE(s.GuiGe(), QStringLiteral("BCD-216"));
    }

    void queryWindowsStartWithEverything()
    {
        Shop t;
        Catalogue(t.db);
        Boxes b;
        GoodsSelector s(t.ctx, &b.brand, &b.product, &b.spec, GoodsSelector::WithAllEntries);
        QCOMPARE(Items(b.brand), (QStringList{"所有品牌", "海安", "美悦"}));
        QCOMPARE(Items(b.product), (QStringList{"所有产品", "空调", "冰箱", "空调"}));
        QCOMPARE(Items(b.spec), (QStringList{"所有型号", "KFR-35GW", "BCD-216", "KFR-26GW", "KFR-35GW"}));
        QCOMPARE(s.PinPai() + s.ChanPin() + s.GuiGe(), QStringLiteral("所有品牌所有产品所有型号"));
        QCOMPARE(s.PinPaiFilter() + s.ChanPinFilter() + s.GuiGeFilter(), QString());

        b.product.setCurrentIndex(1);  // 空调 of every brand
        QCOMPARE(Items(b.spec), (QStringList{"所有型号", "KFR-35GW", "KFR-26GW", "KFR-35GW"}));
        QCOMPARE(b.spec.currentIndex(), 0);

        b.brand.setCurrentIndex(1);
        QCOMPARE(Items(b.product), (QStringList{"所有产品", "空调", "冰箱"}));
        QCOMPARE(b.product.currentText(), QStringLiteral("所有产品"));
        QCOMPARE(Items(b.spec), (QStringList{"所有型号", "KFR-35GW", "BCD-216"}));
        QCOMPARE(s.PinPaiFilter(), QStringLiteral("海安"));
        QCOMPARE(s.ChanPinFilter(), QString());
    }

    void fillersWithoutABrandLeaveTheListEmpty()
    {
        Shop t;
        Catalogue(t.db);
        QComboBox box;
        QVERIFY(!FillChanPinCombo(t.db, "", box, true));
        QCOMPARE(box.count(), 0);
        QVERIFY(!FillGuiGeCombo(t.db, "海安", "", box, true));
        QCOMPARE(box.count(), 0);
        QVERIFY(FillCPTypeCombo(t.db, box));
        QCOMPARE(Items(box), QStringList{"大家电"});
        QCOMPARE(box.currentIndex(), -1);
    }

    void emptyCatalogue()
    {
        Shop t;
        Boxes all, plain;
        GoodsSelector withAll(t.ctx, &all.brand, &all.product, &all.spec, GoodsSelector::WithAllEntries);
        GoodsSelector without(t.ctx, &plain.brand, &plain.product, &plain.spec, GoodsSelector::NoAllEntries);
        QCOMPARE(Items(all.brand) + Items(all.product) + Items(all.spec),
                 (QStringList{"所有品牌", "所有产品", "所有型号"}));
        QCOMPARE(plain.brand.count() + plain.product.count() + plain.spec.count(), 0);
    }

    // A refill that fails on a pick is shown in the error box and goes no further.
    void failedRefillIsShown()
    {
        Shop t;
        Catalogue(t.db);
        Boxes b;
        GoodsSelector s(t.ctx, &b.brand, &b.product, &b.spec, GoodsSelector::NoAllEntries);
        QSignalSpy changed(&s, &GoodsSelector::changed);
        t.db.exec("drop table Base_ChanPin");
        b.brand.setCurrentIndex(0);
        QCOMPARE(t.prompts.entries.size(), 1);
        QCOMPARE(t.prompts.entries[0].kind, RecordingPrompts::Entry::Error);
        QVERIFY2(t.prompts.last().contains("Base_ChanPin"), qPrintable(t.prompts.last()));
        QCOMPARE(changed.count(), 0);
    }
};

QTEST_MAIN(TestGoodsSelector)
#include "test_goodsselector.moc"
