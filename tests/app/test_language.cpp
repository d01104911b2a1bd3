// The program speaks Chinese under any system locale: its locale, Qt's own texts and file dialogs.

#include "Application.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLocale>
#include <QTest>

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void chineseUnderAnEnglishSystem()
    {
        QCOMPARE(QLocale::system().language(), QLocale::English);  // as main() set it up
        QCOMPARE(QLocale().language(), QLocale::Chinese);
        QDateEdit edit;
        edit.setCalendarPopup(true);
        QCOMPARE(edit.calendarWidget()->locale().dayName(1, QLocale::ShortFormat), QStringLiteral("周一"));
        QCOMPARE(edit.calendarWidget()->locale().monthName(3), QStringLiteral("三月"));
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs));
        const QString fileName = QCoreApplication::translate("QFileDialog", "File &name:");
        QVERIFY2(fileName != QStringLiteral("File &name:"), qPrintable(fileName));
    }
};

int main(int argc, char* argv[])
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
        qputenv(name, "en_US.UTF-8");
    QingLanApplication app(argc, argv);
    TestLanguage test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_language.moc"
