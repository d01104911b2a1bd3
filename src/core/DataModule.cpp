#include "DataModule.h"

#include "DemoData.h"
#include "ProgramDir.h"
#include "Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TDM::TDM(QString programDir) : m_programDir(std::move(programDir)) {}

QString TDM::databasePath() const
{
    return ResolvePathNoCase(m_programDir, QStringLiteral("Data/db.data"));
}

bool TDM::ConnectDB(QString* error)
{
    m_db.close();
    const QString path = databasePath();
    try {
        if (!QFileInfo::exists(path))
            createDatabase(path);
        m_db.open(path);
        if (!IsQingLanDatabase(m_db)) {
            m_db.close();
            throw DbError(QStringLiteral("%1 不是本系统的数据库文件。").arg(QDir::toNativeSeparators(path)));
        }
        UpgradeSchema(m_db);
        return true;
    } catch (const DbError& e) {
        m_db.close();
        if (error)
            *error = e.text();
        return false;
    }
}

// Builds the new database beside its final name and moves it into place only when complete, so
// that a failure never leaves a half-made file behind.
void TDM::createDatabase(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString temp = path + QStringLiteral(".new");
    QFile::remove(temp);
    {
        Database fresh(QStringLiteral("qinglan-create"));
        fresh.open(temp);
        CreateSchema(fresh);
        InsertBuiltInAdministrator(fresh);
        InsertDemoData(fresh, QDate::currentDate());
        fresh.close();
    }
    if (!QFile::rename(temp, path)) {
        QFile::remove(temp);
        throw DbError(QStringLiteral("无法创建数据库文件 %1。").arg(QDir::toNativeSeparators(path)));
    }
}
