// Unattended work from the command line: each option on a program folder with the demonstration
// data, and the check on a database whose documents disagree.

#include "CheckStore.h"
#include "CommandLine.h"
#include "JieQunStore.h"
#include "RestoreDatabase.h"
#include "app/AppFixture.h"

#include <QTextStream>

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run RunWith(AppFixture& f, const QStringList& options)
{
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    f.context.reset();  // the command line opens the database itself, as a nightly job would
    run.code = RunCommandLine(QStringList{"qinglan"} + options, f.programDir(), out, err);
    f.restart();
    return run;
}

int Sales(AppFixture& f)
{
    return f.ctx().db().scalar("select count(*) from Log_XiaoShouDan").toInt();
}

}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void usage_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("code");
        QTest::newRow("help") << QStringList{"--help"} << 0;
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2;
        QTest::newRow("backup without a file") << QStringList{"--backup"} << 2;
        QTest::newRow("check with an extra word") << QStringList{"--check", "now"} << 2;
        QTest::newRow("month without a dash") << QStringList{"--close-month", "202405"} << 2;
        QTest::newRow("month 13") << QStringList{"--close-month", "2024-13"} << 2;
    }
    void usage()
    {
        QFETCH(QStringList, options);
        QFETCH(int, code);
        AppFixture f;
        const Run run = RunWith(f, options);
        QCOMPARE(run.code, code);
        QVERIFY((code == 0 ? run.out : run.err).contains("YYYY-MM"));
        QVERIFY(IsCommandLine(QStringList{"qinglan"} + options));
    }

    // A backup taken from the command line, the data changed, then restored from the command line.
    void backupAndRestore()
    {
        AppFixture f;
        const int sales = Sales(f);
        const QString backup = f.dir.filePath("nightly.data");
        Run run = RunWith(f, {"--backup", backup});
        QCOMPARE(run.code, 0);
        f.ctx().db().exec("delete from Log_XiaoShouDan");
        run = RunWith(f, {"--restore", backup});
        QCOMPARE(run.code, 0);
        QCOMPARE(Sales(f), sales);
        QVERIFY(QFile::exists(f.ctx().DM.databasePath() + BeforeRestoreSuffix));
    }

    void restoreRefusesAForeignFile()
    {
        AppFixture f;
        const QString foreign = f.dir.filePath("other.data");
        {
            Database other("other");
            other.open(foreign);
            other.exec("create table notes(text)");
        }
        const int sales = Sales(f);
        const Run run = RunWith(f, {"--restore", foreign});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains("不是本系统的数据备份"));
        QCOMPARE(Sales(f), sales);
    }

    void closeMonth()
    {
        AppFixture f;
        Run run = RunWith(f, {"--close-month", "2024-05"});
        QCOMPARE(run.code, 0);
        QCOMPARE(GetJieQunState(f.ctx().db(), "202405"), 1);
        run = RunWith(f, {"--close-month", "2024-05"});
        QCOMPARE(run.code, 0);
        f.ctx().db().exec("update Log_JieQun set ClearState=2");
        run = RunWith(f, {"--close-month", "2024-05"});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains("无法重新结存"));
    }

    // The demonstration data agrees with itself; a header whose total no longer matches its lines
    // and a line without its document are reported.
    void check()
    {
        AppFixture f;
        QCOMPARE(RunWith(f, {"--check"}).code, 0);
        Database& db = f.ctx().db();
        const QString dh = db.scalar("select dh from Log_XiaoShouDan order by dh").toString();
        db.exec("update Log_XiaoShouDan set jinE=jinE+1 where dh=:dh", {{":dh", dh}});
        db.exec("insert into Log_CaiGou(dh,shuliang,jinE) values('cg000000999',1,10)");
        const QStringList faults = CheckDatabase(db);
        QCOMPARE(faults.size(), 2);
        QVERIFY(faults[0].contains(dh));
        QVERIFY(faults[1].contains("cg000000999"));
        const Run run = RunWith(f, {"--check"});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains(dh));
    }
};

QL_APP_TEST_MAIN(TestCommandLine)
#include "test_commandline.moc"
