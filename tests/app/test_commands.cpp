// The command table's windows: each window has its opener, a window opened with a
// kind gets the command's mode, and a misspelt name is refused.

#include "AppFixture.h"
#include "Commands.h"
#include "RegisteredWindows.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <stdexcept>

namespace {

// A window opened with a kind, as the trade and query windows are.
class KindWindow : public QDialog {
public:
    KindWindow(AppContext&, QWidget* parent) : QDialog(parent) {}
    void SetDanKind(DanKind kind) { shownKind = kind; }
    static inline int shownKind = 0;
};

}  // namespace

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void everyWrittenWindowHasAnOpener()
    {
        RegisterWindows();
        for (const Command& c : CommandTable()) {
            if (c.window.isEmpty())
                continue;
            QVERIFY2(c.opener, qPrintable(c.window + " has no opener"));
        }
    }

    void unknownNameIsRefused()
    {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 RegisterCommandWindow(QStringLiteral("TBase_XSDJFrom"), ModalWindow<KindWindow>()));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, RegisterCommandWindow(QString(), {}));
    }

    // Both sales commands open the same window, each with its own kind.
    void windowGetsTheCommandsMode_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("kind");
        QTest::newRow("销售登记") << "N4" << int(ForwardKind);
        QTest::newRow("销售退货") << "N5" << int(ReturnKind);
    }

    void windowGetsTheCommandsMode()
    {
        QFETCH(QString, command);
        QFETCH(int, kind);
        AppFixture f;
        QCOMPARE(RegisterCommandWindow(QStringLiteral("TBase_XSDJForm"),
                                       ModalWindowWithMode(&KindWindow::SetDanKind)),
                 2);
        KindWindow::shownKind = 0;
        QTimer::singleShot(0, [] {
            if (auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                w->reject();
        });
        const Command* c = FindCommand(command);
        c->opener(f.ctx(), nullptr, c->mode);
        RegisterCommandWindow(QStringLiteral("TBase_XSDJForm"), {});
        QCOMPARE(KindWindow::shownKind, kind);
    }
};

QL_APP_TEST_MAIN(TestCommands)
#include "test_commands.moc"
