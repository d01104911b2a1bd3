#pragma once

// What a list column holds; the text shown is always the cell's text, the kind tells the export
// (and FillGrid) how to read it.
enum class GridFormat {
    Text,       // as it is
    RowNumber,  // the running row number 1, 2, ... (no field)
    Integer,    // whole number
    Money,      // general format of the value rounded to two decimals (FormatMoney)
    Number,     // general format (FormatGeneral)
    Date,       // yyyy-MM-dd
    Percent,    // a per cent figure: general format followed by "%" ("12.5%"), right-aligned
};
