#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>
#include <sys/resource.h>
#include <csignal>
#include <sched.h>

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

// A folder whose disk is full. "limit": every write of this process past the first bytes of a
// file fails (a file size limit, as a full disk fails the flush). "tmpfs": a tiny file system of
// its own, filled to the last byte (needs the right to mount; skipped otherwise).
class FullDisk {
public:
    explicit FullDisk(const QString& kind, const QString& dir) : m_kind(kind), m_dir(dir) {}
    ~FullDisk()
    {
        if (m_limited)
            setrlimit(RLIMIT_FSIZE, &m_old);
        if (m_mounted)
            umount2(qPrintable(m_dir), MNT_DETACH);
    }
    // Puts the file on the disk and makes the disk full; false (with the reason) when this kind
    // cannot be made here.
    bool fill(const QString& file, const QByteArray& bytes, QString* why)
    {
        if (m_kind == u"limit") {
            WriteFile(file, bytes);
            std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &m_old);
            rlimit small = m_old;
            small.rlim_cur = 16;
            m_limited = setrlimit(RLIMIT_FSIZE, &small) == 0;
            return m_limited;
        }
        if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || mount("tmpfs", qPrintable(m_dir), "tmpfs", 0, "size=16k") != 0) {
            *why = QStringLiteral("no right to mount a file system here");
            return false;
        }
        m_mounted = true;
        WriteFile(file, bytes);
        QFile filler(m_dir + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {}
        while (filler.write("x", 1) == 1) {}
        return true;
    }

private:
    QString m_kind;
    QString m_dir;
    rlimit m_old{};
    bool m_limited = false;
    bool m_mounted = false;
};

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

    // Where the data lives: the file unless [Database] names a server; a password or an unknown
    // engine in the file is refused. A server's URI reads back as the same target.
    void databaseTarget_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("uri");  // empty: the file; "refused": DbError
        QTest::newRow("no section") << QByteArray("[Other]\nbrief_help=0\n") << QString();
        QTest::newRow("sqlite") << QByteArray("[database]\nengine=SQLite\n") << QString();
        QTest::newRow("server") << QByteArray("[Database]\nEngine=postgresql\nHost=192.168.1.10\nPort=5433\nName=shop\nUser=qinglan\n")
                                << QStringLiteral("postgresql://qinglan@192.168.1.10:5433/shop");
        QTest::newRow("socket") << QByteArray("[Database]\nEngine=postgresql\nHost=/run/postgresql\nName=shop\n")
                                << QStringLiteral("postgresql:///shop?host=/run/postgresql");
        QTest::newRow("service") << QByteArray("[Database]\nEngine=postgresql\nService=shop\n") << QStringLiteral("shop");
        QTest::newRow("password") << QByteArray("[Database]\nEngine=postgresql\nName=shop\nPassword=x\n") << QStringLiteral("refused");
        QTest::newRow("unknown engine") << QByteArray("[Database]\nEngine=mysql\n") << QStringLiteral("refused");
    }
    void databaseTarget()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, uri);
        QTemporaryDir dir;
        WriteFile(dir.filePath(QStringLiteral("Set.ini")), ini);
        const QString file = dir.filePath(QStringLiteral("Data/db.data"));
        if (uri == u"refused") {
            QVERIFY_THROWS_EXCEPTION(DbError, ReadDatabaseTarget(dir.path(), file));
            return;
        }
        const DatabaseTarget t = ReadDatabaseTarget(dir.path(), file);
        if (uri.isEmpty()) {
            QCOMPARE(int(t.engine), int(Engine::Sqlite));
            QCOMPARE(t.path, file);
            return;
        }
        QCOMPARE(int(t.engine), int(Engine::Postgres));
        QCOMPARE(t.uri(), uri);
        const DatabaseTarget back = DatabaseTarget::server(uri);
        QCOMPARE(back.host, t.host);
        QCOMPARE(back.port, t.port);
        QCOMPARE(back.name, t.name);
        QCOMPARE(back.user, t.user);
        QCOMPARE(back.service, t.service);
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

    // A full disk: the write is reported as failed and the old file stays whole, for the
    // enterprise information and for the brief-help switch alike.
    void fullDiskKeepsOldFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("write limit") << "limit";
        QTest::newRow("full tmpfs") << "tmpfs";
    }
    void fullDiskKeepsOldFile()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        FullDisk disk(kind, dir.path());
        const QString programDir = dir.path() + u'/';
        const QByteArray old = "[Basic]\nGSName=Old Shop\n[PrintSet]\nXSDPaperSize=11\n";
        QString why;
        if (!disk.fill(dir.filePath(QStringLiteral("Set.ini")), old, &why))
            QSKIP(qPrintable(why));
        TGsInfo info;
        info.GSName = QStringLiteral("晴岚电器商行");
        info.GSAddress = QString(400, u'路');
        QVERIFY(!WriteGsInfo(programDir, info));
        QVERIFY(!WriteBriefHelp(programDir, 0));
        QCOMPARE(ReadFile(dir.filePath(QStringLiteral("Set.ini"))), old);
        QStringList left = QDir(dir.path()).entryList(QDir::Files);
        left.removeAll(QStringLiteral("filler"));
        QCOMPARE(left, QStringList{QStringLiteral("Set.ini")});  // no unfinished file left behind
    }

    // A file in the Chinese code page is read as such even when its bytes also form valid
    // UTF-8; a byte-order mark or bytes only UTF-8 explains mean UTF-8. Written files carry the
    // mark, so they read back the same.
    void detectsEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QStringEncoder gbk("GBK");
        QTest::newRow("gbk that is valid utf-8") << QByteArray(gbk(QStringLiteral("[Basic]\nGSName=卢木\n")))
                                                 << QStringLiteral("[Basic]\nGSName=卢木\n");
        QTest::newRow("gbk") << QByteArray(gbk(QStringLiteral("GSName=晴岚电器商行")))
                             << QStringLiteral("GSName=晴岚电器商行");
        QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBFGSName=\xE5\xAE\x8F\xE8\xBE\xBE")
                                         << QStringLiteral("GSName=宏达");
        QTest::newRow("utf-8 only utf-8 explains") << QStringLiteral("GSName=晴岚电").toUtf8()
                                                   << QStringLiteral("GSName=晴岚电");
        QTest::newRow("utf-8 that is valid gbk") << QStringLiteral("GSName=晴岚电器").toUtf8()
                                                 << QStringLiteral("GSName=晴岚电器");
        QTest::newRow("ascii") << QByteArray("GSName=Shop") << QStringLiteral("GSName=Shop");
    }
    void detectsEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(DecodeSettingsText(bytes), text);
    }

    void writtenFileReadsBack()
    {
        QTemporaryDir dir;
        const QString programDir = dir.path() + u'/';
        TGsInfo info;
        info.GSName = QStringLiteral("宏达");
        QVERIFY(WriteGsInfo(programDir, info));
        QVERIFY(ReadFile(dir.filePath(QStringLiteral("Set.ini"))).startsWith("\xEF\xBB\xBF"));
        QCOMPARE(ReadSettings(programDir).GsInfo.GSName, QStringLiteral("宏达"));
    }

    // A pasted line break never reaches the file: it becomes a space, every other key keeps
    // its value, and the values read back equal the ones kept in memory.
    void lineBreaksBecomeSpaces()
    {
        QTemporaryDir dir;
        const QString programDir = dir.path() + u'/';
        TXSDPrintSet p;
        p.PaperSize = 11;
        QVERIFY(WriteXSDPrintSet(programDir, p));
        TGsInfo info;
        info.GSName = QStringLiteral("晴岚\r\n[PrintSet]\nXSDPaperSize=9");
        info.GSAddress = QStringLiteral("幸福路\r18号\n二楼");
        const TGsInfo stored = StoredGsInfo(info);
        QCOMPARE(stored.GSName, QStringLiteral("晴岚 [PrintSet] XSDPaperSize=9"));
        QCOMPARE(stored.GSAddress, QStringLiteral("幸福路 18号 二楼"));
        QVERIFY(WriteGsInfo(programDir, info));
        const Settings s = ReadSettings(programDir);
        QCOMPARE(s.GsInfo.GSName, stored.GSName);
        QCOMPARE(s.GsInfo.GSAddress, stored.GSAddress);
        QCOMPARE(int(s.XSDPrintSet.PaperSize), 11);
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
