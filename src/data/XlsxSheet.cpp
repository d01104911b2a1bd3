#include "XlsxSheet.h"

#include "Database.h"
#include "NumberText.h"

#include <QDate>
#include <QDir>
#include <QSet>
#include <QXmlStreamReader>
#include <QFile>
#include <memory>
#include <unzip.h>

namespace {

[[noreturn]] void Refuse(const QString& path, const QString& why)
{
    throw DbError(QStringLiteral("无法读取Excel文件 %1：%2").arg(QDir::toNativeSeparators(path), why));
}

struct ZipCloser {
    void operator()(void* zip) const { unzClose(zip); }
};
using Zip = std::unique_ptr<void, ZipCloser>;

Zip OpenWorkbook(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    Zip zip(unzOpen64(name.constData()));
    if (!zip)
        Refuse(path, QStringLiteral("不是Excel工作簿(.xlsx)"));
    return zip;
}

// The contents of one part of the workbook; empty when the part is missing and optional.
QByteArray ReadPart(unzFile zip, const char* part, const QString& path, bool required)
{
    if (unzLocateFile(zip, part, 1) != UNZ_OK) {
        if (required)
            Refuse(path, QStringLiteral("缺少工作表"));
        return {};
    }
    if (unzOpenCurrentFile(zip) != UNZ_OK)
        Refuse(path, QStringLiteral("文件已损坏"));
    QByteArray data;
    char buffer[65536];
    int n = 0;
    while ((n = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
        data.append(buffer, n);
    // Closing checks the CRC once the whole part is read.
    if (unzCloseCurrentFile(zip) != UNZ_OK || n < 0)
        Refuse(path, QStringLiteral("文件已损坏"));
    return data;
}

// The text of the current element (a shared string or an inline string) from its <t> runs,
// phonetic runs left out; reads up to the element's end.
QString ElementText(QXmlStreamReader& xml)
{
    QString text;
    int depth = 1;
    bool phonetic = false;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"t" && !phonetic) {
                text += xml.readElementText();  // reads its end too
                continue;
            }
            ++depth;
            if (xml.name() == u"rPh")
                phonetic = true;
        } else if (xml.isEndElement()) {
            --depth;
            if (xml.name() == u"rPh")
                phonetic = false;
        }
    }
    return text;
}

QStringList SharedStrings(const QByteArray& data)
{
    QStringList strings;
    QXmlStreamReader xml(data);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"si")
            strings << ElementText(xml);
    }
    return strings;
}

bool IsDateFormatCode(const QString& code)
{
    bool quoted = false, bracket = false;
    for (QChar c : code) {
        if (c == u'"')
            quoted = !quoted;
        else if (c == u'[')
            bracket = true;
        else if (c == u']')
            bracket = false;
        else if (!quoted && !bracket && (c == u'y' || c == u'Y' || c == u'd' || c == u'D'))
            return true;
    }
    return false;
}

// For each cell style (the s attribute), whether it shows a date.
QVector<bool> DateStyles(const QByteArray& data)
{
    static const QSet<int> BuiltInDates = {14, 15, 16, 17, 22, 27, 28, 29, 30, 31, 34, 35, 36, 50, 51, 52,
                                           53, 54, 57, 58};
    QSet<int> dateFormats = BuiltInDates;
    QVector<bool> styles;
    QXmlStreamReader xml(data);
    bool inCellXfs = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"numFmt" && IsDateFormatCode(xml.attributes().value(QLatin1String("formatCode")).toString()))
                dateFormats.insert(xml.attributes().value(QLatin1String("numFmtId")).toInt());
            else if (xml.name() == u"cellXfs")
                inCellXfs = true;
            else if (xml.name() == u"xf" && inCellXfs)
                styles << dateFormats.contains(xml.attributes().value(QLatin1String("numFmtId")).toInt());
        } else if (xml.isEndElement() && xml.name() == u"cellXfs") {
            inCellXfs = false;
        }
    }
    return styles;
}

// Column index of a cell reference ("B7" -> 1).
int ColumnOf(QStringView ref)
{
    int col = 0;
    for (QChar c : ref) {
        if (c < u'A' || c > u'Z')
            break;
        col = col * 26 + (c.unicode() - u'A' + 1);
    }
    return col - 1;
}

}  // namespace

QVector<QStringList> ReadXlsxSheet(const QString& path)
{
    const Zip zip = OpenWorkbook(path);
    const QStringList strings = SharedStrings(ReadPart(zip.get(), "xl/sharedStrings.xml", path, false));
    const QVector<bool> dateStyles = DateStyles(ReadPart(zip.get(), "xl/styles.xml", path, false));
    const QByteArray sheet = ReadPart(zip.get(), "xl/worksheets/sheet1.xml", path, true);

    QVector<QStringList> rows;
    QXmlStreamReader xml(sheet);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"row") {
            const int r = xml.attributes().value(QLatin1String("r")).toInt();
            const int index = r > 0 ? r - 1 : int(rows.size());
            while (rows.size() <= index)
                rows.append(QStringList());
        } else if (xml.name() == u"c" && !rows.isEmpty()) {
            const QXmlStreamAttributes a = xml.attributes();
            const QString type = a.value(QLatin1String("t")).toString();
            const int style = a.value(QLatin1String("s")).toInt();
            QStringList& row = rows.last();
            const int col = a.hasAttribute(QLatin1String("r")) ? ColumnOf(a.value(QLatin1String("r"))) : int(row.size());
            QString value;
            if (type == u"inlineStr") {
                value = ElementText(xml);
            } else {
                QString v;
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"v")
                        v = xml.readElementText();
                    else
                        xml.skipCurrentElement();
                }
                if (type == u"s")
                    value = strings.value(v.toInt());
                else if (type == u"b")
                    value = v == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
                else if (type == u"str" || type == u"e" || v.isEmpty())
                    value = v;
                else if (dateStyles.value(style))
                    value = QDate(1899, 12, 30).addDays(qint64(v.toDouble())).toString(QStringLiteral("yyyy-MM-dd"));
                else
                    value = FormatGeneral(v.toDouble());
            }
            if (col >= 0) {
                while (row.size() <= col)
                    row.append(QString());
                row[col] = value;
            }
        }
    }
    if (xml.hasError())
        Refuse(path, QStringLiteral("文件已损坏"));
    return rows;
}

QByteArray XlsxPart(const QString& path, const QString& part)
{
    const Zip zip = OpenWorkbook(path);
    return ReadPart(zip.get(), part.toUtf8().constData(), path, true);
}
