// The prompt service on screen: the boxes as the operator sees them.
#include "Prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestPrompts : public QObject {
    Q_OBJECT
private slots:
    // The question before data go: captioned "提示" with a warning icon; Enter alone answers
    // 取消, only a deliberate 确定 goes on.
    void warningQuestion_data()
    {
        QTest::addColumn<bool>("enter");
        QTest::newRow("Enter") << true;
        QTest::newRow("确定 clicked") << false;
    }
    void warningQuestion()
    {
        QFETCH(bool, enter);
        BoxPrompts prompts;
        QString caption, text, defaultButton;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            if (enter)
                QTest::keyClick(box, Qt::Key_Return);
            else
                box->button(QMessageBox::Ok)->click();
        });
        const bool answer = prompts.warningQuestion(nullptr, QStringLiteral("确定要删除品牌\"海安\"吗?"));
        QCOMPARE(caption, QStringLiteral("提示"));
        QCOMPARE(text, QStringLiteral("确定要删除品牌\"海安\"吗?"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(defaultButton, QStringLiteral("取消"));
        QCOMPARE(answer, !enter);
    }
};

QTEST_MAIN(TestPrompts)
#include "test_prompts.moc"
