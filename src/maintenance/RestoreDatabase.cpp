#include "RestoreDatabase.h"

#include "AuditLog.h"
#include "BackupStore.h"
#include "DataModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace {

std::filesystem::path FsPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Keeps the current database file under the name `kept`: a second name for the same file when the
// file system allows it, a copy otherwise.
bool KeepFile(const QString& current, const QString& kept)
{
    QFile::remove(kept);
    std::error_code error;
    std::filesystem::create_hard_link(FsPath(current), FsPath(kept), error);
    return !error || QFile::copy(current, kept);
}

// The restored database records who put it in place and from which file. The data are restored
// either way: an entry that cannot be written does not undo the restore.
void RecordRestore(Database& db, const QString& backup, const QString& kept)
{
    try {
        WriteAudit(db, QStringLiteral("恢复数据库"), QDir::toNativeSeparators(QFileInfo(backup).absoluteFilePath()), {},
                   QStringLiteral("原数据库保留为 ") + QFileInfo(kept).fileName());
    } catch (const DbError&) {
    }
}

// On a server the shop as it stood is kept in a backup file of the same name first.
QString RestoreOnServer(TDM& dm, const QString& backup)
{
    const QString kept = dm.databasePath() + QString::fromLatin1(BeforeRestoreSuffix);
    try {
        QDir().mkpath(QFileInfo(kept).absolutePath());
        BackupDatabase(dm.db(), kept);
        RestoreServer(dm.db(), backup);
    } catch (const DbError& e) {
        return e.text();
    }
    RecordRestore(dm.db(), backup, kept);
    return {};
}

}  // namespace

QString RestoreDatabase(TDM& dm, const QString& backup)
{
    if (dm.db().engine() == Engine::Postgres)
        return RestoreOnServer(dm, backup);
    if (!QFileInfo(backup).isFile())
        return QStringLiteral("备份文件不存在: %1, 数据未恢复!").arg(QDir::toNativeSeparators(backup));
    const QString current = dm.databasePath();
    const QString copy = current + QStringLiteral(".restore");
    QFile::remove(copy);
    if (!QFile::copy(backup, copy)) {
        QFile::remove(copy);
        return QString::fromUtf8(RestoreFailedMessage);
    }
    if (const QString refusal = CheckBackupFile(copy); !refusal.isEmpty()) {
        QFile::remove(copy);
        return refusal;
    }
    dm.db().close();
    const QString kept = current + QString::fromLatin1(BeforeRestoreSuffix);
    std::error_code error;
    if (KeepFile(current, kept))
        std::filesystem::rename(FsPath(copy), FsPath(current), error);
    else
        error = std::make_error_code(std::errc::io_error);
    QFile::remove(copy);
    QString reason;
    if (dm.ConnectDB(&reason)) {
        if (error)
            return QString::fromUtf8(RestoreFailedMessage);
        RecordRestore(dm.db(), backup, kept);
        return {};
    }
    // The restored file could not be opened after all: the kept file goes back into place.
    std::filesystem::rename(FsPath(kept), FsPath(current), error);
    dm.ConnectDB();
    return QString::fromUtf8(RestoreFailedMessage) + u'\n' + reason;
}
