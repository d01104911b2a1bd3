#include "ReceiptTransport.h"

#include <QDataStream>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QUrl>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

class Queue : public ReceiptTransport {
public:
    Queue(QString queue, int timeoutMs) : m_queue(std::move(queue)), m_timeout(timeoutMs) {}

    QString send(const QByteArray& job) override
    {
        if (m_queue.trimmed().isEmpty())
            return QStringLiteral("没有设置打印队列的名称。");
        QProcess lp;
        lp.start(QStringLiteral("lp"), {QStringLiteral("-d"), m_queue.trimmed(), QStringLiteral("-o"), QStringLiteral("raw")});
        if (!lp.waitForStarted(m_timeout))
            return QStringLiteral("无法运行打印命令 lp（请安装 cups-client）。");
        lp.write(job);
        lp.closeWriteChannel();
        if (!lp.waitForFinished(m_timeout)) {
            lp.kill();
            lp.waitForFinished(1000);
            return QStringLiteral("打印队列 %1 没有响应。").arg(m_queue);
        }
        if (lp.exitStatus() == QProcess::NormalExit && lp.exitCode() == 0)
            return {};
        const QString said = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
        return QStringLiteral("打印队列 %1 没有接受打印任务：%2").arg(m_queue, said.isEmpty() ? QStringLiteral("lp 出错") : said);
    }

private:
    QString m_queue;
    int m_timeout;
};

class Device : public ReceiptTransport {
public:
    explicit Device(QString path) : m_path(std::move(path)) {}

    QString send(const QByteArray& job) override
    {
        if (m_path.trimmed().isEmpty())
            return QStringLiteral("没有设置打印机设备文件。");
        const QByteArray name = QFile::encodeName(m_path.trimmed());
        // Not O_CREAT: a device that is not there is not made as a file.
        const int fd = ::open(name.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            return reason(errno);
        qsizetype done = 0;
        while (done < job.size()) {
            const ssize_t n = ::write(fd, job.constData() + done, size_t(job.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                const int e = n < 0 ? errno : EIO;
                ::close(fd);
                return reason(e);
            }
            done += n;
        }
        return ::close(fd) == 0 ? QString() : reason(errno);
    }

private:
    QString reason(int e) const
    {
        switch (e) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return QStringLiteral("找不到打印机设备 %1：打印机没有连接或没有开机。").arg(m_path);
        case EACCES:
        case EPERM:
            return QStringLiteral("没有权限写入打印机设备 %1：请把操作系统用户加入 lp 组。").arg(m_path);
        case ENOSPC:
            return QStringLiteral("打印机缺纸（%1）。请装纸后再打印。").arg(m_path);
        case EBUSY:
            return QStringLiteral("打印机设备 %1 正被其他程序使用。").arg(m_path);
        default:
            return QStringLiteral("无法写入打印机设备 %1：%2").arg(m_path, QString::fromLocal8Bit(std::strerror(e)));
        }
    }

    QString m_path;
};

QString SocketReason(const QTcpSocket& socket, const QString& where)
{
    switch (socket.error()) {
    case QAbstractSocket::ConnectionRefusedError:
        return QStringLiteral("打印机 %1 拒绝连接：请检查打印机的地址和端口。").arg(where);
    case QAbstractSocket::HostNotFoundError:
        return QStringLiteral("找不到打印机 %1：请检查地址。").arg(where);
    case QAbstractSocket::SocketTimeoutError:
        return QStringLiteral("打印机 %1 没有响应：打印机没有开机或网络不通。").arg(where);
    default:
        return QStringLiteral("无法连接打印机 %1：%2").arg(where, socket.errorString());
    }
}

// Writes everything and waits until it is sent; empty when it was.
QString WriteAll(QTcpSocket& socket, const QByteArray& bytes, int timeoutMs, const QString& where)
{
    socket.write(bytes);
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(timeoutMs))
            return SocketReason(socket, where);
    return {};
}

class Socket : public ReceiptTransport {
public:
    Socket(QString host, quint16 port, int timeoutMs) : m_host(std::move(host)), m_port(port), m_timeout(timeoutMs) {}

    QString send(const QByteArray& job) override
    {
        const QString where = QStringLiteral("%1:%2").arg(m_host).arg(m_port);
        QTcpSocket socket;
        socket.connectToHost(m_host, m_port);
        if (!socket.waitForConnected(m_timeout))
            return SocketReason(socket, where);
        // The paper roll sensor: bits 5 and 6 set mean the paper has run out.
        if (QString e = WriteAll(socket, QByteArray("\x10\x04\x04", 3), m_timeout, where); !e.isEmpty())
            return e;
        if (socket.waitForReadyRead(StatusWaitMs) && (socket.read(1).at(0) & 0x60) == 0x60)
            return QStringLiteral("打印机 %1 缺纸。请装纸后再打印。").arg(where);
        if (QString e = WriteAll(socket, job, m_timeout, where); !e.isEmpty())
            return e;
        socket.disconnectFromHost();
        if (socket.state() != QAbstractSocket::UnconnectedState)
            socket.waitForDisconnected(m_timeout);
        return {};
    }

private:
    static constexpr int StatusWaitMs = 400;
    QString m_host;
    quint16 m_port;
    int m_timeout;
};

// IPP's binary encoding (RFC 8010): one attribute of the operation group.
void IppAttribute(QDataStream& out, quint8 tag, const QByteArray& name, const QByteArray& value)
{
    out << tag << quint16(name.size());
    out.writeRawData(name.constData(), int(name.size()));
    out << quint16(value.size());
    out.writeRawData(value.constData(), int(value.size()));
}

// The body of an HTTP answer read so far, its chunk size line taken off when it comes in chunks.
QByteArray IppBody(const QByteArray& answer)
{
    const qsizetype split = answer.indexOf("\r\n\r\n");
    if (split < 0)
        return {};
    QByteArray body = answer.mid(split + 4);
    if (answer.left(split).toLower().contains("transfer-encoding: chunked")) {
        const qsizetype line = body.indexOf("\r\n");
        body = line < 0 ? QByteArray() : body.mid(line + 2);
    }
    return body;
}

class Ipp : public ReceiptTransport {
public:
    Ipp(QString uri, int timeoutMs) : m_uri(std::move(uri)), m_timeout(timeoutMs) {}

    QString send(const QByteArray& job) override
    {
        const QUrl url(m_uri.trimmed());
        if (!url.isValid() || url.host().isEmpty() || (url.scheme() != u"ipp" && url.scheme() != u"http"))
            return QStringLiteral("打印机地址 %1 无法识别。").arg(m_uri);
        QByteArray request;
        {
            QDataStream out(&request, QIODevice::WriteOnly);
            out << quint8(2) << quint8(0) << quint16(0x0002) << quint32(1);  // version 2.0, Print-Job
            out << quint8(0x01);                                            // operation attributes
            IppAttribute(out, 0x47, "attributes-charset", "utf-8");
            IppAttribute(out, 0x48, "attributes-natural-language", "en");
            IppAttribute(out, 0x45, "printer-uri", url.toEncoded());
            IppAttribute(out, 0x42, "requesting-user-name", qgetenv("USER").isEmpty() ? "qinglan" : qgetenv("USER"));
            IppAttribute(out, 0x42, "job-name", "receipt");
            IppAttribute(out, 0x49, "document-format", "application/vnd.cups-raw");  // as lp -o raw sends it
            out << quint8(0x03);  // end of attributes
        }
        const QString where = url.host() + u':' + QString::number(url.port(631));
        QTcpSocket socket;
        socket.connectToHost(url.host(), quint16(url.port(631)));
        if (!socket.waitForConnected(m_timeout))
            return SocketReason(socket, where);
        const QByteArray body = request + job;
        const QByteArray head = "POST " + (url.path().isEmpty() ? QByteArray("/") : url.path(QUrl::FullyEncoded).toLatin1())
                              + " HTTP/1.1\r\nHost: " + where.toLatin1() + "\r\nContent-Type: application/ipp\r\n"
                              + "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n";
        if (QString e = WriteAll(socket, head + body, m_timeout, where); !e.isEmpty())
            return e;
        // The answer's status line and, of its IPP message, the version and status code are enough.
        QByteArray answer;
        QByteArray ipp;
        const auto refusedByHttp = [&] { return answer.contains("\r\n\r\n") && !answer.startsWith("HTTP/1.1 200") && !answer.startsWith("HTTP/1.0 200"); };
        while (ipp.size() < 4 && !refusedByHttp() && socket.waitForReadyRead(m_timeout)) {
            answer += socket.readAll();
            ipp = IppBody(answer);
        }
        if (!answer.startsWith("HTTP/"))
            return QStringLiteral("打印机 %1 没有回答。").arg(where);
        const QList<QByteArray> status = answer.left(answer.indexOf("\r\n")).split(' ');
        if (status.size() < 2 || status[1] != "200")
            return QStringLiteral("打印机 %1 拒绝了打印任务（HTTP %2）。").arg(where, QString::fromLatin1(status.value(1)));
        if (ipp.size() < 4)
            return QStringLiteral("打印机 %1 的回答无法识别。").arg(where);
        const int code = (quint8(ipp[2]) << 8) | quint8(ipp[3]);
        if (code < 0x0100)
            return {};
        if (code == 0x0506 || code == 0x0507 || code == 0x0509)  // not accepting jobs, busy, too many jobs
            return QStringLiteral("打印机 %1 的队列已满或暂停，没有接受打印任务。").arg(where);
        return QStringLiteral("打印机 %1 拒绝了打印任务（IPP 状态 0x%2）。").arg(where).arg(code, 4, 16, QChar(u'0'));
    }

private:
    QString m_uri;
    int m_timeout;
};

}  // namespace

std::unique_ptr<ReceiptTransport> QueueTransport(const QString& queue, int timeoutMs)
{
    return std::make_unique<Queue>(queue, timeoutMs);
}

std::unique_ptr<ReceiptTransport> DeviceTransport(const QString& path)
{
    return std::make_unique<Device>(path);
}

std::unique_ptr<ReceiptTransport> SocketTransport(const QString& host, quint16 port, int timeoutMs)
{
    return std::make_unique<Socket>(host, port, timeoutMs);
}

std::unique_ptr<ReceiptTransport> IppTransport(const QString& uri, int timeoutMs)
{
    return std::make_unique<Ipp>(uri, timeoutMs);
}

std::unique_ptr<ReceiptTransport> TransportFor(ReceiptConnection connection, const QString& target)
{
    const QString t = target.trimmed();
    switch (connection) {
    case ReceiptConnection::System:
        return nullptr;
    case ReceiptConnection::Queue:
        return QueueTransport(t);
    case ReceiptConnection::Device:
        return DeviceTransport(t);
    case ReceiptConnection::Network:
        break;
    }
    if (t.startsWith(QLatin1String("ipp://"), Qt::CaseInsensitive) || t.startsWith(QLatin1String("http://"), Qt::CaseInsensitive))
        return IppTransport(t);
    const qsizetype colon = t.lastIndexOf(u':');
    bool ok = colon > 0;
    const int port = ok ? t.mid(colon + 1).toInt(&ok) : 9100;
    return SocketTransport(colon > 0 ? t.left(colon) : t, quint16(ok && port > 0 && port < 65536 ? port : 9100));
}
