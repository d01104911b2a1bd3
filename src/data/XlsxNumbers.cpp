#include "XlsxNumbers.h"

#include <QFile>
#include <QLocale>
#include <QVector>
#include <unzip.h>
#include <zip.h>

namespace {

struct Part {
    QByteArray name;
    QByteArray data;
    unz_file_info64 info{};
};

bool IsSheet(const QByteArray& name)
{
    return name.startsWith("xl/worksheets/sheet") && name.endsWith(".xml");
}

// Every part of a workbook, in the order stored; false when it cannot be read whole.
bool ReadParts(const QByteArray& file, QVector<Part>& parts)
{
    unzFile zip = unzOpen64(file.constData());
    if (!zip)
        return false;
    bool ok = unzGoToFirstFile(zip) == UNZ_OK;
    while (ok) {
        Part part;
        char name[512];
        ok = unzGetCurrentFileInfo64(zip, &part.info, name, sizeof name, nullptr, 0, nullptr, 0) == UNZ_OK
             && unzOpenCurrentFile(zip) == UNZ_OK;
        if (!ok)
            break;
        part.name = name;
        char buffer[65536];
        int n = 0;
        while ((n = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
            part.data.append(buffer, n);
        ok = unzCloseCurrentFile(zip) == UNZ_OK && n == 0;  // closing checks the CRC
        parts.append(std::move(part));
        if (!ok)
            break;
        const int next = unzGoToNextFile(zip);
        if (next == UNZ_END_OF_LIST_OF_FILE)
            break;
        ok = next == UNZ_OK;
    }
    unzClose(zip);
    return ok;
}

bool WriteParts(const QByteArray& file, const QVector<Part>& parts)
{
    zipFile zip = zipOpen64(file.constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (const Part& part : parts) {
        zip_fileinfo info{};
        const tm_unz& d = part.info.tmu_date;
        info.tmz_date = {d.tm_sec, d.tm_min, d.tm_hour, d.tm_mday, d.tm_mon, d.tm_year};
        info.dosDate = part.info.dosDate;
        info.internal_fa = part.info.internal_fa;
        info.external_fa = part.info.external_fa;
        ok = zipOpenNewFileInZip64(zip, part.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                   Z_DEFAULT_COMPRESSION, part.data.size() >= 0xFFFFFFFFLL)
                 == ZIP_OK
             && zipWriteInFileInZip(zip, part.data.constData(), unsigned(part.data.size())) == ZIP_OK
             && zipCloseFileInZip(zip) == ZIP_OK;
        if (!ok)
            break;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

}  // namespace

QByteArray ShortestSheetNumbers(const QByteArray& sheetXml)
{
    QByteArray out;
    out.reserve(sheetXml.size());
    qsizetype at = 0;
    while (true) {
        const qsizetype open = sheetXml.indexOf("<v>", at);
        const qsizetype close = open < 0 ? -1 : sheetXml.indexOf("</v>", open);
        if (close < 0)
            break;
        const qsizetype start = open + 3;
        out.append(sheetXml.constData() + at, start - at);
        const QByteArray value = sheetXml.mid(start, close - start);
        bool number = false;
        const double v = value.toDouble(&number);
        if (number && (value.contains('.') || value.contains('E') || value.contains('e')))
            out.append(QString::number(v, 'g', QLocale::FloatingPointShortest).toLatin1());
        else
            out.append(value);
        at = close;
    }
    out.append(sheetXml.constData() + at, sheetXml.size() - at);
    return out;
}

bool ShortenWorkbookNumbers(const QString& path, QString* error)
{
    const QByteArray file = QFile::encodeName(path);
    QVector<Part> parts;
    const bool read = ReadParts(file, parts);
    if (read)
        for (Part& part : parts)
            if (IsSheet(part.name))
                part.data = ShortestSheetNumbers(part.data);
    if (read && WriteParts(file, parts))
        return true;
    if (error)
        *error = read ? QStringLiteral("无法写入工作簿") : QStringLiteral("无法读取刚写好的工作簿");
    return false;
}
