#include "Settings.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void defaultsWithoutFile()
    {
        QTemporaryDir dir;
        const Settings s = ReadSettings(dir.path() + u'/');
        QCOMPARE(s.GsInfo.GSName, QString());
        QCOMPARE(s.GsInfo.GSJianJie, QString());
        QCOMPARE(int(s.XSDPrintSet.PaperSize), 9);
        QCOMPARE(s.XSDPrintSet.Width, 210);
        QCOMPARE(s.XSDPrintSet.Length, 297);
        QCOMPARE(int(s.XSDPrintSet.Orientation), 0);
        QCOMPARE(s.XSDPrintSet.TopMargin, 10);
        QCOMPARE(s.XSDPrintSet.BottomMargin, 10);
        QCOMPARE(s.XSDPrintSet.LeftMargin, 10);
        QCOMPARE(s.XSDPrintSet.RightMargin, 10);
        QCOMPARE(int(s.BriefHelp), 1);
    }

    // Section and key names in any letter case; byte-sized keys keep the low eight bits; a value
    // that is not a number gives the default.
    void readsLegacyFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("briefHelp");
        QTest::newRow("gbk, mixed case") << QByteArray() << "晴岚电器商行" << 27 << 180 << 0;
        QTest::newRow("utf-8, capitals")
            << QByteArray("[BASIC]\nGSNAME=晴岚电器商行\n[printset]\nxsdpapersize=27\nXSDWIDTH=180\n[OTHER]\nBRIEF_HELP=256\n")
            << "晴岚电器商行" << 27 << 180 << 0;
        QTest::newRow("paper -1 means A4")
            << QByteArray("[PrintSet]\nXSDPaperSize=-1\nXSDWidth=abc\n") << "" << 9 << 210 << 1;
        QTest::newRow("paper not a number means A4")
            << QByteArray("[PrintSet]\nXSDPaperSize=A4\n[Other]\nbrief_help=0\n") << "" << 9 << 210 << 0;
    }
    void readsLegacyFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QFETCH(int, paper);
        QFETCH(int, width);
        QFETCH(int, briefHelp);
        if (content.isEmpty()) {
            QStringEncoder gbk("GBK");
            content = gbk(QStringLiteral("[Basic]\r\nGSName=晴岚电器商行\r\nGSAddress=城东区幸福路18号\r\n"
                                         "[PrintSet]\r\nXSDPaperSize=27\r\nXSDWidth=180\r\n[Other]\r\nbrief_help=0\r\n"));
        }
        QTemporaryDir dir;
        WriteFile(dir.filePath(QStringLiteral("set.INI")), content);
        const Settings s = ReadSettings(dir.path() + u'/');
        QCOMPARE(s.GsInfo.GSName, name);
        QCOMPARE(int(s.XSDPrintSet.PaperSize), paper);
        QCOMPARE(s.XSDPrintSet.Width, width);
        QCOMPARE(int(s.BriefHelp), briefHelp);
    }

    // Writing keeps every other section, key and comment, and the values read back.
    void writeKeepsTheRest()
    {
        QTemporaryDir dir;
        const QString programDir = dir.path() + u'/';
        WriteFile(dir.filePath(QStringLiteral("Set.ini")),
                  "; shop settings\n[basic]\ngsname=Old\nCustomKey=keep me\n[Printer]\nName=Office\n");
        TGsInfo info;
        info.GSName = QStringLiteral("晴岚电器商行");
        info.GSYouBian = QStringLiteral("250014");
        QVERIFY(WriteGsInfo(programDir, info));
        TXSDPrintSet p;
        p.PaperSize = 27;
        p.Width = 241;
        p.Length = 140;
        p.Orientation = 1;
        QVERIFY(WriteXSDPrintSet(programDir, p));
        QVERIFY(WriteBriefHelp(programDir, 0));

        const Settings s = ReadSettings(programDir);
        QCOMPARE(s.GsInfo.GSName, info.GSName);
        QCOMPARE(s.GsInfo.GSYouBian, QStringLiteral("250014"));
        QCOMPARE(int(s.XSDPrintSet.PaperSize), 27);
        QCOMPARE(s.XSDPrintSet.Width, 241);
        QCOMPARE(s.XSDPrintSet.Length, 140);
        QCOMPARE(int(s.XSDPrintSet.Orientation), 1);
        QCOMPARE(int(s.BriefHelp), 0);

        const QString text = QString::fromUtf8(ReadFile(dir.filePath(QStringLiteral("Set.ini"))));
        QVERIFY(text.contains(QStringLiteral("; shop settings")));
        QVERIFY(text.contains(QStringLiteral("CustomKey = keep me")) || text.contains(QStringLiteral("CustomKey=keep me")));
        QVERIFY(text.contains(QStringLiteral("[Printer]")));
        QCOMPARE(text.count(QStringLiteral("[basic]"), Qt::CaseInsensitive), 1);
        QVERIFY(!text.contains(QStringLiteral("Old")));
    }

    void writeCreatesFile()
    {
        QTemporaryDir dir;
        QVERIFY(WriteBriefHelp(dir.path() + u'/', 0));
        QCOMPARE(int(ReadSettings(dir.path() + u'/').BriefHelp), 0);
    }

    void writeFailsOnReadOnlyFolder()
    {
        QTemporaryDir dir;
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFile(dir.filePath(QStringLiteral("probe"))).open(QIODevice::WriteOnly))
            QSKIP("running with rights that ignore folder permissions");
        QVERIFY(!WriteBriefHelp(dir.path() + u'/', 0));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
