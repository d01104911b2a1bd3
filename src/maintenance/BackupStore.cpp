#include "BackupStore.h"

#include "Database.h"
#include "Schema.h"

#include <QFile>

#include <sqlite3.h>

#include <filesystem>

namespace {

// Pages copied per step of the online backup; between steps the progress is reported.
constexpr int PagesPerStep = 1024;
// How long a backup waits for a writer on another connection to let go of the file.
constexpr int BusyWaitMs = 10000;

// Why the engine could not write the copy, in the operator's words; the engine's own text only for
// a failure without a plain cause.
QString FailureText(int code, sqlite3* h)
{
    switch (code & 0xff) {
    case SQLITE_FULL: return QStringLiteral("磁盘空间已满, 备份文件没有写完。");
    case SQLITE_CANTOPEN: return QStringLiteral("无法创建备份文件: 文件夹不存在或没有写入权限。");
    case SQLITE_READONLY:
    case SQLITE_PERM: return QStringLiteral("没有写入权限, 备份文件没有写入。");
    case SQLITE_IOERR: return QStringLiteral("读写磁盘出错, 备份文件没有写完。");
    case SQLITE_NOMEM: return QStringLiteral("内存不足, 备份没有完成。");
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return QStringLiteral("数据库正被占用, 备份没有完成, 请稍后再试。");
    default:
        return QStringLiteral("备份没有完成 (数据库引擎的说明: %1)。")
            .arg(h ? QString::fromUtf8(sqlite3_errmsg(h)) : QString::fromUtf8(sqlite3_errstr(code)));
    }
}

// Runs the online backup from source into dest; returns why it failed.
QString CopyPages(sqlite3* source, sqlite3* dest, const Progress& progress)
{
    sqlite3_backup* backup = sqlite3_backup_init(dest, "main", source, "main");
    if (!backup)
        return FailureText(sqlite3_errcode(dest), dest);
    int rc = SQLITE_OK;
    int waited = 0;
    do {
        rc = sqlite3_backup_step(backup, PagesPerStep);
        if (progress)
            progress(sqlite3_backup_pagecount(backup) - sqlite3_backup_remaining(backup),
                     sqlite3_backup_pagecount(backup));
        if ((rc == SQLITE_BUSY || rc == SQLITE_LOCKED) && waited < BusyWaitMs) {
            sqlite3_sleep(50);
            waited += 50;
            rc = SQLITE_OK;
        }
    } while (rc == SQLITE_OK);
    sqlite3_backup_finish(backup);
    return rc == SQLITE_DONE ? QString() : FailureText(rc, dest);
}

}  // namespace

void BackupDatabase(Database& db, const QString& target, const Progress& progress)
{
    sqlite3* source = db.sqliteHandle();
    if (!source)
        throw DbError(QStringLiteral("数据库未连接。"));
    const QString part = target + QStringLiteral(".part");
    QFile::remove(part);
    sqlite3* dest = nullptr;
    QString failure;
    if (sqlite3_open_v2(QFile::encodeName(part).constData(), &dest, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr)
        != SQLITE_OK)
        failure = FailureText(sqlite3_errcode(dest), dest);
    else
        failure = CopyPages(source, dest, progress);
    if (sqlite3_close(dest) != SQLITE_OK && failure.isEmpty())
        failure = QStringLiteral("备份文件未能完整写入。");
    std::error_code error;
    if (failure.isEmpty())
        std::filesystem::rename(QFile::encodeName(part).toStdString(), QFile::encodeName(target).toStdString(),
                                error);
    if (failure.isEmpty() && error)
        failure = QStringLiteral("备份文件无法放到目标位置: 没有写入权限或文件被占用。");
    if (!failure.isEmpty()) {
        QFile::remove(part);
        throw DbError(failure);
    }
}

QString CheckBackupFile(const QString& path)
{
    const QString notOurs = QStringLiteral("所选文件不是本系统的数据备份,数据未恢复!");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.read(16).startsWith("SQLite format 3"))
        return notOurs;
    file.close();
    // The same check as the connection makes when the program opens its database.
    Database candidate(QStringLiteral("qinglan-backup-check"));
    DatabaseState state = DatabaseState::NotOurs;
    try {
        candidate.open(path);
        state = InspectDatabase(candidate);
    } catch (const DbError&) {
        state = DatabaseState::Damaged;
    }
    switch (state) {
    case DatabaseState::Usable: return {};
    case DatabaseState::NotOurs: return notOurs;
    case DatabaseState::Newer: return QStringLiteral("所选备份来自更新版本的程序,本程序无法使用,数据未恢复!");
    case DatabaseState::Damaged: return QStringLiteral("所选备份文件已损坏,数据未恢复!");
    }
    return notOurs;
}
