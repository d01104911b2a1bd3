#include "SafeFile.h"

#include <QDir>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace {

// Written to the disk in pieces of this size; smaller writes are gathered first.
constexpr qsizetype PieceSize = 256 * 1024;

QString RandomSuffix()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString s = QStringLiteral(".tmp");
    for (int i = 0; i < 4; ++i)
        s += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return s;
}

}  // namespace

QString FileErrorReason(int systemError, const QString& fallback)
{
    switch (systemError) {
    case ENOSPC:
    case EDQUOT: return QStringLiteral("磁盘空间不足");
    case EACCES:
    case EPERM: return QStringLiteral("没有写入权限");
    case EROFS: return QStringLiteral("磁盘或文件夹是只读的");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("文件夹不存在");
    case EISDIR: return QStringLiteral("同名的是一个文件夹");
    case ENAMETOOLONG: return QStringLiteral("文件名太长");
    case EFBIG: return QStringLiteral("文件太大");
    case EIO: return QStringLiteral("磁盘读写出错");
    default:
        return QStringLiteral("写入出错（%1）")
            .arg(fallback.isEmpty() ? QString::fromLocal8Bit(std::strerror(systemError)) : fallback);
    }
}

QString CannotWriteText(const QString& path, const QString& reason)
{
    return QStringLiteral("无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path), reason);
}

SafeFile::SafeFile(const QString& target) : m_target(target) {}

SafeFile::~SafeFile()
{
    discard();
}

bool SafeFile::open()
{
    return open(WriteOnly);
}

bool SafeFile::open(OpenMode)
{
    // A free name beside the target; NewOnly never takes over a file that exists.
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_file.setFileName(m_target + RandomSuffix());
        errno = 0;
        if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return QIODevice::open(WriteOnly | Unbuffered);
        if (errno != EEXIST)
            break;
    }
    failWith(errno);
    m_file.setFileName(QString());
    return false;
}

void SafeFile::fail(const QString& reason)
{
    if (m_reason.isEmpty())
        m_reason = reason.isEmpty() ? QStringLiteral("写入出错") : reason;
}

qint64 SafeFile::readData(char*, qint64)
{
    return -1;
}

qint64 SafeFile::writeData(const char* data, qint64 size)
{
    if (failed())
        return -1;
    m_buffer.append(data, qsizetype(size));
    if (m_buffer.size() >= PieceSize && !writeBuffer())
        return -1;
    return size;
}

// Writes the gathered bytes; a short write is continued until the system refuses (a full disk).
bool SafeFile::writeBuffer()
{
    qsizetype done = 0;
    while (done < m_buffer.size()) {
        errno = 0;
        const qint64 n = m_file.write(m_buffer.constData() + done, m_buffer.size() - done);
        if (n <= 0) {
            failWith(errno);
            return false;
        }
        done += qsizetype(n);
    }
    m_buffer.clear();
    return true;
}

void SafeFile::failWith(int systemError)
{
    fail(FileErrorReason(systemError, m_file.errorString()));
}

bool SafeFile::commit()
{
    if (!m_file.isOpen() && !failed())
        fail(QStringLiteral("文件未打开"));
    if (!failed() && writeBuffer()) {
        errno = 0;
        if (::fsync(m_file.handle()) != 0)
            failWith(errno);
    }
    m_file.close();
    QIODevice::close();
    std::error_code renamed;
    if (!failed()) {
        std::filesystem::rename(QFile::encodeName(temporaryPath()).toStdString(),
                                QFile::encodeName(m_target).toStdString(), renamed);
        if (renamed)
            failWith(renamed.value());
    }
    m_committed = !failed();
    discard();
    return m_committed;
}

QString SafeFile::errorText() const
{
    return failed() ? CannotWriteText(m_target, m_reason) : QString();
}

void SafeFile::discard()
{
    if (m_committed || m_file.fileName().isEmpty())
        return;
    m_file.close();
    QFile::remove(m_file.fileName());
    m_file.setFileName(QString());
}
