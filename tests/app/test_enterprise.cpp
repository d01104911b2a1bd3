// The enterprise information window and its round trip through Set.ini.

#include "AppFixture.h"
#include "Settings.h"
#include "ZL_QYXXForm.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

class TestEnterprise : public QObject {
    Q_OBJECT
private slots:
    void roundTrip()
    {
        AppFixture f;
        {
            TZL_QYXXForm form(f.ctx());
            form.show();
            form.nameEdit->setText(QStringLiteral("晴岚家电城"));
            form.phoneEdit->setText(QStringLiteral("0571-1234567 13800000000"));
            form.faxEdit->setText(QStringLiteral("0571-7654321"));
            form.postcodeEdit->setText(QStringLiteral("310000"));
            form.addressEdit->setText(QStringLiteral("杭州市西湖路1号"));
            form.bankEdit->setText(QStringLiteral("工商银行西湖支行"));
            form.accountEdit->setText(QStringLiteral("6222 0000 1111"));
            form.taxNumberEdit->setText(QStringLiteral("91330100XXXX"));
            form.introMemo->setPlainText(QStringLiteral("专营大小家电，\n送货上门，\r\n三包服务。"));
            QTest::mouseClick(form.saveButton, Qt::LeftButton);
            QCOMPARE(f.prompts.texts(), QStringList{QStringLiteral("保存成功！")});
            QVERIFY(!form.isVisible());
        }
        const QString oneLine = QStringLiteral("专营大小家电，送货上门，三包服务。");
        QCOMPARE(f.ctx().GsInfo.GSJianJie, oneLine);  // at once, without a restart
        QCOMPARE(f.ctx().GsInfo.GSYouBian, QStringLiteral("310000"));

        // the file holds the keys in section "Basic"
        const IniFile ini(SettingsPath(f.programDir()));
        QCOMPARE(ini.readString(QStringLiteral("Basic"), QStringLiteral("GSName")), QStringLiteral("晴岚家电城"));
        QCOMPARE(ini.readString(QStringLiteral("Basic"), QStringLiteral("GSJianJie")), oneLine);

        const TGsInfo& g = f.restart().GsInfo;
        QCOMPARE(g.GSName, QStringLiteral("晴岚家电城"));
        QCOMPARE(g.GSPhone, QStringLiteral("0571-1234567 13800000000"));
        QCOMPARE(g.GSFax, QStringLiteral("0571-7654321"));
        QCOMPARE(g.GSYouBian, QStringLiteral("310000"));
        QCOMPARE(g.GSAddress, QStringLiteral("杭州市西湖路1号"));
        QCOMPARE(g.GSKaiHuHan, QStringLiteral("工商银行西湖支行"));
        QCOMPARE(g.GSZhanHao, QStringLiteral("6222 0000 1111"));
        QCOMPARE(g.GSShuiHao, QStringLiteral("91330100XXXX"));
        QCOMPARE(g.GSJianJie, oneLine);

        TZL_QYXXForm again(f.ctx());
        QCOMPARE(again.postcodeEdit->text(), QStringLiteral("310000"));
        QCOMPARE(again.introMemo->toPlainText(), oneLine);
    }

    void emptyFieldsWriteEveryKey()
    {
        AppFixture f;
        TZL_QYXXForm form(f.ctx());
        QTest::mouseClick(form.saveButton, Qt::LeftButton);
        QFile file(SettingsPath(f.programDir()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const char* key : {"GSName", "GSAddress", "GSPhone", "GSFax", "GSYouBian", "GSKaiHuHan", "GSZhanHao",
                                "GSShuiHao", "GSJianJie"})
            QVERIFY2(text.contains(QLatin1String(key) + QLatin1String(" =")) || text.contains(QLatin1String(key) + u'='),
                     key);
    }

    // Typing stops at each field's limit; at the memo's limit one more character is refused
    // and the text stays as it was (nothing is dropped from its end).
    void fieldLengths()
    {
        AppFixture f;
        TZL_QYXXForm form(f.ctx());
        form.show();
        const QList<std::pair<QLineEdit*, int>> lengths{{form.nameEdit, 100}, {form.phoneEdit, 35}, {form.faxEdit, 20},
                                                        {form.postcodeEdit, 20},  {form.addressEdit, 100}, {form.bankEdit, 50},
                                                        {form.accountEdit, 50},  {form.taxNumberEdit, 50}};
        for (const auto& [edit, length] : lengths) {
            QTest::keyClicks(edit, QString(length + 3, u'8'));
            QCOMPARE(edit->text().size(), length);
        }
        const QString full = QStringLiteral("末") + QString(JianJieMaxLength - 2, u'字') + QStringLiteral("尾");
        form.introMemo->setPlainText(full);
        form.introMemo->setFocus();
        QTextCursor c = form.introMemo->textCursor();
        c.setPosition(1);
        form.introMemo->setTextCursor(c);
        QTest::keyClick(form.introMemo, 'x');
        QCOMPARE(form.introMemo->toPlainText(), full);
        QCOMPARE(form.introMemo->textCursor().position(), 1);
        QTest::keyClick(form.introMemo, Qt::Key_Delete);
        QTest::keyClick(form.introMemo, 'x');
        QCOMPARE(form.introMemo->toPlainText(), QStringLiteral("末x") + QString(JianJieMaxLength - 3, u'字') + QStringLiteral("尾"));
    }

    // A paste longer than a field's limit keeps what fits, in the boxes and in the memo.
    void pasteKeepsWhatFits()
    {
        AppFixture f;
        TZL_QYXXForm form(f.ctx());
        form.show();
        const QString name = QString(60, u'晴') + QString(60, u'岚');
        QApplication::clipboard()->setText(name);
        form.nameEdit->setFocus();
        form.nameEdit->paste();
        QCOMPARE(form.nameEdit->text(), name.left(100));

        form.introMemo->setPlainText(QStringLiteral("简介"));
        QTextCursor c = form.introMemo->textCursor();
        c.setPosition(1);
        form.introMemo->setTextCursor(c);
        QApplication::clipboard()->setText(QString(JianJieMaxLength, u'字'));
        form.introMemo->paste();
        QCOMPARE(form.introMemo->toPlainText(),
                 QStringLiteral("简") + QString(JianJieMaxLength - 2, u'字') + QStringLiteral("介"));
        QCOMPARE(form.introMemo->textCursor().position(), JianJieMaxLength - 1);
    }

    // Stored values longer than the limits are shown whole and saved whole.
    void longStoredValuesKeptWhole()
    {
        AppFixture f;
        f.ctx().GsInfo.GSName = QString(150, u'名');
        f.ctx().GsInfo.GSJianJie = QString(400, u'介');
        TZL_QYXXForm form(f.ctx());
        QCOMPARE(form.nameEdit->text(), f.ctx().GsInfo.GSName);
        QCOMPARE(form.introMemo->toPlainText(), f.ctx().GsInfo.GSJianJie);
        QTest::mouseClick(form.saveButton, Qt::LeftButton);
        const Settings s = ReadSettings(f.programDir());
        QCOMPARE(s.GsInfo.GSName, QString(150, u'名'));
        QCOMPARE(s.GsInfo.GSJianJie, QString(400, u'介'));
    }

    // Tab in the introduction moves the focus on; no tab character reaches the text.
    void tabLeavesTheMemo()
    {
        AppFixture f;
        TZL_QYXXForm form(f.ctx());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.introMemo->setFocus();
        QTest::keyClicks(form.introMemo, QStringLiteral("ab"));
        QTest::keyClick(form.introMemo, Qt::Key_Tab);
        QCOMPARE(form.introMemo->toPlainText(), QStringLiteral("ab"));
        QVERIFY(!form.introMemo->hasFocus());
    }

    // A pasted line break becomes a space, in the file and in memory alike.
    void pastedLineBreaks()
    {
        AppFixture f;
        TZL_QYXXForm form(f.ctx());
        form.nameEdit->setText(QStringLiteral("晴岚\n[PrintSet]"));
        QTest::mouseClick(form.saveButton, Qt::LeftButton);
        QCOMPARE(f.ctx().GsInfo.GSName, QStringLiteral("晴岚 [PrintSet]"));
        QCOMPARE(f.restart().GsInfo.GSName, QStringLiteral("晴岚 [PrintSet]"));
    }

    void failedWriteKeepsGsInfo()
    {
        AppFixture f;
        // A folder where the file should be (the server's run has its [Database] there, read already).
        QFile::remove(SettingsPath(f.programDir()));
        QVERIFY(QDir().mkpath(SettingsPath(f.programDir())));
        f.ctx().GsInfo.GSName = QStringLiteral("旧名称");
        TZL_QYXXForm form(f.ctx());
        form.nameEdit->setText(QStringLiteral("新名称"));
        QTest::mouseClick(form.saveButton, Qt::LeftButton);
        QCOMPARE(f.prompts.texts(), QStringList{QStringLiteral("保存失败!")});
        QCOMPARE(f.ctx().GsInfo.GSName, QStringLiteral("旧名称"));
        QVERIFY(!form.isVisible());
    }

    void cancelWritesNothing()
    {
        AppFixture f;
        // No Set.ini on the file; on the server the one naming its database, as it was.
        const auto settings = [&f] {
            QFile file(SettingsPath(f.programDir()));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("none");
        };
        const QByteArray before = settings();
        QCOMPARE(before == "none", !f.server);
        TZL_QYXXForm form(f.ctx());
        form.nameEdit->setText(QStringLiteral("x"));
        QTest::mouseClick(form.cancelButton, Qt::LeftButton);
        QCOMPARE(settings(), before);
        QVERIFY(f.ctx().GsInfo.GSName.isEmpty());
    }
};

QL_APP_TEST_MAIN(TestEnterprise)
#include "test_enterprise.moc"
