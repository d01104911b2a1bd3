// Unattended work from the command line: each option on a program folder with the demonstration
// data, and the check on a database whose documents disagree.

#include "AuditLog.h"
#include "CheckStore.h"
#include "CommandLine.h"
#include "ExportableReports.h"
#include "FullDisk.h"
#include "JieQunStore.h"
#include "NumberText.h"
#include "ReportExport.h"
#include "RestoreDatabase.h"
#include "ShopCopy.h"
#include "TableFile.h"
#include "app/AppFixture.h"

#include <QSqlRecord>
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

// Every row of every table but the audit log, in key order, as text: equal on two databases of
// either engine when they hold the same shop.
QStringList ShopRows(Database& db)
{
    QStringList rows;
    for (const QString& table : ShopTables(db)) {
        if (table.compare("Log_Audit", Qt::CaseInsensitive) == 0)
            continue;
        const bool numbered = db.handle().record(table).indexOf("autoid") >= 0;
        QSqlQuery q = db.exec(QStringLiteral("select * from %1 order by %2").arg(table, numbered ? "autoid" : "rowid"));
        while (q.next()) {
            QStringList values{table.toLower()};
            for (int c = 0; c < q.record().count(); ++c)
                if (q.record().fieldName(c).compare("rowid", Qt::CaseInsensitive) != 0)
                    values << q.value(c).toString();
            rows << values.join(u'|');
        }
    }
    return rows;
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
        const QStringList range{"--from", "2024-01-01", "--to", "2024-12-31"};
        QTest::newRow("export of no such report") << QStringList{"--export", "nothing", "--out", "a.pdf"} + range << 2;
        QTest::newRow("export without a file") << QStringList{"--export", "sales"} + range << 2;
        QTest::newRow("export to a picture") << QStringList{"--export", "sales", "--out", "a.png"} + range << 2;
        QTest::newRow("export without dates") << QStringList{"--export", "sales", "--out", "a.pdf"} << 2;
        QTest::newRow("export of a backward range")
            << QStringList{"--export", "sales", "--out", "a.pdf", "--from", "2024-02-01", "--to", "2024-01-01"} << 2;
        QTest::newRow("export of one brand without it")
            << QStringList{"--export", "profit-products", "--out", "a.pdf"} + range << 2;
        QTest::newRow("export with an option twice")
            << QStringList{"--export", "stock", "--out", "a.pdf", "--out", "b.pdf"} << 2;
        QTest::newRow("export option after another action") << QStringList{"--check", "--out", "a.pdf"} << 2;
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
    // On a server the backup is a database file too, row for row what the server held.
    void backupAndRestore()
    {
        AppFixture f;
        const int sales = Sales(f);
        const QStringList shop = ShopRows(f.ctx().db());
        const QString backup = f.dir.filePath("nightly.data");
        Run run = RunWith(f, {"--backup", backup});
        QCOMPARE(run.code, 0);
        Database copy("backup-file");
        copy.open(backup);
        QCOMPARE(ShopRows(copy), shop);
        copy.close();
        f.ctx().db().exec("delete from Log_XiaoShouDan");
        f.ctx().db().exec("insert into Base_KeHu(KeHu) values('备份后的客户')");
        run = RunWith(f, {"--restore", backup});
        QCOMPARE(run.code, 0);
        QCOMPARE(Sales(f), sales);
        QCOMPARE(ShopRows(f.ctx().db()), shop);
        QVERIFY(QFile::exists(f.ctx().DM.databasePath() + BeforeRestoreSuffix));
        // The restored database says who restored it, from which file.
        const AuditEntry entry = ReadAudit(f.ctx().db()).last();
        QCOMPARE(entry.action, QString("恢复数据库"));
        QCOMPARE(entry.object, QDir::toNativeSeparators(backup));
        QVERIFY(entry.operatorName.startsWith("命令行"));
    }

    // A file that cannot be restored is refused with its true reason; the data stay.
    void restoreRefuses_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("reason");
        QTest::newRow("another program's database") << true << "不是本系统的数据备份";
        QTest::newRow("no such file") << false << "备份文件不存在";
    }
    void restoreRefuses()
    {
        QFETCH(bool, exists);
        QFETCH(QString, reason);
        AppFixture f;
        const QString file = f.dir.filePath("other.data");
        if (exists) {
            Database other("other");
            other.open(file);
            other.exec("create table notes(text)");
        }
        const int sales = Sales(f);
        const Run run = RunWith(f, {"--restore", file});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(reason), qPrintable(run.err));
        QVERIFY(!run.err.contains("磁盘"));
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

    // Each report written from the command line is a PDF; a report of one brand or product takes
    // one that was sold, a document's printout a return (sales) or a purchase.
    void exportPdf_data()
    {
        QTest::addColumn<QString>("report");
        for (const ExportableReport& report : ExportableReports())
            QTest::newRow(report.name) << QString::fromLatin1(report.name);
    }
    void exportPdf()
    {
        QFETCH(QString, report);
        AppFixture f;
        QSqlQuery sold = f.ctx().db().exec("select PinPai, chanpin from Log_XiaoShou order by autoid");
        QVERIFY(sold.next());
        const QString number =
            f.ctx().db().scalar(report == "purchase-document" ? "select min(dh) from Log_CaiGouDan"
                                                              : "select min(dh) from Log_XiaoShouDan where dh like 'xt%'")
                .toString();
        QVERIFY(!number.isEmpty());
        const QString pdf = f.dir.filePath("report.pdf");
        const QDate today(2026, 3, 18);  // the fixture's today, where the demonstration data ends
        const Run run = RunWith(f, {"--export", report, "--from", today.addYears(-1).toString(Qt::ISODate), "--to",
                                    today.toString(Qt::ISODate), "--brand", sold.value(0).toString(), "--product",
                                    sold.value(1).toString(), "--number", number, "--out", pdf});
        QCOMPARE(run.code, 0);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
    }

    // The rows of a report in a workbook or a CSV file: the printed column captions, one row per
    // document of the range with its figures.
    void exportRows_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("workbook") << "sales.xlsx";
        QTest::newRow("csv") << "sales.csv";
    }
    void exportRows()
    {
        QFETCH(QString, file);
        AppFixture f;
        const QDate to(2026, 3, 18);  // the fixture's today, where the demonstration data ends
        const QDate from = to.addMonths(-2);
        const QString path = f.dir.filePath(file);
        const int documents = f.ctx().db().scalar("select count(*) from Log_XiaoShouDan where in_date between :from and :to",
                                                  {{":from", SqlDate(from)}, {":to", SqlDate(to)}}).toInt();
        QVERIFY(documents > 0);
        const Run run = RunWith(f, {"--export", "sales", "--from", from.toString(Qt::ISODate), "--to",
                                    to.toString(Qt::ISODate), "--out", path});
        QCOMPARE(run.code, 0);
        const QVector<QStringList> cells = ReadTableFile(path);
        QCOMPARE(cells.size(), documents + 1);
        QVERIFY2(cells[0].join(u'|').contains("客户"), qPrintable(cells[0].join(u'|')));
        const int dh = int(cells[0].indexOf("单号"));
        QVERIFY(dh >= 0);
        QVERIFY(cells[1][dh].startsWith("xs") || cells[1][dh].startsWith("xt"));
    }

    // Every row of a long list is written as it is read: the file holds the rows the report reads,
    // with the printed captions, in both kinds of sheet file.
    void exportedRowsAreTheReportRows_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("file");
        QTest::newRow("sales, csv") << "sales" << "rows.csv";
        QTest::newRow("profit by document, csv") << "profit-documents" << "rows.csv";
        QTest::newRow("purchase returns, workbook") << "purchase-returns" << "rows.xlsx";
        QTest::newRow("profit by document, workbook") << "profit-documents" << "rows.xlsx";
    }
    void exportedRowsAreTheReportRows()
    {
        QFETCH(QString, report);
        QFETCH(QString, file);
        AppFixture f;
        const ExportableReport& r = *FindExportableReport(report);
        const ReportArguments args{QDate::currentDate().addYears(-1), QDate::currentDate(), {}, {}, {}};
        const ReportRequest whole = ExportableReportRequest(f.ctx().db(), f.ctx().GsInfo, r, args);
        const ExportTable read = ReportExportTable(ReportFormLayout(r.form), whole.prepare().master);
        QVERIFY(read.rows.size() > 1);
        const QString path = f.dir.filePath(file);
        const Run run = RunWith(f, {"--export", report, "--from", args.from.toString(Qt::ISODate), "--to",
                                    args.to.toString(Qt::ISODate), "--out", path});
        QCOMPARE(run.code, 0);
        const QVector<QStringList> cells = ReadTableFile(path);
        QCOMPARE(cells.value(0), read.header);
        QCOMPARE(cells.mid(1), read.rows);
    }

    // On a full disk nothing is written: the command says why and fails, and no file (not even a
    // part of one) is left.
    void fullDisk_data()
    {
        QTest::addColumn<QStringList>("options");
        const QStringList sales{"--export", "sales", "--from", QDate::currentDate().addYears(-1).toString(Qt::ISODate),
                                "--to", QDate::currentDate().toString(Qt::ISODate), "--out"};
        QTest::newRow("pdf") << sales + QStringList{"sales.pdf"};
        QTest::newRow("workbook") << sales + QStringList{"sales.xlsx"};
        QTest::newRow("csv") << sales + QStringList{"sales.csv"};
        QTest::newRow("backup") << QStringList{"--backup", "nightly.data"};
    }
    void fullDisk()
    {
        QFETCH(QStringList, options);
        AppFixture f;
        FullDisk disk;
        QVERIFY2(disk.ready(), qPrintable(disk.error()));
        options.last() = disk.filePath(options.last());
        const Run run = RunWith(f, options);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("无法写入文件 %1：磁盘空间不足").arg(options.last())), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(disk.files(), QStringList());
    }

    // The printout's title and totals are the window's: the company name or the range, and the
    // sums of the listed rows to the cent (returns as positive figures).
    void exportLabels_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("total");
        QTest::newRow("sales") << "sales" << "晴岚测试电器销售查询" << "SumJEQRLabel"
                               << "select sum(round(jinE,2)) from Log_XiaoShouDan where in_date between :from and :to";
        QTest::newRow("sales returns")
            << "sales-returns" << "晴岚测试电器销售退货查询" << "SumJEQRLabel"
            << "select -sum(round(jinE,2)) from Log_XiaoShouDan where in_date between :from and :to and dh like 'xt%'";
        QTest::newRow("receivables") << "receivables" << "销售应收款报表" << "SumQKQRLabel"
                                     << "select sum(round(QK,2)) from Log_XiaoShouDan where QK<>0";
        QTest::newRow("profit by goods")
            << "profit-goods" << "%1至%2销售利润报表" << "SumJEQRLabel"
            << "select sum(round(jinE,2)) from Log_XiaoShou where in_date between :from and :to";
    }
    void exportLabels()
    {
        QFETCH(QString, report);
        QFETCH(QString, title);
        QFETCH(QString, label);
        QFETCH(QString, total);
        AppFixture f;
        f.ctx().GsInfo.GSName = "晴岚测试电器";
        const QDate to(2026, 3, 18);  // the fixture's today, where the demonstration data ends
        const QDate from = to.addMonths(-3);
        const ReportRequest r =
            ExportableReportRequest(f.ctx().db(), f.ctx().GsInfo, *FindExportableReport(report), {from, to, {}, {}, {}});
        QCOMPARE(r.labels.value("TitleQRLabel"), title.arg(from.toString(Qt::ISODate), to.toString(Qt::ISODate)));
        const double expected =
            f.ctx().db().scalar(total, {{":from", SqlDate(from)}, {":to", SqlDate(to)}}).toDouble();
        QVERIFY(expected > 0);
        QCOMPARE(r.labels.value(label), YuanText(expected));
    }

    // A document's printout is the one its query window prints: a return with positive figures,
    // the customer's address and phone, its lines; a number no document has is refused.
    void exportDocument()
    {
        AppFixture f;
        f.ctx().GsInfo.GSName = "晴岚测试电器";
        Database& db = f.ctx().db();
        const QString dh = db.scalar("select min(dh) from Log_XiaoShouDan where dh like 'xt%'").toString();
        QSqlQuery header = db.exec("select KeHu, KeHuPhone, shuliang, jinE from Log_XiaoShouDan where dh=:dh", {{":dh", dh}});
        QVERIFY(header.next());
        ReportArguments args;
        args.number = dh;
        const ReportRequest r = ExportableReportRequest(db, f.ctx().GsInfo, *FindExportableReport("sales-document"), args);
        QCOMPARE(r.form, ReportForm::XSDJ);
        QCOMPARE(r.labels.value("CaptionQRLabel"), QString("晴岚测试电器销售退货单"));
        QCOMPARE(r.labels.value("DHQRLabel"), dh);
        QCOMPARE(r.labels.value("KHQRLabel"), header.value(0).toString());
        QCOMPARE(r.labels.value("PhoneQRLabel"), header.value(1).toString());
        QCOMPARE(r.labels.value("SumSLQRLabel"), QString::number(-header.value(2).toInt()));
        QCOMPARE(r.labels.value("SumJEQRLabel"), FormatMoney(-header.value(3).toDouble()));
        QCOMPARE(r.prepare().master.rowCount(), db.scalar("select count(*) from Log_XiaoShou where dh=:dh", {{":dh", dh}}).toInt());

        const QString pdf = f.dir.filePath("document.pdf");
        Run run = RunWith(f, {"--export", "purchase-document", "--number", "cg000000999", "--out", pdf});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains("cg000000999 不存在"), qPrintable(run.err));
        QVERIFY(!QFile::exists(pdf));
        run = RunWith(f, {"--export", "sales-document", "--out", pdf});
        QCOMPARE(run.code, 2);
        QVERIFY(run.err.contains("需要 --number"));
    }

    void check_data()
    {
        QTest::addColumn<QString>("named");   // select of the name the faults must give
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("faults");
        const QString firstSale = "(select dh from Log_XiaoShouDan order by dh limit 1)";
        QTest::newRow("header total differs from its lines")
            << "select " + firstSale << "update Log_XiaoShouDan set jinE=jinE+1 where dh=" + firstSale << 2;
        QTest::newRow("line without its document")
            << "select 'cg000000999'" << "insert into Log_CaiGou(dh,shuliang,jinE) values('cg000000999',1,10)" << 1;
        // The opening quantity moves with it, so the stock still agrees with the lines.
        QTest::newRow("stock below nothing")
            << "select PinPai||'/'||ChanPin||'/'||GuiGe from Log_KuCun order by autoid limit 1"
            << "update Log_KuCun set QCShuLiang=QCShuLiang-ShuLiang-2, ShuLiang=-2 "
               "where autoid=(select min(autoid) from Log_KuCun)"
            << 1;
        // As a window writing back the amount owed it showed before another took a receipt.
        const QString received = "(select dh from Log_XiaoShouDan where CJ<>0 order by dh limit 1)";
        QTest::newRow("receipt lost from an amount owed")
            << "select " + received << "update Log_XiaoShouDan set QK=QK+CJ where dh=" + received << 1;
    }

    // The demonstration data agrees with itself; each kind of damage is reported, naming the
    // document or goods item, and the command fails.
    void check()
    {
        QFETCH(QString, named);
        QFETCH(QString, damage);
        QFETCH(int, faults);
        AppFixture f;
        QCOMPARE(RunWith(f, {"--check"}).code, 0);
        Database& db = f.ctx().db();
        const QString name = db.scalar(named).toString();
        QVERIFY2(!name.isEmpty(), "the demonstration data has nothing to damage");
        db.exec(damage);
        const QStringList found = CheckDatabase(db);
        QCOMPARE(found.size(), faults);
        for (const QString& fault : found)
            QVERIFY2(fault.contains(name), qPrintable(fault));
        const Run run = RunWith(f, {"--check"});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains(name));
    }
};

QL_APP_TEST_MAIN(TestCommandLine)
#include "test_commandline.moc"
