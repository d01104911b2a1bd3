#include "PinyinInitials.h"

#include <QTest>

class TestPinyin : public QObject {
    Q_OBJECT
private slots:
    void initials_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("initials");
        QTest::newRow("goods") << "空调" << "kt";
        QTest::newRow("brand") << "长弘彩电" << "chcd";
        QTest::newRow("place") << "重庆厦门" << "cqxm";
        QTest::newRow("person") << "张婷" << "zt";
        QTest::newRow("less common characters") << "王昊璐鑫" << "whlx";
        QTest::newRow("mixed") << "海安KFR-35GW/变频" << "hakfr-35gw/bp";
        QTest::newRow("quotes and wildcards") << "李'%_" << "l'%_";
        QTest::newRow("full-width and marks") << "（美悦）" << "（my）";
        QTest::newRow("empty") << "" << "";
    }
    void initials()
    {
        QFETCH(QString, text);
        QFETCH(QString, initials);
        QCOMPARE(PinyinInitials(text), initials);
    }
};

QTEST_APPLESS_MAIN(TestPinyin)
#include "test_pinyin.moc"
