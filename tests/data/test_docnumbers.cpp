#include "DocNumbers.h"
#include "TestDb.h"

#include <QTest>

class TestDocNumbers : public QObject {
    Q_OBJECT
private slots:
    void next_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("expected");
        const QString xs = QStringLiteral("Log_XiaoShouDan");
        QTest::newRow("empty table") << xs << QStringList{} << "xs" << "xs240501001";
        QTest::newRow("after two") << xs << QStringList{"xs240501001", "xs240501002"} << "xs" << "xs240501003";
        QTest::newRow("other prefix ignored") << xs << QStringList{"xs240501001", "xt240501005"} << "xs" << "xs240501002";
        QTest::newRow("return sequence") << xs << QStringList{"xs240501007", "xt240501005"} << "xt" << "xt240501006";
        QTest::newRow("to two digits") << xs << QStringList{"xs240501009"} << "xs" << "xs240501010";
        QTest::newRow("to three digits") << xs << QStringList{"xs240501099"} << "xs" << "xs240501100";
        QTest::newRow("used up") << xs << QStringList{"xs240501999"} << "xs" << "";
        QTest::newRow("previous day ignored") << xs << QStringList{"xs240430005"} << "xs" << "xs240501001";
        QTest::newRow("previous year ignored") << xs << QStringList{"xs230501005"} << "xs" << "xs240501001";
        QTest::newRow("gaps not reused") << xs << QStringList{"xs240501001", "xs240501007"} << "xs" << "xs240501008";
        QTest::newRow("typed in capitals") << xs << QStringList{"XS240501004"} << "xs" << "xs240501005";
        QTest::newRow("purchase") << "Log_CaiGouDan" << QStringList{"cg240501003"} << "cg" << "cg240501004";
        QTest::newRow("purchase return") << "Log_CaiGouDan" << QStringList{"cg240501003"} << "ct" << "ct240501001";
        QTest::newRow("income and expense") << "Log_ShouZhi" << QStringList{"sz240501011"} << "sz" << "sz240501012";
    }
    void next()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, existing);
        QFETCH(QString, prefix);
        QFETCH(QString, expected);
        TestDb t;
        for (const QString& dh : existing)
            t.db.exec(QStringLiteral("insert into %1(dh) values(:dh)").arg(table), {{QStringLiteral(":dh"), dh}});
        const QDate day(2024, 5, 1);
        const QString result = table == QLatin1String("Log_XiaoShouDan") ? NextXiaoShouDH(t.db, prefix, day)
                             : table == QLatin1String("Log_CaiGouDan")   ? NextCaiGouDH(t.db, prefix, day)
                                                                         : NextShouZhiDH(t.db, prefix, day);
        QCOMPARE(result, expected);
    }

    // The three tables are counted separately.
    void tablesIndependent()
    {
        TestDb t;
        t.db.exec(QStringLiteral("insert into Log_XiaoShouDan(dh) values('xs240501004')"));
        QCOMPARE(NextCaiGouDH(t.db, QStringLiteral("xs"), QDate(2024, 5, 1)), QStringLiteral("xs240501001"));
    }

    // A number typed by hand whose sequence is not a number gives an error, not a proposal.
    void typedSequenceNotANumber()
    {
        TestDb t;
        t.db.exec(QStringLiteral("insert into Log_XiaoShouDan(dh) values('xs240501abc')"));
        QVERIFY_THROWS_EXCEPTION(DbError, NextXiaoShouDH(t.db, QStringLiteral("xs"), QDate(2024, 5, 1)));
    }
};

QTEST_GUILESS_MAIN(TestDocNumbers)
#include "test_docnumbers.moc"
