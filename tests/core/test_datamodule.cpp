#include "AppContext.h"
#include "DemoData.h"
#include "Ledger.h"
#include "ProgramDir.h"
#include "Schema.h"
#include "TestDb.h"

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

    // The demonstration shop is made back from the day it is made on: whatever that day, it holds
    // purchase and sales returns, documents still owing, and part payments and receipts of them;
    // and no goods item is sold below nothing.
    void demoDataOnAnyDay_data()
    {
        QTest::addColumn<QDate>("today");
        for (const QDate& d : {QDate(2026, 3, 31), QDate(2026, 5, 2), QDate(2026, 6, 14), QDate(2026, 12, 11),
                               QDate(2024, 2, 29), QDate(2027, 1, 1), QDate(2027, 9, 30)})
            QTest::newRow(qPrintable(d.toString(Qt::ISODate))) << d;
    }

    void demoDataOnAnyDay()
    {
        QFETCH(QDate, today);
        TestDb t;
        InsertDemoData(t.db, today);
        for (const char* what : {"Log_CaiGouDan where dh like 'ct%'", "Log_XiaoShouDan where dh like 'xt%'",
                                 "Log_CaiGouDan where QK>0", "Log_XiaoShouDan where QK>0", "Log_FKGuoCheng",
                                 "Log_SKGuoCheng"})
            QVERIFY2(t.db.scalar(QStringLiteral("select count(*) from ") + QLatin1String(what)).toInt() > 0, what);
        QCOMPARE(t.db.scalar(QStringLiteral("select count(*) from Log_KuCun where ShuLiang < 0")).toInt(), 0);
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

    // A file that cannot serve fails to connect with the reason and its path, and is never
    // written: not a database, another program's database, one made by a newer program, one
    // whose header is whole but whose pages are damaged.
    void refusedFileUntouched_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text") << "text" << "不是本系统的数据库文件";
        QTest::newRow("other sqlite") << "other" << "不是本系统的数据库文件";
        QTest::newRow("newer version") << "newer" << "较新版本";
        QTest::newRow("damaged table page") << "table page" << "已损坏";
        QTest::newRow("damaged index page") << "index page" << "已损坏";
        QTest::newRow("zeroed last page") << "last page" << "已损坏";
        QTest::newRow("damaged table with a quote in its name") << "quoted name" << "已损坏";
    }
    void refusedFileUntouched()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("Data"));
        const QString path = dir.filePath(QStringLiteral("Data/db.data"));
        if (kind == u"text") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("not a database at all, just some text that is long enough");
        } else if (kind == u"other") {
            Database other(QStringLiteral("other"));
            other.open(path);
            other.exec(QStringLiteral("create table t(x)"));
        } else {
            int page = 0;
            {
                AppContext maker(dir.path() + u'/');
                QVERIFY(maker.InitSystem());
                Database& db = maker.db();
                if (kind == u"newer")
                    db.exec(QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion + 1));
                if (kind == u"quoted name") {
                    db.exec(QStringLiteral("create table \"old\"\"copy\"(x)"));
                    db.exec(QStringLiteral("insert into \"old\"\"copy\" values('x')"));
                }
                const char* object = kind == u"table page" ? "Log_XiaoShou"
                    : kind == u"quoted name"               ? "old\"copy"
                                                           : "IX_XiaoShou_dh";
                page = kind == u"last page"
                    ? db.scalar(QStringLiteral("PRAGMA page_count")).toInt()
                    : db.scalar(QStringLiteral("select rootpage from sqlite_master where name=:n"),
                                {{QStringLiteral(":n"), QLatin1String(object)}}).toInt();
            }
            if (kind != u"newer") {
                QVERIFY(page > 1);
                QFile f(path);
                QVERIFY(f.open(QIODevice::ReadWrite));
                QVERIFY(f.seek(qint64(page - 1) * 4096));
                f.write(kind == u"last page" ? QByteArray(4096, '\0') : QByteArray(4096, '\x5a'));
            }
        }
        QFile before(path);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray original = before.readAll();
        before.close();

        AppContext ctx(dir.path() + u'/');
        QString error;
        QVERIFY(!ctx.InitSystem(&error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
        QVERIFY(!ctx.db().isOpen());
        QVERIFY_THROWS_EXCEPTION(DbError, ctx.db().exec(QStringLiteral("select 1")));
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), original);
        QCOMPARE(ConnectFailedText(error), QStringLiteral("数据库连接失败!\n") + error);
    }

    // A session that only reads checks the header alone: it connects to a file with a damaged
    // page, but reading that page fails, nothing can be written and the file stays as it was.
    void readingOnlySessionChecksTheHeader()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("Data"));
        const QString path = dir.filePath(QStringLiteral("Data/db.data"));
        int page = 0;
        {
            AppContext maker(dir.path() + u'/');
            QVERIFY(maker.InitSystem());
            page = maker.db().scalar(QStringLiteral("select rootpage from sqlite_master where name='Log_XiaoShou'")).toInt();
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.seek(qint64(page - 1) * 4096));
        f.write(QByteArray(4096, '\x5a'));
        f.close();
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray original = f.readAll();
        f.close();

        AppContext ctx(dir.path() + u'/');
        ctx.DM.setReadingOnly();
        QString error;
        QVERIFY2(ctx.InitSystem(&error), qPrintable(error));
        QVERIFY_THROWS_EXCEPTION(DbError, ctx.db().scalar(QStringLiteral("select count(*) from Log_XiaoShou not indexed")));
        QVERIFY_THROWS_EXCEPTION(DbError, ctx.db().exec(QStringLiteral("delete from Log_Audit")));
        ctx.db().close();
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), original);
    }

    // The per-user folder serves only when the program's folder is read-only and holds no
    // database; the shop's database in a read-only folder is never swapped for another.
    void choosesProgramFolder_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("hasDatabase");
        QTest::addColumn<bool>("userFolder");
        QTest::addColumn<bool>("installed");
        QTest::newRow("writable") << true << false << false << false;
        QTest::newRow("read-only, no database") << false << false << true << false;
        QTest::newRow("read-only with database") << false << true << false << false;
        QTest::newRow("installed, writable (root)") << true << false << true << true;
    }
    void choosesProgramFolder()
    {
        QFETCH(bool, writable);
        QFETCH(bool, hasDatabase);
        QFETCH(bool, userFolder);
        QFETCH(bool, installed);
        QTemporaryDir app;
        QTemporaryDir user;
        if (hasDatabase) {
            QDir(app.path()).mkdir(QStringLiteral("DATA"));
            QFile f(app.filePath(QStringLiteral("DATA/DB.data")));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(ChooseProgramDir(app.path(), writable, user.path(), installed),
                 (userFolder ? user.path() : app.path()) + u'/');
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
