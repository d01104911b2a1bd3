#pragma once

#include "GridFormat.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

// A table as it is shown (a list grid, the rows of a report): its header row, its rows of cell
// texts and what each column holds (numbers and dates are written to a workbook as numbers and
// dates).
struct ExportTable {
    QStringList header;
    QVector<QStringList> rows;
    QVector<GridFormat> formats;  // per column; Text when missing
    QVector<int> widths;          // on-screen width of each column in pixels; 0 or missing: a default
};

// Writes a sheet file row after row as the rows come, keeping none of them once written: an
// .xlsx workbook of one sheet (libxlsxwriter's constant-memory mode: the header row in bold and
// frozen, numbers as numbers, each in its shortest form (money as shown, 9954.2, never
// 9954.200000000001), dates as dates (yyyy-mm-dd), the columns about as wide as on screen)
// or a CSV file in UTF-8 with a byte-order mark (so spreadsheet programs read Chinese right), comma
// separated, cells with commas, quotes or line breaks quoted, lines ended by CRLF. The file is
// written beside its name and put in place by finish() (SafeFile): a failure leaves no file.
class TableFileWriter {
public:
    enum Kind { Xlsx, Csv };
    // Csv when the name ends in ".csv" (any letter case), otherwise Xlsx.
    static Kind KindOf(const QString& path);

    TableFileWriter(Kind kind, const QString& path, const QStringList& header, const QVector<int>& widths = {});
    ~TableFileWriter();
    TableFileWriter(const TableFileWriter&) = delete;
    TableFileWriter& operator=(const TableFileWriter&) = delete;

    // One row of cell texts, each written as its column's format says (Text when missing).
    void addRow(const QStringList& cells, const QVector<GridFormat>& formats);
    // Completes the file and puts it in place. False, with the reason in *error, when the file
    // cannot be written.
    bool finish(QString* error);

private:
    struct Sheet;
    std::unique_ptr<Sheet> m_sheet;
};

// The whole table written by a TableFileWriter of that kind. False, with the reason in *error,
// when the file cannot be written.
bool WriteXlsx(const ExportTable& table, const QString& path, QString* error);
bool WriteCsv(const ExportTable& table, const QString& path, QString* error);

// Writes the table as a CSV file when the name ends in ".csv" (any letter case), otherwise as an
// .xlsx workbook.
bool WriteTableFile(const ExportTable& table, const QString& path, QString* error);

// The cells of a sheet file, row 1 (the header) first: a CSV file when the name ends in ".csv"
// (any letter case), otherwise the first sheet of an .xlsx workbook. Throws DbError when the file
// cannot be read.
QVector<QStringList> ReadTableFile(const QString& path);
