// Files written beside their name and put in place when complete: a finished file replaces the
// old one; a write that fails on a really full disk leaves the old file as it was and nothing
// else, and says why in Chinese. The sheet files (CSV and workbook) are written this way.
#include "FullDisk.h"
#include "SafeFile.h"
#include "TableFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A table of many rows: far more than the few pages left on the full disk.
ExportTable ManyRows()
{
    ExportTable t;
    t.header = {QStringLiteral("单号"), QStringLiteral("客户"), QStringLiteral("金额")};
    t.formats = {GridFormat::Text, GridFormat::Text, GridFormat::Money};
    for (int i = 0; i < 3000; ++i)
        t.rows.append({QStringLiteral("xs%1").arg(i, 9, 10, QLatin1Char('0')),
                       QStringLiteral("客户%1号").arg(i * 7919 % 10007), QString::number(i * 13.75)});
    return t;
}

}  // namespace

class TestSafeFile : public QObject {
    Q_OBJECT
private slots:
    void replacesTheFileWhenComplete()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("报表.csv"));
        Write(path, "old");
        SafeFile file(path);
        QVERIFY(file.open());
        QVERIFY(file.temporaryPath().startsWith(path + QStringLiteral(".tmp")));
        QCOMPARE(file.write("new text"), 8);
        QCOMPARE(Read(path), QByteArray("old"));  // nothing shows under the name before it is complete
        QVERIFY2(file.commit(), qPrintable(file.errorText()));
        QCOMPARE(Read(path), QByteArray("new text"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("报表.csv")});
    }

    // A writer that takes a path reports its own failure: nothing is put in place.
    void aFailedWriterLeavesNoFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("copy.data"));
        {
            SafeFile file(path);
            QVERIFY(file.open());
            Write(file.temporaryPath(), "half a copy");
            file.fail(QStringLiteral("备份中断"));
            QVERIFY(!file.commit());
            QCOMPARE(file.errorText(), QStringLiteral("无法写入文件 %1：备份中断").arg(QDir::toNativeSeparators(path)));
        }
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }

    void aFolderThatIsMissingIsTold()
    {
        QTemporaryDir dir;
        SafeFile file(dir.filePath(QStringLiteral("no/such/folder/x.pdf")));
        QVERIFY(!file.open());
        QVERIFY(!file.commit());
        QVERIFY2(file.errorText().endsWith(QStringLiteral("：文件夹不存在")), qPrintable(file.errorText()));
    }

    // The disk fills while the file is written: the old file stays, no other file is left.
    void aFullDiskKeepsTheOldFile()
    {
        FullDisk disk;
        QVERIFY2(disk.ready(), qPrintable(disk.error()));
        const QString path = disk.filePath(QStringLiteral("stock.pdf"));
        Write(path, "old");  // in the page left free
        SafeFile file(path);
        QVERIFY(file.open());
        const QByteArray chunk(100 * 1024, 'p');
        for (int i = 0; i < 10; ++i)
            file.write(chunk);
        QVERIFY(!file.commit());
        QVERIFY2(file.errorText().endsWith(QStringLiteral("：磁盘空间不足")), qPrintable(file.errorText()));
        QCOMPARE(Read(path), QByteArray("old"));
        QCOMPARE(disk.files(), QStringList{QStringLiteral("stock.pdf")});
    }

    void sheetFilesOnAFullDisk_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("workbook") << "rows.xlsx";
        QTest::newRow("csv") << "rows.csv";
    }
    void sheetFilesOnAFullDisk()
    {
        QFETCH(QString, name);
        FullDisk disk;
        QVERIFY2(disk.ready(), qPrintable(disk.error()));
        QString error;
        QVERIFY(!WriteTableFile(ManyRows(), disk.filePath(name), &error));
        QVERIFY2(error.endsWith(QStringLiteral("：磁盘空间不足")), qPrintable(error));
        QCOMPARE(disk.files(), QStringList());
    }

    // The same rows on a disk with room, read back as written.
    void sheetFilesHoldEveryRow_data() { sheetFilesOnAFullDisk_data(); }
    void sheetFilesHoldEveryRow()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const ExportTable t = ManyRows();
        const QString path = dir.filePath(name);
        QString error;
        QVERIFY2(WriteTableFile(t, path, &error), qPrintable(error));
        const QVector<QStringList> cells = ReadTableFile(path);
        QCOMPARE(cells.size(), t.rows.size() + 1);
        QCOMPARE(cells.first(), t.header);
        QCOMPARE(cells.last(), t.rows.last());
        QCOMPARE(cells[1234], t.rows[1233]);
    }
};

QTEST_MAIN(TestSafeFile)
#include "test_safefile.moc"
