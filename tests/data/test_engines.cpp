// The statements that read and write the shop behave alike on SQLite and on the PostgreSQL server
// (run once per engine: test_engines and test_engines_pg).

#include "ChineseOrder.h"
#include "TestDb.h"

#include <QtTest>
#include <algorithm>

class TestEngines : public QObject {
    Q_OBJECT

private slots:
    // Names sort in pinyin order of their common characters (then the rarer ones), ASCII letter
    // case ignored, digits and Latin letters before Chinese: the same order on either engine,
    // which is that of the comparison the SQLite connection registers.
    void chineseOrder()
    {
        TestDb t;
        const QStringList stored{"北辰加湿器", "b", "北辰挂机空调", "A", "雪峰", "北辰冷柜", "澳柯玛", "阿里",
                                 "张三", "章鱼", "长虹", "重庆家电", "鑫源", "蟊贼", "Zeta", "zeta2", "9号",
                                 "10号", "a-1", "a_1", "（新）海岚", "海岚", "海岚冰箱", "𠀀字", "ＡＢＣ"};
        for (const QString& name : stored)
            t.db.exec(QStringLiteral("insert into Base_PinPai(PinPai) values(:p)"), {{QStringLiteral(":p"), name}});
        QSqlQuery q = t.db.exec(QStringLiteral("select PinPai from Base_PinPai order by ") + t.db.chineseOrder(QStringLiteral("PinPai"))
                                + QStringLiteral(", autoid"));
        QStringList names;
        while (q.next())
            names << q.value(0).toString();
        QStringList expected = stored;
        std::stable_sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) {
            return CompareChinese(a.toStdString(), b.toStdString()) < 0;
        });
        QCOMPARE(names, expected);
        QCOMPARE(names.mid(0, 4), (QStringList{"10号", "9号", "A", "a-1"}));
        QVERIFY(names.indexOf("阿里") < names.indexOf("澳柯玛") && names.indexOf("北辰挂机空调") < names.indexOf("北辰加湿器"));
    }

    // Names are one whatever the letter case: unique, found and grouped without regard to it.
    void caseIgnored()
    {
        TestDb t;
        t.db.exec(QStringLiteral("insert into Base_KeHu(KeHu) values('Haier Store')"));
        QVERIFY_THROWS_EXCEPTION(DbError, t.db.exec(QStringLiteral("insert into Base_KeHu(KeHu) values('HAIER store')")));
        QCOMPARE(t.db.scalar(QStringLiteral("select count(*) from Base_KeHu where KeHu='haier STORE'")).toInt(), 1);
        QCOMPARE(t.db.scalar(QStringLiteral("select count(*) from Base_KeHu where ") + ContainsCondition(QStringLiteral("KeHu"), QStringLiteral(":t")),
                             {{QStringLiteral(":t"), LikeEscaped(QStringLiteral("ER ST"))}})
                     .toInt(),
                 1);
        QCOMPARE(t.db.scalar(QStringLiteral("select count(*) from Base_KeHu where ") + ContainsCondition(QStringLiteral("KeHu"), QStringLiteral(":t")),
                             {{QStringLiteral(":t"), LikeEscaped(QStringLiteral("r_s"))}})
                     .toInt(),
                 0);
    }

    // round(x, 2) rounds halves away from zero on both engines; sums of amounts come back as numbers.
    void roundingAndSums()
    {
        TestDb t;
        const std::pair<double, double> cases[] = {{0.125, 0.13}, {-0.125, -0.13}, {2.675, 2.68}, {1999.994, 1999.99}, {0.0, 0.0}};
        for (const auto& [value, rounded] : cases)
            QCOMPARE(t.db.scalar(QStringLiteral("select round(:v,2)"), {{QStringLiteral(":v"), value}}).toDouble(), rounded);
        t.db.exec(QStringLiteral("insert into Log_ShouZhi(dh,type,in_date,Item,JinE) values('QT1','收入','2024-05-01','租金',0.1),"
                                 "('QT2','收入','2024-05-01','租金',0.2)"));
        QCOMPARE(t.db.scalar(QStringLiteral("select round(sum(JinE),2) from Log_ShouZhi")).toDouble(), 0.3);
        QCOMPARE(t.db.scalar(QStringLiteral("select dh from Log_ShouZhi order by rowid desc limit 1")).toString(), QStringLiteral("QT2"));
    }
};

QTEST_GUILESS_MAIN(TestEngines)
#include "test_engines.moc"
