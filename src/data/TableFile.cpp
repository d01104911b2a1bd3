#include "TableFile.h"

#include "CsvFile.h"
#include "NumberText.h"
#include "SafeFile.h"
#include "XlsxNumbers.h"
#include "XlsxSheet.h"

#include <QDate>
#include <QFile>
#include <xlsxwriter.h>

#include <cerrno>

namespace {

constexpr int DefaultWidthPixels = 80;
constexpr double PixelsPerCharacter = 7.0;  // a spreadsheet's width unit at its default font

bool IsNumeric(GridFormat f)
{
    return f == GridFormat::RowNumber || f == GridFormat::Integer || f == GridFormat::Money
        || f == GridFormat::Number;
}

QString CsvCell(const QString& text)
{
    bool quote = text.startsWith(u' ') || text.endsWith(u' ');
    for (qsizetype i = 0; i < text.size() && !quote; ++i) {
        const char16_t c = text[i].unicode();
        quote = c == u',' || c == u'"' || c == u'\r' || c == u'\n';
    }
    if (!quote)
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

}  // namespace

// The sheet as it is being written: the CSV text goes straight to the file, the workbook's rows
// to libxlsxwriter's temporary storage until finish() writes the workbook.
struct TableFileWriter::Sheet {
    Kind kind;
    SafeFile file;
    lxw_workbook* book = nullptr;
    lxw_worksheet* sheet = nullptr;
    lxw_format* bold = nullptr;
    lxw_format* dateFormat = nullptr;
    lxw_row_t next = 0;
    QString raw;  // the workbook as libxlsxwriter writes it, before its numbers are shortened

    Sheet(Kind k, const QString& path) : kind(k), file(path) {}
    ~Sheet()
    {
        if (book)
            lxw_workbook_free(book);  // an unfinished workbook: nothing more is written
        if (!raw.isEmpty())
            QFile::remove(raw);
    }

    void csvLine(const QStringList& cells)
    {
        QString line;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            if (c > 0)
                line += u',';
            line += CsvCell(cells[c]);
        }
        line += QStringLiteral("\r\n");
        file.write(line.toUtf8());
    }

    void xlsxRow(const QStringList& row, const QVector<GridFormat>& formats, lxw_format* format)
    {
        const lxw_row_t at = next++;
        for (int c = 0; c < row.size(); ++c) {
            const QString& text = row[c];
            if (text.isEmpty())
                continue;
            const GridFormat f = formats.value(c, GridFormat::Text);
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
            worksheet_write_string(sheet, at, lxw_col_t(c), text.toUtf8().constData(), format);
        }
    }
};

TableFileWriter::Kind TableFileWriter::KindOf(const QString& path)
{
    return path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? Csv : Xlsx;
}

TableFileWriter::TableFileWriter(Kind kind, const QString& path, const QStringList& header, const QVector<int>& widths)
    : m_sheet(std::make_unique<Sheet>(kind, path))
{
    Sheet& s = *m_sheet;
    if (!s.file.open())
        return;
    if (kind == Csv) {
        s.file.write("\xEF\xBB\xBF");
        s.csvLine(header);
        return;
    }
    // Rows go to temporary storage one at a time: a workbook of a million rows takes no more
    // memory than one of ten.
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    s.raw = s.file.temporaryPath() + QStringLiteral(".raw");
    const QByteArray name = QFile::encodeName(s.raw);
    s.book = workbook_new_opt(name.constData(), &options);
    if (!s.book) {
        s.file.fail(QStringLiteral("无法创建工作簿"));
        return;
    }
    s.sheet = workbook_add_worksheet(s.book, nullptr);
    s.bold = workbook_add_format(s.book);
    format_set_bold(s.bold);
    s.dateFormat = workbook_add_format(s.book);
    format_set_num_format(s.dateFormat, "yyyy-mm-dd");
    for (int c = 0; c < header.size(); ++c) {
        const int pixels = widths.value(c, 0) > 0 ? widths[c] : DefaultWidthPixels;
        worksheet_set_column(s.sheet, lxw_col_t(c), lxw_col_t(c), pixels / PixelsPerCharacter, nullptr);
    }
    worksheet_freeze_panes(s.sheet, 1, 0);
    s.xlsxRow(header, {}, s.bold);
}

TableFileWriter::~TableFileWriter() = default;

void TableFileWriter::addRow(const QStringList& cells, const QVector<GridFormat>& formats)
{
    Sheet& s = *m_sheet;
    if (s.file.failed())
        return;
    if (s.kind == Csv)
        s.csvLine(cells);
    else
        s.xlsxRow(cells, formats, nullptr);
}

bool TableFileWriter::finish(QString* error)
{
    Sheet& s = *m_sheet;
    if (s.book) {
        errno = 0;
        const lxw_error result = workbook_close(s.book);
        s.book = nullptr;
        QString why;
        if (result != LXW_NO_ERROR)
            s.file.fail(FileErrorReason(errno, QString::fromUtf8(lxw_strerror(result))));
        else if (!ShortenWorkbookNumbers(s.raw, s.file.temporaryPath(), &why))
            s.file.fail(why);
    }
    if (s.file.commit())
        return true;
    if (error)
        *error = s.file.errorText();
    return false;
}

namespace {

bool WriteTable(TableFileWriter::Kind kind, const ExportTable& table, const QString& path, QString* error)
{
    TableFileWriter writer(kind, path, table.header, table.widths);
    for (const QStringList& row : table.rows)
        writer.addRow(row, table.formats);
    return writer.finish(error);
}

}  // namespace

bool WriteXlsx(const ExportTable& table, const QString& path, QString* error)
{
    return WriteTable(TableFileWriter::Xlsx, table, path, error);
}

bool WriteCsv(const ExportTable& table, const QString& path, QString* error)
{
    return WriteTable(TableFileWriter::Csv, table, path, error);
}

bool WriteTableFile(const ExportTable& table, const QString& path, QString* error)
{
    return WriteTable(TableFileWriter::KindOf(path), table, path, error);
}

QVector<QStringList> ReadTableFile(const QString& path)
{
    return TableFileWriter::KindOf(path) == TableFileWriter::Csv ? ReadCsvFile(path) : ReadXlsxSheet(path);
}
