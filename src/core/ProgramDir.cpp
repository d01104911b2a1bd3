#include "ProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ChooseProgramDir(const QString& appDir, bool appDirWritable, const QString& userDir, bool installed)
{
    if (!installed && (appDirWritable || QFileInfo::exists(ResolvePathNoCase(appDir, QStringLiteral("Data/db.data")))))
        return QDir::cleanPath(appDir) + u'/';
    return QDir::cleanPath(userDir) + u'/';
}

namespace {

QString SharePath(const QString& appDir)
{
    return QDir::cleanPath(appDir + u'/' + QLatin1String(InstalledShareDir));
}

}  // namespace

QString ProgramDir()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const bool installed = QFileInfo(SharePath(appDir)).isDir();
    const QString dir = ChooseProgramDir(appDir, QFileInfo(appDir).isWritable(), userDir, installed);
    if (dir == QDir::cleanPath(userDir) + u'/')
        QDir().mkpath(userDir);
    return dir;
}

QString ProgramFile(const QString& name)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString beside = QDir(appDir).filePath(name);
    const QString shared = QDir(SharePath(appDir)).filePath(name);
    return !QFileInfo::exists(beside) && QFileInfo::exists(shared) ? shared : beside;
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
