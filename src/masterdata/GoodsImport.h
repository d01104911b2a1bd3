#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class Database;

// Importing a goods catalogue from a sheet (the rows of an .xlsx sheet or a CSV file): a header
// row naming the columns 品牌, 产品, 产品类型 (may be left out), 规格/型号, 初始库存量, 初始成本 and
// 条码 (may be left out: several codes separated by ";" or "，"), then one goods item per row. Every row is checked first; nothing is written while any row is
// refused, and an accepted sheet is written in one transaction.

struct GoodsImportRow {
    int line = 0;  // row number in the sheet (the header is row 1)
    QString PinPai, ChanPin, CPType, GuiGe;
    int ShuLiang = 0;
    double PJCB = 0;
    QStringList barcodes;
};

struct GoodsImportCheck {
    QVector<GoodsImportRow> rows;  // the accepted rows
    QStringList errors;            // "第5行：..." per refused row, or what is wrong with the header
    bool ok() const { return errors.isEmpty() && !rows.isEmpty(); }
};

// Checks a sheet against the catalogue: names present, stock a whole number from 0, cost a
// number from 0, the goods item neither in the catalogue nor earlier in the sheet, each barcode
// valid (check digit) and held neither by a goods item of the catalogue nor earlier in the sheet. Blank rows are
// skipped; blanks around a value are trimmed; a row without a class gets "*未定义*".
GoodsImportCheck CheckGoodsImport(Database& db, const QVector<QStringList>& sheet);

// Writes the accepted rows: new brands, new products (with their classes) and the goods items
// with their opening stock and cost, all in one transaction.
void ImportGoods(Database& db, const QVector<GoodsImportRow>& rows);
