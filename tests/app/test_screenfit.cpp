// Every window opens inside a small screen: the windows of the command table and the print
// preview, on what a 1024×768 desktop with a 30-pixel panel leaves to windows.

#include "AppFixture.h"
#include "Commands.h"
#include "OffscreenScreen.h"
#include "RegisteredWindows.h"
#include "ReportPreviewDialog.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

namespace {

const QSize SmallScreen(1024, 738);

// Where a window lies on the screen and the room the screen leaves, as a failure text when it
// does not fit.
QString Misfit(const QWidget& window)
{
    const QRect area = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    if (area.size() != SmallScreen)
        return QStringLiteral("the screen is %1×%2, not the small screen").arg(area.width()).arg(area.height());
    if (area.contains(frame))
        return {};
    return QStringLiteral("%1 lies at %2,%3 %4×%5")
        .arg(window.windowTitle())
        .arg(frame.x())
        .arg(frame.y())
        .arg(frame.width())
        .arg(frame.height());
}

}  // namespace

class TestScreenFit : public QObject {
    Q_OBJECT
private slots:
    void commandWindowsFit_data()
    {
        QTest::addColumn<QString>("command");
        for (const Command& c : CommandTable())
            if (!c.window.isEmpty())
                QTest::newRow(qPrintable(c.name + u' ' + c.caption)) << c.name;
    }

    void commandWindowsFit()
    {
        QFETCH(QString, command);
        RegisterWindows();
        AppFixture f;
        f.signIn(UserWithFlags(QStringLiteral("店长"), 1));
        const Command* c = FindCommand(command);
        QVERIFY2(c && c->opener, qPrintable(command + " opens no window"));
        QString misfit = QStringLiteral("no window opened");
        QTimer::singleShot(0, [&misfit] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                misfit = Misfit(*w);
                w->close();
            }
        });
        c->opener(f.ctx(), nullptr, c->kind);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
    }

    void printPreviewFits()
    {
        ReportPreviewDialog preview(PageModel{}, {});
        preview.show();
        QVERIFY2(Misfit(preview).isEmpty(), qPrintable(Misfit(preview)));
    }
};

int main(int argc, char* argv[])
{
    if (!UseOffscreenScreen(SmallScreen))
        return 1;
    QingLanApplication app(argc, argv);
    TestScreenFit test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_screenfit.moc"
