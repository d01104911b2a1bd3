// Handlers connected through the guard: an error never crosses the signal; it is shown in the
// error box and the window goes on working.
#include "AppContext.h"
#include "GuardedConnect.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <stdexcept>

class Clicker : public QDialog {
public:
    int clicks = 0;
    void Count() { ++clicks; }
};

class TestGuardedConnect : public QObject {
    Q_OBJECT
private slots:
    void errorIsShownAndWindowStaysUsable_data()
    {
        QTest::addColumn<bool>("database");
        QTest::addColumn<QString>("shown");
        QTest::newRow("database error") << true << QStringLiteral("no such table: SYS_User");
        QTest::newRow("other error") << false << QStringLiteral("磁盘已满");
    }

    void errorIsShownAndWindowStaysUsable()
    {
        QFETCH(bool, database);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        AppContext ctx(dir.path());
        RecordingPrompts prompts;
        ctx.prompts = &prompts;

        Clicker window;
        auto* failing = new QPushButton(&window);
        auto* working = new QPushButton(&window);
        GuardedConnect(failing, &QPushButton::clicked, &window, ctx, [&] {
            if (database)
                throw DbError(shown);
            throw std::runtime_error(shown.toStdString());
        });
        GuardedConnect(working, &QPushButton::clicked, &window, ctx, &Clicker::Count);
        window.show();

        QTest::mouseClick(failing, Qt::LeftButton);
        QCOMPARE(prompts.entries.size(), 1);
        QCOMPARE(prompts.entries[0].kind, RecordingPrompts::Entry::Error);
        QCOMPARE(prompts.entries[0].text, shown);
        QVERIFY(window.isVisible());
        QTest::mouseClick(working, Qt::LeftButton);
        QTest::mouseClick(failing, Qt::LeftButton);
        QTest::mouseClick(working, Qt::LeftButton);
        QCOMPARE(window.clicks, 2);
        QCOMPARE(prompts.entries.size(), 2);
    }

    // A handler that names its action says in the box what failed, before the reason.
    void actionNamesWhatFailed()
    {
        QTemporaryDir dir;
        AppContext ctx(dir.path());
        RecordingPrompts prompts;
        ctx.prompts = &prompts;
        Clicker window;
        auto* save = new QPushButton(&window);
        GuardedConnect(save, &QPushButton::clicked, &window, ctx, QStringLiteral("保存销售单"),
                       [] { throw DbError(QStringLiteral("database or disk is full")); });
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(!RunGuarded(ctx, &window, QStringLiteral("结存"), [] { throw std::runtime_error("磁盘已满"); }));
        QCOMPARE(prompts.texts(),
                 (QStringList{"保存销售单失败: database or disk is full", "结存失败: 磁盘已满"}));
    }

    // A handler takes the leading arguments of the signal it wants, none or all.
    void handlerTakesTheArgumentsItWants()
    {
        QTemporaryDir dir;
        AppContext ctx(dir.path());
        Clicker window;
        auto* box = new QPushButton(&window);
        box->setCheckable(true);
        bool checked = false;
        GuardedConnect(box, &QPushButton::toggled, &window, ctx, &Clicker::Count);
        GuardedConnect(box, &QPushButton::toggled, &window, ctx, [&](bool on) { checked = on; });
        box->toggle();
        QCOMPARE(window.clicks, 1);
        QVERIFY(checked);
    }
};

QTEST_MAIN(TestGuardedConnect)
#include "test_guardedconnect.moc"
