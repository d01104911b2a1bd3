// The program started by a script on a machine without a display: every unattended option runs
// with neither DISPLAY nor QT_QPA_PLATFORM set, in a program folder of its own, and says how it
// went through its exit code.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// A copy of the program in a folder of its own: its program folder is that folder.
struct Program {
    QTemporaryDir dir;
    QString exe;

    Program()
    {
        exe = dir.filePath(QStringLiteral("qinglan"));
        // A hard link (or a copy): a symbolic link would be followed back to the build folder.
        if (::link(QINGLAN_EXE, QFile::encodeName(exe).constData()) != 0
            && !QFile::copy(QStringLiteral(QINGLAN_EXE), exe))
            qFatal("cannot copy the program");
    }

    struct Result {
        int code = -1;
        QString out;
        QString err;
    };

    Result run(const QStringList& arguments) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("share")));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(exe, arguments);
        if (!p.waitForFinished(60000))
            p.kill();
        Result r;
        r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
};

// A folder made read-only for real for as long as it lives: by its permissions, or, for a user
// whose rights pass over permissions (root), as an immutable folder. ok is false when neither
// works here.
struct ReadOnlyFolder {
    QString path;
    bool immutable = false;
    bool ok = false;

    explicit ReadOnlyFolder(const QString& folder) : path(folder)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
        ok = !writable();
        if (!ok) {
            immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0;
            ok = immutable && !writable();
        }
    }
    ~ReadOnlyFolder()
    {
        if (immutable)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool writable() const
    {
        QFile probe(QDir(path).filePath(QStringLiteral("probe")));
        const bool opened = probe.open(QIODevice::WriteOnly);
        if (opened)
            probe.remove();
        return opened;
    }
};

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestHeadless : public QObject {
    Q_OBJECT
private slots:
    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--close-month";
        QTest::newRow("check") << QStringList{"--check"} << 0 << "未发现问题";
        QTest::newRow("backup") << QStringList{"--backup", "@/nightly.data"} << 0 << "备份完成";
        QTest::newRow("close a month") << QStringList{"--close-month", "2024-05"} << 0 << "结存";
        QTest::newRow("export a pdf") << QStringList{"--export", "stock", "--out", "@/stock.pdf"} << 0 << "报表已输出";
        QTest::newRow("restore a foreign file") << QStringList{"--restore", "@/qinglan"} << 1 << "不是本系统";
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << "选项有误";
        QTest::newRow("windows without a display") << QStringList{} << 1 << "--help";
    }
    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, says);
        Program program;
        for (QString& a : arguments)
            a.replace(QLatin1Char('@'), program.dir.path());
        const Program::Result r = program.run(arguments);
        QCOMPARE(r.code, code);
        QVERIFY2((code == 0 ? r.out : r.err).contains(says), qPrintable(r.out + r.err));
    }

    // A program folder that cannot be written: with the shop's database in it, the program says so
    // and leaves the file as it is (it never starts another database elsewhere); without one, the
    // program keeps its data in the per-user folder.
    void readOnlyProgramFolder()
    {
        Program program;
        const QString data = program.dir.filePath(QStringLiteral("Data"));
        QCOMPARE(program.run({"--check"}).code, 0);
        const QByteArray before = FileBytes(data + QStringLiteral("/db.data"));
        {
            ReadOnlyFolder folder(program.dir.path());
            ReadOnlyFolder dataFolder(data);
            if (!folder.ok || !dataFolder.ok)
                QSKIP("no way to make a folder read-only here");
            const Program::Result r = program.run({"--check"});
            QCOMPARE(r.code, 1);
            QVERIFY2(r.err.contains(QStringLiteral("只读")), qPrintable(r.err));
            QVERIFY(!QFileInfo::exists(program.dir.filePath(QStringLiteral("share"))));
        }
        QCOMPARE(FileBytes(data + QStringLiteral("/db.data")), before);

        Program fresh;
        QDir(fresh.dir.path()).mkpath(QStringLiteral("share"));
        ReadOnlyFolder folder(fresh.dir.path());
        const Program::Result r = fresh.run({"--check"});
        QCOMPARE(r.code, 0);
        QVERIFY(!QFileInfo::exists(fresh.dir.filePath(QStringLiteral("Data"))));
        QDirIterator found(fresh.dir.filePath(QStringLiteral("share")), {QStringLiteral("db.data")}, QDir::Files,
                           QDirIterator::Subdirectories);
        QVERIFY(found.hasNext());
    }

    // A backup made without a display is a database the program restores.
    void backupThenRestore()
    {
        Program program;
        const QString backup = program.dir.filePath(QStringLiteral("nightly.data"));
        QCOMPARE(program.run({"--backup", backup}).code, 0);
        const Program::Result r = program.run({"--restore", backup});
        QCOMPARE(r.code, 0);
        QVERIFY(QFile::exists(program.dir.filePath(QStringLiteral("Data/db.data.before-restore"))));
    }
};

QTEST_GUILESS_MAIN(TestHeadless)
#include "test_headless.moc"
