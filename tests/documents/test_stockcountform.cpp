// The stock-taking window driven by key events alone: 4,800 goods items scanned at scanner speed
// (a code and Enter each), none lost or doubled; a barcode counting its goods item; a typed
// quantity; a code that finds nothing; the count kept when the window is opened again; the posting.
#include "AppFixture.h"
#include "AuditLog.h"
#include "Database.h"
#include "DemoData.h"
#include "GoodsBarcodes.h"
#include "Ledger.h"
#include "StockCountForm.h"
#include "StringGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

constexpr int Items = 4800;
const char* const Brand = "盘点牌";

QString Spec(int i)
{
    return QStringLiteral("PD-%1").arg(i, 4, 10, QChar(u'0'));
}

// A scanner: the code typed key by key, then Enter.
void Scan(QWidget* box, const QString& code)
{
    QTest::keyClicks(box, code);
    QTest::keyClick(box, Qt::Key_Return);
}

}  // namespace

class TestStockCountForm : public QObject {
    Q_OBJECT
private slots:
    void scansAtScannerSpeed()
    {
        AppFixture f;
        Database& db = f.ctx().db();
        {
            Transaction t(db);
            InsertGoodsItem(db, {Brand, "盘点冰箱", "冰箱", "PD-0000", 2, 1000});
            for (int i = 1; i < Items; ++i)
                db.exec(QStringLiteral("insert into Log_KuCun(PinPai,ChanPin,GuiGe,ShuLiang,PJCB,QCShuLiang) "
                                       "values(:p,'盘点冰箱',:g,2,1000,2)"),
                        {{QStringLiteral(":p"), QString::fromUtf8(Brand)}, {QStringLiteral(":g"), Spec(i)}});
            t.commit();
        }
        // A scanned barcode counts its goods item, as the model number does.
        GoodsBarcodes::set(db, {QString::fromUtf8(Brand), QStringLiteral("盘点冰箱"), Spec(1)}, {QStringLiteral("4006381333931")});
        {
            TStockCountForm form(f.ctx());
            form.show();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QCOMPARE(QApplication::focusWidget(), form.codeEdit);
            for (int i = 0; i < Items; ++i)
                Scan(form.codeEdit, Spec(i).toLower());  // a model number typed in any case
            QCOMPARE(form.totalsLabel->text(), QStringLiteral("已盘 %1 个商品，其中 %1 个有差异").arg(Items));

            // A quantity typed, then Enter goes on to the code: the quantity becomes the count.
            QTest::keyClick(form.codeEdit, Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), form.quantityEdit);
            QTest::keyClicks(form.quantityEdit, QStringLiteral("2"));
            QTest::keyClick(form.quantityEdit, Qt::Key_Return);
            Scan(form.codeEdit, Spec(7));
            QVERIFY(form.quantityEdit->text().isEmpty());
            // A code of no goods item counts nothing and says so.
            Scan(form.codeEdit, QStringLiteral("NO-SUCH"));
            QVERIFY(form.lastLabel->text().contains(QStringLiteral("NO-SUCH")));
            QCOMPARE(form.codeEdit->selectedText(), QStringLiteral("NO-SUCH"));
            QCOMPARE(form.totalsLabel->text(), QStringLiteral("已盘 %1 个商品，其中 %2 个有差异").arg(Items).arg(Items - 1));
            Scan(form.codeEdit, QStringLiteral("4006381333931"));
            QCOMPARE(form.totalsLabel->text(), QStringLiteral("已盘 %1 个商品，其中 %2 个有差异").arg(Items).arg(Items - 2));
        }
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from Log_PanDian")).toInt(), Items);
        QCOMPARE(db.scalar(QStringLiteral("select sum(ShuLiang) from Log_PanDian")).toInt(), Items + 2);

        // Opened again, the window shows the count where it stopped; one brand lists its goods alone.
        TStockCountForm again(f.ctx());
        again.show();
        QVERIFY(QTest::qWaitForWindowActive(&again));
        again.brandBox->setCurrentIndex(again.brandBox->findText(QString::fromUtf8(Brand)));
        emit again.brandBox->activated(again.brandBox->currentIndex());
        QCOMPARE(again.countGrid->rowCount() - 1, Items);
        QCOMPARE(again.countGrid->cell(6, 8), QStringLiteral("0"));   // PD-0007: 2 counted, book 2
        QCOMPARE(again.countGrid->cell(5, 1), QStringLiteral("1"));
        QCOMPARE(again.countGrid->cell(6, 1), QStringLiteral("-1"));

        // Posting, from the keyboard: the warning question answered, the stock corrected.
        f.prompts.answers = {true};
        again.postButton->setFocus();
        QTest::keyClick(again.postButton, Qt::Key_Space);
        QCOMPARE(f.prompts.entries.first().kind, RecordingPrompts::Entry::WarningQuestion);
        QCOMPARE(f.prompts.last(), QStringLiteral("盘点已过账，%1 个商品的库存已修改。").arg(Items - 2));
        QCOMPARE(GetKuCunShuLiang(db, QString::fromUtf8(Brand), QStringLiteral("盘点冰箱"), Spec(0)), 1);
        QCOMPARE(GetKuCunShuLiang(db, QString::fromUtf8(Brand), QStringLiteral("盘点冰箱"), Spec(7)), 2);
        QCOMPARE(again.totalsLabel->text(), QStringLiteral("已盘 0 个商品，其中 0 个有差异"));
        QCOMPARE(again.countGrid->cell(5, 1), QString());
    }
};

QTEST_MAIN(TestStockCountForm)
#include "test_stockcountform.moc"
