// The maintenance windows offscreen: monthly closing, clearing a month, initialisation, backup
// and restore.

#include "AuditLogForm.h"
#include "AutoBackup.h"
#include "BackupStore.h"
#include "ClearDataForm.h"
#include "ClearDataStore.h"
#include "DataBAKForm.h"
#include "DigitsUpDown.h"
#include "ExitBackup.h"
#include "InitSYSForm.h"
#include "InitSYSStore.h"
#include "JieQunForm.h"
#include "JieQunStore.h"
#include "MaintenanceFixture.h"
#include "PrintReport.h"
#include "ReportPreviewDialog.h"
#include "RestoreDatabase.h"
#include "StringGrid.h"
#include "app/AppFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// A shop with only the business of May and June 2024 (see AddMonth) and the demonstration
// master data.
struct Shop : AppFixture {
    Shop()
    {
        Database& db = ctx().db();
        InitSYS(db, {InitGroup::XS, InitGroup::CG, InitGroup::SZ, InitGroup::JQ});
        db.exec("insert into Log_KuCun(PinPai,ChanPin,GuiGe,ShuLiang,PJCB) values(:p,:c,:g,100,300)",
                {{":p", TestBrand}, {":c", TestProduct}, {":g", TestSpec}});
        AddMonth(db, 2024, 5, "05");
        AddMonth(db, 2024, 6, "06");
    }
    Database& db() { return ctx().db(); }
    int count(const QString& table) { return db().scalar("select count(*) from " + table).toInt(); }
};

QStringList GridRow(const StringGrid& grid, int row)
{
    QStringList cells;
    for (int c = 0; c < grid.colCount(); ++c)
        cells << grid.cell(c, row);
    return cells;
}

// Shows a window as the active one, so that focus moves can be seen.
void ShowActive(QWidget& form)
{
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
}

// Types into an up-down's edit as the operator does: everything selected, then the digits (or
// Backspace, for none).
void Type(DigitsUpDown* box, const QString& digits)
{
    box->setFocus();
    box->selectAll();
    if (digits.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, digits);
}

// Answers the next modal file dialog with `path` (or cancels it when path is empty).
void AnswerFileDialog(const QString& path, QString* proposed = nullptr)
{
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (proposed)
            *proposed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

}  // namespace

class TestMaintenanceForms : public QObject {
    Q_OBJECT
private slots:
    void closingDefaults_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("month");
        QTest::newRow("January") << QDate(2025, 1, 15) << "1";
        QTest::newRow("June") << QDate(2025, 6, 3) << "5";
        QTest::newRow("December") << QDate(2025, 12, 31) << "11";
    }
    void closingDefaults()
    {
        QFETCH(QDate, today);
        QFETCH(QString, month);
        Shop f;
        TJieQunForm form(f.ctx());
        form.SetDefaultMonths(today);
        for (QLineEdit* year : {form.BeginYEdit, form.EndYEdit, form.JQYEdit})
            QCOMPARE(year->text(), "2025");
        QCOMPARE(form.BeginMEdit->text(), "1");
        QCOMPARE(form.EndMEdit->text(), month);
        QCOMPARE(form.JQMEdit->text(), month);
    }

    // May 2024 closed from the keyboard: a sale of 2 at 500 costing 300 each, income 200,
    // expense 50.
    void closingAMonth()
    {
        Shop f;
        TJieQunForm form(f.ctx());
        ShowActive(form);
        Type(form.JQYUpDown, "2024");
        Type(form.JQMUpDown, "5");
        QTest::keyClick(form.JQMUpDown, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), form.JQButton);
        QTest::keyClick(form.JQButton, Qt::Key_Space);
        QCOMPARE(f.prompts.last(), "完成结存!");
        QCOMPARE(GridRow(*form.closingGrid, 1), (QStringList{"", "2024", "05", "1000", "400", "200", "50", "550", ""}));
        QCOMPARE(form.closingGrid->rowCount(), 2);
        QCOMPARE(form.XSELabel->text(), "1000 元");
        QCOMPARE(form.XSLRLabel->text(), "400 元");
        QCOMPARE(form.SRLabel->text(), "200 元");
        QCOMPARE(form.ZCLabel->text(), "50 元");
        QCOMPARE(form.BQLRLabel->text(), "550 元");
        QCOMPARE(GetJieQunState(f.db(), "202405"), 1);
    }

    void reClosingAsks()
    {
        Shop f;
        MakeJieQun(f.db(), "202405");
        AddShouZhi(f.db(), "sz240520001", "收入", QDate(2024, 5, 20), 100);
        TJieQunForm form(f.ctx());
        form.JQYUpDown->setValue(2024);
        form.JQMUpDown->setValue(5);
        f.prompts.answers = {false, true};
        QTest::mouseClick(form.JQButton, Qt::LeftButton);
        QCOMPARE(f.prompts.last(), "2024年05月的经营数据已经结存,是否要重新结存?");
        QCOMPARE(form.closingGrid->cell(7, 1), "550");
        QCOMPARE(form.closingGrid->cell(8, 1), "需重新结存");  // the entry came after the closing
        QTest::mouseClick(form.JQButton, Qt::LeftButton);
        QCOMPARE(f.prompts.entries.size(), 2);
        QCOMPARE(form.closingGrid->cell(7, 1), "650");
        QCOMPARE(form.closingGrid->cell(8, 1), "");
        QCOMPARE(form.BQLRLabel->text(), "650 元");
    }

    void clearedMonthIsRefused()
    {
        Shop f;
        MakeJieQun(f.db(), "202405");
        ClearMonthData(f.db(), "202405");
        TJieQunForm form(f.ctx());
        form.JQYUpDown->setValue(2024);
        form.JQMUpDown->setValue(5);
        QTest::mouseClick(form.JQButton, Qt::LeftButton);
        QCOMPARE(f.prompts.last(), "2024年05月的经营数据已经结存,且该月的经营数据已被清除,无法重新结存!");
        QCOMPARE(form.closingGrid->cell(3, 1), "1000");
        QCOMPARE(GetJieQunState(f.db(), "202405"), 2);
    }

    // The range query lists the months in order with their totals; an emptied month edit is
    // refused and the list stays.
    void rangeQuery()
    {
        Shop f;
        MakeJieQun(f.db(), "202406");
        MakeJieQun(f.db(), "202405");
        TJieQunForm form(f.ctx());
        form.BeginYUpDown->setValue(2024);
        form.EndYUpDown->setValue(2024);
        form.EndMUpDown->setValue(12);
        QTest::mouseClick(form.CXButton, Qt::LeftButton);
        QCOMPARE(form.closingGrid->cell(2, 1), "05");
        QCOMPARE(form.closingGrid->cell(2, 2), "06");
        QCOMPARE(form.XSELabel->text(), "2000 元");
        QCOMPARE(form.BQLRLabel->text(), "1100 元");
        form.BeginMEdit->clear();
        QTest::mouseClick(form.CXButton, Qt::LeftButton);
        QCOMPARE(f.prompts.last(), "请输入正确的年月份!");
        QCOMPARE(form.closingGrid->rowCount(), 3);
        form.JQMEdit->clear();
        QTest::mouseClick(form.JQButton, Qt::LeftButton);
        QCOMPARE(f.prompts.last(), "请输入正确的结存年月份!");
        QCOMPARE(f.count("Log_JieQun"), 2);
    }

    // A month the operator typed that is no month is refused as typed: never kept or replaced by
    // another month, and nothing is closed.
    void invalidMonthsAreRefused_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::newRow("month 13") << "2024" << "13";
        QTest::newRow("month 0") << "2024" << "0";
        QTest::newRow("month 00") << "2024" << "00";
        QTest::newRow("no month") << "2024" << "";
        QTest::newRow("three-digit year") << "202" << "5";
        QTest::newRow("no year") << "" << "5";
    }
    void invalidMonthsAreRefused()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        Shop f;
        MakeJieQun(f.db(), "202405");
        TJieQunForm form(f.ctx());
        ShowActive(form);
        form.BeginYUpDown->setValue(2024);
        form.EndYUpDown->setValue(2024);
        form.EndMUpDown->setValue(12);
        QTest::mouseClick(form.CXButton, Qt::LeftButton);
        QCOMPARE(form.closingGrid->cell(2, 1), "05");
        f.prompts.clear();

        Type(form.BeginYUpDown, year);
        Type(form.BeginMUpDown, month);
        QTest::mouseClick(form.CXButton, Qt::LeftButton);  // takes the focus, as the operator's click does
        QCOMPARE(f.prompts.texts(), QStringList{"请输入正确的年月份!"});
        QCOMPARE(form.BeginYEdit->text(), year);
        QCOMPARE(form.BeginMEdit->text(), month);
        QCOMPARE(form.closingGrid->cell(2, 1), "05");

        Type(form.JQYUpDown, year);
        Type(form.JQMUpDown, month);
        QTest::mouseClick(form.JQButton, Qt::LeftButton);
        QCOMPARE(f.prompts.last(), "请输入正确的结存年月份!");
        QCOMPARE(form.JQMEdit->text(), month);
        QCOMPARE(f.count("Log_JieQun"), 1);
    }

    // The arrows step the number typed within the edit's range and write it as plain digits.
    void upDownArrows()
    {
        Shop f;
        TJieQunForm form(f.ctx());
        ShowActive(form);
        Type(form.JQMUpDown, "11");
        QTest::keyClick(form.JQMUpDown, Qt::Key_Up);
        QCOMPARE(form.JQMEdit->text(), "12");
        QTest::keyClick(form.JQMUpDown, Qt::Key_Up);  // no wrapping
        QCOMPARE(form.JQMEdit->text(), "12");
        Type(form.JQMUpDown, "13");  // kept as typed, refused only by the buttons
        QCOMPARE(form.JQMEdit->text(), "13");
        QTest::keyClick(form.JQMUpDown, Qt::Key_Down);
        QCOMPARE(form.JQMEdit->text(), "12");
        Type(form.JQYUpDown, "999");
        QTest::keyClick(form.JQYUpDown, Qt::Key_Up);
        QCOMPARE(form.JQYEdit->text(), "1000");
    }

    void editKeys()
    {
        Shop f;
        TJieQunForm form(f.ctx());
        ShowActive(form);
        form.BeginYUpDown->setValue(2024);
        form.BeginYUpDown->setFocus();
        form.BeginYEdit->deselect();
        form.BeginYEdit->end(false);
        QTest::keyClick(form.BeginYUpDown, Qt::Key_5);
        QCOMPARE(form.BeginYEdit->text(), "2024");
        QTest::keyClick(form.BeginYUpDown, Qt::Key_Backspace);
        QTest::keyClick(form.BeginYUpDown, Qt::Key_A);
        QCOMPARE(form.BeginYEdit->text(), "202");
        QTest::keyClick(form.BeginYUpDown, Qt::Key_3);
        QCOMPARE(form.BeginYEdit->text(), "2023");
        QTest::keyClick(form.BeginYUpDown, Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), form.CXButton);
    }

    // The preview prints the rows listed with the range of the edits and the window's totals.
    void previewOfTheList()
    {
        Shop f;
        MakeJieQun(f.db(), "202405");
        TJieQunForm form(f.ctx());
        form.BeginYUpDown->setValue(2024);
        form.EndYUpDown->setValue(2024);
        form.EndMUpDown->setValue(6);
        QTest::mouseClick(form.CXButton, Qt::LeftButton);
        QStringList texts;
        QObject scope;  // a timer still waiting when no dialog came up goes with this scope
        QTimer::singleShot(0, &scope, [&] {
            auto* preview = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget());
            QVERIFY(preview);
            for (const PageText& t : preview->model().pages.first().texts)
                texts << t.text;
            preview->reject();
        });
        QTest::mouseClick(form.BrowseButton, Qt::LeftButton);
        QVERIFY(texts.contains("2024年1月 至 2024年6月 结存数据"));
        QVERIFY(texts.contains("550"));
        QVERIFY(texts.contains("200 元"));
        QVERIFY(texts.contains("50 元"));
    }

    // The question names the documents still owing money; Cancel keeps everything, OK clears
    // the month and drops it from the list.
    void clearingAMonth()
    {
        Shop f;
        MakeJieQun(f.db(), "202405");
        MakeJieQun(f.db(), "202406");
        TClearDataForm form(f.ctx());
        QCOMPARE(GridRow(*form.monthGrid, 1), (QStringList{"2024", "05"}));
        QCOMPARE(GridRow(*form.monthGrid, 2), (QStringList{"2024", "06"}));
        f.prompts.answers = {false, true};
        QTest::mouseClick(form.ClearButton, Qt::LeftButton);
        QCOMPARE(f.prompts.last(), "确定要清楚2024年05月的业务数据吗?\n\r数据被清楚后将无法恢复!\n\n"
                                   "该月有2张单据仍有欠款(销售应收600元,采购应付300元),清除后将不再出现在应收款和应付款中!"
                                   "\n\n清除前将自动备份数据库。");
        QCOMPARE(f.count("Log_XiaoShouDan"), 2);
        QTest::mouseClick(form.ClearButton, Qt::LeftButton);
        QCOMPARE(f.count("Log_XiaoShouDan"), 1);
        QCOMPARE(GetJieQunState(f.db(), "202405"), 2);
        QCOMPARE(GridRow(*form.monthGrid, 1), (QStringList{"2024", "06"}));
        QCOMPARE(form.monthGrid->rowCount(), 2);
    }

    void clearingWithNothingListed()
    {
        Shop f;
        TClearDataForm form(f.ctx());
        QTest::mouseClick(form.ClearButton, Qt::LeftButton);
        QCOMPARE(f.prompts.texts(), QStringList{"请先在列表中选择要清除数据的月份!"});
        QCOMPARE(f.count("Log_XiaoShouDan"), 2);
    }

    // Everything chosen: only the built-in administrator remains, and the signed-in user (now
    // deleted) keeps working.
    void initialisingEverything()
    {
        Shop f;
        TUser clerk = UserWithFlags("李四", 1);
        f.db().exec("insert into SYS_User(UserName,UserPassword) values('李四','pw')");
        f.signIn(clerk);
        TInitSYSForm form(f.ctx());
        QVERIFY(!form.XSCheckBox->isChecked());
        QTest::mouseClick(form.SetAllButton, Qt::LeftButton);
        for (QCheckBox* box : form.findChildren<QCheckBox*>())
            QVERIFY(box->isChecked());
        QTest::mouseClick(form.ClearButton, Qt::LeftButton);
        QCOMPARE(f.prompts.entries.size(), 2);
        QVERIFY(f.prompts.texts()[0].startsWith("确定要清空所选的项目数据吗\n\n将被清空的数据:\n销售记录"));
        QVERIFY(f.prompts.texts()[1].startsWith("数据清除完成!\n"));
        QCOMPARE(f.db().scalar("select group_concat(UserName) from SYS_User").toString(), "系统管理员");
        for (const char* table : {"Log_XiaoShouDan", "Log_CaiGou", "Log_KuCun", "Base_KeHu", "Base_ShouZhi",
                                  "Log_JieQun", "Log_SKGuoCheng"})
            QCOMPARE(f.count(table), 0);
        for (QCheckBox* box : form.findChildren<QCheckBox*>())
            QVERIFY(!box->isChecked());
        QCOMPARE(f.ctx().LoginUser.UserName, "李四");
    }

    void initialisingEntriesOnlyOrNothing()
    {
        Shop f;
        TInitSYSForm form(f.ctx());
        form.SZCheckBox->setChecked(true);
        f.prompts.answers = {false};
        QTest::mouseClick(form.ClearButton, Qt::LeftButton);
        QCOMPARE(f.count("Log_ShouZhi"), 4);
        QVERIFY(form.SZCheckBox->isChecked());
        QTest::mouseClick(form.ClearButton, Qt::LeftButton);
        QCOMPARE(f.count("Log_ShouZhi"), 0);
        QVERIFY(f.count("Base_ShouZhi") > 0);
        QCOMPARE(f.count("Log_XiaoShouDan"), 2);
    }

    // The log of this month opens with every action; choosing one action from the keyboard lists
    // only its entries; Esc closes the window.
    void auditLogWindow()
    {
        Shop f;
        f.signIn(UserWithFlags("系统管理员", 1));
        MakeJieQun(f.db(), "202405");
        InitSYS(f.db(), {InitGroup::SZ});
        ClearMonthData(f.db(), "202405");
        TAuditLogForm form(f.ctx());
        ShowActive(form);
        QCOMPARE(form.auditGrid->cell(3, 1), "清除月份数据");
        QCOMPARE(form.auditGrid->cell(2, 1), "系统管理员");
        QCOMPARE(form.auditGrid->cell(3, 2), "系统初始化");
        QCOMPARE(form.ActionComboBox->itemText(0), "全部");
        form.ActionComboBox->setFocus();
        const int index = form.ActionComboBox->findText("系统初始化");
        QVERIFY(index > 0);
        form.ActionComboBox->setCurrentIndex(index);
        emit form.ActionComboBox->activated(index);
        QCOMPARE(form.auditGrid->cell(4, 1), "收支记录");
        int listed = 0;
        for (int r = 1; r < form.auditGrid->rowCount() && !form.auditGrid->cell(3, r).isEmpty(); ++r, ++listed)
            QCOMPARE(form.auditGrid->cell(3, r), "系统初始化");
        QCOMPARE(form.CountLabel->text(), QString("共 %1 条").arg(listed));
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
    }

    void proposedBackupName()
    {
        QCOMPARE(ProposedBackupName(QDate(2009, 3, 5)), "DBBack20090305");
    }

    // "浏览" proposes the name and fills the edit; cancelling empties it again, and the backup then
    // asks for "浏览" first.
    void backupTarget()
    {
        Shop f;
        TDataBAK_Form form(f.ctx());
        QVERIFY(form.pathEdit->isReadOnly());
        QCOMPARE(form.pathEdit->text(), "");
        const QString target = f.dir.filePath("nightly.data");
        QString proposed;
        AnswerFileDialog(target, &proposed);
        QTest::mouseClick(form.browseButton, Qt::LeftButton);
        QCOMPARE(proposed, QStringLiteral("DBBack20260318"));  // the fixture's today
        QCOMPARE(form.pathEdit->text(), target);
        AnswerFileDialog(QString());
        QTest::mouseClick(form.browseButton, Qt::LeftButton);
        QCOMPARE(form.pathEdit->text(), "");
        ShowActive(form);
        QTest::mouseClick(form.backupButton, Qt::LeftButton);
        QCOMPARE(f.prompts.last(), "请点击浏览按钮,输入备份的路径及文件名");
        QCOMPARE(QApplication::focusWidget(), form.browseButton);
        QVERIFY(form.isVisible());
    }

    // The backup window lists the automatic backups, newest first; with none the list is empty.
    void automaticBackupsListed()
    {
        Shop f;
        {
            TDataBAK_Form form(f.ctx());
            QCOMPARE(form.AutoBackupGrid->cell(0, 1), "");
        }
        const QString folder = AutoBackupFolder(f.ctx());
        MakeAutoBackup(f.db(), folder, QDate(2024, 5, 30), 10);
        MakeAutoBackup(f.db(), folder, QDate(2024, 5, 31), 10);
        TDataBAK_Form form(f.ctx());
        QCOMPARE(form.AutoBackupGrid->cell(0, 1), "2024-05-31");
        QCOMPARE(form.AutoBackupGrid->cell(0, 2), "2024-05-30");
        QVERIFY(form.AutoBackupGrid->cell(2, 2).endsWith("DBBack20240530.data"));
        QVERIFY(form.AutoBackupGrid->cell(1, 1).endsWith(" kB"));
    }

    // Initialisation, clearing a month and a restore ask a warning question that names what goes
    // (Cancel changes nothing), then back the database up among the automatic backups before they
    // change it, and name that backup.
    void destructiveOperationsBackUpFirst_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("named");  // in the question
        QTest::newRow("initialisation") << 0 << "销售记录";
        QTest::newRow("clearing a month") << 1 << "2024年05月";
        QTest::newRow("restore") << 2 << "older.data";
    }
    void destructiveOperationsBackUpFirst()
    {
        QFETCH(int, operation);
        QFETCH(QString, named);
        Shop f;
        MakeJieQun(f.db(), "202405");
        const QString older = f.dir.filePath("older.data");
        BackupDatabase(f.db(), older);
        AddSale(f.db(), "xs240701001", QDate(2024, 7, 1), 1, 500, 0);
        const int before = f.count("Log_XiaoShouDan");
        std::unique_ptr<QDialog> form;
        QPushButton* start = nullptr;
        if (operation == 0) {
            auto* init = new TInitSYSForm(f.ctx());
            init->XSCheckBox->setChecked(true);
            start = init->ClearButton;
            form.reset(init);
        } else if (operation == 1) {
            auto* clear = new TClearDataForm(f.ctx());
            start = clear->ClearButton;
            form.reset(clear);
        } else {
            auto* restore = new TDataCBAK_Form(f.ctx());
            restore->pathEdit->setText(QDir::toNativeSeparators(older));
            start = restore->restoreButton;
            form.reset(restore);
        }
        const QString folder = AutoBackupFolder(f.ctx());
        f.prompts.answers = {false};
        start->click();
        QCOMPARE(f.prompts.entries.size(), 1);
        QCOMPARE(f.prompts.entries[0].kind, RecordingPrompts::Entry::WarningQuestion);
        QVERIFY2(f.prompts.last().contains(named), qPrintable(f.prompts.last()));
        QCOMPARE(f.count("Log_XiaoShouDan"), before);
        QVERIFY(AutoBackups(folder).isEmpty());

        f.prompts.clear();
        start->click();
        QVERIFY(f.count("Log_XiaoShouDan") < before);
        const QStringList backups = AutoBackups(folder);
        QCOMPARE(backups.size(), 1);
        QVERIFY2(f.prompts.last().contains(QDir::toNativeSeparators(backups[0])), qPrintable(f.prompts.last()));
        Database saved("saved");
        saved.open(backups[0]);
        QCOMPARE(saved.scalar("select count(*) from Log_XiaoShouDan").toInt(), before);
    }

    // The backup on leaving the program that cannot be written says why, in Chinese.
    void exitBackupFailureSaysWhy()
    {
        Shop f;
        QFile blocker(AutoBackupFolder(f.ctx()));  // a file where the folder goes
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        BackupOnExit(f.ctx());
        QCOMPARE(f.prompts.entries.size(), 1);
        QCOMPARE(f.prompts.entries[0].kind, RecordingPrompts::Entry::Error);
        const QString text = f.prompts.last();
        QVERIFY2(text.startsWith("退出时的自动备份没有完成: 无法写入文件 ") && text.endsWith("：文件夹不存在"), qPrintable(text));
    }

    void backupFailureKeepsTheWindowOpen()
    {
        Shop f;
        TDataBAK_Form form(f.ctx());
        form.show();
        form.pathEdit->setText(f.dir.filePath("no/such/folder/b.data"));
        QTest::mouseClick(form.backupButton, Qt::LeftButton);
        QCOMPARE(f.prompts.last(), "备份失败,请检查文件路径及文件名是否正确，或磁盘是否打开写保护!");
        QVERIFY(form.isVisible());
    }

    // A backup made and restored later brings the data back; the replaced file is kept and the
    // program keeps working on the reopened connection.
    void backupAndRestore()
    {
        Shop f;
        const QString backup = f.dir.filePath("DBBack20240630.data");
        {
            TDataBAK_Form form(f.ctx());
            form.pathEdit->setText(backup);
            QTest::mouseClick(form.backupButton, Qt::LeftButton);
            QCOMPARE(f.prompts.last(), "备份完成!");
            QCOMPARE(form.result(), int(QDialog::Accepted));
        }
        InitSYS(f.db(), {InitGroup::XS});
        {
            TDataCBAK_Form form(f.ctx());
            AnswerFileDialog(backup);
            QTest::mouseClick(form.browseButton, Qt::LeftButton);
            QCOMPARE(form.pathEdit->text(), backup);
            QTest::mouseClick(form.restoreButton, Qt::LeftButton);
            QVERIFY(f.prompts.last().startsWith("数据恢复成功!\n"));
        }
        QCOMPARE(f.count("Log_XiaoShouDan"), 2);
        MakeJieQun(f.db(), "202405");
        Database kept("kept");
        kept.open(f.ctx().DM.databasePath() + BeforeRestoreSuffix);
        QCOMPARE(kept.scalar("select count(*) from Log_XiaoShouDan").toInt(), 0);
    }

    // A file that is not a sound backup of this system is refused; the current database stays
    // in place and in use.
    void restoreRefusesAGarbageFile()
    {
        Shop f;
        const QString garbage = f.dir.filePath("garbage.data");
        QFile file(garbage);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, '\x7f'));
        file.close();
        TDataCBAK_Form form(f.ctx());
        form.pathEdit->setText(garbage);
        QTest::mouseClick(form.restoreButton, Qt::LeftButton);
        QCOMPARE(f.prompts.last(), "所选文件不是本系统的数据备份,数据未恢复!");
        QCOMPARE(f.count("Log_XiaoShouDan"), 2);
        QVERIFY(!QFile::exists(f.ctx().DM.databasePath() + ".restore"));
    }

    void restoreWithoutAFile()
    {
        Shop f;
        TDataCBAK_Form form(f.ctx());
        ShowActive(form);
        QTest::mouseClick(form.restoreButton, Qt::LeftButton);
        QCOMPARE(f.prompts.last(), "请点击浏览按钮选择要恢复的备份文件！");
        QCOMPARE(QApplication::focusWidget(), form.browseButton);
    }
};

QL_APP_TEST_MAIN(TestMaintenanceForms)
#include "test_maintenanceforms.moc"
