#include "Records.h"
#include "Schema.h"
#include "TestDb.h"

#include <QTest>

namespace {

QStringList Rows(Database& db, const QString& sql)
{
    QSqlQuery q = db.exec(sql);
    QStringList rows;
    while (q.next())
        rows << q.value(0).toString() + u' ' + q.value(1).toString() + u' ' + q.value(2).toString() + u' '
                    + q.value(3).toString();
    return rows;
}

// Every table's columns and every index as the engine describes them.
QStringList SchemaRows(Database& db)
{
    if (db.engine() == Engine::Sqlite)
        return Rows(db, QStringLiteral("select type,name,tbl_name,sql from sqlite_master order by name"));
    return Rows(db, QStringLiteral("select table_name,column_name,data_type,column_default from information_schema.columns "
                                   "where table_schema='public' order by table_name,column_name"))
        + Rows(db, QStringLiteral("select tablename,indexname,indexdef,'' from pg_indexes where schemaname='public' "
                                  "order by indexname"));
}

// Stamps the database with an earlier schema version, as a program of that version left it.
void SetStoredVersion(Database& db, int version)
{
    db.exec(db.engine() == Engine::Sqlite ? QStringLiteral("PRAGMA user_version=%1").arg(version)
                                          : QStringLiteral("update SYS_Schema set user_version=%1").arg(version));
}

}  // namespace

class TestSchema : public QObject {
    Q_OBJECT
private slots:
    void everyTableExists()
    {
        TestDb t;
        const char* tables[] = {"Log_XiaoShouDan", "Log_XiaoShou", "Log_CaiGouDan", "Log_CaiGou",
                                "Log_KuCun", "Log_ShouZhi", "Log_SKGuoCheng", "Log_FKGuoCheng",
                                "Log_JieQun", "Base_PinPai", "Base_ChanPin", "Base_CPType",
                                "Base_KeHu", "Base_GongYingShang", "Base_YeYuYuan", "Base_ShouZhi",
                                "SYS_User", "Log_Audit", "Log_PanDian", "Base_TiaoMa"};
        for (const char* table : tables)
            QCOMPARE(t.count(QString::fromLatin1(table)), 0);
        QVERIFY(IsQingLanDatabase(t.db));
    }

    // Column names and text values compare without regard to letter case.
    // An engine error reaches the operator with a Chinese explanation before the engine's text.
    void engineErrorsExplained()
    {
        TestDb t;
        t.db.exec(QStringLiteral("insert into Base_CPType(TypeName) values('空调')"));
        try {
            t.db.exec(QStringLiteral("insert into Base_CPType(TypeName) values('空调')"));
            QFAIL("a duplicate was accepted");
        } catch (const DbError& e) {
            QVERIFY2(e.text().startsWith(QStringLiteral("数据库操作失败，本次操作没有完成。")), qPrintable(e.text()));
            QVERIFY2(e.text().contains(QLatin1String("UNIQUE"), Qt::CaseInsensitive), qPrintable(e.text()));
        }
    }

    void caseInsensitive()
    {
        TestDb t;
        t.addGoods(QStringLiteral("Haian"), QStringLiteral("AC"), QStringLiteral("kfr-35"), 3, 10);
        QCOMPARE(t.db.scalar(QStringLiteral("select shuliang from log_kucun where pinpai='HAIAN' and GUIGE='KFR-35'")).toInt(), 3);
        InsertBuiltInAdministrator(t.db);
        t.db.exec(QStringLiteral("insert into SYS_User(UserName,UserPassword) values('lisi','abc')"));
        QCOMPARE(t.db.scalar(QStringLiteral("select UserName from SYS_User where UserName=:u and UserPassword=:p"),
                             {{QStringLiteral(":u"), QStringLiteral("LISI")}, {QStringLiteral(":p"), QStringLiteral("ABC")}})
                     .toString(),
                 QStringLiteral("lisi"));
    }

    // A database of the first version gets the indexes of the open documents, the audit log and the
    // current version, the goods items taking as opening quantity what their lines do not explain;
    // afterwards its schema is that of a new file.
    void upgradeFromFirstVersion()
    {
        TestDb fresh;
        TestDb old;
        for (const char* index : {"IX_XiaoShouDan_open", "IX_XiaoShouDan_open_KeHu", "IX_CaiGouDan_open",
                                  "IX_CaiGouDan_open_GYS"})
            old.db.exec(QStringLiteral("drop index ") + QLatin1String(index));
        old.db.exec(QStringLiteral("drop table Log_Audit"));
        old.db.exec(QStringLiteral("drop index IX_CaiGou_goods"));
        old.db.exec(QStringLiteral("alter table Log_KuCun drop column QCShuLiang"));
        for (const char* table : {"Log_XiaoShouDan", "Log_CaiGouDan"})
            for (const char* column : {"SS", "CJ"})
                old.db.exec(QStringLiteral("alter table %1 drop column %2").arg(QLatin1String(table), QLatin1String(column)));
        old.db.exec(QStringLiteral("alter table Log_JieQun drop column Stale"));
        old.db.exec(QStringLiteral("drop table Log_PanDian"));
        old.db.exec(QStringLiteral("drop table Base_TiaoMa"));
        SetStoredVersion(old.db, 1);
        // 10 in stock after 5 bought and 2 sold: 7 of them were there before the lines.
        old.db.exec(QStringLiteral("insert into Log_KuCun(PinPai,ChanPin,GuiGe,ShuLiang) values('A','B','c',10)"));
        old.db.exec(QStringLiteral("insert into Log_CaiGou(dh,PinPai,chanpin,guige,shuliang) values('cg1','a','b','C',5)"));
        old.db.exec(QStringLiteral("insert into Log_XiaoShou(dh,PinPai,chanpin,guige,shuliang) values('xs1','A','B','c',2)"));
        QVERIFY(IsQingLanDatabase(old.db));
        UpgradeSchema(old.db);
        QCOMPARE(StoredSchemaVersion(old.db), SchemaVersion);
        QCOMPARE(old.db.scalar(QStringLiteral("select QCShuLiang from Log_KuCun")).toInt(), 7);
        QCOMPARE(SchemaRows(old.db), SchemaRows(fresh.db));
        UpgradeSchema(old.db);
        QCOMPARE(SchemaRows(old.db), SchemaRows(fresh.db));
    }

    // A database of version 4 keeps only the receipts of its open documents: they become what the
    // receipts took off, the rest of what is no longer owed what was paid when saving.
    void upgradeFillsWhatWasPaid()
    {
        TestDb old;
        for (const char* table : {"Log_XiaoShouDan", "Log_CaiGouDan"})
            for (const char* column : {"SS", "CJ"})
                old.db.exec(QStringLiteral("alter table %1 drop column %2").arg(QLatin1String(table), QLatin1String(column)));
        old.db.exec(QStringLiteral("alter table Log_JieQun drop column Stale"));
        old.db.exec(QStringLiteral("drop table Log_PanDian"));
        old.db.exec(QStringLiteral("drop table Base_TiaoMa"));
        SetStoredVersion(old.db, 4);
        // 1000, 200 paid when saved, receipts of 300 and 99.5: owes 400.5.
        old.db.exec(QStringLiteral("insert into Log_XiaoShouDan(dh,jinE,QK) values('xs1',1000,400.5),('xs2',500,0),('xt1',-300,-100)"));
        old.db.exec(QStringLiteral("insert into Log_SKGuoCheng(DH,JinE) values('xs1',300),('XS1',99.5),('xt1',-50)"));
        old.db.exec(QStringLiteral("insert into Log_CaiGouDan(dh,jinE,QK) values('cg1',650,49.5)"));
        UpgradeSchema(old.db);
        const auto figures = [&](const char* table) {
            QStringList rows;
            QSqlQuery q = old.db.exec(QStringLiteral("select dh,SS,CJ from %1 order by dh").arg(QLatin1String(table)));
            while (q.next())
                rows << QStringLiteral("%1 %2 %3").arg(q.value(0).toString()).arg(q.value(1).toDouble()).arg(q.value(2).toDouble());
            return rows;
        };
        QCOMPARE(figures("Log_XiaoShouDan"), (QStringList{"xs1 200 399.5", "xs2 500 0", "xt1 -150 -50"}));
        QCOMPARE(figures("Log_CaiGouDan"), (QStringList{"cg1 600.5 0"}));
    }

    void administratorHasEveryFlag()
    {
        TestDb t;
        InsertBuiltInAdministrator(t.db);
        QSqlQuery q = t.db.exec(QStringLiteral("select * from SYS_User"));
        QVERIFY(q.next());
        QCOMPARE(q.value(QStringLiteral("UserName")).toString(), QStringLiteral("系统管理员"));
        QCOMPARE(q.value(QStringLiteral("UserPassword")).toString(), QStringLiteral("793"));
        for (const char* flag : PermissionNames)
            QCOMPARE(q.value(QString::fromLatin1(flag)).toInt(), 1);
    }

    void uniqueness_data()
    {
        QTest::addColumn<QString>("insert");
        QTest::newRow("sales number") << "insert into Log_XiaoShouDan(dh) values('XS240501001')";
        QTest::newRow("purchase number") << "insert into Log_CaiGouDan(dh) values('CG240501001')";
        QTest::newRow("entry number") << "insert into Log_ShouZhi(dh) values('SZ240501001')";
        QTest::newRow("goods key") << "insert into Log_KuCun(PinPai,ChanPin,GuiGe) values('A','B','c')";
        QTest::newRow("brand") << "insert into Base_PinPai(PinPai) values('a')";
        QTest::newRow("product of brand") << "insert into Base_ChanPin(PinPai,ChanPin) values('A','b')";
        QTest::newRow("customer") << "insert into Base_KeHu(KeHu) values('Zhang')";
        QTest::newRow("month") << "insert into Log_JieQun(JQM) values('202405')";
        QTest::newRow("user") << "insert into SYS_User(UserName) values('LISI')";
    }
    void uniqueness()
    {
        QFETCH(QString, insert);
        TestDb t;
        const char* first[] = {
            "insert into Log_XiaoShouDan(dh) values('xs240501001')",
            "insert into Log_CaiGouDan(dh) values('cg240501001')",
            "insert into Log_ShouZhi(dh) values('sz240501001')",
            "insert into Log_KuCun(PinPai,ChanPin,GuiGe) values('a','b','C')",
            "insert into Base_PinPai(PinPai) values('A')",
            "insert into Base_ChanPin(PinPai,ChanPin) values('a','B')",
            "insert into Base_KeHu(KeHu) values('zhang')",
            "insert into Log_JieQun(JQM) values('202405')",
            "insert into SYS_User(UserName) values('lisi')",
        };
        for (const char* s : first)
            t.db.exec(QString::fromLatin1(s));
        QVERIFY_THROWS_EXCEPTION(DbError, t.db.exec(insert));
    }

    // A product name may repeat under another brand.
    void productUniqueOnlyWithinBrand()
    {
        TestDb t;
        t.db.exec(QStringLiteral("insert into Base_ChanPin(PinPai,ChanPin) values('A','TV')"));
        t.db.exec(QStringLiteral("insert into Base_ChanPin(PinPai,ChanPin) values('B','TV')"));
        QCOMPARE(t.count(QStringLiteral("Base_ChanPin")), 2);
    }

    void transactionRollsBackOnError()
    {
        TestDb t;
        try {
            Transaction tr(t.db);
            t.db.exec(QStringLiteral("insert into Base_PinPai(PinPai) values('A')"));
            {
                Transaction inner(t.db);
                t.db.exec(QStringLiteral("insert into Base_PinPai(PinPai) values('B')"));
                inner.commit();
            }
            t.db.exec(QStringLiteral("insert into no_such_table values(1)"));
            tr.commit();
            QFAIL("the statement should have failed");
        } catch (const DbError& e) {
            QVERIFY(e.text().contains(QStringLiteral("no_such_table")));
        }
        QCOMPARE(t.count(QStringLiteral("Base_PinPai")), 0);
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "test_schema.moc"
