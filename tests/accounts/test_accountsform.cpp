// The receivables and payables window with its receipt (payment) and history dialogs.

#include "AccountsFixture.h"
#include "AccountsForm.h"
#include "AccountsStore.h"
#include "ChangeWatch.h"
#include "PartPayments.h"
#include "RefreshOffer.h"
#include "KeHuStore.h"
#include "PartPaymentDialogs.h"
#include "ReportPreviewDialog.h"
#include "StringGrid.h"
#include "TestFaults.h"
#include "ZhangLingForm.h"
#include "app/AppFixture.h"

#include <QDateEdit>
#include <QFile>
#include <QTemporaryDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

Q_DECLARE_METATYPE(AccountSide)

namespace {

const QString Zhou = QStringLiteral("老周's电器行");
const QString Hotel = QStringLiteral("明湖宾馆");

// The fixture's folder with the documents emptied: each test adds its own.
struct AccountsApp : AppFixture {
    AccountsApp()
    {
        for (const char* table : {"Log_XiaoShouDan", "Log_XiaoShou", "Log_CaiGouDan", "Log_CaiGou", "Log_SKGuoCheng",
                                  "Log_FKGuoCheng"})
            ctx().db().exec(QStringLiteral("delete from ") + QLatin1String(table));
    }
    Database& db() { return ctx().db(); }
};

std::unique_ptr<TAccountsForm> Open(AppContext& context, AccountSide side)
{
    if (side == AccountSide::Receivable)
        return std::make_unique<TXSYSKForm>(context);
    return std::make_unique<TCGYFKForm>(context);
}

QStringList Column(const StringGrid& grid, int col)
{
    QStringList cells;
    for (int r = 1; r < grid.rowCount(); ++r)
        cells << grid.cell(col, r);
    return cells;
}

void SelectDocument(TAccountsForm& form, const QString& dh)
{
    const int r = int(Column(*form.documentGrid, 1).indexOf(dh)) + 1;
    QVERIFY(r > 0);
    form.documentGrid->setRow(r);
}

// Clicks a button that opens a modal dialog of type D and runs `act` on the dialog once it shows.
// Returns false when no such dialog came up.
template <class D>
bool WithDialog(QPushButton* button, const std::function<void(D&)>& act)
{
    bool shown = false;
    QObject scope;  // a timer still waiting when no dialog came up goes with this scope
    QTimer::singleShot(0, &scope, [&] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
            shown = true;
            act(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        }
    });
    QTest::mouseClick(button, Qt::LeftButton);
    return shown;
}

// Records an amount through the receipt dialog as the operator does: types it, confirms.
bool Pay(TAccountsForm& form, const QString& amount, const QDate& day = QDate(2024, 6, 3))
{
    return WithDialog<TCJForm>(form.CJButton, [&](TCJForm& d) {
        d.payDate->setDate(day);
        d.SKEdit->setText(amount);
        QTest::mouseClick(d.OKButton, Qt::LeftButton);
    });
}

}  // namespace

class TestAccountsForm : public QObject {
    Q_OBJECT
private slots:
    void sides_data()
    {
        QTest::addColumn<AccountSide>("side");
        QTest::newRow("receivables") << AccountSide::Receivable;
        QTest::newRow("payables") << AccountSide::Payable;
    }

    void emptyWindow_data() { sides_data(); }
    void emptyWindow()
    {
        QFETCH(AccountSide, side);
        AccountsApp app;
        auto form = Open(app.ctx(), side);
        QCOMPARE(Column(*form->partyGrid, 0), QStringList{QStringLiteral("所有")});
        QCOMPARE(form->documentGrid->rowCount(), 2);
        QCOMPARE(form->documentGrid->cell(1, 1), QString());
        QCOMPARE(form->lineGrid->cell(1, 1), QString());
        QCOMPARE(form->JELabel->text(), QStringLiteral("0 元"));
        QCOMPARE(form->QKLabel->text(), QStringLiteral("0 元"));
        // With nothing selected the three buttons open nothing.
        QVERIFY(!WithDialog<TCJForm>(form->CJButton, [](TCJForm&) {}));
        QVERIFY(!WithDialog<TGCForm>(form->GCButton, [](TGCForm&) {}));
        QTest::mouseClick(form->HXButton, Qt::LeftButton);
        QVERIFY(app.prompts.entries.isEmpty());
    }

    // "所有" first; selecting a customer or supplier (names with quotes and wildcards) shows only
    // that one's documents, and printing takes the same selection.
    void listsAndFilter_data() { sides_data(); }
    void listsAndFilter()
    {
        QFETCH(AccountSide, side);
        AccountsApp app;
        AddOpenDocument(app.db(), side, QStringLiteral("d1"), Zhou, 100.7, {2024, 5, 1}, 300);
        AddOpenDocument(app.db(), side, QStringLiteral("d2"), Hotel, -50, {2024, 5, 2});
        AddOpenDocument(app.db(), side, QStringLiteral("d3"), Zhou, 20.2, {2024, 5, 3});
        AddOpenDocument(app.db(), side, QStringLiteral("d4"), Zhou, 0, {2024, 5, 4});
        auto form = Open(app.ctx(), side);
        QCOMPARE(Column(*form->partyGrid, 0).first(), QStringLiteral("所有"));
        QCOMPARE(Column(*form->partyGrid, 0).size(), 3);
        QCOMPARE(Column(*form->documentGrid, 1), QStringList({QStringLiteral("d1"), QStringLiteral("d2"), QStringLiteral("d3")}));
        QCOMPARE(Column(*form->documentGrid, 6), QStringList({QStringLiteral("100.7"), QStringLiteral("-50"), QStringLiteral("20.2")}));
        QCOMPARE(form->JELabel->text(), QStringLiteral("270.2 元"));
        QCOMPARE(form->QKLabel->text(), QStringLiteral("70.9 元"));

        form->partyGrid->setRow(int(Column(*form->partyGrid, 0).indexOf(Zhou)) + 1);
        QCOMPARE(Column(*form->documentGrid, 1), QStringList({QStringLiteral("d1"), QStringLiteral("d3")}));
        QCOMPARE(form->QKLabel->text(), QStringLiteral("120.9 元"));

        PageModel printed;
        QVERIFY(WithDialog<ReportPreviewDialog>(form->BrowseButton, [&](ReportPreviewDialog& d) { printed = d.model(); }));
        QStringList texts;
        for (const ReportPage& page : printed.pages)
            for (const PageText& t : page.texts)
                texts << t.text;
        QVERIFY(texts.contains(QStringLiteral("d1")));
        QVERIFY(texts.contains(QStringLiteral("d3")));
        QVERIFY(!texts.contains(QStringLiteral("d2")));
        QVERIFY(texts.contains(QStringLiteral("120.9 元")));
        QVERIFY(texts.contains(side == AccountSide::Receivable ? QStringLiteral("销售应收款报表")
                                                               : QStringLiteral("采购应付款报表")));
    }

    // Another counter records a receipt (payment): offered, then read again with the same customer
    // (supplier) and document chosen and the amount owed as it now stands.
    void anotherCountersPaymentIsOffered_data() { sides_data(); }
    void anotherCountersPaymentIsOffered()
    {
        QFETCH(AccountSide, side);
        AccountsApp app;
        AddOpenDocument(app.db(), side, QStringLiteral("d1"), Zhou, 100, {2024, 5, 1});
        AddOpenDocument(app.db(), side, QStringLiteral("d2"), Zhou, 40, {2024, 5, 2});
        AddOpenDocument(app.db(), side, QStringLiteral("d3"), Hotel, 10, {2024, 5, 3});
        auto form = Open(app.ctx(), side);
        form->partyGrid->setRow(int(Column(*form->partyGrid, 0).indexOf(Zhou)) + 1);
        SelectDocument(*form, QStringLiteral("d2"));

        Database other(QStringLiteral("other counter"));
        other.open(app.db().target());
        RecordPartPayment(other, side, QStringLiteral("d2"), Money::fromYuan(15), {2024, 6, 1});
        QTRY_VERIFY_WITH_TIMEOUT(!form->refreshOffer->isHidden(), 2 * ChangeWatch::PollMs + 500);
        QCOMPARE(form->QKLabel->text(), QStringLiteral("140 元"));
        form->refreshOffer->refreshButton->click();

        QCOMPARE(form->partyGrid->cell(0, form->partyGrid->row()), Zhou);
        QCOMPARE(form->documentGrid->cell(1, form->documentGrid->row()), QStringLiteral("d2"));
        QCOMPARE(Column(*form->documentGrid, 1), QStringList({QStringLiteral("d1"), QStringLiteral("d2")}));
        QCOMPARE(form->QKLabel->text(), QStringLiteral("125 元"));
    }

    // A part payment, an overpayment and the payment that settles: the list, the history and the
    // selection after each refresh.
    void paymentsThroughTheDialog_data() { sides_data(); }
    void paymentsThroughTheDialog()
    {
        QFETCH(AccountSide, side);
        AccountsApp app;
        AddOpenDocument(app.db(), side, QStringLiteral("d1"), Hotel, 100.7);
        AddOpenDocument(app.db(), side, QStringLiteral("d2"), Zhou, 100);
        auto form = Open(app.ctx(), side);
        form->partyGrid->setRow(int(Column(*form->partyGrid, 0).indexOf(Zhou)) + 1);
        SelectDocument(*form, QStringLiteral("d2"));
        QString owedShown;
        QVERIFY(WithDialog<TCJForm>(form->CJButton, [&](TCJForm& d) {
            owedShown = d.QKEdit->text();
            QCOMPARE(d.SKEdit->text(), QStringLiteral("0"));
            QCOMPARE(d.payDate->date(), QDate(2026, 3, 18));  // the fixture's today
            QVERIFY(!d.QKEdit->isEnabled());
            QCOMPARE(d.DH(), QStringLiteral("d2"));
            d.SKEdit->setText(QStringLiteral("150"));
            QTest::mouseClick(d.EscButton, Qt::LeftButton);  // cancelled: nothing recorded
        }));
        QCOMPARE(owedShown, QStringLiteral("100"));
        QCOMPARE(StoredQK(app.db(), side, QStringLiteral("d2")), 100.0);
        QCOMPARE(form->partyGrid->row(), int(Column(*form->partyGrid, 0).indexOf(Zhou)) + 1);

        QVERIFY(Pay(*form, QStringLiteral("150")));
        QCOMPARE(StoredQK(app.db(), side, QStringLiteral("d2")), -50.0);
        QCOMPARE(form->partyGrid->row(), 1);  // back on "所有"
        QCOMPARE(Column(*form->documentGrid, 1).size(), 2);
        QCOMPARE(form->documentGrid->cell(6, 2), QStringLiteral("-50"));

        // 100.7 - 30.4 is 70.3 to the cent, and paying the 70.3 shown settles the document.
        SelectDocument(*form, QStringLiteral("d1"));
        QVERIFY(Pay(*form, QStringLiteral("30.4"), {2024, 6, 1}));
        QCOMPARE(StoredQK(app.db(), side, QStringLiteral("d1")), 70.3);
        SelectDocument(*form, QStringLiteral("d1"));
        QCOMPARE(form->documentGrid->cell(6, form->documentGrid->row()), QStringLiteral("70.3"));
        QStringList history;
        QVERIFY(WithDialog<TGCForm>(form->GCButton, [&](TGCForm& d) { history = Column(*d.paymentGrid, 1) + Column(*d.paymentGrid, 2); }));
        QCOMPARE(history, QStringList({QStringLiteral("2024-06-01"), QStringLiteral("30.4")}));

        QVERIFY(Pay(*form, QStringLiteral("70.3")));
        QCOMPARE(StoredQK(app.db(), side, QStringLiteral("d1")), 0.0);
        QCOMPARE(HistoryRows(app.db(), side, QStringLiteral("d1")), 0);
        QCOMPARE(Column(*form->documentGrid, 1), QStringList{QStringLiteral("d2")});
        QCOMPARE(Column(*form->partyGrid, 0), QStringList({QStringLiteral("所有"), Zhou}));
        QVERIFY(app.prompts.entries.isEmpty());
    }

    void amountChecks_data()
    {
        QTest::addColumn<AccountSide>("side");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("message");  // empty: recorded
        for (AccountSide side : {AccountSide::Receivable, AccountSide::Payable}) {
            const bool r = side == AccountSide::Receivable;
            const QByteArray s = r ? "receipt " : "payment ";
            const QString missing = r ? QStringLiteral("请输入此次收款金额!") : QStringLiteral("请输入此次付款金额!");
            QTest::newRow(s + "empty") << side << QString() << missing;
            QTest::newRow(s + "zero") << side << QStringLiteral("0") << missing;
            QTest::newRow(s + "lone point") << side << QStringLiteral(".")
                                        << (r ? QStringLiteral("“本次收款”不是正确的金额,请重新输入!")
                                              : QStringLiteral("“本次付款”不是正确的金额,请重新输入!"));
            QTest::newRow(s + "0.0 is recorded") << side << QStringLiteral("0.0") << QString();
        }
    }

    // "确定" refuses an empty or zero amount and one that is not a number: message, the amount
    // focused and selected, the dialog still open, nothing written.
    void amountChecks()
    {
        QFETCH(AccountSide, side);
        QFETCH(QString, amount);
        QFETCH(QString, message);
        AccountsApp app;
        AddOpenDocument(app.db(), side, QStringLiteral("d1"), Hotel, 100);
        auto form = Open(app.ctx(), side);
        bool stayedOpen = false;
        QVERIFY(WithDialog<TCJForm>(form->CJButton, [&](TCJForm& d) {
            QVERIFY(QTest::qWaitForWindowActive(&d));
            d.SKEdit->setText(amount);
            QTest::mouseClick(d.OKButton, Qt::LeftButton);
            stayedOpen = d.isVisible();
            if (stayedOpen) {
                QCOMPARE(QApplication::focusWidget(), d.SKEdit);
                QCOMPARE(d.SKEdit->selectedText(), amount);
            }
        }));
        QCOMPARE(stayedOpen, !message.isEmpty());
        QCOMPARE(app.prompts.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(HistoryRows(app.db(), side, QStringLiteral("d1")), message.isEmpty() ? 1 : 0);
        QCOMPARE(StoredQK(app.db(), side, QStringLiteral("d1")), 100.0);
    }

    // The keyboard: only number keys and "-" reach the amount; Enter goes to "确定", Enter again
    // records; leaving an amount that is not a number is refused and the focus comes back.
    void keyboard_data() { sides_data(); }
    void keyboard()
    {
        QFETCH(AccountSide, side);
        AccountsApp app;
        AddOpenDocument(app.db(), side, QStringLiteral("d1"), Hotel, 100);
        auto form = Open(app.ctx(), side);
        QVERIFY(WithDialog<TCJForm>(form->CJButton, [&](TCJForm& d) {
            QVERIFY(QTest::qWaitForWindowActive(&d));
            QCOMPARE(QApplication::focusWidget(), d.SKEdit);
            d.SKEdit->clear();
            QTest::keyClicks(d.SKEdit, QStringLiteral("1-a."));
            QCOMPARE(d.SKEdit->text(), QStringLiteral("1-."));
            QTest::keyClick(d.SKEdit, Qt::Key_Tab);
            QTRY_COMPARE(app.prompts.texts(), QStringList{QStringLiteral("请输入正确的金额!")});
            QCOMPARE(QApplication::focusWidget(), d.SKEdit);
            QCOMPARE(d.SKEdit->selectedText(), QStringLiteral("1-."));
            QTest::keyClicks(d.SKEdit, QStringLiteral("-25.5"));
            QTest::keyClick(d.SKEdit, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), d.OKButton);
            QCOMPARE(app.prompts.entries.size(), 1);
            QTest::keyClick(d.OKButton, Qt::Key_Return);
            QVERIFY(!d.isVisible());
        }));
        QCOMPARE(StoredQK(app.db(), side, QStringLiteral("d1")), 125.5);
    }

    // Writing off asks first; a return's negative amount owed is written off like any other.
    void writeOff_data() { sides_data(); }
    void writeOff()
    {
        QFETCH(AccountSide, side);
        AccountsApp app;
        AddOpenDocument(app.db(), side, QStringLiteral("d1"), Hotel, -3500);
        AddOpenDocument(app.db(), side, QStringLiteral("d2"), Zhou, 80);
        RecordPartPayment(app.db(), side, QStringLiteral("d1"), -500_yuan, {2024, 5, 6});
        auto form = Open(app.ctx(), side);
        const QString question = side == AccountSide::Receivable ? QStringLiteral("确定要核消当前此笔应收款吗?")
                                                                 : QStringLiteral("确定要核消当前此笔应付款吗?");
        app.prompts.answers = {false};
        QTest::mouseClick(form->HXButton, Qt::LeftButton);
        QCOMPARE(app.prompts.texts(), QStringList{question});
        QCOMPARE(StoredQK(app.db(), side, QStringLiteral("d1")), -3000.0);

        form->partyGrid->setRow(int(Column(*form->partyGrid, 0).indexOf(Hotel)) + 1);
        app.prompts.answers = {true};
        QTest::mouseClick(form->HXButton, Qt::LeftButton);
        QCOMPARE(StoredQK(app.db(), side, QStringLiteral("d1")), 0.0);
        QCOMPARE(HistoryRows(app.db(), side, QStringLiteral("d1")), 0);
        QCOMPARE(Column(*form->partyGrid, 0), QStringList({QStringLiteral("所有"), Zhou}));
        QCOMPARE(form->partyGrid->row(), 1);
        QCOMPARE(Column(*form->documentGrid, 1), QStringList{QStringLiteral("d2")});
        QCOMPARE(form->QKLabel->text(), QStringLiteral("80 元"));
    }

    // "账龄分析" shows each customer's (supplier's) open amounts by age, and the totals, and
    // previews them.
    void ageing_data() { sides_data(); }
    void ageing()
    {
        QFETCH(AccountSide, side);
        AccountsApp app;
        // 10, 45 and 120 days before the fixture's today (2026-03-18)
        AddOpenDocument(app.db(), side, QStringLiteral("d1"), Zhou, 100, QDate(2026, 3, 8));
        AddOpenDocument(app.db(), side, QStringLiteral("d2"), Hotel, 40.5, QDate(2026, 2, 1));
        AddOpenDocument(app.db(), side, QStringLiteral("d3"), Zhou, -20, QDate(2025, 11, 18));
        auto form = Open(app.ctx(), side);
        QVector<QStringList> rows;
        QStringList printed;
        QVERIFY(WithDialog<TZhangLingForm>(form->ZLButton, [&](TZhangLingForm& d) {
            for (int r = 1; r < d.ageingGrid->rowCount(); ++r) {
                QStringList row;
                for (int c = 0; c < 6; ++c)
                    row << d.ageingGrid->cell(c, r);
                rows << row;
            }
            QVERIFY(WithDialog<ReportPreviewDialog>(d.BrowseButton, [&](ReportPreviewDialog& p) {
                for (const PageText& t : p.model().pages.value(0).texts)
                    printed << t.text;
            }));
        }));
        QCOMPARE(rows, (QVector<QStringList>{{Zhou, "100", "0", "0", "-20", "80"},
                                             {Hotel, "0", "40.5", "0", "0", "40.5"},
                                             {"合计", "100", "40.5", "0", "-20", "120.5"}}));
        // The preview prints the same rows under the window's caption.
        const QString title = side == AccountSide::Receivable ? QStringLiteral("销售应收款账龄分析")
                                                              : QStringLiteral("采购应付款账龄分析");
        for (const QString& shown : {title, QStringLiteral("90天以上"), Hotel, QStringLiteral("合计"), QStringLiteral("120.5")})
            QVERIFY2(printed.contains(shown), qPrintable(shown));
    }

    // "对账单" takes one customer: off on "所有"; for a customer, the preview of the statement with
    // the shop and the customer at the top, each document with its receipts and the balance, from
    // which the PDF is written.
    void statement()
    {
        AccountsApp app;
        app.ctx().GsInfo.GSName = QStringLiteral("晴岚家电商行");
        app.ctx().GsInfo.GSAddress = QStringLiteral("经十路100号");
        app.ctx().GsInfo.GSPhone = QStringLiteral("0531-88886666");
        TKeHu k;
        k.KeHu = Zhou;
        k.phone = QStringLiteral("15900002468");
        k.address = QStringLiteral("城西区经七路9号");
        InsertKeHu(app.db(), k);
        const AccountSide s = AccountSide::Receivable;
        AddOpenDocument(app.db(), s, QStringLiteral("xs240401001"), Zhou, 800, {2024, 4, 1}, 1000);
        AddOpenDocument(app.db(), s, QStringLiteral("xs240402001"), Hotel, 60, {2024, 4, 2});
        RecordPartPayment(app.db(), s, QStringLiteral("xs240401001"), 300_yuan, {2024, 4, 5});
        auto form = Open(app.ctx(), s);
        QVERIFY(!form->DZDButton->isEnabled());
        QVERIFY(!WithDialog<ReportPreviewDialog>(form->DZDButton, [](ReportPreviewDialog&) {}));
        form->partyGrid->setRow(int(Column(*form->partyGrid, 0).indexOf(Zhou)) + 1);
        QVERIFY(form->DZDButton->isEnabled());

        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("对账单.pdf"));
        PageModel printed;
        QVERIFY(WithDialog<ReportPreviewDialog>(form->DZDButton, [&](ReportPreviewDialog& d) {
            printed = d.model();
            QVERIFY(d.exportPdf(pdf));
        }));
        QStringList texts;
        for (const ReportPage& page : printed.pages)
            for (const PageText& t : page.texts)
                texts << t.text;
        for (const QString& shown : {QStringLiteral("晴岚家电商行客户对账单"), QStringLiteral("经十路100号"),
                                     QStringLiteral("0531-88886666"), Zhou, QStringLiteral("15900002468"),
                                     QStringLiteral("城西区经七路9号"), QStringLiteral("xs240401001"),
                                     QStringLiteral("收款"), QStringLiteral("500"), QStringLiteral("500 元")})
            QVERIFY2(texts.contains(shown), qPrintable(shown));
        QVERIFY(!texts.contains(QStringLiteral("xs240402001")));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(4), QByteArray("%PDF"));
        QVERIFY(app.prompts.entries.isEmpty());

        // After a receipt the list is back on "所有" and the button off again.
        SelectDocument(*form, QStringLiteral("xs240401001"));
        QVERIFY(Pay(*form, QStringLiteral("100")));
        QVERIFY(!form->DZDButton->isEnabled());
        QVERIFY(Open(app.ctx(), AccountSide::Payable)->DZDButton->isHidden());
    }

    // A receipt (payment) dated in a closed month asks first: 取消 keeps the dialog and the amount
    // owed, 确定 records it and marks the month to be closed again.
    void receiptInClosedMonthAsks_data() { sides_data(); }
    void receiptInClosedMonthAsks()
    {
        QFETCH(AccountSide, side);
        AccountsApp app;
        AddOpenDocument(app.db(), side, QStringLiteral("d1"), Hotel, 100);
        app.db().exec(QStringLiteral("insert into Log_JieQun(JQM) values('202406')"));
        auto form = Open(app.ctx(), side);
        app.prompts.answers = {false};
        bool stayedOpen = false;
        QVERIFY(WithDialog<TCJForm>(form->CJButton, [&](TCJForm& d) {
            d.payDate->setDate({2024, 6, 3});
            d.SKEdit->setText(QStringLiteral("30"));
            QTest::mouseClick(d.OKButton, Qt::LeftButton);
            stayedOpen = d.isVisible();
        }));
        QVERIFY(stayedOpen);
        QCOMPARE(app.prompts.texts(), QStringList{"该月已结存, 继续将使结存数据过期"});
        QCOMPARE(StoredQK(app.db(), side, QStringLiteral("d1")), 100.0);
        app.prompts.answers = {true};
        QVERIFY(Pay(*form, QStringLiteral("30")));
        QCOMPARE(StoredQK(app.db(), side, QStringLiteral("d1")), 70.0);
        QCOMPARE(app.db().scalar(QStringLiteral("select Stale from Log_JieQun")).toInt(), 1);
    }

    // A failing statement is shown in the error box and leaves the document as it was.
    void databaseErrorShown()
    {
        AccountsApp app;
        AddOpenDocument(app.db(), AccountSide::Receivable, QStringLiteral("d1"), Hotel, 100);
        RefuseWrites(app.db(), QStringLiteral("Log_SKGuoCheng"), QStringLiteral("insert"), QStringLiteral("disk full"));
        auto form = Open(app.ctx(), AccountSide::Receivable);
        bool stayedOpen = false;
        QVERIFY(WithDialog<TCJForm>(form->CJButton, [&](TCJForm& d) {
            d.SKEdit->setText(QStringLiteral("30"));
            QTest::mouseClick(d.OKButton, Qt::LeftButton);
            stayedOpen = d.isVisible();
        }));
        QVERIFY(stayedOpen);
        QCOMPARE(app.prompts.entries.size(), 1);
        QCOMPARE(app.prompts.entries[0].kind, RecordingPrompts::Entry::Error);
        QVERIFY(app.prompts.last().startsWith(QStringLiteral("冲减应收款失败: ")));  // names what failed
        QVERIFY(app.prompts.last().contains(QStringLiteral("disk full")));
        QCOMPARE(StoredQK(app.db(), AccountSide::Receivable, QStringLiteral("d1")), 100.0);
    }
};

QL_APP_TEST_MAIN(TestAccountsForm)
#include "test_accountsform.moc"
