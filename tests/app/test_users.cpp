// The user window and the password window.

#include "AppFixture.h"
#include "AuditLog.h"
#include "CsvFile.h"
#include "XlsxSheet.h"
#include "StringGrid.h"
#include "UpPassForm.h"
#include "UserGLForm.h"
#include "UserStore.h"
#include "TestFaults.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QString Admin = QStringLiteral("系统管理员");

// The names in the list, in the order shown (the database's order).
QStringList GridNames(const TUserGLForm& form)
{
    QStringList names;
    for (int r = 1; r < form.userGrid->rowCount(); ++r)
        names << form.userGrid->cell(0, r);
    return names;
}

QStringList Sorted(QStringList names)
{
    names.sort();
    return names;
}

void SelectUser(TUserGLForm& form, const QString& name)
{
    const int row = int(GridNames(form).indexOf(name)) + 1;
    QVERIFY(row > 0);
    form.userGrid->setRow(row);
}

void Click(QPushButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void Fill(TUserGLForm& form, const QString& name, const QString& pass1, const QString& pass2)
{
    form.UserNameEdit->setText(name);
    form.UserPass1Edit->setText(pass1);
    form.UserPass2Edit->setText(pass2);
}

TUser Stored(AppFixture& f, const QString& name)
{
    TUser u;
    GetUser(f.ctx().db(), name, u);
    return u;
}

}  // namespace

class TestUsers : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheFirstUser()
    {
        AppFixture f;
        TUserGLForm form(f.ctx());
        QCOMPARE(form.userGrid->cell(0, 0), QStringLiteral("用户列表"));
        QCOMPARE(GridNames(form), QStringList{Admin});
        QCOMPARE(form.mode(), EditMode::Browse);
        QCOMPARE(form.UserNameEdit->text(), Admin);
        QCOMPARE(form.UserPass1Edit->text(), QStringLiteral("793"));
        QVERIFY(form.ZWSZDJCheck->isChecked());
        QVERIFY(!form.UserNameEdit->isEnabled());
        QVERIFY(!form.XSDJCheck->isEnabled());
        QCOMPARE(form.permissionTabs->tabText(form.permissionTabs->currentIndex()), QStringLiteral("资料配置"));
        QStringList pages;
        for (int i = 0; i < form.permissionTabs->count(); ++i)
            pages << form.permissionTabs->tabText(i);
        QCOMPARE(pages, (QStringList{"营业登记", "系统管理", "查询统计", "资料配置", "帐务管理"}));
        QCOMPARE(form.findChildren<QCheckBox*>().size(), PermissionCount);
    }

    void addUser()
    {
        AppFixture f;
        TUserGLForm form(f.ctx());
        Click(form.AddButton);
        QCOMPARE(form.mode(), EditMode::Add);
        QVERIFY(form.UserNameEdit->text().isEmpty());
        QVERIFY(!form.ZWSZDJCheck->isChecked());
        QVERIFY(!form.userGrid->isEnabled());
        Fill(form, QStringLiteral("  王店员 "), QStringLiteral("Ab1"), QStringLiteral("Ab1"));
        form.XSDJCheck->setChecked(true);
        form.CXXSCheck->setChecked(true);
        Click(form.SaveButton);
        QCOMPARE(form.mode(), EditMode::Browse);
        QCOMPARE(Sorted(GridNames(form)), Sorted({Admin, "王店员"}));
        const TUser u = Stored(f, QStringLiteral("王店员"));
        QCOMPARE(u.UserPassword, QStringLiteral("Ab1"));
        for (int i = 0; i < PermissionCount; ++i) {
            const QString flag = QLatin1String(PermissionNames[i]);
            QCOMPARE(int(u.flag(i)), int(flag == "QX_XSDJ" || flag == "QX_CXXS"));
        }
    }

    void saveChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pass1");
        QTest::addColumn<QString>("pass2");
        QTest::addColumn<QString>("message");
        QTest::newRow("no name") << " " << "a" << "a" << "请输入用户名!";
        QTest::newRow("no password") << "li" << "" << "a" << "请输入用户密码!";
        QTest::newRow("no second password") << "li" << "a" << "" << "请再次输入用户密码!";
        QTest::newRow("passwords differ") << "li" << "a" << "A" << "两次输入密码不同，请重新输入用户密码!";
        QTest::newRow("name taken") << "CLERK" << "a" << "a" << "用户名称\"CLERK\"已存在,请输入其他用户名称!";
        QTest::newRow("name too long") << QString(51, u'名') << "a" << "a" << "用户名称最多50个字符，请改短一些!";
        QTest::newRow("built-in name taken") << "系统管理员" << "a" << "a" << "用户名称\"系统管理员\"已存在,请输入其他用户名称!";
    }

    void saveChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, pass1);
        QFETCH(QString, pass2);
        QFETCH(QString, message);
        AppFixture f;
        InsertUser(f.ctx().db(), UserWithFlags(QStringLiteral("clerk"), 0));
        const QStringList before = UserNames(f.ctx().db());
        TUserGLForm form(f.ctx());
        form.show();
        Click(form.AddButton);
        Fill(form, name, pass1, pass2);
        Click(form.SaveButton);
        QCOMPARE(f.prompts.texts(), QStringList{message});
        QCOMPARE(form.mode(), EditMode::Add);
        QCOMPARE(UserNames(f.ctx().db()), before);
        if (message.startsWith(QStringLiteral("两次"))) {
            QVERIFY(form.UserPass1Edit->text().isEmpty());
            QVERIFY(form.UserPass2Edit->text().isEmpty());
        }
    }

    // Typing stops at 50 characters; a longer name of older data is shown whole and must be
    // shortened before it is saved again.
    void nameLength()
    {
        AppFixture f;
        const QString longName(5000, u'长');
        InsertUser(f.ctx().db(), UserWithFlags(longName, 0));
        TUserGLForm form(f.ctx());
        form.show();
        Click(form.AddButton);
        form.UserNameEdit->setFocus();
        QTest::keyClicks(form.UserNameEdit, QString(60, u'a'));
        QCOMPARE(form.UserNameEdit->text(), QString(50, u'a'));
        Click(form.CancelButton);
        SelectUser(form, longName);
        Click(form.EditButton);
        QCOMPARE(form.UserNameEdit->text(), longName);
        Click(form.SaveButton);
        QCOMPARE(f.prompts.last(), QStringLiteral("用户名称最多50个字符，请改短一些!"));
        QCOMPARE(form.mode(), EditMode::Edit);
    }

    void editAndRename()
    {
        AppFixture f;
        InsertUser(f.ctx().db(), UserWithFlags(QStringLiteral("clerk"), 1));
        InsertUser(f.ctx().db(), UserWithFlags(QStringLiteral("cashier"), 0));
        TUserGLForm form(f.ctx());
        form.show();
        SelectUser(form, QStringLiteral("clerk"));
        QVERIFY(form.UserGLCheck->isChecked());
        Click(form.EditButton);
        QCOMPARE(form.mode(), EditMode::Edit);
        QCOMPARE(form.UserNameEdit->text(), QStringLiteral("clerk"));  // the shown values stay

        // renaming onto another user is refused and writes nothing
        form.UserNameEdit->setText(QStringLiteral("Cashier"));
        Click(form.SaveButton);
        QCOMPARE(f.prompts.last(), QStringLiteral("用户名称\"Cashier\"已存在,请输入其他用户名称!"));
        QCOMPARE(form.mode(), EditMode::Edit);
        QCOMPARE(Stored(f, QStringLiteral("clerk")).QX_UserGL, std::uint8_t(1));

        form.UserNameEdit->setText(QStringLiteral("seller"));
        form.UserGLCheck->setChecked(false);
        Click(form.SaveButton);
        QCOMPARE(form.mode(), EditMode::Browse);
        QCOMPARE(Sorted(GridNames(form)), Sorted({Admin, "cashier", "seller"}));
        TUser gone;
        QVERIFY(!GetUser(f.ctx().db(), QStringLiteral("clerk"), gone));
        const TUser seller = Stored(f, QStringLiteral("seller"));
        QCOMPARE(seller.QX_UserGL, std::uint8_t(0));
        QCOMPARE(seller.QX_UpPass, std::uint8_t(1));

        // a change of letter case only is the same user
        SelectUser(form, QStringLiteral("seller"));
        Click(form.EditButton);
        form.UserNameEdit->setText(QStringLiteral("Seller"));
        Click(form.SaveButton);
        QCOMPARE(Sorted(GridNames(form)), Sorted({Admin, "cashier", "Seller"}));
    }

    void cancelRestoresTheShownUser()
    {
        AppFixture f;
        TUserGLForm form(f.ctx());
        Click(form.AddButton);
        Fill(form, QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("y"));
        Click(form.CancelButton);
        QCOMPARE(form.mode(), EditMode::Browse);
        QCOMPARE(form.UserNameEdit->text(), Admin);
        QCOMPARE(UserNames(f.ctx().db()), QStringList{Admin});
    }

    // A failed save shows the engine's text; the window stays in its mode and goes on working.
    void failedSaveIsShownAndWindowStaysUsable()
    {
        AppFixture f;
        RefuseWrites(f.ctx().db(), QStringLiteral("SYS_User"), QStringLiteral("insert"), QStringLiteral("disk I/O error"));
        TUserGLForm form(f.ctx());
        form.show();
        Click(form.AddButton);
        Fill(form, QStringLiteral("王店员"), QStringLiteral("1"), QStringLiteral("1"));
        Click(form.SaveButton);
        QCOMPARE(f.prompts.entries.size(), 1);
        QCOMPARE(f.prompts.entries[0].kind, RecordingPrompts::Entry::Error);
        QVERIFY(f.prompts.last().contains(QStringLiteral("disk I/O error")));
        QCOMPARE(form.mode(), EditMode::Add);
        QCOMPARE(form.UserNameEdit->text(), QStringLiteral("王店员"));
        Click(form.CancelButton);
        QCOMPARE(form.mode(), EditMode::Browse);
        QCOMPARE(GridNames(form), QStringList{Admin});
    }

    // Every change of a user is in the audit log with the signed-in operator, the flags by their
    // captions; passwords never are.
    void changesAreAudited()
    {
        AppFixture f;
        f.signIn(UserWithFlags(Admin, 1));
        TUserGLForm form(f.ctx());
        form.show();
        Click(form.AddButton);
        Fill(form, QStringLiteral("clerk"), QStringLiteral("s3cret"), QStringLiteral("s3cret"));
        form.XSDJCheck->setChecked(true);
        Click(form.SaveButton);
        SelectUser(form, QStringLiteral("clerk"));
        Click(form.EditButton);
        Fill(form, QStringLiteral("王店员"), QStringLiteral("n3w"), QStringLiteral("n3w"));
        form.XSDJCheck->setChecked(false);
        form.CXKCCheck->setChecked(true);
        Click(form.SaveButton);
        f.prompts.answers = {true};
        SelectUser(form, QStringLiteral("王店员"));
        Click(form.DelButton);
        QVERIFY(UpdatePassword(f.ctx().db(), Admin, QStringLiteral("secret2")));

        QStringList log;
        for (const AuditEntry& e : ReadAudit(f.ctx().db())) {
            QCOMPARE(e.operatorName, Admin);
            QVERIFY(!(e.before + e.after).contains(QStringLiteral("s3cret")));
            QVERIFY(!(e.before + e.after).contains(QStringLiteral("n3w")));
            log << QStringList{e.action, e.object, e.before, e.after}.join(u'|');
        }
        QCOMPARE(log, (QStringList{"添加用户|clerk||clerk 权限+销售登记",
                                   "修改用户|clerk|clerk|王店员 权限-销售登记,+库存查询 密码已改",
                                   "删除用户|王店员|王店员|", "修改密码|系统管理员||"}));
    }

    // The user list exports through its context menu (xlsx) and its shortcut (CSV): what the grid
    // shows, header row included, read back cell by cell.
    void userListExports()
    {
        AppFixture f;
        InsertUser(f.ctx().db(), UserWithFlags(QStringLiteral("王店员"), 0));
        TUserGLForm form(f.ctx());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QVector<QStringList> shown{{QStringLiteral("用户列表")}};
        for (const QString& name : GridNames(form))
            shown << QStringList{name};
        const auto saveAs = [](const QString& path) {
            QTimer::singleShot(0, [path] {
                if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                    dialog->selectFile(path);
                    static_cast<QDialog*>(dialog)->accept();  // public through the base
                }
            });
        };

        auto* excel = form.userGrid->findChild<QAction*>(QStringLiteral("ExportXlsxAction"));
        QVERIFY(excel && form.userGrid->actions().contains(excel));
        QCOMPARE(excel->text(), QStringLiteral("导出Excel…"));
        const QString xlsx = f.dir.filePath(QStringLiteral("用户"));  // the suffix is added
        saveAs(xlsx);
        excel->trigger();
        QCOMPARE(ReadXlsxSheet(xlsx + QStringLiteral(".xlsx")), shown);

        const QString csv = f.dir.filePath(QStringLiteral("用户.csv"));
        form.activateWindow();  // back from the file dialog
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.userGrid->setFocus();
        saveAs(csv);
        QTest::keyClick(form.userGrid, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(ReadCsvFile(csv), shown);
        QVERIFY(f.prompts.entries.isEmpty());
    }

    void builtInUserIsProtected()
    {
        AppFixture f;
        TUserGLForm form(f.ctx());
        form.show();
        SelectUser(form, Admin);
        Click(form.EditButton);
        QCOMPARE(form.mode(), EditMode::Browse);
        Click(form.DelButton);
        QCOMPARE(f.prompts.texts(), (QStringList{"\"系统管理员\"为系统内置用户,不能修改!",
                                                 "\"系统管理员\"为系统内置用户,不能删除!"}));
        QCOMPARE(UserNames(f.ctx().db()), QStringList{Admin});
    }

    void deleteAsksFirst()
    {
        AppFixture f;
        InsertUser(f.ctx().db(), UserWithFlags(QStringLiteral("clerk"), 0));
        TUserGLForm form(f.ctx());
        form.show();
        SelectUser(form, QStringLiteral("clerk"));
        f.prompts.answers = {false, true};
        Click(form.DelButton);
        QCOMPARE(Sorted(UserNames(f.ctx().db())), Sorted({Admin, "clerk"}));
        Click(form.DelButton);
        QCOMPARE(f.prompts.texts(), QStringList(2, QStringLiteral("确定要删除用户\"clerk\"吗?")));
        QCOMPARE(f.prompts.entries.last().kind, RecordingPrompts::Entry::WarningQuestion);
        QCOMPARE(UserNames(f.ctx().db()), QStringList{Admin});
        QCOMPARE(GridNames(form), QStringList{Admin});
        QCOMPARE(form.UserNameEdit->text(), Admin);
    }

    void password_data()
    {
        QTest::addColumn<QString>("oldPass");
        QTest::addColumn<QString>("new1");
        QTest::addColumn<QString>("new2");
        QTest::addColumn<QString>("message");
        QTest::newRow("no old password") << "" << "n" << "n" << "请输入原密码!";
        QTest::newRow("no new password") << "Old" << "" << "n" << "请输入新密码！";
        QTest::newRow("no second new password") << "Old" << "n" << "" << "请再次输入新密码！";
        QTest::newRow("old password in other case") << "old" << "n" << "n" << "原密码输入错误,请重新输入!";
        QTest::newRow("new passwords differ") << "Old" << "n" << "N" << "两次输入的新密码不同,请重新输入!";
        QTest::newRow("changed") << "Old" << "New" << "New" << "密码修改成功!";
        QTest::newRow("user gone since signing in") << "Old" << "New" << "New" << "密码修改失败:用户\"clerk\"已不存在!";
    }

    void password()
    {
        QFETCH(QString, oldPass);
        QFETCH(QString, new1);
        QFETCH(QString, new2);
        QFETCH(QString, message);
        AppFixture f;
        TUser clerk = UserWithFlags(QStringLiteral("clerk"), 1);
        clerk.UserPassword = QStringLiteral("Old");
        InsertUser(f.ctx().db(), clerk);
        f.signIn(clerk);
        const bool gone = message.startsWith(QStringLiteral("密码修改失败"));
        if (gone) {  // renamed in the user window after signing in
            TUser renamed = clerk;
            renamed.UserName = QStringLiteral("clerk2");
            UpdateUser(f.ctx().db(), clerk.UserName, renamed);
        }
        TUpPassForm form(f.ctx());
        form.show();
        QCOMPARE(form.UserEdit->text(), QStringLiteral("clerk"));
        QVERIFY(!form.UserEdit->isEnabled());
        form.OldPassEdit->setText(oldPass);
        form.NewPass1Edit->setText(new1);
        form.NewPass2Edit->setText(new2);
        Click(form.OKButton);
        QCOMPARE(f.prompts.texts(), QStringList{message});
        const bool changed = message == QStringLiteral("密码修改成功!");
        const QString expected = changed ? QStringLiteral("New") : QStringLiteral("Old");
        QCOMPARE(Stored(f, gone ? QStringLiteral("clerk2") : QStringLiteral("clerk")).UserPassword, expected);
        QCOMPARE(f.ctx().LoginUser.UserPassword, expected);
        QCOMPARE(form.isVisible(), !changed);
        if (message.startsWith(QStringLiteral("两次"))) {
            QVERIFY(form.NewPass1Edit->text().isEmpty());
            QVERIFY(form.NewPass2Edit->text().isEmpty());
        }
    }
};

QL_APP_TEST_MAIN(TestUsers)
#include "test_users.moc"
