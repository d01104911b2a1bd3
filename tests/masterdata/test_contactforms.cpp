// The customer, supplier and employee windows and their dialogs, driven through their controls.

#include "../app/AppFixture.h"
#include "Commands.h"
#include "ContactColumns.h"
#include "GongYingShangEditForm.h"
#include "GongYingShangForm.h"
#include "GongYingShangStore.h"
#include "KeHuEditForm.h"
#include "KeHuForm.h"
#include "KeHuStore.h"
#include "RegisteredWindows.h"
#include "StringGrid.h"
#include "TabChain.h"
#include "YuanGongEditForm.h"
#include "YuanGongForm.h"
#include "YuanGongStore.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

enum Kind { Customers, Suppliers, Employees };

std::unique_ptr<TContactListForm> OpenList(Kind kind, AppContext& ctx)
{
    switch (kind) {
    case Customers: return std::make_unique<TKeHuForm>(ctx);
    case Suppliers: return std::make_unique<TGongYingShangForm>(ctx);
    case Employees: return std::make_unique<TYuanGongForm>(ctx);
    }
    return nullptr;
}

QVector<QVector<QVariant>> Rows(Kind kind, Database& db)
{
    return (kind == Customers ? KeHuRows(db) : kind == Suppliers ? GYSRows(db) : YuanGongRows(db)).rows;
}

const char* Table(Kind kind)
{
    return kind == Customers ? "Base_KeHu" : kind == Suppliers ? "Base_GongYingShang" : "Base_YeYuYuan";
}

QStringList Column(const StringGrid* grid, int col = 1)
{
    QStringList cells;
    for (int r = 1; r < grid->rowCount(); ++r)
        cells << grid->cell(col, r);
    return cells;
}

// Selects the row of the grid whose column 1 holds name.
void Select(StringGrid* grid, const QString& name)
{
    const int row = int(Column(grid).indexOf(name)) + 1;
    QVERIFY(row > 0);
    grid->setRow(row);
}

// Runs fn on the dialog the window shows modally next; a dialog still open afterwards is closed.
// Without fn, fails the test when a dialog opens.
void OnDialog(std::function<void(TContactEditForm&)> fn, bool* opened = nullptr)
{
    QTimer::singleShot(0, [fn, opened] {
        auto* dialog = qobject_cast<TContactEditForm*>(QApplication::activeModalWidget());
        if (opened)
            *opened = dialog != nullptr;
        if (!dialog)
            return;
        if (fn)
            fn(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

QLineEdit* Edit(QWidget& w, const char* name)
{
    auto* e = w.findChild<QLineEdit*>(QLatin1String(name));
    if (!e)
        qFatal("no edit %s", name);
    return e;
}

void Click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// Types over the focused box as an input method would, then moves on with Tab.
void TypeAndTab(QWidget& dialog, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(dialog.focusWidget());
    QVERIFY(edit);
    edit->selectAll();
    edit->insert(text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

}  // namespace

class TestContactForms : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RegisterWindows(); }

    void kinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("customers") << int(Customers);
        QTest::newRow("suppliers") << int(Suppliers);
        QTest::newRow("employees") << int(Employees);
    }

    // Each window opens from its command and lists every row with the last one selected.
    void opensFromCommandAndLists_data() { kinds_data(); }
    void opensFromCommandAndLists()
    {
        QFETCH(int, kind);
        AppFixture f;
        const char* window[] = {"TKeHuForm", "TGongYingShangForm", "TYuanGongForm"};
        const char* flag[] = {"QX_PZKH", "QX_PZGYS", "QX_PZYG"};
        const Command* command = nullptr;
        for (const Command& c : CommandTable())
            if (c.window == QLatin1String(window[kind]))
                command = &c;
        QVERIFY(command && command->opener);
        QCOMPARE(command->flag, QLatin1String(flag[kind]));

        auto list = OpenList(Kind(kind), f.ctx());
        const int rows = f.ctx().db().scalar(QStringLiteral("select count(*) from ") + QLatin1String(Table(Kind(kind)))).toInt();
        QVERIFY(rows > 2);
        QCOMPARE(list->contactGrid->rowCount(), rows + 1);
        QCOMPARE(list->contactGrid->row(), rows);
        QVERIFY(list->contactGrid->cell(0, 1).isEmpty());
    }

    void customerColumns()
    {
        AppFixture f;
        TKeHu k{QStringLiteral("O'Brien 50%_"), QStringLiteral("联系人"), QStringLiteral("电话"), QStringLiteral("传真"),
                QStringLiteral("地址"), QStringLiteral("Email"), QStringLiteral("备注"), QStringLiteral("邮编")};
        InsertKeHu(f.ctx().db(), k);
        TKeHuForm list(f.ctx());
        const StringGrid* g = list.contactGrid;
        QStringList header, last;
        for (int c = 0; c < g->colCount(); ++c) {
            header << g->cell(c, 0);
            last << g->cell(c, g->rowCount() - 1);
        }
        QCOMPARE(header, (QStringList{"", "客户", "联系人", "电话", "传真", "地址", "邮编", "Email", "备注"}));
        QCOMPARE(last, (QStringList{"", k.KeHu, "联系人", "电话", "传真", "地址", "邮编", "Email", "备注"}));
    }

    // Long names, banks, 18-digit ID numbers and landlines show uncut; a column no row fills
    // gives its room away (the list holds only the sample row).
    void columnsFitTheirTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("uncut");
        QTest::addColumn<QStringList>("narrow");
        QTest::newRow("suppliers") << int(Suppliers) << QStringList{"供应商", "电话", "地址", "开户行", "帐号", "税号"}
                                   << QStringList{"传真", "Email", "网站"};
        QTest::newRow("employees") << int(Employees) << QStringList{"姓名", "电话", "住址", "身份证"}
                                   << QStringList{};
        QTest::newRow("customers") << int(Customers) << QStringList{"客户", "电话", "地址"}
                                   << QStringList{"传真", "邮编", "Email"};
    }

    void columnsFitTheirTexts()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, uncut);
        QFETCH(QStringList, narrow);
        AppFixture f;
        Database& db = f.ctx().db();
        db.exec(QStringLiteral("delete from ") + QLatin1String(Table(Kind(kind))));
        const QString firm = QStringLiteral("济南市历下区海安空调冰箱批发有限公司");
        const QString address = QStringLiteral("济南市历下区经十路100号");
        const QString landline = QStringLiteral("0531-88886666-8001");
        if (kind == Suppliers)
            InsertGYS(db, {firm, QStringLiteral("王经理"), landline, {}, address, {}, {}, {},
                           QStringLiteral("中国工商银行济南经十路支行"), QStringLiteral("1602020109024567891"),
                           QStringLiteral("91370102MA3C4XYZ1K"), QStringLiteral("月结")});
        else if (kind == Employees)
            InsertYuanGong(db, {QStringLiteral("欧阳明月"), QStringLiteral("女"), QStringLiteral("28"),
                                QStringLiteral("370102199801011234"), address + QStringLiteral("3单元"), landline,
                                QDate(2024, 3, 1), QString()});
        else
            InsertKeHu(db, {firm, QStringLiteral("李女士"), landline, {}, address, {}, QStringLiteral("常客"), {}});
        auto list = OpenList(Kind(kind), f.ctx());
        list->show();
        const StringGrid* g = list->contactGrid;
        const auto column = [g](const QString& header) {
            for (int c = 1; c < g->colCount(); ++c)
                if (g->cell(c, 0) == header)
                    return c;
            return -1;
        };
        for (const QString& header : uncut) {
            const int c = column(header);
            QVERIFY2(c > 0, qPrintable(header));
            const QString text = g->cell(c, 1);
            QVERIFY2(!text.isEmpty(), qPrintable(header));
            // The room the view itself wants for the column's texts.
            QVERIFY2(g->columnWidth(c - 1) >= static_cast<const QAbstractItemView*>(g)->sizeHintForColumn(c - 1), qPrintable(header + ": " + text));
        }
        const QVector<GridColumn> documented = kind == Suppliers ? GYSColumns() : KeHuColumns();
        for (const QString& header : narrow) {
            const int c = column(header);
            QVERIFY2(c > 0 && g->cell(c, 1).isEmpty(), qPrintable(header));
            QVERIFY2(g->columnWidth(c - 1) < documented[c - 1].width, qPrintable(header));
        }
    }

    // Adding with the keyboard only: the dialog opens on the name, Tab walks the fields, Enter
    // confirms; the list shows the new row last and selected.
    void addWithKeyboard_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("typed");  // the fields in Tab order
        QTest::newRow("customers") << int(Customers) << QStringList{"  新客户'%_ ", "", "13800000000"};
        QTest::newRow("suppliers") << int(Suppliers) << QStringList{"  新客户'%_ ", "钱经理", "0531-1"};
        QTest::newRow("employees") << int(Employees) << QStringList{"  新客户'%_ "};
    }
    void addWithKeyboard()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, typed);
        AppFixture f;
        auto list = OpenList(Kind(kind), f.ctx());
        list->show();
        OnDialog([&](TContactEditForm& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("添加"));
            for (const QString& t : typed)
                TypeAndTab(d, t);
            if (kind == Employees) {  // sex (男 already), age, then phone
                QCOMPARE(d.focusWidget()->objectName(), QStringLiteral("SexComboBox"));
                QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
                TypeAndTab(d, QStringLiteral("30"));
                TypeAndTab(d, QStringLiteral("13700000000"));
            }
            QTest::keyClick(d.focusWidget(), Qt::Key_Return);
            QVERIFY(!d.isVisible());
        });
        Click(list->AddButton);
        QVERIFY(f.prompts.entries.isEmpty());
        const QString name = QStringLiteral("新客户'%_");  // trimmed
        QCOMPARE(Column(list->contactGrid).last(), name);
        QCOMPARE(list->contactGrid->row(), list->contactGrid->rowCount() - 1);
        if (kind == Employees)
            QCOMPARE(f.ctx().db().scalar("select InDate from Base_YeYuYuan where Name=:n", {{":n", name}}).toString(),
                     QStringLiteral("2026-03-18"));  // the fixture's today
    }

    // Tab reads each edit dialog's boxes as they are laid out, in two columns, then its buttons.
    void editDialogsTabInLayoutOrder()
    {
        AppFixture f;
        TKeHuEditForm customer(f.ctx());
        TGongYingShangEditForm supplier(f.ctx());
        TYuanGongEditForm employee(f.ctx());
        for (QDialog* d : std::initializer_list<QDialog*>{&customer, &supplier, &employee}) {
            d->show();
            QVERIFY(QTest::qWaitForWindowActive(d));
            TabReadsInLayoutOrder(QApplication::focusWidget());
            d->hide();
        }
    }

    // Every refusal in its order, with its message, the focus it leaves and the dialog open.
    void refusals_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("editing");  // the row the dialog edits; empty: adding
        QTest::addColumn<QStringList>("fields");  // objectName=text
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");  // empty: the focus stays on OKButton
        QTest::addColumn<bool>("selected");

        QTest::newRow("customer name") << int(Customers) << "" << QStringList{"KHEdit=  ", "PhoneEdit=1"}
                                       << "请输入客户名称!" << "KHEdit" << true;
        QTest::newRow("customer phone") << int(Customers) << "" << QStringList{"KHEdit=甲", "PhoneEdit=  "}
                                        << "请输入客户电话!" << "PhoneEdit" << false;
        QTest::newRow("customer taken") << int(Customers) << "" << QStringList{"KHEdit= 张建国 ", "PhoneEdit=1"}
                                        << "系统中已存在该客户信息,不能重复添加!" << "" << false;
        QTest::newRow("customer renamed to another")
            << int(Customers) << "李秀英" << QStringList{"KHEdit=张建国", "PhoneEdit=1"}
            << "系统中已存在该客户信息,不能将姓名改为此姓名!" << "" << false;

        QTest::newRow("supplier name") << int(Suppliers) << "" << QStringList{"GYSEdit=", "LXREdit=a", "PhoneEdit=1"}
                                       << "请输入供应商名称!" << "GYSEdit" << true;
        QTest::newRow("supplier contact") << int(Suppliers) << "" << QStringList{"GYSEdit=甲", "LXREdit= ", "PhoneEdit=1"}
                                          << "请输入联系人!" << "LXREdit" << true;
        QTest::newRow("supplier phone") << int(Suppliers) << "" << QStringList{"GYSEdit=甲", "LXREdit=a", "PhoneEdit="}
                                        << "请输入联系电话!" << "PhoneEdit" << true;
        QTest::newRow("supplier taken")
            << int(Suppliers) << "" << QStringList{"GYSEdit=北辰电器销售公司", "LXREdit=a", "PhoneEdit=1"}
            << "系统中已存在该供应商信息,不能重复添加!" << "GYSEdit" << true;
        QTest::newRow("supplier renamed to another")
            << int(Suppliers) << "清泉电器批发部" << QStringList{"GYSEdit=北辰电器销售公司", "LXREdit=a", "PhoneEdit=1"}
            << "系统中已存在该供应商信息,不能将供应商改为此名称!" << "GYSEdit" << true;

        QTest::newRow("employee name") << int(Employees) << "" << QStringList{"NameEdit= ", "PhoneEdit=1"}
                                       << "请输入员工姓名!" << "NameEdit" << true;
        QTest::newRow("employee sex") << int(Employees) << "无性别" << QStringList{"PhoneEdit=1"}
                                      << "请选择员工性别!" << "SexComboBox" << false;
        QTest::newRow("employee phone") << int(Employees) << "" << QStringList{"NameEdit=甲", "PhoneEdit=  "}
                                        << "请输入员工电话!" << "PhoneEdit" << false;
        QTest::newRow("employee taken") << int(Employees) << "" << QStringList{"NameEdit=王磊", "PhoneEdit=1"}
                                        << "系统中已存在该员工信息,不能重复添加!" << "" << false;
        QTest::newRow("employee renamed to another")
            << int(Employees) << "赵丽" << QStringList{"NameEdit=王磊", "PhoneEdit=1"}
            << "系统中已存在该员工信息,不能将姓名改为此姓名!" << "" << false;
    }
    void refusals()
    {
        QFETCH(int, kind);
        QFETCH(QString, editing);
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(bool, selected);
        AppFixture f;
        if (editing == QStringLiteral("无性别"))
            InsertYuanGong(f.ctx().db(), TYuanGong{editing, QStringLiteral("未知"), {}, {}, {}, QStringLiteral("1"), QDate(2020, 1, 2), {}});
        const QVector<QVector<QVariant>> before = Rows(Kind(kind), f.ctx().db());
        auto list = OpenList(Kind(kind), f.ctx());
        list->show();
        OnDialog([&](TContactEditForm& d) {
            for (const QString& field : fields) {
                const qsizetype eq = field.indexOf(u'=');
                Edit(d, field.left(eq).toLatin1().constData())->setText(field.mid(eq + 1));
            }
            d.OKButton->setFocus();
            Click(d.OKButton);
            QCOMPARE(f.prompts.texts(), QStringList{message});
            QVERIFY(d.isVisible());
            QCOMPARE(d.focusWidget()->objectName(), focus.isEmpty() ? QStringLiteral("OKButton") : focus);
            if (auto* edit = qobject_cast<QLineEdit*>(d.focusWidget()); edit && !edit->text().isEmpty())
                QCOMPARE(edit->hasSelectedText(), selected);
        });
        if (editing.isEmpty()) {
            Click(list->AddButton);
        } else {
            Select(list->contactGrid, editing);
            Click(list->EditButton);
        }
        QCOMPARE(Rows(Kind(kind), f.ctx().db()), before);
    }

    // Delete asks first (Cancel keeps the row); with no row selected it says so.
    void deleteAsks_data() { kinds_data(); }
    void deleteAsks()
    {
        QFETCH(int, kind);
        const QString what[] = {QStringLiteral("客户"), QStringLiteral("供应商"), QStringLiteral("员工")};
        AppFixture f;
        Database& db = f.ctx().db();
        auto list = OpenList(Kind(kind), f.ctx());
        const QString name = Column(list->contactGrid).first();
        const QString question = QStringLiteral("确定要删除") + what[kind] + u'"' + name + QStringLiteral("\"信息吗?");
        Select(list->contactGrid, name);
        f.prompts.answers = {false};
        Click(list->DelButton);
        QCOMPARE(f.prompts.texts(), QStringList{question});
        QCOMPARE(f.prompts.entries.last().kind, RecordingPrompts::Entry::WarningQuestion);
        QCOMPARE(Column(list->contactGrid).first(), name);

        f.prompts.clear();
        f.prompts.answers = {true};
        Click(list->DelButton);
        QCOMPARE(f.prompts.texts(), QStringList{question});
        QVERIFY(!Column(list->contactGrid).contains(name));
        QCOMPARE(Rows(Kind(kind), db).size(), list->contactGrid->rowCount() - 1);

        db.exec(QStringLiteral("delete from ") + QLatin1String(Table(Kind(kind))));
        auto empty = OpenList(Kind(kind), f.ctx());
        f.prompts.clear();
        Click(empty->DelButton);
        QCOMPARE(f.prompts.texts(), QStringList{QStringLiteral("请选择要删除的") + what[kind] + u'!'});
    }

    // Edit on the empty row of an empty list opens nothing (and so neither fails on the empty
    // date of an employee nor "saves" a record that the update would not find).
    void editOnEmptyListDoesNothing_data() { kinds_data(); }
    void editOnEmptyListDoesNothing()
    {
        QFETCH(int, kind);
        AppFixture f;
        f.ctx().db().exec(QStringLiteral("delete from ") + QLatin1String(Table(Kind(kind))));
        auto list = OpenList(Kind(kind), f.ctx());
        list->show();
        bool opened = true;
        OnDialog(nullptr, &opened);
        Click(list->EditButton);
        QTest::qWait(1);
        QVERIFY(!opened);
        QVERIFY(f.prompts.entries.isEmpty());
        QCOMPARE(list->contactGrid->rowCount(), 2);
    }

    // Editing fills the dialog from the row; an unchanged name skips the duplicate check, a new
    // one renames; saved documents keep the name they were written with.
    void editAndRename()
    {
        AppFixture f;
        Database& db = f.ctx().db();
        const int documents = db.scalar(QStringLiteral("select count(*) from Log_XiaoShouDan where KeHu='李秀英'")).toInt();
        QVERIFY(documents > 0);
        TKeHuForm list(f.ctx());
        list.show();
        Select(list.contactGrid, QStringLiteral("李秀英"));
        OnDialog([](TContactEditForm& d) {
            auto& k = static_cast<TKeHuEditForm&>(d);
            QCOMPARE(k.windowTitle(), QStringLiteral("修改"));
            QCOMPARE(k.KHEdit->text(), QStringLiteral("李秀英"));
            QCOMPARE(k.PhoneEdit->text(), QStringLiteral("13805312687"));
            QCOMPARE(k.YBEdit->text(), QStringLiteral("250002"));
            k.AddressEdit->setText(QStringLiteral(" 新地址 "));
            Click(k.OKButton);
        });
        Click(list.EditButton);
        QCOMPARE(GetKeHu(db, QStringLiteral("李秀英")).address, QStringLiteral("新地址"));
        QCOMPARE(list.contactGrid->row(), list.contactGrid->rowCount() - 1);  // refreshed: last row

        Select(list.contactGrid, QStringLiteral("李秀英"));
        OnDialog([](TContactEditForm& d) {
            static_cast<TKeHuEditForm&>(d).KHEdit->setText(QStringLiteral("李秀英'店"));
            Click(d.OKButton);
        });
        Click(list.EditButton);
        QVERIFY(f.prompts.entries.isEmpty());
        QVERIFY(Column(list.contactGrid).contains(QStringLiteral("李秀英'店")));
        QCOMPARE(GetKeHu(db, QStringLiteral("李秀英'店")).address, QStringLiteral("新地址"));
        QVERIFY(!KeHuExists(db, QStringLiteral("李秀英")));
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from Log_XiaoShouDan where KeHu='李秀英'")).toInt(), documents);
    }

    // The date of joining goes from the list into the picker and back unchanged; Esc closes
    // the dialog without saving.
    void employeeDate()
    {
        AppFixture f;
        Database& db = f.ctx().db();
        InsertYuanGong(db, TYuanGong{QStringLiteral("钱多多"), QStringLiteral("女"), QStringLiteral("三十"), {}, {},
                                     QStringLiteral("139"), QDate(2019, 11, 30), {}});
        TYuanGongForm list(f.ctx());
        list.show();
        QCOMPARE(list.contactGrid->cell(7, list.contactGrid->row()), QStringLiteral("2019-11-30"));
        OnDialog([](TContactEditForm& d) {
            auto& y = static_cast<TYuanGongEditForm&>(d);
            QCOMPARE(y.DateDateTimePicker->date(), QDate(2019, 11, 30));
            QCOMPARE(y.SexComboBox->currentText(), QStringLiteral("女"));
            y.PhoneEdit->setText(QStringLiteral("不保存"));
            QTest::keyClick(y.PhoneEdit, Qt::Key_Escape);
            QVERIFY(!y.isVisible());
        });
        Click(list.EditButton);
        OnDialog([](TContactEditForm& d) {
            auto& y = static_cast<TYuanGongEditForm&>(d);
            y.AgeEdit->setText(QStringLiteral("31"));
            QTest::keyClick(y.AgeEdit, Qt::Key_Return);
        });
        Click(list.EditButton);
        QSqlQuery q = db.exec(QStringLiteral("select Phone, Age, InDate from Base_YeYuYuan where Name='钱多多'"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("139"));
        QCOMPARE(q.value(1).toString(), QStringLiteral("31"));
        QCOMPARE(q.value(2).toString(), QStringLiteral("2019-11-30"));
    }

    // The filter box narrows the list by name, phone or pinyin initials; the buttons work on
    // what it shows, and a refresh keeps the filter.
    void findAsYouType()
    {
        AppFixture f;
        Database& db = f.ctx().db();
        InsertKeHu(db, TKeHu{QStringLiteral("空调维修部"), {}, QStringLiteral("0531-5550001"), {}, {}, {}, {}, {}});
        TKeHuForm list(f.ctx());
        list.show();
        const int all = list.contactGrid->rowCount();
        QTest::keyClicks(list.FilterEdit, "KT");
        QCOMPARE(Column(list.contactGrid), QStringList{QStringLiteral("空调维修部")});
        list.FilterEdit->clear();
        QTest::keyClicks(list.FilterEdit, "0531-8");  // phone
        QCOMPARE(Column(list.contactGrid), (QStringList{QStringLiteral("明湖宾馆"), QStringLiteral("育才中学")}));
        QCOMPARE(list.contactGrid->row(), 2);  // the last shown row

        f.prompts.answers = {true};
        Click(list.DelButton);
        QCOMPARE(Column(list.contactGrid), QStringList{QStringLiteral("明湖宾馆")});  // refreshed, still filtered
        QVERIFY(!KeHuExists(db, QStringLiteral("育才中学")));

        list.FilterEdit->clear();
        QTest::keyClicks(list.FilterEdit, "zzz");
        QCOMPARE(list.contactGrid->rowCount(), 2);
        f.prompts.clear();
        Click(list.DelButton);
        QCOMPARE(f.prompts.texts(), QStringList{QStringLiteral("请选择要删除的客户!")});
        list.FilterEdit->clear();
        QCOMPARE(list.contactGrid->rowCount(), all - 1);

        // Enter in the box goes to the list instead of pressing the default AddButton
        bool opened = false;
        OnDialog(nullptr, &opened);
        list.FilterEdit->setFocus();
        QTest::keyClick(list.FilterEdit, Qt::Key_Return);
        QTest::qWait(1);
        QVERIFY(!opened);
        QCOMPARE(list.focusWidget(), list.contactGrid);
    }

    // A database error inside a handler is shown in the error box; the window stays usable.
    void databaseErrorShown()
    {
        AppFixture f;
        TGongYingShangForm list(f.ctx());
        list.show();
        f.ctx().db().exec(QStringLiteral("alter table Base_GongYingShang rename to Gone"));
        f.prompts.answers = {true};
        Click(list.DelButton);
        QCOMPARE(f.prompts.entries.size(), 2);
        QCOMPARE(f.prompts.entries.last().kind, RecordingPrompts::Entry::Error);
        QVERIFY(list.isVisible());
        f.ctx().db().exec(QStringLiteral("alter table Gone rename to Base_GongYingShang"));
        Click(list.DelButton);
        QCOMPARE(f.prompts.entries.last().kind, RecordingPrompts::Entry::WarningQuestion);
        QCOMPARE(list.contactGrid->rowCount(), 1 + 4);  // header and five suppliers less one
    }
};

QL_APP_TEST_MAIN(TestContactForms)
#include "test_contactforms.moc"
