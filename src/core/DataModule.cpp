#include "DataModule.h"

#include "DemoData.h"
#include "ProgramDir.h"
#include "Schema.h"
#include "Settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

TDM::TDM(QString programDir) : m_programDir(std::move(programDir)) {}

QString TDM::databasePath() const
{
    return ResolvePathNoCase(m_programDir, QStringLiteral("Data/db.data"));
}

namespace {

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Why a file cannot serve as the database, in words for the operator; empty when it can.
QString Refusal(DatabaseState state, const QString& path)
{
    switch (state) {
    case DatabaseState::Usable: return {};
    case DatabaseState::NotOurs: return QStringLiteral("文件 %1 不是本系统的数据库文件。").arg(Native(path));
    case DatabaseState::Newer:
        return QStringLiteral("数据库文件 %1 由较新版本的程序建立，本程序无法使用，请使用新版本的程序。").arg(Native(path));
    case DatabaseState::Damaged:
        return QStringLiteral("数据库文件 %1 已损坏，无法使用；文件保持原样未作改动。请用备份恢复数据库。").arg(Native(path));
    }
    return {};
}

// The same file, unchanged since it was last checked: size and time of the last change.
QString Stamp(const QFileInfo& file)
{
    return file.absoluteFilePath() + u'|' + QString::number(file.size()) + u'|'
        + QString::number(file.lastModified().toMSecsSinceEpoch());
}

}  // namespace

bool TDM::ConnectDB(QString* error)
{
    m_db.close();
    const QString path = databasePath();
    try {
        const DatabaseTarget target = ReadDatabaseTarget(m_programDir, path);
        if (target.engine == Engine::Postgres) {
            connectServer(target);
            return true;
        }
        const QString folder = QFileInfo(path).absolutePath();
        if (!QFileInfo::exists(path)) {
            if (QFileInfo::exists(folder) && !QFileInfo(folder).isWritable())
                throw DbError(QStringLiteral("文件夹 %1 不可写入，无法建立数据库文件 %2。").arg(Native(folder), Native(path)));
            createDatabase(path);
        } else if (!QFileInfo(folder).isWritable() || !QFileInfo(path).isWritable()) {
            throw DbError(QStringLiteral("数据库文件 %1 所在的文件夹（或文件本身）是只读的，程序无法保存数据。"
                                         "请为该文件夹开放写入权限，或把程序连同 Data 文件夹复制到可写入的文件夹。")
                              .arg(Native(path)));
        }
        m_db.open(path);
        const QString stamp = Stamp(QFileInfo(path));
        if (stamp != m_checked) {
            const QString refusal =
                Refusal(InspectDatabase(m_db, m_readingOnly ? Inspection::Header : Inspection::Pages), path);
            if (!refusal.isEmpty())
                throw DbError(refusal);
            if (!m_readingOnly)
                m_checked = stamp;
        }
        UpgradeSchema(m_db);
        if (m_readingOnly)
            m_db.exec(QStringLiteral("PRAGMA query_only = 1"));
        return true;
    } catch (const DbError& e) {
        m_db.close();
        if (error)
            *error = e.text();
        return false;
    }
}

// A server database that holds no table yet is given the schema, the built-in administrator and
// the demonstration data in one transaction; one that holds tables is used only when it is this
// system's, of a schema version this program reads.
void TDM::connectServer(const DatabaseTarget& target)
{
    m_db.open(target);
    if (IsEmptyDatabase(m_db)) {
        if (m_readingOnly)
            throw DbError(QStringLiteral("服务器上的数据库 %1 是空的，还没有本系统的数据。").arg(target.display()));
        Transaction t(m_db);
        CreateSchema(m_db);
        InsertBuiltInAdministrator(m_db);
        InsertDemoData(m_db, m_db.clock().today());
        t.commit();
    }
    switch (InspectDatabase(m_db, Inspection::Header)) {
    case DatabaseState::Usable: break;
    case DatabaseState::Newer:
        throw DbError(QStringLiteral("服务器上的数据库 %1 由较新版本的程序建立，本程序无法使用，请使用新版本的程序。").arg(target.display()));
    default:
        throw DbError(QStringLiteral("服务器上的数据库 %1 存有别的程序的数据，不是本系统的数据库；程序没有改动它。"
                                     "请在 Set.ini 中改用一个专为本系统建立的空数据库。")
                          .arg(target.display()));
    }
    UpgradeSchema(m_db);
    if (m_readingOnly)
        m_db.exec(QStringLiteral("set default_transaction_read_only = on"));
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
        InsertDemoData(fresh, m_db.clock().today());
        fresh.close();
    }
    if (!QFile::rename(temp, path)) {
        QFile::remove(temp);
        throw DbError(QStringLiteral("无法建立数据库文件 %1（文件夹不可写入？）。").arg(Native(path)));
    }
}

QString ConnectFailedText(const QString& reason)
{
    return reason.isEmpty() ? QString::fromUtf8(ConnectFailedMessage)
                            : QString::fromUtf8(ConnectFailedMessage) + u'\n' + reason;
}
