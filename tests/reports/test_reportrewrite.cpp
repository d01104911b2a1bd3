// The report data routines read their rows with statements shaped for speed on large files (date
// index first, the lines of all listed documents in one statement). These tests hold the earlier,
// plainer statements as the reference and compare every value of every row, on the report fixture
// and on a small generated shop, so that the figures stay exactly what they were. The shop is
// generated on a file and, in the server's run, copied to the server; SQLite's plans are checked
// on the file.

#include "CopyToServer.h"
#include "Database.h"
#include "ReportData.h"
#include "ReportFixture.h"
#include "ReportQuery.h"
#include "TenYearShop.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTest>
#include <sqlite3.h>

namespace {

QString U(const char* s)
{
    return QString::fromUtf8(s);
}

// A number as compared: all its digits on the file. A server adds a group's lines in an order of
// its own choosing, which moves the last binary digits of a sum of amounts: there to a millionth
// (far below the cent).
QString NumberText(double v)
{
    return TestServer() ? QString::number(v, 'f', 6) : QString::number(v, 'g', 17);
}

// Every value with its type and, for numbers, all their digits.
QStringList Text(const RowSet& d)
{
    QStringList rows{d.columns.join(u'|')};
    for (const auto& row : d.rows) {
        QStringList values;
        for (const QVariant& v : row)
            values << QString::fromLatin1(v.typeName()) + u':'
                    + (v.typeId() == QMetaType::Double ? NumberText(v.toDouble()) : v.toString());
        rows << values.join(u'|');
    }
    return rows;
}

RowSet Reference(Database& db, const QString& sql, const SqlParams& params)
{
    QSqlQuery q = db.exec(sql, params);
    return RowSet::fromQuery(q);
}

SqlParams Dates(const QDate& from, const QDate& to)
{
    return DateParams(from, to);
}

const QString SalesLines = QStringLiteral("select * from Log_XiaoShou where dh=:dh order by autoid");
const QString SalesReturnLines = QStringLiteral(
    "select autoid,dh,in_date,PinPai,chanpin,guige,danjia,CB,-shuliang as shuliang,-jinE as jinE from Log_XiaoShou "
    "where dh=:dh order by autoid");
const QString PurchaseLines = QStringLiteral("select * from Log_CaiGou where dh=:dh order by autoid");
const QString PurchaseReturnLines = QStringLiteral(
    "select autoid,dh,in_date,PinPai,chanpin,guige,danjia,-shuliang as shuliang,-jinE as jinE from Log_CaiGou "
    "where dh=:dh order by autoid");
const QString OpenSalesLines = QStringLiteral(
    "select PinPai,chanpin,guige,danjia,ShuLiang,jinE from Log_XiaoShou where dh=:dh order by autoid");
const QString OpenPurchaseLines = QStringLiteral(
    "select PinPai,chanpin,guige,danjia,ShuLiang,jinE from Log_CaiGou where dh=:dh order by autoid");
const QString ProfitLines = QStringLiteral(
    "select PinPai,chanpin,guige,danjia,ShuLiang,cb*ShuLiang as zcb,jinE,jinE-cb*ShuLiang as LR from Log_XiaoShou "
    "where dh=:dh order by autoid");

void DocumentMargin(RowSet& d)
{
    AppendMarginColumn(d, QStringLiteral("LR"), QStringLiteral("jinE"));
}

// The lines of every master row as one statement per document read them.
void CompareLines(Database& db, const ReportData& d, const QString& perDocument, bool margin = false)
{
    QVERIFY(d.details);
    for (int r = 0; r < d.master.rowCount(); ++r) {
        RowSet expected = Reference(db, perDocument, {{QStringLiteral(":dh"), d.master.value(r, QStringLiteral("dh"))}});
        if (margin)
            DocumentMargin(expected);
        QCOMPARE(Text(d.details(r)), Text(expected));
    }
    QCOMPARE(d.details(d.master.rowCount()).rowCount(), 0);
}

// The grouped profit statement as it was: the lines grouped in a subquery, then ordered.
RowSet GroupedReference(Database& db, const QString& keys, const QString& source, const QString& sums,
                               const QString& condition, const SqlParams& params)
{
    QStringList selected, names, order;
    for (const QString& k : keys.split(u',')) {
        const QString name = k.section(u'.', -1);
        selected << k + QStringLiteral(" as ") + name;
        names << name;
        order << db.chineseOrder(name);
    }
    RowSet d = Reference(
        db,
        QStringLiteral("select %1,ZSL,ZCB,ZJE,ZJE-ZCB as LR from (select %2,%3 from %4 where %5 group by %6) g order by %7")
            .arg(names.join(u','), selected.join(u','), sums, source, condition, keys, order.join(u',')),
        params);
    AppendMarginColumn(d);
    return d;
}

const QString LineSums = QStringLiteral("sum(shuliang) as ZSL,sum(CB*shuliang) as ZCB,sum(jinE) as ZJE");

// Every select a routine runs, with its values written in.
class StatementLog {
public:
    explicit StatementLog(Database& db)
        : m_handle(*static_cast<sqlite3* const*>(db.handle().driver()->handle().constData()))
    {
        sqlite3_trace_v2(m_handle, SQLITE_TRACE_STMT, &StatementLog::trace, &m_statements);
    }
    ~StatementLog() { sqlite3_trace_v2(m_handle, 0, nullptr, nullptr); }
    QStringList take() { return std::exchange(m_statements, {}); }

private:
    static int trace(unsigned, void* statements, void* statement, void*)
    {
        char* sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
        const QString text = QString::fromUtf8(sql).trimmed();
        sqlite3_free(sql);
        if (text.startsWith(QStringLiteral("select"), Qt::CaseInsensitive)
            || text.startsWith(QStringLiteral("with"), Qt::CaseInsensitive))
            static_cast<QStringList*>(statements)->append(text);
        return 0;
    }

    sqlite3* m_handle;
    QStringList m_statements;
};

QStringList Plan(Database& db, const QString& sql)
{
    QSqlQuery q = db.exec(QStringLiteral("explain query plan ") + sql);
    QStringList details;
    while (q.next())
        details << q.value(3).toString();
    return details;
}

}  // namespace

class TestReportRewrite : public QObject {
    Q_OBJECT

    ReportFixture m_fixture;
    TestDb m_generated{TestDb::File};
    std::optional<ServerDatabase> m_server;
    Database m_onServer{QStringLiteral("shop on the server")};
    QString m_brand, m_product;

    Database& shop() { return m_server ? m_onServer : m_generated.db; }

private slots:
    void initTestCase()
    {
        WriteShop(m_generated.db, {QDate(2024, 1, 1), QDate(2024, 12, 31), 1500, 160, 200, 12, 6, 400, 11});
        // Documents entered late with an earlier date, so that entry order and date order differ.
        for (const char* table : {"Log_XiaoShouDan", "Log_XiaoShou"})
            m_generated.db.exec(QStringLiteral("update %1 set in_date=date(in_date,'-40 days') "
                                               "where in_date>'2024-02-15' and substr(dh,9,3) in ('002','005','009')")
                                    .arg(QLatin1String(table)));
        if (const auto server = TestServer()) {
            m_server.emplace(*server);
            CopyToServer(m_generated.db, m_server->target);
            m_onServer.open(m_server->target);
        }
        QSqlQuery q = shop().exec(QStringLiteral(
            "select PinPai,chanpin from Log_XiaoShou group by PinPai,chanpin order by count(*) desc limit 1"));
        QVERIFY(q.next());
        m_brand = q.value(0).toString();
        m_product = q.value(1).toString();
    }

    // Without planner statistics, no dated report reads a whole large table or walks a whole
    // index of one, and the account lists read only the open documents' index.
    void plans_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::newRow("a month") << QDate(2024, 7, 1) << QDate(2024, 7, 31);
        QTest::newRow("three years") << QDate(2023, 1, 1) << QDate(2025, 12, 31);
    }
    void plans()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        Database& db = m_generated.db;
        StatementLog log(db);
        for (DanKind kind : {ForwardKind, ReturnKind}) {
            PrepareBB_CXXS(db, U("1"), kind, from, to);
            PrepareBB_CXCG(db, kind, from, to);
        }
        PrepareBB_CXXSLR_XSD(db, from, to);
        PrepareBB_CXXSLR_SP(db, from, to);
        PrepareBB_CXXSLR_PP(db, m_product, from, to);
        PrepareBB_CXXSLR_CP(db, m_brand, from, to);
        PrepareBB_CXXSLR_GG(db, m_brand, m_product, from, to);
        PrepareBB_CXXSLR_KH(db, U("全部"), from, to);
        PrepareBB_CXXSLR_KH(db, U("店"), from, to);
        PrepareBB_YGYJ(db, U("全部"), from, to);
        PrepareBB_YGYJ(db, m_brand, from, to);
        const QStringList dated = log.take();
        QCOMPARE(dated.size(), 18);
        static const QRegularExpression WholeTable(QStringLiteral("^SCAN (Log_\\w+|a|b|c)\\b"));
        for (const QString& sql : dated)
            for (const QString& step : Plan(db, sql))
                QVERIFY2(!WholeTable.match(step).hasMatch(), qPrintable(step + QStringLiteral("\n") + sql));

        PrepareBB_XSYSK(db, U("所有"));
        PrepareBB_XSYSK(db, m_brand);
        PrepareBB_CGYFK(db, U("所有"));
        PrepareBB_CGYFK(db, m_brand);
        const QStringList open = log.take();
        QCOMPARE(open.size(), 8);
        static const QRegularExpression OpenIndex(QStringLiteral("^(SCAN|SEARCH) a USING INDEX IX_\\w+_open(_\\w+)?\\b"));
        for (const QString& sql : open) {
            const QStringList plan = Plan(db, sql);
            QVERIFY2(OpenIndex.match(plan.first()).hasMatch(), qPrintable(plan.join(u'\n') + u'\n' + sql));
            for (const QString& step : plan.mid(1))
                QVERIFY2(!WholeTable.match(step).hasMatch(), qPrintable(step + QStringLiteral("\n") + sql));
        }
    }

    void routines_data()
    {
        QTest::addColumn<bool>("shop");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::newRow("fixture, its month") << false << FixtureMonthFirst << FixtureMonthLast;
        QTest::newRow("fixture, everything") << false << QDate(2000, 1, 1) << QDate(2030, 12, 31);
        QTest::newRow("fixture, one day") << false << QDate(2024, 3, 5) << QDate(2024, 3, 5);
        QTest::newRow("shop, a month") << true << QDate(2024, 7, 1) << QDate(2024, 7, 31);
        QTest::newRow("shop, the year") << true << QDate(2024, 1, 1) << QDate(2024, 12, 31);
        QTest::newRow("shop, three years") << true << QDate(2023, 1, 1) << QDate(2025, 12, 31);
    }

    void routines()
    {
        QFETCH(bool, shop);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        Database& db = shop ? this->shop() : m_fixture.db;
        const QString brand = shop ? m_brand : U("北辰");
        const QString product = shop ? m_product : U("北辰挂机空调");
        const SqlParams dates = Dates(from, to);

        // Document lists and their lines.
        for (DanKind kind : {ForwardKind, ReturnKind}) {
            const ReportData sales = PrepareBB_CXXS(db, QString(), kind, from, to);
            CompareLines(db, sales, kind == ReturnKind ? SalesReturnLines : SalesLines);
            const ReportData purchases = PrepareBB_CXCG(db, kind, from, to);
            CompareLines(db, purchases, kind == ReturnKind ? PurchaseReturnLines : PurchaseLines);
        }
        CompareLines(db, PrepareBB_CXXS(db, U("1"), ForwardKind, from, to), SalesLines);
        CompareLines(db, PrepareBB_XSYSK(db, U("所有")), OpenSalesLines);
        CompareLines(db, PrepareBB_CGYFK(db, U("所有")), OpenPurchaseLines);

        // Profit by document: the cost of every document, then the dated ones.
        const ReportData documents = PrepareBB_CXXSLR_XSD(db, from, to);
        RowSet expected = Reference(
            db,
            QStringLiteral("select c.dh as dh,c.in_date as in_date,c.KeHu as KeHu,c.yewuyuan as yewuyuan,"
                           "c.shuliang as shuliang,d.zcb as cb,c.jinE as jinE,c.jinE-d.zcb as LR"
                           " from Log_XiaoShouDan c left join"
                           " (select a.dh as dh,sum(b.cb*b.shuliang) as zcb from Log_XiaoShouDan a"
                           " left join Log_XiaoShou b on a.dh=b.dh group by a.dh) d"
                           " on c.dh=d.dh where c.in_date>=:from and c.in_date<=:to order by c.autoid"),
            dates);
        DocumentMargin(expected);
        QCOMPARE(Text(documents.master), Text(expected));
        CompareLines(db, documents, ProfitLines, true);

        // Grouped profit.
        const QString dated = QStringLiteral("in_date>=:from and in_date<=:to");
        QCOMPARE(Text(PrepareBB_CXXSLR_SP(db, from, to)),
                 Text(GroupedReference(db, QStringLiteral("PinPai,chanpin,guige"), QStringLiteral("Log_XiaoShou"),
                                       LineSums, dated, dates)));
        QCOMPARE(Text(PrepareBB_CXXSLR_PP(db, product, from, to)),
                 Text(GroupedReference(db, QStringLiteral("PinPai"), QStringLiteral("Log_XiaoShou"), LineSums,
                                       dated + QStringLiteral(" and chanpin=:chanpin"),
                                       dates + SqlParams{{QStringLiteral(":chanpin"), product}})));
        QCOMPARE(Text(PrepareBB_CXXSLR_CP(db, brand, from, to)),
                 Text(GroupedReference(db, QStringLiteral("chanpin"), QStringLiteral("Log_XiaoShou"), LineSums,
                                       dated + QStringLiteral(" and PinPai=:PinPai"),
                                       dates + SqlParams{{QStringLiteral(":PinPai"), brand}})));
        QCOMPARE(Text(PrepareBB_CXXSLR_GG(db, brand, product, from, to)),
                 Text(GroupedReference(db, QStringLiteral("guige"), QStringLiteral("Log_XiaoShou"), LineSums,
                                       dated + QStringLiteral(" and PinPai=:PinPai and chanpin=:chanpin"),
                                       dates + SqlParams{{QStringLiteral(":PinPai"), brand},
                                                         {QStringLiteral(":chanpin"), product}})));
        const QString customerLines = QStringLiteral("Log_XiaoShouDan a left join Log_XiaoShou b on a.dh=b.dh");
        const QString customerSums = QStringLiteral("sum(b.shuliang) as ZSL,sum(b.CB*b.shuliang) as ZCB,sum(b.jinE) as ZJE");
        QCOMPARE(Text(PrepareBB_CXXSLR_KH(db, U("全部"), from, to)),
                 Text(GroupedReference(db, QStringLiteral("a.KeHu"), customerLines, customerSums,
                                       QStringLiteral("a.in_date>=:from and a.in_date<=:to"), dates)));
        QCOMPARE(Text(PrepareBB_CXXSLR_KH(db, U("店"), from, to)),
                 Text(GroupedReference(db, QStringLiteral("a.KeHu"), customerLines, customerSums,
                                       QStringLiteral("a.in_date>=:from and a.in_date<=:to and a.KeHu like '%' || :text || '%'"),
                                       dates + SqlParams{{QStringLiteral(":text"), U("店")}})));
        const QString performance = QStringLiteral(
            "(select a.dh as dh,a.in_date as in_date,a.yewuyuan as yewuyuan,b.PinPai as PinPai,"
            "b.chanpin as chanpin,b.guige as guige,b.CB as CB,b.shuliang as shuliang,b.jinE as jinE"
            " from Log_XiaoShouDan a left join Log_XiaoShou b on a.dh=b.dh) c"
            " left join Base_ChanPin d on c.PinPai=d.PinPai and c.chanpin=d.ChanPin");
        QCOMPARE(Text(PrepareBB_YGYJ(db, U("全部"), from, to)),
                 Text(GroupedReference(db, QStringLiteral("c.yewuyuan,d.CPType"), performance,
                                       QStringLiteral("sum(c.shuliang) as ZSL,sum(c.CB*c.shuliang) as ZCB,sum(c.jinE) as ZJE"),
                                       QStringLiteral("c.in_date>=:from and c.in_date<=:to"), dates)));
    }
};

QTEST_GUILESS_MAIN(TestReportRewrite)
#include "test_reportrewrite.moc"
