// Every seed and every kept input of the fuzzers goes through its fuzzer's check in the normal test
// run, so a fault a fuzzer once found stays mended.

#include "fuzz/FuzzChecks.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>

class TestFuzzInputs : public QObject {
    Q_OBJECT

private slots:
    void input_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("path");
        const QString root = QStringLiteral(QL_FUZZ_DIR);
        for (const char* kind : {"corpus", "regressions"}) {
            QDirIterator it(root + u'/' + QLatin1String(kind), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                const QString check = QFileInfo(path).dir().dirName();
                QTest::newRow(qPrintable(QDir(root).relativeFilePath(path))) << check << path;
            }
        }
    }

    void input()
    {
        QFETCH(QString, check);
        QFETCH(QString, path);
        const FuzzCheck run = FuzzCheckNamed(check);
        QVERIFY2(run, qPrintable(check));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString problem = run(f.readAll());
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
};

QTEST_MAIN(TestFuzzInputs)
#include "test_fuzz_inputs.moc"
