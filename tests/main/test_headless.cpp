// The program started by a script on a machine without a display: every unattended option runs
// with neither DISPLAY nor QT_QPA_PLATFORM set, in a program folder of its own, and says how it
// went through its exit code.

#include <QDir>
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
