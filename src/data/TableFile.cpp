#include "TableFile.h"

#include "CsvFile.h"
#include "NumberText.h"
#include "XlsxNumbers.h"
#include "XlsxSheet.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <xlsxwriter.h>

namespace {

constexpr int DefaultWidthPixels = 80;
constexpr double PixelsPerCharacter = 7.0;  // a spreadsheet's width unit at its default font

QString CannotWrite(const QString& path, const QString& why)
{
    return QStringLiteral("无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path), why);
}

bool IsNumeric(GridFormat f)
{
    return f == GridFormat::RowNumber || f == GridFormat::Integer || f == GridFormat::Money
        || f == GridFormat::Number;
}

QString CsvCell(const QString& text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    bool quote = text.startsWith(u' ') || text.endsWith(u' ');
    for (QChar c : text)
        quote = quote || special.contains(c);
    if (!quote)
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

bool IsCsvName(const QString& path)
{
    return path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
}

}  // namespace

bool WriteXlsx(const ExportTable& table, const QString& path, QString* error)
{
    const QByteArray file = QFile::encodeName(path);
    lxw_workbook* book = workbook_new(file.constData());
    if (!book) {
        if (error)
            *error = CannotWrite(path, QStringLiteral("无法创建工作簿"));
        return false;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format* dateFormat = workbook_add_format(book);
    format_set_num_format(dateFormat, "yyyy-mm-dd");

    for (int c = 0; c < table.header.size(); ++c)
        worksheet_write_string(sheet, 0, lxw_col_t(c), table.header[c].toUtf8().constData(), bold);
    for (int r = 0; r < table.rows.size(); ++r) {
        const QStringList& row = table.rows[r];
        for (int c = 0; c < row.size(); ++c) {
            const QString& text = row[c];
            if (text.isEmpty())
                continue;
            const GridFormat f = table.formats.value(c, GridFormat::Text);
            const lxw_row_t at = lxw_row_t(r + 1);
            if (IsNumeric(f)) {
                if (const std::optional<double> v = ReadNumber(text)) {
                    worksheet_write_number(sheet, at, lxw_col_t(c), *v, nullptr);
                    continue;
                }
            } else if (f == GridFormat::Date) {
                const QDate d = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
                if (d.isValid()) {
                    lxw_datetime when = {d.year(), d.month(), d.day(), 0, 0, 0};
                    worksheet_write_datetime(sheet, at, lxw_col_t(c), &when, dateFormat);
                    continue;
                }
            }
            worksheet_write_string(sheet, at, lxw_col_t(c), text.toUtf8().constData(), nullptr);
        }
    }
    for (int c = 0; c < table.header.size(); ++c) {
        const int pixels = table.widths.value(c, 0) > 0 ? table.widths[c] : DefaultWidthPixels;
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), pixels / PixelsPerCharacter, nullptr);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    const lxw_error result = workbook_close(book);
    QString why;
    if (result != LXW_NO_ERROR)
        why = QString::fromUtf8(lxw_strerror(result));
    else if (ShortenWorkbookNumbers(path, &why))
        return true;
    if (error)
        *error = CannotWrite(path, why);
    return false;
}

bool WriteCsv(const ExportTable& table, const QString& path, QString* error)
{
    QString text;
    const auto line = [&](const QStringList& cells) {
        QStringList out;
        for (const QString& c : cells)
            out << CsvCell(c);
        text += out.join(u',') + QStringLiteral("\r\n");
    };
    line(table.header);
    for (const QStringList& row : table.rows)
        line(row);

    QSaveFile file(path);
    const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
        if (error)
            *error = CannotWrite(path, file.errorString());
        return false;
    }
    return true;
}

bool WriteTableFile(const ExportTable& table, const QString& path, QString* error)
{
    return IsCsvName(path) ? WriteCsv(table, path, error) : WriteXlsx(table, path, error);
}

QVector<QStringList> ReadTableFile(const QString& path)
{
    return IsCsvName(path) ? ReadCsvFile(path) : ReadXlsxSheet(path);
}
