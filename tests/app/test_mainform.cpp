// The main window: permission gate, navigator, brief-help panel, exit, help, calculator, about,
// and the default error handler.

#include "AboutForm.h"
#include "AppFixture.h"
#include "Commands.h"
#include "DaoHangForm.h"
#include "LogForm.h"
#include "HelpForm.h"
#include "MainForm.h"
#include "PrintSetForm.h"
#include "RegisteredWindows.h"
#include "UserStore.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>
#include <cmath>

namespace {

// Counts how often each command's window was asked for, in place of the real windows.
struct OpenLog {
    QStringList opened;
    void registerAll()
    {
        for (const Command& c : CommandTable())
            if (!c.window.isEmpty())
                RegisterCommandWindow(c.name, [this, name = c.name](AppContext&, QWidget*, std::optional<DanKind> kind) {
                    opened << QStringLiteral("%1:%2").arg(name).arg(kind ? int(*kind) : 0);
                });
    }
    ~OpenLog()
    {
        for (const Command& c : CommandTable())
            RegisterCommandWindow(c.name, {});
    }
};

QTreeWidgetItem* Node(TDaoHangForm& nav, const QString& caption)
{
    const auto found = nav.commandTree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

void ClickNode(TDaoHangForm& nav, QTreeWidgetItem* node)
{
    QVERIFY(node);
    nav.commandTree->scrollToItem(node);
    QTest::mouseClick(nav.commandTree->viewport(), Qt::LeftButton, {},
                      nav.commandTree->visualItemRect(node).center());
}

// The contrast ratio of two colours (1 to 21) by their relative luminance.
double Contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The cursor over the first occurrence of text in a browser's document.
QTextCursor Find(const QTextBrowser& browser, const QString& text)
{
    return browser.document()->find(text);
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

}  // namespace

class TestMainForm : public QObject {
    Q_OBJECT
private slots:
    void menuFollowsTheCommandTable()
    {
        AppFixture f;
        f.signIn(UserWithFlags(QStringLiteral("a"), 1));
        TMainForm form(f.ctx());
        QStringList bar;
        for (QAction* top : form.mainMenu->actions())
            bar << top->text();
        QCOMPARE(bar, (QStringList{"系统管理", "销售管理", "采购管理", "查询统计", "资料配置", "帐务管理", "帮助", "计算器"}));
        // the first menu with its separators
        QStringList items;
        for (QAction* a : form.mainMenu->actions().first()->menu()->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(items, (QStringList{"密码修改", "用户管理", "操作日志", "-", "历史经营数据结存", "过期数据清理", "-", "数据备份",
                                     "数据恢复", "-", "导航条", "退出"}));
        QCOMPARE(form.menuItem("N53"), form.mainMenu->actions().last());
    }

    void permissionGate_data()
    {
        QTest::addColumn<QString>("cleared");  // flag cleared; empty: every flag cleared
        QTest::newRow("without QX_CXXS") << "QX_CXXS";
        QTest::newRow("every flag cleared") << "";
    }

    void permissionGate()
    {
        QFETCH(QString, cleared);
        AppFixture f;
        OpenLog log;
        log.registerAll();
        TUser user = UserWithFlags(QStringLiteral("clerk"), cleared.isEmpty() ? 0 : 1);
        if (!cleared.isEmpty())
            *user.flag(cleared) = 0;
        f.signIn(user);
        TMainForm form(f.ctx());
        form.show();
        TDaoHangForm* nav = form.navigator();
        QVERIFY(nav);
        const QColor grey = nav->palette().color(QPalette::Dark);

        for (const Command& c : CommandTable()) {
            const bool gated = !c.flag.isEmpty() && (cleared.isEmpty() || c.flag == cleared);
            QAction* item = form.menuItem(c.name);
            QCOMPARE(item->isEnabled(), !gated);
            QTreeWidgetItem* node = Node(*nav, c.caption);
            QVERIFY(node);
            QCOMPARE(node->foreground(0).color() == grey, gated);
        }
        if (!cleared.isEmpty()) {
            QVERIFY(!form.menuItem("N10")->isEnabled());
            QVERIFY(!form.menuItem("N52")->isEnabled());
        }
        for (const QAction* top : form.mainMenu->actions())
            QVERIFY(top->isEnabled());

        // a greyed node does nothing; an enabled one opens its window with its kind
        ClickNode(*nav, Node(*nav, QStringLiteral("销售查询")));
        ClickNode(*nav, Node(*nav, QStringLiteral("销售退货查询")));
        form.menuItem("N52")->trigger();
        ClickNode(*nav, Node(*nav, QStringLiteral("关于")));
        ClickNode(*nav, Node(*nav, QStringLiteral("销售退货")));
        const QStringList expected = cleared.isEmpty() ? QStringList{"N50:0"} : QStringList{"N50:0", "N5:2"};
        QCOMPARE(log.opened, expected);
        QVERIFY(nav->commandTree->selectedItems().isEmpty());  // the same node can be clicked again
    }

    void userWithoutFlagsSignsIn()
    {
        AppFixture f;
        InsertUser(f.ctx().db(), UserWithFlags(QStringLiteral("guest"), 0));
        TLogForm login(f.ctx());
        login.userBox->setEditText(QStringLiteral("guest"));
        login.passwordEdit->setText(QStringLiteral("pw"));
        QTest::mouseClick(login.loginButton, Qt::LeftButton);
        QCOMPARE(login.result(), int(QDialog::Accepted));
        TMainForm form(f.ctx());
        for (const Command& c : CommandTable())
            QCOMPARE(form.menuItem(c.name)->isEnabled(), c.flag.isEmpty());
    }

    void navigatorRules()
    {
        AppFixture f;
        f.signIn(UserWithFlags(QStringLiteral("a"), 1));
        TMainForm form(f.ctx());
        QVERIFY(!form.navigator());
        form.show();
        QPointer<TDaoHangForm> first = form.navigator();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QCOMPARE(first->pos(), QPoint(20, 140));
        QVERIFY(first->windowFlags() & Qt::WindowStaysOnTopHint);

        // the tree mirrors the menu bar: no separators, captions without access keys
        QTreeWidget* tree = first->commandTree;
        QCOMPARE(tree->topLevelItemCount(), form.mainMenu->actions().size());
        QCOMPARE(tree->topLevelItem(7)->text(0), QStringLiteral("计算器"));
        QCOMPARE(tree->topLevelItem(7)->childCount(), 0);
        QTreeWidgetItem* system = tree->topLevelItem(0);
        QCOMPARE(system->childCount(), 9);
        QCOMPARE(system->child(2)->text(0), QStringLiteral("操作日志"));

        form.menuItem("N35")->trigger();  // open: nothing happens
        QCOMPARE(form.navigator(), first.data());
        QCOMPARE(form.findChildren<TDaoHangForm*>().size(), 1);

        first->move(300, 300);
        first->close();
        QTRY_VERIFY(!first);
        QVERIFY(!form.navigator());
        form.menuItem("N35")->trigger();  // closed: a new one at the same place
        QVERIFY(form.navigator());
        QCOMPARE(form.navigator()->pos(), QPoint(20, 140));
        QCOMPARE(form.findChildren<TDaoHangForm*>().size(), 1);
    }

    void briefHelpSurvivesRestart()
    {
        AppFixture f;
        f.signIn(UserWithFlags(QStringLiteral("a"), 1));
        QCOMPARE(f.ctx().BriefHelp, std::uint8_t(1));  // open without Set.ini
        {
            TMainForm form(f.ctx());
            form.show();
            QCOMPARE(form.helpPanel->width(), 366);
            QCOMPARE(form.helpMemo->width(), 347);
            QVERIFY(form.helpStrip->text().startsWith(QStringLiteral(">>\n \n关\n闭")));
            QCOMPARE(form.helpMemo->toPlainText().split(u'\n').size(), 23);
            QTest::mouseClick(form.helpStrip, Qt::LeftButton);
            QCOMPARE(form.helpPanel->width(), 19);
            QCOMPARE(form.helpMemo->width(), 0);
            QVERIFY(form.helpStrip->text().startsWith(QStringLiteral("<<\n \n打\n开")));
            QCOMPARE(f.ctx().BriefHelp, std::uint8_t(0));
        }
        f.restart();
        QCOMPARE(f.ctx().BriefHelp, std::uint8_t(0));
        {
            TMainForm form(f.ctx());
            form.show();
            QCOMPARE(form.helpPanel->width(), 19);
            QCOMPARE(form.helpMemo->width(), 0);
            QVERIFY(form.helpStrip->text().startsWith(QStringLiteral("<<")));
            QTest::mouseClick(form.helpPanel, Qt::LeftButton, {}, QPoint(5, 5));  // the panel opens it too
            QCOMPARE(form.helpPanel->width(), 366);
            QCOMPARE(form.helpMemo->width(), 347);
        }
        QCOMPARE(f.restart().BriefHelp, std::uint8_t(1));
    }

    void briefHelpText()
    {
        AppFixture f;
        TMainForm form(f.ctx());
        const QStringList lines = form.helpMemo->toPlainText().split(u'\n');
        QCOMPARE(lines[0], QStringLiteral("简要说明:"));
        QCOMPARE(lines[2], QStringLiteral("    《晴岚家电销售管理系统》是家电行业类的进销存管理软"));
        QCOMPARE(lines[7], QStringLiteral("  "));
        QCOMPARE(lines[19], QStringLiteral("方的导航条来操作。 "));
        QCOMPARE(lines[22], QStringLiteral("注：更加详细的使用说明请查看\"帮助\""));
    }

    void exitAsksFirst()
    {
        AppFixture f;
        TMainForm form(f.ctx());
        form.show();
        f.prompts.answers = {false, true};
        form.menuItem("N38")->trigger();
        QVERIFY(form.isVisible());
        form.menuItem("N38")->trigger();
        QVERIFY(!form.isVisible());
        QCOMPARE(f.prompts.texts(), QStringList(2, QStringLiteral("确定退出系统吗?")));
    }

    // The user guide opens in the program's own help window, with no desktop browser involved.
    void helpOpensTheUserGuide()
    {
        AppFixture f;
        const QString guide = QCoreApplication::applicationDirPath() + QStringLiteral("/HOLMHelp.html");
        if (!QFile::exists(guide))
            QVERIFY(QFile::copy(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../../resources/help/HOLMHelp.html"), guide));
        TMainForm form(f.ctx());
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        form.menuItem("N49")->trigger();
        form.menuItem("N49")->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QVERIFY(catcher.urls.isEmpty());
        THelpForm* help = form.helpWindow();
        QVERIFY(help && help->isVisible());
        QCOMPARE(form.findChildren<THelpForm*>().size(), 1);
        QCOMPARE(help->HelpBrowser->source().toLocalFile(),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/HOLMHelp.html"));
        QVERIFY(help->HelpBrowser->toPlainText().contains(QStringLiteral("晴岚")));
        QVERIFY(f.prompts.entries.isEmpty());
    }

    // The guide's title and subtitle stand out from the banner behind them, and its eight contents
    // links stand apart from each other.
    void helpWindowIsReadable()
    {
        THelpForm help(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../../resources/help/HOLMHelp.html"));
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QTextBrowser& browser = *help.HelpBrowser;
        const QImage shown = browser.viewport()->grab().toImage();
        for (const QString& text : {QStringLiteral("晴岚家电销售管理系统 使用说明"), QStringLiteral("单机版V3.0.6")}) {
            const QTextCursor found = Find(browser, text);
            QVERIFY2(!found.isNull(), qPrintable(text));
            QTextCursor at(browser.document());
            at.setPosition(found.selectionStart() + 1);
            const QColor ink = at.charFormat().foreground().color();
            const QRect start = browser.cursorRect(at);
            const QColor behind = shown.pixelColor(start.left() - 8, start.center().y());
            QVERIFY2(Contrast(ink, behind) >= 4.5, qPrintable(QStringLiteral("%1: %2 on %3").arg(text, ink.name(), behind.name())));
        }

        struct Link {
            QRect first, last;
        };
        QVector<Link> links;
        for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment part = it.fragment();
                if (!part.charFormat().isAnchor() || !part.charFormat().anchorHref().startsWith(u'#'))
                    continue;
                QTextCursor c(browser.document());
                c.setPosition(part.position());
                const QRect first = browser.cursorRect(c);
                c.setPosition(part.position() + part.length());
                links.append({first, browser.cursorRect(c)});
            }
        QCOMPARE(links.size(), 8);
        for (int i = 1; i < links.size(); ++i) {
            if (links[i].first.center().y() != links[i - 1].last.center().y())
                continue;  // on a line of its own
            QVERIFY2(links[i].first.left() - links[i - 1].last.left() >= 16,
                     qPrintable(QStringLiteral("link %1 touches the one before").arg(i + 1)));
        }
    }

    // The status bar names the signed-in user.
    void statusBarShowsTheUser()
    {
        AppFixture f;
        f.signIn(UserWithFlags(QStringLiteral("店员小王"), 0));
        TMainForm form(f.ctx());
        QCOMPARE(form.UserStatusLabel->text(), QStringLiteral("当前用户：店员小王"));
        QVERIFY(form.statusBar()->isAncestorOf(form.UserStatusLabel));
    }

    void calculator()
    {
        AppFixture f;
        TMainForm form(f.ctx());
        const QByteArray path = qgetenv("PATH");
        QTemporaryDir bin;
        qputenv("PATH", bin.path().toLocal8Bit());
        form.menuItem("N53")->trigger();
        QCOMPARE(f.prompts.texts(),
                 QStringList{QStringLiteral("没有找到计算器，若要使用此功能请在桌面的软件管理中安装一个计算器(如 gnome-calculator 或 kcalc)!")});

        // a calculator on the search path is started
        const QString marker = bin.filePath(QStringLiteral("started"));
        QFile script(bin.filePath(QStringLiteral("galculator")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\n: > '%1'\n").arg(marker).toLocal8Bit());
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        QCOMPARE(FindCalculator(), script.fileName());
        f.prompts.clear();
        form.menuItem("N53")->trigger();
        qputenv("PATH", path);
        QVERIFY(f.prompts.entries.isEmpty());
        QTRY_VERIFY(QFile::exists(marker));
    }

    void aboutPlacesTheEdition()
    {
        AppFixture f;
        TAboutForm about(f.ctx());
        QCOMPARE(about.windowTitle(), QStringLiteral("关于"));
        QCOMPARE(about.EditionLabel->text(), QStringLiteral("单机版V3.0.6"));
        QCOMPARE(about.EditionLabel->x(), about.TitleLabel->geometry().right() + 1 + 5);
        QVERIFY(about.TitleLabel->font().pointSize() > about.EditionLabel->font().pointSize());
        // the database file in use (the server's database), whole in the tooltip
        QCOMPARE(about.DataLabel->toolTip(), f.server ? f.server->target.display()
                                                      : QDir::toNativeSeparators(f.programDir() + "Data/db.data"));
        QVERIFY(about.DataLabel->text().startsWith(QStringLiteral("数据库：")));
    }

    // A registered window opens modally from its command and is freed when it closes.
    void printSettingsCommandOpensItsWindow()
    {
        AppFixture f;
        f.signIn(UserWithFlags(QStringLiteral("a"), 1));
        RegisterWindows();
        TMainForm form(f.ctx());
        QString opened;
        QObject scope;  // a timer still waiting when no dialog came up goes with this scope
        QTimer::singleShot(0, &scope, [&] {
            if (auto* w = qobject_cast<TPrintSetForm*>(QApplication::activeModalWidget())) {
                opened = w->windowTitle();
                w->reject();
            }
        });
        form.menuItem("N54")->trigger();
        RegisterCommandWindow(QStringLiteral("TPrintSetForm"), {});
        QVERIFY(!opened.isEmpty());
        QVERIFY(form.findChildren<TPrintSetForm*>().isEmpty());
    }

    void escapedErrorIsShownAndWindowStaysUsable()
    {
        AppFixture f;
        f.signIn(UserWithFlags(QStringLiteral("a"), 1));
        RegisterCommandWindow(QStringLiteral("N9"), [](AppContext&, QWidget*, std::optional<DanKind>) {
            throw DbError(QStringLiteral("no such table: Log_KuCun"));
        });
        TMainForm form(f.ctx());
        form.show();
        ClickNode(*form.navigator(), Node(*form.navigator(), QStringLiteral("库存查询")));
        RegisterCommandWindow(QStringLiteral("N9"), {});
        QCOMPARE(f.prompts.entries.size(), 1);
        QCOMPARE(f.prompts.entries[0].kind, RecordingPrompts::Entry::Error);
        QCOMPARE(f.prompts.entries[0].text, QStringLiteral("no such table: Log_KuCun"));
        f.prompts.answers = {false};
        form.menuItem("N38")->trigger();  // still answering
        QCOMPARE(f.prompts.last(), QStringLiteral("确定退出系统吗?"));
    }
};

QL_APP_TEST_MAIN(TestMainForm)
#include "test_mainform.moc"
