#pragma once

#include "PageModel.h"
#include "ReportLayout.h"
#include "RowSet.h"

#include <QSizeF>
#include <QString>

// Room left empty inside the edge of each label, in millimetres.
inline constexpr double LabelInsetMm = 1.5;

// How labels go on paper: an A4 sheet of rows and columns of labels (the margins of the sheet and
// the gaps between labels in millimetres; the labels share what is left), or a label printer's
// roll, one label a page of the label's width and height.
struct LabelSheetSetup {
    bool roll = false;
    int rows = 8;
    int columns = 3;
    double topMargin = 10, bottomMargin = 10, leftMargin = 7, rightMargin = 7;
    double columnGap = 2.5, rowGap = 0;
    double labelWidth = 50, labelHeight = 30;  // a roll's label

    // The size of one label: a roll's as given, a sheet's what its rows and columns share.
    QSizeF labelSizeMm() const;
    // The page printed on: A4 portrait, or the roll's label without margins.
    ReportPageSetup page() const;
    // Why the set-up cannot print labels (in Chinese), or empty: at least one row and column, a
    // label at least 20 × 10 mm, on a roll at most 300 mm each way.
    QString problem() const;
};

// Lays out each row of `labels` as one label: the layout's detail band within the label's size
// with a small margin inside (a field or barcode cell names a column of the row), the last line
// of the band (a barcode, say) growing to fill what the others leave of the label; the labels
// go across the rows and columns of the sheet, page after page, or one a page on a roll.
PageModel LayOutLabels(const ReportLayout& label, const RowSet& labels, const LabelSheetSetup& sheet);
