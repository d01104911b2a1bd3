// The command table's windows: each window has its opener, a window opened with a
// kind gets the command's kind, and a misspelt name is refused.

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
    static inline std::optional<DanKind> shownKind;
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
    void windowGetsTheCommandsKind_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<DanKind>("kind");
        QTest::newRow("销售登记") << "N4" << ForwardKind;
        QTest::newRow("销售退货") << "N5" << ReturnKind;
    }

    void windowGetsTheCommandsKind()
    {
        QFETCH(QString, command);
        QFETCH(DanKind, kind);
        AppFixture f;
        QCOMPARE(RegisterCommandWindow(QStringLiteral("TBase_XSDJForm"),
                                       ModalWindowWithKind(&KindWindow::SetDanKind)),
                 2);
        KindWindow::shownKind.reset();
        QTimer::singleShot(0, [] {
            if (auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                w->reject();
        });
        const Command* c = FindCommand(command);
        c->opener(f.ctx(), nullptr, c->kind);
        RegisterCommandWindow(QStringLiteral("TBase_XSDJForm"), {});
        QCOMPARE(KindWindow::shownKind, std::optional(kind));
    }
};

QL_APP_TEST_MAIN(TestCommands)
#include "test_commands.moc"
