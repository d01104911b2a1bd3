// Enter in every window: on a focused button it presses that button, never the default one.

#include "AboutForm.h"
#include "AppFixture.h"
#include "LogForm.h"
#include "PrintSetForm.h"
#include "UpPassForm.h"
#include "UserGLForm.h"
#include "ZL_QYXXForm.h"

#include <QPushButton>
#include <QSignalSpy>
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
};

QL_APP_TEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
