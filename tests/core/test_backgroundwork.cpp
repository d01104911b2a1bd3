// Long reading work off the program's thread: the event loop keeps running (timers fire, a
// progress window with "取消" comes up), the rows are those of the same routine run in place,
// "取消" stops even a statement that would run for minutes, errors reach the caller's guard,
// and the worker's connection cannot write. Maintenance writes off the thread as one unit.
// On the file and on the tests' server alike.
#include "AppContext.h"
#include "AuditLog.h"
#include "BackgroundWork.h"
#include "GuardedConnect.h"
#include "RowSet.h"
#include "ServerFolder.h"
#include "TestFaults.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace {

QString Customers(const Database& db)
{
    return QStringLiteral("select KeHu, phone from Base_KeHu order by ") + db.chineseOrder(QStringLiteral("KeHu"));
}

// Counts for minutes unless stopped.
const QString Endless =
    QStringLiteral("with recursive c(x) as (select 1 union all select x + 1 from c where x < 4000000000) "
                   "select count(*) from c");

QProgressDialog* ShownProgress()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<QProgressDialog*>(w); p && p->isVisible())
            return p;
    return nullptr;
}

// A 10 ms timer that counts its ticks and runs a step on each.
struct Ticker {
    int ticks = 0;
    QTimer timer;
    explicit Ticker(std::function<void(int)> step)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, step] { step(++ticks); });
        timer.start(10);
    }
};

}  // namespace

class TestBackgroundWork : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::optional<ServerDatabase> m_server;
    std::unique_ptr<AppContext> m_ctx;
    RecordingPrompts m_prompts;

private slots:
    void initTestCase()
    {
        if (const auto server = TestServer()) {
            m_server.emplace(*server);
            UseServer(m_dir.path() + u'/', m_server->target);
        }
        m_ctx = std::make_unique<AppContext>(m_dir.path() + u'/');
        m_ctx->prompts = &m_prompts;
        QString error;
        QVERIFY2(m_ctx->DM.ConnectDB(&error), qPrintable(error));
        QVERIFY(m_ctx->db().scalar(QStringLiteral("select count(*) from Base_KeHu")).toInt() > 0);
    }

    // While another program keeps the file locked the worker waits; meanwhile the timer goes on
    // ticking and the progress window is shown. Once the lock goes, the rows come back equal to
    // those read in place.
    void eventLoopRunsWhileWorking()
    {
        QDialog window;
        window.setWindowTitle(QStringLiteral("客户"));
        window.show();
        HeldLock locker(m_ctx->db().target(), QStringLiteral("Base_KeHu"));
        QString shownText, shownTitle;
        Ticker ticker([&](int ticks) {
            if (QProgressDialog* p = ShownProgress(); p && shownText.isEmpty()) {
                shownText = p->labelText();
                shownTitle = p->windowTitle();
            }
            if (ticks == 40)
                locker.release();
        });
        const auto rows = RunInBackground(*m_ctx, &window, QStringLiteral("正在查询客户..."),
                                          [](Database& db) { return SelectRows(db, Customers(db)); });
        QVERIFY2(ticker.ticks >= 40, qPrintable(QString::number(ticker.ticks)));
        QCOMPARE(shownText, QStringLiteral("正在查询客户..."));
        QCOMPARE(shownTitle, QStringLiteral("客户"));
        QVERIFY(!ShownProgress());
        QVERIFY(rows);
        const RowSet inPlace = SelectRows(m_ctx->db(), Customers(m_ctx->db()));
        QCOMPARE(rows->columns, inPlace.columns);
        QCOMPARE(rows->rows, inPlace.rows);
    }

    // "取消" in the progress window ends the work at once, whether it waits for a lock or runs a
    // statement that would go on for minutes; nothing is returned, and the next work reads as
    // before.
    void cancelStopsTheWork_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::newRow("waiting for a lock") << true;
        QTest::newRow("long statement") << false;
    }

    void cancelStopsTheWork()
    {
        QFETCH(bool, locked);
        std::optional<HeldLock> locker;
        if (locked)
            locker.emplace(m_ctx->db().target(), QStringLiteral("Base_KeHu"));
        QString clicked;
        QElapsedTimer sinceClick;
        Ticker ticker([&](int) {
            QProgressDialog* p = ShownProgress();
            auto* cancel = p ? p->findChild<QPushButton*>() : nullptr;
            if (cancel && clicked.isEmpty()) {
                clicked = cancel->text();
                sinceClick.start();
                cancel->click();
            }
        });
        const auto result = RunInBackground(*m_ctx, nullptr, QStringLiteral("正在统计..."), [&](Database& db) {
            return locked ? SelectRows(db, Customers(db)).rowCount() : db.scalar(Endless).toInt();
        });
        QCOMPARE(clicked, QStringLiteral("取消"));
        QVERIFY(!result);
        QVERIFY2(sinceClick.elapsed() < 1000, qPrintable(QString::number(sinceClick.elapsed())));
        QVERIFY(!ShownProgress());
        if (locker)
            locker->release();
        const int customers = m_ctx->db().scalar(QStringLiteral("select count(*) from Base_KeHu")).toInt();
        const auto again = RunInBackground(*m_ctx, nullptr, QStringLiteral("正在统计..."), [](Database& db) {
            return db.scalar(QStringLiteral("select count(*) from Base_KeHu")).toInt();
        });
        QCOMPARE(again, std::optional<int>(customers));
    }

    // An error of the routine is thrown again in the caller's thread, so the guard shows it; the
    // worker's connection only reads.
    void errorsReachTheGuard_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("shownByFile");
        QTest::addColumn<QString>("shownByServer");
        QTest::newRow("engine error") << QStringLiteral("select * from Log_Nothing") << QStringLiteral("no such table")
                                      << QStringLiteral("does not exist");
        QTest::newRow("writing") << QStringLiteral("delete from Base_KeHu") << QStringLiteral("readonly")
                                 << QStringLiteral("read-only transaction");
    }

    void errorsReachTheGuard()
    {
        QFETCH(QString, sql);
        QFETCH(QString, shownByFile);
        QFETCH(QString, shownByServer);
        const QString shown = m_server ? shownByServer : shownByFile;
        const int customers = m_ctx->db().scalar(QStringLiteral("select count(*) from Base_KeHu")).toInt();
        m_prompts.clear();
        const bool ran = RunGuarded(*m_ctx, nullptr, [&] {
            RunInBackground(*m_ctx, nullptr, QStringLiteral("正在查询..."), [&](Database& db) { db.exec(sql); });
        });
        QVERIFY(!ran);
        QCOMPARE(m_prompts.entries.size(), 1);
        QCOMPARE(m_prompts.entries[0].kind, RecordingPrompts::Entry::Error);
        QVERIFY2(m_prompts.entries[0].text.contains(shown), qPrintable(m_prompts.entries[0].text));
        QCOMPARE(m_ctx->db().scalar(QStringLiteral("select count(*) from Base_KeHu")).toInt(), customers);
    }

    // Maintenance writes on a connection of its own as one unit: its progress window shows the
    // steps and has no "取消", the audit log names the program's operator, and the program's
    // connection then reads what was written.
    void maintenanceWritesAsOneUnit()
    {
        m_ctx->db().setOperator(QStringLiteral("店长"));
        bool shown = false, cancelButton = false;
        int value = -1;
        Ticker ticker([&](int) {
            if (QProgressDialog* p = ShownProgress()) {
                shown = true;
                cancelButton = cancelButton || p->findChild<QPushButton*>();
                value = std::max(value, p->value());
            }
        });
        RunMaintenance(*m_ctx, nullptr, QStringLiteral("正在清除数据..."), [](Database& db, const Progress& progress) {
            Transaction t(db);
            for (int i = 0; i < 6; ++i) {
                progress(i, 6);
                QThread::msleep(60);
                db.exec(QStringLiteral("insert into Base_KeHu(KeHu) values(:name)"),
                        {{QStringLiteral(":name"), QStringLiteral("维护%1").arg(i)}});
            }
            WriteAudit(db, QStringLiteral("清除数据"), QStringLiteral("客户"));
            progress(6, 6);
            t.commit();
        });
        QVERIFY(shown);
        QVERIFY(!cancelButton);
        QVERIFY2(value > 0, qPrintable(QString::number(value)));
        QCOMPARE(m_ctx->db().scalar(QStringLiteral("select count(*) from Base_KeHu where KeHu like '维护%'")).toInt(), 6);
        const QVector<AuditEntry> audit = ReadAudit(m_ctx->db());
        QVERIFY(!audit.isEmpty());
        QCOMPARE(audit.last().action, QStringLiteral("清除数据"));
        QCOMPARE(audit.last().operatorName, QStringLiteral("店长"));
    }

    // Inside a transaction of the program's connection the routine runs on that connection and
    // sees what the transaction has written so far.
    void insideATransactionRunsInPlace()
    {
        Transaction undo(m_ctx->db());
        m_ctx->db().exec(QStringLiteral("insert into Base_KeHu(KeHu) values('未提交')"));
        const auto found = RunInBackground(*m_ctx, nullptr, QStringLiteral("正在查询..."), [](Database& db) {
            return db.scalar(QStringLiteral("select count(*) from Base_KeHu where KeHu = '未提交'")).toInt();
        });
        QCOMPARE(found, std::optional<int>(1));
    }
};

QTEST_MAIN(TestBackgroundWork)
#include "test_backgroundwork.moc"
