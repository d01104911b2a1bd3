// The sales and purchase queries: kinds, the customer page, totals, deletion and printouts.

#include "../app/AppFixture.h"
#include "AuditLog.h"
#include "CX_CaiGouForm.h"
#include "CX_XiaoShouForm.h"
#include "ChangeWatch.h"
#include "DocumentStore.h"
#include "Ledger.h"
#include "GridColumns.h"
#include "RefreshOffer.h"
#include "ReportPreviewDialog.h"
#include "Settings.h"
#include "StringGrid.h"
#include "TestDb.h"
#include "TestFaults.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>
#include <sqlite3.h>

namespace {

const QString Brand = QStringLiteral("北辰");
const QString Product = QStringLiteral("北辰挂机空调");
const QString Spec = QStringLiteral("KFR-99/TEST");
const QDate Day(2031, 3, 5);  // after every demonstration document

void Sell(Database& db, const QString& dh, const QString& customer, const QString& phone, int qty, double price,
          DanKind kind = ForwardKind)
{
    TXiaoShouDan d;
    d.dh = dh;
    d.in_date = Day;
    d.KeHu = customer;
    d.KeHuPhone = phone;
    d.shuliang = qty;
    d.jinE = Money::fromYuan(qty * price);
    QVERIFY(SaveXiaoShouDocument(db, d, {TestDb::line(Brand, Product, Spec, qty, price)}, kind));
}

void Buy(Database& db, const QString& dh, int qty, double price, DanKind kind = ForwardKind)
{
    TCaiGouDan d;
    d.dh = dh;
    d.in_date = Day;
    d.GYS = QStringLiteral("晴川商贸");
    d.shuliang = qty;
    d.jinE = Money::fromYuan(qty * price);
    QVERIFY(SaveCaiGouDocument(db, d, {TestDb::line(Brand, Product, Spec, qty, price)}, kind));
}

// The shop's folder with one goods item of 20 units at 90 and a few documents on Day.
struct QueryApp : AppFixture {
    QueryApp()
    {
        ctx().db().exec(QStringLiteral("insert into Log_KuCun(PinPai,ChanPin,GuiGe,ShuLiang,PJCB) values(:p,:c,:g,20,90)"),
                        {{QStringLiteral(":p"), Brand}, {QStringLiteral(":c"), Product}, {QStringLiteral(":g"), Spec}});
        Database& db = ctx().db();
        Sell(db, "xs310305001", QStringLiteral("张三"), QStringLiteral("13812345678"), 3, 100);
        Sell(db, "xs310305002", QStringLiteral("138"), QString(), 1, 25.5);
        Sell(db, "xt310305001", QStringLiteral("138"), QString(), 2, 50, ReturnKind);
        Sell(db, "xs310305003", QStringLiteral("O'Neil_%"), QString(), 1, 10);
        Sell(db, "xs310305004", QStringLiteral("O'NeilX%"), QString(), 1, 10);
        Buy(db, "cg310305001", 5, 100);
        Buy(db, "ct310305001", 1, 80, ReturnKind);
    }
};

// A figure of the goods item's stock row.
QVariant Stock(Database& db, const char* column)
{
    return db.scalar(QStringLiteral("select %1 from Log_KuCun where GuiGe=:g").arg(QLatin1String(column)),
                     {{QStringLiteral(":g"), Spec}});
}

// Lists Day on a page (with the customer filter typed, when the page has one).
void ListDay(DocumentQueryPage& page, const QString& filter = QString())
{
    page.From->setDate(Day);
    page.To->setDate(Day);
    if (page.Filter)
        page.Filter->setText(filter);
    page.QueryButton->click();
}

QStringList Numbers(const StringGrid& grid)
{
    QStringList dh;
    for (int r = 1; r < grid.rowCount(); ++r)
        if (!grid.cell(1, r).isEmpty())
            dh << grid.cell(1, r);
    return dh;
}

// Opens a preview with `button`, gives its page texts, and closes it.
// The texts of the preview the button opens, once it is up (the reading before it may let the
// event loop run first).
QStringList PreviewTexts(QPushButton* button)
{
    QStringList texts;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* preview = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget())) {
            poll.stop();
            for (const ReportPage& page : preview->model().pages)
                for (const PageText& t : page.texts)
                    texts << t.text;
            preview->reject();
        }
    });
    poll.start(10);
    button->click();
    return texts;
}

}  // namespace

class TestDocumentQuery : public QObject {
    Q_OBJECT
private slots:
    void kindsAndTotals_data()
    {
        QTest::addColumn<bool>("sales");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QString>("sl");
        QTest::addColumn<QString>("je");
        QTest::addColumn<QString>("lastAmount");
        // Kind 1 lists returns too, with their negative figures: totals net of returns.
        QTest::newRow("sales 1") << true << 1
                                 << QStringList{"xs310305001", "xs310305002", "xt310305001", "xs310305003",
                                                "xs310305004"}
                                 << "4" << "245.5 元" << "10";
        QTest::newRow("sales 2") << true << 2 << QStringList{"xt310305001"} << "2" << "100 元" << "100";
        QTest::newRow("purchases 1") << false << 1 << QStringList{"cg310305001", "ct310305001"} << "4"
                                     << "420 元" << "-80";
        QTest::newRow("purchases 2") << false << 2 << QStringList{"ct310305001"} << "1" << "80 元" << "80";
    }
    void kindsAndTotals()
    {
        QFETCH(bool, sales);
        QFETCH(int, kind);
        QueryApp f;
        std::unique_ptr<QDialog> w;
        DocumentQueryPage* page;
        if (sales) {
            auto* form = new TCX_XiaoShouForm(f.ctx());
            form->SetQueryKind(DanKind(kind));
            page = form->journalPage;
            w.reset(form);
        } else {
            auto* form = new TCX_CaiGouForm(f.ctx());
            form->SetQueryKind(DanKind(kind));
            page = form->Page;
            w.reset(form);
        }
        ListDay(*page);
        QTEST(Numbers(*page->List), "numbers");
        QTEST(page->SLLabel->text(), "sl");
        QTEST(page->JELabel->text(), "je");
        // The last document is selected with its lines, in the kind's signs.
        const int last = page->List->rowCount() - 1;
        QCOMPARE(page->List->row(), last);
        QTEST(page->List->cell(4, last), "lastAmount");
        QTEST(page->Lines->cell(6, 1), "lastAmount");
    }

    void captionsOfTheKinds()
    {
        QueryApp f;
        TCX_XiaoShouForm sales(f.ctx());
        sales.SetQueryKind(ReturnKind);
        QCOMPARE(sales.windowTitle(), QStringLiteral("销售退货查询"));
        QCOMPARE(sales.findChild<QPushButton*>("Button4")->text(), QStringLiteral("删除退货单"));
        QCOMPARE(sales.findChild<QPushButton*>("PrintButton4")->text(), QStringLiteral("打印销售退货单"));
        QCOMPARE(sales.findChild<QPushButton*>("BrowseButton3")->text(), QStringLiteral("销售退货单预览"));
        QCOMPARE(sales.findChild<QGroupBox*>("GroupBox4")->title(), QStringLiteral("销售退货单明细"));
        TCX_CaiGouForm purchases(f.ctx());
        purchases.SetQueryKind(ForwardKind);
        QCOMPARE(purchases.windowTitle(), QStringLiteral("采购查询"));
        QCOMPARE(purchases.findChild<QPushButton*>("Button2")->text(), QStringLiteral("删除采购单"));
        QCOMPARE(purchases.findChild<QGroupBox*>("GroupBox1")->title(), QStringLiteral("采购单"));
    }

    // Both kinds of the sales query open on the current month: neither the quick choice made last
    // time nor a range that an older Set.ini holds brings another range back.
    void opensOnTheCurrentMonth()
    {
        QueryApp f;
        {
            TCX_XiaoShouForm w(f.ctx());
            w.SetQueryKind(ForwardKind);
            IniFile ini(SettingsPath(f.programDir()));
            ini.setString(QStringLiteral("DateRange"), w.objectName() + u'-' + w.journalPage->From->objectName(),
                          QStringLiteral("lastyear"));
            QVERIFY(ini.save());
            auto* lastMonth = w.journalPage->findChild<QToolButton*>(QStringLiteral("Preset_lastmonth"));
            QVERIFY(lastMonth);
            lastMonth->click();
        }
        const QDate today = f.ctx().today();
        for (const DanKind kind : {ForwardKind, ReturnKind}) {
            TCX_XiaoShouForm w(f.ctx());
            w.SetQueryKind(kind);
            QCOMPARE(w.journalPage->From->date(), QDate(today.year(), today.month(), 1));
            QCOMPARE(w.journalPage->To->date(), today);
        }
    }

    void customerPage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("1 name or phone") << 1 << " 138 "
                                         << QStringList{"xs310305001", "xs310305002", "xt310305001"};
        QTest::newRow("2 exact name") << 2 << " 138 " << QStringList{"xt310305001"};
        QTest::newRow("2 not the phone") << 2 << "13812345678" << QStringList{};
        QTest::newRow("quote and wildcards") << 1 << "O'Neil_%" << QStringList{"xs310305003"};
        QTest::newRow("percent alone") << 1 << "%" << QStringList{"xs310305003", "xs310305004"};
    }
    void customerPage()
    {
        QFETCH(int, kind);
        QFETCH(QString, filter);
        QueryApp f;
        TCX_XiaoShouForm w(f.ctx());
        w.SetQueryKind(DanKind(kind));
        ListDay(*w.customerPage, filter);
        QTEST(Numbers(*w.customerPage->List), "numbers");
        // Enter in the customer box lists as well.
        w.customerPage->List->setRow(1);
        w.customerPage->Filter->setText(filter);
        QTest::keyClick(w.customerPage->Filter, Qt::Key_Return);
        QTEST(Numbers(*w.customerPage->List), "numbers");
    }

    // Read again after another counter's sale: the last query's day and customer, whatever the
    // boxes hold now (a new name being typed), with the new document and the same one selected.
    void rereadKeepsTheQueryAndTheSelection()
    {
        QueryApp f;
        TCX_XiaoShouForm w(f.ctx());
        ListDay(*w.customerPage, QStringLiteral("138"));
        const QStringList listed = Numbers(*w.customerPage->List);
        QVERIFY(SelectRowWith(*w.customerPage->List, 1, QStringLiteral("xs310305002")));
        w.customerPage->Filter->setText(QStringLiteral("张"));
        w.customerPage->From->setDate(Day.addDays(1));

        Database other(QStringLiteral("other counter"));
        other.open(f.ctx().db().target());
        Sell(other, "xs310305009", QStringLiteral("138"), QString(), 1, 30);
        QTRY_VERIFY_WITH_TIMEOUT(!w.refreshOffer->isHidden(), 2 * ChangeWatch::PollMs + 500);
        QCOMPARE(Numbers(*w.customerPage->List), listed);
        w.refreshOffer->refreshButton->click();

        QStringList now = Numbers(*w.customerPage->List), expected = listed + QStringList{"xs310305009"};
        now.sort();
        expected.sort();
        QCOMPARE(now, expected);
        QCOMPARE(w.customerPage->List->cell(1, w.customerPage->List->row()), QStringLiteral("xs310305002"));
        QCOMPARE(w.customerPage->Filter->text(), QStringLiteral("张"));
        QVERIFY(w.refreshOffer->isHidden());
    }

    void deletingASaleGivesItsStockBack_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("dh");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("stock");  // 20 - 3 - 1 + 2 - 1 - 1 = 16 before
        QTest::newRow("sale") << 1 << "xs310305001" << "确定要删除单号为'xs310305001'的销售记录吗?" << 19;
        QTest::newRow("return") << 2 << "xt310305001" << "确定要删除单号为'xt310305001'的销售退货记录吗?" << 14;
    }
    void deletingASaleGivesItsStockBack()
    {
        QFETCH(int, kind);
        QFETCH(QString, dh);
        QueryApp f;
        const int before = GetKuCunShuLiang(f.ctx().db(), Brand, Product, Spec) - 4;  // the purchases: +5 -1
        QCOMPARE(before, 16);
        TCX_XiaoShouForm w(f.ctx());
        w.SetQueryKind(DanKind(kind));
        ListDay(*w.journalPage);
        ListDay(*w.customerPage, QStringLiteral("138"));
        w.customerPage->List->setRow(Numbers(*w.customerPage->List).indexOf(dh) + 1);
        f.prompts.answers = {false, true};
        w.customerPage->DeleteButton->click();  // cancelled
        QVERIFY(Numbers(*w.customerPage->List).contains(dh));
        w.customerPage->DeleteButton->click();
        QTEST(f.prompts.texts().value(0), "question");
        QCOMPARE(f.prompts.texts().value(1), f.prompts.texts().value(0));
        QCOMPARE(f.prompts.entries.last().kind, RecordingPrompts::Entry::WarningQuestion);
        QTEST(GetKuCunShuLiang(f.ctx().db(), Brand, Product, Spec) - 4, "stock");
        QVERIFY(!Numbers(*w.journalPage->List).contains(dh));
        QVERIFY(!Numbers(*w.customerPage->List).contains(dh));
        QCOMPARE(w.customerPage->Filter->text(), QStringLiteral("138"));  // left in the box, not applied
        QVERIFY(XiaoShouLines(f.ctx().db(), dh).isEmpty());
        const AuditEntry audit = ReadAudit(f.ctx().db()).last();
        QCOMPARE(audit.action, kind == 1 ? QStringLiteral("删除销售单") : QStringLiteral("删除销售退货单"));
        QCOMPARE(audit.object, dh);
    }

    // 8 units at an average cost of 110 after a purchase of 5 at 100: deleting the purchase leaves
    // 3 units at 126.67, latest cost 100.
    void deletingAPurchaseReversesItsCost()
    {
        QueryApp f;
        Database& db = f.ctx().db();
        db.exec(QStringLiteral("update Log_KuCun set ShuLiang=8,PJCB=110,NewCB=0 where GuiGe=:g"), {{QStringLiteral(":g"), Spec}});
        TCX_CaiGouForm w(f.ctx());
        ListDay(*w.Page);
        w.Page->List->setRow(1);
        w.Page->DeleteButton->click();
        QCOMPARE(f.prompts.texts(), QStringList{"确定要删除单号为'cg310305001'的采购记录吗?"});
        QCOMPARE(GetKuCunShuLiang(db, Brand, Product, Spec), 3);
        QCOMPARE(Stock(db, "PJCB").toDouble(), 126.67);
        QCOMPARE(Stock(db, "NewCB").toDouble(), 100.0);
        QCOMPARE(Numbers(*w.Page->List), QStringList{"ct310305001"});
        QCOMPARE(ReadAudit(db).last().action, QStringLiteral("删除采购单"));
        QCOMPARE(w.Page->JELabel->text(), QStringLiteral("-80 元"));
    }

    // A stock posting refused part-way: the document, its lines and the stock stay as they were.
    void failedDeletionLeavesEverything()
    {
        QueryApp f;
        Database& db = f.ctx().db();
        RefuseWrites(db, QStringLiteral("Log_KuCun"), QStringLiteral("update"), QStringLiteral("refused"));
        TCX_CaiGouForm w(f.ctx());
        ListDay(*w.Page);
        w.Page->List->setRow(1);
        const QVariant cost = Stock(db, "PJCB");
        const auto audited = ReadAudit(db).size();
        w.Page->DeleteButton->click();
        QCOMPARE(f.prompts.entries.last().kind, RecordingPrompts::Entry::Error);
        QVERIFY(f.prompts.entries.last().text.startsWith(QStringLiteral("删除采购单失败: ")));
        QVERIFY(f.prompts.entries.last().text.contains(QStringLiteral("refused")));
        QCOMPARE(GetKuCunShuLiang(db, Brand, Product, Spec), 20);
        QCOMPARE(Stock(db, "PJCB"), cost);
        QCOMPARE(CaiGouLines(db, "cg310305001").size(), 1);
        QCOMPARE(ReadAudit(db).size(), audited);
        QCOMPARE(Numbers(*w.Page->List), (QStringList{"cg310305001", "ct310305001"}));
    }

    // A document of a closed month asks once more before it goes: 取消 keeps it, 确定 deletes it
    // and marks the month to be closed again.
    void deletingInClosedMonthAsks()
    {
        QueryApp f;
        Database& db = f.ctx().db();
        db.exec(QStringLiteral("insert into Log_JieQun(JQM) values('203103')"));
        TCX_CaiGouForm w(f.ctx());
        ListDay(*w.Page);
        w.Page->List->setRow(1);
        f.prompts.answers = {true, false, true, true};
        w.Page->DeleteButton->click();
        QCOMPARE(Numbers(*w.Page->List), (QStringList{"cg310305001", "ct310305001"}));
        QCOMPARE(db.scalar(QStringLiteral("select Stale from Log_JieQun")).toInt(), 0);
        w.Page->DeleteButton->click();
        const QString remove = QStringLiteral("确定要删除单号为'cg310305001'的采购记录吗?");
        const QString closed = QStringLiteral("该月已结存, 继续将使结存数据过期");
        QCOMPARE(f.prompts.texts(), (QStringList{remove, closed, remove, closed}));
        QCOMPARE(Numbers(*w.Page->List), QStringList{"ct310305001"});
        QCOMPARE(db.scalar(QStringLiteral("select Stale from Log_JieQun")).toInt(), 1);
    }

    // The printouts show the window's rows: the return list of the customer page (exact name, as
    // listed) and the selected return with positive figures.
    void previewsShowTheListedRows()
    {
        QueryApp f;
        TCX_XiaoShouForm w(f.ctx());
        w.SetQueryKind(ReturnKind);
        ListDay(*w.customerPage, QStringLiteral("138"));
        const QStringList list = PreviewTexts(w.customerPage->BrowseButton);
        QVERIFY(list.contains(QStringLiteral("xt310305001")));
        QVERIFY(list.contains(QStringLiteral("100 元")));
        QVERIFY(list.contains(f.ctx().GsInfo.GSName + QStringLiteral("销售退货查询")));
        const QStringList document = PreviewTexts(w.customerPage->BrowseDocumentButton);
        QVERIFY(document.contains(f.ctx().GsInfo.GSName + QStringLiteral("销售退货单")));
        QVERIFY(document.contains(QStringLiteral("xt310305001")));
        QVERIFY(document.contains(QStringLiteral("100")));
        QVERIFY(!document.join(u' ').contains(QStringLiteral("-100")));

        TCX_CaiGouForm p(f.ctx());
        ListDay(*p.Page);
        const QStringList purchases = PreviewTexts(p.Page->BrowseButton);
        QVERIFY(purchases.contains(QStringLiteral("cg310305001")));
        QVERIFY(purchases.contains(QStringLiteral("ct310305001")));
        QVERIFY(purchases.contains(QStringLiteral("420 元")));
    }

    // A list's printout reads the lines of all its documents in one statement, whichever side.
    void listPrintoutReadsAllLinesAtOnce()
    {
        QueryApp f;
        TCX_XiaoShouForm sales(f.ctx());
        ListDay(*sales.journalPage);
        TCX_CaiGouForm purchases(f.ctx());
        ListDay(*purchases.Page);
        QStringList statements;
        // Inside a transaction the printout reads on the program's connection, where SQLite traces
        // its statements (the server has no such trace: there the lines printed are checked).
        Transaction reading(f.ctx().db());
        sqlite3* handle = f.ctx().db().sqliteHandle();
        if (handle)
            sqlite3_trace_v2(
                handle, SQLITE_TRACE_STMT,
                [](unsigned, void* list, void* statement, void*) {
                    static_cast<QStringList*>(list)->append(
                        QString::fromUtf8(sqlite3_sql(static_cast<sqlite3_stmt*>(statement))));
                    return 0;
                },
                &statements);
        const QStringList salesTexts = PreviewTexts(sales.journalPage->BrowseButton);
        const QStringList purchaseTexts = PreviewTexts(purchases.Page->BrowseButton);
        reading.commit();
        // Every line of every listed document is printed: five sales and two purchases of one item each.
        QCOMPARE(int(salesTexts.count(Spec)), 5);
        QCOMPARE(int(purchaseTexts.count(Spec)), 2);
        if (handle) {
            sqlite3_trace_v2(handle, 0, nullptr, nullptr);
            const QRegularExpression lineTables(QStringLiteral("\\bLog_(XiaoShou|CaiGou)\\b"));
            QCOMPARE(int(statements.filter(lineTables).size()), 2);
        }
    }
};

QL_APP_TEST_MAIN(TestDocumentQuery)
#include "test_documentquery.moc"
