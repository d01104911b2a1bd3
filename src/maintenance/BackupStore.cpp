#include "BackupStore.h"

#include "CheckStore.h"
#include "Database.h"
#include "RestoreDatabase.h"
#include "SafeFile.h"
#include "Schema.h"
#include "ShopCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cerrno>
#include <optional>

namespace {

// Pages copied per step of the online backup; between steps the progress is reported.
constexpr int PagesPerStep = 1024;
// How long a backup waits for a writer on another connection to let go of the file.
constexpr int BusyWaitMs = 10000;

// Why a file could not be written, for the engine's result codes that say so.
std::optional<QString> FileFailure(int sqliteCode)
{
    switch (sqliteCode & 0xff) {
    case SQLITE_FULL: return FileErrorReason(ENOSPC);
    case SQLITE_READONLY: return FileErrorReason(EROFS);
    case SQLITE_IOERR: return FileErrorReason(EIO);
    default: return std::nullopt;
    }
}

// Why the engine could not write the copy, in Chinese: the system's error when it gives one.
QString EngineFailure(sqlite3* h)
{
    const QString text = QString::fromUtf8(sqlite3_errmsg(h));
    if (const int system = sqlite3_system_errno(h))
        return FileErrorReason(system, text);
    return FileFailure(sqlite3_errcode(h)).value_or(QStringLiteral("写入出错（%1）").arg(text));
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

// A shop on a server is backed up into a database file of the same kind as a shop on a file: the
// rows as one snapshot of the server shows them, copied into a new file of the current schema.
// Returns the reason on failure.
QString CopyServer(Database& db, const QString& path, const Progress& progress)
{
    Database snapshot(QStringLiteral("qinglan-backup-snapshot"));
    Database copy(QStringLiteral("qinglan-backup-file"));
    try {
        snapshot.open(db.target());
        snapshot.exec(QStringLiteral("begin transaction isolation level repeatable read, read only"));
        copy.open(path);
        CreateSchema(copy);
        Transaction t(copy);
        CopyShopRows(snapshot, copy, progress);
        t.commit();
        snapshot.exec(QStringLiteral("commit"));
    } catch (const DbError& e) {
        // A file that cannot be written says why in the words of the other backups.
        return FileFailure(e.sqliteCode()).value_or(e.text());
    }
    return {};
}

// The file to restore from, brought to the current schema: a copy in a temporary folder, so the
// backup itself stays as it was.
void PrepareRestoreCopy(const QString& backup, const QString& copyPath)
{
    if (!QFileInfo(backup).isFile())
        throw DbError(QStringLiteral("备份文件不存在: %1, 数据未恢复!").arg(QDir::toNativeSeparators(backup)));
    if (!QFile::copy(backup, copyPath))
        throw DbError(QString::fromUtf8(RestoreFailedMessage));
    if (const QString refusal = CheckBackupFile(copyPath); !refusal.isEmpty())
        throw DbError(refusal);
}

}  // namespace

void BackupDatabase(Database& db, const QString& target, const Progress& progress)
{
    if (db.engine() == Engine::Postgres) {
        SafeFile file(target);
        if (file.open())
            if (const QString failure = CopyServer(db, file.temporaryPath(), progress); !failure.isEmpty())
                file.fail(failure);
        if (!file.commit())
            throw DbError(file.errorText());
        return;
    }
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

void RestoreServer(Database& server, const QString& backup, const Progress& progress)
{
    QTemporaryDir folder;
    const QString copyPath = folder.filePath(QStringLiteral("restore.data"));
    PrepareRestoreCopy(backup, copyPath);
    Database copy(QStringLiteral("qinglan-restore-file"));
    copy.open(copyPath);
    UpgradeSchema(copy);
    const QStringList fileFaults = CheckDatabase(copy);
    Transaction t(server);
    server.exec(QStringLiteral("truncate table ") + ShopTables(server).join(u','));
    CopyShopRows(copy, server, progress);
    // The server holds what the file held: the same rows, and the check finds the same.
    if (const QStringList faults = CheckDatabase(server); faults != fileFaults)
        throw DbError(QStringLiteral("恢复到服务器后检查结果与备份文件不同，数据未恢复：\n") + faults.join(u'\n'));
    t.commit();
}
