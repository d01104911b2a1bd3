#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

// The ways a job reaches a receipt printer, behind one interface. Each sends the bytes as they are
// (the printer's own language, ESC/POS) and tells in Chinese why they did not go.
class ReceiptTransport {
public:
    virtual ~ReceiptTransport() = default;
    // Sends the job; empty when the printer (or its queue) took it, else the reason for the operator.
    virtual QString send(const QByteArray& job) = 0;
};

// A raw queue of the system's printing (CUPS): `lp -d QUEUE -o raw`, the job on its input.
std::unique_ptr<ReceiptTransport> QueueTransport(const QString& queue, int timeoutMs = 15000);

// A printer's device file (/dev/usb/lp0): written directly. A USB printer out of paper refuses
// the write, which is told as such.
std::unique_ptr<ReceiptTransport> DeviceTransport(const QString& path);

// A network printer on its raw port (host:9100). Before the job the printer is asked for its paper
// sensor (DLE EOT 4); a printer that answers "out of paper" gets no job, one that does not answer
// gets it anyway.
std::unique_ptr<ReceiptTransport> SocketTransport(const QString& host, quint16 port, int timeoutMs = 5000);

// A printer or queue that takes IPP (ipp://host:631/printers/NAME, ipp://host/ipp/print): one
// Print-Job request of a raw document.
std::unique_ptr<ReceiptTransport> IppTransport(const QString& uri, int timeoutMs = 10000);

// Where a receipt printer is, as the print settings keep it.
enum class ReceiptConnection {
    System = 0,   // through the system's print dialog, like every printout
    Queue = 1,    // a raw queue: the target is the queue's name
    Device = 2,   // the target is the device file
    Network = 3,  // the target is host:port (port 9100 when left out) or an ipp:// address
};

// The transport of a connection and target; null for System. A target that cannot be read is
// reported when sending.
std::unique_ptr<ReceiptTransport> TransportFor(ReceiptConnection connection, const QString& target);
