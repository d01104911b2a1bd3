#include "AppContext.h"
#include "Ledger.h"
#include "Schema.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestDataModule : public QObject {
    Q_OBJECT
private slots:
    // A missing database is created with the schema, the administrator and demonstration data
    // whose stock, costs and amounts owed agree with the documents.
    void createsDatabaseWithDemoData()
    {
        QTemporaryDir dir;
        AppContext ctx(dir.path() + u'/');
        QVERIFY(ctx.InitSystem());
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Data/db.data"))));
        Database& db = ctx.db();
        QVERIFY(IsQingLanDatabase(db));
        QCOMPARE(db.scalar(QStringLiteral("select UserPassword from SYS_User where UserName='系统管理员'")).toString(),
                 QStringLiteral("793"));
        for (const char* table : {"Base_PinPai", "Base_ChanPin", "Base_CPType", "Base_KeHu", "Base_GongYingShang",
                                  "Base_YeYuYuan", "Base_ShouZhi", "Log_KuCun", "Log_CaiGouDan", "Log_ShouZhi",
                                  "Log_SKGuoCheng", "Log_FKGuoCheng"})
            QVERIFY2(db.scalar(QStringLiteral("select count(*) from ") + QLatin1String(table)).toInt() > 0, table);
        QVERIFY(db.scalar(QStringLiteral("select count(*) from Log_XiaoShouDan where dh like 'xt%'")).toInt() > 0);
        QVERIFY(db.scalar(QStringLiteral("select count(*) from Log_CaiGouDan where dh like 'ct%'")).toInt() > 0);
        // every header's totals are the sums of its lines
        QCOMPARE(db.scalar(QStringLiteral(
                     "select count(*) from Log_XiaoShouDan h where h.shuliang <> (select sum(shuliang) from Log_XiaoShou l where l.dh=h.dh) "
                     "or abs(h.jinE - (select sum(jinE) from Log_XiaoShou l where l.dh=h.dh)) > 0.001")).toInt(),
                 0);
        // amounts owed equal the amount less what was received
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from Log_XiaoShouDan where QK < -0.001 and dh like 'xs%'")).toInt(), 0);
        // stock equals the opening stock moved by every document
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from Log_KuCun where ShuLiang < 0")).toInt(), 0);
    }

    // Folder and file names are found without regard to letter case.
    void findsDatabaseInOtherCase()
    {
        QTemporaryDir dir;
        {
            AppContext first(dir.path() + u'/');
            QVERIFY(first.InitSystem());
            first.db().exec(QStringLiteral("insert into Base_CPType(TypeName) values('标记')"));
            first.DM.db().close();
        }
        QVERIFY(QDir(dir.path()).rename(QStringLiteral("Data"), QStringLiteral("DATA")));
        QVERIFY(QFile::rename(dir.filePath(QStringLiteral("DATA/db.data")), dir.filePath(QStringLiteral("DATA/DB.DATA"))));
        AppContext ctx(dir.path() + u'/');
        QVERIFY(ctx.InitSystem());
        QCOMPARE(ctx.db().scalar(QStringLiteral("select count(*) from Base_CPType where TypeName='标记'")).toInt(), 1);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Data/db.data"))));
    }

    // A file that is not this system's database fails to connect and is never overwritten.
    void foreignFileUntouched_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text") << QByteArray("not a database at all, just some text that is long enough");
        QTest::newRow("other sqlite") << QByteArray();
    }
    void foreignFileUntouched()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("Data"));
        const QString path = dir.filePath(QStringLiteral("Data/db.data"));
        if (content.isEmpty()) {
            Database other(QStringLiteral("other"));
            other.open(path);
            other.exec(QStringLiteral("create table t(x)"));
            other.close();
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QFile before(path);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray original = before.readAll();
        before.close();

        AppContext ctx(dir.path() + u'/');
        QString error;
        QVERIFY(!ctx.InitSystem(&error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!ctx.db().isOpen());
        QVERIFY_THROWS_EXCEPTION(DbError, ctx.db().exec(QStringLiteral("select 1")));
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), original);
    }

    // Settings are read afresh on every InitSystem: a change made meanwhile takes effect.
    void initSystemRereadsSettings()
    {
        QTemporaryDir dir;
        AppContext ctx(dir.path() + u'/');
        QVERIFY(ctx.InitSystem());
        QCOMPARE(ctx.GsInfo.GSName, QString());
        TGsInfo info;
        info.GSName = QStringLiteral("晴岚电器商行");
        QVERIFY(WriteGsInfo(ctx.ProgramDir, info));
        QVERIFY(ctx.InitSystem());
        QCOMPARE(ctx.GsInfo.GSName, info.GSName);
        QVERIFY(ctx.db().isOpen());
    }
};

QTEST_GUILESS_MAIN(TestDataModule)
#include "test_datamodule.moc"
