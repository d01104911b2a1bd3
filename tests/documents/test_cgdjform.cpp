// The purchase document window and its add-item dialog, in both kinds, driven offscreen.
#include "CGDJAddForm.h"
#include "CGDJForm.h"
#include "DocumentFixture.h"

#include <QLabel>
#include <QtTest>

namespace {

struct Window {
    TBase_CGDJForm w;
    Window(AppContext& ctx, DanKind kind) : w(ctx)
    {
        w.SetDanKind(kind);
        w.show();
    }
    void confirm() { QTest::mouseClick(w.NewDButton, Qt::LeftButton); }
    QString dh() const { return w.DHEdit->text().trimmed(); }
};

}  // namespace

class TestCGDJForm : public QObject {
    Q_OBJECT
private slots:
    // The link opens the supplier window; a supplier added there is chosen in the refilled list with
    // its phone and address. Leaving the window without adding one keeps the header as it was.
    void supplierLink()
    {
        DocumentFixture f;
        Window win(f.ctx(), ForwardKind);
        CheckPartnerLink(win.w, "GYSEdit", {"青禾电器批发部", "0531-81112222", "工业北路88号"});
        QVERIFY(win.w.GYSComboBox->findText(QStringLiteral("北辰电器销售公司")) >= 0);
        QVERIFY(f.prompts.entries.isEmpty());
    }

    void captionsByKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("captions");  // window, date, paid, confirm, new
        QTest::addColumn<QString>("number");  // the first of the day
        QTest::newRow("purchase") << 1 << QStringList{"采购登记", "采购日期", "实付", "确认入库", "新建采购单"}
                                  << "cg260402001";
        QTest::newRow("return") << 2 << QStringList{"采购退货", "退货日期", "实收", "确认退货", "新建退货单"}
                                << "ct260402001";
    }
    void captionsByKind()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, captions);
        QFETCH(QString, number);
        DocumentFixture f;
        f.ctx().clock().setFixed(QDateTime(QDate(2026, 4, 2), QTime(9, 0)));  // no documents yet that day
        Window win(f.ctx(), DanKind(kind));
        TBase_CGDJForm& w = win.w;
        QCOMPARE(w.windowTitle(), captions[0]);
        QCOMPARE(w.dateLabel->text(), captions[1]);
        QCOMPARE(w.paidLabel->text(), captions[2]);
        QCOMPARE(w.NewDButton->text(), captions[3]);
        QCOMPARE(w.DHEdit->text(), number);
        QCOMPARE(w.findChild<QPushButton*>("browsebutton"), w.browsebutton);
        QVERIFY(w.GYSComboBox->findText(QStringLiteral("北辰电器销售公司")) >= 0);

        w.GYSComboBox->setEditText(QStringLiteral("北辰电器销售公司"));
        QCOMPARE(w.PhoneEdit->text(), QStringLiteral("0531-82345678"));
        AddLine(w, "YS-26GW", "100", "1");
        win.confirm();
        QCOMPARE(w.danState(), TradeDocumentForm::DanState::Saved);
        QCOMPARE(w.NewDButton->text(), captions[4]);
        QVERIFY(!w.GYSComboBox->isEnabled() && !w.AddButton->isEnabled() && w.browsebutton->isEnabled());
        QTest::mouseClick(w.NewDButton, Qt::LeftButton);
        QCOMPARE(w.danState(), TradeDocumentForm::DanState::Entering);
        QVERIFY(w.PhoneEdit->isEnabled() && w.PhoneEdit->text().isEmpty());
    }

    // Stock 10 at 100: a purchase of 10 at 120 gives 20 at 110 and latest price 120; a return of
    // 5 at 120 then gives 15 at (20 × 110 − 5 × 120) / 15 = 106.67. The amount owed keeps its sign.
    void purchaseAndReturnMoveTheAverageCost()
    {
        DocumentFixture f;
        Window buy(f.ctx(), ForwardKind);
        buy.w.GYSComboBox->setEditText(QStringLiteral("新供应商"));
        AddLine(buy.w, "YS-26GW", "120", "10");
        buy.w.SSEdit->setText(QStringLiteral("1000"));
        QCOMPARE(buy.w.QKEdit->text(), QStringLiteral("200"));
        const QString cg = buy.dh();
        buy.confirm();
        QCOMPARE(buy.w.danState(), TradeDocumentForm::DanState::Saved);
        QCOMPARE(f.stock("YS-26GW"), 20);
        QCOMPARE(f.cost("YS-26GW"), 110.0);
        QCOMPARE(f.value("select NewCB from Log_KuCun where GuiGe='YS-26GW'").toDouble(), 120.0);
        QCOMPARE(f.fields("select shuliang,jinE,QK,GYS from Log_CaiGouDan where dh='" + cg + "'"),
                 QStringLiteral("10 1200.0 200.0 新供应商"));
        QCOMPARE(f.value("select in_date from Log_CaiGou where dh='" + cg + "'").toString(),
                 QStringLiteral("2026-03-18"));  // the fixture's today

        Window back(f.ctx(), ReturnKind);
        back.w.GYSComboBox->setEditText(QStringLiteral("新供应商"));
        AddLine(back.w, "YS-26GW", "120", "5");
        back.w.SSEdit->setText(QStringLiteral("500"));
        const QString ct = back.dh();
        QVERIFY(ct.startsWith("ct"));
        back.confirm();
        QCOMPARE(f.stock("YS-26GW"), 15);
        QCOMPARE(f.cost("YS-26GW"), 106.67);
        QCOMPARE(f.fields("select shuliang,jinE,QK from Log_CaiGouDan where dh='" + ct + "'"),
                 QStringLiteral("-5 -600.0 -100.0"));
        QCOMPARE(f.fields("select shuliang,danjia from Log_CaiGou where dh='" + ct + "'"),
                 QStringLiteral("-5 120.0"));
    }

    // A purchase return may not take more than the stock, lines of the same item counted together;
    // a purchase takes any quantity but 0.
    void returnRefusedForStock()
    {
        DocumentFixture f;
        Window back(f.ctx(), ReturnKind);
        AddLine(back.w, "YS-BCD215", "1500", "2");
        AddLine(back.w, "YS-BCD215", "1500", "2");
        QCOMPARE(f.prompts.texts(), QStringList{"该商品库存量不足!"});
        QCOMPARE(back.w.SLEdit->text(), QStringLiteral("2"));
        f.prompts.clear();
        Window buy(f.ctx(), ForwardKind);
        AddLine(buy.w, "YS-BCD215", "1500", "0");
        QCOMPARE(f.prompts.texts(), QStringList{"请输入采购单价及数量!"});
        AddLine(buy.w, "YS-BCD215", "1500", "50");
        QCOMPARE(f.prompts.entries.size(), 1);
        QCOMPARE(buy.w.lineGrid->rowCount(), 2);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("supplier");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("paid");
        QTest::addColumn<QString>("message");
        QTest::newRow("no supplier") << "" << "" << "" << "请输入或选择供应商名称!";
        QTest::newRow("used number") << "某公司" << "USED" << ""
                                     << "系统中已存在该单号，请输入正确的单号!\n\r若要修改历史采购单，请到\"查询统计->采购查询\""
                                        "中删除相应的采购单后再重新进行采购登记!";
        QTest::newRow("lone point paid") << "某公司" << "" << "." << "实付不是有效的金额，请重新输入!";
    }
    void refusals()
    {
        QFETCH(QString, supplier);
        QFETCH(QString, number);
        QFETCH(QString, paid);
        QFETCH(QString, message);
        DocumentFixture f;
        const QString used = f.value("select dh from Log_CaiGouDan limit 1").toString();
        Window win(f.ctx(), ForwardKind);
        win.w.GYSComboBox->setEditText(supplier);
        AddLine(win.w, "YS-35GW", "1900", "1");
        if (!number.isEmpty())
            win.w.DHEdit->setText(" " + used.toUpper() + " ");
        if (!paid.isEmpty())
            win.w.SSEdit->setText(paid);
        const int before = f.value("select count(*) from Log_CaiGouDan").toInt();
        win.confirm();
        QCOMPARE(f.prompts.texts(), QStringList{message});
        QCOMPARE(win.w.danState(), TradeDocumentForm::DanState::Entering);
        QCOMPARE(f.value("select count(*) from Log_CaiGouDan").toInt(), before);
        QCOMPARE(f.stock("YS-35GW"), 5);
    }

    void addItemDialog_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("message");
        QTest::newRow("no goods") << 2 << false << "1" << "1" << "请选择要采购的商品!";
        QTest::newRow("no price") << 2 << true << "" << "1" << "请输入采购单价及数量!";
        // As on a sale: a line of nothing would only overwrite the last purchase price.
        QTest::newRow("quantity 0") << 1 << true << "1900" << "0" << "请输入采购单价及数量!";
        QTest::newRow("return of 0") << 2 << true << "1900" << "00" << "请输入采购单价及数量!";
    }
    void addItemDialog()
    {
        QFETCH(int, kind);
        QFETCH(bool, chosen);
        QFETCH(QString, price);
        QFETCH(QString, quantity);
        QFETCH(QString, message);
        DocumentFixture f;
        TCGDJAddForm d(f.ctx());
        d.SetItemKind(DanKind(kind));
        d.show();
        if (chosen)
            QTest::keyClicks(d.FindEdit, "YS-35GW");
        QTest::keyClicks(d.DJEdit, price);
        QTest::keyClicks(d.SLEdit, quantity);
        QTest::mouseClick(d.okButton, Qt::LeftButton);
        QCOMPARE(f.prompts.texts(), QStringList{message});
        QVERIFY(d.isVisible());
        QVERIFY(!d.priceBelowCost());  // purchases are never marked
    }

    void clearAllAsksNothing()
    {
        DocumentFixture f;
        Window win(f.ctx(), ForwardKind);
        AddLine(win.w, "YS-26GW", "90", "2");
        QTest::mouseClick(win.w.DelAllButton, Qt::LeftButton);
        QVERIFY(f.prompts.entries.isEmpty());
        QCOMPARE(win.w.SLEdit->text(), QStringLiteral("0"));
    }

    void printout_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::newRow("purchase") << 1 << "采购单";
        QTest::newRow("return") << 2 << "采购退货单";
    }
    void printout()
    {
        QFETCH(int, kind);
        QFETCH(QString, title);
        DocumentFixture f;
        f.ctx().GsInfo.GSName = QStringLiteral("晴岚家电城");
        f.ctx().GsInfo.GSPhone = QStringLiteral("0531-1234567");
        f.ctx().XSDPrintSet.PaperSize = 11;  // the sales paper settings do not apply here
        Window win(f.ctx(), DanKind(kind));
        win.w.GYSComboBox->setEditText(QStringLiteral("北辰电器销售公司"));
        win.w.RemarkEdit->setText(QStringLiteral("月底结清"));
        AddLine(win.w, "YS-26GW", "95.5", "2");
        win.confirm();
        const PageModel page = PreviewOf([&] { QTest::mouseClick(win.w.browsebutton, Qt::LeftButton); });
        QCOMPARE(page.setup.paperSize, 9);
        const QHash<QString, QString> labels = LabelTexts(page);
        QCOMPARE(labels.value("TitleQRLabel"), "晴岚家电城" + title);
        QCOMPARE(labels.value("GYSQRLabel"), QStringLiteral("北辰电器销售公司"));
        QCOMPARE(labels.value("PhoneQRLabel"), QStringLiteral("0531-82345678"));
        QCOMPARE(labels.value("RemarkQRLabel"), QStringLiteral("备注:月底结清"));
        QCOMPARE(labels.value("QYPhoneQRLabel"), QStringLiteral("0531-1234567"));
        QCOMPARE(labels.value("SumJEQRLabel"), QStringLiteral("191"));
        QCOMPARE(FieldColumn(page, "shuliang"), QStringList{"2"});
        QCOMPARE(FieldColumn(page, "jinE"), QStringList{"191"});
    }
};

QL_APP_TEST_MAIN(TestCGDJForm)
#include "test_cgdjform.moc"
