#pragma once

#include <QObject>
#include <QSqlDriver>
#include <QTimer>

class Database;

// The channel on which a server tells its connections that a transaction committed a change.
inline constexpr const char* ChangeChannel = "qinglan_changed";

// Tells when another connection to the shop (another counter, a second copy of the program)
// committed a change, so that a list on the screen can offer to be read again. On a file it
// compares the file's change counter (PRAGMA data_version, which only another connection's
// commit moves) every second; on a server it listens on ChangeChannel, which every committed
// Transaction notifies, and ignores its own connection's notices. It follows the connection
// when it is closed and opened again.
class ChangeWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int PollMs = 1000;

    explicit ChangeWatch(Database& db, QObject* parent = nullptr);

    // Looks at once instead of at the next tick (also what each tick does).
    void poll();

signals:
    void changedElsewhere();

private:
    void heard(const QString& name, QSqlDriver::NotificationSource source);

    Database& m_db;
    QTimer m_timer;
    qint64 m_fileVersion = -1;
};
