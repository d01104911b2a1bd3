#pragma once

// A small file system of its own, filled up but for a few blocks, for tests of files written on a
// full disk: a tmpfs mounted on a temporary folder (mounting needs root, as the tests run in CI).
// A test that cannot mount it fails with the reason (check ready()).

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

class FullDisk {
public:
    // freeBytes is left free after the filler (rounded down to the file system's pages).
    explicit FullDisk(qint64 freeBytes = 4096)
    {
        QProcess mount;
        mount.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                              QStringLiteral("size=512k"), QStringLiteral("tmpfs"), m_dir.path()});
        if (!mount.waitForFinished() || mount.exitCode() != 0) {
            m_error = QStringLiteral("cannot mount a small tmpfs (the test needs root): ")
                + QString::fromLocal8Bit(mount.readAllStandardError()) + mount.errorString();
            return;
        }
        m_mounted = true;
        // Fill it up, then give back what is to stay free.
        QFile filler(filePath(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            m_error = filler.errorString();
            return;
        }
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        filler.resize(qMax<qint64>(0, filler.size() - freeBytes));
    }
    ~FullDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    // Empty when the full disk is ready, else why not.
    const QString& error() const { return m_error; }
    bool ready() const { return m_mounted && m_error.isEmpty(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    // The files on it, but for the filler.
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_error;
};
