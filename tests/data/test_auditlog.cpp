// The audit log: written in the caller's transaction with the signed-in operator; added to the
// files of an earlier version by the schema step.
#include "AuditLog.h"
#include "Schema.h"
#include "TestDb.h"

#include <QDateTime>
#include <QTest>

class TestAuditLog : public QObject {
    Q_OBJECT
private slots:
    void entryCarriesOperatorAndTime()
    {
        TestDb t;
        t.db.setOperator(QStringLiteral("王店员"));
        t.db.clock().setFixed(QDateTime(QDate(2024, 3, 15), QTime(14, 5, 9)));
        WriteAudit(t.db, QStringLiteral("删除单据"), QStringLiteral("xs240315001"), QStringLiteral("金额 1500 元"));
        const QVector<AuditEntry> log = ReadAudit(t.db);
        QCOMPARE(log.size(), 1);
        QCOMPARE(log[0].operatorName, QStringLiteral("王店员"));
        QCOMPARE(log[0].action, QStringLiteral("删除单据"));
        QCOMPARE(log[0].object, QStringLiteral("xs240315001"));
        QCOMPARE(log[0].before, QStringLiteral("金额 1500 元"));
        QCOMPARE(log[0].after, QString(""));
        QCOMPARE(log[0].time, QStringLiteral("2024-03-15 14:05:09"));
    }

    // The entry shares the fate of the change it records.
    void rolledBackWithItsChange()
    {
        TestDb t;
        try {
            Transaction tr(t.db);
            WriteAudit(t.db, QStringLiteral("删除用户"), QStringLiteral("clerk"));
            t.db.exec(QStringLiteral("insert into no_such_table values(1)"));
            tr.commit();
        } catch (const DbError&) {
        }
        QVERIFY(ReadAudit(t.db).isEmpty());
        {
            Transaction tr(t.db);
            WriteAudit(t.db, QStringLiteral("删除用户"), QStringLiteral("clerk"));
            tr.commit();
        }
        QCOMPARE(ReadAudit(t.db).size(), 1);
    }

    // A file of version 2 gets the audit log once; a current file is left as it is.
    void versionStepAddsTheLog()
    {
        TestDb t;
        t.db.exec(QStringLiteral("drop table Log_Audit"));
        t.db.exec(QStringLiteral("drop index IX_CaiGou_goods"));  // and what the later steps add
        t.db.exec(QStringLiteral("alter table Log_KuCun drop column QCShuLiang"));
        for (const char* table : {"Log_XiaoShouDan", "Log_CaiGouDan"})
            for (const char* column : {"SS", "CJ"})
                t.db.exec(QStringLiteral("alter table %1 drop column %2").arg(QLatin1String(table), QLatin1String(column)));
        t.db.exec(QStringLiteral("alter table Log_JieQun drop column Stale"));
        t.db.exec(QStringLiteral("drop table Log_PanDian"));
        t.db.exec(QStringLiteral("drop table Base_TiaoMa"));
        t.db.exec(t.db.engine() == Engine::Sqlite ? QStringLiteral("PRAGMA user_version=2")
                                                  : QStringLiteral("update SYS_Schema set user_version=2"));
        QVERIFY(IsQingLanDatabase(t.db));
        UpgradeSchema(t.db);
        QCOMPARE(StoredSchemaVersion(t.db), SchemaVersion);
        WriteAudit(t.db, QStringLiteral("初始化"), QString());
        UpgradeSchema(t.db);
        QCOMPARE(ReadAudit(t.db).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestAuditLog)
#include "test_auditlog.moc"
