// The sales document window and its add-item dialog, in both kinds, driven offscreen.
#include "DocNumbers.h"
#include "DocumentStore.h"
#include "TestDb.h"
#include "TestFaults.h"
#include "DocumentFixture.h"
#include "GoodsBarcodes.h"
#include "TabChain.h"
#include "XSDJAddForm.h"
#include "XSDJForm.h"

#include <QDateEdit>
#include <QLabel>
#include <QtTest>

namespace {

const QString Duplicate = QStringLiteral("系统中已存在该单号，请输入正确的单号!\n\r若要修改历史销售单，请到\"查询统计->销售查询\""
                                         "中删除相应的销售单后再重新进行销售登记!");

// A window of the kind, shown, with a salesperson and a customer chosen.
struct Window {
    TBase_XSDJForm w;
    Window(AppContext& ctx, DanKind kind) : w(ctx)
    {
        w.SetDanKind(kind);
        w.show();
    }
    void header(const QString& customer = QStringLiteral("张建国"))
    {
        w.KHComboBox->setEditText(customer);
        w.YYYComboBox->setCurrentIndex(w.YYYComboBox->findText(QStringLiteral("王磊")));
    }
    void confirm() { QTest::mouseClick(w.NewDButton, Qt::LeftButton); }
    QString dh() const { return w.XDHEdit->text().trimmed(); }
};

}  // namespace

class TestXSDJForm : public QObject {
    Q_OBJECT
private slots:
    // The link opens the customer window; a customer added there is chosen in the refilled list with
    // its phone and address. Leaving the window without adding one keeps the header as it was.
    void customerLink()
    {
        DocumentFixture f;
        Window win(f.ctx(), ForwardKind);
        CheckPartnerLink(win.w, "KHEdit", {"何晓梅", "13700001111", "城东区花园路3号"});
        QVERIFY(win.w.KHComboBox->findText(QStringLiteral("张建国")) >= 0);
        QVERIFY(f.prompts.entries.isEmpty());
    }

    void captionsByKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("captions");  // window, date, paid, confirm, new
        QTest::addColumn<QStringList>("numbers");  // the first two of the day
        QTest::newRow("sale") << 1 << QStringList{"销售登记", "销售日期", "实收", "确认售出", "新建销售单"}
                              << QStringList{"xs260402001", "xs260402002"};
        QTest::newRow("return") << 2 << QStringList{"销售退货", "退货日期", "实付", "确认退货", "新建退货单"}
                                << QStringList{"xt260402001", "xt260402002"};
    }
    void captionsByKind()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, numbers);
        DocumentFixture f;
        f.ctx().clock().setFixed(QDateTime(QDate(2026, 4, 2), QTime(9, 0)));  // no documents yet that day
        Window win(f.ctx(), DanKind(kind));
        TBase_XSDJForm& w = win.w;
        QCOMPARE(w.windowTitle(), captions[0]);
        QCOMPARE(w.dateLabel->text(), captions[1]);
        QCOMPARE(w.paidLabel->text(), captions[2]);
        QCOMPARE(w.NewDButton->text(), captions[3]);
        QCOMPARE(w.XDHEdit->text(), numbers[0]);
        QVERIFY(!w.PrintButton->isEnabled() && !w.BrowseButton->isEnabled());
        QCOMPARE(w.findChild<QComboBox*>("KHComboBox"), w.KHComboBox);
        QVERIFY(w.YYYComboBox->count() >= 3);
        QVERIFY(w.KHComboBox->findText(QStringLiteral("张建国")) >= 0);

        win.header();
        AddLine(w, "YS-35GW", "2500", "1");
        win.confirm();
        QCOMPARE(w.danState(), TradeDocumentForm::DanState::Saved);
        QCOMPARE(w.NewDButton->text(), captions[4]);
        for (QWidget* c : std::initializer_list<QWidget*>{w.KHComboBox, w.YYYComboBox, w.XDHEdit, w.AddButton,
                                                          w.SSEdit, w.DelRowButton, w.AutoDHButton})
            QVERIFY(!c->isEnabled());
        QVERIFY(w.PrintButton->isEnabled() && w.BrowseButton->isEnabled() && w.SlipBrowseButton->isEnabled());

        // state 2 -> 1: a new document with the next number and an empty grid
        QTest::mouseClick(w.NewDButton, Qt::LeftButton);
        QCOMPARE(w.danState(), TradeDocumentForm::DanState::Entering);
        QCOMPARE(w.NewDButton->text(), captions[3]);
        QCOMPARE(w.XDHEdit->text(), numbers[1]);
        QVERIFY(w.lineGrid->cell(1, 1).isEmpty());
        QCOMPARE(w.SLEdit->text(), QStringLiteral("0"));
        QVERIFY(w.KHPhoneEdit->isEnabled() && w.KHComboBox->currentText().isEmpty());
    }

    // "型号/条码" takes a scanned barcode first, then the model number. The same goods item
    // scanned again at the price of its line adds to that line; a model number typed, or
    // another price, adds a line as before.
    void scannedBarcodeAddsToItsLine()
    {
        DocumentFixture f;
        // the box code of YS-35GW reads like another model number: the barcode wins
        GoodsBarcodes::set(f.ctx().db(), {"远山", "远山挂机空调", "YS-35GW"}, {"4006381333931", "YS-26GW"});
        Window win(f.ctx(), ForwardKind);
        TBase_XSDJForm& w = win.w;
        win.header();
        AddLine(w, "4006381333931", "2500", "1");
        AddLine(w, "YS-26GW", "2500", "1");
        QCOMPARE(w.lineGrid->rowCount(), 2);
        QCOMPARE((QStringList{w.lineGrid->cell(3, 1), w.lineGrid->cell(5, 1), w.lineGrid->cell(6, 1)}),
                 (QStringList{"YS-35GW", "2", "5000"}));
        AddLine(w, "YS-35GW", "2500", "1");   // typed: a line of its own
        AddLine(w, "4006381333931", "2400", "1");  // another price: a line of its own
        AddLine(w, "4006381333931", "2500", "1");
        QCOMPARE(w.lineGrid->rowCount(), 4);
        QCOMPARE(w.lineGrid->cell(5, 1), QStringLiteral("3"));
        QCOMPARE(w.SLEdit->text(), QStringLiteral("5"));
        QCOMPARE(w.JEEdit->text(), QStringLiteral("12400"));
        const QString dh = win.dh();
        win.confirm();
        QVERIFY2(f.prompts.entries.isEmpty(), qPrintable(f.prompts.texts().join('|')));
        QCOMPARE(f.value("select count(*) from Log_XiaoShou where dh='" + dh + "'").toInt(), 3);
    }

    // Two lines of the same item, part paid: header, lines, costs, stock and the amount owed.
    void saleOfSeveralLines()
    {
        DocumentFixture f;
        Window win(f.ctx(), ForwardKind);
        TBase_XSDJForm& w = win.w;
        win.header();
        QCOMPARE(w.KHPhoneEdit->text(), QStringLiteral("13905310211"));  // from the customer list
        AddLine(w, "YS-35GW", "2500", "2");
        AddLine(w, "ys-bcd 215", "1800.5", "1");
        AddLine(w, "YS-35GW", "2450", "3");
        QCOMPARE(w.lineGrid->rowCount(), 4);
        QCOMPARE(w.lineGrid->cell(6, 2), QStringLiteral("1800.5"));
        QCOMPARE(w.SLEdit->text(), QStringLiteral("6"));
        QCOMPARE(w.JEEdit->text(), QStringLiteral("14150.5"));
        QCOMPARE(w.SSEdit->text(), QStringLiteral("14150.5"));
        w.SSEdit->setText(QStringLiteral("10000"));
        QCOMPARE(w.QKEdit->text(), QStringLiteral("4150.5"));
        w.RemarkEdit->setText(QStringLiteral("送货上门"));
        const QString dh = win.dh();
        win.confirm();
        QVERIFY2(f.prompts.entries.isEmpty(), qPrintable(f.prompts.texts().join('|')));
        QCOMPARE(w.danState(), TradeDocumentForm::DanState::Saved);
        QSqlQuery h = f.db().exec("select shuliang,jinE,QK,yewuyuan,KeHu,KeHuPhone,Remark,in_date from Log_XiaoShouDan "
                                  "where dh=:dh", {{":dh", dh}});
        QVERIFY(h.next());
        QCOMPARE(h.value(0).toInt(), 6);
        QCOMPARE(h.value(1).toDouble(), 14150.5);
        QCOMPARE(h.value(2).toDouble(), 4150.5);
        QCOMPARE(h.value(3).toString(), QStringLiteral("王磊"));
        QCOMPARE(h.value(4).toString(), QStringLiteral("张建国"));
        QCOMPARE(h.value(5).toString(), QStringLiteral("13905310211"));
        QCOMPARE(h.value(6).toString(), QStringLiteral("送货上门"));
        QCOMPARE(h.value(7).toString(), QStringLiteral("2026-03-18"));  // the fixture's today
        QCOMPARE(f.value("select count(*) from Log_XiaoShou where dh='" + dh + "'").toInt(), 3);
        QCOMPARE(f.value("select sum(CB*shuliang) from Log_XiaoShou where dh='" + dh + "'").toDouble(),
                 5 * 2000.0 + 1500);
        QCOMPARE(f.stock("YS-35GW"), 0);
        QCOMPARE(f.stock("YS-BCD215"), 2);
    }

    // The stock check counts the units of the same item already on the document.
    void saleRefusedForStock_data()
    {
        QTest::addColumn<QString>("first");   // quantity of an earlier line of the item, or empty
        QTest::addColumn<QString>("second");
        QTest::newRow("one line above stock") << "" << "6";
        QTest::newRow("split lines above stock") << "3" << "3";
    }
    void saleRefusedForStock()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        DocumentFixture f;
        Window win(f.ctx(), ForwardKind);
        if (!first.isEmpty())
            AddLine(win.w, "YS-35GW", "2500", first);
        AddLine(win.w, "YS-35GW", "2500", second);
        QCOMPARE(f.prompts.texts(), QStringList{"该商品库存量不足!"});
        QCOMPARE(win.w.SLEdit->text(), first.isEmpty() ? QStringLiteral("0") : first);
        // a sales return takes any quantity
        Window ret(f.ctx(), ReturnKind);
        AddLine(ret.w, "YS-35GW", "2500", "9");
        QCOMPARE(ret.w.SLEdit->text(), QStringLiteral("9"));
    }

    // A return raises the stock and carries the current average cost; its figures are stored negated.
    void returnRaisesStockAtAverageCost()
    {
        DocumentFixture f;
        Window win(f.ctx(), ReturnKind);
        win.header();
        AddLine(win.w, "YS-26GW", "150", "2");
        win.w.SSEdit->setText(QStringLiteral("100"));
        const QString dh = win.dh();
        QVERIFY(dh.startsWith("xt"));
        win.confirm();
        QCOMPARE(win.w.danState(), TradeDocumentForm::DanState::Saved);
        QCOMPARE(f.stock("YS-26GW"), 12);
        QCOMPARE(f.fields("select shuliang,jinE,QK from Log_XiaoShouDan where dh='" + dh + "'"),
                 QStringLiteral("-2 -300.0 -200.0"));
        QCOMPARE(f.fields("select shuliang,jinE,danjia,CB from Log_XiaoShou where dh='" + dh + "'"),
                 QStringLiteral("-2 -300.0 150.0 100.0"));
    }

    // Every refusal of the window and of the dialog, with nothing stored.
    void refusals_data()
    {
        QTest::addColumn<QString>("customer");
        QTest::addColumn<bool>("salesperson");
        QTest::addColumn<QString>("paid");      // typed over the amount paid, or empty
        QTest::addColumn<QString>("number");    // typed over the number, or empty
        QTest::addColumn<QString>("message");
        QTest::newRow("no salesperson") << "张建国" << false << "" << "" << "请选择业务员!";
        QTest::newRow("no customer") << "" << true << "" << "" << "请输入客户名称!";
        QTest::newRow("lone point paid") << "张建国" << true << "." << "" << "实收不是有效的金额，请重新输入!";
        QTest::newRow("no number") << "张建国" << true << "" << " " << "单据号不能为空!当日该类单据号已用完,请输入其他单据号。";
    }
    void refusals()
    {
        QFETCH(QString, customer);
        QFETCH(bool, salesperson);
        QFETCH(QString, paid);
        QFETCH(QString, number);
        QFETCH(QString, message);
        DocumentFixture f;
        Window win(f.ctx(), ForwardKind);
        TBase_XSDJForm& w = win.w;
        w.KHComboBox->setEditText(customer);
        if (salesperson)
            w.YYYComboBox->setCurrentIndex(0);
        AddLine(w, "YS-35GW", "2500", "1");
        if (!paid.isEmpty())
            w.SSEdit->setText(paid);
        if (!number.isEmpty())
            w.XDHEdit->setText(number);
        const int before = f.value("select count(*) from Log_XiaoShouDan").toInt();
        win.confirm();
        QCOMPARE(f.prompts.texts(), QStringList{message});
        QCOMPARE(w.danState(), TradeDocumentForm::DanState::Entering);
        QCOMPARE(f.value("select count(*) from Log_XiaoShouDan").toInt(), before);
        QCOMPARE(w.lineGrid->cell(3, 1), QStringLiteral("YS-35GW"));
    }

    void noLinesDoesNothing()
    {
        DocumentFixture f;
        Window win(f.ctx(), ForwardKind);
        win.header();
        win.confirm();
        QVERIFY(f.prompts.entries.isEmpty());
        QCOMPARE(win.w.danState(), TradeDocumentForm::DanState::Entering);
    }

    // A used number is refused with the full message; blanks typed around a number are dropped.
    void numbers()
    {
        DocumentFixture f;
        f.ctx().clock().setFixed(QDateTime(QDate(2026, 4, 2), QTime(9, 0)));  // no documents yet that day
        Window first(f.ctx(), ForwardKind);
        first.header();
        AddLine(first.w, "YS-26GW", "150", "1");
        first.w.XDHEdit->setText(QStringLiteral("  xs990101001 "));
        first.confirm();
        QCOMPARE(first.w.XDHEdit->text(), QStringLiteral("xs990101001"));
        QCOMPARE(f.value("select count(*) from Log_XiaoShou where dh='xs990101001'").toInt(), 1);

        Window second(f.ctx(), ReturnKind);  // returns share the table of sales numbers
        second.header();
        AddLine(second.w, "YS-26GW", "150", "1");
        second.w.XDHEdit->setText(QStringLiteral("XS990101001"));
        second.confirm();
        QCOMPARE(f.prompts.texts(), QStringList{Duplicate});
        QCOMPARE(second.w.danState(), TradeDocumentForm::DanState::Entering);
        QVERIFY(second.w.XDHEdit->hasFocus() || !second.w.isActiveWindow());

        // the picked date gives that day's number; AutoDHButton always today's
        second.w.documentDate->setDate(QDate(2099, 1, 2));
        QCOMPARE(second.w.XDHEdit->text(), QStringLiteral("xt990102001"));
        QTest::mouseClick(second.w.AutoDHButton, Qt::LeftButton);
        QCOMPARE(second.w.XDHEdit->text(), QStringLiteral("xt260402001"));
    }

    // What another copy of the program saved meanwhile: the proposed number it took gives way to
    // the next, and the operator is told; goods it sold are not sold twice.
    void anotherCopySavedMeanwhile()
    {
        DocumentFixture f;
        Window win(f.ctx(), ForwardKind);
        win.header();
        AddLine(win.w, "YS-35GW", "2500", "3");
        const QString shown = win.dh();
        TXiaoShouDan other;
        other.dh = shown;
        other.shuliang = 4;
        other.jinE = 10000_yuan;
        other.in_date = win.w.documentDate->date();
        QVERIFY(SaveXiaoShouDocument(f.db(), other, {TestDb::line("远山", "远山挂机空调", "YS-35GW", 4, 2500)}, ForwardKind));
        win.confirm();
        QCOMPARE(f.prompts.entries.size(), 1);
        QCOMPARE(f.prompts.entries[0].kind, RecordingPrompts::Entry::Error);
        QVERIFY2(f.prompts.last().contains("远山 远山挂机空调 YS-35GW 库存量不足: 现有库存 1, 本单需要 3"),
                 qPrintable(f.prompts.last()));
        QCOMPARE(win.w.danState(), TradeDocumentForm::DanState::Entering);
        QCOMPARE(f.stock("YS-35GW"), 1);

        f.prompts.entries.clear();
        win.w.lineGrid->setRow(1);
        win.w.DelRowButton->click();
        AddLine(win.w, "YS-35GW", "2500", "1");
        win.confirm();
        const QString next = shown.left(8) + QStringLiteral("%1").arg(shown.mid(8).toInt() + 1, 3, 10, QLatin1Char('0'));
        QCOMPARE(f.prompts.texts(), QStringList{QStringLiteral("单号 %1 已被使用, 本单已保存为 %2。").arg(shown, next)});
        QCOMPARE(win.w.danState(), TradeDocumentForm::DanState::Saved);
        QCOMPARE(win.dh(), next);
        QCOMPARE(f.value("select sum(shuliang) from Log_XiaoShou where dh='" + next + "'").toInt(), 1);
        QCOMPARE(f.stock("YS-35GW"), 0);
    }

    // A day whose 999 numbers are used leaves the number empty; the operator types another.
    void usedUpDay()
    {
        DocumentFixture f;
        const QString key = "xs260318";  // the fixture's today
        f.db().exec("insert into Log_XiaoShouDan(dh,shuliang,jinE,KeHu,yewuyuan,in_date,QK) values(:dh,0,0,'x','y',:d,0)",
                    {{":dh", key + "999"}, {":d", "2026-03-18"}});
        Window win(f.ctx(), ForwardKind);
        QVERIFY(win.w.XDHEdit->text().isEmpty());
        QVERIFY(!win.w.XDHEdit->placeholderText().isEmpty());
        win.header();
        AddLine(win.w, "YS-26GW", "150", "1");
        win.confirm();
        QCOMPARE(f.prompts.texts(), QStringList{"单据号不能为空!当日该类单据号已用完,请输入其他单据号。"});
        win.w.XDHEdit->setText(key + "A01");
        win.confirm();
        QCOMPARE(win.w.danState(), TradeDocumentForm::DanState::Saved);
    }

    // A sale dated in a closed month asks first: 取消 saves nothing, 确定 saves it and marks the
    // month to be closed again.
    void saleInClosedMonthAsks()
    {
        DocumentFixture f;
        f.db().exec("insert into Log_JieQun(JQM) values('202602')");
        Window win(f.ctx(), ForwardKind);
        win.header();
        AddLine(win.w, "YS-26GW", "150", "1");
        win.w.documentDate->setDate(QDate(2026, 2, 10));
        const QString dh = win.dh();
        f.prompts.answers = {false};
        win.confirm();
        QCOMPARE(f.prompts.texts(), QStringList{"该月已结存, 继续将使结存数据过期"});
        QCOMPARE(win.w.danState(), TradeDocumentForm::DanState::Entering);
        QCOMPARE(f.value("select count(*) from Log_XiaoShouDan where dh='" + dh + "'").toInt(), 0);
        QCOMPARE(f.value("select Stale from Log_JieQun").toInt(), 0);
        f.prompts.answers = {true};
        win.confirm();
        QCOMPARE(win.w.danState(), TradeDocumentForm::DanState::Saved);
        QCOMPARE(f.value("select count(*) from Log_XiaoShouDan where dh='" + dh + "'").toInt(), 1);
        QCOMPARE(f.value("select Stale from Log_JieQun").toInt(), 1);
    }

    // A failure of the database in the middle of the save leaves nothing and keeps the lines.
    void databaseErrorLeavesNothing()
    {
        DocumentFixture f;
        RefuseWrites(f.db(), QStringLiteral("Log_XiaoShou"), QStringLiteral("insert"), QStringLiteral("disk I/O error"));
        Window win(f.ctx(), ForwardKind);
        win.header();
        AddLine(win.w, "YS-35GW", "2500", "2");
        const QString dh = win.dh();
        win.confirm();
        QCOMPARE(f.prompts.entries.size(), 1);
        QCOMPARE(f.prompts.entries[0].kind, RecordingPrompts::Entry::Error);
        QVERIFY(f.prompts.last().startsWith("保存销售单失败: "));  // names what failed
        QVERIFY(f.prompts.last().contains("disk I/O error"));
        QCOMPARE(win.w.danState(), TradeDocumentForm::DanState::Entering);
        QCOMPARE(win.w.lineGrid->cell(5, 1), QStringLiteral("2"));
        QCOMPARE(f.value("select count(*) from Log_XiaoShouDan where dh='" + dh + "'").toInt(), 0);
        QCOMPARE(f.stock("YS-35GW"), 5);
        AllowWrites(f.db(), QStringLiteral("Log_XiaoShou"), QStringLiteral("insert"));
        win.confirm();
        QCOMPARE(win.w.danState(), TradeDocumentForm::DanState::Saved);
        QCOMPARE(f.stock("YS-35GW"), 3);
    }

    void addItemDialog_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("spec");      // found through 型号/条码; empty: nothing chosen
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("message");   // empty: accepted
        QTest::newRow("no goods, sale") << 1 << "" << "1" << "1" << "请选择要售出的商品!";
        QTest::newRow("no goods, return") << 2 << "" << "1" << "1" << "请选择要退货的商品!";
        QTest::newRow("no price, sale") << 1 << "YS-35GW" << "" << "1" << "请输入销售单价及数量!";
        QTest::newRow("no quantity, return") << 2 << "YS-35GW" << "10" << "" << "请输入退货单价及数量!";
        QTest::newRow("zero quantity") << 1 << "YS-35GW" << "10" << "0" << "请输入销售单价及数量!";
        QTest::newRow("lone point price") << 1 << "YS-35GW" << "." << "1" << "单价不是有效的数字，请重新输入!";
        QTest::newRow("whole stock") << 1 << "YS-35GW" << "1999.99" << "5" << "";
    }
    void addItemDialog()
    {
        QFETCH(int, kind);
        QFETCH(QString, spec);
        QFETCH(QString, price);
        QFETCH(QString, quantity);
        QFETCH(QString, message);
        DocumentFixture f;
        TXSDJAddForm d(f.ctx());
        d.SetItemKind(DanKind(kind));
        d.show();
        QCOMPARE(d.windowTitle(), QStringLiteral("添加商品"));
        if (!spec.isEmpty()) {
            QTest::keyClicks(d.FindEdit, spec);
            QCOMPARE(d.specBox->currentText(), spec);
            QCOMPARE(d.KCLabel->text(), QStringLiteral("库存: 5"));
            QCOMPARE(d.PJCBLabel->text(), QStringLiteral("平均成本: 2000"));
        }
        QTest::keyClicks(d.DJEdit, price);
        QTest::keyClicks(d.SLEdit, quantity);
        QTest::mouseClick(d.okButton, Qt::LeftButton);
        if (message.isEmpty()) {
            QVERIFY(f.prompts.entries.isEmpty());
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(d.ResultItem().jinE, 9999.95_yuan);
            QVERIFY(d.priceBelowCost());  // shown in red, still allowed
            QCOMPARE(d.DJEdit->palette().color(QPalette::Text), QColor(Qt::red));
        } else {
            QCOMPARE(f.prompts.texts(), QStringList{message});
            QVERIFY(d.isVisible());
        }
    }

    // "型号/条码": several matches are listed, one is picked from the list; a scanned code with
    // Enter picks its item and moves on to the price.
    void quickFind()
    {
        DocumentFixture f;
        TXSDJAddForm d(f.ctx());
        d.SetItemKind(ForwardKind);
        d.show();
        QTest::keyClicks(d.FindEdit, "ys-");
        QVERIFY(d.FindList->isVisible());
        QCOMPARE(d.FindList->count(), 3);
        QVERIFY(d.specBox->currentText().isEmpty());
        QTest::keyClicks(d.FindEdit, "26");
        QVERIFY(!d.FindList->isVisible());
        QCOMPARE(d.brandBox->currentText(), QStringLiteral("远山"));
        QCOMPARE(d.productBox->currentText(), QStringLiteral("远山挂机空调"));
        QCOMPARE(d.specBox->currentText(), QStringLiteral("YS-26GW"));
        QVERIFY(!d.priceBelowCost());

        d.FindEdit->clear();
        QTest::keyClicks(d.FindEdit, "ys-bcd 215");
        QTest::keyClick(d.FindEdit, Qt::Key_Return);
        QCOMPARE(d.specBox->currentText(), QStringLiteral("YS-BCD215"));
        QVERIFY(d.DJEdit->hasFocus() || !d.isActiveWindow());
    }

    // Several matches of a partial model number: the arrows in "型号/条码" move the highlight,
    // Enter takes the highlighted match and goes on to the price; the dialog keeps its size.
    void enterTakesTheHighlightedMatch()
    {
        DocumentFixture f;
        TXSDJAddForm d(f.ctx());
        d.SetItemKind(ForwardKind);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        const QSize size = d.size();
        QTest::keyClicks(d.FindEdit, "ys-");
        QCoreApplication::processEvents();
        QVERIFY(d.FindList->isVisible());
        QCOMPARE(d.size(), size);
        QCOMPARE(d.FindList->currentRow(), 0);
        QTest::keyClick(d.FindEdit, Qt::Key_Down);
        QTest::keyClick(d.FindEdit, Qt::Key_Down);
        QTest::keyClick(d.FindEdit, Qt::Key_Up);
        QCOMPARE(d.FindList->currentRow(), 1);
        QVERIFY(d.FindEdit->hasFocus());
        const QStringList highlighted = d.FindList->currentItem()->data(Qt::UserRole).toStringList();
        QTest::keyClick(d.FindEdit, Qt::Key_Return);
        QCOMPARE((QStringList{d.brandBox->currentText(), d.productBox->currentText(), d.specBox->currentText()}),
                 highlighted);
        QVERIFY(d.DJEdit->hasFocus());
        QVERIFY(f.prompts.entries.isEmpty());
        QCoreApplication::processEvents();
        QVERIFY(!d.FindList->isVisible());
        QCOMPARE(d.size(), size);
    }

    // The printout of a saved sale or return: title with the company name, customer, lines and
    // totals, the return's figures positive; and its receipt slip on the roll of the settings.
    void printouts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::newRow("sale") << 1 << "销售单";
        QTest::newRow("return") << 2 << "销售退货单";
    }
    void printouts()
    {
        QFETCH(int, kind);
        QFETCH(QString, title);
        DocumentFixture f;
        f.ctx().GsInfo.GSName = QStringLiteral("晴岚家电城");
        f.ctx().GsInfo.GSJianJie = QStringLiteral("专营大小家电");
        Window win(f.ctx(), DanKind(kind));
        win.header();
        AddLine(win.w, "YS-26GW", "150", "2");
        AddLine(win.w, "YS-35GW", "2500", "1");
        win.w.SSEdit->setText(QStringLiteral("3000"));
        win.confirm();
        const PageModel page = PreviewOf([&] { QTest::mouseClick(win.w.BrowseButton, Qt::LeftButton); });
        QCOMPARE(page.setup.paperSize, 9);
        const QHash<QString, QString> labels = LabelTexts(page);
        QCOMPARE(labels.value("CaptionQRLabel"), "晴岚家电城" + title);
        QCOMPARE(labels.value("KHQRLabel"), QStringLiteral("张建国"));
        QCOMPARE(labels.value("DHQRLabel"), win.dh());
        QCOMPARE(labels.value("SumSLQRLabel"), QStringLiteral("3"));
        QCOMPARE(labels.value("SumJEQRLabel"), QStringLiteral("2800"));
        QCOMPARE(labels.value("QRMemo1").trimmed(), QStringLiteral("专营大小家电"));
        QCOMPARE(FieldColumn(page, "guige"), (QStringList{"YS-26GW", "YS-35GW"}));
        QCOMPARE(FieldColumn(page, "jinE"), (QStringList{"300", "2500"}));
        QVERIFY(page.pages[0].barcodes.isEmpty());  // the number as a barcode is off at first
        f.ctx().XSDPrintSet.NumberBarcode = 1;
        const PageModel withNumber = PreviewOf([&] { QTest::mouseClick(win.w.BrowseButton, Qt::LeftButton); });
        QCOMPARE(withNumber.pages[0].barcodes.size(), 1);
        QCOMPARE(withNumber.pages[0].barcodes[0].code, win.dh());
        QCOMPARE(FieldColumn(withNumber, "guige"), (QStringList{"YS-26GW", "YS-35GW"}));

        f.ctx().XSDPrintSet.ReceiptWidth = 58;
        const PageModel slip = PreviewOf([&] { QTest::mouseClick(win.w.SlipBrowseButton, Qt::LeftButton); });
        QCOMPARE(slip.pageCount(), 1);
        QCOMPARE(slip.setup.pageSizeMm().width(), 58.0);
        const QHash<QString, QString> s = LabelTexts(slip);
        QCOMPARE(s.value("TitleQRLabel"), QStringLiteral("晴岚家电城"));
        QCOMPARE(s.value("SlipQRLabel"), kind == 1 ? QStringLiteral("销售小票") : QStringLiteral("退货小票"));
        QCOMPARE(s.value("SSQRLabel"), QStringLiteral("3000"));
        QCOMPARE(s.value("BalanceCaptionQRLabel"), QStringLiteral("找零:"));
        QCOMPARE(s.value("BalanceQRLabel"), QStringLiteral("200"));
        QCOMPARE(FieldColumn(slip, "jinE"), (QStringList{"300", "2500"}));
        double bottom = 0;
        for (const PageText& t : slip.pages[0].texts)
            bottom = qMax(bottom, t.rect.bottom());
        QVERIFY(bottom <= slip.setup.pageSizeMm().height() - slip.setup.bottomMargin + 1e-6);
    }

    // Tab follows the header as it is laid out: the salesperson comes after the address.
    void tabFollowsTheHeader()
    {
        DocumentFixture f;
        TBase_XSDJForm w(f.ctx());
        w.SetDanKind(ForwardKind);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), w.KHComboBox);
        TabGoesThrough({w.KHPhoneEdit, w.KHAddressEdit, w.YYYComboBox, w.documentDate});
    }

    // A ten-line sale typed without the mouse: the customer, Enter, a salesperson picked with the
    // arrow key, Enter to "添加商品", Enter; in the dialog either the model number and Enter, or
    // Enter to the brand list and arrow keys through brand, product and spec, then price, Enter,
    // quantity, Enter, Enter on 确定; back on "添加商品(F2)", Enter (or F2) for the next line.
    // Shift+Tab to the grid and Delete removes a line typed too many; Ctrl+Enter confirms.
    void keyboardOnlySale()
    {
        DocumentFixture f;
        TBase_XSDJForm w(f.ctx());
        w.SetDanKind(ForwardKind);
        w.show();
        // Key presses carrying the text (Chinese characters as an input method commits them).
        auto type = [](QWidget* window, const QString& text) {
            for (const QChar c : text)
                QTest::sendKeyEvent(QTest::Click, window->focusWidget(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        };
        auto key = [](QWidget* window, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
            QTest::keyClick(window->focusWidget(), k, m);
        };
        QCOMPARE(w.focusWidget(), w.KHComboBox);
        type(&w, QStringLiteral("张建国"));
        key(&w, Qt::Key_Return);
        QCOMPARE(w.focusWidget(), w.YYYComboBox);
        key(&w, Qt::Key_Down);
        key(&w, Qt::Key_Return);
        QCOMPARE(w.focusWidget(), w.AddButton);
        for (int line = 0; line < 11; ++line) {
            OnModal([=](QWidget* d) {
                if (line % 2 == 0) {
                    type(d, QStringLiteral("ys-26"));
                    key(d, Qt::Key_Return);
                } else {
                    key(d, Qt::Key_Return);  // empty 型号/条码 -> brand
                    type(d, QStringLiteral("远"));
                    key(d, Qt::Key_Return);
                    key(d, Qt::Key_Down);
                    key(d, Qt::Key_Return);
                    key(d, Qt::Key_Down);
                    key(d, Qt::Key_Return);
                }
                type(d, QString::number(100 + line));
                key(d, Qt::Key_Return);
                type(d, QStringLiteral("1"));
                key(d, Qt::Key_Return);
                key(d, Qt::Key_Return);  // 确定
            });
            key(&w, line % 3 == 2 ? Qt::Key_F2 : Qt::Key_Return);
            QCOMPARE(w.focusWidget(), w.AddButton);
        }
        QVERIFY(f.prompts.entries.isEmpty());
        QCOMPARE(w.SLEdit->text(), QStringLiteral("11"));
        key(&w, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.lineGrid));
        key(&w, Qt::Key_Delete);  // the last line goes
        QCOMPARE(w.SLEdit->text(), QStringLiteral("10"));
        for (int r = 1; r <= 10; ++r)
            QVERIFY(!w.lineGrid->cell(3, r).isEmpty());
        const QString dh = w.XDHEdit->text();
        key(&w, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(w.danState(), TradeDocumentForm::DanState::Saved);
        QCOMPARE(f.fields("select count(*),sum(shuliang),sum(jinE) from Log_XiaoShou where dh='" + dh + "'"),
                 QStringLiteral("10 10 1045.0"));
        QCOMPARE(f.value("select KeHu from Log_XiaoShouDan where dh='" + dh + "'").toString(), QStringLiteral("张建国"));
    }

    // F2 opens the add-item dialog from every field of the window (its key is on the button), and
    // after the dialog the focus is on "添加商品(F2)" whether a line was added or not.
    void addKeyFromAnywhere()
    {
        DocumentFixture f;
        Window win(f.ctx(), ForwardKind);
        TBase_XSDJForm& w = win.w;
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.AddButton->text(), QStringLiteral("添加商品(F2)"));
        const QList<QWidget*> fields{w.KHComboBox, w.KHPhoneEdit, w.KHAddressEdit, w.YYYComboBox,
                                     w.documentDate, w.XDHEdit, w.RemarkEdit, w.lineGrid, w.SSEdit,
                                     w.NewDButton};
        for (QWidget* field : fields) {
            field->setFocus();
            QCOMPARE(w.focusWidget(), field);
            const auto opened = std::make_shared<bool>(false);
            OnModal([opened](QWidget* d) {
                if (auto* dialog = qobject_cast<GoodsLineForm*>(d)) {
                    *opened = true;
                    dialog->reject();
                }
            });
            QTest::keyClick(field, Qt::Key_F2);
            QVERIFY2(*opened, qPrintable(field->objectName()));
            QCOMPARE(w.focusWidget(), w.AddButton);
        }
        AddLine(w, "YS-26GW", "150", "2");
        QCOMPARE(w.focusWidget(), w.AddButton);
        QCOMPARE(w.SLEdit->text(), QStringLiteral("2"));
    }

    void clearAllAsks()
    {
        DocumentFixture f;
        Window win(f.ctx(), ForwardKind);
        AddLine(win.w, "YS-26GW", "150", "2");
        f.prompts.answers = {false};
        QTest::mouseClick(win.w.DelAllButton, Qt::LeftButton);
        QCOMPARE(f.prompts.texts(), QStringList{"确定清除表格中的商品吗?"});
        QCOMPARE(win.w.SLEdit->text(), QStringLiteral("2"));
        QTest::mouseClick(win.w.DelAllButton, Qt::LeftButton);
        QCOMPARE(win.w.SLEdit->text(), QStringLiteral("0"));
        QVERIFY(win.w.lineGrid->cell(1, 1).isEmpty());
    }
};

QL_APP_TEST_MAIN(TestXSDJForm)
#include "test_xsdjform.moc"
