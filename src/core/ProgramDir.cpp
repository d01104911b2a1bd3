#include "ProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ProgramDir()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (!QFileInfo(dir).isWritable()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(dir);
    }
    return QDir::cleanPath(dir) + u'/';
}

QString ResolvePathNoCase(const QString& base, const QString& relative)
{
    QString path = QDir::cleanPath(base);
    const QStringList parts = QDir::fromNativeSeparators(relative).split(u'/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        QString found = part;
        if (!QFileInfo::exists(path + u'/' + part)) {
            const QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString& e : entries)
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    found = e;
                    break;
                }
        }
        path += u'/' + found;
    }
    return path;
}
