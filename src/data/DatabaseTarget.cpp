#include "DatabaseTarget.h"

#include "Database.h"

#include <QUrl>
#include <QUrlQuery>

DatabaseTarget DatabaseTarget::file(const QString& path)
{
    DatabaseTarget t;
    t.path = path;
    return t;
}

DatabaseTarget DatabaseTarget::server(const QString& uriOrService)
{
    DatabaseTarget t;
    t.engine = Engine::Postgres;
    if (!uriOrService.contains(QLatin1String("://"))) {
        t.service = uriOrService.trimmed();
        return t;
    }
    const QUrl url(uriOrService, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != u"postgresql" && url.scheme() != u"postgres") || !url.password().isEmpty())
        throw DbError(QStringLiteral("数据库地址 %1 无法识别。请写成 postgresql://用户@服务器:端口/数据库 "
                                     "的形式（密码请写在 ~/.pgpass 中，不写在地址里）。")
                          .arg(uriOrService));
    // A socket folder is given as libpq takes it: postgresql://user@/name?host=/run/postgresql
    const QUrlQuery query(url);
    t.host = query.hasQueryItem(QStringLiteral("host")) ? query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded)
                                                         : url.host(QUrl::FullyDecoded);
    t.port = query.hasQueryItem(QStringLiteral("port")) ? query.queryItemValue(QStringLiteral("port")).toInt()
                                                         : url.port(0);
    t.name = url.path(QUrl::FullyDecoded).mid(1);
    t.user = url.userName(QUrl::FullyDecoded);
    return t;
}

QString DatabaseTarget::uri() const
{
    if (!service.isEmpty())
        return service;
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setUserName(user);
    url.setPath(u'/' + name);
    if (!host.startsWith(u'/')) {
        url.setHost(host);
        if (port)
            url.setPort(port);
        return url.toString();
    }
    // A socket folder cannot stand as the host: libpq takes it, and its port, as parameters after
    // an empty host ("postgresql://user@/name?host=/run/postgresql").
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("host"), host);
    if (port)
        query.addQueryItem(QStringLiteral("port"), QString::number(port));
    const QString who = user.isEmpty() ? QString() : QString::fromLatin1(QUrl::toPercentEncoding(user)) + u'@';
    return QStringLiteral("postgresql://%1/%2?%3")
        .arg(who, QString::fromLatin1(QUrl::toPercentEncoding(name)), query.toString(QUrl::FullyEncoded));
}

QString DatabaseTarget::display() const
{
    if (engine == Engine::Sqlite)
        return path;
    if (!service.isEmpty())
        return QStringLiteral("service=") + service;
    QString text = user.isEmpty() ? QString() : user + u'@';
    text += host.isEmpty() ? QStringLiteral("localhost") : host;
    if (port)
        text += u':' + QString::number(port);
    return text + u'/' + name;
}
