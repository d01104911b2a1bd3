// The stock query window and the stock card.

#include "../app/AppFixture.h"
#include "CX_KuCunForm.h"
#include "ChangeWatch.h"
#include "DocumentStore.h"
#include "RefreshOffer.h"
#include "Ledger.h"
#include "StockCard.h"
#include "StockCardForm.h"
#include "StringGrid.h"
#include "TestDb.h"

#include <QComboBox>
#include <QLabel>

namespace {

const QString Brand = QStringLiteral("北辰");
const QString Product = QStringLiteral("北辰挂机空调");
const QString Spec = QStringLiteral("KFR-26GW/BC1");

void Sell(Database& db, const QString& dh, QDate date, int qty, DanKind kind = ForwardKind)
{
    TXiaoShouDan d;
    d.dh = dh;
    d.in_date = date;
    d.KeHu = QStringLiteral("张三");
    d.yewuyuan = QStringLiteral("李四");
    QVERIFY(SaveXiaoShouDocument(db, d, {TestDb::line(Brand, Product, Spec, qty, 2600)}, kind));
}

void Buy(Database& db, const QString& dh, QDate date, int qty, double price, DanKind kind = ForwardKind)
{
    TCaiGouDan d;
    d.dh = dh;
    d.in_date = date;
    d.GYS = QStringLiteral("晴川商贸");
    QVERIFY(SaveCaiGouDocument(db, d, {TestDb::line(Brand, Product, Spec, qty, price)}, kind));
}

}  // namespace

class TestStockQuery : public QObject {
    Q_OBJECT
private slots:
    // Opening stock 10; bought 5 (03-02), sold 3 (03-05), returned 1 by the customer (03-06),
    // 2 sent back to the supplier (03-07), sold 4 (03-09): balances 15, 12, 13, 11, 7.
    void stockCardRunsTheBalance()
    {
        TestDb t;
        t.addGoods(Brand, Product, Spec, 10, 2000);
        t.addGoods(Brand, Product, QStringLiteral("other"), 4, 100);
        Buy(t.db, "cg260302001", QDate(2026, 3, 2), 5, 2100);
        Sell(t.db, "xs260309001", QDate(2026, 3, 9), 4);
        Sell(t.db, "xs260305001", QDate(2026, 3, 5), 3);
        Sell(t.db, "xt260306001", QDate(2026, 3, 6), 1, ReturnKind);
        Buy(t.db, "ct260307001", QDate(2026, 3, 7), 2, 2100, ReturnKind);

        const RowSet card = StockCard(t.db, {Brand, Product, Spec});
        const QStringList kinds{"期初", "采购", "销售", "销售退货", "采购退货", "销售"};
        const QVector<int> balances{10, 15, 12, 13, 11, 7};
        QCOMPARE(card.rowCount(), kinds.size());
        for (int r = 0; r < card.rowCount(); ++r) {
            QCOMPARE(card.value(r, "kind").toString(), kinds[r]);
            QCOMPARE(card.value(r, "JieCun").toInt(), balances[r]);
        }
        QCOMPARE(card.value(2, "dh").toString(), QStringLiteral("xs260305001"));
        QCOMPARE(card.value(2, "party").toString(), QStringLiteral("张三"));
        QCOMPARE(card.value(2, "ChuKu").toInt(), 3);
        QCOMPARE(card.value(3, "RuKu").toInt(), 1);
        QCOMPARE(card.value(4, "party").toString(), QStringLiteral("晴川商贸"));
        QCOMPARE(card.value(4, "ChuKu").toInt(), 2);
        QCOMPARE(card.value(5, "JieCun").toInt(), GetKuCunShuLiang(t.db, Brand, Product, Spec));
    }

    // A name with a quote is a value, not SQL.
    void stockCardOfANameWithQuotes()
    {
        TestDb t;
        const QString brand = QStringLiteral("O'Neil_%");
        t.addGoods(brand, Product, Spec, 3, 10);
        t.addGoods(QStringLiteral("O'NeilX"), Product, Spec, 9, 10);
        const RowSet card = StockCard(t.db, {brand, Product, Spec});
        QCOMPARE(card.rowCount(), 1);
        QCOMPARE(card.value(0, "JieCun").toInt(), 3);
    }

    void windowListsFiltersAndTotals()
    {
        AppFixture f;
        TCX_KuCunForm w(f.ctx());
        QCOMPARE(w.brandBox->currentText(), QStringLiteral("所有品牌"));
        QCOMPARE(w.productBox->currentText(), QStringLiteral("所有产品"));
        QCOMPARE(w.specBox->currentText(), QStringLiteral("所有型号"));
        QCOMPARE(w.orderBox->currentIndex(), -1);
        const int all = w.stockGrid->rowCount() - 1;
        QVERIFY(all > 5);
        QCOMPARE(w.stockGrid->row(), all);  // the last row selected

        const int brand = w.brandBox->findText(Brand);
        w.brandBox->setCurrentIndex(brand);
        QCOMPARE(w.productBox->currentText(), QStringLiteral("所有产品"));
        const int rows = w.stockGrid->rowCount() - 1;
        QVERIFY(rows > 0 && rows < all);
        qint64 qty = 0;
        double value = 0;
        for (int r = 1; r <= rows; ++r) {
            QCOMPARE(w.stockGrid->cell(1, r), Brand);
            qty += w.stockGrid->cell(4, r).toLongLong();
            value += w.stockGrid->cell(7, r).toDouble();
        }
        QCOMPARE(w.SLLabel->text(), QString::number(qty));
        QCOMPARE(w.ZCBLabel->text().toDouble(), qRound64(value * 100) / 100.0);

        // Ordered by spec: the specs in the grid are in order.
        w.orderBox->setCurrentIndex(2);
        emit w.orderBox->activated(2);
        for (int r = 2; r <= rows; ++r)
            QVERIFY(w.stockGrid->cell(3, r - 1).compare(w.stockGrid->cell(3, r), Qt::CaseInsensitive) <= 0);
    }

    // Another counter's sale is offered, not read at once: the list and the chosen brand stay until
    // the operator asks (F5), then the new stock shows on the same row. The window's own connection
    // saving offers nothing.
    void anotherCountersSaleIsOffered()
    {
        AppFixture f;
        const QDate today = f.ctx().today();
        Buy(f.ctx().db(), "cg" + today.toString("yyMMdd") + "901", today, 10, 2000);
        TCX_KuCunForm w(f.ctx());
        w.show();
        w.brandBox->setCurrentIndex(w.brandBox->findText(Brand));
        int row = 1;
        while (row < w.stockGrid->rowCount() && w.stockGrid->cell(3, row) != Spec)
            ++row;
        QVERIFY2(row < w.stockGrid->rowCount(), "the goods item is not listed");
        w.stockGrid->setRow(row);
        const int before = w.stockGrid->cell(4, row).toInt();

        Sell(f.ctx().db(), "xs" + today.toString("yyMMdd") + "901", today, 1);
        QTest::qWait(2 * ChangeWatch::PollMs + 500);
        QVERIFY(!w.refreshOffer->isVisible());

        Database other(QStringLiteral("other counter"));
        other.open(f.ctx().db().target());
        Sell(other, "xs" + today.toString("yyMMdd") + "902", today, 2);
        QTRY_VERIFY_WITH_TIMEOUT(w.refreshOffer->isVisible(), 2 * ChangeWatch::PollMs + 500);
        QCOMPARE(w.stockGrid->cell(4, row).toInt(), before);
        QCOMPARE(w.brandBox->currentText(), Brand);

        QTest::keyClick(&w, Qt::Key_F5);
        QVERIFY(!w.refreshOffer->isVisible());
        QCOMPARE(w.stockGrid->row(), row);
        QCOMPARE(w.stockGrid->cell(4, row).toInt(), before - 3);
    }

    // A goods item without figures (never purchased, no cost stored) shows 0 in every figure.
    void itemWithoutFiguresShowsZero()
    {
        AppFixture f;
        f.ctx().db().exec(QStringLiteral("insert into Log_KuCun(PinPai,ChanPin,GuiGe,ShuLiang,PJCB,NewCB)"
                                         " values(:p,:c,'无价X1',null,null,null)"),
                          {{QStringLiteral(":p"), Brand}, {QStringLiteral(":c"), Product}});
        TCX_KuCunForm w(f.ctx());
        int row = 1;
        while (row < w.stockGrid->rowCount() && w.stockGrid->cell(3, row) != QStringLiteral("无价X1"))
            ++row;
        QVERIFY2(row < w.stockGrid->rowCount(), "the goods item is not listed");
        for (int col = 4; col <= 7; ++col)
            QCOMPARE(w.stockGrid->cell(col, row), QStringLiteral("0"));
    }

    void stockCardOpensForTheSelectedRow()
    {
        AppFixture f;
        TCX_KuCunForm w(f.ctx());
        w.stockGrid->setRow(1);
        const GoodsKey key{w.stockGrid->cell(1, 1), w.stockGrid->cell(2, 1), w.stockGrid->cell(3, 1)};
        TStockCardForm card(f.ctx(), key, &w);
        const int last = card.cardGrid->rowCount() - 1;
        QCOMPARE(card.cardGrid->cell(3, 1), QStringLiteral("期初"));
        QCOMPARE(card.cardGrid->cell(9, last), w.stockGrid->cell(4, 1));  // ends at today's stock
    }
};

QL_APP_TEST_MAIN(TestStockQuery)
#include "test_stockquery.moc"
