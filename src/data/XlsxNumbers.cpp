#include "XlsxNumbers.h"

#include <QFile>
#include <QLocale>
#include <QString>
#include <unzip.h>
#include <zip.h>

namespace {

constexpr int PieceSize = 256 * 1024;

bool IsSheet(const QByteArray& name)
{
    return name.startsWith("xl/worksheets/sheet") && name.endsWith(".xml");
}

QByteArray Shortest(const QByteArray& value)
{
    bool number = false;
    const double v = value.toDouble(&number);
    if (number && (value.contains('.') || value.contains('E') || value.contains('e')))
        return QString::number(v, 'g', QLocale::FloatingPointShortest).toLatin1();
    return value;
}

// Shortens the numbers of a sheet's XML as it streams past: what may be the start of a "<v>"
// element cut by the end of a piece waits for the next piece.
class SheetFilter {
public:
    // The text that can be written now of what came so far.
    QByteArray take(const QByteArray& piece)
    {
        m_pending.append(piece);
        QByteArray out;
        qsizetype at = 0;
        while (true) {
            const qsizetype open = m_pending.indexOf("<v>", at);
            if (open < 0) {
                // Keep a possible beginning of "<v>" for the next piece.
                const qsizetype keep = qMin<qsizetype>(2, m_pending.size() - at);
                out.append(m_pending.constData() + at, m_pending.size() - at - keep);
                m_pending.remove(0, m_pending.size() - keep);
                return out;
            }
            const qsizetype close = m_pending.indexOf("</v>", open);
            if (close < 0) {
                out.append(m_pending.constData() + at, open - at);
                m_pending.remove(0, open);
                return out;
            }
            const qsizetype start = open + 3;
            out.append(m_pending.constData() + at, start - at);
            out.append(Shortest(m_pending.mid(start, close - start)));
            at = close;
        }
    }
    QByteArray rest() { return std::exchange(m_pending, {}); }

private:
    QByteArray m_pending;
};

bool CopyPart(unzFile in, zipFile out, const QByteArray& name, const unz_file_info64& info)
{
    zip_fileinfo zi{};
    const tm_unz& d = info.tmu_date;
    zi.tmz_date = {d.tm_sec, d.tm_min, d.tm_hour, d.tm_mday, d.tm_mon, d.tm_year};
    zi.dosDate = info.dosDate;
    zi.internal_fa = info.internal_fa;
    zi.external_fa = info.external_fa;
    if (unzOpenCurrentFile(in) != UNZ_OK)
        return false;
    bool ok = zipOpenNewFileInZip64(out, name.constData(), &zi, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                    Z_DEFAULT_COMPRESSION, info.uncompressed_size >= 0xFFFFFFFFULL ? 1 : 0)
              == ZIP_OK;
    const auto write = [&](const QByteArray& bytes) {
        ok = ok && (bytes.isEmpty() || zipWriteInFileInZip(out, bytes.constData(), unsigned(bytes.size())) == ZIP_OK);
    };
    SheetFilter filter;
    const bool sheet = IsSheet(name);
    QByteArray buffer(PieceSize, Qt::Uninitialized);
    int n = 0;
    while (ok && (n = unzReadCurrentFile(in, buffer.data(), PieceSize)) > 0) {
        const QByteArray piece(buffer.constData(), n);
        write(sheet ? filter.take(piece) : piece);
    }
    write(filter.rest());
    ok = unzCloseCurrentFile(in) == UNZ_OK && n == 0 && ok;  // closing checks the CRC
    return zipCloseFileInZip(out) == ZIP_OK && ok;
}

}  // namespace

bool ShortenWorkbookNumbers(const QString& from, const QString& to, QString* error)
{
    unzFile in = unzOpen64(QFile::encodeName(from).constData());
    zipFile out = in ? zipOpen64(QFile::encodeName(to).constData(), APPEND_STATUS_CREATE) : nullptr;
    bool read = in != nullptr;
    bool written = out != nullptr;
    int step = read && written ? unzGoToFirstFile(in) : UNZ_END_OF_LIST_OF_FILE;
    read = read && step == UNZ_OK;
    while (read && written && step == UNZ_OK) {
        unz_file_info64 info{};
        char name[512];
        if (unzGetCurrentFileInfo64(in, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK) {
            read = false;
            break;
        }
        written = CopyPart(in, out, QByteArray(name), info);
        step = unzGoToNextFile(in);
        read = step == UNZ_OK || step == UNZ_END_OF_LIST_OF_FILE;
    }
    if (out)
        written = zipClose(out, nullptr) == ZIP_OK && written;
    if (in)
        unzClose(in);
    if (read && written)
        return true;
    if (error)
        *error = read ? QStringLiteral("无法写入工作簿") : QStringLiteral("无法读取刚写好的工作簿");
    return false;
}
