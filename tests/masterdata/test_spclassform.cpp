// The product class window and its dialog.

#include "RowTexts.h"
#include "../app/AppFixture.h"
#include "CPTypeStore.h"
#include "GoodsStore.h"
#include "SPClassForm.h"
#include "StringGrid.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {

struct ClassFixture : AppFixture {
    ClassFixture()
    {
        Database& db = ctx().db();
        for (const char* table : {"Base_PinPai", "Base_ChanPin", "Log_KuCun", "Base_CPType"})
            db.exec(QStringLiteral("delete from ") + QLatin1String(table));
        InsertPinPai(db, "海安");
        InsertChanPin(db, "海安", "空调", "空调");
        InsertChanPin(db, "海安", "冰箱", "冰箱");
        InsertCPType(db, "小家电");
    }
    // The classes of the products, in their order.
    QStringList products()
    {
        QStringList classes;
        for (const QStringList& row : Texts(ChanPinRows(ctx().db(), "海安")))
            classes << row[1];
        return classes;
    }
};

QStringList Names(const StringGrid* grid)
{
    QStringList cells;
    for (int r = 1; r < grid->rowCount(); ++r)
        cells << grid->cell(1, r);
    return cells;
}

void OnDialog(std::function<void(TSPClassEditForm&)> fn)
{
    QTimer::singleShot(0, [fn] {
        auto* dialog = qobject_cast<TSPClassEditForm*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        fn(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

}  // namespace

class TestSPClassForm : public QObject {
    Q_OBJECT
private slots:
    void addingAClass()
    {
        ClassFixture f;
        TSPClassForm form(f.ctx());
        QCOMPARE(Names(form.classGrid), (QStringList{"空调", "冰箱", "小家电"}));
        QCOMPARE(form.classGrid->row(), 3);
        OnDialog([&f](TSPClassEditForm& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("添加"));
            QTest::keyClick(d.SPClassEdit, Qt::Key_Return);
            QCOMPARE(f.prompts.last(), QStringLiteral("请输入产品类型名称!"));
            d.SPClassEdit->setText(QStringLiteral(" 小家电 "));
            QTest::keyClick(d.SPClassEdit, Qt::Key_Return);
            QCOMPARE(f.prompts.last(), QStringLiteral("系统中已存在该产品类型,不能重复添加!"));
            // a pasted line break and the blanks around do not become part of the name
            d.SPClassEdit->setText(QStringLiteral(" 厨卫'\r\n电器\n "));
            QTest::keyClick(d.SPClassEdit, Qt::Key_Return);
            QVERIFY(!d.isVisible());
        });
        QTest::mouseClick(form.AddButton, Qt::LeftButton);
        QCOMPARE(Names(form.classGrid), (QStringList{"空调", "冰箱", "小家电", "厨卫'电器"}));
        QCOMPARE(form.classGrid->row(), 4);
        QCOMPARE(f.prompts.entries.size(), 2);
    }

    void renamingAClassRenamesItsProducts()
    {
        ClassFixture f;
        TSPClassForm form(f.ctx());
        form.classGrid->setRow(1);
        OnDialog([&f](TSPClassEditForm& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("修改"));
            QCOMPARE(d.SPClassEdit->selectedText(), QStringLiteral("空调"));
            d.SPClassEdit->setText(QStringLiteral("冰箱"));
            QTest::mouseClick(d.OKButton, Qt::LeftButton);
            QCOMPARE(f.prompts.last(), QStringLiteral("系统中已存在该产品类型,不能改为此名称!"));
            QVERIFY(d.isVisible());
            d.SPClassEdit->setText(QStringLiteral("空调器"));
            QTest::mouseClick(d.OKButton, Qt::LeftButton);
        });
        QTest::mouseClick(form.EditButton, Qt::LeftButton);
        QCOMPARE(Names(form.classGrid), (QStringList{"空调器", "冰箱", "小家电"}));
        QCOMPARE(f.products(), (QStringList{"空调器", "冰箱"}));
    }

    void deletingAClassMovesItsProductsToUndefined_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("classes");
        QTest::newRow("cancel") << false << QStringList{"空调", "冰箱"};
        QTest::newRow("ok") << true << QStringList{"*未定义*", "冰箱"};
    }
    void deletingAClassMovesItsProductsToUndefined()
    {
        QFETCH(bool, answer);
        QFETCH(QStringList, classes);
        ClassFixture f;
        TSPClassForm form(f.ctx());
        form.classGrid->setRow(1);
        f.prompts.answers = {answer};
        QTest::mouseClick(form.DelButton, Qt::LeftButton);
        QCOMPARE(f.prompts.last(), QStringLiteral("确定要删除产品分类\"空调\"吗?\n\r删除后系统将该分类下的产品归属到"
                                                  "\"未定义类\",\n可在<商品配置>中对产品分类进行修改!"));
        QCOMPARE(f.prompts.entries.last().kind, RecordingPrompts::Entry::WarningQuestion);
        QCOMPARE(f.products(), classes);
        QCOMPARE(Names(form.classGrid).size(), answer ? 2 : 3);
    }

    void deletingFromAnEmptyList()
    {
        ClassFixture f;
        f.ctx().db().exec("delete from Base_CPType");
        TSPClassForm form(f.ctx());
        QTest::mouseClick(form.DelButton, Qt::LeftButton);
        QCOMPARE(f.prompts.texts(), QStringList{"请选择要删除的产品分类名称!"});
    }
};

QL_APP_TEST_MAIN(TestSPClassForm)
#include "test_spclassform.moc"
