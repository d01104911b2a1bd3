#include "ChangeWatch.h"

#include "Database.h"

ChangeWatch::ChangeWatch(Database& db, QObject* parent) : QObject(parent), m_db(db)
{
    connect(&m_timer, &QTimer::timeout, this, &ChangeWatch::poll);
    m_timer.start(PollMs);
}

void ChangeWatch::poll()
{
    if (!m_db.isOpen())
        return;
    if (m_db.engine() == Engine::Postgres) {
        // A connection opened again has a new driver, which is not listening yet.
        QSqlDriver* driver = m_db.handle().driver();
        if (!driver->subscribedToNotifications().contains(QLatin1String(ChangeChannel))) {
            driver->subscribeToNotification(QLatin1String(ChangeChannel));
            connect(driver, &QSqlDriver::notification, this, &ChangeWatch::heard, Qt::UniqueConnection);
        }
        return;
    }
    qint64 version = -1;
    try {
        version = m_db.scalar(QStringLiteral("PRAGMA data_version")).toLongLong();
    } catch (const DbError&) {
        return;  // a busy or lost file is the next statement's to report
    }
    const bool changed = m_fileVersion >= 0 && version != m_fileVersion;
    m_fileVersion = version;
    if (changed)
        emit changedElsewhere();
}

void ChangeWatch::heard(const QString& name, QSqlDriver::NotificationSource source)
{
    if (name == QLatin1String(ChangeChannel) && source == QSqlDriver::OtherSource)
        emit changedElsewhere();
}
