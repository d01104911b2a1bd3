// The login window and the start-up sequence around it.

#include "AppFixture.h"
#include "LogForm.h"
#include "MainForm.h"
#include "Settings.h"
#include "StartUp.h"
#include "UserStore.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {

const QString WrongMessage = QStringLiteral("用户名或密码输入错误,请重新输入，错误三次后系统将自动退出!");

// Types text into a box: keys for ASCII, Chinese committed the way an input method does.
void Type(QLineEdit* box, const QString& text)
{
    box->clear();
    for (const QChar c : text)
        if (c.unicode() < 128)
            QTest::keyClick(box, c.toLatin1());
        else
            box->insert(QString(c));
}

// Types the name and the password and presses "登录" (or Enter).
void Attempt(TLogForm& form, const QString& name, const QString& password, bool enter = false)
{
    Type(form.userBox->lineEdit(), name);
    Type(form.passwordEdit, password);
    if (enter)
        QTest::keyClick(form.passwordEdit, Qt::Key_Return);
    else
        QTest::mouseClick(form.loginButton, Qt::LeftButton);
}

// Runs action on the modal login window as soon as start-up shows it.
void WhenLoginShows(std::function<void(TLogForm&)> action)
{
    QTimer::singleShot(0, [action] {
        auto* form = qobject_cast<TLogForm*>(QApplication::activeModalWidget());
        QVERIFY(form);
        action(*form);
    });
}

}  // namespace

class TestLogin : public QObject {
    Q_OBJECT
private slots:
    void listsEveryUser()
    {
        AppFixture f;
        InsertUser(f.ctx().db(), UserWithFlags(QStringLiteral("Clerk"), 0));
        TLogForm form(f.ctx());
        QStringList items;
        for (int i = 0; i < form.userBox->count(); ++i)
            items << form.userBox->itemText(i);
        QCOMPARE(items, UserNames(f.ctx().db()));
        QVERIFY(items.contains(QStringLiteral("Clerk")));
        QVERIFY(form.passwordEdit->text().isEmpty());
        QVERIFY(form.userBox->currentText().isEmpty());
    }

    void attempt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");  // empty: signed in
        QTest::addColumn<int>("failed");
        QTest::newRow("blank name") << "   " << "793" << "请输入或选择用户名!" << 0;
        QTest::newRow("blank password") << "系统管理员" << "" << "请输入密码!" << 0;
        QTest::newRow("wrong password") << "系统管理员" << "794" << WrongMessage << 1;
        QTest::newRow("unknown user") << "nobody" << "793" << WrongMessage << 1;
        QTest::newRow("password with trailing blank") << "Clerk" << "Secret " << WrongMessage << 1;
        QTest::newRow("name trimmed") << "  Clerk  " << "Secret" << "" << 0;
        QTest::newRow("letter case ignored") << "cLERK" << "sECRET" << "" << 0;
    }

    void attempt()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, message);
        QFETCH(int, failed);
        AppFixture f;
        TUser clerk = UserWithFlags(QStringLiteral("Clerk"), 0);
        clerk.UserPassword = QStringLiteral("Secret");
        clerk.QX_CXKC = 1;
        InsertUser(f.ctx().db(), clerk);

        TLogForm form(f.ctx());
        form.show();
        Attempt(form, name, password);
        QCOMPARE(form.failedAttempts(), failed);
        if (message.isEmpty()) {
            QCOMPARE(form.result(), int(QDialog::Accepted));
            QVERIFY(f.prompts.entries.isEmpty());
            // the stored spelling, whatever was typed
            QCOMPARE(f.ctx().LoginUser.UserName, QStringLiteral("Clerk"));
            QCOMPARE(f.ctx().LoginUser.UserPassword, QStringLiteral("Secret"));
            QCOMPARE(f.ctx().LoginUser.QX_CXKC, std::uint8_t(1));
            QCOMPARE(f.ctx().LoginUser.QX_UserGL, std::uint8_t(0));
            QCOMPARE(f.ctx().db().operatorName(), QStringLiteral("Clerk"));  // the audit log's operator
        } else {
            QCOMPARE(f.prompts.texts(), QStringList{message});
            QVERIFY(form.isVisible());
            QVERIFY(f.ctx().LoginUser.UserName.isEmpty());
        }
    }

    void thirdFailureEndsTheLogin()
    {
        AppFixture f;
        TLogForm form(f.ctx());
        form.show();
        Attempt(form, QStringLiteral("系统管理员"), QStringLiteral("1"));
        Attempt(form, QStringLiteral("系统管理员"), QStringLiteral("2"));
        QVERIFY(form.isVisible());
        Attempt(form, QStringLiteral("系统管理员"), QStringLiteral("3"));
        QCOMPARE(f.prompts.texts(), QStringList(3, WrongMessage));
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
    }

    void twoFailuresThenSuccess()
    {
        AppFixture f;
        TLogForm form(f.ctx());
        form.show();
        Attempt(form, QStringLiteral("系统管理员"), QStringLiteral("1"));
        Attempt(form, QStringLiteral("系统管理员"), QStringLiteral("2"));
        Attempt(form, QStringLiteral("系统管理员"), QStringLiteral("793"), true);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(f.ctx().LoginUser.QX_UserGL, std::uint8_t(1));
    }

    void startUpReadsSettingsAgainAfterSignIn()
    {
        AppFixture f;
        WhenLoginShows([&f](TLogForm& form) {
            TGsInfo changed;
            changed.GSName = QStringLiteral("晴岚家电城");
            QVERIFY(WriteGsInfo(f.programDir(), changed));  // changed while the login window is open
            Attempt(form, QStringLiteral("系统管理员"), QStringLiteral("793"));
        });
        const std::unique_ptr<TMainForm> mainForm = StartUp(f.ctx());
        QVERIFY(mainForm);
        QVERIFY(mainForm->isMaximized());
        QCOMPARE(mainForm->windowTitle(), QStringLiteral("晴岚家电销售管理系统 V3.0.6"));
        QCOMPARE(f.ctx().GsInfo.GSName, QStringLiteral("晴岚家电城"));
        QVERIFY(f.ctx().db().isOpen());
        QVERIFY(f.prompts.entries.isEmpty());
    }

    // A very long user name neither widens the window nor pushes its buttons off screen; the
    // list shows it elided, the whole name as tooltip.
    void longNameKeepsTheWindowSize()
    {
        AppFixture f;
        const QString longName(5000, u'长');
        InsertUser(f.ctx().db(), UserWithFlags(longName, 0));
        TLogForm form(f.ctx());
        form.show();
        QVERIFY(form.width() < 600);
        QVERIFY(form.rect().contains(form.exitButton->geometry()));
        const int index = form.userBox->findText(longName);
        QVERIFY(index >= 0);
        QCOMPARE(form.userBox->itemData(index, Qt::ToolTipRole).toString(), longName);
    }

    void abandonedLoginOpensNoMainWindow()
    {
        AppFixture f;
        WhenLoginShows([](TLogForm& form) { QTest::mouseClick(form.exitButton, Qt::LeftButton); });
        QVERIFY(!StartUp(f.ctx()));
    }

    void failedConnectionLeavesAnEmptyList()
    {
        AppFixture f;
        f.context.reset();
        // The file is not a database; the server's database holds another program's table.
        std::optional<ServerDatabase> foreign;
        if (f.server) {
            foreign.emplace(f.server->target);
            Database other(QStringLiteral("other program"));
            other.open(foreign->target);
            other.exec(QStringLiteral("create table Orders(id integer)"));
            UseServer(f.programDir(), foreign->target);
        } else {
            QFile file(f.programDir() + "Data/db.data");
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("not a database");
        }
        AppContext broken(f.programDir());
        broken.prompts = &f.prompts;
        int listed = -1;
        WhenLoginShows([&](TLogForm& form) {
            listed = form.userBox->count();
            Attempt(form, QStringLiteral("系统管理员"), QStringLiteral("793"));  // fails with the engine's text
            QCOMPARE(form.failedAttempts(), 0);
            QTest::mouseClick(form.exitButton, Qt::LeftButton);
        });
        QVERIFY(!StartUp(broken));
        QCOMPARE(listed, 0);
        QCOMPARE(f.prompts.entries.size(), 3);
        QCOMPARE(f.prompts.entries[0].kind, RecordingPrompts::Entry::Message);
        QVERIFY(f.prompts.entries[0].text.startsWith(QStringLiteral("数据库连接失败!\n")));
        QVERIFY(f.prompts.entries[0].text.contains(QStringLiteral("不是本系统的数据库")));
        QCOMPARE(f.prompts.entries[1].kind, RecordingPrompts::Entry::Error);  // filling the list
        QCOMPARE(f.prompts.entries[2].kind, RecordingPrompts::Entry::Error);  // the sign-in attempt
    }
};

QL_APP_TEST_MAIN(TestLogin)
#include "test_login.moc"
