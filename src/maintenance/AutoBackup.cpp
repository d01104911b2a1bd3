#include "AutoBackup.h"

#include "BackupStore.h"

#include <QDir>
#include <QFile>

QStringList AutoBackups(const QString& folder)
{
    QStringList names = QDir(folder).entryList({QStringLiteral("DBBack????????.data")}, QDir::Files, QDir::Name);
    std::reverse(names.begin(), names.end());
    for (QString& name : names)
        name = QDir(folder).filePath(name);
    return names;
}

QString MakeAutoBackup(Database& db, const QString& folder, const QDate& today, int keep)
{
    if (keep <= 0)
        return {};
    QDir().mkpath(folder);
    const QString target =
        QDir(folder).filePath(QStringLiteral("DBBack") + today.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".data"));
    const bool due = !QFile::exists(target);
    if (due)
        BackupDatabase(db, target);
    const QStringList backups = AutoBackups(folder);
    for (int i = keep; i < backups.size(); ++i)
        QFile::remove(backups[i]);
    return due ? target : QString();
}
