// Data routines of system maintenance on a temporary database.

#include "AuditLog.h"
#include "AuditLogStore.h"
#include "AutoBackup.h"
#include "ClosedMonths.h"
#include "BackupStore.h"
#include "ClearDataStore.h"
#include "InitSYSStore.h"
#include "JieQunStore.h"
#include "MaintenanceFixture.h"
#include "MonthKey.h"

#include <QSqlRecord>
#include <QTest>

namespace {

// The closing row of a month.
struct Closing {
    QString JQM;
    double XSE = 0, XSLR = 0, Other_SR = 0, Other_ZC = 0, BenQiLR = 0;
    int ClearState = 0;
};

Closing Row(Database& db, const QString& key)
{
    const RowSet rows = ListJieQun(db, key, key);
    if (rows.isEmpty())
        return {};
    const auto v = [&](const char* column) { return rows.value(0, QString::fromLatin1(column)); };
    return {v("JQM").toString(), v("XSE").toDouble(),      v("XSLR").toDouble(),      v("Other_SR").toDouble(),
            v("Other_ZC").toDouble(), v("BenQiLR").toDouble(), v("ClearState").toInt()};
}

int Count(Database& db, const QString& table, const QString& condition = QStringLiteral("1=1"))
{
    return db.scalar(QStringLiteral("select count(*) from %1 where %2").arg(table, condition)).toInt();
}

}  // namespace

class TestMaintenanceStore : public QObject {
    Q_OBJECT
private slots:
    void monthKeys_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("valid");
        QTest::newRow("one-digit month") << " 2024 " << "5" << "202405" << true;
        QTest::newRow("two-digit month") << "2024" << "12" << "202412" << true;
        QTest::newRow("month 13") << "2024" << "13" << "202413" << false;
        QTest::newRow("month 00") << "2024" << "00" << "202400" << false;
        QTest::newRow("month 0") << "2024" << "0" << "202400" << false;
        QTest::newRow("three-digit year") << "999" << "5" << "99905" << false;
        QTest::newRow("year 1000") << "1000" << "1" << "100001" << true;
        QTest::newRow("empty month") << "2024" << "" << "2024" << false;
    }
    void monthKeys()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, key);
        QCOMPARE(MonthKey(year, month), key);
        QFETCH(bool, valid);
        QCOMPARE(IsValidMonthKey(key), valid);
    }

    // Worked by hand: a sale of 2 at 500 (cost 300 each), a return of 1 at 500 (cost 300), income
    // 200, expense 50 and an entry of another type (30) counting as expense. Sales 1000 - 500 = 500,
    // cost 600 - 300 = 300, profit 200, period profit 200 + 200 - 80 = 320. Rows of April and June
    // stay out.
    void closingFigures()
    {
        TestDb t;
        StockGoods(t);
        AddSale(t.db, "xs240515001", QDate(2024, 5, 15), 2, 500, 0);
        AddSale(t.db, "xt240531001", QDate(2024, 5, 31), 1, 500, 0, ReturnKind);
        AddSale(t.db, "xs240430001", QDate(2024, 4, 30), 1, 999, 0);
        AddSale(t.db, "xs240601001", QDate(2024, 6, 1), 1, 999, 0);
        AddShouZhi(t.db, "sz240501001", "收入", QDate(2024, 5, 1), 200);
        AddShouZhi(t.db, "sz240502001", "支出", QDate(2024, 5, 2), 50);
        AddShouZhi(t.db, "sz240503001", "其他", QDate(2024, 5, 3), 30);
        AddShouZhi(t.db, "sz240601001", "收入", QDate(2024, 6, 1), 1000);
        AddPurchase(t.db, "cg240510001", QDate(2024, 5, 10), 5, 300, 0);

        QCOMPARE(GetJieQunState(t.db, "202405"), 0);
        MakeJieQun(t.db, "202405");
        const Closing r = Row(t.db, "202405");
        QCOMPARE(r.JQM, QStringLiteral("202405"));
        QCOMPARE(r.XSE, 500.0);
        QCOMPARE(r.XSLR, 200.0);
        QCOMPARE(r.Other_SR, 200.0);
        QCOMPARE(r.Other_ZC, 80.0);
        QCOMPARE(r.BenQiLR, 320.0);
        QCOMPARE(r.ClearState, 1);
        QCOMPARE(GetJieQunState(t.db, "202405"), 1);
    }

    void emptyMonthClosesToZeros()
    {
        TestDb t;
        MakeJieQun(t.db, "200801");
        const Closing r = Row(t.db, "200801");
        QCOMPARE(r.JQM, QStringLiteral("200801"));
        QCOMPARE(r.XSE + r.XSLR + r.Other_SR + r.Other_ZC + r.BenQiLR, 0.0);
        QCOMPARE(r.ClearState, 1);
    }

    void reClosingRecomputes()
    {
        TestDb t;
        StockGoods(t);
        AddSale(t.db, "xs240515001", QDate(2024, 5, 15), 2, 500, 0);
        MakeJieQun(t.db, "202405");
        AddShouZhi(t.db, "sz240520001", "收入", QDate(2024, 5, 20), 200);
        ReMakeJieQun(t.db, "202405");
        QCOMPARE(t.count("Log_JieQun"), 1);
        QCOMPARE(Row(t.db, "202405").BenQiLR, 600.0);
    }

    // Business saved or deleted in a closed month marks the month "需重新结存" in the closing list
    // until it is closed again; the same change in a month not closed marks nothing.
    void changeInClosedMonthMarksIt_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("month");  // of the change
        for (const char* change : {"save sale", "save purchase", "delete sale", "delete purchase", "receipt",
                                   "payment", "save entry", "delete entry"}) {
            QTest::newRow(change) << change << "202405";
            QTest::newRow((QByteArray(change) + " in an open month").constData()) << change << "202406";
        }
    }
    void changeInClosedMonthMarksIt()
    {
        QFETCH(QString, change);
        QFETCH(QString, month);
        TestDb t;
        StockGoods(t);
        const QDate day = month == "202405" ? QDate(2024, 5, 20) : QDate(2024, 6, 3);
        AddSale(t.db, "xs001", day, 1, 500, 500);
        AddPurchase(t.db, "cg001", day, 1, 300, 300);
        AddShouZhi(t.db, "sz001", "收入", day, 200);
        MakeJieQun(t.db, "202405");
        QVERIFY(IsMonthClosed(t.db, QDate(2024, 5, 1)));
        QVERIFY(!IsMonthClosed(t.db, QDate(2024, 6, 3)));
        QCOMPARE(ListJieQun(t.db, "202405", "202405").value(0, "JQState").toString(), QString());

        if (change == "save sale")
            AddSale(t.db, "xs002", day, 1, 500, 0);
        else if (change == "save purchase")
            AddPurchase(t.db, "cg002", day, 1, 300, 0);
        else if (change == "delete sale")
            DeleteXiaoShouDocument(t.db, "xs001");
        else if (change == "delete purchase")
            DeleteCaiGouDocument(t.db, "cg001");
        else if (change == "receipt")
            RecordPartPayment(t.db, AccountSide::Receivable, "xs001", 100_yuan, day);
        else if (change == "payment")
            RecordPartPayment(t.db, AccountSide::Payable, "cg001", 100_yuan, day);
        else if (change == "save entry")
            AddShouZhi(t.db, "sz002", "支出", day, 50);
        else
            DeleteShouZhi(t.db, "sz001");

        const QString marked = month == "202405" ? QStringLiteral("需重新结存") : QString();
        QCOMPARE(ListJieQun(t.db, "202405", "202405").value(0, "JQState").toString(), marked);
        ReMakeJieQun(t.db, "202405");
        QCOMPARE(ListJieQun(t.db, "202405", "202405").value(0, "JQState").toString(), QString());
    }

    // The mark shares the fate of its change: a failed save leaves the closing as it was.
    void failedChangeLeavesTheClosingUnmarked()
    {
        TestDb t;
        StockGoods(t);
        MakeJieQun(t.db, "202405");
        BreakTable(t.db, "Log_XiaoShou", "insert");
        QVERIFY_THROWS_EXCEPTION(DbError, AddSale(t.db, "xs001", QDate(2024, 5, 20), 1, 500, 0));
        QCOMPARE(ListJieQun(t.db, "202405", "202405").value(0, "JQState").toString(), QString());
    }

    // A failure while the row is written again leaves the old row in place.
    void failedReClosingKeepsTheRow()
    {
        TestDb t;
        MakeJieQun(t.db, "202405");
        AddShouZhi(t.db, "sz240520001", "收入", QDate(2024, 5, 20), 200);
        BreakTable(t.db, "Log_JieQun", "insert");
        const QString before = Dump(t.db);
        QVERIFY_THROWS_EXCEPTION(DbError, ReMakeJieQun(t.db, "202405"));
        QCOMPARE(Dump(t.db), before);
        QCOMPARE(GetJieQunState(t.db, "202405"), 1);
    }

    void clearedStateAndListing()
    {
        TestDb t;
        for (const char* key : {"202403", "202401", "202402", "202312"})
            MakeJieQun(t.db, key);
        t.db.exec("update Log_JieQun set ClearState=2 where JQM='202402'");
        QCOMPARE(GetJieQunState(t.db, "202402"), 2);
        const RowSet rows = ListJieQun(t.db, "202401", "202403");
        QStringList listed;
        for (int r = 0; r < rows.rowCount(); ++r)
            listed << rows.value(r, "JQM2").toString();
        QCOMPARE(listed, (QStringList{"01", "02", "03"}));
        QVERIFY(ListJieQun(t.db, "202403", "202401").isEmpty());
        QCOMPARE(ListUnclearedJieQun(t.db), (QStringList{"202312", "202401", "202403"}));
    }

    // Clearing May removes exactly May's rows of the five tables; June, the receipts, the stock
    // and the closing rows stay.
    void clearingRemovesExactlyTheMonth()
    {
        TestDb t;
        StockGoods(t);
        AddMonth(t.db, 2024, 5, "05");
        AddMonth(t.db, 2024, 6, "06");
        MakeJieQun(t.db, "202405");
        MakeJieQun(t.db, "202406");
        const Closing closed = Row(t.db, "202405");
        const int stock = t.db.scalar("select ShuLiang from Log_KuCun").toInt();

        ClearMonthData(t.db, "202405");

        for (const char* table : {"Log_XiaoShouDan", "Log_XiaoShou", "Log_CaiGouDan", "Log_CaiGou", "Log_ShouZhi"}) {
            QCOMPARE(Count(t.db, table, "in_date like '2024-05%'"), 0);
            QVERIFY2(Count(t.db, table, "in_date like '2024-06%'") > 0, table);
        }
        QCOMPARE(Count(t.db, "Log_SKGuoCheng"), 2);
        QCOMPARE(t.db.scalar("select ShuLiang from Log_KuCun").toInt(), stock);
        QCOMPARE(GetJieQunState(t.db, "202405"), 2);
        QCOMPARE(GetJieQunState(t.db, "202406"), 1);
        QCOMPARE(Row(t.db, "202405").BenQiLR, closed.BenQiLR);
        QCOMPARE(ListUnclearedJieQun(t.db), QStringList{"202406"});
        const AuditEntry entry = ReadAudit(t.db).last();
        QCOMPARE(entry.action, QString("清除月份数据"));
        QCOMPARE(entry.object, QString("2024年05月"));
        QCOMPARE(entry.before, QString("销售单1张(明细1行), 采购单1张(明细1行), 收支记录2条"));
    }

    void clearingAnEmptyClosedMonth()
    {
        TestDb t;
        MakeJieQun(t.db, "202402");
        ClearMonthData(t.db, "202402");
        QCOMPARE(GetJieQunState(t.db, "202402"), 2);
        QVERIFY(ListUnclearedJieQun(t.db).isEmpty());
    }

    // A failure at the last table leaves the whole month in place, still listed.
    void failedClearingChangesNothing()
    {
        TestDb t;
        StockGoods(t);
        AddMonth(t.db, 2024, 5, "05");
        MakeJieQun(t.db, "202405");
        BreakTable(t.db, "Log_ShouZhi", "delete");
        const QString before = Dump(t.db);
        QVERIFY_THROWS_EXCEPTION(DbError, ClearMonthData(t.db, "202405"));
        QCOMPARE(Dump(t.db), before);
        QCOMPARE(ListUnclearedJieQun(t.db), QStringList{"202405"});
    }

    void owingDocumentsOfAMonth()
    {
        TestDb t;
        StockGoods(t);
        AddMonth(t.db, 2024, 5, "05");
        AddMonth(t.db, 2024, 6, "06");
        AddSale(t.db, "xs240520001", QDate(2024, 5, 20), 1, 500, 0);
        const MonthOwing owing = GetMonthOwing(t.db, "202405");
        QCOMPARE(owing.salesCount, 1);
        QCOMPARE(owing.salesOwed, 600.0);
        QCOMPARE(owing.purchaseCount, 1);
        QCOMPARE(owing.purchaseOwed, 300.0);
        QCOMPARE(GetMonthOwing(t.db, "202407").count(), 0);
    }

    void initialisationGroups_data()
    {
        QTest::addColumn<QVector<InitGroup>>("groups");
        QTest::addColumn<QStringList>("emptied");
        QTest::addColumn<QString>("audited");  // the groups named in the audit log
        QTest::newRow("sales") << QVector<InitGroup>{InitGroup::XS}
                               << QStringList{"Log_XiaoShouDan", "Log_XiaoShou", "Log_SKGuoCheng"} << "销售记录";
        QTest::newRow("purchases") << QVector<InitGroup>{InitGroup::CG}
                                   << QStringList{"Log_CaiGouDan", "Log_CaiGou", "Log_FKGuoCheng"} << "采购记录";
        QTest::newRow("goods") << QVector<InitGroup>{InitGroup::SP}
                               << QStringList{"Base_PinPai", "Base_ChanPin", "Log_KuCun", "Base_CPType", "Log_PanDian", "Base_TiaoMa"}
                               << "商品资料/库存";
        QTest::newRow("entries only") << QVector<InitGroup>{InitGroup::SZ} << QStringList{"Log_ShouZhi"} << "收支记录";
        QTest::newRow("closings and customers") << QVector<InitGroup>{InitGroup::JQ, InitGroup::KH}
                                                << QStringList{"Log_JieQun", "Base_KeHu"} << "客户信息、经营数据结存记录";
        QTest::newRow("nothing") << QVector<InitGroup>{} << QStringList{} << QString();
    }
    // The chosen groups are emptied; every other table keeps its rows.
    void initialisationGroups()
    {
        QFETCH(QVector<InitGroup>, groups);
        QFETCH(QStringList, emptied);
        TestDb t;
        InsertBuiltInAdministrator(t.db);
        t.db.exec("insert into SYS_User(UserName,UserPassword) values('李四','1')");
        InsertDemoData(t.db, QDate(2024, 6, 30));
        MakeJieQun(t.db, "202405");
        t.db.exec("insert into Log_PanDian(PinPai,ChanPin,GuiGe,ShuLiang,ZhangMian) values('北辰','挂机空调','KFR-35GW',1,2)");
        t.db.exec("insert into Base_TiaoMa(TiaoMa,PinPai,ChanPin,GuiGe) values('4006381333931','海岳','海岳十字门冰箱','BCD-470WL')");
        QStringList tables;
        for (InitGroup g : AllInitGroups)
            tables << InitGroupTables(g);
        for (const QString& table : tables)
            QVERIFY2(t.count(table) > 0, qPrintable(table));

        QFETCH(QString, audited);
        const int entries = ReadAudit(t.db).size();

        InitSYS(t.db, groups);

        for (const QString& table : tables)
            QVERIFY2((t.count(table) == 0) == emptied.contains(table), qPrintable(table));
        QCOMPARE(t.count("SYS_User"), 2);
        const QVector<AuditEntry> log = ReadAudit(t.db);
        QCOMPARE(log.size(), entries + (audited.isEmpty() ? 0 : 1));
        if (!audited.isEmpty()) {
            QCOMPARE(log.last().action, QString("系统初始化"));
            QCOMPARE(log.last().object, audited);
        }
    }

    void allGroupsKeepOnlyTheAdministrator()
    {
        TestDb t;
        InsertBuiltInAdministrator(t.db);
        t.db.exec("insert into SYS_User(UserName,UserPassword) values('李四','1')");
        InsertDemoData(t.db, QDate(2024, 6, 30));
        InitSYS(t.db, QVector<InitGroup>(std::begin(AllInitGroups), std::end(AllInitGroups)));
        QCOMPARE(t.db.scalar("select group_concat(UserName) from SYS_User").toString(),
                 QString::fromUtf8(BuiltInAdministrator));
        for (InitGroup g : AllInitGroups)
            for (const QString& table : InitGroupTables(g))
                QCOMPARE(t.count(table), 0);
    }

    // A failure at the last chosen group leaves every table as it was.
    void failedInitialisationChangesNothing()
    {
        TestDb t;
        InsertBuiltInAdministrator(t.db);
        t.db.exec("insert into SYS_User(UserName,UserPassword) values('李四','1')");
        InsertDemoData(t.db, QDate(2024, 6, 30));
        BreakTable(t.db, "Base_KeHu", "delete");
        const QString before = Dump(t.db);
        QVERIFY_THROWS_EXCEPTION(DbError, InitSYS(t.db, {InitGroup::XS, InitGroup::SP, InitGroup::KH, InitGroup::User}));
        QCOMPARE(Dump(t.db), before);
    }

    // The entries of a range of days (the last day whole) and of one action, newest first.
    void auditRows_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("objects");
        QTest::newRow("one day, all") << QDate(2024, 5, 2) << QDate(2024, 5, 2) << "全部" << QStringList{"c", "b"};
        QTest::newRow("whole range") << QDate(2024, 5, 1) << QDate(2024, 5, 3) << "" << QStringList{"d", "c", "b", "a"};
        QTest::newRow("one action") << QDate(2024, 5, 1) << QDate(2024, 5, 3) << "删除用户" << QStringList{"d", "b"};
        QTest::newRow("no such action") << QDate(2024, 5, 1) << QDate(2024, 5, 3) << "x' or '1'='1" << QStringList{};
        QTest::newRow("backward range") << QDate(2024, 5, 3) << QDate(2024, 5, 1) << "" << QStringList{};
    }
    void auditRows()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, action);
        QFETCH(QStringList, objects);
        TestDb t;
        const auto add = [&](const char* time, const char* what, const char* object) {
            t.db.exec("insert into Log_Audit(at_time,operator,action,object) values(:t,'系统管理员',:a,:o)",
                      {{":t", time}, {":a", QString::fromUtf8(what)}, {":o", object}});
        };
        add("2024-05-01 23:59:59", "系统初始化", "a");
        add("2024-05-02 00:00:00", "删除用户", "b");
        add("2024-05-02 23:59:59", "修改用户", "c");
        add("2024-05-03 08:00:00", "删除用户", "d");
        const RowSet rows = AuditRows(t.db, from, to, action);
        QStringList listed;
        for (int r = 0; r < rows.rowCount(); ++r)
            listed << rows.value(r, "object").toString();
        QCOMPARE(listed, objects);
        QCOMPARE(AuditActions(t.db), (QStringList{"删除用户", "系统初始化", "修改用户"}));
    }

    void clearTableRefusesOtherNames()
    {
        TestDb t;
        InsertBuiltInAdministrator(t.db);
        QVERIFY_THROWS_EXCEPTION(DbError, ClearTable(t.db, "SYS_User"));
        QVERIFY_THROWS_EXCEPTION(DbError, ClearTable(t.db, "Base_KeHu; drop table SYS_User"));
        QCOMPARE(t.count("SYS_User"), 1);
    }

    // Another connection holds an open write transaction: the backup is a complete database of
    // this system with the committed rows only.
    void backupIsAConsistentSnapshot()
    {
        TestDb t;
        InsertBuiltInAdministrator(t.db);
        InsertDemoData(t.db, QDate(2024, 6, 30));
        const int sales = t.count("Log_XiaoShouDan");
        Database writer(QStringLiteral("writer"));
        writer.open(t.db.path());
        writer.exec("begin immediate");
        writer.exec("delete from Log_XiaoShouDan");
        writer.exec("insert into Base_KeHu(KeHu) values('未提交')");

        const QString target = t.dir.filePath("DBBack20240630");
        QVector<std::pair<int, int>> steps;
        BackupDatabase(t.db, target, [&](int done, int total) { steps.append({done, total}); });
        writer.exec("rollback");

        QVERIFY(!steps.isEmpty());
        QCOMPARE(steps.last().first, steps.last().second);
        QCOMPARE(CheckBackupFile(target), QString());
        Database copy(QStringLiteral("copy"));
        copy.open(target);
        QCOMPARE(copy.scalar("select count(*) from Log_XiaoShouDan").toInt(), sales);
        QCOMPARE(copy.scalar("select count(*) from Base_KeHu where KeHu='未提交'").toInt(), 0);
        QVERIFY(!QFile::exists(target + ".part"));
    }

    void backupReplacesAnExistingFile()
    {
        TestDb t;
        const QString target = t.dir.filePath("old.data");
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("an older file");
        f.close();
        BackupDatabase(t.db, target);
        QCOMPARE(CheckBackupFile(target), QString());
    }

    void backupToABadPathFails()
    {
        TestDb t;
        QVERIFY_THROWS_EXCEPTION(DbError, BackupDatabase(t.db, t.dir.filePath("no/such/folder/x.data")));
    }

    // One backup a day at most; the newest `keep` stay.
    void automaticBackups()
    {
        TestDb t;
        const QString folder = t.dir.filePath("Data/backup");
        QCOMPARE(MakeAutoBackup(t.db, folder, QDate(2024, 6, 1), 0), QString());
        QVERIFY(AutoBackups(folder).isEmpty());
        for (int day = 1; day <= 4; ++day)
            QVERIFY(!MakeAutoBackup(t.db, folder, QDate(2024, 6, day), 3).isEmpty());
        QCOMPARE(MakeAutoBackup(t.db, folder, QDate(2024, 6, 4), 3), QString());
        QStringList names;
        for (const QString& path : AutoBackups(folder))
            names << QFileInfo(path).fileName();
        QCOMPARE(names, (QStringList{"DBBack20240604.data", "DBBack20240603.data", "DBBack20240602.data"}));
        QCOMPARE(CheckBackupFile(AutoBackups(folder).first()), QString());
    }

    void refusedBackupFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("garbage") << "garbage" << "所选文件不是本系统的数据备份,数据未恢复!";
        QTest::newRow("empty") << "empty" << "所选文件不是本系统的数据备份,数据未恢复!";
        QTest::newRow("foreign SQLite file") << "foreign" << "所选文件不是本系统的数据备份,数据未恢复!";
        QTest::newRow("truncated backup") << "truncated" << "所选备份文件已损坏,数据未恢复!";
        QTest::newRow("newer version") << "newer" << "所选备份来自更新版本的程序,本程序无法使用,数据未恢复!";
    }
    void refusedBackupFiles()
    {
        QFETCH(QString, kind);
        TestDb t;
        InsertBuiltInAdministrator(t.db);
        InsertDemoData(t.db, QDate(2024, 6, 30));
        const QString path = t.dir.filePath("candidate");
        if (kind == "garbage" || kind == "empty") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (kind == "garbage")
                f.write(QByteArray(5000, 'x'));
        } else if (kind == "foreign") {
            Database other(QStringLiteral("foreign"));
            other.open(path);
            other.exec("create table notes(text)");
            other.exec("insert into notes values('hello')");
        } else if (kind == "truncated" || kind == "newer") {
            BackupDatabase(t.db, path);
            if (kind == "newer") {
                Database other(QStringLiteral("newer"));
                other.open(path);
                other.exec(QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion + 1));
            } else {
                QFile f(path);
                QVERIFY(f.resize(f.size() / 2));
            }
        }
        QFETCH(QString, refusal);
        QCOMPARE(CheckBackupFile(path), refusal);
    }
};

QTEST_GUILESS_MAIN(TestMaintenanceStore)
#include "test_maintenancestore.moc"
