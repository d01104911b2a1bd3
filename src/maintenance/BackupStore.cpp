#include "BackupStore.h"

#include "Database.h"
#include "SafeFile.h"
#include "Schema.h"

#include <QFile>

#include <sqlite3.h>

#include <cerrno>

namespace {

// Pages copied per step of the online backup; between steps the progress is reported.
constexpr int PagesPerStep = 1024;
// How long a backup waits for a writer on another connection to let go of the file.
constexpr int BusyWaitMs = 10000;

// Why the engine could not write the copy, in Chinese: the system's error when it gives one.
QString EngineFailure(sqlite3* h)
{
    const QString text = QString::fromUtf8(sqlite3_errmsg(h));
    if (const int system = sqlite3_system_errno(h))
        return FileErrorReason(system, text);
    switch (sqlite3_errcode(h)) {
    case SQLITE_FULL: return FileErrorReason(ENOSPC);
    case SQLITE_READONLY: return FileErrorReason(EROFS);
    case SQLITE_IOERR: return FileErrorReason(EIO);
    default: return QStringLiteral("写入出错（%1）").arg(text);
    }
}

// Runs the online backup from source into dest; returns the reason on failure.
QString CopyPages(sqlite3* source, sqlite3* dest, const Progress& progress)
{
    sqlite3_backup* backup = sqlite3_backup_init(dest, "main", source, "main");
    if (!backup)
        return EngineFailure(dest);
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
    return rc == SQLITE_DONE ? QString() : EngineFailure(dest);
}

}  // namespace

QString ServerBackupText()
{
    return QStringLiteral("数据在 PostgreSQL 服务器上，本程序不备份或恢复服务器上的数据库。请在服务器上用 "
                          "pg_dump -Fc 备份、用 pg_restore 恢复（见使用说明“多个柜台”一节）。");
}

void BackupDatabase(Database& db, const QString& target, const Progress& progress)
{
    if (db.engine() == Engine::Postgres)
        throw DbError(ServerBackupText());
    sqlite3* source = db.sqliteHandle();
    if (!source)
        throw DbError(QStringLiteral("数据库未连接。"));
    SafeFile file(target);
    if (file.open()) {
        sqlite3* dest = nullptr;
        if (sqlite3_open_v2(QFile::encodeName(file.temporaryPath()).constData(), &dest, SQLITE_OPEN_READWRITE,
                            nullptr)
            != SQLITE_OK)
            file.fail(EngineFailure(dest));
        else if (const QString failure = CopyPages(source, dest, progress); !failure.isEmpty())
            file.fail(failure);
        if (sqlite3_close(dest) != SQLITE_OK)
            file.fail(QStringLiteral("备份文件未能完整写入"));
    }
    if (!file.commit())
        throw DbError(file.errorText());
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
