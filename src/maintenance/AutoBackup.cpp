#include "AutoBackup.h"

#include "BackupStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString DayForm = QStringLiteral("yyyyMMdd");
const QString MomentForm = QStringLiteral("yyyyMMdd-HHmmss");

QString BackupPath(const QString& folder, const QString& stamp)
{
    return QDir(folder).filePath(QStringLiteral("DBBack") + stamp + QStringLiteral(".data"));
}

// Deletes all but the newest `keep` backups of the folder.
void KeepNewest(const QString& folder, int keep)
{
    const QStringList backups = AutoBackups(folder);
    for (int i = keep; i < backups.size(); ++i)
        QFile::remove(backups[i]);
}

}  // namespace

QStringList AutoBackups(const QString& folder)
{
    QStringList paths;
    for (const QString& name : QDir(folder).entryList(
             {QStringLiteral("DBBack????????.data"), QStringLiteral("DBBack????????-??????.data")}, QDir::Files))
        if (AutoBackupTime(name).isValid())
            paths << QDir(folder).filePath(name);
    std::sort(paths.begin(), paths.end(), [](const QString& a, const QString& b) {
        return AutoBackupTime(a) > AutoBackupTime(b);
    });
    return paths;
}

QDateTime AutoBackupTime(const QString& path)
{
    const QString stamp = QFileInfo(path).completeBaseName().mid(6);
    const QDateTime moment = QDateTime::fromString(stamp, MomentForm);
    return moment.isValid() ? moment : QDate::fromString(stamp, DayForm).startOfDay();
}

QString MakeAutoBackup(Database& db, const QString& folder, const QDate& today, int keep)
{
    if (keep <= 0)
        return {};
    QDir().mkpath(folder);
    const QString target = BackupPath(folder, today.toString(DayForm));
    const bool due = !QFile::exists(target);
    if (due)
        BackupDatabase(db, target);
    KeepNewest(folder, keep);
    return due ? target : QString();
}

QString MakeBackupBefore(Database& db, const QString& folder, const QDateTime& now, int keep)
{
    QDir().mkpath(folder);
    const QString target = BackupPath(folder, now.toString(MomentForm));
    BackupDatabase(db, target);
    if (keep > 0)
        KeepNewest(folder, keep);
    return target;
}
