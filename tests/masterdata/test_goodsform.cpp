// The goods window and its add/edit dialog, driven through their controls.

#include "RowTexts.h"
#include "../app/AppFixture.h"
#include "GoodsBarcodes.h"
#include "GoodsImportForm.h"
#include "GoodsSelector.h"
#include "GoodsStore.h"
#include "StringGrid.h"
#include "TabChain.h"
#include "ZLSet_SPEditForm.h"
#include "ZLSet_ShangPinForm.h"
#include "TestFaults.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {

// A program folder whose catalogue holds two brands with products and goods items.
struct GoodsFixture : AppFixture {
    GoodsFixture()
    {
        Database& db = ctx().db();
        for (const char* table : {"Base_PinPai", "Base_ChanPin", "Log_KuCun"})
            db.exec(QStringLiteral("delete from ") + QLatin1String(table));
        InsertPinPai(db, "海安");
        InsertPinPai(db, "美悦");
        InsertChanPin(db, "海安", "变频空调", "空调");
        InsertChanPin(db, "海安", "冰箱", "冰箱");
        InsertGuiGe(db, "海安", "变频空调", "KFR-35GW/BP2DN1", 2100, 5);
        InsertGuiGe(db, "海安", "变频空调", "KFR-50LW", 3300.5, 2);
        InsertGuiGe(db, "海安", "冰箱", "BCD-216STPT", 1800, 3);
    }
};

QStringList Column(const StringGrid* grid, int col = 0)
{
    QStringList cells;
    for (int r = 1; r < grid->rowCount(); ++r)
        cells << grid->cell(col, r);
    return cells;
}

void Click(QPushButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// Runs fn on the goods dialog once the window has shown it modally.
void OnDialog(std::function<void(TZLSet_SPEditForm&)> fn)
{
    QTimer::singleShot(0, [fn] {
        auto* dialog = qobject_cast<TZLSet_SPEditForm*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        fn(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

// Types text over the box's text: Latin text key by key (through the key filters), Chinese as
// an input method hands it over.
void Type(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    bool latin = true;
    for (QChar c : text)
        latin = latin && c.unicode() < 128;
    if (latin)
        QTest::keyClicks(edit, text);
    else
        edit->insert(text);
}

}  // namespace

class TestGoodsForm : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheFirstBrandAndProduct()
    {
        GoodsFixture f;
        TZLSet_ShangPinForm form(f.ctx());
        QCOMPARE(form.windowTitle(), QStringLiteral("商品设置"));
        QCOMPARE(form.editTabs->currentWidget(), form.brandPage);
        QCOMPARE(Column(form.brandGrid), (QStringList{"海安", "美悦"}));
        QCOMPARE(Column(form.productGrid), (QStringList{"变频空调", "冰箱"}));
        QCOMPARE(Column(form.productGrid, 1), (QStringList{"空调", "冰箱"}));
        QCOMPARE(Column(form.itemGrid), (QStringList{"KFR-35GW/BP2DN1", "KFR-50LW"}));
        QCOMPARE(Column(form.itemGrid, 1), (QStringList{"2100", "3300.5"}));

        form.productGrid->setRow(2);  // clicking a product lists its goods items
        QCOMPARE(Column(form.itemGrid), QStringList{"BCD-216STPT"});
        form.brandGrid->setRow(2);  // a brand without products
        QCOMPARE(Column(form.productGrid), QStringList{""});
        QCOMPARE(Column(form.itemGrid), QStringList{""});
        Click(form.GG_AddButton);
        QCOMPARE(f.prompts.last(), QStringLiteral("请先添加产品!"));
        Click(form.CP_EditButton);
        QCOMPARE(f.prompts.last(), QStringLiteral("请选择要修改的产品!"));
    }

    void emptyCatalogueRefusesEachButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("edit brand") << "PP_EditButton" << "请选择要修改的品牌!";
        QTest::newRow("delete brand") << "PP_DelButton" << "请选择要删除的品牌!";
        QTest::newRow("add product") << "CP_AddButton" << "请先添加品牌!";
        QTest::newRow("delete product") << "CP_DelButton" << "请选择要删除的产品!";
        QTest::newRow("add spec") << "GG_AddButton" << "请先添加产品!";
        QTest::newRow("edit spec") << "GG_EditButton" << "请选择要修改的型号/规格";
        QTest::newRow("delete spec") << "GG_DelButton" << "请选择要删除的型号/规格!";
    }
    void emptyCatalogueRefusesEachButton()
    {
        QFETCH(QString, button);
        QFETCH(QString, message);
        GoodsFixture f;
        DeletePinPai(f.ctx().db(), "海安");
        DeletePinPai(f.ctx().db(), "美悦");
        TZLSet_ShangPinForm form(f.ctx());
        Click(form.findChild<QPushButton*>(button));
        QCOMPARE(f.prompts.texts(), QStringList{message});
    }

    void addingABrandWithEnter()
    {
        GoodsFixture f;
        TZLSet_ShangPinForm form(f.ctx());
        form.brandGrid->setRow(2);
        OnDialog([](TZLSet_SPEditForm& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("添加品牌"));
            QCOMPARE(d.focusWidget(), d.PPAdd_PPEdit);
            QTest::keyClicks(d.PPAdd_PPEdit, "  O'Neil 50%_ ");
            QTest::keyClick(d.PPAdd_PPEdit, Qt::Key_Return);
            QVERIFY(!d.isVisible());
        });
        Click(form.PP_AddButton);
        QCOMPARE(Column(form.brandGrid), (QStringList{"海安", "美悦", "O'Neil 50%_"}));
        QCOMPARE(form.brandGrid->row(), 1);  // refreshed lists select their first row
        QVERIFY(f.prompts.entries.isEmpty());
    }

    void brandRenameAndDuplicate()
    {
        GoodsFixture f;
        TZLSet_ShangPinForm form(f.ctx());
        OnDialog([&f](TZLSet_SPEditForm& d) {
            QCOMPARE(d.PPEdit_PPEdit->text(), QStringLiteral("海安"));
            Type(d.PPEdit_PPEdit, "美悦");
            Click(d.PPEditButton);
            QCOMPARE(f.prompts.last(), QStringLiteral("系统中已存在该品牌，不能将品牌修改为此名称!"));
            QCOMPARE(d.focusWidget(), d.PPEdit_PPEdit);
            Type(d.PPEdit_PPEdit, "海安电器");
            Click(d.PPEditButton);
            QCOMPARE(f.prompts.last(), QStringLiteral("修改成功!"));
        });
        Click(form.PP_EditButton);
        QCOMPARE(Column(form.brandGrid), (QStringList{"海安电器", "美悦"}));
        QCOMPARE(Column(form.itemGrid), (QStringList{"KFR-35GW/BP2DN1", "KFR-50LW"}));
    }

    // Page 5 checks its inputs in order; each refusal names its problem and puts the focus on the box.
    void goodsItemRefusals_data()
    {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no spec") << " " << "1" << "1" << "请输入要添加的规格/型号!" << "GGAdd_GGEdit";
        QTest::newRow("no stock") << "X1" << "" << "1" << "请输入商品库存量，若无库存,请输入0!" << "GGAdd_SLEdit";
        QTest::newRow("no cost") << "X1" << "1" << " "
                                 << "请输入商品初始成本，在以后的采购中系统会根据采购单价来设置商品成本!"
                                 << "GGAdd_CBEdit";
        QTest::newRow("lone point") << "X1" << "1" << "." << "“初始成本”不是有效的数字，请重新输入!" << "GGAdd_CBEdit";
        QTest::newRow("pasted text") << "X1" << "abc" << "1" << "“初始库存量”不是有效的整数，请重新输入!"
                                     << "GGAdd_SLEdit";
        QTest::newRow("existing") << "kfr-50lw" << "1" << "1" << "系统中已存在该商品，不能重复添加!" << "GGAdd_GGEdit";
    }
    void goodsItemRefusals()
    {
        QFETCH(QString, spec);
        QFETCH(QString, stock);
        QFETCH(QString, cost);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        GoodsFixture f;
        TZLSet_SPEditForm d(f.ctx());
        d.GGAddGoods->pick("海安", "变频空调");
        d.ShowEditPage(TZLSet_SPEditForm::GGAdd);
        d.show();
        d.GGAdd_GGEdit->setText(spec);
        d.GGAdd_SLEdit->setText(stock);  // setText passes by the key filters, as pasting does
        d.GGAdd_CBEdit->setText(cost);
        Click(d.GGAddButton);
        QCOMPARE(f.prompts.texts(), QStringList{message});
        QCOMPARE(d.focusWidget()->objectName(), focus);
        QVERIFY(d.isVisible());
        QCOMPARE(Texts(GuiGeRows(f.ctx().db(), "海安", "变频空调")).size(), 2);
    }

    void addingAGoodsItemKeepsOpeningStockAndCost()
    {
        GoodsFixture f;
        TZLSet_ShangPinForm form(f.ctx());
        OnDialog([&f](TZLSet_SPEditForm& d) {
            QCOMPARE(d.GGAdd_PPComboBox->currentText(), QStringLiteral("海安"));
            QCOMPARE(d.GGAdd_CPComboBox->currentText(), QStringLiteral("变频空调"));
            QCOMPARE(d.GGAdd_SLEdit->text() + d.GGAdd_CBEdit->text(), QStringLiteral("00"));
            d.GGAdd_CPComboBox->setCurrentIndex(1);
            Type(d.GGAdd_GGEdit, "BCD-470WDPG 十字对开门");
            Type(d.GGAdd_CBEdit, "-4a5.6.7");  // the key filter lets "45.67" through
            Type(d.GGAdd_SLEdit, "1234567");   // five digits at most
            Click(d.GGAddButton);
            QVERIFY(f.prompts.entries.isEmpty());
        });
        Click(form.GG_AddButton);
        QCOMPARE(Texts(GuiGeRows(f.ctx().db(), "海安", "冰箱")).last(),
                 (QStringList{"BCD-470WDPG 十字对开门", "45.67", "12345"}));
        QCOMPARE(Column(form.itemGrid), (QStringList{"KFR-35GW/BP2DN1", "KFR-50LW"}));  // the selected product's
    }

    void enterMovesFromCostToStockToAdd()
    {
        GoodsFixture f;
        TZLSet_SPEditForm d(f.ctx());
        d.GGAddGoods->pick("海安", "冰箱");
        d.ShowEditPage(TZLSet_SPEditForm::GGAdd);
        d.show();
        Type(d.GGAdd_GGEdit, "BCD-190");
        d.GGAdd_CBEdit->setFocus();
        Type(d.GGAdd_CBEdit, "999.5");
        QTest::keyClick(d.GGAdd_CBEdit, Qt::Key_Return);
        QCOMPARE(d.focusWidget(), d.GGAdd_SLEdit);
        Type(d.GGAdd_SLEdit, "7");
        QTest::keyClick(d.GGAdd_SLEdit, Qt::Key_Enter);
        QCOMPARE(d.focusWidget(), d.GGAddButton);
        QVERIFY(d.isVisible());
        QTest::keyClick(d.GGAddButton, Qt::Key_Return);
        QVERIFY(!d.isVisible());
        QCOMPARE(Texts(GuiGeRows(f.ctx().db(), "海安", "冰箱")).last(), (QStringList{"BCD-190", "999.5", "7"}));
    }

    void failedRenameChangesNothing()
    {
        GoodsFixture f;
        RefuseWrites(f.ctx().db(), "Log_KuCun", "update", "disk full");
        TZLSet_ShangPinForm form(f.ctx());
        OnDialog([&f](TZLSet_SPEditForm& d) {
            Type(d.PPEdit_PPEdit, "海安电器");
            Click(d.PPEditButton);
            QCOMPARE(f.prompts.entries.last().kind, RecordingPrompts::Entry::Error);
            QVERIFY(f.prompts.last().contains("disk full"));
        });
        Click(form.PP_EditButton);
        QCOMPARE(Column(form.brandGrid), (QStringList{"海安", "美悦"}));
        QCOMPARE(Column(form.productGrid), (QStringList{"变频空调", "冰箱"}));
    }

    void editingAGoodsItemOverwritesStockAndCost()
    {
        GoodsFixture f;
        TZLSet_ShangPinForm form(f.ctx());
        form.itemGrid->setRow(2);
        OnDialog([&f](TZLSet_SPEditForm& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("修改型号/规格"));
            QCOMPARE(d.GGEdit_PPEdit->text() + d.GGEdit_CPEdit->text(), QStringLiteral("海安变频空调"));
            QCOMPARE(d.GGEdit_CBEdit->text(), QStringLiteral("3300.5"));
            QCOMPARE(d.GGEdit_SLEdit->text(), QStringLiteral("2"));
            QVERIFY(!d.GGEdit_PPEdit->isEnabled());
            Type(d.GGEdit_GGEdit, "KFR-35GW/BP2DN1");
            Click(d.GGEditButton);
            QCOMPARE(f.prompts.last(), QStringLiteral("系统中已存在该商品，不能将产品修改为此名称!"));
            Type(d.GGEdit_GGEdit, "KFR-50LW");  // unchanged name: no duplicate check
            Type(d.GGEdit_SLEdit, "0");
            Type(d.GGEdit_CBEdit, "0");
            Click(d.GGEditButton);
            QCOMPARE(f.prompts.last(), QStringLiteral("修改成功!"));
        });
        Click(form.GG_EditButton);
        QCOMPARE(Column(form.itemGrid, 1), (QStringList{"2100", "0"}));
        QCOMPARE(Column(form.itemGrid, 2), (QStringList{"5", "0"}));
        QCOMPARE(form.itemGrid->row(), 1);
    }

    // The "条码" box: the goods item's codes one a line, a scanner's code and Enter a line each; a
    // code with a wrong check digit or held by another goods item is refused, naming it.
    void barcodeBox()
    {
        GoodsFixture f;
        GoodsBarcodes::set(f.ctx().db(), {"海安", "变频空调", "KFR-35GW/BP2DN1"}, {"4006381333931"});
        GoodsBarcodes::set(f.ctx().db(), {"海安", "变频空调", "KFR-50LW"}, {"96385074"});
        TZLSet_ShangPinForm form(f.ctx());
        form.itemGrid->setRow(2);
        OnDialog([&f](TZLSet_SPEditForm& d) {
            QCOMPARE(d.GGEdit_TMEdit->toPlainText(), QStringLiteral("96385074"));
            d.GGEdit_TMEdit->setFocus();
            d.GGEdit_TMEdit->moveCursor(QTextCursor::End);
            QTest::keyClick(d.GGEdit_TMEdit, Qt::Key_Return);
            QTest::keyClicks(d.GGEdit_TMEdit, "4006381333931");
            QTest::keyClick(d.GGEdit_TMEdit, Qt::Key_Return);
            Click(d.GGEditButton);
            QCOMPARE(f.prompts.last(),
                     QStringLiteral("条码“4006381333931”已属于商品 海安/变频空调/KFR-35GW/BP2DN1，一个条码只能属于一个商品。"));
            QCOMPARE(d.focusWidget(), d.GGEdit_TMEdit);
            d.GGEdit_TMEdit->setPlainText("96385074\n036000291450");
            Click(d.GGEditButton);
            QVERIFY(f.prompts.last().contains("UPC-A条码的最后一位应为2"));
            d.GGEdit_TMEdit->setPlainText("96385074\n036000291452\n");
            Click(d.GGEditButton);
            QCOMPARE(f.prompts.last(), QStringLiteral("修改成功!"));
        });
        Click(form.GG_EditButton);
        QCOMPARE(GoodsBarcodes::of(f.ctx().db(), {"海安", "变频空调", "KFR-50LW"}), (QStringList{"96385074", "036000291452"}));
    }

    void productWithANewClass()
    {
        GoodsFixture f;
        TZLSet_ShangPinForm form(f.ctx());
        OnDialog([&f](TZLSet_SPEditForm& d) {
            QCOMPARE(d.CPAdd_PPComboBox->currentText(), QStringLiteral("海安"));
            Type(d.CPAdd_CPEdit, "洗衣机");
            Click(d.CPAddButton);
            QCOMPARE(f.prompts.last(), QStringLiteral("请输入或选择产品类型!"));
            d.CPAdd_TypeComboBox->setEditText("洗衣机类");
            Click(d.CPAddButton);
        });
        form.editTabs->setCurrentWidget(form.productPage);
        Click(form.CP_AddButton);
        QCOMPARE(Column(form.productGrid), (QStringList{"变频空调", "冰箱", "洗衣机"}));
        QCOMPARE(Column(form.productGrid, 1).last(), QStringLiteral("洗衣机类"));
        QVERIFY(f.ctx().db().scalar("select count(*) from Base_CPType where TypeName='洗衣机类'").toInt() == 1);
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("brands");
        QTest::newRow("cancel") << false << QStringList{"海安", "美悦"};
        QTest::newRow("ok") << true << QStringList{"美悦"};
    }
    void deleteAsksFirst()
    {
        QFETCH(bool, answer);
        QFETCH(QStringList, brands);
        GoodsFixture f;
        TZLSet_ShangPinForm form(f.ctx());
        f.prompts.answers = {answer};
        Click(form.PP_DelButton);
        QCOMPARE(f.prompts.last(), QStringLiteral("确定要删除品牌\"海安\"吗?\n\r删除该品牌将同时删除与该品牌相关的"
                                                  "所有产品及规格/型号以及该品牌商品的库存!"));
        QCOMPARE(f.prompts.entries.last().kind, RecordingPrompts::Entry::WarningQuestion);
        QCOMPARE(Column(form.brandGrid), brands);
        QCOMPARE(f.ctx().db().scalar("select count(*) from Log_KuCun").toInt(), answer ? 0 : 3);
    }

    void specAndProductDeleteQuestions()
    {
        GoodsFixture f;
        TZLSet_ShangPinForm form(f.ctx());
        f.prompts.answers = {true, true};
        form.itemGrid->setRow(2);
        Click(form.GG_DelButton);
        QCOMPARE(f.prompts.last(), QStringLiteral("确定要删除型号\"海安变频空调KFR-50LW\"吗?\n\r"
                                                  "删除该型号将同时删除该型号商品的库存!"));
        QCOMPARE(Column(form.itemGrid), QStringList{"KFR-35GW/BP2DN1"});
        Click(form.CP_DelButton);
        QCOMPARE(f.prompts.last(), QStringLiteral("确定要删除产品\"海安变频空调\"吗?\n\r"
                                                  "删除该产品将同时删除与该产品相关的所有规格/型号以及该产品商品的库存!"));
        QCOMPARE(Column(form.productGrid), QStringList{"冰箱"});
        QCOMPARE(Column(form.itemGrid), QStringList{"BCD-216STPT"});
    }

    void importFromASheet()
    {
        GoodsFixture f;
        TZLSet_ShangPinForm form(f.ctx());
        QCOMPARE(form.ImportButton->text(), QStringLiteral("从Excel导入…"));
        const QString path = f.dir.filePath("goods.csv");
        const auto write = [&path](const QString& text) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(text.toUtf8());
        };
        write("品牌,产品,产品类型,规格/型号,初始库存量,初始成本\n歌乐,空调,空调,KFR-72LW,2,4100\n歌乐,空调,空调,KFR-35GW,1,.\n");
        const auto preview = [](std::function<void(TGoodsImportForm&)> fn) {
            QTimer::singleShot(0, [fn] {
                auto* d = qobject_cast<TGoodsImportForm*>(QApplication::activeModalWidget());
                QVERIFY(d);
                fn(*d);
                if (d->isVisible())
                    d->reject();
            });
        };
        preview([](TGoodsImportForm& d) {
            QVERIFY(!d.OKButton->isEnabled());
            QCOMPARE(d.ErrorMemo->toPlainText(), QStringLiteral("第3行：“初始成本”应为0或正数（现为“.”）。"));
        });
        form.ImportFile(path);
        QCOMPARE(Column(form.brandGrid), (QStringList{"海安", "美悦"}));

        write("品牌,产品,产品类型,规格/型号,初始库存量,初始成本\n歌乐,空调,空调,KFR-72LW,2,4100\n歌乐,空调,空调,KFR-35GW,1,0\n");
        preview([](TGoodsImportForm& d) {
            QCOMPARE(d.itemGrid->cell(4, 2), QStringLiteral("KFR-35GW"));
            QTest::keyClick(&d, Qt::Key_Return);
        });
        form.ImportFile(path);
        QCOMPARE(f.prompts.last(), QStringLiteral("导入成功，共导入2个商品!"));
        QCOMPARE(Column(form.brandGrid), (QStringList{"海安", "美悦", "歌乐"}));
        QCOMPARE(Texts(GuiGeRows(f.ctx().db(), "歌乐", "空调")).size(), 2);
    }

    void findAsYouType()
    {
        GoodsFixture f;
        TZLSet_ShangPinForm form(f.ctx());
        form.show();
        QTest::keyClicks(form.CPFilterEdit, "bx");
        QCOMPARE(Column(form.productGrid), QStringList{"冰箱"});
        QCOMPARE(Column(form.itemGrid), QStringList{"BCD-216STPT"});
        QTest::keyClick(form.CPFilterEdit, Qt::Key_Return);
        QCOMPARE(form.focusWidget(), form.productGrid);
        QTest::keyClicks(form.PPFilterEdit, "my");  // 美悦: no products
        QCOMPARE(Column(form.brandGrid), QStringList{"美悦"});
        QCOMPARE(Column(form.itemGrid), QStringList{""});
        form.PPFilterEdit->clear();
        form.CPFilterEdit->clear();
        QCOMPARE(Column(form.productGrid), (QStringList{"变频空调", "冰箱"}));
        QTest::keyClicks(form.GGFilterEdit, "50");
        QCOMPARE(Column(form.itemGrid), QStringList{"KFR-50LW"});
    }

    // The window opens in the brand list; Tab goes on from each list to the box above the next.
    void tabFollowsTheColumns()
    {
        GoodsFixture f;
        TZLSet_ShangPinForm form(f.ctx());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), form.brandGrid);
        TabGoesThrough({form.CPFilterEdit, form.productGrid, form.GGFilterEdit, form.itemGrid});
    }
};

QL_APP_TEST_MAIN(TestGoodsForm)
#include "test_goodsform.moc"
