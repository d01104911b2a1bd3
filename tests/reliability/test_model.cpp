// The shop of random operations beside its model: after every operation the database agrees
// with the model to the cent, and a refused operation changes nothing; every tenth operation the
// check finds nothing.
// QL_MODEL_OPS sets the number of operations of each stream (bench/reliability runs long ones).

#include "ModelShop.h"
#include "TestDb.h"

#include <QTest>

class TestModel : public QObject {
    Q_OBJECT
private slots:
    void stream_data()
    {
        QTest::addColumn<quint32>("seed");
        const int ops = qEnvironmentVariableIntValue("QL_MODEL_OPS");
        const QStringList seeds = qEnvironmentVariable("QL_MODEL_SEEDS", QStringLiteral("1 2")).split(u' ', Qt::SkipEmptyParts);
        for (const QString& seed : seeds)
            QTest::addRow("seed %s, %d operations", qPrintable(seed), ops > 0 ? ops : 500) << seed.toUInt();
    }
    void stream()
    {
        QFETCH(quint32, seed);
        const int ops = qEnvironmentVariableIntValue("QL_MODEL_OPS") > 0 ? qEnvironmentVariableIntValue("QL_MODEL_OPS") : 500;
        TestDb t;
        if (t.db.engine() == Engine::Sqlite)
            t.db.exec("PRAGMA journal_mode=MEMORY");  // the crash test covers the journal
        ModelShop shop(seed);
        shop.open(&t.db);
        int refused = 0;
        for (int i = 0; i < ops; ++i) {
            const ModelShop::Step step = shop.next(&t.db);
            const QString where = QStringLiteral("operation %1: %2").arg(shop.done()).arg(step.what);
            QVERIFY2(step.mismatch.isEmpty(), qPrintable(where + ": " + step.mismatch));
            refused += step.refused;
            const QStringList diffs = shop.compare(t.db) + (i % 10 == 9 ? shop.checkDatabase(t.db) : QStringList());
            QVERIFY2(diffs.isEmpty(), qPrintable(where + u'\n' + diffs.join(u'\n')));
        }
        qInfo("seed %u: %d operations agree with the model, %d of them refused", seed, ops, refused);
    }
};

QTEST_GUILESS_MAIN(TestModel)
#include "test_model.moc"
