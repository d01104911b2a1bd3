// The receipt slip sent straight to an ESC/POS receipt printer over real transports on this machine
// only: a raw socket listener on 127.0.0.1 (a network printer on port 9100), a fake IPP printer
// (ippeveprinter of cups-ipp-utils, which keeps each job as a file), the lp command, a device file
// and a FIFO. The bytes received are decoded back into the picture and compared with the slip's
// page rendered on its own; the failures are told in Chinese through the prompts.
#include "AppContext.h"
#include "BandedReport.h"
#include "EscPos.h"
#include "FullDisk.h"
#include "PagePainter.h"
#include "PrintReport.h"
#include "PrintSetForm.h"
#include "Prompts.h"
#include "ReceiptTransport.h"
#include "Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <future>
#include <sys/stat.h>

namespace {

// What a job holds, read back command by command.
struct Decoded {
    bool initialised = false;
    QImage raster;
    int bands = 0;
    bool cut = false;
    bool drawer = false;
    QString error;  // a byte that is none of the commands above
};

Decoded Decode(const QByteArray& job)
{
    Decoded d;
    const auto at = [&](qsizetype i) { return i < job.size() ? int(quint8(job[i])) : -1; };
    QVector<QByteArray> rows;
    int bytesPerRow = 0;
    for (qsizetype i = 0; i < job.size();) {
        if (at(i) == 0x1B && at(i + 1) == 0x40) {
            d.initialised = i == 0;
            i += 2;
        } else if (at(i) == 0x1D && at(i + 1) == 0x76 && at(i + 2) == 0x30 && at(i + 3) == 0) {
            bytesPerRow = at(i + 4) | at(i + 5) << 8;
            const int n = at(i + 6) | at(i + 7) << 8;
            i += 8;
            for (int r = 0; r < n; ++r, i += bytesPerRow)
                rows.append(job.mid(i, bytesPerRow));
            ++d.bands;
        } else if (at(i) == 0x1B && at(i + 1) == 0x64) {
            i += 3;
        } else if (at(i) == 0x1D && at(i + 1) == 0x56) {
            d.cut = true;
            i += 3;
        } else if (at(i) == 0x1B && at(i + 1) == 0x70 && at(i + 2) == 0) {
            d.drawer = at(i + 3) > 0 && at(i + 4) > 0;
            i += 5;
        } else {
            d.error = QStringLiteral("unknown byte 0x%1 at %2").arg(at(i), 2, 16).arg(i);
            return d;
        }
    }
    d.raster = QImage(bytesPerRow * 8, int(rows.size()), QImage::Format_Mono);
    d.raster.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < rows.size(); ++y)
        std::memcpy(d.raster.scanLine(y), rows[y].constData(), size_t(bytesPerRow));
    return d;
}

PageModel SlipPage(int rollWidth)
{
    const ReportRequest r = ReceiptTestPage(TGsInfo{QStringLiteral("晴岚家电城东店")}, QDate(2026, 3, 18));
    BandedReport report(ReportFormLayout(ReportForm::XSXP));
    for (auto it = r.labels.cbegin(); it != r.labels.cend(); ++it)
        report.setLabel(it.key(), it.value());
    const ReportData data = r.prepare();
    report.setPageSetup(ReceiptPageSetup(rollWidth, data.master.rowCount()));
    return report.layOutOnRoll(data);
}

// The slip's page rendered at 8 dots per millimetre (203.2 dpi), its margins cut off, each dot
// black where the grey is below 160: what the printer must print.
QImage Expected(const PageModel& page, int rollWidth)
{
    const QImage full = RenderPageImage(page, 0, 8 * 25.4).convertToFormat(QImage::Format_Grayscale8);
    const int dots = rollWidth == 58 ? 384 : 576;
    const int margin = (full.width() - dots) / 2;
    QImage mono(dots, full.height(), QImage::Format_Mono);
    mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < full.height(); ++y)
        for (int x = 0; x < dots; ++x)
            mono.setPixel(x, y, full.constScanLine(y)[margin + x] < 160 ? 1 : 0);
    return mono;
}

int BlackDots(const QImage& mono)
{
    int n = 0;
    for (int y = 0; y < mono.height(); ++y)
        for (int x = 0; x < mono.width(); ++x)
            n += mono.pixelIndex(x, y);
    return n;
}

// A network printer on 127.0.0.1: takes every byte of each connection; answers the paper sensor
// query (DLE EOT 4) with `status` when given.
struct Listener {
    QTcpServer server;
    QByteArray received;
    std::optional<char> status;
    int connections = 0;

    Listener()
    {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
            while (QTcpSocket* s = server.nextPendingConnection()) {
                ++connections;
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    QByteArray bytes = s->readAll();
                    if (bytes.startsWith(QByteArray("\x10\x04\x04", 3))) {
                        bytes.remove(0, 3);
                        if (status)
                            s->write(QByteArray(1, *status));
                    }
                    received += bytes;
                });
            }
        });
    }
    QString target() const { return QStringLiteral("127.0.0.1:%1").arg(server.serverPort()); }
};

// Sends on a thread of its own while this thread's event loop serves the listener.
QString SendAway(ReceiptTransport& transport, const QByteArray& job)
{
    std::future<QString> f = std::async(std::launch::async, [&] { return transport.send(job); });
    while (f.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    return f.get();
}

quint16 FreePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

QString Tool(const QString& name)
{
    return QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"), QStringLiteral("/sbin"),
                                                 QStringLiteral("/bin")});
}

// ippeveprinter on 127.0.0.1 keeping each job in a spool folder. Its DNS-SD client needs a message
// bus: a private one on a socket in the folder, with no service discovery daemon behind it, so
// nothing is announced on any network.
struct FakeIppPrinter {
    QTemporaryDir dir;
    QProcess bus, printer;
    quint16 port = FreePort();
    QString error;

    FakeIppPrinter()
    {
        const QString dbus = Tool(QStringLiteral("dbus-daemon")), eve = Tool(QStringLiteral("ippeveprinter"));
        if (dbus.isEmpty() || eve.isEmpty()) {
            error = QStringLiteral("needs dbus-daemon (package dbus-daemon) and ippeveprinter (package cups-ipp-utils)");
            return;
        }
        const QString address = QStringLiteral("unix:path=") + dir.filePath(QStringLiteral("bus"));
        bus.start(dbus, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                         QStringLiteral("--address=") + address});
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), address);
        printer.setProcessEnvironment(env);
        QDir().mkpath(spool());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath(QStringLiteral("bus"))), 5000);
        printer.start(eve, {QStringLiteral("-r"), QStringLiteral("off"), QStringLiteral("-n"), QStringLiteral("localhost"),
                            QStringLiteral("-p"), QString::number(port), QStringLiteral("-d"), spool(), QStringLiteral("-k"),
                            QStringLiteral("-f"), QStringLiteral("application/vnd.cups-raw"), QStringLiteral("Receipt")});
        for (int i = 0; i < 100; ++i) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, port);
            if (probe.waitForConnected(100))
                return;
            QTest::qWait(50);
        }
        error = QStringLiteral("ippeveprinter did not start: ") + QString::fromLocal8Bit(printer.readAllStandardError());
    }
    ~FakeIppPrinter()
    {
        for (QProcess* p : {&printer, &bus}) {
            p->terminate();
            if (!p->waitForFinished(3000))
                p->kill();
        }
    }
    QString spool() const { return dir.filePath(QStringLiteral("spool")); }
    QString uri() const { return QStringLiteral("ipp://127.0.0.1:%1/ipp/print").arg(port); }
    QByteArray job() const
    {
        for (QDirIterator it(spool(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            QFile f(it.next());
            if (f.open(QIODevice::ReadOnly))
                return f.readAll();
        }
        return {};
    }
};

// A program folder with its context, for the print sequence and the settings window.
struct Program {
    QTemporaryDir dir;
    RecordingPrompts prompts;
    AppContext ctx{dir.path() + u'/'};
    Program() { ctx.prompts = &prompts; }
};

}  // namespace

class TestReceiptPrinter : public QObject {
    Q_OBJECT
private slots:
    // The job as the printer gets it: initialise, the slip's picture at the head's width in bands,
    // the cut, the drawer kick only when set; the picture is the slip's page, dot for dot.
    void jobOverSocket_data()
    {
        QTest::addColumn<int>("roll");
        QTest::addColumn<bool>("drawer");
        QTest::addColumn<int>("paperStatus");  // the printer's answer to the paper query; -1 none
        QTest::newRow("58 mm, drawer, no status answer") << 58 << true << -1;
        QTest::newRow("80 mm, no drawer, paper present") << 80 << false << 0x12;
    }
    void jobOverSocket()
    {
        QFETCH(int, roll);
        QFETCH(bool, drawer);
        QFETCH(int, paperStatus);
        const PageModel page = SlipPage(roll);
        const QImage expected = Expected(page, roll);
        QCOMPARE(expected.width(), roll == 58 ? 384 : 576);
        QVERIFY(BlackDots(expected) > 2000);  // the slip's text is there

        Listener printer;
        if (paperStatus >= 0)
            printer.status = char(paperStatus);
        auto transport = TransportFor(ReceiptConnection::Network, printer.target());
        const QByteArray job = EscPosJob(SlipRaster(page, roll), {true, drawer});
        QCOMPARE(SendAway(*transport, job), QString());
        QTRY_COMPARE(printer.received.size(), job.size());

        const Decoded d = Decode(printer.received);
        QCOMPARE(d.error, QString());
        QVERIFY(d.initialised);
        QVERIFY(d.cut);
        QCOMPARE(d.drawer, drawer);
        QCOMPARE(d.bands, (expected.height() + RasterBandRows - 1) / RasterBandRows);
        QCOMPARE(d.raster.size(), expected.size());
        QVERIFY(d.raster == expected);
        // QL_REPORT_PNG_DIR keeps the printed picture for looking at.
        if (const QString dir = qEnvironmentVariable("QL_REPORT_PNG_DIR"); !dir.isEmpty())
            d.raster.save(QStringLiteral("%1/receipt-escpos-%2mm.png").arg(dir).arg(roll));
    }

    // The fake IPP printer keeps the job as sent; an address it does not serve is refused.
    void jobOverIpp()
    {
        FakeIppPrinter ipp;
        if (!ipp.error.isEmpty())
            QFAIL(qPrintable(ipp.error));
        const PageModel page = SlipPage(80);
        const QByteArray job = EscPosJob(SlipRaster(page, 80), {true, true});
        QCOMPARE(IppTransport(ipp.uri())->send(job), QString());
        QTRY_COMPARE_WITH_TIMEOUT(ipp.job().size(), job.size(), 10000);
        const Decoded d = Decode(ipp.job());
        QVERIFY(d.drawer && d.cut);
        QVERIFY(d.raster == Expected(page, 80));

        const QString refused = IppTransport(QStringLiteral("ipp://127.0.0.1:%1/ipp/nothing").arg(ipp.port))->send(job);
        QVERIFY2(refused.contains(QStringLiteral("拒绝了打印任务")), qPrintable(refused));

        // lp asks the print server of CUPS_SERVER, here the fake printer, for a queue it lacks:
        // its reason is passed on with the queue's name.
        if (Tool(QStringLiteral("lp")).isEmpty())
            QFAIL("needs lp (package cups-client)");
        qputenv("CUPS_SERVER", QStringLiteral("127.0.0.1:%1").arg(ipp.port).toLatin1());
        const QString lp = QueueTransport(QStringLiteral("Receipt58"))->send(job);
        qunsetenv("CUPS_SERVER");
        QVERIFY2(lp.startsWith(QStringLiteral("打印队列 Receipt58 没有接受打印任务：")) && lp.contains(QStringLiteral("lp")),
                 qPrintable(lp));
    }

    // A device file (a regular file standing for /dev/usb/lp0, and a FIFO read by another thread)
    // gets the job; a device that is not there, one that is no file, and one that refuses the
    // write for lack of room (as the USB printer driver refuses it when the paper is out) are told.
    void deviceFiles()
    {
        QTemporaryDir dir;
        const QByteArray job = EscPosJob(SlipRaster(SlipPage(58), 58), {true, false});
        const QString file = dir.filePath(QStringLiteral("lp0"));
        QFile(file).open(QIODevice::WriteOnly);
        QCOMPARE(DeviceTransport(file)->send(job), QString());
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), job);

        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        std::future<QByteArray> reader = std::async(std::launch::async, [&] {
            QFile f(fifo);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        });
        QCOMPARE(DeviceTransport(fifo)->send(job), QString());
        QCOMPARE(reader.get(), job);

        FullDisk full;
        QVERIFY2(full.ready(), qPrintable(full.error()));
        const QString noRoom = full.filePath(QStringLiteral("lp1"));
        QFile(noRoom).open(QIODevice::WriteOnly);
        const struct {
            QString path;
            QString said;
        } refusals[] = {{dir.filePath(QStringLiteral("missing")), QStringLiteral("找不到打印机设备 %1").arg(dir.filePath(QStringLiteral("missing")))},
                        {dir.path(), QStringLiteral("无法写入打印机设备 %1").arg(dir.path())},
                        {noRoom, QStringLiteral("打印机缺纸（%1）").arg(noRoom)}};
        for (const auto& r : refusals) {
            const QString why = DeviceTransport(r.path)->send(job);
            QVERIFY2(why.startsWith(r.said), qPrintable(why));
        }
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing"))));
    }

    // From the print settings window: the chosen printer and drawer are kept in Set.ini, the test
    // page reaches the printer, and a printer that refuses or is out of paper is told.
    void settingsWindowAndFailures()
    {
        Program p;
        Listener printer;
        TPrintSetForm form(p.ctx);
        form.show();
        form.ReceiptWidthComboBox->setCurrentIndex(1);
        form.ReceiptPrinterComboBox->setCurrentIndex(int(ReceiptConnection::Network));
        form.ReceiptTargetEdit->setText(printer.target());
        form.DrawerCheckBox->setChecked(true);
        form.TestPageButton->click();
        QCOMPARE(p.prompts.last(), QStringLiteral("测试页已送到小票打印机。"));
        QTRY_VERIFY(!printer.received.isEmpty());
        QTRY_COMPARE(Decode(printer.received).raster.width(), 384);
        QVERIFY(Decode(printer.received).drawer);

        form.OKButton->click();
        const Settings stored = ReadSettings(p.ctx.ProgramDir);
        QCOMPARE(stored.XSDPrintSet.ReceiptPrinter, int(ReceiptConnection::Network));
        QCOMPARE(stored.XSDPrintSet.ReceiptTarget, printer.target());
        QVERIFY(stored.XSDPrintSet.ReceiptDrawer);
        QCOMPARE(stored.XSDPrintSet.ReceiptWidth, 58);

        // Every slip now goes there (PrintReport); refusals are told through the prompts.
        const quint16 closed = FreePort();
        Listener paperOut;
        paperOut.status = 0x72;
        const struct {
            QString target;
            QString said;
        } failures[] = {{QStringLiteral("127.0.0.1:%1").arg(closed), QStringLiteral("小票没有打印：打印机 127.0.0.1:%1 拒绝连接").arg(closed)},
                        {paperOut.target(), QStringLiteral("小票没有打印：打印机 %1 缺纸").arg(paperOut.target())}};
        for (const auto& f : failures) {
            p.ctx.XSDPrintSet.ReceiptTarget = f.target;
            p.prompts.clear();
            std::future<bool> printed = std::async(std::launch::async, [&] {
                return PrintReport(p.ctx, nullptr, true, ReceiptTestPage(p.ctx.GsInfo, p.ctx.today()), ReportOutput::Print);
            });
            while (printed.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QVERIFY(!printed.get());
            QCOMPARE(p.prompts.entries.size(), 1);
            QCOMPARE(p.prompts.entries[0].kind, RecordingPrompts::Entry::Error);
            QVERIFY2(p.prompts.last().startsWith(f.said), qPrintable(p.prompts.last()));
        }
        QCoreApplication::processEvents();
        QCOMPARE(paperOut.received, QByteArray());  // no job after the printer said it has no paper
    }
};

QTEST_MAIN(TestReceiptPrinter)
#include "test_receiptprinter.moc"
