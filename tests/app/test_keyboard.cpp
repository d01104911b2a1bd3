// Enter in every window: on a focused button it presses that button, never the default one.

#include "AboutForm.h"
#include "AppFixture.h"
#include "LogForm.h"
#include "PrintSetForm.h"
#include "UpPassForm.h"
#include "UserGLForm.h"
#include "ZL_QYXXForm.h"

#include "Commands.h"
#include "RegisteredWindows.h"

#include <QApplication>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTimer>
#include <functional>

namespace {

using MakeWindow = std::function<QDialog*(AppContext&)>;

template <class Form>
MakeWindow Maker()
{
    return [](AppContext& ctx) -> QDialog* { return new Form(ctx); };
}

QPushButton* DefaultButton(const QDialog& window)
{
    for (QPushButton* b : window.findChildren<QPushButton*>())
        if (b->isDefault())
            return b;
    return nullptr;
}

}  // namespace

Q_DECLARE_METATYPE(MakeWindow)

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void enterPressesFocusedButton_data()
    {
        QTest::addColumn<MakeWindow>("make");
        QTest::newRow("login") << Maker<TLogForm>();
        QTest::newRow("password") << Maker<TUpPassForm>();
        QTest::newRow("users") << Maker<TUserGLForm>();
        QTest::newRow("enterprise") << Maker<TZL_QYXXForm>();
        QTest::newRow("print settings") << Maker<TPrintSetForm>();
        QTest::newRow("about") << Maker<TAboutForm>();
    }
    void enterPressesFocusedButton()
    {
        QFETCH(MakeWindow, make);
        AppFixture f;
        f.signIn(UserWithFlags(QStringLiteral("系统管理员"), 1));
        f.prompts.answers = QVector<bool>(20, false);  // questions are answered "Cancel"
        QStringList names;
        {
            std::unique_ptr<QDialog> probe(make(f.ctx()));
            for (QPushButton* b : probe->findChildren<QPushButton*>())
                if (b->isEnabled())
                    names << b->objectName();
        }
        QVERIFY(!names.isEmpty());
        for (const QString& name : names) {
            std::unique_ptr<QDialog> window(make(f.ctx()));
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            auto* button = window->findChild<QPushButton*>(name);
            QPushButton* byDefault = DefaultButton(*window);
            button->setFocus();
            QSignalSpy pressed(button, &QPushButton::clicked);
            QSignalSpy defaultPressed(byDefault ? byDefault : button, &QPushButton::clicked);
            QTest::keyClick(button, Qt::Key_Return);
            QVERIFY2(pressed.count() == 1, qPrintable(name));
            if (byDefault != button)
                QVERIFY2(byDefault == nullptr || defaultPressed.isEmpty(), qPrintable(name));
        }
    }

    // Every window the main menu opens, every button in it: Enter on the focused button presses
    // that button and not the default one. The buttons' handlers are kept quiet (signals
    // blocked); a press shows as the toggle of a button made checkable for the test.
    void everyRegisteredWindow()
    {
        AppFixture f;
        f.signIn(UserWithFlags(QStringLiteral("系统管理员"), 1));
        RegisterWindows();
        QStringList faults;
        QSet<QString> seen;
        int buttons = 0;
        for (const Command& c : CommandTable()) {
            if (!c.opener || seen.contains(c.window))
                continue;
            seen.insert(c.window);
            QObject scope;  // a timer still waiting when no dialog came up goes with this scope
            QTimer::singleShot(0, &scope, [&] {
                auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (!window) {
                    faults << c.window + QStringLiteral(": no window");
                    return;
                }
                QPushButton* byDefault = DefaultButton(*window);
                for (QPushButton* b : window->findChildren<QPushButton*>()) {
                    if (!b->isVisible() || !b->isEnabled() || b == byDefault || b->isCheckable())
                        continue;
                    ++buttons;
                    QSignalSpy defaultPressed(byDefault ? byDefault : b, &QPushButton::clicked);
                    b->setFocus();
                    b->setCheckable(true);
                    const QSignalBlocker quiet(b);
                    QTest::keyClick(b, Qt::Key_Return);
                    if (!b->isChecked())
                        faults << c.window + u'.' + b->objectName() + QStringLiteral(": not pressed");
                    if (byDefault && !defaultPressed.isEmpty())
                        faults << c.window + u'.' + b->objectName() + QStringLiteral(": default pressed");
                    b->setChecked(false);
                    b->setCheckable(false);
                }
                window->reject();
            });
            c.opener(f.ctx(), nullptr, c.kind);
        }
        QVERIFY(buttons > 10);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QL_APP_TEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
